#include "ChartForm.h"
#include "ChartWindows.h"

#include <cmath>
#include "platform/NumberPicture.h"
#include "refdata/ReferenceDatabase.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QPainter>
#include <QSet>
#include <QVBoxLayout>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QLocale>
#include <QtMath>
#include <limits>

// The atomic-number axis under the plot: its line, a tick and a label on each
// point, and its title, drawn as one item from plain text. The category axis
// itself stays hidden: Qt Charts would lay each label out as rich text.
class ChartForm::AxisLabels : public QGraphicsItem {
public:
    AxisLabels(QChart* chart, QCategoryAxis* axis) : QGraphicsItem(chart), m_design(chart), m_axis(axis) {
        setFlag(ItemHasNoContents, false);
        m_labelFont = axis->labelsFont();
        m_titleFont = axis->titleFont();
        const QFontMetricsF lm(m_labelFont), tm(m_titleFont);
        for (const QString& l : axis->categoriesLabels()) {
            m_labels.append(l.trimmed().remove(QChar(0x200B)));
            m_labelsWidth = qMax(m_labelsWidth, lm.horizontalAdvance(m_labels.last()));
        }
        m_labelHeight = lm.height();
        m_titleHeight = tm.height();
    }
    // The room the axis takes below the plot area (as Qt Charts gives it; the
    // title reaches a little into the chart's margin).
    qreal height() const { return Padding + m_labelsWidth + m_titleHeight + 1; }
    void place() {
        prepareGeometryChange();
        m_plot = m_design->plotArea();
    }

    QRectF boundingRect() const override {
        const qreal below = titleTop() + m_titleHeight - m_plot.bottom();
        return QRectF(m_plot.left() - m_labelHeight, m_plot.bottom() - 1, m_plot.width() + 2 * m_labelHeight, below + 2);
    }
    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override {
        const qreal bottom = m_plot.bottom();
        p->setPen(m_axis->linePen());
        p->drawLine(QPointF(m_plot.left(), bottom), QPointF(m_plot.right(), bottom));
        const qreal lo = m_axis->min(), span = m_axis->max() - m_axis->min();
        if (span <= 0) return;
        QList<qreal> xs;
        for (int i = 0; i < m_labels.size(); ++i) {
            xs.append(m_plot.left() + (i - lo) / span * m_plot.width());
            p->drawLine(QPointF(xs.last(), bottom), QPointF(xs.last(), bottom + Padding));
        }
        // Each label reads upwards, its end under its point.
        p->setFont(m_labelFont);
        p->setPen(m_axis->labelsBrush().color());
        const QFontMetricsF lm(m_labelFont);
        const qreal middle = (lm.ascent() - lm.descent()) / 2;
        for (int i = 0; i < m_labels.size(); ++i) {
            p->save();
            p->translate(xs.at(i), bottom + Padding);
            p->rotate(-90);
            p->drawText(QPointF(-lm.horizontalAdvance(m_labels.at(i)), middle), m_labels.at(i));
            p->restore();
        }
        p->setFont(m_titleFont);
        p->setPen(m_axis->titleBrush().color());
        const QString title = m_axis->titleText();
        p->drawText(QRectF(m_plot.left(), titleTop(), m_plot.width(), m_titleHeight), Qt::AlignCenter, title);
    }

private:
    static constexpr qreal Padding = 5;    // tick length, and from the line to the labels
    static constexpr qreal TitleGap = 4.5;  // from the labels to the title
    qreal titleTop() const { return m_plot.bottom() + Padding + m_labelsWidth + TitleGap; }
    QChart* m_design;
    QCategoryAxis* m_axis;
    QFont m_labelFont, m_titleFont;
    QStringList m_labels;
    qreal m_labelsWidth = 0, m_labelHeight = 0, m_titleHeight = 0;
    QRectF m_plot;
};

ChartForm::ChartForm(const Design& design) : m_design(design) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(design.caption);

    // The view shows this chart (it would build a default one of its own).
    MSChart1 = new QChartView(new QChart, this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setRenderHint(QPainter::Antialiasing);
    MSChart1->setToolTip(design.toolTip);
    MSChart1->setAccessibleName(design.caption);  // what a screen reader says of the chart
    MSChart1->setFocusPolicy(Qt::StrongFocus);
    // A few hundred items placed once: a plain list is cheaper than the index.
    MSChart1->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);

    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdDescription = makeButton(QStringLiteral("cmdDescription"), QStringLiteral("Description"));
    connect(cmdCancel, &QPushButton::clicked, this, &ChartForm::cmdCancel_Click);
    connect(cmdDescription, &QPushButton::clicked, this, &ChartForm::cmdDescription_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    buttons->addSpacing(24);
    buttons->addWidget(cmdDescription);
    buttons->addStretch(1);
    auto* v = new QVBoxLayout(this);
    v->addWidget(MSChart1, 1);
    v->addLayout(buttons);

    setCancelButton(cmdCancel);
    if (design.cancelIsDefault) setDefaultButton(cmdCancel);
    orderTabs({MSChart1, cmdCancel, cmdDescription});
    resize(sizeHint());
}

