// The weight windows as a student uses them: the chooser, the molecular
// weight calculator with its live formatting, and the weight calculations.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QSqlQuery>
#include <QTest>
#include <QTextBlock>

#include "TestSupport.h"
#include "formulas/Module2.h"
#include "formulas/frmWeightCalculations.h"
#include "formulas/frmWeightChoice.h"
#include "formulas/frmWeights.h"
#include "refdata/ReferenceDatabase.h"
#include "shell/frmMain.h"

using TestSupport::child;

namespace {
class Stub : public Form {};
const QString Title = QStringLiteral("Tessival");
}  // namespace

class TstWeights : public QObject {
    Q_OBJECT
    QHash<QString, double> atomic;
    FakeMessages& msgs() { return TestSupport::messages(); }
    double a(const char* s) const { return atomic.value(QLatin1String(s)); }

    frmWeights* weights() {
        auto* f = Forms::showAs<frmWeights>(QStringLiteral("frmWeights"));
        f->activateWindow();
        QApplication::setActiveWindow(f);
        return f;
    }
    frmWeightCalculations* calc() {
        auto* f = Forms::showAs<frmWeightCalculations>(QStringLiteral("frmWeightCalculations"));
        QApplication::setActiveWindow(f);
        return f;
    }
    static void typeIn(QWidget* w, const QString& text) {
        for (QChar c : text) QTest::keyClick(w, c.toLatin1());
    }
    // The box's text with each character's place: '-' on the line, 'v' lowered, '^' raised.
    static QString placing(QTextEdit* box) {
        QString out;
        QTextCursor c(box->document());
        const int n = int(box->toPlainText().size());
        for (int i = 1; i <= n; ++i) {
            c.setPosition(i);
            switch (c.charFormat().verticalAlignment()) {
            case QTextCharFormat::AlignSubScript: out += 'v'; break;
            case QTextCharFormat::AlignSuperScript: out += '^'; break;
            default: out += '-';
            }
        }
        return out;
    }
    static QString fixed3(double v) { return QLocale().toString(v, 'f', 3); }

private slots:
    void initTestCase() {
        TestSupport::init();
        Forms::registerKind(QStringLiteral("frmHelp"), [] { return new Stub; });
        QSqlQuery q(ReferenceDatabase::currentDatabase());
        QVERIFY(q.exec(QStringLiteral("SELECT Symbol, AtomicWeight FROM GeneralInfo")));
        while (q.next()) atomic.insert(q.value(0).toString(), q.value(1).toDouble());
    }
    void init() {
        TestSupport::unloadAll();
        msgs().clear();
    }

    // ---- Navigation ------------------------------------------------------

    void mainWindowLeadsToTheWeightWindows() {
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        m->cmdWeights->click();
        QVERIFY(Forms::loaded(QStringLiteral("frmWeightChoice"))->isVisible());
        QCOMPARE(Forms::loaded(QStringLiteral("frmWeightChoice"))->windowTitle(),
                 QStringLiteral("Molecular Weight Calculations"));
        m->menuItem(QStringLiteral("mnuMoleculeWeight"))->trigger();
        QVERIFY(Forms::loaded(QStringLiteral("frmWeights"))->isVisible());
        m->menuItem(QStringLiteral("mnuMolecularCalculations"))->trigger();
        QVERIFY(Forms::loaded(QStringLiteral("frmWeightCalculations"))->isVisible());
        QVERIFY(m->isVisible());
    }

