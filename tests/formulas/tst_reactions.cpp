// The reaction windows as a student uses them: the chooser, the reaction atom
// counter and the mass-mass calculator.
#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "CalculatorCases.h"
#include "Roads.h"
#include "TestSupport.h"
#include "formulas/frmMass.h"
#include "formulas/frmReactions.h"

using namespace Qt::StringLiterals;
using TestSupport::expectOne;

namespace {
FakeMessages& msgs() { return TestSupport::messages(); }
void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(w, k, m); }

template <class F> F* open(const char* name) {
    auto* f = Forms::showAs<F>(QLatin1String(name));
    QApplication::setActiveWindow(f);
    return f;
}

// What a column lists, "C 1, O 3, H 2"; a count without its symbol shows as "? n".
QString listed(const QList<QLabel*>& symbols, const QList<QLineEdit*>& counts) {
    QStringList rows;
    for (int r = 0; r < counts.size(); ++r)
        if (!symbols[r]->text().isEmpty() || !counts[r]->text().isEmpty())
            rows << (symbols[r]->text().isEmpty() ? u"?"_s : symbols[r]->text()) + u' ' + counts[r]->text();
    return rows.join(u", "_s);
}
QString left(frmReactions* w) { return listed(w->Label2, w->Text1); }
QString right(frmReactions* w) { return listed(w->Label3, w->Text2); }
QString sides(frmReactions* w) { return left(w) + u" / "_s + right(w); }
}  // namespace

class TstReactions : public QObject {
    Q_OBJECT

    frmReactions* counter() { return open<frmReactions>("frmReactions"); }
    frmMass* mass() { return open<frmMass>("frmMass"); }
    // Types an equation as keys and presses Enter.
    void count(frmReactions* w, const QString& equation) {
        w->RichTextBox1->selectAll();
        QTest::keyClicks(w->RichTextBox1, equation);
        key(w->RichTextBox1, Qt::Key_Return);
        QApplication::processEvents();
    }

private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // From the chooser and the menu: the chooser is hidden, and Cancel or Escape shows it again.
    void roads() {
        for (auto [window, button, item] : {std::tuple{"frmReactions", "cmdBalancing", "mnuBalancingEquations"},
                                            std::tuple{"frmMass", "cmdMassMass", "mnuMassMassRelationships"}})
            QCOMPARE(Roads::drive({window, "cmdEquations", "frmReactionChoice", button, item}),
                     "hidden shown shown shown unloaded shown");
    }

    // ---- Reaction atom counter ------------------------------------------

    void counterOpensReadyToType() {
        auto* w = counter();
        QVERIFY(!w->cmdOk->isEnabled() && !w->cmdPrint->isEnabled());
        // Enter runs Ok while it is still disabled.
        key(w->RichTextBox1, Qt::Key_Return);
        expectOne(u"You must enter a formula."_s, u"Reactions"_s, Msg::Icon::None);
        QTest::keyClicks(w->RichTextBox1, u"H2"_s);
        QVERIFY(w->cmdOk->isEnabled() && w->cmdPrint->isEnabled());
    }

