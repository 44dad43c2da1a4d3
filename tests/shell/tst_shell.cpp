// Start-up, the main window, the splash window and the about box, with
// stand-ins registered for the windows the main window opens.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "shell/StartUp.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

namespace {
class Stub : public Form {};

// Button -> (caption, window it shows), in tab order.
const QList<std::tuple<const char*, const char*, const char*>> Buttons = {
    {"cmdGeneral", "General", "frmGeneralChoice"},
    {"cmdPeriodic", "Tables", "frmTableChoice"},
    {"cmdMoles", "Moles", "frmMoleChoice"},
    {"cmdWeights", "Weights", "frmWeightChoice"},
    {"cmdEquations", "Reactions", "frmReactionChoice"},
    {"cmdGases", "Gases", "frmGasLaws"},
    {"cmdSolutions", "Solutions", "frmSolutions"},
    {"cmdAcids", "Acids", "frmAcids"},
    {"cmdCalculator", "Calculator", ""},
    {"cmdHelp", "Energy", "frmEnergy"},
    {"cmdConstants", "Physical Constants", "frmConstants"},
    {"cmdSpecificHeats", "Specific Heats", "frmSpecificHeats"},
    {"cmdSolubility", "Solubility Constants", "frmSolConstants"},
    {"cmdIonization", "Ionization Energy", "frmIonization"},
    {"cmdUserManual", "Help", ""},
    {"cmdGlossary", "Densities", "frmMiscellaneous"},
    {"cmdEnergies", "Thermodynamic Data", "frmThermodynamics"},
    {"cmdVaporPressure", "Water Vapor Pressure", "frmVaporPressure"},
    {"cmdReduction", "Reduction Potentials", "frmStandard"},
    {"cmdEnthalpies", "Enthalpies", "frmEnthalpies"},
    {"cmdElectronegativity", "Electronegativity", "frmelectronegativities"},
    {"cmdAtomicData", "Atomic Data", "frmAtomicData"},
};

const QList<std::pair<const char*, const char*>> MenuItems = {
    {"mnuSignificantfigures", "frmSigfig"}, {"mnuTemperatureconversions", "frmTemperatures"},
    {"mnuMetricconversions", "frmMetrics"}, {"mnuEnglishMetrics", "frmEnglish"}, {"mnuTime", "frmTime"},
    {"mnuDensity", "frmDensity"}, {"mnuVolume", "frmVolume"}, {"mnuMassWeight", "frmMassToWeight"},
    {"mnuRegularTable", "frmPeriodic"}, {"mnuAtomicRadii", "frmPTable2"}, {"mnuElectronegativity", "frmPTable3"},
    {"mnuAffinity", "frmPTable4"}, {"mnuIonization", "frmPTable5"}, {"mnuDensityTable", "frmPTable6"},
    {"mnuBoilingPointTable", "frmPTable7"}, {"mnuMoleCalculations", "fmrMoles"}, {"munAveAtMass", "frmAverageMass"},
    {"mnuMassEnergy", "frmMassEnergy"}, {"mnuBuildAnAtom", "frmBuildAtoms"}, {"mnuMoleculeWeight", "frmWeights"},
    {"mnuMolecularCalculations", "frmWeightCalculations"}, {"mnuBalancingEquations", "frmReactions"},
    {"mnuMassMassRelationships", "frmMass"}, {"mnuMolarityMolality", "frmMolarity"}, {"mnuHenrysLaw", "frmHenrys"},
    {"mnuFPBPChange", "frmFreezing"}, {"mnuSolubilityConstant", "frmSolubilityConstants"},
    {"mnuEquilibriumConstant", "frmEquilibriumConstant"}, {"mnuTitration", "frmTitration"},
    {"mnuIonizationconstant", "frmionizationConstant"}, {"mnuMoleFraction", "frmMoleFraction"},
    {"mnuCharlesLaw", "frmCharlesLaw"}, {"mnuBoyleslaw", "frmBoyles"}, {"mnuIdealgaslaw", "frmIdeal"},
    {"mnuMolecularWeight", "frmMolecularWeight"}, {"mnuGasdensity", "frmGasDensity"}, {"mnuDaltons", "frmDalton"},
    {"mnuCombined", "frmCombinedLaws"}, {"mnuMolarVolume", "frmMolarVolume"}, {"mnuMassVolume", "frmMassVolume"},
    {"mnuVolumeVolume", "frmVolumeVolume"}, {"mnuGayLussac", "frmGayLussac"}, {"mnuRaoults", "frmRaoults"},
    {"mnuGrahams", "frmGrahams"}, {"mnuAcids", "frmAcids"}, {"mnuEnergychange", "frmEnergyChange"},
    {"mnuThermodynamics", "frmThermoData"}, {"mnuFaradays", "frmFaradays"}, {"mnuChangeOfState", "frmChangeOfState"},
    {"mnuHalfLife", "frmHalfLife"}, {"mnuAbout", "frmAbout"}, {"mnuAssistance", "frmHelp"},
};

const QString DbMessage =
    QStringLiteral("Cannot locate the database. Please check to make sure it is installed in the correct location.");
}  // namespace

