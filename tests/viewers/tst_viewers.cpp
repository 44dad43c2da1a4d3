// The table viewers and the two data hubs, driven as a student would, over
// small tables written to a scratch database.
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/viewers/OptionHubForm.h"
#include "refdata/viewers/TableViewerForm.h"

using TestSupport::child;

namespace {

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

// Writes a database file from SQL statements.
bool writeDatabase(const QString& path, const QStringList& statements) {
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& s : statements) {
            if (!q.exec(s)) {
                qWarning("%s: %s", qPrintable(s), qPrintable(q.lastError().text()));
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return ok;
}

const QString ElementTable = QStringLiteral(
    "CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, ElementName TEXT, AtomicWeight REAL)");
const QString OneElement = QStringLiteral("INSERT INTO GeneralInfo VALUES (1, 'H', 'Hydrogen', 1.008)");

QStringList smallTables() {
    return {
        ElementTable, OneElement,
        "CREATE TABLE Constants (Constant TEXT, value REAL)",
        "INSERT INTO Constants VALUES ('Speed of light (m/s)', 299792458)",
        "INSERT INTO Constants VALUES ('Zero', NULL)",
        "INSERT INTO Constants VALUES ('avogadro constant (1/mol)', 6.02214076e23)",
        "INSERT INTO Constants VALUES ('Molar gas constant in J per mol K', 8.314462618)",
        "CREATE TABLE SpecificHeats (Substance TEXT, SpecificHeat REAL)",
        "INSERT INTO SpecificHeats VALUES ('Water (liquid)', 4.184)",
        "INSERT INTO SpecificHeats VALUES ('Lead', 0.129)",
        "CREATE TABLE SolubilityConstants (Substance TEXT, Ksp REAL)",
        "INSERT INTO SolubilityConstants VALUES ('AgCl', 1.77e-10)",
        "INSERT INTO SolubilityConstants VALUES ('Mg(OH)2', 5.61e-12)",
        "CREATE TABLE IonizationEnergy (Substance TEXT, FIE REAL, AtomicNumber INTEGER)",
        "INSERT INTO IonizationEnergy VALUES ('H', 1312.0, 1)",
        "INSERT INTO IonizationEnergy VALUES ('Li', 520.2, 3)",
        "INSERT INTO IonizationEnergy VALUES ('Fr', NULL, 87)",
        "CREATE TABLE ThermodynamicData (Substance TEXT, Hf REAL, Gf REAL, S REAL)",
        "INSERT INTO ThermodynamicData VALUES ('H2O(l)', -285.83, -237.13, 69.95)",
        "INSERT INTO ThermodynamicData VALUES ('CaCO3(s)', -1207.6, -1129.1, 91.7)",
        "CREATE TABLE VaporPressure (Temperature REAL, Pressure REAL)",
        "INSERT INTO VaporPressure VALUES (100, 101.4)",
        "INSERT INTO VaporPressure VALUES (15, 1.706)",
        "INSERT INTO VaporPressure VALUES (99, 97.85)",
        "INSERT INTO VaporPressure VALUES (5.5, 0.9)",
        "CREATE TABLE StandardReductions (HalfReaction TEXT, Volts REAL)",
        "INSERT INTO StandardReductions VALUES ('Cu2+ + 2e- -> Cu', 0.34)",
        "INSERT INTO StandardReductions VALUES ('2H+ + 2e- -> H2', 0)",
        "INSERT INTO StandardReductions VALUES ('Li+ + e- -> Li', -3.0401)",
        "INSERT INTO StandardReductions VALUES ('Na+ + e- -> Na', -2.71)",
        "INSERT INTO StandardReductions VALUES ('Au3+ + 3e- -> Au', 1.5)",
        "CREATE TABLE Enthalpies (Element TEXT, EofFusion REAL, EofVaporization REAL)",
        "INSERT INTO Enthalpies VALUES ('Hydrogen', 0.12, 0.9)",
        "INSERT INTO Enthalpies VALUES ('Tungsten', 52.31, 806.7)",
        "CREATE TABLE Electronegativities (Element TEXT, Electronegativity REAL, AtomicNumber INTEGER)",
        "INSERT INTO Electronegativities VALUES ('Hydrogen', 2.2, 1)",
        "INSERT INTO Electronegativities VALUES ('Helium', NULL, 2)",
        "CREATE TABLE AtomicRadii (Substance TEXT, AtomicRadii INTEGER, AtomicNumber INTEGER)",
        "INSERT INTO AtomicRadii VALUES ('Hydrogen', 37, 1)",
        "INSERT INTO AtomicRadii VALUES ('Cesium', 244, 55)",
        "CREATE TABLE Affinities (Element TEXT, Affinity REAL, AtomicNumber INTEGER)",
        "INSERT INTO Affinities VALUES ('Hydrogen', 72.8, 1)",
        "INSERT INTO Affinities VALUES ('Nitrogen', -6.8, 7)",
        "INSERT INTO Affinities VALUES ('Chlorine', 348.6, 17)",
        "INSERT INTO Affinities VALUES ('Cerium', NULL, 58)",
        "CREATE TABLE Bonds (Bond TEXT, Energy INTEGER, Length INTEGER)",
        "INSERT INTO Bonds VALUES ('H-H', 436, 74)",
        "INSERT INTO Bonds VALUES ('C≡O', 1072, 113)",
        "INSERT INTO Bonds VALUES ('N-N', 163, NULL)",
        "CREATE TABLE Character (Difference REAL, Ionic INTEGER, Covalent INTEGER)",
        "INSERT INTO Character VALUES (0.0, 0, 100)",
        "INSERT INTO Character VALUES (0.4, 4, 96)",
        "INSERT INTO Character VALUES (3.2, 92, 8)",
        "CREATE TABLE GasDensity (Gas TEXT, Density REAL)",
        "INSERT INTO GasDensity VALUES ('Hydrogen', 0.0899)",
        "INSERT INTO GasDensity VALUES ('Sulfur hexafluoride gas', 6.164)",
        "CREATE TABLE WaterDensity (Temperature INTEGER, Density REAL)",
        "INSERT INTO WaterDensity VALUES (0, 0.99984)",
        "INSERT INTO WaterDensity VALUES (4, 1.0)",
        "INSERT INTO WaterDensity VALUES (100, 0.95835)",
        "INSERT INTO WaterDensity VALUES (25, NULL)",
        "CREATE TABLE HalfLives (Substance TEXT, HalfLife TEXT, DecayMode TEXT)",
        "INSERT INTO HalfLives VALUES ('U-238', '4.468E9 y', 'Alpha')",
        "INSERT INTO HalfLives VALUES ('H-3', '12.32 y', 'Beta')",
        "INSERT INTO HalfLives VALUES ('Technetium-99m', '6.01 h', 'Isomeric transition')",
        "INSERT INTO HalfLives VALUES ('Pu-239', 24110, 'Alpha')",
        "INSERT INTO HalfLives VALUES ('Co-60', NULL, 'Beta')",
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

const QStringList AllViewers = {
    "frmConstants", "frmSpecificHeats", "frmSolConstants", "frmIonization", "frmThermodynamics",
    "frmVaporPressure", "frmStandard", "frmEnthalpies", "frmelectronegativities", "frmRadii",
    "frmBonds", "frmExtraData", "frmExtra2", "frmAffinities", "frmCharacter", "frmHalfLives"};

}  // namespace

class tst_Viewers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { TestSupport::unloadAll(); }

    void viewerLines_data();
    void viewerLines();
    void captionsAndHeadings_data();
    void captionsAndHeadings();
    void widenedCellsMoveTheirHeadings();
    void sortedListsStaySorted();
    void listWideEnoughAndFixedPitch();
    void mainWindowButtonsOpenViewersOnce();
    void cancelReturns_data();
    void cancelReturns();
    void escapePressesCancel();
    void atomicDataHub_data();
    void atomicDataHub();
    void atomicDataHubReturns();
    void miscellaneousHub();
    void toolTips();
    void unreadableTablesGiveEmptyLists();

private:
    void useDatabase(const QString& path);
    QTemporaryDir m_dir;
    QString m_small, m_broken;
};

void tst_Viewers::initTestCase() {
    TestSupport::init();
    QVERIFY(m_dir.isValid());
    m_small = m_dir.filePath(QStringLiteral("small.mdb"));
    m_broken = m_dir.filePath(QStringLiteral("broken.mdb"));
    QVERIFY(writeDatabase(m_small, smallTables()));
    QVERIFY(writeDatabase(m_broken, brokenTables()));
    useDatabase(m_small);
}

void tst_Viewers::cleanupTestCase() {
    TestSupport::unloadAll();
    useDatabase(Program::path(ReferenceDatabase::FileName));
}

void tst_Viewers::useDatabase(const QString& path) {
    ReferenceDatabase::closeForTests();
    QString why;
    QVERIFY2(ReferenceDatabase::open(path, &why), qPrintable(why));
}

static TableViewerForm* showViewer(const QString& name) {
    return qobject_cast<TableViewerForm*>(Forms::show(name));
}

void tst_Viewers::viewerLines_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("lines");
    // Sorted, ignoring case; a long name cut to its 25 characters; an empty value blank.
    QTest::newRow("frmConstants") << "frmConstants"
        << QStringList{"avogadro constant (1/mol)      6.02E+23         ",
                       "Molar gas constant in J p      8.31E+00         ",
                       "Speed of light (m/s)           3.00E+08         ",
                       "Zero" + blanks(44)};
    QTest::newRow("frmSpecificHeats") << "frmSpecificHeats"
        << QStringList{"Water (liquid)     4.18   ", "Lead               0.13   "};
    QTest::newRow("frmSolConstants") << "frmSolConstants"
        << QStringList{"AgCl         1.77E-10    ", "Mg(OH)2      5.61E-12    "};
    QTest::newRow("frmIonization") << "frmIonization"
        << QStringList{"H                 1,312.00    ", "Li                520.20      ", "Fr" + blanks(28)};
    QTest::newRow("frmThermodynamics") << "frmThermodynamics"
        << QStringList{"H2O(l)         -285.83       -237.13       69.95       ",
                       "CaCO3(s)       -1,207.60     -1,129.10     91.70       "};
    // Numeric temperature order: 100 comes after 99.
    QTest::newRow("frmVaporPressure") << "frmVaporPressure"
        << QStringList{"5.5           0.90  ", "15            1.71  ", "99            97.85 ", "100           101.40"};
    // A zero potential reads 0.000 three blanks after the half-reaction.
    QTest::newRow("frmStandard") << "frmStandard"
        << QStringList{"Cu2+ + 2e- -> Cu" + blanks(29) + "    .34    ",
                       "2H+ + 2e- -> H2" + blanks(30) + "   0.000",
                       "Li+ + e- -> Li" + blanks(31) + "    -3.0401",
                       "Na+ + e- -> Na" + blanks(31) + "    -2.71  ",
                       "Au3+ + 3e- -> Au" + blanks(29) + "    1.5    "};
    QTest::newRow("frmEnthalpies") << "frmEnthalpies"
        << QStringList{"Hydrogen        0.12               0.90        ",
                       "Tungsten        52.31              806.70      "};
    QTest::newRow("frmelectronegativities") << "frmelectronegativities"
        << QStringList{"Hydrogen          2.20        ", "Helium" + blanks(24)};
    // 244.00 needs six characters: the radius cell widens from five.
    QTest::newRow("frmRadii") << "frmRadii"
        << QStringList{"Hydrogen       37.00 ", "Cesium         244.00"};
    // 1,072.00 and 113.00 show whole; the cells widen to 8 and 6.
    QTest::newRow("frmBonds") << "frmBonds"
        << QStringList{"H-H        436.00          74.00 ",
                       "C≡O        1,072.00        113.00",
                       "N-N        163.00                "};
    QTest::newRow("frmExtraData") << "frmExtraData"
        << QStringList{"Hydrogen              0.09   ", "Sulfur hexafluoride   6.16   "};
    QTest::newRow("frmExtra2") << "frmExtra2"
        << QStringList{"0             .99984  ", "4             1.      ", "100           .95835  ",
                       "25" + blanks(20)};
    // A name cell of twelve keeps names whole although its picture has five zeros.
    QTest::newRow("frmAffinities") << "frmAffinities"
        << QStringList{"Hydrogen         72.80 ", "Nitrogen         -6.80 ", "Chlorine         348.60",
                       "Cerium" + blanks(17)};
    // 100.00 shows whole: the percent cells widen to 5 and 6.
    QTest::newRow("frmCharacter") << "frmCharacter"
        << QStringList{"0.00       0.00        100.00", "0.40       4.00        96.00 ",
                       "3.20       92.00       8.00  "};
    QTest::newRow("frmHalfLives") << "frmHalfLives"
        << QStringList{"Co-60" + blanks(23) + "Beta        ",
                       "H-3         12.32 y         Beta        ",
                       "Pu-239      24,110.00       Alpha       ",
                       "Technetium  6.01 h          Isomeric tra",
                       "U-238       4.468E9 y       Alpha       "};
}

void tst_Viewers::viewerLines() {
    QFETCH(QString, window);
    QFETCH(QStringList, lines);
    TableViewerForm* f = showViewer(window);
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QCOMPARE(f->lines(), lines);
    QCOMPARE(TestSupport::messages().shown.size(), 0);
    QCOMPARE(ReferenceDatabase::sharedSql(), "SELECT * FROM " + f->shape().table);
    QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
}

void tst_Viewers::captionsAndHeadings_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("heading");
    auto row = [](const char* w, const char* caption, const char* label, QString heading) {
        QTest::newRow(w) << QString::fromLatin1(w) << QString::fromLatin1(caption) << QString::fromLatin1(label) << heading;
    };
    row("frmConstants", "Common Physical Constants", "Label1", blanks(1) + "Constant" + blanks(69) + "Value");
    row("frmSpecificHeats", "Specific Heat Values", "Label1", blanks(1) + "Substance" + blanks(31) + "J/g*C");
    row("frmSolConstants", "Solubility Constants", "Label1", blanks(1) + "Substance" + blanks(19) + "Solubility");
    row("frmIonization", "First Ionization Energy", "Label1", blanks(1) + "Substance" + blanks(33) + "Energy (kJ/mol)");
    row("frmThermodynamics", "Thermodynamic Data", "Label1",
        "Substance" + blanks(31) + "Hf" + blanks(30) + "Gf" + blanks(33) + "S");
    row("frmVaporPressure", "Vapor Pressure of Water", "Label1", "Temperature (C)" + blanks(9) + "Pressure kPa");
    row("frmStandard", "Standard Reduction Potentials", "Label2", blanks(2) + "Half-Reactions" + blanks(109) + "Volts");
    row("frmEnthalpies", "Enthalpies", "Label1",
        blanks(2) + "Element" + blanks(10) + "Heat of Fusion (kJ/mol)" + blanks(5) + "Heat of Vaporization (kJ/mol)");
    row("frmelectronegativities", "Electronegativities", "Label1",
        blanks(1) + "Element" + blanks(15) + "Electronegativity(kJ/mol)");
    row("frmRadii", "Atomic Radii", "Label1", blanks(1) + "Element" + blanks(27) + "Radius (pm)");
    row("frmExtraData", "Extra Data", "Label1", "Gas" + blanks(52) + "Density");
    row("frmExtra2", "Water Density", "Label1", "Temperature" + blanks(20) + "Density");
    row("frmAffinities", "Electron Affinities", "Label1", blanks(1) + "Element" + blanks(25) + "KiloJoules/Mole");
    row("frmHalfLives", "Half Lives", "Label1", blanks(2) + "Element" + blanks(26) + "Half Life" + blanks(28) + "Decay Mode");
}