    void listsEveryElementOfTheCurrentEquation() {
        auto* w = counter();
        count(w, u"CO2 + H2O => C6H12O6 + O2"_s);
        QCOMPARE(left(w), u"C 1, O 3, H 2"_s);
        QCOMPARE(right(w), u"C 6, H 12, O 8"_s);
        QCOMPARE(w->Text2[1]->accessibleName(), u"H"_s);
        QCOMPARE(w->Label3[1]->buddy(), w->Text2[1]);
        // Changing a coefficient by editing keys and counting again.
        count(w, u"2H2 + O2 => 2H2O"_s);
        QCOMPARE(sides(w), u"H 4, O 2 / H 4, O 2"_s);
        key(w->RichTextBox1, Qt::Key_Home);
        key(w->RichTextBox1, Qt::Key_Delete);
        key(w->RichTextBox1, Qt::Key_End);
        key(w->RichTextBox1, Qt::Key_Backspace);
        QTest::keyClicks(w->RichTextBox1, u"O2,-*"_s);  // the last three are dropped without a word
        QCOMPARE(w->RichTextBox1->text(), u"H2 + O2 => 2H2O2"_s);
        key(w->RichTextBox1, Qt::Key_Return);
        QCOMPARE(sides(w), u"H 2, O 2 / H 4, O 4"_s);
        QVERIFY(msgs().shown.isEmpty());
        // A pasted text is taken whole or refused whole: never joined to "NaCl".
        QApplication::clipboard()->setText(u"\nNa;Cl\t"_s);
        w->RichTextBox1->paste();
        TestSupport::settle();
        QCOMPARE(w->RichTextBox1->text(), u"H2 + O2 => 2H2O2"_s);
        QCOMPARE(msgs().shown.size(), 1);
        QCOMPARE(msgs().lastText(), u"The character ; cannot be part of a formula."_s);
        QCOMPARE(msgs().shown.last().title, u"Reactions"_s);
        msgs().clear();
        QApplication::clipboard()->setText(u"\nNaCl\t"_s);
        w->RichTextBox1->paste();
        TestSupport::settle();
        QCOMPARE(w->RichTextBox1->text(), u"H2 + O2 => 2H2O2NaCl"_s);
        QVERIFY(msgs().shown.isEmpty());
    }

    void moreElementsThanTheFramesDraw() {
        auto* w = counter();
        const int designHeight = w->height();
        count(w, u"KMnO4 + HCl + FeSO4 => KCl + MnCl2 + Fe2(SO4)3 + H2O"_s);
        QCOMPARE(left(w), u"K 1, Mn 1, O 8, H 1, Cl 1, Fe 1, S 1"_s);
        QCOMPARE(right(w), u"K 1, Cl 3, Mn 1, Fe 2, S 3, O 13, H 2"_s);
        QCOMPARE(w->Text1.size(), 7);
        QVERIFY(w->height() > designHeight);
        auto* scroll = w->fraFrame1->findChild<QScrollArea*>();
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
        const QPoint last = w->Text1.last()->mapTo(scroll->viewport(), QPoint(0, w->Text1.last()->height()));
        QVERIFY(w->Text1.last()->isVisible() && last.y() <= scroll->viewport()->height());  // the seventh row shows
        // A shorter equation leaves no row of the earlier one.
        count(w, u"H2 => H2"_s);
        QCOMPARE(sides(w), u"H 2 / H 2"_s);
        QCOMPARE(w->Text1.size(), 6);
        QCOMPARE(w->height(), designHeight);

        // Twenty elements: the frames stop growing and scroll.
        count(w, u"HLiNaKRbCsBeMgCaSrBaBCAlNOPSFCl => H"_s);
        QCOMPARE(w->Text1.size(), 20);
        QCOMPARE(w->Text1[19]->text(), u"1"_s);
        QVERIFY(w->Text1[19]->isVisible());
        QVERIFY(scroll->verticalScrollBar()->isVisible());
        QVERIFY(w->height() < 1000);

        // Clear empties the box and the rows; Ok stays enabled.
        w->cmdClear->click();
        QCOMPARE(w->RichTextBox1->text() + left(w) + right(w), QString());
        QCOMPARE(w->Text1.size(), 6);
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
        QVERIFY(w->cmdOk->isEnabled() && w->cmdPrint->isEnabled());
    }

