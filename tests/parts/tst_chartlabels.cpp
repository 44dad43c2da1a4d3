// What the element charts show under the plot: every atomic number stands
// under its point, at the window's size and after it is resized.
#include <QImage>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include "TestSupport.h"
#include "refdata/periodic/ChartForm.h"

namespace {
struct Missing {
    int points = 0;     // points checked
    QStringList bare;   // points with no label drawn under them
};

// Looks under each point of the chart for the dark pixels of its label, in
// the band below the plot area where the labels stand.
Missing labelsUnderPoints(ChartForm* f) {
    Missing m;
    QChartView* view = f->MSChart1;
    QChart* chart = view->chart();
    const QImage shot = view->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const QRectF plot = chart->plotArea();
    auto* axis = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    const QStringList labels = axis ? axis->categoriesLabels() : QStringList();
    const int top = view->mapFromScene(chart->mapToScene(QPointF(0, plot.bottom()))).y() + 4;
    for (QAbstractSeries* s : chart->series()) {
        for (const QPointF& p : static_cast<QLineSeries*>(s)->points()) {
            ++m.points;
            const int x = view->mapFromScene(chart->mapToScene(chart->mapToPosition(p, s))).x();
            int dark = 0;
            for (int y = top; y < top + 12; ++y)
                for (int dx = -2; dx <= 2; ++dx)
                    if (qGray(shot.pixel(qRound((x + dx) * dpr), qRound(y * dpr))) < 170) ++dark;
            if (dark < 3) m.bare << labels.value(qRound(p.x())).trimmed();
        }
    }
    return m;
}
}  // namespace

class TstChartLabels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::init(); }
    void cleanup() { TestSupport::unloadAll(); }

    void everyAtomicNumberStandsUnderItsPoint_data() {
        QTest::addColumn<QString>("window");
        for (int i = 2; i <= 7; ++i) QTest::addRow("frmPTable%d", i) << QStringLiteral("frmPTable%1").arg(i);
    }
    void everyAtomicNumberStandsUnderItsPoint() {
        QFETCH(QString, window);
        auto* f = TestSupport::open<ChartForm>(window);
        QVERIFY(f);
        int values = 0;  // rows with a number to plot
        for (const ChartForm::ChartRow& r : f->chartTable()) values += r.value.isNull() ? 0 : 1;
        QVERIFY(values >= 40);
        Missing m = labelsUnderPoints(f);
        QCOMPARE(m.points, values);
        QVERIFY2(m.bare.isEmpty(), qPrintable(window + ": no label under " + m.bare.join(QLatin1Char(' '))));

        // Larger, the plot spreads and the labels follow their points.
        f->resize(f->width() * 3 / 2, f->height());
        TestSupport::settle();
        m = labelsUnderPoints(f);
        QVERIFY2(m.bare.isEmpty(), qPrintable(window + " resized: no label under " + m.bare.join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(TstChartLabels)
#include "tst_chartlabels.moc"