void tst_Viewers::captionsAndHeadings() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, labelName);
    QFETCH(QString, heading);
    TableViewerForm* f = showViewer(window);
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), caption);
    auto* label = f->findChild<QLabel*>(labelName);
    QVERIFY(label);
    QCOMPARE(label->text(), heading);
    auto* cancel = child<QPushButton>(f, "cmdCancel");
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QVERIFY(f->findChild<QListWidget*>(QStringLiteral("List1")));
}

void tst_Viewers::widenedCellsMoveTheirHeadings() {
    // Bonds: energy widens by five characters, so "Length(pm)" moves right;
    // "KJ/Mole" stands over the energy cell, which did not move.
    TableViewerForm* f = showViewer(QStringLiteral("frmBonds"));
    QCOMPARE(f->windowTitle(), QStringLiteral("Bond Length and Energy"));
    QCOMPARE(f->widths(), (QList<int>{7, 8, 6}));
    const QString h = f->Label1->text();
    QVERIFY2(h.startsWith(blanks(2) + "Bond" + blanks(17) + "KJ/Mole" + blanks(13) + " "), qPrintable(h));
    QVERIFY(h.endsWith(QStringLiteral(" Length(pm)")));
    const QFontMetricsF list(f->List1->font()), head(f->Label1->font());
    auto titleX = [&](const QString& title) { return head.horizontalAdvance(h.left(h.indexOf(title))); };
    const qreal moved = titleX(QStringLiteral("Length(pm)")) -
                        head.horizontalAdvance(blanks(2) + "Bond" + blanks(17) + "KJ/Mole" + blanks(13));
    QVERIFY2(qAbs(moved - 5 * list.horizontalAdvance(QLatin1Char('0'))) <= head.horizontalAdvance(QLatin1Char(' ')),
             qPrintable(QString::number(moved)));

    // Character: ionic widens by one, so "% Covalent" moves; "%Ionic" stays.
    f = showViewer(QStringLiteral("frmCharacter"));
    QCOMPARE(f->widths(), (QList<int>{4, 5, 6}));
    QVERIFY(f->Label1->text().startsWith("Difference" + blanks(15) + "%Ionic" + blanks(14)));
    QVERIFY(f->Label1->text().endsWith(QStringLiteral(" % Covalent")));
    QVERIFY(f->Label1->text().size() > QString("Difference" + blanks(15) + "%Ionic" + blanks(14) + "% Covalent").size());
}

