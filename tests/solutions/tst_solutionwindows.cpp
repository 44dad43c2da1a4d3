// Henry's law, freezing and boiling points, mole fraction, solubility product,
// equilibrium and ionization constants, and titration.
#include <QtTest>

#include "CalculatorCases.h"
#include "Roads.h"
#include "TestSupport.h"
#include "platform/CalculatorForm.h"
#include "refdata/ReferenceDatabase.h"
#include "solutions/frmEquilibriumConstant.h"
#include "solutions/frmFreezing.h"
#include "solutions/frmTitration.h"

using TestSupport::messages;
using TestSupport::settle;
using TestSupport::shown;

namespace {
const QString Tessival = QStringLiteral("Tessival");

template <class T = CalculatorForm> T* open(const char* name) { return TestSupport::open<T>(QLatin1String(name)); }

QLineEdit* box(QWidget* f, const QString& name) { return f->findChild<QLineEdit*>(name); }

// Empties every input box, then types "Box=text" pairs, then Ok.
void enter(CalculatorForm* f, const QStringList& typed) {
    for (QLineEdit* b : f->inputs) b->clear();
    for (const QString& t : typed) box(f, t.section(QLatin1Char('='), 0, 0))->setText(t.section(QLatin1Char('='), 1));
    f->cmdOk->click();
}

using CalculatorCases::columns;
using CalculatorCases::row;

// Opens the window, selects the option, computes a first answer, then the row,
// both with Ok. `extra` names a second answer box, `caption` a label whose
// text follows the answer after " | ".
void run(const char* window, const QStringList& first, const QString& title = Tessival,
         const char* extra = nullptr, const char* caption = nullptr) {
    CalculatorCases::run({.window = window,
                          .first = {first},
                          .press = CalculatorCases::Run::Ok,
                          .title = title,
                          .secondAnswer = extra,
                          .caption = caption});
}

const QString Digits40 = "1" + QString(40, QLatin1Char('0'));
const QString Digits310 = "1" + QString(309, QLatin1Char('0'));
}  // namespace

class TestSolutionWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void henrys_data() {
        columns();
        const QString k = "0.0680", w = "0.034 * 2", both = "You must enter valid data into both boxes.";
        row("a hundred", -1, {"Text1=1E+2", "Text2=.5"}, "50.000", "100 * 0.5");
        for (const char* p : {"0.0", "."}) row(p, -1, {"Text1=0.034", QString("Text2=") + p}, k, w, {both});
        row("negative constant", -1, {"Text1=-0.5", "Text2=2"}, k, w, {both});
        row("beyond double", -1, {"Text1=1E300", "Text2=1" + QString(10, '0')}, k, w, {"Overflow"});
    }
    void henrys() { run("frmHenrys", {"Text1=0.034", "Text2=2"}); }

    void freezing_data() {
        columns();
        const QString k = "-3.720", w = "0 - (1.86 * 2)";
        const QString three = "You must enter data into all three boxes.", all = "You must enter valid data into all boxes.";
        row("water boils", 1, {"Text1=0.512", "Text2=100", "Text3=1.0"}, "100.512", "100 + (0.512 * 1)");
        row("below zero", 0, {"Text1=4.68", "Text2=-63.5", "Text3=.5"}, "-65.840", "-63.5 - (4.68 * 0.5)");
        row("no constant", 0, {"Text2=0", "Text3=2"}, k, w, {three});
        row("no temperature", 0, {"Text1=1.86", "Text3=2"}, k, w, {three});
        row("no molality", 0, {"Text1=1.86", "Text2=0"}, k, w, {three});
        for (const char* m : {"0.0", "."}) row(m, 0, {"Text1=1.86", "Text2=0", QString("Text3=") + m}, k, w, {all});
        row("constant 0", 0, {"Text1=0", "Text2=0", "Text3=2"}, k, w, {all});
        row("lone minus", 0, {"Text1=1.86", "Text2=-", "Text3=2"}, k, w, {"Type mismatch"});
        row("beyond double", 0, {"Text1=" + Digits310.left(301), "Text2=0", "Text3=" + Digits40.left(11)}, k, w,
            {"Overflow"});
    }
    void freezing() { run("frmFreezing", {"Text1=1.86", "Text2=0", "Text3=2"}); }

    void moleFraction_data() {
        columns();
        const QString k = "0.0476 | 4.762", w = "0.25 /  (0.25 + 5)";
        const QString quantity = "i:You must enter a valid quantity.", weight = "i:You must enter a valid molecular weight.";
        const QStringList all{"Text1=10", "Text2=40", "Text3=90", "Text4=18"};
        row("no solute", -1, {"Text1=0", "Text2=40", "Text3=90", "Text4=18"}, "0.000 | 0.000", "0 /  (0 + 5)");
        for (int i = 0; i < 4; ++i) {
            QStringList typed = all;
            typed.removeAt(i);
            row(qPrintable(all[i] + " empty"), -1, typed, k, w, {i % 2 ? weight : quantity});
        }
        row("weight 0", -1, {"Text1=10", "Text2=0", "Text3=90", "Text4=18"}, k, w, {"i:Division by zero"});
        row("nothing at all", -1, {"Text1=0", "Text2=40", "Text3=0", "Text4=18"}, k, w, {"i:Division by zero"});
        row("lone point", -1, {"Text1=.", "Text2=40", "Text3=90", "Text4=18"}, k, w, {"i:Type mismatch"});
    }
    void moleFraction() { run("frmMoleFraction", {"Text1=10", "Text2=40", "Text3=90", "Text4=18"}, Tessival, "Text7"); }

    void solubility_data() {
        columns();
        const QString k = "4.00E-09", w = "0.001 ^ 1 x 0.002 ^ 2", valid = "i:You must enter valid data.";
        row("silver chromate", -1, {"Text1=1.3E-4", "Text5=2", "Text2=6.5E-5", "Text6=1"}, "1.10E-12",
            "1.3E-4 ^ 2 x 6.5E-5 ^ 1");
        row("half a coefficient", -1, {"Text1=0.04", "Text5=.5", "Text2=1", "Text6=1"}, "2.00E-01", "0.04 ^ .5 x 1 ^ 1");
        row("0.0", -1, {"Text1=0.0", "Text5=1", "Text2=0.002", "Text6=2"}, k, w, {valid});
        row("negative coefficient", -1, {"Text1=0.001", "Text5=1", "Text2=0.002", "Text6=-2"}, k, w, {valid});
        row("lone E", -1, {"Text1=0.001", "Text5=E", "Text2=0.002", "Text6=2"}, k, w, {valid});
        row("beyond double", -1, {"Text1=1E300", "Text5=2", "Text2=1", "Text6=1"}, k, w, {"i:Data Entry Error"});
    }
    void solubility() { run("frmSolubilityConstants", {"Text1=0.001", "Text5=1", "Text2=0.002", "Text6=2"}); }

    void equilibrium_data() {
        columns();
        const QString k = "4.50E+01", w = "0.09 / 0.002";
        const QString reactant = "You must enter valid numeric data into the reactant concentration box";
        const QStringList first{"Text2=2", "Text5=0.1", "Text3=1", "Text4=0.2", "Text8=2", "Text11=0.3"};
        row("coefficients of 1", -1, {"Text5=0.5", "Text11=0.25"}, "5.00E-01", "0.25 / 0.5");
        row("two and two", -1, {"Text2=1", "Text5=0.2", "Text3=1", "Text4=0.3", "Text8=2", "Text11=0.5", "Text9=1",
                                "Text12=0.4"}, "1.67E+00", "0.1 / 0.06");
        row("all empty", -1, {}, k, w, {reactant});
        row("second reactant", -1, {"Text5=0.1", "Text3=1", "Text11=0.3"}, k, w, {reactant});
        row("no product", -1, {"Text5=0.1"}, k, w, {"You must enter valid numeric data into at least 1 product box"});
        row("second product", -1, {"Text5=0.1", "Text11=0.3", "Text9=2"}, k, w,
            {"You must enter valid numeric data into the product concentration box"});
        row("reactant 0", -1, {"Text5=0", "Text11=0.3"}, k, w, {"Missing data."});
        row("lone E", -1, {"Text5=0.1", "Text11=E"}, k, w, {"Missing data."});
        // No concentration is negative.
        const QStringList valid{"You must enter valid data."};
        row("negative reactant", -1, {"Text5=-0.5", "Text11=0.25"}, k, w, valid);
        row("negative second reactant", -1, {"Text5=0.5", "Text3=1", "Text4=-0.2", "Text11=0.25"}, k, w, valid);
        row("negative product", -1, {"Text5=0.5", "Text11=-0.25"}, k, w, valid);
        row("negative second product", -1, {"Text5=0.5", "Text11=0.25", "Text9=1", "Text12=-1E-3"}, k, w, valid);
    }
    void equilibrium() {
        run("frmEquilibriumConstant", {"Text2=2", "Text5=0.1", "Text3=1", "Text4=0.2", "Text8=2", "Text11=0.3"},
            "Equilibrium constant.");
    }

    void ionization_data() {
        columns();
        const QString k = "1.82E-05", w = "(0.00134 ^ 1 * 0.00134 ^ 1) / (0.1 - (1 / 1) * 0.00134) ^ 1";
        const QStringList valid{"i:You must enter a valid number."};
        const QStringList acid{"Text1=0.1", "Text6=1", "Text2=0.00134", "Text7=1", "Text3=0.00134", "Text8=1"};
        // A <=> 2B + C: the reactant left is 0.1 - (1/2) * 0.01 = 0.095.
        row("squared", -1, {"Text1=0.1", "Text6=1", "Text2=0.01", "Text7=2", "Text3=0.005", "Text8=1"}, "5.26E-06",
            "(0.01 ^ 2 * 0.005 ^ 1) / (0.1 - (1 / 2) * 0.01) ^ 1");
        // 2A <=> B + C: (0.01 * 0.01) / (0.1 - 2 * 0.01)^2 = 1E-4 / 0.0064.
        row("two of the reactant", -1, {"Text1=0.1", "Text6=2", "Text2=0.01", "Text7=1", "Text3=0.01", "Text8=1"},
            "1.56E-02", "(0.01 ^ 1 * 0.01 ^ 1) / (0.1 - (2 / 1) * 0.01) ^ 2");
        row("more ionized than there was", -1, {"Text1=0.1", "Text6=1", "Text2=0.2", "Text7=1", "Text3=0.1", "Text8=1"},
            k, w, valid);
        row("products use up the reactant", -1,
            {"Text1=0.01", "Text6=1", "Text2=0.02", "Text7=1", "Text3=0.02", "Text8=1"}, k, w, valid);
        row("twice the reactant used up", -1,
            {"Text1=0.1", "Text6=2", "Text2=0.05", "Text7=1", "Text3=0.05", "Text8=1"}, k, w, valid);
        row("negative reactant", -1, {"Text1=-0.1", "Text6=1", "Text2=0.01", "Text7=1", "Text3=0.01", "Text8=1"}, k, w,
            valid);
        row("negative product 2", -1, {"Text1=0.1", "Text6=1", "Text2=0.01", "Text7=1", "Text3=-0.01", "Text8=1"}, k,
            w, valid);
        row("negative coefficient", -1, {"Text1=0.1", "Text6=-1", "Text2=0.01", "Text7=1", "Text3=0.01", "Text8=1"},
            k, w, valid);
        row("negative last coefficient", -1,
            {"Text1=0.1", "Text6=1", "Text2=0.01", "Text7=1", "Text3=0.01", "Text8=-1"}, k, w, valid);
        row("product 1 coefficient 0", -1, {"Text1=0.1", "Text6=1", "Text2=0.01", "Text7=0", "Text3=0.01", "Text8=1"},
            k, w, {"Data Entry Error"});
        row("zero accepted", -1, {"Text1=0.1", "Text6=1", "Text2=0.01", "Text7=1", "Text3=0", "Text8=1"}, "0.00E+00",
            "(0.01 ^ 1 * 0 ^ 1) / (0.1 - (1 / 1) * 0.01) ^ 1");
        for (int i = 0; i < 6; ++i) {
            QStringList typed = acid;
            typed.removeAt(i);
            row(qPrintable(acid[i] + " empty"), -1, typed, k, w, {"i:You must enter a valid number."});
        }
        row("nothing left", -1, {"Text1=0.1", "Text6=1", "Text2=0.1", "Text7=1", "Text3=0.1", "Text8=1"}, k, w, valid);
        row("lone E", -1, {"Text1=E", "Text6=1", "Text2=0.1", "Text7=1", "Text3=0.1", "Text8=1"}, k, w,
            {"Data Entry Error"});
    }
    void ionization() {
        run("frmionizationConstant",
            {"Text1=0.1", "Text6=1", "Text2=0.00134", "Text7=1", "Text3=0.00134", "Text8=1"});
    }

    void titration_data() {
        columns();
        const QString acid = " | The molarity of the acid is ", w = "(0.1 * 25) / (1 * 20)", k = "0.125" + acid;
        auto data = [](const char* ma, const char* va, const char* mb, const char* vb, const char* r) {
            return QStringList{QString("Text1=") + ma, QString("Text2=") + va, QString("Text3=") + mb,
                               QString("Text4=") + vb, QString("Text6=") + r};
        };
        row("acid molarity, 2", 0, data("", "20", "0.2", "25", "2"), k, "(0.2 * 25) / (2 * 20)");
        row("acid volume, 2", 0, data("0.125", "", "0.2", "25", "2"), "20.000 | The volume of the acid is ",
            "(0.2 * 25) / (2 * 0.125)");
        row("base molarity, 2", 0, data("0.125", "20", "", "25", "2"), "0.200 | The molarity of the base is ",
            "(2 * 0.125 * 20) / 25");
        row("base volume, 2", 0, data("0.125", "20", "0.2", "", "2"), "25.000 | The volume of the base is ",
            "(2 * 0.125 * 20) / 0.2");
        row("half", 0, data("", "20", "0.1", "25", ".5"), "0.250" + acid, "(0.1 * 25) / (0.5 * 20)");
        row("two and a half", 0, data("0.1", "10", "0.5", "", "2.5"), "5.000 | The volume of the base is ",
            "(2.5 * 0.1 * 10) / 0.5");
        row("molality", 1, data("", "20", "0.1", "25", "1"), "0.125 | The molality of the acid is ", w);
        row("base molality", 1, data("0.125", "20", "", "25", "2"), "0.200 | The molality of the base is ",
            "(2 * 0.125 * 20) / 25");
        const QString allBut = "i:Enter data into all but 1 of the data boxes.";
        row("two empty", 0, data("", "", "0.1", "25", "1"), k, w, {allBut});
        row("four empty", 0, data("", "", "", "", "1"), k, w, {allBut});
        row("none empty", 0, data("0.1", "20", "0.1", "25", "1"), k, w, {"i:You must leave 1 of the data boxes empty."});
        for (const char* z : {"0.0", "."})
            row(z, 0, data("", z, "0.1", "25", "1"), k, w, {"i:You must enter non-zero numbers. "});
        for (const char* r : {"00", "."})
            row(qPrintable(QString("ratio ") + r), 0, data("", "20", "0.1", "25", r), k, w,
                {"i:Enter a valid number for the ratio."});
        row("beyond double", 0, data("", "20", Digits310.toLatin1().constData(), "25", "1"), k, w, {"Data Entry Error."});
    }
    void titration() { run("frmTitration", {"Text2=20", "Text3=0.1", "Text4=25", "Text6=1"}, Tessival, nullptr, "Label6"); }

    void solventsFromTheDatabase() {
        auto* f = open<frmFreezing>("frmFreezing");
        QCOMPARE(ReferenceDatabase::sharedSql(), QStringLiteral("SELECT *  FROM Temperatures"));
        QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
        QCOMPARE(f->widths(), (QList<int>{20, 7, 5, 6, 8}));
        const QStringList lines = f->lines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], "Water" + QString(18, ' ') + "0.00      1.86    100.00   0.512   ");
        // Titles move right with the columns they stand over.
        QVERIFY(f->Label6->text().startsWith(" Substance" + QString(24, ' ') + " "));
        QVERIFY(f->Label6->text().endsWith(" Elevation"));
    }

    void solventsFromScratchTables_data() {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        const QString table = "CREATE TABLE Temperatures (Compound TEXT, FreezingPoint REAL, FPDepression REAL, "
                              "BoilingPoint REAL, BPElevation REAL)";
        QTest::newRow("widened") << QStringList{table, "INSERT INTO Temperatures VALUES ('Water', 0, 1.86, 100, "
                                                       "0.512), ('A name of 25 characters..', -114.1, NULL, 1234.5, 3)"}
                                 << QStringList{"Water" + QString(20, ' ') + "   0.00      1.86    100.00     0.512   ",
                                                "A name of 25 characters..   -114.10   " + QString(5, ' ') +
                                                    "   1,234.50   3.00    "}
                                 << QString();
        QTest::newRow("empty") << QStringList{table} << QStringList{} << QString();
        QTest::newRow("missing") << QStringList{} << QStringList{} << "no such table: Temperatures";
        QTest::newRow("a field short") << QStringList{QString(table).remove(", BPElevation REAL"),
                                                      "INSERT INTO Temperatures VALUES ('Water', 0, 1.86, 100)"}
                                       << QStringList{} << "Item not found in this collection.";
    }
    void solventsFromScratchTables() {
        QFETCH(QStringList, statements);
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        TempDatabase db(QStringList{"CREATE TABLE GeneralInfo (Symbol TEXT)", "INSERT INTO GeneralInfo VALUES ('H')"} +
                        statements);
        QVERIFY(db.opened);
        auto* f = open<frmFreezing>("frmFreezing");
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->lines(), lines);
        if (message.isEmpty()) {
            QVERIFY(messages().shown.isEmpty());
        } else {
            QCOMPARE(messages().shown.size(), 1);
            QVERIFY2(messages().lastText().contains(message), qPrintable(messages().lastText()));
            QCOMPARE(messages().shown.last().title, Tessival);
            QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        }
        // The calculator works with or without its list.
        messages().clear();
        enter(f, {"Text1=1.86", "Text2=0", "Text3=2"});
        QCOMPARE(f->Text4->text(), QStringLiteral("-3.720"));
        TestSupport::unloadAll();
    }

    // A "-" only in the starting temperature; Clear empties the boxes and the
    // list's selection, not the list.
    void freezingKeysAndClear() {
        auto* f = open<frmFreezing>("frmFreezing");
        TestSupport::type(f->Text2, QStringLiteral("-5.5"));
        QCOMPARE(f->Text2->text(), QStringLiteral("-5.5"));
        for (QLineEdit* b : {f->Text1, f->Text3}) TestSupport::type(b, QStringLiteral("-"));
        QCOMPARE(messages().shown.size(), 2);
        QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid numerical expression"));
        enter(f, {"Text1=1.86", "Text2=-5.5", "Text3=1"});
        QCOMPARE(f->Text4->text(), QStringLiteral("-7.360"));
        f->lstList1->setCurrentRow(3);
        f->cmdClear->click();
        QVERIFY(f->lstList1->selectedItems().isEmpty());
        QCOMPARE(f->lstList1->count(), 10);
        QVERIFY(f->Text1->text().isEmpty() && f->Text4->text().isEmpty() && f->Text5->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    // From the chooser and the Solutions menu: the chooser's states (Roads::drive).
    // Mole fraction's Cancel leaves the chooser hidden; the freezing window hides it when it loads.
    void roads_data() {
        for (const char* c : {"window", "button", "item", "enabler", "enter", "refusal"}) QTest::addColumn<QString>(c);
        auto row = [](const char* w, const char* b, const char* m, const char* enabler, const char* enter,
                      const char* refusal) { QTest::newRow(w) << w << b << m << enabler << enter << refusal; };
        row("frmHenrys", "cmdHenrys", "mnuHenrysLaw", "Text1", "Text2", "You must enter valid data into both boxes.");
        row("frmFreezing", "cmdFp", "mnuFPBPChange", "Text1", "Text3", "You must enter data into all three boxes.");
        row("frmMoleFraction", "cmdMoleFraction", "mnuMoleFraction", "", "", "");
        row("frmSolubilityConstants", "cmdSolubility", "mnuSolubilityConstant", "Text1", "Text5",
            "You must enter valid data.");
        row("frmEquilibriumConstant", "cmdEquilibrium", "mnuEquilibriumConstant", "Text5", "Text2",
            "You must enter valid numeric data into the reactant concentration box");
        row("frmionizationConstant", "cmdIonization", "mnuIonizationconstant", "Text2", "Text1",
            "You must enter a valid number.");
        row("frmTitration", "cmdTitration", "mnuTitration", "Text4", "Text6",
            "Enter data into all but 1 of the data boxes.");
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QString, enabler);
        QFETCH(QString, enter);
        QFETCH(QString, refusal);
        const bool back = window != QLatin1String("frmMoleFraction");
        QCOMPARE(Roads::drive({window, "cmdSolutions", "frmSolutions", button, item}),
                 !back ? "hidden hidden hidden hidden unloaded unloaded"
                 : window == QLatin1String("frmFreezing") ? "hidden shown hidden shown hidden shown"
                                                           : "hidden shown shown shown unloaded shown");
        if (back) QCOMPARE(Roads::firstKeys(window, enter, enabler), "off|" + refusal + "|off|on");
        else QVERIFY(open(qPrintable(window))->cmdOk->isEnabled());
    }

    // The freezing window hides the chooser when it loads, not when it is shown again.
    void freezingOpenAlreadyLeavesTheChooser() {
        Form* m = Forms::show(QStringLiteral("frmMain"));
        m->findChild<QAction*>(QStringLiteral("mnuFPBPChange"))->trigger();
        m->findChild<QPushButton*>(QStringLiteral("cmdSolutions"))->click();
        Forms::loaded(QStringLiteral("frmSolutions"))->findChild<QPushButton*>(QStringLiteral("cmdFp"))->click();
        settle();
        QVERIFY(shown("frmSolutions") && shown("frmFreezing"));
    }

    void equilibriumDefaultsAndKeys() {
        auto* f = open<frmEquilibriumConstant>("frmEquilibriumConstant");
        TestSupport::press(f->Text2, Qt::Key_Return);
        QCOMPARE(f->Text2->text(), QStringLiteral("1"));
        QCOMPARE(f->Text8->text(), QStringLiteral("1"));
        messages().clear();
        TestSupport::type(f->Text2, QStringLiteral("."));
        TestSupport::type(f->Text5, QStringLiteral("1E-3e"));
        QCOMPARE(f->Text2->text(), QStringLiteral("1"));
        QCOMPARE(f->Text5->text(), QStringLiteral("1E-3"));
        QCOMPARE(messages().shown.size(), 2);
        QCOMPARE(messages().shown.last().title, QStringLiteral("Equilibrium constant."));
    }

    void titrationKeysCaptionsAndClear() {
        auto* f = open<frmTitration>("frmTitration");
        TestSupport::press(f->Text1, Qt::Key_Return);  // no Enter in the acid boxes while Ok is disabled
        QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid numerical expression"));
        // Clear returns to Molarity's captions from either option.
        const QString molarity = "Enter the molarity of the acid.|Enter the molarity of the base.|The molarity of the acid is ";
        for (QRadioButton* option : {f->opt1, f->opt2}) {
            option->setChecked(true);
            enter(f, {"Text1=0.125", "Text3=0.1", "Text4=25", "Text6=1"});
            QCOMPARE(f->Label6->text(), QStringLiteral("The volume of the acid is "));
            f->cmdClear->click();
            QVERIFY(f->opt1->isChecked());
            QCOMPARE(QStringList({f->Label2->text(), f->Label4->text(), f->Label6->text()}).join('|'), molarity);
            QVERIFY(f->Text5->text().isEmpty() && f->Text7->text().isEmpty() && f->Text6->text().isEmpty());
        }
        QVERIFY(f->cmdOk->isEnabled());
    }

    void solubilityClearCaptions() {
        CalculatorForm* f = open("frmSolubilityConstants");
        f->cmdClear->click();
        QCOMPARE(f->resultLabel->text(), QStringLiteral("The solubility product constant (Ksp) is "));
        QCOMPARE(f->answerBox->accessibleName(), f->resultLabel->text());
    }
};

QTEST_MAIN(TestSolutionWindows)
#include "tst_solutionwindows.moc"