    void chooserUnloadsItselfAndShowsItsChoice() {
        auto* ch = Forms::showAs<frmWeightChoice>(QStringLiteral("frmWeightChoice"));
        QCOMPARE(ch->cmdCalculateWeight->text(), QStringLiteral("Calculate MolecularWeight"));
        QCOMPARE(ch->cmdCalculate->text(), QStringLiteral("Weight Calculations"));
        QCOMPARE(ch->cmdClose->text(), QStringLiteral("Close"));
        ch->cmdCalculateWeight->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWeightChoice")));
        auto* w = Forms::get<frmWeights>(QStringLiteral("frmWeights"));
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Molecular Weights"));

        ch = Forms::showAs<frmWeightChoice>(QStringLiteral("frmWeightChoice"));
        ch->cmdCalculate->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWeightChoice")));
        QVERIFY(Forms::loaded(QStringLiteral("frmWeightCalculations"))->isVisible());

        ch = Forms::showAs<frmWeightChoice>(QStringLiteral("frmWeightChoice"));
        QTest::keyClick(ch->cmdCalculate, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWeightChoice")));
    }

    void cancelReturnsToTheChooser() {
        auto* w = weights();
        w->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWeights")));
        QVERIFY(Forms::loaded(QStringLiteral("frmWeightChoice"))->isVisible());
        QVERIFY(Forms::loaded(QStringLiteral("frmMain"))->isVisible());

        auto* c = calc();
        QTest::keyClick(c->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWeightCalculations")));
        QVERIFY(Forms::loaded(QStringLiteral("frmWeightChoice"))->isVisible());
    }

    void escapeDoesNothingInTheCalculator() {
        auto* w = weights();
        QTest::keyClick(w->RichTextBox1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmWeights")));
    }

    void f1ShowsTheManual() {
        auto* w = weights();
        QTest::keyClick(w->RichTextBox1, Qt::Key_F1);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmHelp")));
        Forms::unload(QStringLiteral("frmHelp"));
        auto* c = calc();
        QTest::keyClick(c->Text2, Qt::Key_F1);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmHelp")));
    }

    // ---- Molecular weight calculator ------------------------------------

    void loadsWithOkAndPrintDisabledUntilTyping() {
        auto* w = weights();
        QVERIFY(!w->cmdOk->isEnabled());
        QVERIFY(!w->cmdPrint->isEnabled());
        QCOMPARE(w->lblWeights1->text(), QStringLiteral("Enter a formula using correct form with capital/small letters."));
        QCOMPARE(w->RichTextBox1->toolTip(), QStringLiteral("Here is an example of an entry: 2Mn(NO3)2.10H20"));
        QCOMPARE(w->chk1->text(), QStringLiteral("Check if you want % composition (6 elements  maximum)"));
        QCOMPARE(w->chk2->text(), QStringLiteral("Check for % Hydrate"));
        QCOMPARE(w->Label1->text(), QStringLiteral("One mole of the substance weighs "));
        QCOMPARE(w->cmdHelp->toolTip(), QStringLiteral("Press for help"));
        QCOMPARE(w->RichTextBox1->accessibleName(), w->lblWeights1->text());
        QCOMPARE(w->lblWeights1->buddy(), w->RichTextBox1);
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
        typeIn(w->RichTextBox1, QStringLiteral("H"));
        QVERIFY(w->cmdOk->isEnabled());
        QVERIFY(w->cmdPrint->isEnabled());
        w->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed.last(), w);
    }

    void typingFormatsTheFormula() {
        auto* w = weights();
        typeIn(w->RichTextBox1, QStringLiteral("2Mn(NO3)2.10H2O"));
        QCOMPARE(w->RichTextBox1->toPlainText(), QStringLiteral("2Mn(NO3)2.10H2O"));
        QCOMPARE(placing(w->RichTextBox1), QStringLiteral("------v-v^---v-"));
        QCOMPARE(Module2::FormulaText, QStringLiteral("Mn(NO3)2.10H2O"));
        QCOMPARE(Module2::FormulaCoefficient, QStringLiteral("02"));
        QCOMPARE(w->RichTextBox1->textCursor().position(), 15);
    }

    void editingAnywhereKeepsBoxAndFormulaTheSame() {
        auto* w = weights();
        auto* box = w->RichTextBox1;
        typeIn(box, QStringLiteral("CuSO45H2O"));
        // Caret back to just after the 4, then the dot: the 5 becomes a count on the line.
        for (int i = 0; i < 4; ++i) QTest::keyClick(box, Qt::Key_Left);
        QCOMPARE(box->textCursor().position(), 5);
        typeIn(box, QStringLiteral("."));
        QCOMPARE(box->toPlainText(), QStringLiteral("CuSO4.5H2O"));
        QCOMPARE(placing(box), QStringLiteral("----v^--v-"));
        QCOMPARE(box->textCursor().position(), 6);
        // Backspace removes the dot again: the 5 is lowered.
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->toPlainText(), QStringLiteral("CuSO45H2O"));
        QCOMPARE(placing(box), QStringLiteral("----vv-v-"));
        QCOMPARE(box->textCursor().position(), 5);
        // Delete at the start of the line takes the C.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->toPlainText(), QStringLiteral("uSO45H2O"));
        QCOMPARE(Module2::FormulaText, box->toPlainText());
        QCOMPARE(box->textCursor().position(), 0);
        // A digit typed at the very start is the coefficient, on the line.
        typeIn(box, QStringLiteral("3C"));
        QCOMPARE(box->toPlainText(), QStringLiteral("3CuSO45H2O"));
        QCOMPARE(placing(box), QStringLiteral("-----vv-v-"));
        QCOMPARE(Module2::FormulaCoefficient, QStringLiteral("03"));
        QCOMPARE(box->textCursor().position(), 2);
        // Backspace in an empty box does no harm.
        w->cmdClear_Click();
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->toPlainText(), QString());
        QCOMPARE(Module2::FormulaText, QString());
    }