    // No arrow, an arrow of two parts or two arrows: the message and the text kept; no row of the
    // equation counted before stays beside the refused one.
    void refusedEquationsKeepWhatTheStudentTyped() {
        auto* w = counter();
        for (const QString& equation : {u"H2 + O2 = H2O"_s, u"H2 + O2 = > H2O"_s, u"H2 => O2 => H2O"_s}) {
            count(w, u"Fe2O3 + 3CO => 2Fe + 3CO2"_s);
            QCOMPARE(sides(w), u"Fe 2, O 6, C 3 / Fe 2, C 3, O 6"_s);
            msgs().clear();
            count(w, equation);
            expectOne(u"You must use the = and > symbols."_s, u"Invalid symbol in equation."_s, Msg::Icon::Information);
            QCOMPARE(w->RichTextBox1->text(), equation);
            QCOMPARE(sides(w), u" / "_s);
            QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
        }
        // An emptied box likewise.
        count(w, u"Fe2O3 + 3CO => 2Fe + 3CO2"_s);
        msgs().clear();
        w->RichTextBox1->selectAll();
        key(w->RichTextBox1, Qt::Key_Backspace);
        key(w->RichTextBox1, Qt::Key_Return);
        expectOne(u"You must enter a formula."_s, u"Reactions"_s, Msg::Icon::None);
        QCOMPARE(sides(w), u" / "_s);
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
    }

    void moleculeFaultsListNothingForTheirSide() {
        auto* w = counter();
        count(w, u"CO2 + H2O => C6H12O6 + O2"_s);
        count(w, u"H2 + Xx => H2O"_s);
        expectOne(u"Left side, molecule Xx: The element symbol Xx was not found. Check the capital and small letters."_s,
                  u"Tessival"_s, Msg::Icon::Information);
        QCOMPARE(sides(w), u" / H 2, O 1"_s);
        count(w, u"H2O) => (OH"_s);
        QCOMPARE(msgs().shown.size(), 2);  // one message for both faults
        QCOMPARE(msgs().lastText(), u"Left side, molecule H2O): The formula has a \")\" without its opening \"(\".\n"
                                    "Right side, molecule (OH: The group (OH has no closing \")\"."_s);
        QCOMPARE(left(w) + right(w), QString());
        count(w, u"H2 + O2 =>"_s);  // nothing on the right is no fault
        QCOMPARE(sides(w), u"H 2, O 2 / "_s);
        QCOMPARE(msgs().shown.size(), 2);
    }

    void symbolsAreReadFromTheDatabase() {
        auto* w = counter();
        count(w, u"CO2 => CO2"_s);
        TempDatabase db({u"CREATE TABLE GeneralInfo (Symbol TEXT)"_s, u"INSERT INTO GeneralInfo VALUES ('O')"_s});
        count(w, u"O2 => CO2"_s);
        expectOne(u"Right side, molecule CO2: The element symbol C was not found. Check the capital and small letters."_s,
                  u"Tessival"_s, Msg::Icon::Information);
        QCOMPARE(sides(w), u"O 2 / "_s);
    }

    // ---- Mass-mass calculator ---------------------------------------------

    void massOpensAndAnyBoxEnablesOk() {
        auto* w = mass();
        key(w->Text14, Qt::Key_Return);  // Enter runs Ok while it is still disabled
        expectOne(u"You must enter data in one of the gram boxes."_s, u"Tessival"_s, Msg::Icon::Information);
        QCOMPARE(w->Text14->text() + w->Text17->text(), u"11"_s);
        for (QLineEdit* box : {w->Text14, w->Text1, w->Text6, w->Text17, w->Text4, w->Text9}) {
            w->Form_Load();
            QVERIFY(!w->cmdOk->isEnabled() && !w->cmdPrint->isEnabled());
            QTest::keyClicks(box, u"2"_s);
            QVERIFY2(w->cmdOk->isEnabled() && w->cmdPrint->isEnabled(), qPrintable(box->objectName()));
        }
        // Key sets: coefficients digits only, weights no exponent, grams an exponent.
        w->cmdClear->click();
        QTest::keyClicks(w->Text14, u"2."_s);
        QTest::keyClicks(w->Text6, u"1E"_s);
        QTest::keyClicks(w->Text1, u"1E-2"_s);
        QCOMPARE(w->Text14->text() + u'|' + w->Text6->text() + u'|' + w->Text1->text(), u"2|1|1E-2"_s);
        QCOMPARE(msgs().shown.size(), 3);
        QCOMPARE(msgs().lastText(), u"You must enter a valid numerical expression"_s);
    }

