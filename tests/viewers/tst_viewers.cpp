// The table viewers and the two data hubs, driven as a student would, over
// small tables written to a scratch database.
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/viewers/OptionHubForm.h"
#include "refdata/viewers/TableViewerForm.h"
#include "refdata/viewers/Viewers.h"

using namespace TestSupport;

namespace {

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

const QString ElementTable = QStringLiteral(
    "CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, ElementName TEXT, AtomicWeight REAL)");
const QString OneElement = QStringLiteral("INSERT INTO GeneralInfo VALUES (1, 'H', 'Hydrogen', 1.008)");

QStringList smallTables() {
    return {
        ElementTable, OneElement,
        "CREATE TABLE Constants (Constant TEXT, value REAL)",
        "INSERT INTO Constants VALUES ('Speed of light (m/s)', 299792458), ('Zero', NULL)"
        ", ('avogadro constant (1/mol)', 6.02214076e23), ('Molar gas constant in J per mol K', 8.314462618)",
        "CREATE TABLE SpecificHeats (Substance TEXT, SpecificHeat REAL)",
        "INSERT INTO SpecificHeats VALUES ('Water (liquid)', 4.184), ('Lead', 0.129)",
        "CREATE TABLE SolubilityConstants (Substance TEXT, Ksp REAL)",
        "INSERT INTO SolubilityConstants VALUES ('AgCl', 1.77e-10), ('Mg(OH)2', 5.61e-12)",
        "CREATE TABLE IonizationEnergy (Substance TEXT, FIE REAL, AtomicNumber INTEGER)",
        "INSERT INTO IonizationEnergy VALUES ('H', 1312.0, 1), ('Li', 520.2, 3), ('Fr', NULL, 87)",
        "CREATE TABLE ThermodynamicData (Substance TEXT, Hf REAL, Gf REAL, S REAL)",
        "INSERT INTO ThermodynamicData VALUES ('H2O(l)', -285.83, -237.13, 69.95)"
        ", ('CaCO3(s)', -1207.6, -1129.1, 91.7)",
        "CREATE TABLE VaporPressure (Temperature REAL, Pressure REAL)",
        "INSERT INTO VaporPressure VALUES (100, 101.4), (15, 1.706), (99, 97.85), (5.5, 0.9)",
        "CREATE TABLE StandardReductions (HalfReaction TEXT, Volts REAL)",
        "INSERT INTO StandardReductions VALUES ('Cu2+ + 2e- -> Cu', 0.34), ('2H+ + 2e- -> H2', 0)"
        ", ('Li+ + e- -> Li', -3.0401), ('Na+ + e- -> Na', -2.71), ('Au3+ + 3e- -> Au', 1.5)",
        "CREATE TABLE Enthalpies (Element TEXT, EofFusion REAL, EofVaporization REAL)",
        "INSERT INTO Enthalpies VALUES ('Hydrogen', 0.12, 0.9), ('Tungsten', 52.31, 806.7)",
        "CREATE TABLE Electronegativities (Element TEXT, Electronegativity REAL, AtomicNumber INTEGER)",
        "INSERT INTO Electronegativities VALUES ('Hydrogen', 2.2, 1), ('Helium', NULL, 2)",
        "CREATE TABLE AtomicRadii (Substance TEXT, AtomicRadii INTEGER, AtomicNumber INTEGER)",
        "INSERT INTO AtomicRadii VALUES ('Hydrogen', 37, 1), ('Cesium', 244, 55)",
        "CREATE TABLE Affinities (Element TEXT, Affinity REAL, AtomicNumber INTEGER)",
        "INSERT INTO Affinities VALUES ('Hydrogen', 72.8, 1), ('Nitrogen', -6.8, 7), ('Chlorine', 348.6, 17)"
        ", ('Cerium', NULL, 58)",
        "CREATE TABLE Bonds (Bond TEXT, Energy INTEGER, Length INTEGER)",
        "INSERT INTO Bonds VALUES ('H-H', 436, 74), ('C≡O', 1072, 113), ('N-N', 163, NULL)",
        "CREATE TABLE Character (Difference REAL, Ionic INTEGER, Covalent INTEGER)",
        "INSERT INTO Character VALUES (0.0, 0, 100), (0.4, 4, 96), (3.2, 92, 8)",
        "CREATE TABLE GasDensity (Gas TEXT, Density REAL)",
        "INSERT INTO GasDensity VALUES ('Hydrogen', 0.0899), ('Sulfur hexafluoride gas', 6.164)",
        "CREATE TABLE WaterDensity (Temperature INTEGER, Density REAL)",
        "INSERT INTO WaterDensity VALUES (0, 0.99984), (4, 1.0), (100, 0.95835), (25, NULL)",
        "CREATE TABLE HalfLives (Substance TEXT, HalfLife TEXT, DecayMode TEXT)",
        "INSERT INTO HalfLives VALUES ('U-238', '4.468E9 y', 'Alpha'), ('H-3', '12.32 y', 'Beta')"
        ", ('Technetium-99m', '6.01 h', 'Isomeric transition'), ('Pu-239', 24110, 'Alpha'), ('Co-60', NULL, 'Beta')",
    };
}

// Tables that are missing, empty, or lack a field.
QStringList brokenTables() {
    return {
        ElementTable, OneElement,
        "CREATE TABLE Constants (Constant TEXT, value REAL)",
        "CREATE TABLE Bonds (Bond TEXT)",
        "INSERT INTO Bonds VALUES ('H-H')",
    };
}

// Every viewer with the window its Cancel goes back to (none: nothing shows).
const QList<QPair<QString, QString>> Viewers = {
    {"frmConstants", "frmMain"}, {"frmSpecificHeats", ""}, {"frmSolConstants", ""}, {"frmIonization", ""},
    {"frmThermodynamics", ""}, {"frmVaporPressure", ""}, {"frmStandard", ""}, {"frmEnthalpies", "frmMain"},
    {"frmelectronegativities", "frmMain"}, {"frmRadii", "frmAtomicData"}, {"frmBonds", "frmAtomicData"},
    {"frmExtraData", "frmMiscellaneous"}, {"frmExtra2", "frmMiscellaneous"}, {"frmAffinities", "frmAtomicData"},
    {"frmCharacter", "frmAtomicData"}, {"frmHalfLives", "frmAtomicData"}};

TableViewerForm* showViewer(const QString& name) { return qobject_cast<TableViewerForm*>(Forms::show(name)); }

// Presses a key and lets the window close.
void pressAndSettle(QWidget* w, Qt::Key key) {
    press(w, key);
    settle();
}

// The window by that name, loaded and on screen, or nullptr.
Form* showing(const QString& name) {
    Form* f = Forms::loaded(name);
    return f && f->isVisible() ? f : nullptr;
}

}  // namespace