void tst_Viewers::sortedListsStaySorted() {
    // The sorted lists keep their order when a line is added later.
    TableViewerForm* f = showViewer(QStringLiteral("frmConstants"));
    QVERIFY(f->List1->isSortingEnabled());
    f->List1->addItem(QStringLiteral("Boltzmann"));
    QCOMPARE(f->List1->item(1)->text(), QStringLiteral("Boltzmann"));
    f = showViewer(QStringLiteral("frmSpecificHeats"));
    QVERIFY(!f->List1->isSortingEnabled());
    QCOMPARE(f->List1->item(0)->text().left(5), QStringLiteral("Water"));  // stored order
}

void tst_Viewers::listWideEnoughAndFixedPitch() {
    TableViewerForm* f = showViewer(QStringLiteral("frmStandard"));
    QVERIFY(f->List1->font().fixedPitch() || QFontInfo(f->List1->font()).fixedPitch());
    const QFontMetricsF fm(f->List1->font());
    QCOMPARE(fm.horizontalAdvance(QStringLiteral("iiii")), fm.horizontalAdvance(QStringLiteral("WWWW")));
    QVERIFY(f->List1->viewport()->width() >= fm.horizontalAdvance(f->lines().first()));
}

void tst_Viewers::mainWindowButtonsOpenViewersOnce() {
    Form* main = Forms::show(QStringLiteral("frmMain"));
    const QList<QPair<const char*, QString>> buttons = {
        {"cmdConstants", "frmConstants"},       {"cmdSpecificHeats", "frmSpecificHeats"},
        {"cmdSolubility", "frmSolConstants"},   {"cmdIonization", "frmIonization"},
        {"cmdEnergies", "frmThermodynamics"},   {"cmdVaporPressure", "frmVaporPressure"},
        {"cmdReduction", "frmStandard"},        {"cmdEnthalpies", "frmEnthalpies"},
        {"cmdElectronegativity", "frmelectronegativities"},
        {"cmdAtomicData", "frmAtomicData"},     {"cmdGlossary", "frmMiscellaneous"}};
    for (const auto& [button, window] : buttons) {
        child<QPushButton>(main, button)->click();
        Form* f = Forms::loaded(window);
        QVERIFY2(f && f->isVisible(), button);
    }
    // Pressing "Physical Constants" again reads nothing more.
    auto* constants = Forms::get<TableViewerForm>(QStringLiteral("frmConstants"));
    const int n = constants->List1->count();
    child<QPushButton>(main, "cmdConstants")->click();
    QCOMPARE(Forms::get<TableViewerForm>(QStringLiteral("frmConstants")), constants);
    QCOMPARE(constants->List1->count(), n);
}