    // The boxes Text14, Text1, Text6, Text17, Text4 and Text9 ("~" empty) typed over a first answer, then
    // Enter: the answer and work line, or the message with no answer left beside the boxes.
    void massBothDirectionsAndChecks_data() {
        CalculatorCases::columns();
        const auto row = [](const char* name, const char* boxes, const QString& answer, const QString& work) {
            const QStringList typed = QString::fromLatin1(boxes).split(u' ').replaceInStrings(u"~"_s, QString());
            CalculatorCases::row(name, -1, typed, answer, work);
        };
        // Refused: the message, and the first answer not shown again.
        const auto refused = [](const char* name, const char* boxes, const QString& message) {
            const QStringList typed = QString::fromLatin1(boxes).split(u' ').replaceInStrings(u"~"_s, QString());
            const auto icon = message == u"Data entry error"_s ? Msg::Icon::None : Msg::Icon::Information;
            CalculatorCases::row(name, -1, typed, u"35.744"_s, u"(4 / 2.016) * (2 / 2) * 18.015"_s,
                                 CalculatorCases::said(message, icon));
        };
        row("hydrogen to water", "2 4 2.016 2 ~ 18.015", u"35.744"_s, u"(4 / 2.016) * (2 / 2) * 18.015"_s);
        row("water back to hydrogen", "2 ~ 2.016 2 36 18.015", u"4.029"_s, u"(36 / 18.015) * (2 / 2) * 2.016"_s);
        row("coefficients default to 1", "~ 1E2 .5 0 ~ 0.5", u"100.000"_s, u"(1E2 / .5) * (1 / 1) * 0.5"_s);
        row("a coefficient of 00 is 0", "00 3 1 2 ~ 1", u"6.000"_s, u"(3 / 1) * (2 / 1) * 1"_s);
        const QString weight = u"You must enter a valid number for molecular weight."_s, trap = u"Data entry error"_s;
        refused("both grams", "~ 4 0 ~ 3 0", u"You must leave one of the gram boxes empty."_s);
        refused("no grams", "2 ~ 0 2 ~ 0", u"You must enter data in one of the gram boxes."_s);
        refused("first M.W. empty", "2 -4 ~ 2 ~ 18", weight);
        refused("first M.W. 0.0", "2 -4 0.0 2 ~ 18", weight);
        refused("first M.W. -1", "2 -4 -1 2 ~ 18", weight);
        refused("second M.W. 0", "2 -4 2 2 ~ 0", weight);
        refused("negative grams", "2 ~ 2 2 -4 18", u"You must enter a valid number for grams."_s);
        refused("a minus alone", "~ - 2 ~ ~ 18", trap);
        refused("too large", "1 3E305 0.001 1 ~ 1000", trap);
    }
    void massBothDirectionsAndChecks() {
        CalculatorCases::run({.window = "frmMass",
                              .first = {{"2", "4", "2.016", "2", "", "18.015"}},
                              .press = CalculatorCases::Run::EnterInLastTyped,
                              .after = [](CalculatorForm* f) {
                                  QFETCH(QStringList, typed);
                                  QFETCH(QStringList, said);
                                  auto* w = static_cast<frmMass*>(f);
                                  if (said.isEmpty())  // the empty gram box stays empty
                                      QVERIFY(w->Text1->text() == typed[1] && w->Text4->text() == typed[4]);
                                  else  // the coefficient defaults come before the checks, after reading the grams
                                      QCOMPARE(w->Text14->text(),
                                               typed[1] == u"-"_s ? QString() : typed[0].isEmpty() ? u"1"_s : typed[0]);
                              }});
    }
};

QTEST_MAIN(TstReactions)
#include "tst_reactions.moc"
