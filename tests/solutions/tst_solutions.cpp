// The solutions and energy choosers, molarity, heat transfer, and pH.
#include <QAction>
#include <QtTest>

#include "CalculatorCases.h"
#include "TestSupport.h"
#include "shell/frmMain.h"
#include "solutions/frmAcids.h"
#include "solutions/frmEnergyChange.h"
#include "solutions/frmMolarity.h"

using TestSupport::expectOne;
using TestSupport::messages;
using TestSupport::open;
using TestSupport::shown;

namespace {
frmMain* mainWindow() { return static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain"))); }

// The help paragraph by its button, then F1 for the help window.
void expectHelp(Form* f, const QString& start, const QString& end) {
    messages().clear();
    TestSupport::child<QPushButton>(f, "cmdHelp")->click();
    QCOMPARE(messages().shown.size(), 1);
    QVERIFY(messages().lastText().startsWith(start));
    QVERIFY(messages().lastText().endsWith(end));
    QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
    TestSupport::press(TestSupport::child<QLineEdit>(f, "Text1"), Qt::Key_F1);
    QVERIFY(shown("frmHelp"));
}

// Main window button, chooser, Enter opens the calculator, Escape comes back, Escape closes the chooser;
// from the menu the chooser is never seen, but the calculator's Cancel shows it.
void road(QPushButton* button, const char* chooser, const QString& title, const char* calc, const char* menu,
          bool chooserKept, const char* idleButton) {
    frmMain* m = mainWindow();
    button->click();
    TestSupport::settle();
    Form* c = Forms::loaded(QLatin1String(chooser));
    QVERIFY(c && c->isVisible());
    QCOMPARE(c->windowTitle(), title);
    TestSupport::press(c->focusWidget(), Qt::Key_Return);
    TestSupport::settle();
    QVERIFY(shown(calc));
    QCOMPARE(Forms::isLoaded(QLatin1String(chooser)), chooserKept);
    if (chooserKept) QVERIFY(!c->isVisible());
    TestSupport::press(TestSupport::child<QLineEdit>(Forms::loaded(QLatin1String(calc)), "Text1"), Qt::Key_Escape);
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(QLatin1String(calc)));
    QVERIFY(shown(chooser));
    c = Forms::loaded(QLatin1String(chooser));
    if (idleButton) {  // a window not in the program yet: the chooser stays as it is
        TestSupport::child<QPushButton>(c, idleButton)->click();
        QVERIFY(c->isVisible());
    }
    TestSupport::press(c->focusWidget(), Qt::Key_Escape);
    TestSupport::settle();
    QVERIFY(!Forms::isLoaded(QLatin1String(chooser)));
    QVERIFY(m->isVisible());
    m->findChild<QAction*>(QLatin1String(menu))->trigger();
    TestSupport::settle();
    QVERIFY(shown(calc));
    QVERIFY(!Forms::isLoaded(QLatin1String(chooser)));
    TestSupport::child<QPushButton>(Forms::loaded(QLatin1String(calc)), "cmdCancel")->click();
    TestSupport::settle();
    QVERIFY(shown(chooser));
}

// Rows: option index, typed boxes, answer, work line, and the message with its icon ("" for none).
using CalculatorCases::columns;
void row(const char* name, int option, const QStringList& typed, const QString& answer, const QString& work,
         const QString& message = QString(), Msg::Icon icon = Msg::Icon::None) {
    CalculatorCases::row(name, option, typed, answer, work, CalculatorCases::said(message, icon));
}

// The row's option, a first answer from the texts typed key by key, then the pasted texts and Enter in the last
// box (Ok is enabled: the default button runs it once).
CalculatorCases::Run firstTyped(const char* window, const QStringList& first) {
    return {.window = window, .first = {first}, .typeFirst = true, .press = CalculatorCases::Run::EnterInLastTyped};
}

const QString KeyMessage = QStringLiteral("You must enter a valid numerical expression");
const QString Both = QStringLiteral("You must enter valid data into both boxes.");
const QString All = QStringLiteral("You must enter valid data into all required boxes.");
const QString Valid = QStringLiteral("You must enter valid data.");
const QString Tessival = QStringLiteral("Tessival");
}  // namespace