void tst_Viewers::cancelReturns_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("parent");
    const QStringList toMain = {"frmConstants", "frmEnthalpies", "frmelectronegativities"};
    const QStringList toAtomic = {"frmRadii", "frmBonds", "frmAffinities", "frmCharacter", "frmHalfLives"};
    const QStringList toMisc = {"frmExtraData", "frmExtra2"};
    for (const QString& w : AllViewers) {
        QString parent = toMain.contains(w) ? "frmMain" : toAtomic.contains(w) ? "frmAtomicData"
                         : toMisc.contains(w) ? "frmMiscellaneous" : QString();
        QTest::newRow(qPrintable(w)) << w << parent;
    }
}

void tst_Viewers::cancelReturns() {
    QFETCH(QString, window);
    QFETCH(QString, parent);
    Form* main = Forms::show(QStringLiteral("frmMain"));
    main->hide();  // so showing it again can be seen
    TableViewerForm* f = showViewer(window);
    f->cmdCancel->click();
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(window));
    if (parent.isEmpty()) {
        QVERIFY(!main->isVisible());
        QCOMPARE(Forms::loadedForms().size(), 1);
    } else {
        Form* p = Forms::loaded(parent);
        QVERIFY(p && p->isVisible());
        if (auto* hub = qobject_cast<OptionHubForm*>(p)) QCOMPARE(hub->selected(), hub->options.first());
    }
}

