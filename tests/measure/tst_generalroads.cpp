// How the measurement windows are reached and left: the chooser's buttons, the
// main window's menu, Cancel and Escape, the close box; which windows unload
// or hide the chooser.
#include <QAction>

#include "MeasureTests.h"
#include "Roads.h"
#include "measure/frmMassToWeight.h"

using namespace MeasureTests;
using TestSupport::messages;

namespace {
const QString Chooser = QStringLiteral("frmGeneralChoice");

// The main window, with the chooser shown from its button.
Form* mainAndChooser() {
    Form* m = TestSupport::open(QStringLiteral("frmMain"));
    m->findChild<QPushButton*>(QStringLiteral("cmdGeneral"))->click();
    TestSupport::settle();
    return m;
}
}  // namespace

class TestGeneralRoads : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // The chooser's states after each step of Roads::drive.
    void roads_data() {
        for (const char* c : {"window", "button", "item", "cancel", "states"}) QTest::addColumn<QString>(c);
        auto add = [](const char* w, const char* b, const char* i, const char* cancel, const char* states) {
            QTest::newRow(w) << w << b << i << cancel << states;
        };
        const char* unloads = "unloaded shown unloaded shown unloaded shown";
        const char* hides = "hidden shown hidden shown hidden shown";
        const char* hidesOnce = "hidden shown shown shown unloaded shown";
        add("frmDensity", "cmdDensity", "mnuDensity", "cmdCancel", unloads);
        add("frmVolume", "cmdVolume", "mnuVolume", "cmdCancel", hidesOnce);
        add("frmTemperatures", "cmdTemperatures", "mnuTemperatureconversions", "cmdCancel", hides);
        add("frmTime", "cmdTime", "mnuTime", "cmdClose", hides);
        add("frmMassToWeight", "cmdMass", "mnuMassWeight", "cmdCancel", hidesOnce);
        add("frmMetrics", "cmdMetrics", "mnuMetricconversions", "cmdCancel", unloads);
        add("frmEnglish", "cmdEnglish", "mnuEnglishMetrics", "cmdCancel", hidesOnce);
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QString, cancel);
        QTEST(Roads::drive({window, "cmdGeneral", Chooser, button, item, cancel}), "states");
    }

    // The close box of the time and mass-weight windows unloads them and leaves the chooser hidden.
    void closeBoxLeavesTheChooser() {
        for (const auto& [button, window] : {std::pair{"cmdTime", "frmTime"}, std::pair{"cmdMass", "frmMassToWeight"}}) {
            mainAndChooser();
            TestSupport::child<QPushButton>(Forms::loaded(Chooser), button)->click();
            TestSupport::settle();
            Forms::loaded(QLatin1String(window))->close();
            TestSupport::settle();
            QVERIFY(!Forms::isLoaded(QLatin1String(window)));
            QCOMPARE(Roads::state(Chooser), QStringLiteral("hidden"));
        }
    }

    void massWeightHidesTheChooserWhenItConverts() {
        mainAndChooser()->findChild<QAction*>(QStringLiteral("mnuMassWeight"))->trigger();
        TestSupport::settle();
        auto* f = Forms::get<frmMassToWeight>(QStringLiteral("frmMassToWeight"));
        f->cmdKToN->click();  // the empty box
        QCOMPARE(Roads::state(Chooser), QStringLiteral("shown"));
        f->Text1->setText(QStringLiteral("x"));
        f->cmdKToN->click();
        QCOMPARE(Roads::state(Chooser), QStringLiteral("hidden"));
        QCOMPARE(messages().shown.size(), 2);
        // Not loaded: the conversion loads it hidden.
        Forms::unload(Chooser);
        TestSupport::settle();
        f->Text1->setText(QStringLiteral("1"));
        f->cmdNToK->click();
        QCOMPARE(Roads::state(Chooser), QStringLiteral("hidden"));
    }

    void densityAndMetricsCloseTheSplash() {
        for (const char* window : {"frmDensity", "frmMetrics"}) {
            QVERIFY(Forms::show(QStringLiteral("frmSplash")) && Forms::show(QLatin1String(window)));
            TestSupport::settle();
            QVERIFY(!Forms::isLoaded(QStringLiteral("frmSplash")));
            TestSupport::unloadAll();
        }
    }
};

QTEST_MAIN(TestGeneralRoads)
#include "tst_generalroads.moc"