void ChartForm::Form_Load() {
    readTable();
    // Lay the view out at the window's size before the chart is filled, so
    // the chart is laid out once, not again on show.
    layout()->activate();
    plot();
    MSChart1->setFocus();  // first in the tab order
}

void ChartForm::readTable() {
    // The leading rows that exist, up to the chart's count; a missing table
    // or field charts nothing for it rather than failing.
    m_table.clear();
    const QString field = m_design.field;
    const QString number = QStringLiteral("AtomicNumber");
    try {
        ReferenceDatabase::fullWalk(m_design.query, [&](const Recordset& rs) {
            if (m_table.size() >= m_design.rows) return;
            ChartRow row;
            row.value = rs.hasField(field) ? rs.field(field) : QVariant();
            // The atomic number labels its point only when it is a number.
            const QVariant n = rs.hasField(number) ? rs.field(number) : QVariant();
            row.label = QStringLiteral(" ") + (Picture::readsAsNumber(n) ? Recordset::plainText(n) : QString());
            m_table.append(row);
        });
    } catch (const RuntimeFault& f) {
        m_table.clear();
        if (!isMissingPart(f)) say(f.description(), InformationStyle);
    }
}

void ChartForm::plot() {
    QChart* chart = MSChart1->chart();
    chart->setTitle(m_design.title);
    QFont tf = chart->titleFont();
    tf.setPointSizeF(tf.pointSizeF() * 1.4);
    tf.setBold(true);
    chart->setTitleFont(tf);
    chart->legend()->hide();
    // Axis numbers with the decimal mark of the answers and tables.
    chart->setLocale(QLocale());
    chart->setLocalizeNumbers(true);

    // One label per row, standing on the row's point.
    auto* axisX = new QCategoryAxis;
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisX->setTitleText(QStringLiteral("Atomic Number"));
    QFont lf = axisX->labelsFont();
    lf.setPointSizeF(6.5);
    axisX->setLabelsFont(lf);
    axisX->setLabelsAngle(-90);
    axisX->setTruncateLabels(false);
    // The axis needs distinct texts; a repeated label gets invisible padding.
    QSet<QString> seen;
    QStringList labels;
    for (const ChartRow& r : m_table) {
        QString l = r.label;
        while (seen.contains(l)) l += QChar(0x200B);
        seen.insert(l);
        labels.append(l);
    }
    for (int i = 0; i < labels.size(); ++i) axisX->append(labels.at(i), i);
    axisX->setRange(-0.5, qMax(labels.size(), 1) - 0.5);
    axisX->setGridLineVisible(false);
    axisX->setVisible(false);  // drawn by AxisLabels
    auto* axisY = new QValueAxis;
    axisY->setTitleText(m_design.valueTitle);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);

    // One line through the values in row order; a row without a number
    // leaves a gap, so each unbroken run is a series of its own.
    const QColor colour(0, 0, 192);
    double lo = std::numeric_limits<double>::max();
    double hi = std::numeric_limits<double>::lowest();
    QLineSeries* run = nullptr;
    for (int i = 0; i < m_table.size(); ++i) {
        const QVariant& v = m_table.at(i).value;
        bool ok = false;
        const double y = v.isNull() ? 0.0 : v.toDouble(&ok);
        if (!ok || !std::isfinite(y)) {
            run = nullptr;
            continue;
        }
        if (!run) {
            run = new QLineSeries;
            run->setColor(colour);
            run->setPointsVisible(true);
            run->setMarkerSize(4);
            chart->addSeries(run);
            run->attachAxis(axisX);
            run->attachAxis(axisY);
        }
        run->append(i, y);
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    if (lo > hi) {
        lo = 0;
        hi = 1;
    } else if (lo == hi) {
        lo -= 1;
        hi += 1;
    }
    axisY->setRange(lo, hi);
    axisY->applyNiceNumbers();

    m_axisLabels = new AxisLabels(chart, axisX);
    QMargins room = chart->margins();
    room.setBottom(room.bottom() + qCeil(m_axisLabels->height()));
    chart->setMargins(room);
    connect(chart, &QChart::plotAreaChanged, this, [this] { m_axisLabels->place(); });
    m_axisLabels->place();
}

void ChartForm::cmdDescription_Click() {
    say(m_design.description, InformationStyle);
}

void ChartForm::cmdCancel_Click() {
    Forms::unload(this);
    Forms::show(QStringLiteral("frmTableChoice"));
}

// The six charts.

void registerChartWindows() {
#define TESSIVAL_REGISTER_CHART(Class) TESSIVAL_REGISTER(Class);
    TESSIVAL_CHART_WINDOWS(TESSIVAL_REGISTER_CHART)
#undef TESSIVAL_REGISTER_CHART
}