void tst_Viewers::escapePressesCancel() {
    Forms::show(QStringLiteral("frmMain"));
    TableViewerForm* f = showViewer(QStringLiteral("frmBonds"));
    TestSupport::press(f->List1, Qt::Key_Escape);
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmBonds")));
    QVERIFY(Forms::loaded(QStringLiteral("frmAtomicData"))->isVisible());
    // Enter does nothing in a viewer: it has no default button.
    f = showViewer(QStringLiteral("frmSpecificHeats"));
    TestSupport::press(f->List1, Qt::Key_Return);
    TestSupport::settle();
    QVERIFY(Forms::isLoaded(QStringLiteral("frmSpecificHeats")));
}

void tst_Viewers::atomicDataHub_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("viewer");
    QTest::addColumn<QString>("viewerCaption");
    QTest::newRow("opt1") << 1 << "Atomic Radii" << "frmRadii" << "Atomic Radii";
    QTest::newRow("opt2") << 2 << "Bond Lengths" << "frmBonds" << "Bond Length and Energy";
    QTest::newRow("opt3") << 3 << "Electron Affinities" << "frmAffinities" << "Electron Affinities";
    QTest::newRow("opt4") << 4 << "Bond Characters" << "frmCharacter" << "Bond Character";
    QTest::newRow("opt5") << 5 << "Half Lives" << "frmHalfLives" << "Half Lives";
}

