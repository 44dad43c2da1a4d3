// Enthalpy, entropy and Gibbs free energy; Faraday's law; change of state; half-life.
#include <QtTest>

#include "CalculatorCases.h"
#include "Roads.h"
#include "TestSupport.h"
#include "solutions/frmChangeOfState.h"
#include "solutions/frmFaradays.h"
#include "solutions/frmHalfLife.h"
#include "solutions/frmThermoData.h"

using TestSupport::messages;

namespace {
const QString Info = QStringLiteral("i"), Plain = QStringLiteral("p");

// Rows: option, the input boxes' texts, answer, work line, message ("" none) and its icon.
using CalculatorCases::columns;
void row(const char* name, int option, const QStringList& typed, const QString& answer, const QString& work,
         const QString& message = QString(), const QString& icon = Info) {
    CalculatorCases::row(name, option, typed, answer, work,
                         CalculatorCases::said(message, icon == Info ? Msg::Icon::Information : Msg::Icon::None));
}

// A first answer from the option's texts, then the row's texts (hidden boxes
// too) and Enter in the first box.
void runRow(const char* window, const QList<QStringList>& first) {
    CalculatorCases::run({.window = window, .first = first});
}

QString huge() { return QStringLiteral("1") + QString(309, QLatin1Char('0')); }

}  // namespace

class TestEnergyWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void thermo_data() {
        columns();
        const QString all = QStringLiteral("You must enter a valid value all boxes.");
        const QString inAll = QStringLiteral("You must enter a valid value in all boxes.");
        const QString coefficient = QStringLiteral("You must enter an integer coefficient of one or greater.");
        row("evaporation, no float residue", 0, {"-285.8", "-241.8", "1", "1"}, "44", "(-241.8 * 1) - (1 * -285.8)");
        row("half coefficient", 0, {"100", "50", ".5", "1"}, "0", "(50 * 1) - (.5 * 100)");
        // H2 + 1/2 O2 -> H2O(l), CODATA Key Values for Thermodynamics (Cox, Wagman, Medvedev 1989):
        // S(H2O,l) 69.95, S(H2) 130.680, S(O2) 205.152 J/(mol K); dfH(H2O,l) -285.830 kJ/mol.
        // dS = 69.95 - 233.256 = -163.306 J/K; dG = -285.830 + 298.15 * 0.163306 = -237.140 kJ (dfG -237.14).
        row("entropy of water", 1, {"69.95", "233.256", "0", "0"}, "-163.306", "(69.95) - (233.256)");
        row("gibbs of water", 2, {"-285.830", "298.15", "-163.306", "0"}, "-237.1403",
            "-285.830 - (298.15 * -163.306 / 1000)");
        row("no entropy change", 2, {"-100", "300", "0", ""}, "-100", "-100 - (300 * 0 / 1000)");
        const QString k = QStringLiteral("-50"), w = QStringLiteral("(50 * 3) - (2 * 100)");
        row("reactant empty", 0, {"", "50", "2", "3"}, k, w, all);
        // An element in its standard state: a formation enthalpy (or free energy) of 0.
        row("reactant 0.0", 0, {"0.0", "50", "2", "3"}, "150", "(50 * 3) - (2 * 0.0)");
        row("product 0", 0, {"100", "00", "2", "3"}, "-200", "(00 * 3) - (2 * 100)");
        row("2 H2 + O2 -> 2 H2O", 0, {"0", "-285.8", "1", "2"}, "-571.6", "(-285.8 * 2) - (1 * 0)");
        row("gibbs of no enthalpy change", 2, {"0", "298.15", "10"}, "-2.9815", "0 - (298.15 * 10 / 1000)");
        row("product empty", 0, {"100", "", "2", "3"}, k, w, inAll);
        row("ratio empty", 0, {"100", "50", "2", ""}, k, w, QStringLiteral("You must enter a valid value in the ratio boxes."));
        row("reactant coefficient 0", 0, {"100", "50", "0", "3"}, k, w, coefficient);
        row("negative coefficient", 0, {"100", "50", "-1", "3"}, k, w, coefficient);
        row("lone minus", 0, {"-", "50", "2", "3"}, k, w, "Data entry error.", Plain);
        row("beyond double", 0, {huge(), "50", "1", "1"}, k, w, "Data entry error.", Plain);
        const QString kg = QStringLiteral("-237.1403"), wg = QStringLiteral("-285.830 - (298.15 * -163.306 / 1000)");
        row("kelvin negative", 2, {"-285.830", "-5", "-163.306", "0"}, kg, wg,
            QStringLiteral("The temperature in Kelvin must be larger than 0."));
        row("kelvin 0", 2, {"-285.830", "0", "-163.306", "0"}, kg, wg,
            QStringLiteral("The temperature in Kelvin must be larger than 0."));
        row("entropy box empty", 2, {"-285.830", "298.15", "", "0"}, kg, wg,
            QStringLiteral("You must enter a valid value in the entropy box."));
    }
    void thermo() {
        runRow("frmThermoData", {{"100", "50", "2", "3"}, {"69.95", "233.256"},
                                                {"-285.830", "298.15", "-163.306"}});
    }

    void faraday_data() {
        columns();
        const QString g = QStringLiteral("31.750"), wg = QStringLiteral("96500 / 96500 / 2 * 63.5");
        for (const char* minutes : {"", "5", "x"})  // the charge is already the whole charge
            row(qPrintable(QStringLiteral("grams, minutes '%1'").arg(QLatin1String(minutes))), 0,
                {"96500", "63.5", "2", minutes}, g, wg);
        row("moles", 1, {"10", "30", "1", "1"}, "0.187", "10 * 30 * 60 / 96500 / 1");
        row("liters", 2, {"10", "30", "2", "1"}, "2.089", "10 * 30 * 60 / 96500 / 2 * 22.4");
        const QString all = QStringLiteral("You must enter valid data in all boxes."), missing = QStringLiteral("Missing data.");
        row("amps empty", 1, {"", "30", "1"}, "0.187", "10 * 30 * 60 / 96500 / 1", all);
        row("no electrons", 0, {"96500", "63.5", "0"}, g, wg, missing, Plain);
        row("no electrons, liters", 2, {"10", "30", "0"}, "4.178", "10 * 30 * 60 / 96500 / 1 * 22.4", missing, Plain);
        row("lone point", 0, {".", "63.5", "2"}, g, wg, missing, Plain);
    }
    void faraday() {
        runRow("frmFaradays", {{"96500", "63.5", "2"}, {"10", "30", "1"}, {"10", "30", "1"}});
    }

    void changeOfState_data() {
        columns();
        row("boiling water", 1, {"36", "40.65", "18.015"}, "81.232", "36 / 18.015 * 40.65");
        row("half a gram", 0, {".5", "6.01", "18.015"}, "0.167", ".5 / 18.015 * 6.01");
        row("small heat", 1, {"18.015", "0.8", "18.015"}, "0.800", "18.015 / 18.015 * 0.8");
        const QString k = QStringLiteral("12.010"), w = QStringLiteral("36 / 18.015 * 6.01");
        const QString positive = QStringLiteral("You need to enter positive data in all boxes.");
        row("mass empty", 0, {"", "6.01", "18.015"}, k, w, QStringLiteral("You need to enter valid data in all boxes."));
        row("mass 0", 0, {"0", "6.01", "18.015"}, k, w, positive);
        row("heat 0.0", 0, {"36", "0.0", "18.015"}, k, w, positive);
        row("lone point", 0, {"36", ".", "18.015"}, k, w, "Data entry error", Plain);
    }
    void changeOfState() {
        runRow("frmChangeOfState", {{"36", "6.01", "18.015"}, {"36", "40.65", "18.015"}});
    }

    void halfLife_data() {
        columns();
        // t = half-life * log2(initial / final), not rounded to whole half-lives.
        row("carbon-14", 0, {"5730", "100", "25"}, "11460", "5730 * log2(100 / 25)");
        row("carbon-14 to 30 %", 0, {"5730", "100", "30"}, "9952.81285457236", "5730 * log2(100 / 30)");
        row("iodine-131 to 70 %", 0, {"8.02", "100", "70"}, "4.12687684609466", "8.02 * log2(100 / 70)");
        row("ratio 3", 0, {"10", "100", "30"}, "17.3696559416621", "10 * log2(100 / 30)");
        row("ratio 2.5", 0, {"10", "5", "2"}, "13.2192809488736", "10 * log2(5 / 2)");
        row("beyond 16 bits", 0, {"5730", "1E+20", "1E+15"}, "95173.2399185229", "5730 * log2(1E+20 / 1E+15)");
        row("quantity", 1, {"5730", "100", "11460"}, "25", "100 * (1/2) ^ (11460 / 5730)");
        row("quantity of atoms", 1, {"10", "1E+20", "5"}, "7.07106781186548E+19", "1E+20 * (1/2) ^ (5 / 10)");
        const QString k = QStringLiteral("20"), w = QStringLiteral("10 * log2(100 / 25)");
        const QString all = QStringLiteral("You must enter valid data in all boxes.");
        row("half-life empty", 0, {"", "100", "25"}, k, w, all);
        row("half-life 0.0", 0, {"0.0", "100", "25"}, k, w, all);
        row("final negative", 0, {"10", "100", "-25"}, k, w, all);
        row("time 0", 1, {"10", "100", "0"}, "25", "100 * (1/2) ^ (20 / 10)", all);
        const QString smaller = QStringLiteral("The final quantity must be smaller than the initial quantity.");
        row("final twice initial", 0, {"10", "100", "200"}, k, w, smaller);
        row("final above initial", 0, {"10", "100", "150"}, k, w, smaller);
        row("final equals initial", 0, {"10", "100", "100.0"}, k, w, smaller);
        row("lone E", 0, {"10", "E", "25"}, k, w, "Data Entry Error.", Plain);
    }
    void halfLife() {
        runRow("frmHalfLife", {{"10", "100", "25"}, {"10", "100", "20"}});
    }

    // What each window's own option and Clear handlers do to its boxes and captions.
    void thermoOptions() {
        auto* f = Forms::showAs<frmThermoData>(QStringLiteral("frmThermoData"));
        for (auto [box, text] : {std::pair{f->Text1, "100"}, {f->Text2, "50"}, {f->Text3, "2"}, {f->Text5, "3"}})
            box->setText(text);
        f->cmdOk->click();
        f->opt2->setChecked(true);  // the hidden coefficients keep their texts
        QVERIFY(!f->Text3->isVisible() && !f->Text5->isVisible() && f->Text5->text() == QLatin1String("3"));
        QVERIFY(f->Text4->text().isEmpty() && f->Text6->text().isEmpty());
        QCOMPARE(f->Label6->text(), QStringLiteral("J/K"));
        f->opt3->setChecked(true);
        QCOMPARE(f->Label6->text(), QStringLiteral("kJ"));
        f->opt1->setChecked(true);  // Enthalpy empties the coefficients, not the enthalpies
        QVERIFY(f->Text3->text().isEmpty() && f->Text5->isVisible() && f->Text1->text() == QLatin1String("100"));
        f->cmdClear->click();
        QCOMPARE(f->Label2->text() + f->Label5->text(), QStringLiteral("Enter the enthalpy value for the product kJ. To "));
        TestSupport::type(f->Text5, QStringLiteral("2.-"));  // digits only, refused under the title ThermoData
        QCOMPARE(f->Text5->text(), QStringLiteral("2"));
        QCOMPARE(messages().shown.size(), 2);
        QCOMPARE(messages().shown.last().title, QStringLiteral("ThermoData"));
    }

    void faradayOptions() {
        auto* f = Forms::showAs<frmFaradays>(QStringLiteral("frmFaradays"));
        f->cmdClear->click();
        QCOMPARE(f->Text5->text() + f->Label5->text(), QStringLiteral("1Enter the number of minutes."));
        TestSupport::type(f->Text1, QStringLiteral("10"));
        f->opt3->setChecked(true);
        QVERIFY(!f->Text5->isVisible() && f->Text1->text().isEmpty());
        f->cmdClear->click();
        QCOMPARE(f->Label4->text(), QStringLiteral("liters"));
        f->opt1->setChecked(true);
        QVERIFY(f->Text5->isVisible() && f->Text5->text().isEmpty());
    }

    void changeOfStateClear() {
        auto* f = Forms::showAs<frmChangeOfState>(QStringLiteral("frmChangeOfState"));
        TestSupport::type(f->Text1, QStringLiteral("36"));
        f->opt2->setChecked(true);  // neither option empties a box
        QCOMPARE(f->Text1->text(), QStringLiteral("36"));
        f->cmdClear->click();  // Boiling: back to Melting with its full prompts
        QVERIFY(f->opt1->isChecked() && f->Text1->text().isEmpty());
        QCOMPARE(f->Label2->text(), QStringLiteral("Enter the heat of fusion in kJ/mol"));
        f->cmdClear->click();  // Melting: the short prompts
        QCOMPARE(f->Label2->text(), QStringLiteral("Enter the heat of fusion"));
    }

    void halfLifeOptions() {
        auto* f = Forms::showAs<frmHalfLife>(QStringLiteral("frmHalfLife"));
        TestSupport::type(f->Text1, QStringLiteral("1.5E+3"));
        f->opt2->setChecked(true);  // a new option empties every box
        QVERIFY(f->Text1->text().isEmpty());
        f->cmdClear->click();
        QVERIFY(f->opt1->isChecked());
        QCOMPARE(f->Label5->text() + f->Label4->text() + f->Label6->text(),
                 QStringLiteral("Enter the final quantity.The time required is years"));
        // A fifteen-digit answer in exponent form is seen whole.
        f->opt2->setChecked(true);
        for (auto [box, text] : {std::pair{f->Text1, "10"}, {f->Text2, "1E+20"}, {f->Text4, "5"}}) box->setText(text);
        f->cmdOk->click();
        QVERIFY(f->Text3->fontMetrics().horizontalAdvance(f->Text3->text()) < f->Text3->contentsRect().width() - 8);
    }

    // From the chooser and the Energy menu: the chooser's button for the change of
    // state unloads the chooser, the others hide it. Enter in the second box runs Ok while it is disabled.
    void roads_data() {
        for (const char* c : {"window", "button", "item", "refusal"}) QTest::addColumn<QString>(c);
        QTest::newRow("thermo") << "frmThermoData" << "cmdThermodynamics" << "mnuThermodynamics"
                                << "You must enter a valid value all boxes.";
        QTest::newRow("faraday") << "frmFaradays" << "cmdFaradays" << "mnuFaradays"
                                 << "You must enter valid data in all boxes.";
        QTest::newRow("state") << "frmChangeOfState" << "cmdChangeOfState" << "mnuChangeOfState"
                               << "You need to enter valid data in all boxes.";
        QTest::newRow("half-life") << "frmHalfLife" << "cmdHalfLife" << "mnuHalfLife"
                                   << "You must enter valid data in all boxes.";
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QString, refusal);
        QCOMPARE(Roads::drive({window, "cmdHelp", "frmEnergy", button, item}),
                 (window == QLatin1String("frmChangeOfState") ? "unloaded" : "hidden") +
                     QStringLiteral(" shown shown shown unloaded shown"));
        QCOMPARE(Roads::firstKeys(window, "Text2", "Text1"), "off|" + refusal + "|off|on");
    }
};

QTEST_MAIN(TestEnergyWindows)
#include "tst_energywindows.moc"
