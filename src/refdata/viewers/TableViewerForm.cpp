#include "TableViewerForm.h"

#include "refdata/ReferenceDatabase.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/MessageBox.h"
#include <limits>

namespace {

QFont listFont() {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New"), QStringLiteral("Courier")});
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(9.75);
    return f;
}

QFont headingFont() {
    // Times New Roman, or a face with its metrics.
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman"),
                   QStringLiteral("Liberation Serif"), QStringLiteral("Times")});
    f.setPointSizeF(9.75);
    return f;
}

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

struct Row {
    QStringList texts;
    QList<bool> numeric;
    QVariant key;
    bool zero = false;
};

}  // namespace

TableViewerForm::TableViewerForm(Shape shape) : m_shape(std::move(shape)) {
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(listFont());
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setSortingEnabled(m_shape.order != Order::Stored);

    Label1 = new QLabel(this);
    Label1->setObjectName(m_shape.headingName);
    Label1->setFont(headingFont());
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
    placeHeading();
    // Wide enough for the longest line and the heading.
    const QFontMetricsF fm(List1->font());
    qreal widest = 0;
    for (const QString& l : lines()) widest = std::max(widest, fm.horizontalAdvance(l));
    widest = std::max(widest, QFontMetricsF(Label1->font()).horizontalAdvance(Label1->text()));
    List1->setMinimumWidth(int(std::ceil(widest)) + 2 * List1->frameWidth() +
                           List1->verticalScrollBar()->sizeHint().width() + 8);
    List1->setMinimumHeight(int(fm.lineSpacing() * 18));
    List1->setFocus();
}

void TableViewerForm::fill() {
    const QList<FixedColumnLine::Cell>& cells = m_shape.cells;
    QList<Row> rows;
    try {
        ReferenceDatabase::fullWalk(QStringLiteral("SELECT * FROM ") + m_shape.table, [&](const Recordset& rs) {
            auto value = [&](const QString& name) { return rs.hasField(name) ? rs.field(name) : QVariant(); };
            Row r;
            for (const FixedColumnLine::Cell& c : cells) {
                bool numeric = false;
                r.texts.append(Picture::format(value(c.field), c.picture, &numeric));
                r.numeric.append(numeric);
            }
            if (m_shape.order == Order::Number) {
                double k = 0;
                if (Picture::readsAsNumber(value(m_shape.orderField), &k)) r.key = k;
            }
            if (m_shape.zeroPotential && cells.size() > 1) {
                double v = 1;
                r.zero = Picture::readsAsNumber(value(cells.at(1).field), &v) && v == 0.0;
            }
            rows.append(r);
        });
    } catch (const RuntimeFault& f) {
        // A table that cannot be read lists nothing: never part of it. A
        // damaged one says so; one that is not there is just empty.
        rows.clear();
        if (!isMissingPart(f)) Msg::info(f.description(), QStringLiteral("Tessival"));
    }

    // A number never comes out cut: its column widens to the widest value.
    m_widths.clear();
    FixedColumnLine layout(cells);
    for (int i = 0; i < cells.size(); ++i) {
        int w = cells.at(i).width;
        for (const Row& r : rows)
            if (r.numeric.at(i) && !(m_shape.zeroPotential && i == 1 && r.zero)) w = std::max(w, int(r.texts.at(i).size()));
        m_widths.append(w);
        layout.cells()[i].width = w;
    }

    List1->clear();
    for (const Row& r : rows) {
        QString text;
        if (r.zero)
            text = Picture::fit(r.texts.at(0), layout.cells().at(0).width) + QStringLiteral("   0.000");
        else
            text = layout.lineOf(r.texts);
        auto* item = new ViewerLine(text);
        if (m_shape.order == Order::Number) item->setData(Qt::UserRole, r.key);
        List1->addItem(item);
    }
}

void TableViewerForm::placeHeading() {
    // A title moves right by as many blanks as the columns before it widened.
    const qreal charWidth = QFontMetricsF(List1->font()).horizontalAdvance(QLatin1Char('0'));
    const qreal blankWidth = std::max<qreal>(1.0, QFontMetricsF(Label1->font()).horizontalAdvance(QLatin1Char(' ')));
    QString text;
    int widened = 0;
    for (int i = 0; i < m_shape.heading.size(); ++i) {
        int blanks = m_shape.heading.at(i).blanksBefore;
        if (widened > 0) blanks += int(std::lround(widened * charWidth / blankWidth));
        text += QString(blanks, QLatin1Char(' ')) + m_shape.heading.at(i).text;
        if (i < m_widths.size() && i < m_shape.cells.size()) widened += m_widths.at(i) - m_shape.cells.at(i).width;
    }
    Label1->setText(text);
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