void tst_Viewers::atomicDataHub() {
    QFETCH(int, option);
    QFETCH(QString, caption);
    QFETCH(QString, viewer);
    QFETCH(QString, viewerCaption);
    Forms::show(QStringLiteral("frmMain"));
    Form* hub = Forms::show(QStringLiteral("frmAtomicData"));
    QCOMPARE(hub->windowTitle(), QStringLiteral("Atomic Data"));
    QCOMPARE(child<QGroupBox>(hub, "Frame1")->title(), QStringLiteral("Select one of the following."));
    auto* opt1 = child<QRadioButton>(hub, "opt1");
    QVERIFY(opt1->isChecked());
    auto* opt = child<QRadioButton>(hub, qPrintable(QStringLiteral("opt%1").arg(option)));
    QCOMPARE(opt->text(), caption);
    QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(4, opt->height() / 2));
    QVERIFY(opt->isChecked());
    // Enter runs Ok: the hub closes and the picked viewer opens.
    TestSupport::press(opt, Qt::Key_Return);
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmAtomicData")));
    Form* v = Forms::loaded(viewer);
    QVERIFY(v && v->isVisible());
    QCOMPARE(v->windowTitle(), viewerCaption);
    QVERIFY(qobject_cast<TableViewerForm*>(v)->List1->count() > 0);
    // Cancel brings the hub back, loaded afresh with the first option picked.
    child<QPushButton>(v, "cmdCancel")->click();
    TestSupport::settle();
    hub = Forms::loaded(QStringLiteral("frmAtomicData"));
    QVERIFY(hub && hub->isVisible());
    QVERIFY(child<QRadioButton>(hub, "opt1")->isChecked());
    QCOMPARE(TestSupport::messages().shown.size(), 0);
}