    void refusedKeysLeaveTheBoxAlone() {
        auto* w = weights();
        typeIn(w->RichTextBox1, QStringLiteral("H2 +O-,"));
        QCOMPARE(w->RichTextBox1->toPlainText(), QStringLiteral("H2O"));
        QTest::keyClick(w->RichTextBox1, Qt::Key_Tab);
        QCOMPARE(w->RichTextBox1->toPlainText(), QStringLiteral("H2O"));
        QVERIFY(msgs().shown.isEmpty());
    }

    void pastingIsFormattedAndWeighedAsShown() {
        auto* w = weights();
        auto* box = w->RichTextBox1;
        typeIn(box, QStringLiteral("Ca"));
        QApplication::clipboard()->setText(QStringLiteral("(NO3) 2\n"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->toPlainText(), QStringLiteral("Ca(NO3)2"));
        QCOMPARE(placing(box), QStringLiteral("-----v-v"));
        QCOMPARE(box->textCursor().position(), 8);
        QCOMPARE(Module2::FormulaText, QStringLiteral("Ca(NO3)2"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(w->txtWeights2->text(), fixed3(a("Ca") + 2 * (a("N") + 3 * a("O"))));
    }

    void okWeighsWhatTheBoxShows_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("weight");
        QTest::addColumn<int>("k");
        const double water = 2 * a("H") + a("O");
        QTest::newRow("H2O") << "H2O" << water << 1;
        QTest::newRow("2H2O") << "2H2O" << water << 2;
        QTest::newRow("CuSO4.5H2O") << "CuSO4.5H2O" << a("Cu") + a("S") + 4 * a("O") + 5 * water << 1;
        QTest::newRow("CaCl2.8NH3") << "CaCl2.8NH3" << a("Ca") + 2 * a("Cl") + 8 * (a("N") + 3 * a("H")) << 1;
        QTest::newRow("sugar, 1,000 and more")
            << "3C12H22O11" << 12 * a("C") + 22 * a("H") + 11 * a("O") << 3;
    }
    void okWeighsWhatTheBoxShows() {
        QFETCH(QString, formula);
        QFETCH(double, weight);
        QFETCH(int, k);
        auto* w = weights();
        typeIn(w->RichTextBox1, formula);
        QTest::keyClick(w->RichTextBox1, Qt::Key_Return);
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        const double r3 = std::round(weight * 1000) / 1000;
        if (k == 1) {
            QCOMPARE(w->txtWeights2->text(), fixed3(weight));
            QCOMPARE(w->Text1->text(), Num::text(r3));
        } else {
            QCOMPARE(w->txtWeights2->text(), Num::text(r3 * k));
            QCOMPARE(w->Text1->text(), Num::text(r3 * k));
        }
        QVERIFY(Module2::StackIsEmpty());
    }

    void okStopsWithAMessageAndNoAnswer_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("selected");
        QTest::newRow("unknown symbol") << "Xx2" << "The element symbol Xx was not found. Check the capital and small letters."
                                        << "Xx";
        QTest::newRow("CL2") << "CL2" << "The element symbol L was not found. Check the capital and small letters."
                             << "L";
        QTest::newRow("co") << "co" << "The element symbol co was not found. An element symbol begins with a capital letter."
                            << "co";
        QTest::newRow("unknown group")
            << "Na(Qq)" << "The group (Qq) was not found, and the element symbol Qq in it was not found either."
            << "(Qq)";
        QTest::newRow("unclosed") << "Ca(NO3" << "The group (NO3 has no closing \")\"." << "(NO3";
        QTest::newRow("unopened") << "CaNO3)2" << "The formula has a \")\" without its opening \"(\"." << ")";
        QTest::newRow("only digits") << "22" << "The formula holds no element symbol." << "22";
    }
    void okStopsWithAMessageAndNoAnswer() {
        QFETCH(QString, formula);
        QFETCH(QString, message);
        QFETCH(QString, selected);
        auto* w = weights();
        typeIn(w->RichTextBox1, QStringLiteral("NaCl"));
        w->cmdOk->click();
        const QString before = w->txtWeights2->text();
        QVERIFY(!before.isEmpty());
        msgs().clear();
        w->setFormulaText(QString());
        typeIn(w->RichTextBox1, formula);
        w->cmdOk->click();
        QCOMPARE(msgs().shown.size(), 1);
        QCOMPARE(msgs().lastText(), message);
        QCOMPARE(msgs().shown.last().title, Title);
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::None);
        // The window keeps what it showed; the fault is selected in the box.
        QCOMPARE(w->txtWeights2->text(), before);
        QCOMPARE(w->RichTextBox1->textCursor().selectedText(), selected);
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
    }