class TstShell : public QObject {
    Q_OBJECT
    frmMain* main() { return static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain"))); }
    FakeMessages& msgs() { return TestSupport::messages(); }

private slots:
    void initTestCase() {
        TestSupport::init();
        for (const auto& [b, c, target] : Buttons)
            if (*target) Forms::registerKind(QLatin1String(target), [] { return new Stub; });
        for (const auto& [m, target] : MenuItems)
            if (!Forms::isRegistered(QLatin1String(target)))
                Forms::registerKind(QLatin1String(target), [] { return new Stub; });
        Forms::registerKind(QStringLiteral("frmHelp"), [] { return new Stub; });
    }
    void cleanup() {
        TestSupport::unloadAll();
        msgs().clear();
        Program::setFolder(QString());
    }

    void startUpWithoutADatabaseStops_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << false << QString();
        QTest::newRow("empty") << QByteArray() << true << "the file is empty";
        QTest::newRow("corrupt") << QByteArray("Standard Jet DB\0\0garbage", 24).repeated(100) << true
                                 << "file is not a database";
    }
    void startUpWithoutADatabaseStops() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, present);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Program::setFolder(dir.path());
        const QString path = dir.filePath(QStringLiteral("VeriRezi.mdb"));
        if (present) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        ReferenceDatabase::closeForTests();
        QVERIFY(!StartUp());
        // The main window and splash came up first, then the one message.
        QVERIFY(Forms::isLoaded(QStringLiteral("frmMain")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmSplash")));
        QCOMPARE(msgs().shown.size(), 1);
        // Only a missing file is said to be missing; one that is there says why it cannot be read.
        QCOMPARE(msgs().shown.first().text,
                 present ? ReferenceDatabase::cannotOpenMessage(path, reason) : DbMessage);
        QCOMPARE(msgs().shown.first().title, QStringLiteral("Tessival"));
        QCOMPARE(msgs().shown.first().icon, Msg::Icon::None);
        QCOMPARE(msgs().shown.first().buttons, Msg::Buttons::Ok);
        QCOMPARE(QFile::exists(path), present);
        if (present) QCOMPARE(QFileInfo(path).size(), qint64(contents.size()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), present ? 1 : 0);
        Program::setFolder(QString());
        QVERIFY(ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName)));
    }

    void startUpOpensTheDatabaseOnce() {
        ReferenceDatabase::closeForTests();
        const int before = ReferenceDatabase::openCount();
        QVERIFY(StartUp());
        QVERIFY(msgs().shown.isEmpty());
        QCOMPARE(ReferenceDatabase::openCount(), before + 1);
        // Opening and closing windows never opens it again.
        for (int i = 0; i < 3; ++i) {
            main()->cmdGases->click();
            Forms::unload(QStringLiteral("frmGasLaws"));
        }
        QCOMPARE(ReferenceDatabase::openCount(), before + 1);
        QVERIFY(Forms::loaded(QStringLiteral("frmSplash"))->isVisible());
    }

    void mainWindowButtonsInTabOrder() {
        frmMain* m = main();
        QCOMPARE(m->windowTitle(), QStringLiteral("Orwent Software - Tessival"));
        QList<QPushButton*> all = m->findChildren<QPushButton*>();
        QCOMPARE(all.size(), 22);
        QWidget* w = m->cmdGeneral;
        for (const auto& [name, caption, target] : Buttons) {
            auto* b = m->findChild<QPushButton*>(QLatin1String(name));
            QVERIFY2(b, name);
            QCOMPARE(b->text(), QLatin1String(caption));
            QCOMPARE(w, static_cast<QWidget*>(b));
            w = w->nextInFocusChain();
        }
        QCOMPARE(m->cmdCalculator->toolTip(), QStringLiteral("Loads Windows calculator"));
        QVERIFY(m->minimumSize() == m->maximumSize());  // fixed border
    }

    void buttonsOpenTheirWindowsAndLeaveTheMainWindow() {
        frmMain* m = main();
        for (const auto& [name, caption, target] : Buttons) {
            if (!*target) continue;
            m->findChild<QPushButton*>(QLatin1String(name))->click();
            Form* f = Forms::loaded(QLatin1String(target));
            QVERIFY2(f && f->isVisible(), target);
            QVERIFY(m->isVisible() && m->isEnabled());
        }
        // Pressing a button again brings the same window, not a new one.
        Form* gases = Forms::loaded(QStringLiteral("frmGasLaws"));
        m->cmdGases->click();
        QCOMPARE(Forms::loaded(QStringLiteral("frmGasLaws")), gases);
    }

    void menusAndTheirItems() {
        frmMain* m = main();
        QStringList tops;
        for (QAction* a : m->menuBar->actions()) tops << a->text();
        QCOMPARE(tops, (QStringList{"&File", "&General", "&Table", "&Moles", "&Weights", "&Reactions", "&Solutions",
                                    "G&ases", "A&cids", "&Energy", "Calculator", "Help"}));
        QCOMPARE(m->menuItem(QStringLiteral("mnuExit"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(m->menuItem(QStringLiteral("mnuExit"))->text(), QStringLiteral("E&xit"));
        QCOMPARE(m->findChild<QMenu*>(QStringLiteral("mnuGases"))->actions().size(), 13);
        QCOMPARE(m->findChild<QMenu*>(QStringLiteral("mnuGeneral"))->actions().size(), 8);
        QCOMPARE(m->findChild<QMenu*>(QStringLiteral("mnuTable"))->actions().size(), 7);
        QCOMPARE(m->findChild<QMenu*>(QStringLiteral("mnuSolutions"))->actions().size(), 8);
        QCOMPARE(m->findChild<QMenu*>(QStringLiteral("mnuEnergy"))->actions().size(), 5);
        for (const auto& [item, target] : MenuItems) {
            QAction* a = m->menuItem(QLatin1String(item));
            QVERIFY2(a, item);
            a->trigger();
            Form* f = Forms::loaded(QLatin1String(target));
            QVERIFY2(f && f->isVisible(), target);
        }
    }

    void calculatorStartsTheDesktopCalculator() {
        frmMain* m = main();
        TestSupport::launcher().available = {QStringLiteral("galculator")};
        m->cmdCalculator->click();
        QCOMPARE(TestSupport::launcher().started, QStringList{QStringLiteral("galculator")});
        m->menuItem(QStringLiteral("mnuCalculatorChoice"))->trigger();
        QCOMPARE(TestSupport::launcher().started.size(), 2);
        QVERIFY(msgs().shown.isEmpty());
        // None on this machine: a message, and the program keeps running.
        TestSupport::launcher().available.clear();
        m->cmdCalculator->click();
        QCOMPARE(msgs().shown.size(), 1);
        QCOMPARE(msgs().shown.last().title, QStringLiteral("Tessival"));
        QCOMPARE(msgs().lastText(), QStringLiteral("The calculator program could not be started."));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Exclamation);
        QVERIFY(m->isVisible());
    }

    void helpButtonShowsOnlyItsMessage() {
        frmMain* m = main();
        m->cmdUserManual->click();
        QCOMPARE(msgs().shown.size(), 1);
        QCOMPARE(msgs().lastText(), QStringLiteral("For Help, read the User Manual\nor press the ? button.\nor press F1."));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(msgs().shown.last().title, QStringLiteral("Tessival"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
    }

    void f1WhereverTheFocusIsAndEscapeDoesNothing() {
        frmMain* m = main();
        QTest::keyClick(m->cmdAtomicData, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(Forms::loaded(QStringLiteral("frmHelp"))->isVisible());
        Forms::unload(QStringLiteral("frmHelp"));
        QTest::keyClick(m->cmdGeneral, Qt::Key_F1);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmHelp")));
        const int open = Forms::loadedForms().size();
        QTest::keyClick(m->cmdGases, Qt::Key_Escape);
        QCOMPARE(Forms::loadedForms().size(), open);
        // Enter acts on the focused button only.
        QTest::keyClick(m->cmdGases, Qt::Key_Return);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmGasLaws")));
    }

    void exitAndTheCloseBoxUnloadEverything() {
        frmMain* m = main();
        m->cmdGases->click();
        m->cmdConstants->click();
        m->menuItem(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(Forms::loadedForms().size(), 4);
        m->menuItem(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(Forms::loadedForms().isEmpty());
        QVERIFY(msgs().shown.isEmpty());
        m = main();
        m->cmdSolutions->click();
        m->close();
        QVERIFY(Forms::loadedForms().isEmpty());
    }

    void splashClosesOnCharactersAndClicks() {
        auto* s = static_cast<frmSplash*>(Forms::show(QStringLiteral("frmSplash")));
        QCOMPARE(s->lblCompanyProduct->text(), QStringLiteral("Tessival V1.5"));
        QCOMPARE(s->Label3->text(), QStringLiteral("Windows 95 / 98 Version"));
        QVERIFY(s->Label1->text().endsWith(QStringLiteral("For Vadududid")));
        QCOMPARE(s->Label1->text().count(QLatin1Char('\n')), 2);
        for (Qt::Key k : {Qt::Key_Left, Qt::Key_F5, Qt::Key_Shift}) {
            QTest::keyClick(s, k);
            QVERIFY(Forms::isLoaded(QStringLiteral("frmSplash")));
        }
        QTest::keyClick(s, Qt::Key_A);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSplash")));
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Backspace}) {
            s = static_cast<frmSplash*>(Forms::show(QStringLiteral("frmSplash")));
            QTest::keyClick(s, k);
            QVERIFY(!Forms::isLoaded(QStringLiteral("frmSplash")));
        }
        s = static_cast<frmSplash*>(Forms::show(QStringLiteral("frmSplash")));
        QTest::mouseClick(s->Label2, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSplash")));
    }

    void aboutBox() {
        auto* a = static_cast<frmAbout*>(Forms::show(QStringLiteral("frmAbout")));
        QCOMPARE(a->windowTitle(), QStringLiteral("Orwent Software"));
        QCOMPARE(a->lblTitle->text(), QStringLiteral("Tessival V1.5"));
        QCOMPARE(a->cmdSysInfo->text(), QStringLiteral("&System Info..."));
        TestSupport::launcher().available.clear();
        a->cmdSysInfo->click();
        QCOMPARE(msgs().lastText(), QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(msgs().shown.last().title, QStringLiteral("Tessival V1.5"));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::None);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmAbout")));
        TestSupport::launcher().available = {QStringLiteral("gnome-system-monitor")};
        a->cmdSysInfo->click();
        QCOMPARE(TestSupport::launcher().started.last(), QStringLiteral("gnome-system-monitor"));
        QTest::keyClick(a->cmdSysInfo, Qt::Key_Escape);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmAbout")));
        a = static_cast<frmAbout*>(Forms::show(QStringLiteral("frmAbout")));
        QTest::keyClick(a->cmdOK, Qt::Key_Return);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmAbout")));
    }
};

QTEST_MAIN(TstShell)
#include "tst_shell.moc"