void tst_Viewers::atomicDataHubReturns() {
    Form* main = Forms::show(QStringLiteral("frmMain"));
    main->hide();
    Form* hub = Forms::show(QStringLiteral("frmAtomicData"));
    TestSupport::press(child<QRadioButton>(hub, "opt1"), Qt::Key_Escape);
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmAtomicData")));
    QVERIFY(main->isVisible());
    QCOMPARE(Forms::loadedForms().size(), 1);
}

void tst_Viewers::miscellaneousHub() {
    Form* main = Forms::show(QStringLiteral("frmMain"));
    child<QPushButton>(main, "cmdGlossary")->click();
    Form* hub = Forms::loaded(QStringLiteral("frmMiscellaneous"));
    QVERIFY(hub && hub->isVisible());
    QCOMPARE(hub->windowTitle(), QStringLiteral("Miscellaneous Data"));
    QCOMPARE(child<QGroupBox>(hub, "Frame1")->title(), QStringLiteral("Select one of the following"));
    auto* opt1 = child<QRadioButton>(hub, "opt1");
    auto* opt2 = child<QRadioButton>(hub, "opt2");
    QCOMPARE(opt1->text(), QStringLiteral("Gas Density"));
    QCOMPARE(opt2->text(), QStringLiteral("Water Density"));
    QVERIFY(opt1->isChecked());
    QVERIFY(opt2->x() > opt1->x());  // side by side

    // Ok opens the gas densities; Cancel there comes back to the hub.
    child<QPushButton>(hub, "cmdOK")->click();
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmMiscellaneous")));
    Form* gas = Forms::loaded(QStringLiteral("frmExtraData"));
    QVERIFY(gas && gas->isVisible());
    child<QPushButton>(gas, "cmdCancel")->click();
    TestSupport::settle();
    hub = Forms::loaded(QStringLiteral("frmMiscellaneous"));
    QVERIFY(hub && hub->isVisible());

    // Water density by Enter.
    opt2 = child<QRadioButton>(hub, "opt2");
    opt2->setChecked(true);
    TestSupport::press(opt2, Qt::Key_Return);
    TestSupport::settle();
    QVERIFY(Forms::loaded(QStringLiteral("frmExtra2"))->isVisible());
    Forms::unload(QStringLiteral("frmExtra2"));
    TestSupport::settle();

    // With nothing picked Ok explains and opens nothing.
    auto* misc = qobject_cast<frmMiscellaneous*>(Forms::show(QStringLiteral("frmMiscellaneous")));
    misc->opt1->setAutoExclusive(false);
    misc->opt1->setChecked(false);
    misc->cmdOK->click();
    QCOMPARE(TestSupport::messages().shown.size(), 1);
    const Msg::Box box = TestSupport::messages().shown.takeFirst();
    QCOMPARE(box.text, QStringLiteral("You must select an option."));
    QCOMPARE(box.title, QStringLiteral("Miscellaneous"));
    QCOMPARE(box.icon, Msg::Icon::Information);
    QVERIFY(Forms::isLoaded(QStringLiteral("frmMiscellaneous")));
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmExtraData")));

    // Escape closes the hub and nothing else opens.
    const int before = Forms::loadedForms().size();
    TestSupport::press(misc->opt2, Qt::Key_Escape);
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmMiscellaneous")));
    QCOMPARE(Forms::loadedForms().size(), before - 1);
}

