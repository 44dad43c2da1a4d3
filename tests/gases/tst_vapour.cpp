// The water vapour-pressure lookup and the three windows that use it:
// Dalton's law, the combined gas law and Raoult's law, driven as a student would.
#include <QCheckBox>
#include <QtTest>

#include "CalculatorCases.h"
#include "Roads.h"
#include "TestSupport.h"
#include "gases/WaterVapourLookup.h"
#include "gases/frmCombinedLaws.h"
#include "gases/frmDalton.h"
#include "refdata/ReferenceDatabase.h"

using TestSupport::messages;
using TestSupport::open;

namespace {
const QString Required = QStringLiteral("You must enter valid data into all required boxes.");
const QString NoDryGas =
    QStringLiteral("The total pressure must be larger than the water vapor pressure at this temperature.");
const QString NoOriginalGas =
    QStringLiteral("The original pressure must be larger than the water vapor pressure at this temperature.");
const QString Kelvin = QStringLiteral("The temperature in Kelvin must be larger than 0.");
const QString Positive = QStringLiteral("You must enter a positive number.");

QString noEntry(const QString& t) {
    return QStringLiteral("The water vapor pressure table has no entry for ") + t +
           QStringLiteral(" degrees Celsius. It lists whole degrees from 0 to 100.");
}

void fill(const QList<QLineEdit*>& boxes, const QStringList& texts) {
    for (int i = 0; i < boxes.size(); ++i) boxes.at(i)->setText(texts.value(i));
}

// A scratch reference database whose VaporPressure table is built by `vapour`.
QStringList scratch(const QStringList& vapour) {
    return QStringList{QStringLiteral("CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT)"),
                       QStringLiteral("INSERT INTO GeneralInfo VALUES (1, 'H')")} +
           vapour;
}
}  // namespace

