#include "TableViewerForm.h"

#include "refdata/ReferenceDatabase.h"

#include <QFontMetricsF>
#include <algorithm>
#include <vector>
#include <QHBoxLayout>
#include <QVBoxLayout>


namespace {

// The order of the sorted lists: by the number key where a line has one
// (none first), then by the text ignoring case.
bool before(const QVariant& a, const QString& ta, const QVariant& b, const QString& tb) {
    if (a.isValid() || b.isValid()) {
        if (!a.isValid()) return true;
        if (!b.isValid()) return false;
        if (a.toDouble() != b.toDouble()) return a.toDouble() < b.toDouble();
    }
    const int c = QString::compare(ta, tb, Qt::CaseInsensitive);
    if (c != 0) return c < 0;
    return ta < tb;
}

// A line of a list that keeps its lines sorted.
class ViewerLine : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        return before(data(Qt::UserRole), text(), other.data(Qt::UserRole), other.text());
    }
};

}  // namespace

TableViewerForm::TableViewerForm(Design design) : m_design(std::move(design)) {
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(FixedColumnTable::listFont());
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setSortingEnabled(m_design.order != Order::Stored);
    List1->setUniformItemSizes(true);  // one line each: no item is measured
    List1->setAccessibleName(m_design.caption);  // what a screen reader says of the list

    Label1 = bind(m_design.headingName, new QLabel(this));
    Label1->setFont(FixedColumnTable::headingFont());
    Label1->setTextFormat(Qt::PlainText);

    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    setCancelButton(cmdCancel);
    connect(cmdCancel, &QPushButton::clicked, this, &TableViewerForm::cmdCancel_Click);

    auto* v = new QVBoxLayout(this);
    v->addWidget(Label1);
    v->addWidget(List1, 1);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(cmdCancel);
    v->addLayout(foot);
}

void TableViewerForm::Form_Load() {
    setWindowTitle(m_design.caption);
    fill();
    FixedColumnTable::fitWidth(List1, Label1);
    List1->setMinimumHeight(int(QFontMetricsF(List1->font()).lineSpacing() * 18));
    List1->setFocus();
}

void TableViewerForm::fill() {
    const QList<FixedColumnLine::Cell>& cells = m_design.cells;
    FixedColumnTable table(cells, m_design.table);
    QList<QVariant> keys;
    QList<bool> zeros;
    try {
        table.read(QStringLiteral("SELECT * FROM ") + m_design.table, true, [&](const Recordset& rs) {
            auto value = [&](const QString& name) { return rs.hasField(name) ? rs.field(name) : QVariant(); };
            QVariant key;
            if (m_design.order == Order::Number) {
                double k = 0;
                if (Picture::readsAsNumber(value(m_design.orderField), &k)) key = k;
            }
            keys.append(key);
            bool zero = false;
            if (m_design.zeroPotential && cells.size() > 1) {
                double v = 1;
                zero = Picture::readsAsNumber(value(cells.at(1).field), &v) && v == 0.0;
            }
            zeros.append(zero);
        });
    } catch (const RuntimeFault& f) {
        // A table that cannot be read lists nothing: never part of it. A
        // damaged one says so; one that is not there is just empty.
        if (!isMissingPart(f)) say(f.description(), InformationStyle);
    }
    // A zero potential is written apart and does not widen its column.
    for (int i = 0; i < table.rows().size(); ++i)
        if (zeros.at(i)) table.rows()[i].numeric[1] = false;

    // A number never comes out cut: its column widens to the widest value.
    m_widths = table.widths();
    List1->clear();
    List1->setSortingEnabled(false);
    struct Line {
        QString text;
        QVariant key;
    };
    std::vector<Line> out;
    out.reserve(size_t(table.rows().size()));
    for (int i = 0; i < table.rows().size(); ++i) {
        const FixedColumnTable::Row& r = table.rows().at(i);
        QString text;
        if (zeros.at(i))
            text = Picture::fit(r.texts.at(0), m_widths.at(0)) + QStringLiteral("   0.000");
        else
            text = table.line(r, m_widths);
        out.push_back({text, m_design.order == Order::Number ? keys.at(i) : QVariant()});
    }
    // Sorted once, in its order, before the lines go in.
    if (m_design.order != Order::Stored)
        std::stable_sort(out.begin(), out.end(),
                         [](const Line& a, const Line& b) { return before(a.key, a.text, b.key, b.text); });
    for (const Line& l : out) {
        auto* item = new ViewerLine(l.text);
        if (l.key.isValid()) item->setData(Qt::UserRole, l.key);
        List1->addItem(item);
    }
    List1->setSortingEnabled(m_design.order != Order::Stored);
    Label1->setText(table.heading(m_design.heading, m_widths, List1->font(), Label1->font(),
                                  FixedColumnTable::textInset(List1, Label1)));
}

QStringList TableViewerForm::lines() const {
    QStringList out;
    for (int i = 0; i < List1->count(); ++i) out.append(List1->item(i)->text());
    return out;
}

void TableViewerForm::cmdCancel_Click() {
    if (!m_design.parent.isEmpty()) Forms::show(m_design.parent);
    Forms::unload(this);
}