    void emptyAndOneCharacterFormulas() {
        auto* w = weights();
        typeIn(w->RichTextBox1, QStringLiteral("H"));
        w->cmdOk->click();
        QCOMPARE(msgs().lastText(), QStringLiteral("Formula must be larger than 1 character."));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::None);
        QCOMPARE(w->RichTextBox1->toPlainText(), QString());
        msgs().clear();
        w->cmdOk->click();  // Ok stays enabled after Clear
        QCOMPARE(msgs().lastText(), QStringLiteral("You must enter data into the Enter Formula box."));
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
        QVERIFY(w->txtWeights2->text().isEmpty());
        // Enter with Ok still disabled runs Ok too.
        TestSupport::unloadAll();
        msgs().clear();
        w = weights();
        QVERIFY(!w->cmdOk->isEnabled());
        QTest::keyClick(w->RichTextBox1, Qt::Key_Return);
        QCOMPARE(msgs().lastText(), QStringLiteral("You must enter data into the Enter Formula box."));
        QCOMPARE(w->RichTextBox1->toPlainText(), QString());
    }

    void compositionAndHydrateBoxes() {
        auto* w = weights();
        typeIn(w->RichTextBox1, QStringLiteral("CuSO4.5H2O"));
        w->chk1->click();
        w->chk2->click();
        w->cmdOk->click();
        const double water = 2 * a("H") + a("O");
        const double total = a("Cu") + a("S") + 4 * a("O") + 5 * water;
        auto pct = [&](double m) { return fixed3(m / total * 100.0) + QLatin1Char('%'); };
        QCOMPARE(w->txtComposition[0]->text(), "Cu " + pct(a("Cu")));
        QCOMPARE(w->txtComposition[1]->text(), "S " + pct(a("S")));
        QCOMPARE(w->txtComposition[2]->text(), "O " + pct(9 * a("O")));
        QCOMPARE(w->txtComposition[3]->text(), "H " + pct(10 * a("H")));
        QCOMPARE(w->txtComposition[4]->text(), QString());
        QCOMPARE(w->txtComposition[5]->text(), QString());
        QCOMPARE(w->txtHydrate->text(), pct(5 * water));
        // Unchecking empties; checking again fills from the same weighing.
        w->chk1->click();
        QCOMPARE(w->txtComposition[0]->text(), QString());
        w->chk1->click();
        QCOMPARE(w->txtComposition[0]->text(), "Cu " + pct(a("Cu")));
        w->chk2->click();
        QCOMPARE(w->txtHydrate->text(), QString());
        // Seven elements: the first six are shown.
        w->setFormulaText(QStringLiteral("KNaLiCsRbFrH"));
        w->cmdOk->click();
        QCOMPARE(w->txtComposition[5]->text().section(' ', 0, 0), QStringLiteral("Fr"));
        // No hydrate part: 0 %.
        w->chk2->click();
        QCOMPARE(w->txtHydrate->text(), QStringLiteral("0.000%"));
        w->cmdClear_Click();
        QVERIFY(!w->chk1->isChecked() && !w->chk2->isChecked());
        QCOMPARE(w->txtComposition[0]->text(), QString());
        QCOMPARE(w->txtHydrate->text(), QString());
        QCOMPARE(w->txtWeights2->text(), QString());
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(Module2::FormulaCoefficient, QStringLiteral("0"));
    }

    void helpParagraphs() {
        auto* w = weights();
        w->cmdHelp->click();
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(msgs().shown.last().title, Title);
        QVERIFY(msgs().lastText().startsWith(
            QStringLiteral("The molecular weight, as the name implies, is the weight of the molecule. To determine the "
                           "weight of the molecule,  you must add")));
        QVERIFY(msgs().lastText().contains(QStringLiteral("Once  you have")));
        QVERIFY(msgs().lastText().endsWith(QStringLiteral("percent of the molecule is made up of H2O.")));
        auto* c = calc();
        c->cmdHelp->click();
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(msgs().lastText(),
                 QStringLiteral("If you are given a quantity of a molecule in one unit, sometimes you need to have that "
                                "quantity in another unit. For example, if you are given a quantity of a molecule in "
                                "grams, you might want to know how many moles there are or how many molecules are "
                                "involved. Enter the molecular weight of the molecule in question, enter the quantity, "
                                "select what unit it is in and finally select what unit you want to convert it to. "
                                "Press Ok and the new quantity is given. "));
    }

    // ---- Weight calculations ---------------------------------------------

    void calculationsWindowAtLoad() {
        auto* c = calc();
        QCOMPARE(c->windowTitle(), QStringLiteral("Molecular Weight Calculations"));
        QVERIFY(c->cmdOk->isEnabled());
        QVERIFY(c->cmdPrint->isEnabled());
        QCOMPARE(c->cmdPrint->text(), QStringLiteral("  Print"));
        QVERIFY(c->Option1->isChecked());
        QVERIFY(c->Option4->isChecked());
        QCOMPARE(c->Frame1->title(), QStringLiteral("Select the unit for the quantity"));
        QCOMPARE(c->Frame2->title(), QStringLiteral("Select the desired unit"));
        QCOMPARE(c->Label1->text(), QStringLiteral("Enter the molecular weight"));
        QCOMPARE(c->Label2->text(), QStringLiteral("Enter the quantity in question"));
        QCOMPARE(c->Label3->text(), QStringLiteral("The number of molecules is "));
        QCOMPARE(c->Text4->accessibleName(), QStringLiteral("Work line"));
        c->Option5->click();
        QCOMPARE(c->Label3->text(), QStringLiteral("The number of grams is "));
        c->Option6->click();
        QCOMPARE(c->Label3->text(), QStringLiteral("The number of moles is "));
        c->Option2->click();
        QCOMPARE(c->Label3->text(), QStringLiteral("The number of moles is "));
        QVERIFY(c->Option6->isChecked());  // separate groups
        c->cmdClear->click();
        QCOMPARE(c->Label3->text(), QStringLiteral("The number of molecules is "));
        QVERIFY(c->Option4->isChecked());
        QVERIFY(c->Option1->isChecked());
        QCOMPARE(QApplication::focusWidget(), c->Text1);
    }

    void conversionsBothWays_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<int>("from");  // 0 molecules, 1 grams, 2 moles
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::newRow("molecules to grams") << "18" << "6.02E23" << 0 << 1 << "18" << "6.02E+23 / 6.02E+23 * 18";
        QTest::newRow("molecules to moles") << "18" << "3.01E23" << 0 << 2 << "0.5" << "3.01E+23 / 6.02E+23";
        QTest::newRow("grams to moles") << "18" << "36" << 1 << 2 << "2" << "36 / 18";
        QTest::newRow("grams to molecules") << "18" << "9" << 1 << 0 << "3.01E+23" << "9 / 18 * 6.02E+23";
        QTest::newRow("moles to grams") << "18.015" << "2" << 2 << 1 << "36.03" << "2 * 18.015";
        QTest::newRow("moles to molecules") << "18" << "0.5" << 2 << 0 << "3.01E+23" << "0.5 * 6.02E+23";
        QTest::newRow("grams to grams") << "18" << "4.5" << 1 << 1 << "4.5" << "4.5";
        QTest::newRow("weight 1000 accepted") << "1000" << "2" << 2 << 1 << "2000" << "2 * 1000";
        QTest::newRow("weight 0 gives 0 grams") << "0" << "6.02E23" << 0 << 1 << "0" << "6.02E+23 / 6.02E+23 * 0";
    }
    void conversionsBothWays() {
        QFETCH(QString, weight);
        QFETCH(QString, quantity);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        auto* c = calc();
        typeIn(c->Text1, weight);
        typeIn(c->Text2, quantity);
        (from == 0 ? c->Option1 : from == 1 ? c->Option2 : c->Option3)->click();
        (to == 0 ? c->Option4 : to == 1 ? c->Option5 : c->Option6)->click();
        QTest::keyClick(c->Text2, Qt::Key_Return);  // Enter reaches Ok
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        QCOMPARE(c->Text3->text(), answer);
        QCOMPARE(c->Text4->text(), work);
    }

    void calculationChecks() {
        auto* c = calc();
        typeIn(c->Text1, QStringLiteral("1000.5"));
        typeIn(c->Text2, QStringLiteral("5"));
        c->cmdOk->click();
        QCOMPARE(msgs().lastText(), QStringLiteral("You must enter a valid molecular weight."));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Critical);
        QCOMPARE(msgs().shown.last().title, Title);
        QCOMPARE(QApplication::focusWidget(), c->Text1);
        c->Text1->clear();
        c->cmdOk->click();
        QCOMPARE(msgs().lastText(), QStringLiteral("You must enter a valid molecular weight."));
        c->Text1->setText(QStringLiteral("18"));
        c->Text2->clear();
        c->cmdOk->click();
        QCOMPARE(msgs().lastText(), QStringLiteral("You must enter a valid quantity."));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Critical);
        QCOMPARE(QApplication::focusWidget(), c->Text2);
        QVERIFY(c->Text3->text().isEmpty());
    }

    void calculationFaultsKeepTheAnswer() {
        auto* c = calc();
        typeIn(c->Text1, QStringLiteral("18"));
        typeIn(c->Text2, QStringLiteral("36"));
        c->Option2->click();
        c->Option6->click();
        c->cmdOk->click();
        QCOMPARE(c->Text3->text(), QStringLiteral("2"));
        msgs().clear();
        c->Text1->setText(QStringLiteral("0"));
        c->cmdOk->click();
        QCOMPARE(msgs().lastText(), QStringLiteral("Division by zero"));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(c->Text3->text(), QStringLiteral("2"));
        QCOMPARE(c->Text4->text(), QStringLiteral("36 / 18"));
        c->Text1->setText(QStringLiteral("E"));
        c->cmdOk->click();
        QCOMPARE(msgs().lastText(), QStringLiteral("Type mismatch"));
        QCOMPARE(c->Text3->text(), QStringLiteral("2"));
    }

    void calculationKeyFilter() {
        auto* c = calc();
        typeIn(c->Text1, QStringLiteral("1a"));
        QCOMPARE(c->Text1->text(), QStringLiteral("1"));
        QCOMPARE(msgs().lastText(), QStringLiteral("You must enter a valid numerical expression"));
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::None);
        msgs().clear();
        typeIn(c->Text2, QStringLiteral("2.5e3"));
        QTest::keyClick(c->Text2, Qt::Key_Backspace);
        typeIn(c->Text2, QStringLiteral("-"));
        QCOMPARE(c->Text2->text(), QStringLiteral("2.5e"));
        QCOMPARE(msgs().shown.size(), 1);
    }
};

QTEST_MAIN(TstWeights)
#include "tst_weights.moc"
