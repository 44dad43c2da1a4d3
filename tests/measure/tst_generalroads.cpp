// How the measurement windows are reached and left: the chooser's buttons, the
// main window's menu, Cancel and Escape, the close box, F1, "?" and the manual.
#include <QAction>
#include <QFile>
#include <QRegularExpression>

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
        for (const char* c : {"window", "button", "item", "title", "fromChooser", "fromMenu", "cancel", "helpStart", "helpEnd"})
            QTest::addColumn<QString>(c);
        auto add = [](const char* w, const char* b, const char* i, const char* t, const char* fc, const char* fm,
                      const char* cancel, const char* start, const char* end) {
            QTest::newRow(w) << QString::fromLatin1(w) << QString::fromLatin1(b) << QString::fromLatin1(i)
                             << QString::fromLatin1(t) << QString::fromLatin1(fc) << QString::fromLatin1(fm)
                             << QString::fromLatin1(cancel) << QString::fromLatin1(start) << QString::fromLatin1(end);
        };
        add("frmDensity", "cmdDensity", "mnuDensity", "Density Calculations", "unloaded", "unloaded", "cmdCancel",
            "Density refers to the thickness", "the higher the density.");
        add("frmVolume", "cmdVolume", "mnuVolume", "Volume Calculation", "hidden", "shown", "cmdCancel",
            "Volume refers to", "problems,  utilize volume. ");
        add("frmTemperatures", "cmdTemperatures", "mnuTemperatureconversions", "Temperature Conversion", "hidden",
            "hidden", "cmdCancel", "You are familiar with", "in Celsius or Kelvin. ");
        add("frmTime", "cmdTime", "mnuTime", "Time Conversion", "hidden", "hidden", "cmdClose", "Once in a while",
            "want to convert to. ");
        add("frmMassToWeight", "cmdMass", "mnuMassWeight", "Mass / Weight Conversion", "hidden", "shown", "cmdCancel",
            "Mass and weight are often confused.", "kilograms to Newtoms. There  is another section for converting "
            "English measurements to metric measurements.  ");
        add("frmMetrics", "cmdMetrics", "mnuMetricconversions", "Metric Conversion", "unloaded", "unloaded",
            "cmdCancel", "All measurements in chemistry must be in metrics.", "by what multiple of 10. ");
        add("frmEnglish", "cmdEnglish", "mnuEnglishMetrics", "English - Metric Conversions", "hidden", "shown",
            "cmdCancel", "All measurements in chemistry must be in the metric system", "you can do so.");
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, fromChooser);
        QFETCH(QString, fromMenu);
        frmMain* m = mainWindow();
        // The chooser's button, F1 and "?", then Escape back to the chooser.
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
        QFETCH(QString, helpStart);
        QFETCH(QString, helpEnd);
        QVERIFY(messages().lastText().startsWith(helpStart));
        QVERIFY(messages().lastText().endsWith(helpEnd));
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
            Forms::show(QStringLiteral("frmSplash"));
            QVERIFY(Forms::isLoaded(QStringLiteral("frmSplash")));
            Forms::show(QLatin1String(window));
            TestSupport::settle();
            QVERIFY(!Forms::isLoaded(QStringLiteral("frmSplash")));
            // Already closed is no failure.
            TestSupport::unloadAll();
            QVERIFY(Forms::show(QLatin1String(window)));
            TestSupport::unloadAll();
        }
        QVERIFY(messages().shown.isEmpty());
    }

    // Every message the manual's checks quote is one the window shows.
    void manualChecksQuoteTheWindows() {
        const QList<QPair<const char*, const char*>> topics{
            {"Density.txt", "frmDensity"},         {"Volume.txt", "frmVolume"},
            {"Temperature Conversions.txt", "frmTemperatures"}, {"TimeConversions.txt", "frmTime"},
            {"MassWeight.txt", "frmMassToWeight"}, {"MetricConversion.txt", "frmMetrics"},
            {"EnglishMetrics.txt", "frmEnglish"}};
        static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
        for (const auto& [file, window] : topics) {
            QFile topic(Program::path(QString::fromUtf8(file)));
            QVERIFY2(topic.open(QIODevice::ReadOnly), file);
            const QString text = QString::fromUtf8(topic.readAll());
            const int start = text.indexOf(QStringLiteral("\n## Checks"));
            QVERIFY2(start >= 0, file);
            const int end = text.indexOf(QStringLiteral("\n## "), start + 1);
            const QString checks = text.mid(start, end < 0 ? -1 : end - start);
            const QStringList known = Forms::load(QLatin1String(window))->messageTexts();
            int count = 0;
            for (auto it = quoted.globalMatch(checks); it.hasNext(); ++count) {
                const QString message = it.next().captured(1);
                QVERIFY2(known.contains(message), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(file), message)));
            }
            QVERIFY2(count > 0, file);
            TestSupport::unloadAll();
        }
    }
};

QTEST_MAIN(TestGeneralRoads)
#include "tst_generalroads.moc"
