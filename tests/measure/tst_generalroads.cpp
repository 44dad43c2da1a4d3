// How the measurement windows are reached and left: the chooser's buttons, the
// main window's menu, Cancel and Escape, the close box, F1 and "?".
#include <QAction>

#include "MeasureTests.h"
#include "measure/frmMassToWeight.h"
#include "shell/frmMain.h"

using namespace MeasureTests;
using TestSupport::messages;
using TestSupport::shown;

namespace {
const QString Chooser = QStringLiteral("frmGeneralChoice");

frmMain* mainWindow() {
    auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
    TestSupport::settle();
    return m;
}

Form* pressGeneral(frmMain* m) {
    m->cmdGeneral->click();
    TestSupport::settle();
    return Forms::loaded(Chooser);
}

void menu(frmMain* m, const QString& item) {
    m->findChild<QAction*>(item)->trigger();
    TestSupport::settle();
}

// The chooser's state: "shown", "hidden" or "unloaded".
QString chooserState() {
    Form* c = Forms::loaded(Chooser);
    return !c ? QStringLiteral("unloaded") : c->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden");
}
}  // namespace

class TestGeneralRoads : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
    }
    void cleanup() {
        TestSupport::unloadAll();
        messages().clear();
    }

    void roads_data() {
        for (const char* c : {"window", "button", "item", "title", "fromChooser", "fromMenu", "cancel"})
            QTest::addColumn<QString>(c);
        auto add = [](const char* w, const char* b, const char* i, const char* t, const char* fc, const char* fm,
                      const char* cancel) {
            QTest::newRow(w) << QString::fromLatin1(w) << QString::fromLatin1(b) << QString::fromLatin1(i)
                             << QString::fromLatin1(t) << QString::fromLatin1(fc) << QString::fromLatin1(fm)
                             << QString::fromLatin1(cancel);
        };
        add("frmDensity", "cmdDensity", "mnuDensity", "Density Calculations", "unloaded", "unloaded", "cmdCancel");
        add("frmVolume", "cmdVolume", "mnuVolume", "Volume Calculation", "hidden", "shown", "cmdCancel");
        add("frmTemperatures", "cmdTemperatures", "mnuTemperatureconversions", "Temperature Conversion", "hidden",
            "hidden", "cmdCancel");
        add("frmTime", "cmdTime", "mnuTime", "Time Conversion", "hidden", "hidden", "cmdClose");
        add("frmMassToWeight", "cmdMass", "mnuMassWeight", "Mass / Weight Conversion", "hidden", "shown", "cmdCancel");
        add("frmMetrics", "cmdMetrics", "mnuMetricconversions", "Metric Conversion", "unloaded", "unloaded", "cmdCancel");
        add("frmEnglish", "cmdEnglish", "mnuEnglishMetrics", "English - Metric Conversions", "hidden", "shown", "cmdCancel");
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, fromChooser);
        QFETCH(QString, fromMenu);
        frmMain* m = mainWindow();
        // The chooser's button, F1 and the help paragraph of "?", then Escape back to the chooser.
        Form* c = pressGeneral(m);
        QFETCH(QString, button);
        TestSupport::child<QPushButton>(c, qPrintable(button))->click();
        TestSupport::settle();
        QVERIFY(shown(qPrintable(window)));
        QCOMPARE(chooserState(), fromChooser);
        Form* f = Forms::loaded(window);
        QTEST(f->windowTitle(), "title");
        QWidget* box = f->focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(box));
        TestSupport::press(box, Qt::Key_F1);
        QVERIFY(shown("frmHelp"));
        Forms::unload(QStringLiteral("frmHelp"));
        TestSupport::child<QPushButton>(f, "cmdHelp")->click();
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().shown.first().icon, Msg::Icon::Information);
        QCOMPARE(messages().shown.first().title, Tessival);
        TestSupport::press(box, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(window));
        QCOMPARE(chooserState(), QStringLiteral("shown"));

        // From the menu while the chooser is shown; the cancel button shows it again.
        QFETCH(QString, item);
        menu(m, item);
        QVERIFY(shown(qPrintable(window)));
        QCOMPARE(chooserState(), fromMenu);
        QFETCH(QString, cancel);
        TestSupport::child<QPushButton>(Forms::loaded(window), qPrintable(cancel))->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(window));
        QCOMPARE(chooserState(), QStringLiteral("shown"));
        // From the menu with no chooser at all: leaving still shows it.
        Forms::unload(Chooser);
        menu(m, item);
        TestSupport::press(Forms::loaded(window)->focusWidget(), Qt::Key_Escape);
        TestSupport::settle();
        QCOMPARE(chooserState(), QStringLiteral("shown"));
        QVERIFY(m->isVisible());
    }

    void closeBoxLeavesTheChooser() {
        frmMain* m = mainWindow();
        for (const auto& [button, window] : {std::pair{"cmdTime", "frmTime"}, std::pair{"cmdMass", "frmMassToWeight"}}) {
            Form* c = pressGeneral(m);
            TestSupport::child<QPushButton>(c, button)->click();
            TestSupport::settle();
            Form* f = Forms::loaded(QLatin1String(window));
            QVERIFY(f->windowFlags() & Qt::WindowCloseButtonHint);
            QVERIFY(!(f->windowFlags() & Qt::WindowMinimizeButtonHint));
            f->close();
            TestSupport::settle();
            QVERIFY(!Forms::isLoaded(QLatin1String(window)));
            QCOMPARE(chooserState(), QStringLiteral("hidden"));
        }
    }

    void massWeightHidesTheChooserWhenItConverts() {
        frmMain* m = mainWindow();
        pressGeneral(m);
        menu(m, QStringLiteral("mnuMassWeight"));
        auto* f = Forms::get<frmMassToWeight>(QStringLiteral("frmMassToWeight"));
        f->cmdKToN->click();  // the empty box
        QCOMPARE(chooserState(), QStringLiteral("shown"));
        f->Text1->setText(QStringLiteral("x"));
        f->cmdKToN->click();
        QCOMPARE(chooserState(), QStringLiteral("hidden"));
        QCOMPARE(messages().shown.size(), 2);
        // Not loaded: the conversion loads it hidden.
        Forms::unload(Chooser);
        TestSupport::settle();
        f->Text1->setText(QStringLiteral("1"));
        f->cmdNToK->click();
        QCOMPARE(chooserState(), QStringLiteral("hidden"));
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