void tst_Viewers::toolTips() {
    TableViewerForm* f = showViewer(QStringLiteral("frmBonds"));
    QCOMPARE(f->cmdCancel->toolTip(), QStringLiteral("Close the screen and return to the Atomic Data screen."));
    QCOMPARE(f->List1->toolTip(), QStringLiteral("Find the energy and bond length for the type of bond you chose."));
    f = showViewer(QStringLiteral("frmAffinities"));
    QCOMPARE(f->cmdCancel->toolTip(), QStringLiteral("Close screen and return to the main screen."));
    QCOMPARE(f->List1->toolTip(), QStringLiteral("Look up the affinity for the element you chose."));
    f = showViewer(QStringLiteral("frmCharacter"));
    QCOMPARE(f->List1->toolTip(),
             QStringLiteral("Shows the difference in electronegativities and the precent of each type of bond."));
    f = showViewer(QStringLiteral("frmRadii"));
    QVERIFY(f->cmdCancel->toolTip().isEmpty());
    Form* hub = Forms::show(QStringLiteral("frmAtomicData"));
    QCOMPARE(child<QGroupBox>(hub, "Frame1")->toolTip(), QStringLiteral("Select an option and press Ok."));
    QCOMPARE(child<QPushButton>(hub, "cmdOK")->toolTip(), QStringLiteral("Press to go to the selected option screen."));
    QCOMPARE(child<QPushButton>(hub, "cmdCancel")->toolTip(), QStringLiteral("Close screen and return the main screen."));
}

void tst_Viewers::unreadableTablesGiveEmptyLists() {
    useDatabase(m_broken);
    for (const QString& w : AllViewers) {
        TableViewerForm* f = showViewer(w);
        QVERIFY2(f && f->isVisible(), qPrintable(w));
        if (w == QLatin1String("frmBonds")) {
            // The missing fields leave blank cells of the cells' widths.
            QCOMPARE(f->lines(), QStringList{"H-H" + blanks(22)});
        } else {
            QVERIFY2(f->List1->count() == 0, qPrintable(w));
        }
        QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
    }
    QCOMPARE(TestSupport::messages().shown.size(), 0);
    TestSupport::unloadAll();
    useDatabase(m_small);
    QCOMPARE(showViewer(QStringLiteral("frmBonds"))->List1->count(), 3);
}

QTEST_MAIN(tst_Viewers)
#include "tst_viewers.moc"