class tst_Viewers : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDatabase> m_small;

private slots:
    void initTestCase() {
        init();
        m_small = std::make_unique<TempDatabase>(smallTables());
        QVERIFY(m_small->opened);
    }
    void cleanupTestCase() {
        unloadAll();
        m_small.reset();  // back to the real database
    }
    void cleanup() { unloadAll(); }

    void viewerShows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("labelName");
        // The titles in order (where each stands: tst_screens); empty: see widenedCellsMoveTheirHeadings
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("lines");
        auto row = [](const char* w, const char* caption, const char* label, const QString& heading,
                      const QStringList& lines) {
            QTest::newRow(w) << QString(w) << QString(caption) << QString(label) << heading << lines;
        };
        // Sorted, ignoring case; a long name cut to its 25 characters; an empty value blank.
        row("frmConstants", "Common Physical Constants", "Label1", blanks(1) + "Constant" + blanks(69) + "Value",
            {"avogadro constant (1/mol)      6.022E+23        ", "Molar gas constant in J p      8.314E+00        ",
             "Speed of light (m/s)           2.998E+08        ", "Zero" + blanks(44)});
        row("frmSpecificHeats", "Specific Heat Values", "Label1", blanks(1) + "Substance" + blanks(31) + "J/g*C",
            {"Water (liquid)     4.184  ", "Lead               0.129  "});
        row("frmSolConstants", "Solubility Constants", "Label1", blanks(1) + "Substance" + blanks(19) + "Ksp",
            {"AgCl         1.77E-10    ", "Mg(OH)2      5.61E-12    "});
        row("frmIonization", "First Ionization Energy", "Label1",
            blanks(1) + "Substance" + blanks(33) + "Energy (kJ/mol)",
            {"H                 1,312.00    ", "Li                520.20      ", "Fr" + blanks(28)});
        row("frmThermodynamics", "Thermodynamic Data", "Label1",
            "Substance" + blanks(31) + "Hf" + blanks(30) + "Gf" + blanks(33) + "S",
            {"H2O(l)         -285.83       -237.13       69.95       ",
             "CaCO3(s)       -1,207.60     -1,129.10     91.70       "});
        // Numeric temperature order: 100 comes after 99.
        row("frmVaporPressure", "Vapor Pressure of Water", "Label1", "Temperature (C)" + blanks(9) + "Pressure kPa",
            {"5.5           0.90  ", "15            1.706 ", "99            97.85 ", "100           101.40"});
        // A zero potential reads 0.000 three blanks after the half-reaction.
        row("frmStandard", "Standard Reduction Potentials", "Label2",
            blanks(2) + "Half-Reactions" + blanks(109) + "Volts",
            {"Cu2+ + 2e- -> Cu" + blanks(29) + "    .34    ", "2H+ + 2e- -> H2" + blanks(30) + "   0.000",
             "Li+ + e- -> Li" + blanks(31) + "    -3.0401", "Na+ + e- -> Na" + blanks(31) + "    -2.71  ",
             "Au3+ + 3e- -> Au" + blanks(29) + "    1.5    "});
        row("frmEnthalpies", "Enthalpies", "Label1",
            blanks(2) + "Element" + blanks(10) + "Heat of Fusion (kJ/mol)" + blanks(5) + "Heat of Vaporization (kJ/mol)",
            {"Hydrogen        0.12               0.90        ", "Tungsten        52.31              806.70      "});
        row("frmelectronegativities", "Electronegativities", "Label1",
            blanks(1) + "Element" + blanks(15) + "Electronegativity",  // a scale without a unit
            {"Hydrogen          2.20        ", "Helium" + blanks(24)});
        // 244.00 needs six characters: the radius cell widens from five.
        row("frmRadii", "Atomic Radii", "Label1", blanks(1) + "Element" + blanks(27) + "Radius (pm)",
            {"Hydrogen       37.00 ", "Cesium         244.00"});
        // 1,072.00 and 113.00 show whole; the cells widen to 8 and 6.
        row("frmBonds", "Bond Length and Energy", "Label1", QString(),
            {"H-H        436.00          74.00 ", "C≡O        1,072.00        113.00",
             "N-N        163.00                "});
        row("frmExtraData", "Extra Data", "Label1", "Gas" + blanks(52) + "Density",
            {"Hydrogen              0.0899 ", "Sulfur hexafluoride   6.164  "});
        row("frmExtra2", "Water Density", "Label1", "Temperature" + blanks(20) + "Density",
            {"0             .99984  ", "4             1.      ", "100           .95835  ", "25" + blanks(20)});
        // A name cell of twelve keeps names whole although its picture has five zeros.
        row("frmAffinities", "Electron Affinities", "Label1", blanks(1) + "Element" + blanks(25) + "KiloJoules/Mole",
            {"Hydrogen         72.80 ", "Nitrogen         -6.80 ", "Chlorine         348.60", "Cerium" + blanks(17)});
        // 100.00 shows whole: the percent cells widen to 5 and 6.
        row("frmCharacter", "Bond Character", "Label1", QString(),
            {"0.00       0.00        100.00", "0.40       4.00        96.00 ", "3.20       92.00       8.00  "});
        row("frmHalfLives", "Half Lives", "Label1",
            blanks(2) + "Element" + blanks(26) + "Half Life" + blanks(28) + "Decay Mode",
            {"Co-60" + blanks(23) + "Beta        ", "H-3         12.32 y         Beta        ",
             "Pu-239      24,110.00       Alpha       ", "Technetium  6.01 h          Isomeric tra",
             "U-238       4.468E9 y       Alpha       "});
    }

    void viewerShows() {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, labelName);
        QFETCH(QString, heading);
        QFETCH(QStringList, lines);
        TableViewerForm* f = showViewer(window);
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->windowTitle(), caption);
        QCOMPARE(f->lines(), lines);
        auto* label = f->findChild<QLabel*>(labelName);
        QVERIFY(label);
        if (!heading.isEmpty()) QCOMPARE(label->text().simplified(), heading.simplified());
        QCOMPARE(child<QPushButton>(f, "cmdCancel")->text(), QStringLiteral("Cancel"));
        QCOMPARE(messages().shown.size(), 0);
        QCOMPARE(ReferenceDatabase::sharedSql(), "SELECT * FROM " + f->design().table);
        QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
    }

    void widenedCellsMoveTheirHeadings() {
        // Bonds: energy widens by five characters, so "Length(pm)" moves right
        // with its column (each title over its column: tst_screens).
        TableViewerForm* f = showViewer("frmBonds");
        QCOMPARE(f->widths(), (QList<int>{7, 8, 6}));
        QCOMPARE(f->Label1->text().simplified(), QStringLiteral("Bond KJ/Mole Length(pm)"));
        // Character: ionic widens by one.
        f = showViewer("frmCharacter");
        QCOMPARE(f->widths(), (QList<int>{4, 5, 6}));
        QCOMPARE(f->Label1->text().simplified(), QStringLiteral("Difference %Ionic % Covalent"));
    }

    void listOrderAndFont() {
        // The sorted lists keep their order when a line is added later.
        TableViewerForm* f = showViewer("frmConstants");
        QVERIFY(f->List1->isSortingEnabled());
        f->List1->addItem("Boltzmann");
        QCOMPARE(f->List1->item(1)->text(), QStringLiteral("Boltzmann"));
        f = showViewer("frmSpecificHeats");
        QVERIFY(!f->List1->isSortingEnabled());
        QCOMPARE(f->List1->item(0)->text().left(5), QStringLiteral("Water"));  // stored order
        // A fixed-pitch list wide enough for its lines.
        f = showViewer("frmStandard");
        QVERIFY(f->List1->font().fixedPitch() || QFontInfo(f->List1->font()).fixedPitch());
        const QFontMetricsF fm(f->List1->font());
        QCOMPARE(fm.horizontalAdvance("iiii"), fm.horizontalAdvance("WWWW"));
        QVERIFY(f->List1->viewport()->width() >= fm.horizontalAdvance(f->lines().first()));
    }

    void mainWindowButtonsOpenViewersOnce() {
        Form* main = Forms::show("frmMain");
        const QList<QPair<const char*, QString>> buttons = {
            {"cmdConstants", "frmConstants"},     {"cmdSpecificHeats", "frmSpecificHeats"},
            {"cmdSolubility", "frmSolConstants"}, {"cmdIonization", "frmIonization"},
            {"cmdEnergies", "frmThermodynamics"}, {"cmdVaporPressure", "frmVaporPressure"},
            {"cmdReduction", "frmStandard"},      {"cmdEnthalpies", "frmEnthalpies"},
            {"cmdElectronegativity", "frmelectronegativities"},
            {"cmdAtomicData", "frmAtomicData"},   {"cmdGlossary", "frmMiscellaneous"}};
        for (const auto& [button, window] : buttons) {
            child<QPushButton>(main, button)->click();
            QVERIFY2(showing(window), button);
        }
        // Pressing "Physical Constants" again reads nothing more.
        auto* constants = Forms::get<TableViewerForm>("frmConstants");
        const int n = constants->List1->count();
        child<QPushButton>(main, "cmdConstants")->click();
        QCOMPARE(Forms::get<TableViewerForm>("frmConstants"), constants);
        QCOMPARE(constants->List1->count(), n);
    }

    void cancelReturns_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("parent");
        for (const auto& [w, parent] : Viewers) QTest::newRow(qPrintable(w)) << w << parent;
    }

    void cancelReturns() {
        QFETCH(QString, window);
        QFETCH(QString, parent);
        Form* main = Forms::show("frmMain");
        main->hide();  // so showing it again can be seen
        showViewer(window)->cmdCancel->click();
        settle();
        QVERIFY(!Forms::isLoaded(window));
        if (parent.isEmpty()) {
            QVERIFY(!main->isVisible());
            QCOMPARE(Forms::loadedForms().size(), 1);
        } else {
            QVERIFY(showing(parent));
            if (auto* hub = qobject_cast<OptionHubForm*>(Forms::loaded(parent)))
                QCOMPARE(hub->selected(), hub->options.first());
        }
    }

    void keysInViewersAndHub() {
        Form* main = Forms::show("frmMain");
        pressAndSettle(showViewer("frmBonds")->List1, Qt::Key_Escape);
        QVERIFY(!Forms::isLoaded("frmBonds"));
        QVERIFY(showing("frmAtomicData"));
        // Enter does nothing in a viewer: it has no default button.
        pressAndSettle(showViewer("frmSpecificHeats")->List1, Qt::Key_Return);
        QVERIFY(Forms::isLoaded("frmSpecificHeats"));
        // Escape in the atomic data hub goes back to the main window alone.
        unloadAll();
        main = Forms::show("frmMain");
        main->hide();
        pressAndSettle(child<QRadioButton>(Forms::show("frmAtomicData"), "opt1"), Qt::Key_Escape);
        QVERIFY(!Forms::isLoaded("frmAtomicData"));
        QVERIFY(main->isVisible());
        QCOMPARE(Forms::loadedForms().size(), 1);
    }

    void atomicDataHub() {
        const QList<std::pair<QString, QString>> options = {{"Atomic Radii", "frmRadii"}, {"Bond Lengths", "frmBonds"},
            {"Electron Affinities", "frmAffinities"}, {"Bond Characters", "frmCharacter"}, {"Half Lives", "frmHalfLives"}};
        Forms::show("frmMain");
        for (int i = 0; i < options.size(); ++i) {
            Form* hub = Forms::show("frmAtomicData");
            QCOMPARE(hub->windowTitle(), QStringLiteral("Atomic Data"));
            QCOMPARE(child<QGroupBox>(hub, "Frame1")->title(), QStringLiteral("Select one of the following."));
            QVERIFY(child<QRadioButton>(hub, "opt1")->isChecked());
            auto* opt = child<QRadioButton>(hub, qPrintable(QStringLiteral("opt%1").arg(i + 1)));
            QCOMPARE(opt->text(), options[i].first);
            QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(4, opt->height() / 2));
            QVERIFY(opt->isChecked());
            // Enter runs Ok: the hub closes and the picked viewer opens.
            pressAndSettle(opt, Qt::Key_Return);
            QVERIFY(!Forms::isLoaded("frmAtomicData"));
            auto* v = qobject_cast<TableViewerForm*>(showing(options[i].second));
            QVERIFY2(v && v->List1->count() > 0, qPrintable(options[i].second));
            Forms::unload(options[i].second);
            settle();
        }
        QCOMPARE(messages().shown.size(), 0);
    }

    void miscellaneousHub() {
        child<QPushButton>(Forms::show("frmMain"), "cmdGlossary")->click();
        auto* hub = qobject_cast<frmMiscellaneous*>(showing("frmMiscellaneous"));
        QVERIFY(hub);
        QCOMPARE(hub->windowTitle(), QStringLiteral("Miscellaneous Data"));
        QCOMPARE(child<QGroupBox>(hub, "Frame1")->title(), QStringLiteral("Select one of the following"));
        QCOMPARE(hub->opt1->text(), QStringLiteral("Gas Density"));
        QCOMPARE(hub->opt2->text(), QStringLiteral("Water Density"));
        QVERIFY(hub->opt1->isChecked());
        QVERIFY(hub->opt2->x() > hub->opt1->x());  // side by side

        // Ok opens the gas densities.
        hub->cmdOK->click();
        settle();
        QVERIFY(!Forms::isLoaded("frmMiscellaneous"));
        QVERIFY(showing("frmExtraData"));
        Forms::unload("frmExtraData");
        hub = qobject_cast<frmMiscellaneous*>(Forms::show("frmMiscellaneous"));
        // Water density by Enter.
        hub->opt2->setChecked(true);
        pressAndSettle(hub->opt2, Qt::Key_Return);
        QVERIFY(showing("frmExtra2"));
        Forms::unload("frmExtra2");
        settle();

        // With nothing picked Ok explains and opens nothing.
        hub = qobject_cast<frmMiscellaneous*>(Forms::show("frmMiscellaneous"));
        hub->opt1->setAutoExclusive(false);
        hub->opt1->setChecked(false);
        hub->cmdOK->click();
        QCOMPARE(messages().shown.size(), 1);
        const Msg::Box box = messages().shown.takeFirst();
        QCOMPARE(box.text, QStringLiteral("You must select an option."));
        QCOMPARE(box.title, QStringLiteral("Miscellaneous"));
        QCOMPARE(box.icon, Msg::Icon::Information);
        QVERIFY(Forms::isLoaded("frmMiscellaneous"));
        QVERIFY(!Forms::isLoaded("frmExtraData"));
        // Escape closes the hub and nothing else opens.
        const int before = Forms::loadedForms().size();
        pressAndSettle(hub->opt2, Qt::Key_Escape);
        QVERIFY(!Forms::isLoaded("frmMiscellaneous"));
        QCOMPARE(Forms::loadedForms().size(), before - 1);
    }

    // The members a hub names its options by are the options the student
    // sees: picking one through its member and pressing Enter opens its viewer.
    void hubMembersAreTheOptionsShown() {
        using Member = QRadioButton* (*)(Form*);
        struct Case {
            const char* hub;
            const char* option;
            Member member;
            const char* viewer;
        };
        const Case cases[] = {
            {"frmAtomicData", "opt1", [](Form* f) { return qobject_cast<frmAtomicData*>(f)->opt1; }, "frmRadii"},
            {"frmAtomicData", "opt2", [](Form* f) { return qobject_cast<frmAtomicData*>(f)->opt2; }, "frmBonds"},
            {"frmAtomicData", "opt3", [](Form* f) { return qobject_cast<frmAtomicData*>(f)->opt3; }, "frmAffinities"},
            {"frmAtomicData", "opt4", [](Form* f) { return qobject_cast<frmAtomicData*>(f)->opt4; }, "frmCharacter"},
            {"frmAtomicData", "opt5", [](Form* f) { return qobject_cast<frmAtomicData*>(f)->opt5; }, "frmHalfLives"},
            {"frmMiscellaneous", "opt1", [](Form* f) { return qobject_cast<frmMiscellaneous*>(f)->opt1; }, "frmExtraData"},
            {"frmMiscellaneous", "opt2", [](Form* f) { return qobject_cast<frmMiscellaneous*>(f)->opt2; }, "frmExtra2"},
        };
        Forms::show("frmMain");
        for (const Case& c : cases) {
            Form* hub = Forms::show(c.hub);
            QRadioButton* opt = c.member(hub);
            QCOMPARE(opt, child<QRadioButton>(hub, c.option));
            QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(4, opt->height() / 2));
            pressAndSettle(opt, Qt::Key_Return);
            QVERIFY2(!Forms::isLoaded(c.hub), c.option);
            QVERIFY2(showing(c.viewer), c.viewer);
            Forms::unload(c.viewer);
            settle();
        }
        QCOMPARE(messages().shown.size(), 0);
    }

    // The reduction potentials name their heading Label2: the heading shown.
    void reductionHeadingMember() {
        auto* f = qobject_cast<frmStandard*>(showViewer("frmStandard"));
        QVERIFY(f);
        QCOMPARE(f->Label2, child<QLabel>(f, "Label2"));
        QCOMPARE(f->Label2->text().simplified(), QStringLiteral("Half-Reactions Volts"));
    }

    void unreadableTablesGiveEmptyLists() {
        auto broken = std::make_unique<TempDatabase>(brokenTables());
        QVERIFY(broken->opened);
        for (const auto& [w, back] : Viewers) {
            Q_UNUSED(back);
            TableViewerForm* f = showViewer(w);
            QVERIFY2(f && f->isVisible(), qPrintable(w));
            if (w == QLatin1String("frmBonds"))  // the missing fields leave blank cells of the cells' widths
                QCOMPARE(f->lines(), QStringList{"H-H" + blanks(22)});
            else
                QVERIFY2(f->List1->count() == 0, qPrintable(w));
            QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
        }
        QCOMPARE(messages().shown.size(), 0);
        unloadAll();
        broken.reset();
        ReferenceDatabase::closeForTests();
        QVERIFY(ReferenceDatabase::open(m_small->path));
        QCOMPARE(showViewer("frmBonds")->List1->count(), 3);
    }

    // A damaged file says so and lists nothing, never the rows before the damage.
    void damagedTableSaysSoAndListsNothing() {
        TempDatabase db({"CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT)",
                         "INSERT INTO GeneralInfo VALUES (1, 'H')"});
        QVERIFY(db.damage(QStringLiteral("Constants"), QStringLiteral("Constant")));
        TableViewerForm* f = showViewer("frmConstants");
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->List1->count(), 0);
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), QStringLiteral("database disk image is malformed"));
        QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        unloadAll();
        messages().clear();
    }
};

QTEST_MAIN(tst_Viewers)
#include "tst_viewers.moc"