// What the program runs when it loads the charts part.
extern "C" Q_DECL_EXPORT void tessival_register_windows() { registerChartWindows(); }

frmPTable2::frmPTable2()
    : ChartForm({.caption = QStringLiteral("Periodic Table - Atomic Radii"),
                 .query = QStringLiteral("SELECT * FROM AtomicRadii"),
                 .field = QStringLiteral("AtomicRadii"),
                 .rows = 93,
                 .title = QStringLiteral("Atomic Number v. Atomic Radius"),
                 .valueTitle = QStringLiteral("Atomic Radius"),
                 .toolTip = QStringLiteral("As the attraction for electrons changes, so does the radius of the atom."),
                 .description =
                     QStringLiteral("The atomic radius is a function of the attraction between the nucleus and the "
                                    "electrons. The stronger the attraction ") +
                     QStringLiteral("the smaller the radius and the weaker the attraction, the larger the radius. "
                                    "The radius shows a distinct ") +
                     QStringLiteral("periodic pattern. There are ups and downs corresponding to the different "
                                    "periods of the table. The more ") +
                     QStringLiteral("energy levels an element has, the weaker the attraction and the larger the "
                                    "radius. ")}) {}

frmPTable3::frmPTable3()
    : ChartForm({.caption = QStringLiteral("Periodic Table - Electronegativity"),
                 .query = QStringLiteral("SELECT * FROM Electronegativities"),
                 .field = QStringLiteral("Electronegativity"),
                 .rows = 95,
                 .title = QStringLiteral("Atomic Number v. Electronegativity"),
                 .valueTitle = QStringLiteral("Electronegativity"),
                 .toolTip = QStringLiteral("Atoms tend to attract electrons from the atom they are bonded to."),
                 .description =
                     QStringLiteral("Electronegativity is the attraction that an atom has for an electron when it is "
                                    "bonded to another atom.  ")}) {}

frmPTable4::frmPTable4()
    : ChartForm(
          {.caption = QStringLiteral("Periodic Table - Affinities"),
           .query = QStringLiteral("SELECT * FROM Affinities"),
           .field = QStringLiteral("Affinity"),
           .rows = 88,
           .title = QStringLiteral("Atomic Number v. Affinity"),
           .valueTitle = QStringLiteral("Affinity"),
           .toolTip = QStringLiteral("Atoms try to attract electrons in order to fill their outer energy levels."),
           .description =
               QStringLiteral("Affinity is the attraction that an atom has for an electron. The stronger the "
                              "attraction, the more energy  ") +
               QStringLiteral("is released when the atom gains an electron. Atoms try to fill their outer energy levels in "
                              "order to become ") +
               QStringLiteral("more stable. ")}) {}

frmPTable5::frmPTable5()
    : ChartForm({.caption = QStringLiteral("Periodic Table - Ionization Energies"),
                 .query = QStringLiteral("SELECT * FROM IonizationEnergy"),
                 .field = QStringLiteral("FIE"),
                 .rows = 103,
                 .title = QStringLiteral("Atomic Number v. Ionization Energy"),
                 .valueTitle = QStringLiteral("Ionization Energy"),
                 .toolTip = QStringLiteral(
                     "The ionization energy is a measure of how tightly the electron is held to the atom."),
                 .description =
                     QStringLiteral("Ionization energy is the energy required to remove an electron. The more tightly "
                                    "held the electron,  ") +
                     QStringLiteral("the higher the ionization energy. "),
                 .cancelIsDefault = true}) {}

frmPTable6::frmPTable6()
    : ChartForm({.caption = QStringLiteral("Periodic Table - Density"),
                 .query = QStringLiteral("SELECT * FROM GeneralInfo"),
                 .field = QStringLiteral("Density"),
                 .rows = 103,
                 .title = QStringLiteral("Atomic Number v. Density"),
                 .valueTitle = QStringLiteral("Density"),
                 .toolTip =
                     QStringLiteral("As you go through the periodic table, you have more particles in a small volume."),
                 .description =
                     QStringLiteral("Density is the mass divided by the volume. The more atomic particles in a tiny "
                                    "volume like an atom, the higher the density.  ")}) {}

frmPTable7::frmPTable7()
    : ChartForm(
          {.caption = QStringLiteral("Periodic Table - Boiling Point"),
           .query = QStringLiteral("SELECT * FROM GeneralInfo"),
           .field = QStringLiteral("BoilingPoint"),
           .rows = 103,
           .title = QStringLiteral("Atomic Number v. Boiling Point"),
           .valueTitle = QStringLiteral("Booiling point"),
           .toolTip = QStringLiteral("The ups and downs in boiling point illustrate the periodic nature of the table."),
           .description = QStringLiteral("The boiling point is another property of an element that shows a periodic "
                                         "nature.  ")}) {}
