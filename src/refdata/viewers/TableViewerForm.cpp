#include "TableViewerForm.h"

#include "refdata/ReferenceDatabase.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/MessageBox.h"

namespace {

// A line of a list that keeps its lines sorted: by its number key where it
// has one, then by its text ignoring case.
class ViewerLine : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        const QVariant a = data(Qt::UserRole), b = other.data(Qt::UserRole);
        if (a.isValid() || b.isValid()) {
            if (!a.isValid()) return true;  // no number sorts first
            if (!b.isValid()) return false;
            if (a.toDouble() != b.toDouble()) return a.toDouble() < b.toDouble();
        }
        const int c = QString::compare(text(), other.text(), Qt::CaseInsensitive);
        if (c != 0) return c < 0;
        return text() < other.text();
    }
};

}  // namespace

TableViewerForm::TableViewerForm(Shape shape) : m_shape(std::move(shape)) {
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(FixedColumnTable::listFont());
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setSortingEnabled(m_shape.order != Order::Stored);
    List1->setUniformItemSizes(true);  // one line each: no item is measured

    Label1 = new QLabel(this);
    Label1->setObjectName(m_shape.headingName);
    Label1->setFont(FixedColumnTable::headingFont());
    Label1->setTextFormat(Qt::PlainText);

    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
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
    setWindowTitle(m_shape.caption);
    fill();
    FixedColumnTable::fitWidth(List1, Label1);
    List1->setMinimumHeight(int(QFontMetricsF(List1->font()).lineSpacing() * 18));
    List1->setFocus();
}

void TableViewerForm::fill() {
    const QList<FixedColumnLine::Cell>& cells = m_shape.cells;
    FixedColumnTable table(cells, m_shape.table);
    QList<QVariant> keys;
    QList<bool> zeros;
    try {
        table.read(QStringLiteral("SELECT * FROM ") + m_shape.table, true, [&](const Recordset& rs) {
            auto value = [&](const QString& name) { return rs.hasField(name) ? rs.field(name) : QVariant(); };
            QVariant key;
            if (m_shape.order == Order::Number) {
                double k = 0;
                if (Picture::readsAsNumber(value(m_shape.orderField), &k)) key = k;
            }
            keys.append(key);
            bool zero = false;
            if (m_shape.zeroPotential && cells.size() > 1) {
                double v = 1;
                zero = Picture::readsAsNumber(value(cells.at(1).field), &v) && v == 0.0;
            }
            zeros.append(zero);
        });
    } catch (const RuntimeFault& f) {
        // A table that cannot be read lists nothing: never part of it. A
        // damaged one says so; one that is not there is just empty.
        if (!isMissingPart(f)) Msg::info(f.description(), QStringLiteral("Tessival"));
    }
    // A zero potential is written apart and does not widen its column.
    for (int i = 0; i < table.rows().size(); ++i)
        if (zeros.at(i)) table.rows()[i].numeric[1] = false;

    // A number never comes out cut: its column widens to the widest value.
    m_widths = table.widths();
    List1->clear();
    // Sorted once after the last line, not line by line.
    List1->setSortingEnabled(false);
    for (int i = 0; i < table.rows().size(); ++i) {
        const FixedColumnTable::Row& r = table.rows().at(i);
        QString text;
        if (zeros.at(i))
            text = Picture::fit(r.texts.at(0), m_widths.at(0)) + QStringLiteral("   0.000");
        else
            text = table.line(r, m_widths);
        auto* item = new ViewerLine(text);
        if (m_shape.order == Order::Number) item->setData(Qt::UserRole, keys.at(i));
        List1->addItem(item);
    }
    if (m_shape.order != Order::Stored) {
        List1->setSortingEnabled(true);
        List1->sortItems(Qt::AscendingOrder);
    }
    Label1->setText(table.heading(m_shape.heading, m_widths, List1->font(), Label1->font()));
}

QStringList TableViewerForm::lines() const {
    QStringList out;
    for (int i = 0; i < List1->count(); ++i) out.append(List1->item(i)->text());
    return out;
}

void TableViewerForm::cmdCancel_Click() {
    if (!m_shape.parent.isEmpty()) Forms::show(m_shape.parent);
    Forms::unload(this);
}