class TestSolutions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // ---- worked examples and refusals: each row starts from a first answer, which a refused row leaves

    void molarity_data() {
        columns();
        row("molarity", 0, {"2", "0.5"}, "4.000", "2 / 0.5");
        row("thirds", 0, {"1", "3"}, "0.333", "1 / 3");
        row("grouped", 0, {"5000", "2"}, "2,500.000", "5000 / 2");
        row("molality", 1, {"3", "1.5"}, "2.000", "3 mol / 1.5 kg");
        const QString k = QStringLiteral("0.333"), w = QStringLiteral("1 / 3");
        const QString fault = QStringLiteral("Data entry error");
        row("empty", 0, {"", ""}, k, w, Both);
        row("moles 0", 0, {"0", "2"}, k, w, Both);
        row("liters 0", 0, {"2", "0"}, k, w, Both);
        // The check reads the number, not the text: every form of 0 is refused, .5 is not.
        row("liters 0.0", 0, {"2", "0.0"}, k, w, Both);
        row("moles 00", 0, {"00", "2"}, k, w, Both);
        row("moles 0.000", 0, {"0.000", "2"}, k, w, Both);
        row("liters .0", 0, {"2", ".0"}, k, w, Both);
        row("pasted negative", 0, {"2", "-1"}, k, w, Both);
        row("lone point", 0, {".", "2"}, k, w, Both);
        row("pasted letters", 0, {"abc", "2"}, k, w, Both);
        row("half a liter", 0, {"2", ".5"}, "4.000", "2 / .5");
        row("molality of .5 kg", 1, {".5", ".5"}, "1.000", ".5 mol / .5 kg");
        row("overflow", 0, {"1" + QString(200, QLatin1Char('0')), "0." + QString(200, QLatin1Char('0')) + "1"}, k, w,
            fault);
    }
    void molarity() {
        CalculatorCases::Run run = firstTyped("frmMolarity", {"1", "3"});
        run.after = [](CalculatorForm* f) {  // a refusal of the window's own goes back to the first box
            QFETCH(QStringList, said);
            if (!said.isEmpty() && said.first().startsWith(QLatin1String("You must")))
                QCOMPARE(f->focusWidget(), f->inputs.first());
        };
        CalculatorCases::run(run);
    }

    void heatTransfer_data() {
        columns();
        row("water", 0, {"10", "5", "4.18"}, "209.000", "10 * 5 * 4.18");
        row("cooling", 0, {"10", "-5", "4.18"}, "-209.000", "10 * -5 * 4.18");
        row("converted numbers", 0, {"10.0", "05", "0.450"}, "22.500", "10 * 5 * 0.45");
        row("no specific heat", 0, {"3", "2", "0"}, "0.000", "3 * 2 * 0");
        const QString k = QStringLiteral("209.000"), w = QStringLiteral("10 * 5 * 4.18");
        const QString positive = QStringLiteral("You must enter a positive amount.");
        const QString tm = QStringLiteral("Type mismatch");
        row("mass empty", 0, {"", "5", "4.18"}, k, w, All);
        row("change empty", 0, {"10", "", "4.18"}, k, w, All);
        row("heat empty", 0, {"10", "5", ""}, k, w, All);
        row("mass 0", 0, {"0", "5", "4.18"}, k, w, positive);
        row("mass negative pasted", 0, {"-10", "5", "4.18"}, k, w, positive);
        row("mass a lone point", 0, {".", "5", "4.18"}, k, w, tm);
        row("lone minus", 0, {"10", "-", "4.18"}, k, w, tm);
        row("a blank", 0, {"10", " ", "4.18"}, k, w, tm);
        row("product beyond double", 0, {"3" + QString(304, QLatin1Char('0')), "100", "100"}, k, w, "Overflow");
        row("input beyond double", 0, {"1", "1", "1" + QString(309, QLatin1Char('0'))}, k, w, "Overflow");
    }
    void heatTransfer() { CalculatorCases::run(firstTyped("frmEnergyChange", {"10", "5", "4.18"})); }

    void acids_data() {
        columns();
        row("pH neutral", 0, {"1E-7"}, "7.000", "-Log(1E-7) / Log(10)");
        row("pH of 14", 0, {"14"}, "-1.146", "-Log(14) / Log(10)");
        row("pOH", 1, {"1E-3"}, "3.000", "-Log(1E-3) / Log(10)");
        row("H3O+ from pH", 2, {"7"}, "1.00E-07", "10 ^ -(7)");
        row("OH- from pOH", 3, {"2.5"}, "3.16E-03", "10 ^ -(2.5)");
        row("pH 0", 2, {"0"}, "1.00E+00", "10 ^ -(0)");
        // What the preload shows under each option, which a refused row keeps.
        const QString k = QStringLiteral("7.000"), w = QStringLiteral("-Log(1E-7) / Log(10)");
        const QString k3 = QStringLiteral("1.00E+00"), w3 = QStringLiteral("10 ^ -(1E-7)");
        const QString range = QStringLiteral("You must enter a number between 0 and 14.");
        const QString phRange = QStringLiteral("You must enter a number between -1.146 and 14.");
        for (int o = 0; o < 4; ++o) {
            const QString ko = o < 2 ? k : k3, wo = o < 2 ? w : w3, refused = o < 2 ? range : phRange;
            row(qPrintable(QStringLiteral("15, option %1").arg(o + 1)), o, {"15"}, ko, wo, refused, Msg::Icon::Information);
        }
        // A negative concentration is refused; a pH or pOH goes down to that of 14 M.
        for (int o = 0; o < 2; ++o)
            row(qPrintable(QStringLiteral("-1, option %1").arg(o + 1)), o, {"-1"}, k, w, range, Msg::Icon::Information);
        row("pH below 0", 2, {"-0.301"}, "2.00E+00", "10 ^ -(-0.301)");
        row("pOH of 14 M", 3, {"-1.146"}, "1.40E+01", "10 ^ -(-1.146)");
        for (int o = 2; o < 4; ++o)
            row(qPrintable(QStringLiteral("-1.2, option %1").arg(o + 1)), o, {"-1.2"}, k3, w3, phRange,
                Msg::Icon::Information);
        row("zero has no logarithm", 0, {"0"}, k, w, "Invalid procedure call or argument");
        row("lone E", 0, {"E"}, k, w, "Type mismatch");
        row("lone minus", 1, {"-"}, k, w, "Type mismatch");
        row("pasted letters", 2, {"abc"}, k3, w3, "Type mismatch");
        row("overflow", 0, {"1E+999"}, k, w, "Overflow");
    }
    void acids() { CalculatorCases::run(firstTyped("frmAcids", {"1E-7"})); }

    // ---- molarity and molality

    void molarityOptionsRecaption() {
        auto* f = open<frmMolarity>("frmMolarity");
        QVERIFY(f->opt1->isChecked());
        QCOMPARE(f->Label4->text(), QStringLiteral("The molarity is "));
        QCOMPARE(f->Label5->text(), QStringLiteral("M"));
        TestSupport::type(f->Text1, QStringLiteral("2"));
        TestSupport::type(f->Text2, QStringLiteral("0.5"));
        f->cmdOk->click();
        f->opt2->click();
        QCOMPARE(f->Label3->text(), QStringLiteral("Enters the kilograms of solvent."));
        QCOMPARE(f->Text2->accessibleName(), QStringLiteral("Enters the kilograms of solvent."));
        QCOMPARE(f->Label4->text(), QStringLiteral("The molality is "));
        QCOMPARE(f->Label5->text(), QStringLiteral("m"));
        // The typed amounts stay; the molarity does not stand beside the molality caption.
        QCOMPARE(f->Text1->text(), QStringLiteral("2"));
        QVERIFY(f->Text3->text().isEmpty() && f->Text4->text().isEmpty());
        f->cmdOk->click();
        QCOMPARE(f->Text3->text(), QStringLiteral("4.000"));
        QCOMPARE(f->Text4->text(), QStringLiteral("2 mol / 0.5 kg"));
        f->opt1->click();
        QCOMPARE(f->Label3->text(), QStringLiteral("Enters the liters of solution."));
        QVERIFY(f->Text3->text().isEmpty() && f->Text4->text().isEmpty());
        f->cmdClear->click();
        QVERIFY(f->Text1->text().isEmpty() && f->Text4->text().isEmpty());
        QVERIFY(f->opt1->isChecked());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    void molarityKeys() {
        auto* f = open<frmMolarity>("frmMolarity");
        // Enter is not among the box's keys, yet with Ok disabled it runs Ok, and only Ok.
        TestSupport::type(f->Text2, QStringLiteral("2"));
        QVERIFY(!f->cmdOk->isEnabled());
        TestSupport::press(f->Text2, Qt::Key_Return);
        expectOne(Both, Tessival, Msg::Icon::None);
        QCOMPARE(f->focusWidget(), f->Text1);
        messages().clear();
        TestSupport::type(f->Text1, QStringLiteral("0"));
        for (const char* key : {"-", "E", "+", "a"}) {
            TestSupport::type(f->Text1, QLatin1String(key));
            QCOMPARE(messages().lastText(), KeyMessage);
        }
        QCOMPARE(messages().shown.size(), 4);
        QCOMPARE(f->Text1->text(), QStringLiteral("0"));
    }

    void molarityRoadAndHelp() {
        road(mainWindow()->cmdSolutions, "frmSolutions", QStringLiteral("Solutions"), "frmMolarity",
             "mnuMolarityMolality", false, nullptr);
        expectHelp(open<frmMolarity>("frmMolarity"), QStringLiteral("Determining the concentration of a solution"),
                   QStringLiteral("prepare a solution correctly."));
    }

    // ---- heat transfer

    void heatTransferKeysAndEnabling() {
        auto* f = open<frmEnergyChange>("frmEnergyChange");
        QVERIFY(!f->cmdOk->isEnabled() && !f->cmdPrint->isEnabled());
        // "-" only in the temperature change.
        TestSupport::type(f->Text2, QStringLiteral("-5"));
        QCOMPARE(f->Text2->text(), QStringLiteral("-5"));
        QVERIFY(messages().shown.isEmpty());
        QVERIFY(!f->cmdOk->isEnabled());
        // Enter in the second box with Ok disabled runs the checks.
        TestSupport::press(f->Text2, Qt::Key_Return);
        expectOne(All, Tessival, Msg::Icon::None);
        messages().clear();
        for (QLineEdit* box : {f->Text1, f->Text3}) {
            TestSupport::type(box, QStringLiteral("-"));
            QVERIFY(box->text().isEmpty());
        }
        QCOMPARE(messages().shown.size(), 2);
        QCOMPARE(messages().lastText(), KeyMessage);
        TestSupport::type(f->Text1, QStringLiteral("1"));
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        f->cmdClear->click();
        for (QLineEdit* b : {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5}) QVERIFY(b->text().isEmpty());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    void energyRoadAndHelp() {
        road(mainWindow()->cmdHelp, "frmEnergy", QStringLiteral("Energy Calculations"), "frmEnergyChange",
             "mnuEnergychange", true, nullptr);  // the main window's "Energy" button
        expectHelp(open<frmEnergyChange>("frmEnergyChange"), QStringLiteral("When an object gains heat energy"),
                   QStringLiteral("and the specific heat.  "));
    }

    // ---- pH and pOH

    void acidsOptionsRecaption() {
        auto* f = open<frmAcids>("frmAcids");
        QCOMPARE(f->windowTitle(), QStringLiteral("Acids / Bases"));
        QVERIFY(f->opt1->isChecked());
        TestSupport::type(f->Text1, QStringLiteral("1E-7"));
        f->cmdOk->click();
        const QStringList prompts{"Enter the H3O+ ion concentration in mol/L", "Enter the OH-  ion concentration in mol/L",
                                  "Enter the pH", "Enter the pOH"};
        const QStringList results{" The pH is ", " The pOH is ", " The H3O+  concentration is ",
                                  " The OH-  concentration is "};
        QCOMPARE(f->Text2->text(), QStringLiteral("7.000"));
        for (int i : {1, 2, 3, 0}) {
            f->cmdHelp->setFocus();
            // Selected without a click, as a screen reader's toggle does.
            f->options[i]->setChecked(true);
            QCOMPARE(f->Label1->text(), prompts[i]);
            QCOMPARE(f->Label2->text(), results[i]);
            QCOMPARE(f->Text2->accessibleName(), results[i]);
            // The previous option's answer never stands under the new caption.
            QVERIFY(f->Text2->text().isEmpty() && f->Text3->text().isEmpty());
            QCOMPARE(f->Text1->text(), QStringLiteral("1E-7"));
            if (i != 0) QCOMPARE(f->focusWidget(), f->Text1);
        }
        QCOMPARE(f->focusWidget(), f->cmdHelp);  // option 1 leaves the focus where it was
    }

    void acidsKeysAndEmptyClears() {
        auto* f = open<frmAcids>("frmAcids");
        QVERIFY(!f->cmdOk->isEnabled());
        TestSupport::press(f->Text1, Qt::Key_Return);  // Ok disabled: the box's Enter runs it
        expectOne(Valid, QStringLiteral("Acids"), Msg::Icon::None);
        messages().clear();
        TestSupport::type(f->Text1, QStringLiteral("+1.5E-3"));
        QCOMPARE(f->Text1->text(), QStringLiteral("+1.5E-3"));
        QVERIFY(messages().shown.isEmpty());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        for (const char* key : {"e", "x", ","}) TestSupport::type(f->Text1, QLatin1String(key));
        QCOMPARE(messages().shown.size(), 3);
        QCOMPARE(messages().lastText(), KeyMessage);
        QCOMPARE(f->Text1->text(), QStringLiteral("+1.5E-3"));
        messages().clear();
        // Ok on an emptied box clears the answer and the work line too.
        f->cmdOk->click();
        QVERIFY(!f->Text2->text().isEmpty());
        f->Text1->clear();
        f->cmdHelp->setFocus();
        f->cmdOk->click();
        expectOne(Valid, QStringLiteral("Acids"), Msg::Icon::None);
        QVERIFY(f->Text1->text().isEmpty() && f->Text2->text().isEmpty() && f->Text3->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    void acidsFromMainAndBack() {
        frmMain* m = mainWindow();
        m->cmdAcids->click();
        TestSupport::settle();
        QVERIFY(shown("frmAcids"));
        auto* f = Forms::get<frmAcids>(QStringLiteral("frmAcids"));
        expectHelp(f, QStringLiteral("A pH value is an indication"),
                   QStringLiteral("for pH is the -Log(Hydronium Ion Concentration)."));
        QVERIFY(messages().lastText().contains(QStringLiteral("hydroxide ions.  The equations for pH is")));
        f->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmAcids")) && m->isVisible());
        m->findChild<QAction*>(QStringLiteral("mnuAcids"))->trigger();
        TestSupport::settle();
        f = Forms::get<frmAcids>(QStringLiteral("frmAcids"));
        QVERIFY(f && f->isVisible());
        QVERIFY(f->Text1->text().isEmpty() && f->opt1->isChecked());
        TestSupport::press(f->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmAcids")));
    }
};

QTEST_MAIN(TestSolutions)
#include "tst_solutions.moc"
