// The metric conversion window's unit frames where the student sees them,
// inside a fixed border that holds every unit caption a category gives; the
// "General Problems" chooser's border the student can stretch.
#include "MeasureTests.h"
#include "measure/frmMetrics.h"

#include <QPushButton>
#include <QScreen>

using namespace MeasureTests;

namespace {
using TestSupport::cut;
using TestSupport::placed;
}  // namespace

class TestMeasurePlaces : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // From the top: the categories, the value, the answer with "?" at its
    // right, the From and To frames side by side, the buttons, the work line.
    void metricsPlaces_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QString>("second");
        auto row = [](const char* first, const char* relation, const char* second) {
            QTest::addRow("%s %s %s", first, relation, second) << first << relation << second;
        };
        row("Frame1", "above", "txtMetric1");
        row("txtMetric1", "above", "txtMetric2");
        row("lblMetric2", "left of", "txtMetric2");
        row("txtMetric2", "left of", "cmdHelp");
        row("txtMetric2", "above", "frmFrom");
        row("frmFrom", "left of", "frmTo");
        row("frmFrom", "above", "cmdCancel");
        row("frmTo", "above", "cmdOk");
        row("cmdCancel", "left of", "cmdClear");
        row("cmdClear", "left of", "cmdPrint");
        row("cmdPrint", "left of", "cmdOk");
        row("cmdOk", "above", "Text1");
        // Kilo, deka and the base unit in the left column, deci, centi and milli in the right.
        row("optDistance1", "above", "optDistance2");
        row("optDistance2", "above", "optDistance3");
        row("optDistance1", "left of", "optDistance4");
        row("optDistance4", "above", "optDistance5");
        row("optDistance5", "above", "optDistance6");
        row("optDistance7", "left of", "optDistance10");
        row("optDistance1", "inside", "frmDistance1");
        row("frmDistance1", "inside", "frmFrom");
        row("optDistance12", "inside", "frmDistance2");
        row("frmDistance2", "inside", "frmTo");
    }
    void metricsPlaces() {
        QFETCH(QString, first);
        QFETCH(QString, relation);
        QFETCH(QString, second);
        auto* f = open<frmMetrics>("frmMetrics");
        QVERIFY(f && f->isVisible());
        TestSupport::checkPlace(f, first, relation, second);
    }

    // The border is fixed once the load has captioned the twelve units; every
    // category's captions show whole, and no control is cut.
    void metricsUnitCaptionsFit_data() {
        QTest::addColumn<int>("category");
        QTest::newRow("mass") << 0;
        QTest::newRow("distance") << 1;
        QTest::newRow("volume") << 2;
    }
    void metricsUnitCaptionsFit() {
        QFETCH(int, category);
        auto* f = open<frmMetrics>("frmMetrics");
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(f->size(), f->minimumSize());
        f->options.at(category)->setChecked(true);
        TestSupport::settle();
        QCOMPARE(f->optDistance.size(), 13);
        for (int p = 1; p <= 12; ++p) {
            QRadioButton* r = f->optDistance.at(p);
            QCOMPARE(r->objectName(), QStringLiteral("optDistance%1").arg(p));
            QVERIFY2(!r->text().isEmpty(), qPrintable(r->objectName()));
            QVERIFY2(r->width() >= r->sizeHint().width(), qPrintable(r->text()));
        }
        QCOMPARE(cut(f), QString());
    }

    // Sized before it is placed, so it opens centred on the screen as the
    // density window does (within a few pixels of rounding and title bar).
    void metricsOpensCentred() {
        auto offset = [](const char* window) {
            Form* f = TestSupport::open(QLatin1String(window));
            const QPoint off = f->geometry().center() - f->screen()->availableGeometry().center();
            TestSupport::unloadAll();
            return off;
        };
        const QPoint metrics = offset("frmMetrics"), density = offset("frmDensity");
        QVERIFY2((metrics - density).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("%1,%2 from the centre; the density window %3,%4")
                                .arg(metrics.x()).arg(metrics.y()).arg(density.x()).arg(density.y())));
    }

    // The chooser opens at the size its buttons need; the student may make it
    // larger, never so small that a button is cut.
    void generalChooserIsSizable() {
        Form* f = TestSupport::open(QStringLiteral("frmGeneralChoice"));
        QVERIFY(f && f->isVisible());
        QCOMPARE(cut(f), QString());
        QVERIFY(f->minimumSize() != f->maximumSize());
        const QSize opened = f->size();
        f->resize(opened + QSize(120, 80));
        TestSupport::settle();
        QCOMPARE(f->size(), opened + QSize(120, 80));
        QCOMPARE(cut(f), QString());
        f->resize(1, 1);
        TestSupport::settle();
        QVERIFY(f->width() > 1 && f->height() > 1);
        QCOMPARE(cut(f), QString());
        const QList<QPushButton*> buttons = f->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 9);
        for (QPushButton* b : buttons) QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
    }
};

QTEST_MAIN(TestMeasurePlaces)
#include "tst_measureplaces.moc"