class TestVapour : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // Temperatures are read as numbers: every whole degree 0 to 100, nothing between.
    void lookupKeys() {
        const QList<std::pair<const char*, double>> typed = {{"25", 3.17}, {"25.0", 3.17}, {"025", 3.17},
                                                            {"-0", 0.6112}, {"100", 101.4}, {"101", 0}, {"25.5", 0}};
        for (const auto& [t, kPa] : typed) {
            const std::optional<double> p = WaterVapourLookup::pressure(QLatin1String(t));
            QCOMPARE(p.value_or(0), kPa);
            QCOMPARE(p.has_value(), kPa != 0);
            QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
        }
    }

    // A table that cannot be read is a fault with a description, never a value.
    void lookupOverScratchTables_data() {
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QString>("fault");  // empty: 25 degrees gives `kPa`
        QTest::addColumn<double>("kPa");
        const QString table = "CREATE TABLE VaporPressure (Temperature REAL, Pressure REAL)";
        const QString rows = "INSERT INTO VaporPressure VALUES ";
        QTest::newRow("missing table") << QStringList{} << "no such table: VaporPressure" << 0.0;
        QTest::newRow("empty table") << QStringList{table} << "No current record." << 0.0;
        QTest::newRow("no pressure field") << QStringList{"CREATE TABLE VaporPressure (Temperature REAL, Kpa REAL)",
                                                          rows + "(25, 3.17)"}
                                           << "Item not found in this collection." << 0.0;
        QTest::newRow("null pressure found") << QStringList{table, rows + "(25, NULL)"} << "Invalid use of Null" << 0.0;
        // No vapour pressure is zero or below: such a value is a missing one.
        QTest::newRow("negative pressure found") << QStringList{table, rows + "(25, -3.17)"} << "Invalid use of Null" << 0.0;
        QTest::newRow("zero pressure found") << QStringList{table, rows + "(25, 0)"} << "Invalid use of Null" << 0.0;
        QTest::newRow("first of two rows, null temperature skipped")
            << QStringList{table, rows + "(NULL, 9.5), (25.0, 4.5), (25, 5.5)"} << "" << 4.5;
    }
    void lookupOverScratchTables() {
        QFETCH(QStringList, tables);
        QFETCH(QString, fault);
        QFETCH(double, kPa);
        QCOMPARE(WaterVapourLookup::pressure(QStringLiteral("25")), std::optional<double>(3.17));  // cached
        {
            TempDatabase db(scratch(tables));
            QVERIFY(db.opened);
            for (int twice = 0; twice < 2; ++twice) {
                try {
                    const std::optional<double> p = WaterVapourLookup::pressure(QStringLiteral("25"));
                    QVERIFY2(fault.isEmpty(), qPrintable(fault));
                    QCOMPARE(p, std::optional<double>(kPa));
                } catch (const DbError& e) {
                    QCOMPARE(e.description(), fault);
                }
                QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
            }
        }
        // The real table is read again once it is back.
        QCOMPARE(WaterVapourLookup::pressure(QStringLiteral("25")), std::optional<double>(3.17));
    }

    // Dry, the combined law never reads the table; over water it reports the table's fault.
    void combinedLawReadsTheTableOnlyOverWater() {
        auto* c = open<frmCombinedLaws>("frmCombinedLaws");
        fill(c->inputs, {"2", "100", "298", "50", "600"});
        TempDatabase db(scratch({}));
        c->cmdOk->click();
        QVERIFY(messages().shown.isEmpty());
        QCOMPARE(c->Text7->text(), QStringLiteral("8.05"));
        c->chk1->setChecked(true);
        c->cmdOk->click();
        TestSupport::expectOne(QStringLiteral("no such table: VaporPressure"), QStringLiteral("Tessival"),
                               Msg::Icon::None);
    }

    // Each row starts from the window's worked example (with the pressure
    // option or the water check when `mode` is set), which a refused row keeps:
    // the examples' answers are those of the refused rows.
    void calculations_data() {
        CalculatorCases::columns();
        QTest::addColumn<QString>("window");
        const QString tess = QStringLiteral("Tessival"), laws = QStringLiteral("Combined Laws");
        QString window, a, w, title = tess;
        bool mode = false;
        auto row = [&](const char* name, const QStringList& in, const QString& message = QString(),
                       const QString& answer = QString(), const QString& work = QString(), bool info = true) {
            CalculatorCases::row(qPrintable(window + ": " + name), mode ? 1 : 0, in, answer.isNull() ? a : answer,
                                 work.isNull() ? w : work,
                                 CalculatorCases::said(message, info ? Msg::Icon::Information : Msg::Icon::None), title)
                << window;
        };
        window = "frmDalton", a = "1.954", w = "2 x 98.961 / 101.3 ";
        row("final .5", {"20", "2", "101.3", ".5"}, "", "395.844", "2 x 98.961 / .5 ");
        for (const char* t : {"101", "25.5", "-5"}) row(t, {t, "2", "101.3", "101.3"}, noEntry(QLatin1String(t)));
        row("total below vapour", {"20", "2", "2", "101.3"}, NoDryGas);
        row("total equals vapour", {"20", "2", "2.339", "101.3"}, NoDryGas);
        for (int i = 0; i < 4; ++i) {
            QStringList in{"20", "2", "101.3", "101.3"};
            in[i].clear();
            row(qPrintable(QStringLiteral("box %1 empty").arg(i + 1)), in, Required, a, w, false);
        }
        row("final 0.0", {"20", "2", "101.3", "0.0"}, Required, a, w, false);
        row("volume 0", {"20", "0", "101.3", "101.3"}, Required, a, w, false);
        row("total pressure 0.0", {"20", "2", "0.0", "101.3"}, Required, a, w, false);
        row("total no number", {"20", "2", "1.2.3", "101.3"}, "Type mismatch", a, w, false);
        row("temperature no number", {"-", "2", "101.3", "101.3"}, "Type mismatch", a, w, false);
        // The dry gas at the digits the total holds: 3.2 - 3.17 is 0.03.
        row("dry pressure held to the total's digits", {"25", "2", "3.2", "1"}, "", "0.0600", "2 x 0.03 / 1 ");
        // Calculate pressure: Text2 is the total pressure, Text3 and Text5 are hidden.
        mode = true, a = "98.961", w = "101.3 - 2.339";
        row("hidden boxes neither block nor feed", {"25.0", "100", "0", "0"}, "", "96.830", "100 - 3.17");
        row("pressure, not listed", {"101", "101.3", "", ""}, noEntry("101"));
        row("pressure, total too low", {"20", "1", "", ""}, NoDryGas);
        row("pressure, temperature empty", {"", "101.3", "", ""}, Required, a, w, false);
        row("pressure, total empty", {"20", "", "", ""}, Required, a, w, false);
        row("pressure, total 0", {"20", "0", "", ""}, Required, a, w, false);

        window = "frmCombinedLaws", mode = false, a = "8.00", w = "2 * 100 / 50 * 600 / 300";
        row("V1 from its number, T1 as typed", {"02", "100", "0300", "50", "600"}, "", a, "2 * 100 / 50 * 600 / 0300");
        title = laws;
        for (int i = 0; i < 5; ++i) {
            QStringList in{"2", "100", "300", "50", "600"};
            in[i].clear();
            row(qPrintable(QStringLiteral("box %1 empty").arg(i + 1)), in, Required, a, w, false);
        }
        row("T1 0", {"2", "100", "0", "50", "600"}, Kelvin);
        row("T2 0.0", {"2", "100", "300", "50", "0.0"}, Kelvin);
        // No gas has a volume or pressure of 0 or less (a minus sign can be pasted).
        row("V1 0", {"0", "100", "300", "50", "600"}, Required, a, w, false);
        row("P1 negative", {"2", "-100", "300", "50", "600"}, Required, a, w, false);
        row("P2 0", {"2", "100", "300", "0", "600"}, Required, a, w, false);
        row("P2 0.0 after T1 0", {"2", "100", "0", "0.0", "600"}, Kelvin);
        title = tess;
        row("no number", {"2", "1.2.3", "300", "50", "600"}, "Type mismatch", a, w, false);
        mode = true, a = "7.80", w = "2 * 96.83 / 50 * 600 / 298";
        row("over water at 323.0 K", {"2", "100", "323.0", "50", "600"}, "", "6.51", "2 * 87.65 / 50 * 600 / 323.0");
        // Kelvin less 273.15, within 0.2 degrees of the table's whole degree.
        row("over water, 298.15 K is 25 C", {"2", "100", "298.15", "50", "600"}, "", "7.79",
            "2 * 96.83 / 50 * 600 / 298.15");
        row("over water, 298.2 K is 25 C", {"2", "100", "298.2", "50", "600"}, "", "7.79",
            "2 * 96.83 / 50 * 600 / 298.2");
        row("over water, 298.35 K is 25 C", {"2", "100", "298.35", "50", "600"}, "", "7.79",
            "2 * 96.83 / 50 * 600 / 298.35");
        row("over water, 298.5 K not listed", {"2", "100", "298.5", "50", "600"}, noEntry("25.35"));
        row("over water, 297.9 K not listed", {"2", "100", "297.9", "50", "600"}, noEntry("24.75"));
        // The Celsius temperature at the digits the kelvin one holds.
        row("over water, 273.5 K not listed", {"2", "100", "273.5", "50", "600"}, noEntry("0.35"));
        row("over water, 272.5 K not listed", {"2", "100", "272.5", "50", "600"}, noEntry("-0.65"));
        row("over water, 273.6 K not listed", {"2", "100", "273.6", "50", "600"}, noEntry("0.45"));
        row("over water, 372.6 K not listed", {"2", "100", "372.6", "50", "600"}, noEntry("99.45"));
        row("over water, dry pressure held to the total's digits", {"2", "3.2", "298", "50", "600"}, "", "0.00242",
            "2 * 0.03 / 50 * 600 / 298");
        title = laws;
        row("over water, pressure too low", {"2", "3", "298", "50", "600"}, NoOriginalGas);
        row("over water, T1 negative", {"2", "100", "-5", "50", "600"}, Kelvin);

        window = "frmRaoults", mode = false, a = "2.642", w = "3.17 * 5 / (1 + 5)", title = tess;
        // 5 g glucose in 100 g water at 20 C: 2.339 x 5.5556 / (0.027778 + 5.5556) = 2.3274 kPa.
        row("glucose by hand", {"20", "5", "180", "100", "18"}, "", "2.327",
            "2.339 * 5.555556 / (0.02777778 + 5.555556)");
        row("not listed", {"101", "10", "10", "90", "18"}, noEntry("101"));
        row("temperature empty", {"", "10", "10", "90", "18"}, "You must enter a temperature.");
        row("solute mass empty", {"25", "", "10", "90", "18"}, "You must enter a mass for solutes.");
        row("solute mass 0", {"25", "0", "", "", ""}, Positive);
        row("solute weight empty", {"25", "10", "", "90", "18"}, "You must enter the molecular weight of the solute.");
        row("solute weight 0.0", {"25", "10", "0.0", "90", "18"}, Positive);
        row("solvent mass empty", {"25", "10", "10", "", "18"}, "You must enter the mass of the solvent.");
        row("solvent mass negative", {"25", "10", "10", "-90", "18"}, Positive);
        row("solvent weight empty", {"25", "10", "10", "90", ""}, "You must enter the molecular weight of the solvent.");
        row("solvent weight 0", {"25", "10", "10", "90", "0"}, Positive);
        row("temperature no number", {"1.2.3", "10", "10", "90", "18"}, "Error in data entry.", a, w, false);
    }
    void calculations() {
        QFETCH(QString, window);
        static const QHash<QString, QList<QStringList>> examples = {
            {"frmDalton", {{"20", "2", "101.3", "101.3"}, {"20", "101.3", "", ""}}},
            {"frmCombinedLaws", {{"2", "100", "300", "50", "600"}, {"2", "100", "298", "50", "600"}}},
            {"frmRaoults", {{"25", "10", "10", "90", "18"}}}};
        const QByteArray name = window.toLatin1();
        CalculatorCases::run({.window = name.constData(),
                              .first = examples.value(window),
                              .press = CalculatorCases::Run::EnterInLastBox,
                              .choose = [](CalculatorForm* f, int mode) {  // the pressure option, the water check
                                  const char* box = f->objectName() == QLatin1String("frmDalton") ? "opt2" : "chk1";
                                  if (mode) f->findChild<QAbstractButton*>(box)->setChecked(true);
                              }});
    }

    // The pressure option asks for the total pressure in Text2 and hides Text3 and
    // Text5; Text2 holds another quantity under each option, so each empties it.
    void daltonOptions() {
        auto* f = open<frmDalton>("frmDalton");
        fill({f->Text1, f->Text2, f->Text3, f->Text5}, {"20", "2", "101.3", "101.3"});
        f->cmdOk->click();
        f->opt2->setChecked(true);
        QCOMPARE(QStringList({f->Label2->text(), f->Label3->text(), f->Label5->text(), f->Label6->text(),
                              f->Label7->text()}),
                 QStringList({"Enter the total gas pressure in kPa.", "", "", "The final pressure is ", "kPa"}));
        QCOMPARE(f->Text1->text(), QStringLiteral("20"));
        QVERIFY(f->Text2->text().isEmpty() && f->Text6->text().isEmpty() && f->Text7->text().isEmpty());
        QVERIFY(f->Text2->isVisible() && !f->Text3->isVisible() && !f->Text5->isVisible() && !f->Text5->isEnabled());
        f->Text2->setText(QStringLiteral("101.3"));
        f->opt1->setChecked(true);
        QVERIFY(f->Text2->text().isEmpty() && f->Text5->text().isEmpty());
        QCOMPARE(f->Text3->text(), QStringLiteral("101.3"));  // still the total pressure
        QVERIFY(f->Text3->isVisible() && f->Text5->isVisible() && f->Text5->isEnabled());
    }

    // The vapour pressure is water's, so the window asks for water as the
    // solvent, on screen, to a screen reader and in its help paragraph.
    void raoultsSolventIsWater() {
        auto* f = qobject_cast<CalculatorForm*>(Forms::show(QStringLiteral("frmRaoults")));
        const QStringList solvent{"Enter the mass in grams of the solvent (water).",
                                  "Enter the molecular weight of the solvent (water)."};
        QCOMPARE(QStringList({f->prompts.at(3)->text(), f->prompts.at(4)->text()}), solvent);
        QCOMPARE(QStringList({f->inputs.at(3)->accessibleName(), f->inputs.at(4)->accessibleName()}), solvent);
        f->cmdHelp->click();
        QCOMPARE(messages().shown.size(), 1);
        QVERIFY2(messages().lastText().contains(QStringLiteral("takes the solvent to be water")),
                 qPrintable(messages().lastText()));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
    }

    void combinedCheckBoxAndClear() {
        auto* f = open<frmCombinedLaws>("frmCombinedLaws");
        fill(f->inputs, {"2", "100", "298", "50", "600"});
        f->cmdOk->click();
        QVERIFY(!f->Text7->text().isEmpty());
        // Another correction: the answer no longer holds.
        QTest::keyClick(f->chk1, Qt::Key_Space);
        QVERIFY(f->chk1->isChecked() && f->Text7->text().isEmpty() && f->Text6->text().isEmpty());
        f->cmdOk->click();
        QCOMPARE(f->Text7->text(), QStringLiteral("7.80"));
        f->cmdClear->click();
        QVERIFY(!f->chk1->isChecked());
        for (QLineEdit* b : {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5, f->Text7, f->Text6})
            QVERIFY(b->text().isEmpty());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
    }

    // From the chooser and the Gases menu, left by Escape or Cancel. Enter in the
    // second box runs Ok while it is disabled; the first box enables it. Key
    // filters: "-" only in the temperature boxes; the combined law titles its own.
    void roads_data() {
        for (const char* c : {"window", "button", "item", "first", "title"}) QTest::addColumn<QString>(c);
        QTest::addColumn<QStringList>("minus");  // boxes that take "-"
        QTest::addColumn<QStringList>("plain");
        QTest::newRow("Dalton") << "frmDalton" << "cmdDaltons" << "mnuDaltons" << Required << "Tessival"
                                << QStringList{"Text1"} << QStringList{"Text2", "Text3", "Text5"};
        QTest::newRow("combined") << "frmCombinedLaws" << "cmdCombined" << "mnuCombined" << Required << "Combined Laws"
                                  << QStringList{"Text3", "Text5"} << QStringList{"Text1", "Text2", "Text4"};
        QTest::newRow("Raoult") << "frmRaoults" << "cmdRaoults" << "mnuRaoults" << "You must enter a temperature."
                                << "Tessival" << QStringList{"Text1"} << QStringList{"Text2", "Text3", "Text4", "Text5"};
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QString, first);
        QFETCH(QString, title);
        QFETCH(QStringList, minus);
        QFETCH(QStringList, plain);
        QCOMPARE(Roads::drive({window, "cmdGases", "frmGasLaws", button, item}),
                 "hidden shown shown shown unloaded shown");
        QCOMPARE(Roads::firstKeys(window, "Text2", "Text1"), "off|" + first + "|off|on");
        Form* f = Forms::show(window);
        for (const QString& name : minus + plain) {
            auto* box = f->findChild<QLineEdit*>(name);
            messages().clear();
            TestSupport::type(box, QStringLiteral("-1.5e"));
            QCOMPARE(box->text(), minus.contains(name) ? QStringLiteral("-1.5") : QStringLiteral("1.5"));
            QCOMPARE(messages().shown.size(), minus.contains(name) ? 1 : 2);
            QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid numerical expression"));
            QCOMPARE(messages().shown.last().title, title);
            QCOMPARE(messages().shown.last().icon, Msg::Icon::None);
        }
    }
};

QTEST_MAIN(TestVapour)
#include "tst_vapour.moc"
