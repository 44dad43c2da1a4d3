// The weight windows as a student uses them: the chooser, the molecular
// weight calculator with its live formatting, and the weight calculations.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QSqlQuery>
#include <QTest>

#include "MessageTexts.h"
#include "TestSupport.h"
#include "formulas/Module2.h"
#include "platform/NumberText.h"
#include "formulas/frmWeightCalculations.h"
#include "formulas/frmWeightChoice.h"
#include "formulas/frmWeights.h"
#include "refdata/ReferenceDatabase.h"

using namespace Qt::StringLiterals;

namespace {
class Stub : public Form {};
void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(w, k, m); }
void typeIn(QWidget* w, const QString& text) {
    for (QChar c : text) QTest::keyClick(w, c.toLatin1());
}
bool loaded(const QString& name) { return Forms::isLoaded(name); }
// The title of the named window if it is showing, else "(not shown)".
QString showing(const QString& name) {
    return loaded(name) && Forms::loaded(name)->isVisible() ? Forms::loaded(name)->windowTitle() : u"(not shown)"_s;
}
// The box's text with each character's place: '-' on the line, 'v' lowered, '^' raised.
QString placing(QTextEdit* box) {
    QString out;
    QTextCursor c(box->document());
    for (int i = 1; i <= int(box->toPlainText().size()); ++i) {
        c.setPosition(i);
        const auto v = c.charFormat().verticalAlignment();
        out += v == QTextCharFormat::AlignSubScript ? 'v' : v == QTextCharFormat::AlignSuperScript ? '^' : '-';
    }
    return out;
}
QString fixed3(double v) { return QLocale().toString(v, 'f', 3); }
}  // namespace

class TstWeights : public QObject {
    Q_OBJECT
    QHash<QString, double> atomic;
    FakeMessages& msgs() { return TestSupport::messages(); }
    double a(const char* s) const { return atomic.value(QLatin1String(s)); }
    double water() const { return 2 * a("H") + a("O"); }
    template <class F> F* open(const QString& name) {
        auto* f = Forms::showAs<F>(name);
        f->activateWindow();
        QApplication::setActiveWindow(f);
        return f;
    }
    frmWeights* weights() { return open<frmWeights>(u"frmWeights"_s); }
    frmWeightCalculations* calc() { return open<frmWeightCalculations>(u"frmWeightCalculations"_s); }
    void expectMsg(const QString& text, Msg::Icon icon) {
        QVERIFY(!msgs().shown.isEmpty());
        QCOMPARE(msgs().lastText(), text);
        QCOMPARE(msgs().shown.last().icon, icon);
        QCOMPARE(msgs().shown.last().title, u"Tessival"_s);
    }

private slots:
    void initTestCase() {
        TestSupport::init();
        Forms::registerKind(u"frmHelp"_s, [] { return new Stub; });
        QSqlQuery q(ReferenceDatabase::currentDatabase());
        QVERIFY(q.exec(u"SELECT Symbol, AtomicWeight FROM GeneralInfo"_s));
        while (q.next()) atomic.insert(q.value(0).toString(), q.value(1).toDouble());
    }
    void init() {
        TestSupport::unloadAll();
        msgs().clear();
    }

    void chooserCancelEscapeAndF1() {
        // The chooser unloads itself and shows its choice; Escape just closes it.
        auto choose = [](auto act) {
            auto* ch = Forms::showAs<frmWeightChoice>(u"frmWeightChoice"_s);
            QCOMPARE(ch->windowTitle(), u"Molecular Weight Calculations"_s);
            QCOMPARE(ch->cmdCalculateWeight->text(), u"Calculate MolecularWeight"_s);
            act(ch);
            TestSupport::settle();
            QVERIFY(!loaded(u"frmWeightChoice"_s));
        };
        choose([](frmWeightChoice* ch) { ch->cmdCalculateWeight->click(); });
        QCOMPARE(showing(u"frmWeights"_s), u"Molecular Weights"_s);
        auto* w = weights();
        key(w->RichTextBox1, Qt::Key_Escape);  // does nothing in the calculator
        TestSupport::settle();
        QVERIFY(loaded(u"frmWeights"_s));
        key(w->RichTextBox1, Qt::Key_F1);
        QVERIFY(loaded(u"frmHelp"_s));
        Forms::unload(u"frmHelp"_s);
        w->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(!loaded(u"frmWeights"_s));
        QCOMPARE(showing(u"frmWeightChoice"_s), u"Molecular Weight Calculations"_s);
        QVERIFY(showing(u"frmMain"_s) != u"(not shown)"_s);
        choose([](frmWeightChoice* ch) { ch->cmdCalculate->click(); });
        QCOMPARE(showing(u"frmWeightCalculations"_s), u"Molecular Weight Calculations"_s);
        key(calc()->Text2, Qt::Key_F1);
        QVERIFY(loaded(u"frmHelp"_s));
        key(calc()->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!loaded(u"frmWeightCalculations"_s));
        QCOMPARE(showing(u"frmWeightChoice"_s), u"Molecular Weight Calculations"_s);
        choose([](frmWeightChoice* ch) { key(ch->cmdCalculate, Qt::Key_Escape); });
    }

    // ---- Molecular weight calculator ------------------------------------

    void typingEnablesOkAndFormatsTheFormula() {
        auto* w = weights();
        auto* box = w->RichTextBox1;
        QVERIFY(!w->cmdOk->isEnabled() && !w->cmdPrint->isEnabled());
        QCOMPARE(box->toolTip(), u"Here is an example of an entry: 2Mn(NO3)2.10H2O"_s);  // the letter O
        QCOMPARE(box->accessibleName(), u"Enter a formula using correct form with capital/small letters."_s);
        QCOMPARE(w->lblWeights1->buddy(), box);
        QCOMPARE(QApplication::focusWidget(), box);
        typeIn(box, u"2Mn(NO3)2.10H2O"_s);
        QVERIFY(w->cmdOk->isEnabled() && w->cmdPrint->isEnabled());
        QCOMPARE(box->toPlainText(), u"2Mn(NO3)2.10H2O"_s);
        QCOMPARE(placing(box), u"------v-v^---v-"_s);
        QCOMPARE(Module2::FormulaText, u"Mn(NO3)2.10H2O"_s);
        QCOMPARE(Module2::FormulaCoefficient, u"02"_s);
        QCOMPARE(box->textCursor().position(), 15);
        // The tool tip's example, typed as it reads, weighs two Mn(NO3)2.10H2O.
        QCOMPARE(box->toPlainText(), box->toolTip().section(u' ', -1));
        key(box, Qt::Key_Return);
        QCOMPARE(w->Text1->text(), u"718.192"_s);
        w->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed.last(), w);
    }

    void editingAnywhereKeepsBoxAndFormulaTheSame() {
        auto* w = weights();
        auto* box = w->RichTextBox1;
        auto expect = [&](const QString& text, const QString& places, int caret) {
            QCOMPARE(box->toPlainText(), text);
            QCOMPARE(placing(box), places);
            QCOMPARE(box->textCursor().position(), caret);
            QCOMPARE(Module2::FormulaText, text.mid(text.front().isDigit() ? 1 : 0));
        };
        typeIn(box, u"CuSO45H2O"_s);
        // Caret back to just after the 4, then the dot: the 5 becomes a count on the line.
        for (int i = 0; i < 4; ++i) key(box, Qt::Key_Left);
        typeIn(box, u"."_s);
        expect(u"CuSO4.5H2O"_s, u"----v^--v-"_s, 6);
        key(box, Qt::Key_Backspace);  // the 5 is lowered again
        expect(u"CuSO45H2O"_s, u"----vv-v-"_s, 5);
        key(box, Qt::Key_Home);
        key(box, Qt::Key_Delete);
        expect(u"uSO45H2O"_s, u"---vv-v-"_s, 0);
        typeIn(box, u"3C"_s);  // a digit at the very start is the coefficient, on the line
        expect(u"3CuSO45H2O"_s, u"-----vv-v-"_s, 2);
        QCOMPARE(Module2::FormulaCoefficient, u"03"_s);
        w->cmdClear_Click();
        key(box, Qt::Key_Backspace);  // harmless in an empty box
        QCOMPARE(box->toPlainText(), QString());
        QCOMPARE(Module2::FormulaText, QString());
    }

    void refusedKeysAndPasting() {
        auto* w = weights();
        auto* box = w->RichTextBox1;
        typeIn(box, u"C +a-,"_s);
        key(box, Qt::Key_Tab);
        QCOMPARE(box->toPlainText(), u"Ca"_s);
        QVERIFY(msgs().shown.isEmpty());
        // The line end a copy brings along is not part of the formula.
        QApplication::clipboard()->setText(u"(NO3)2\n"_s);
        key(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->toPlainText(), u"Ca(NO3)2"_s);
        QCOMPARE(placing(box), u"-----v-v"_s);
        QCOMPARE(box->textCursor().position(), 8);
        QCOMPARE(Module2::FormulaText, u"Ca(NO3)2"_s);
        key(box, Qt::Key_Return);
        QCOMPARE(w->txtWeights2->text(), fixed3(a("Ca") + 2 * (a("N") + 3 * a("O"))));
    }

    // A pasted text with a character no formula holds is refused whole,
    // never weighed with its neighbours joined.
    void pasteWithForeignCharactersIsRefusedWhole_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("named");
        QTest::newRow("middle dot") << u"CuSO4\u00b75H2O"_s << u"\u00b7"_s;
        QTest::newRow("asterisk") << u"CuSO4*5H2O"_s << u"*"_s;
        QTest::newRow("brackets") << u"Fe4[Fe(CN)6]3"_s << u"["_s;
        QTest::newRow("subscript two") << u"H\u2082O"_s << u"\u2082"_s;
        QTest::newRow("inner blank") << u"Ca (OH)2"_s << u"blank"_s;
    }
    void pasteWithForeignCharactersIsRefusedWhole() {
        QFETCH(QString, pasted);
        QFETCH(QString, named);
        auto* w = weights();
        typeIn(w->RichTextBox1, u"NaCl"_s);
        w->cmdOk->click();
        const QString weight = w->txtWeights2->text();
        QApplication::clipboard()->setText(pasted);
        key(w->RichTextBox1, Qt::Key_V, Qt::ControlModifier);
        TestSupport::settle();  // told once the paste has ended
        QCOMPARE(msgs().shown.size(), 1);
        // A blank is named as one, not shown as an invisible character.
        expectMsg(named == u"blank"_s ? u"A blank cannot be part of a formula."_s
                                      : u"The character %1 cannot be part of a formula."_s.arg(named),
                  Msg::Icon::Information);
        QCOMPARE(w->RichTextBox1->toPlainText(), u"NaCl"_s);
        QCOMPARE(Module2::FormulaText, u"NaCl"_s);
        QCOMPARE(w->txtWeights2->text(), weight);
    }

    // A long paste is formatted and weighed whole; beyond the box's limit it is refused.
    void longFormulas() {
        auto* w = weights();
        // A diol of 1,000 characters: C332 H666 O2.
        const QString formula = u"HOCH2"_s + u"CH2"_s.repeated(330) + u"CH2OH"_s;
        QCOMPARE(formula.size(), FormulaBox::Limit);
        QApplication::clipboard()->setText(formula);
        key(w->RichTextBox1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->RichTextBox1->toPlainText(), formula);
        QCOMPARE(placing(w->RichTextBox1).count(u'v'), 332);
        w->cmdOk->click();
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        QCOMPARE(w->txtWeights2->text(), fixed3(Num::roundDecimal(332 * a("C") + 666 * a("H") + 2 * a("O"), 3)));
        typeIn(w->RichTextBox1, u"O"_s);  // the box is full: the key is dropped
        QCOMPARE(w->RichTextBox1->toPlainText(), formula);
        w->cmdClear_Click();
        QApplication::clipboard()->setText(formula + formula);
        key(w->RichTextBox1, Qt::Key_V, Qt::ControlModifier);
        TestSupport::settle();
        expectMsg(u"A formula can hold at most 1,000 characters."_s, Msg::Icon::Information);
        QVERIFY(w->RichTextBox1->toPlainText().isEmpty());
    }

    // Both boxes show one rounding of one value; a tie is settled on the
    // decimal sum of the stored weights (Rh 102.9055 + O 15.999 = 118.9045,
    // V 50.9415 + 3 x H 1.008 = 53.9655).
    void bothBoxesAgreeAtRoundingTies_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("weight");
        QTest::newRow("RhO") << "RhO" << "118.905";
        QTest::newRow("VH3") << "VH3" << "53.966";
    }
    void bothBoxesAgreeAtRoundingTies() {
        QFETCH(QString, formula);
        QFETCH(QString, weight);
        QCOMPARE(a("Rh"), 102.9055);
        QCOMPARE(a("V"), 50.9415);
        auto* w = weights();
        typeIn(w->RichTextBox1, formula);
        w->cmdOk->click();
        QCOMPARE(w->txtWeights2->text(), weight);
        QCOMPARE(w->Text1->text(), weight);
    }

    // The % hydrate is the water of hydration: the H2O parts after a dot,
    // not a salt or ammonia after one.
    void hydrateCountsOnlyWater_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("water");     // the water's formula units, as "6"
        QTest::addColumn<QString>("shown");     // empty: computed from the water
        QTest::newRow("Mohr's salt written with a dot") << u"(NH4)2SO4.FeSO4.6H2O"_s << u"6"_s << QString();
        QTest::newRow("Mohr's salt in one part") << u"(NH4)2Fe(SO4)2.6H2O"_s << u"6"_s << QString();
        QTest::newRow("potassium alum") << u"K2SO4.Al2(SO4)3.24H2O"_s << u"24"_s << QString();
        QTest::newRow("a count alone is water") << u"CuSO4.5"_s << u"5"_s << QString();
        QTest::newRow("ammonia is no water") << u"CaCl2.8NH3"_s << QString() << frmWeights::NoWater;
        QTest::newRow("no dot") << u"NaCl"_s << QString() << frmWeights::NoWater;
        // Water however it is bracketed, worked by hand: 5 x 18.015 / 249.677,
        // 2 x 18.015 / 172.164.
        QTest::newRow("water written plain") << u"CuSO4.5H2O"_s << QString() << u"36.077%"_s;
        QTest::newRow("water in a group after its count") << u"CuSO4.5(H2O)"_s << QString() << u"36.077%"_s;
        QTest::newRow("water in a group before its count") << u"CaSO4.(H2O)2"_s << QString() << u"20.928%"_s;
        QTest::newRow("water in nested groups") << u"CuSO4.((H2O)5)"_s << QString() << u"36.077%"_s;
        QTest::newRow("counts on both sides") << u"CaSO4.2(H2O)"_s << u"2"_s << QString();
        QTest::newRow("ammonia in a group is no water") << u"CaCl2.(NH3)8"_s << QString() << frmWeights::NoWater;
        QTest::newRow("peroxide in a group is no water") << u"Na2CO3.(H2O2)"_s << QString() << frmWeights::NoWater;
        QTest::newRow("water beside another group is no water") << u"CaSO4.(H2O)(OH)"_s << QString()
                                                                << frmWeights::NoWater;
    }
    void hydrateCountsOnlyWater() {
        QFETCH(QString, formula);
        QFETCH(QString, water);
        QFETCH(QString, shown);
        auto* w = weights();
        typeIn(w->RichTextBox1, formula);
        w->chk2->setChecked(true);
        w->cmdOk->click();
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        if (shown.isEmpty()) {
            const double total = Module2::Weigh(formula).weight;
            shown = fixed3(water.toDouble() * this->water() / total * 100) + u"%"_s;
        }
        QCOMPARE(w->txtHydrate->text(), shown);
    }

    // Mohr's salt, worked by hand: 6 x 18.015 / 392.125 = 27.565 %.
    void mohrsSaltByHand() {
        auto* w = weights();
        typeIn(w->RichTextBox1, u"(NH4)2SO4.FeSO4.6H2O"_s);
        w->chk2->setChecked(true);
        w->cmdOk->click();
        QCOMPARE(w->txtHydrate->text(), u"27.565%"_s);
    }

    // A formula a screen reader sets that the box refuses leaves the formula
    // and its weights as they were.
    void refusedScreenReaderTextKeepsTheFormula() {
        auto* w = weights();
        typeIn(w->RichTextBox1, u"H2O"_s);
        w->cmdOk->click();
        const QString weight = w->txtWeights2->text(), mole = w->Text1->text();
        QVERIFY(!weight.isEmpty());
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w->RichTextBox1);
        QVERIFY(i);
        i->setText(QAccessible::Value, u"H2O + NaCl"_s);
        TestSupport::settle();
        QCOMPARE(w->RichTextBox1->formula(), u"H2O"_s);
        QCOMPARE(w->txtWeights2->text(), weight);
        QCOMPARE(w->Text1->text(), mole);
        QVERIFY(!msgs().shown.isEmpty());
    }

    // The boxes follow their check boxes however these are set.
    void hydrateCountsEveryPartAfterTheDot() {
        auto* w = weights();
        typeIn(w->RichTextBox1, u"CaCl2.2H2O.2H2O"_s);
        w->cmdOk->click();
        const double total = a("Ca") + 2 * a("Cl") + 4 * water();
        w->chk2->setChecked(true);
        QCOMPARE(w->txtHydrate->text(), fixed3(4 * water() / total * 100) + u"%"_s);
        w->chk1->setChecked(true);
        QCOMPARE(w->txtComposition[0]->text(), u"Ca "_s + fixed3(a("Ca") / total * 100) + u"%"_s);
        w->chk2->setChecked(false);
        QVERIFY(w->txtHydrate->text().isEmpty());
    }

    // A table that cannot be read is reported as such, not as the student's symbol.
    void unreadableElementTable() {
        TempDatabase db({"CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT)",
                         "INSERT INTO GeneralInfo VALUES (1, 'H'), (8, 'O')"});
        QVERIFY(db.opened);
        auto* w = weights();
        const QString told = u"The element table could not be read: no such column: AtomicWeight"_s;
        expectMsg(told, Msg::Icon::Information);
        msgs().clear();
        typeIn(w->RichTextBox1, u"H2O"_s);
        w->cmdOk->click();
        QCOMPARE(msgs().shown.size(), 1);
        expectMsg(told, Msg::Icon::Information);
        QVERIFY(w->txtWeights2->text().isEmpty() && w->Text1->text().isEmpty());
        TestSupport::unloadAll();
    }

    // An element the table names without a readable weight stops Ok with the
    // table's own message, not as the student's symbol.
    // A weight no atom can have is a missing one.
    void unreadableAtomicWeight_data() {
        QTest::addColumn<QString>("oxygen");
        QTest::newRow("missing") << u"NULL"_s;
        QTest::newRow("negative") << u"-15.999"_s;
        QTest::newRow("zero") << u"0"_s;
    }
    void unreadableAtomicWeight() {
        QFETCH(QString, oxygen);
        TempDatabase db({"CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, AtomicWeight REAL)",
                         u"INSERT INTO GeneralInfo VALUES (1, 'H', 1.008), (8, 'O', %1)"_s.arg(oxygen),
                         "CREATE TABLE MolecularWeights (Substance TEXT, Weight REAL)"});
        QVERIFY(db.opened);
        auto* w = weights();
        QVERIFY(msgs().shown.isEmpty());
        typeIn(w->RichTextBox1, u"H2"_s);
        w->cmdOk->click();
        QCOMPARE(w->txtWeights2->text(), u"2.016"_s);
        typeIn(w->RichTextBox1, u"O"_s);
        w->cmdOk->click();
        QCOMPARE(msgs().shown.size(), 1);
        expectMsg(u"The element table holds no atomic weight for O."_s, Msg::Icon::Information);
        QVERIFY(w->txtWeights2->text().isEmpty() && w->Text1->text().isEmpty());
        QCOMPARE(w->RichTextBox1->toPlainText(), u"H2O"_s);
        TestSupport::unloadAll();
    }

    // Tab runs from the formula through the buttons to the check boxes and help.
    void tabOrder() {
        auto* w = weights();
        typeIn(w->RichTextBox1, u"NaCl"_s);
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
        QStringList visited;
        for (int i = 0; i < 7; ++i) {
            key(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({u"cmdOk"_s, u"cmdClear"_s, u"cmdPrint"_s, u"cmdCancel"_s, u"chk2"_s, u"chk1"_s,
                                       u"cmdHelp"_s}));
        QCOMPARE(w->RichTextBox1->toPlainText(), u"NaCl"_s);
    }

    void unreadableGroupTableWeighsGroupsFromTheirAtoms() {
        TempDatabase db({"CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, AtomicWeight REAL)",
                         "INSERT INTO GeneralInfo VALUES (7, 'N', 14.007), (8, 'O', 15.999), (20, 'Ca', 40.078)",
                         "CREATE TABLE MolecularWeights (Substance TEXT)", "INSERT INTO MolecularWeights VALUES ('NO3')"});
        QVERIFY(db.opened);
        auto* w = weights();
        typeIn(w->RichTextBox1, u"Ca(NO3)2"_s);
        w->cmdOk->click();
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        QCOMPARE(w->txtWeights2->text(), u"164.086"_s);  // 40.078 + 2 x (14.007 + 3 x 15.999)
        TestSupport::unloadAll();
    }

    void okWeighsWhatTheBoxShows_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("weight");
        QTest::addColumn<int>("k");
        QTest::newRow("H2O") << "H2O" << water() << 1;
        QTest::newRow("2H2O") << "2H2O" << water() << 2;
        QTest::newRow("CuSO4.5H2O") << "CuSO4.5H2O" << a("Cu") + a("S") + 4 * a("O") + 5 * water() << 1;
        QTest::newRow("sugar, 1,000 and more") << "3C12H22O11" << 12 * a("C") + 22 * a("H") + 11 * a("O") << 3;
    }
    void okWeighsWhatTheBoxShows() {
        QFETCH(QString, formula);
        QFETCH(double, weight);
        QFETCH(int, k);
        auto* w = weights();
        typeIn(w->RichTextBox1, formula);
        key(w->RichTextBox1, Qt::Key_Return);
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        const double r3 = std::round(weight * 1000) / 1000;
        QCOMPARE(w->txtWeights2->text(), k == 1 ? fixed3(weight) : Num::text(r3 * k));
        QCOMPARE(w->Text1->text(), Num::text(r3 * k));
    }

    // Weighed, then the box edited without Ok: no weight or % stays beside a formula it was not weighed for.
    void anEditEmptiesTheAnswers_data() {
        QTest::addColumn<QString>("edit");
        QTest::newRow("typed over") << "type NaCl";
        QTest::newRow("one key added") << "type 2";
        QTest::newRow("Backspace") << "key Backspace";
        QTest::newRow("Delete inside") << "key Home Right Right Delete";
        QTest::newRow("pasted over") << "paste NaCl";
    }
    void anEditEmptiesTheAnswers() {
        QFETCH(QString, edit);
        auto* w = weights();
        typeIn(w->RichTextBox1, u"CuSO4.5H2O"_s);
        w->chk1->setChecked(true);
        w->chk2->setChecked(true);
        w->cmdOk->click();
        QCOMPARE(w->txtWeights2->text(), fixed3(a("Cu") + a("S") + 4 * a("O") + 5 * water()));
        QVERIFY(!w->txtComposition[0]->text().isEmpty() && !w->txtHydrate->text().isEmpty());
        const QStringList words = edit.split(u' ');
        if (words[0] == u"type") {
            if (words[1] == u"NaCl") w->RichTextBox1->selectAll();
            typeIn(w->RichTextBox1, words[1]);
        } else if (words[0] == u"key") {
            for (const QString& k : words.mid(1))
                key(w->RichTextBox1, k == u"Home"     ? Qt::Key_Home
                                     : k == u"Right"  ? Qt::Key_Right
                                     : k == u"Delete" ? Qt::Key_Delete
                                                      : Qt::Key_Backspace);
        } else {
            w->RichTextBox1->selectAll();
            QApplication::clipboard()->setText(words[1]);
            key(w->RichTextBox1, Qt::Key_V, Qt::ControlModifier);
        }
        QVERIFY(w->RichTextBox1->toPlainText() != u"CuSO4.5H2O"_s);
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        QStringList shown{w->txtWeights2->text(), w->Text1->text(), w->txtHydrate->text()};
        for (QLineEdit* b : w->txtComposition) shown << b->text();
        QCOMPARE(shown.join(QString()), QString());
        // Ok weighs the new formula; the check boxes still hold.
        w->cmdOk->click();
        QVERIFY(!w->txtWeights2->text().isEmpty() && !w->txtComposition[0]->text().isEmpty());
    }

    void okStopsWithAMessageAndNoAnswer_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("selected");
        auto row = [](const char* f, const char* m, const char* sel) {
            QTest::newRow(f) << QString(f) << QString(m) << QString(sel);
        };
        row("Xx2", "The element symbol Xx was not found. Check the capital and small letters.", "Xx");
        row("CL2", "The element symbol L was not found. Check the capital and small letters.", "L");
        row("Na(Qq)", "The group (Qq) was not found, and the element symbol Qq in it was not found either.", "(Qq)");
        row("Ca(NO3", "The group (NO3 has no closing \")\".", "(NO3");
        row("CaNO3)2", "The formula has a \")\" without its opening \"(\".", ")");
        row("22", "The formula holds no element symbol.", "22");
    }
    void okStopsWithAMessageAndNoAnswer() {
        QFETCH(QString, formula);
        QFETCH(QString, message);
        auto* w = weights();
        typeIn(w->RichTextBox1, u"NaCl"_s);
        w->chk1->setChecked(true);
        w->chk2->setChecked(true);
        w->cmdOk->click();
        QVERIFY(!w->txtWeights2->text().isEmpty() && !w->txtComposition[0]->text().isEmpty());
        msgs().clear();
        w->setFormulaText(QString());
        typeIn(w->RichTextBox1, formula);
        w->cmdOk->click();
        QCOMPARE(msgs().shown.size(), 1);
        expectMsg(message, Msg::Icon::None);
        // No weight stands beside a formula it does not belong to; the fault is selected in the box.
        QVERIFY(w->txtWeights2->text().isEmpty() && w->Text1->text().isEmpty());
        QVERIFY(w->txtComposition[0]->text().isEmpty() && w->txtHydrate->text().isEmpty());
        QTEST(w->RichTextBox1->textCursor().selectedText(), "selected");
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
    }

    void emptyAndOneCharacterFormulas() {
        auto* w = weights();
        typeIn(w->RichTextBox1, u"H"_s);
        w->cmdOk->click();
        expectMsg(u"Formula must be larger than 1 character."_s, Msg::Icon::None);
        QCOMPARE(w->RichTextBox1->toPlainText(), QString());
        w->cmdOk->click();  // Ok stays enabled after Clear
        QCOMPARE(msgs().lastText(), u"You must enter data into the Enter Formula box."_s);
        QCOMPARE(QApplication::focusWidget(), w->RichTextBox1);
        QVERIFY(w->txtWeights2->text().isEmpty());
        init();
        w = weights();
        QVERIFY(!w->cmdOk->isEnabled());
        key(w->RichTextBox1, Qt::Key_Return);  // Enter with Ok still disabled runs Ok too
        QCOMPARE(msgs().lastText(), u"You must enter data into the Enter Formula box."_s);
        QCOMPARE(w->RichTextBox1->toPlainText(), QString());
    }

    // The manual's catalogue of the weigher's messages holds what the weigher
    // says, its variable parts named as the manual names them, and nothing else.
    void manualCatalogueIsWhatTheWeigherSays() {
        QStringList said;
        auto add = [&said](const QString& text) {
            if (!said.contains(text)) said.append(text);
        };
        // Typed, Ok: the two formulas too short to weigh.
        auto* w = weights();
        typeIn(w->RichTextBox1, u"H"_s);
        w->cmdOk->click();
        w->cmdOk->click();
        QCOMPARE(msgs().shown.size(), 2);
        for (const Msg::Box& box : std::as_const(msgs().shown)) add(box.text);
        add(u"Data entry error"_s);
        using F = FormulaScan::Fault;
        const struct {
            F fault;
            const char* subject;
            const char* inner;
        } refusals[] = {{F::NoElement, "", ""},          {F::UnknownSymbol, "<s>", ""},  {F::LowerCaseSymbol, "<s>", ""},
                        {F::UnknownGroup, "<g>", "<s>"}, {F::UnclosedGroup, "(<g>", ""}, {F::UnopenedGroup, "", ""},
                        {F::EmptyGroup, "", ""},         {F::StrayNumber, "<n>", ""},    {F::ZeroCount, "<n>", "<s>"},
                        {F::ZeroCount, "0", "."},        {F::NumberTooLarge, "<n>", ""}, {F::EmptyPart, "", ""},
                        {F::BadCharacter, "<c>", ""},    {F::TooLarge, "", ""}};
        for (const auto& r : refusals) {
            FormulaScan::Result form;
            form.fault = r.fault;
            form.subject = r.subject;
            form.inner = r.inner;
            add(QString::fromStdString(form.message()));
        }
        add(FormulaBox::pasteRefusal(u"<c>"_s));
        add(FormulaBox::tooLong());
        add(FormulaBox::pasteRefusal(QChar(u' ')));
        add(FormulaBox::pasteRefusal(QChar(u'\n')));
        add(Module2::ElementTableMessage(u"<reason>"_s));

        QStringList catalogue = TestSupport::messageTexts(w);
        catalogue.sort();
        said.sort();
        QCOMPARE(catalogue, said);
    }

    void compositionAndHydrateBoxes() {
        auto* w = weights();
        typeIn(w->RichTextBox1, u"CuSO4.5H2O"_s);
        w->chk1->click();
        w->chk2->click();
        w->cmdOk->click();
        const double total = a("Cu") + a("S") + 4 * a("O") + 5 * water();
        auto pct = [&](double m) { return fixed3(m / total * 100.0) + QLatin1Char('%'); };
        const QStringList shares = {"Cu " + pct(a("Cu")), "S " + pct(a("S")), "O " + pct(9 * a("O")),
                                    "H " + pct(10 * a("H")), QString(), QString()};
        for (int i = 0; i < 6; ++i) QCOMPARE(w->txtComposition[i]->text(), shares[i]);
        QCOMPARE(w->txtHydrate->text(), pct(5 * water()));
        // Unchecking empties; checking again fills from the same weighing.
        w->chk1->click();
        QCOMPARE(w->txtComposition[0]->text(), QString());
        w->chk1->click();
        QCOMPARE(w->txtComposition[0]->text(), shares[0]);
        w->chk2->click();
        QCOMPARE(w->txtHydrate->text(), QString());
        // Seven elements: the first six are shown; no water of hydration says so.
        w->setFormulaText(u"KNaLiCsRbFrH"_s);
        w->cmdOk->click();
        QCOMPARE(w->txtComposition[5]->text().section(' ', 0, 0), u"Fr"_s);
        w->chk2->click();
        QCOMPARE(w->txtHydrate->text(), frmWeights::NoWater);
        w->cmdClear_Click();
        QVERIFY(!w->chk1->isChecked() && !w->chk2->isChecked());
        for (QLineEdit* e : {w->txtComposition[0], w->txtHydrate, w->txtWeights2, w->Text1})
            QCOMPARE(e->text(), QString());
        QCOMPARE(Module2::FormulaCoefficient, u"0"_s);
    }

    void helpParagraphs() {
        weights()->cmdHelp->click();
        const QString text = msgs().lastText();
        expectMsg(text, Msg::Icon::Information);
        QVERIFY(text.startsWith(u"The molecular weight, as the name implies, is the weight of the molecule. To "
                                u"determine the weight of the molecule,  you must add"_s));
        QVERIFY(text.contains(u"Once  you have"_s));
        QVERIFY(text.endsWith(u"percent of the molecule is made up of H2O."_s));
        calc()->cmdHelp->click();
        expectMsg(u"If you are given a quantity of a molecule in one unit, sometimes you need to have that quantity in "
                  u"another unit. For example, if you are given a quantity of a molecule in grams, you might want to "
                  u"know how many moles there are or how many molecules are involved. Enter the molecular weight of "
                  u"the molecule in question, enter the quantity, select what unit it is in and finally select what "
                  u"unit you want to convert it to. Press Ok and the new quantity is given. "_s,
                  Msg::Icon::Information);
    }

    // ---- Weight calculations ---------------------------------------------

    void calculationsWindowAtLoad() {
        auto* c = calc();
        QVERIFY(c->cmdOk->isEnabled() && c->cmdPrint->isEnabled());
        QVERIFY(c->Option1->isChecked() && c->Option4->isChecked());
        QCOMPARE(c->Text4->accessibleName(), u"Work line"_s);
        QCOMPARE(c->Label3->text(), u"The number of molecules is "_s);
        c->Option5->click();
        QCOMPARE(c->Label3->text(), u"The number of grams is "_s);
        c->Option6->click();
        QCOMPARE(c->Label3->text(), u"The number of moles is "_s);
        c->Option2->click();
        QCOMPARE(c->Label3->text(), u"The number of moles is "_s);
        QVERIFY(c->Option6->isChecked());  // separate groups
        c->cmdClear->click();
        QCOMPARE(c->Label3->text(), u"The number of molecules is "_s);
        QVERIFY(c->Option4->isChecked() && c->Option1->isChecked());
        QCOMPARE(QApplication::focusWidget(), c->Text1);
        // The key filter refuses a letter with its message, and a sign.
        typeIn(c->Text1, u"1a"_s);
        QCOMPARE(c->Text1->text(), u"1"_s);
        expectMsg(u"You must enter a valid numerical expression"_s, Msg::Icon::None);
        msgs().clear();
        typeIn(c->Text2, u"2.5e3"_s);
        key(c->Text2, Qt::Key_Backspace);
        typeIn(c->Text2, u"-"_s);
        QCOMPARE(c->Text2->text(), u"2.5e"_s);
        QCOMPARE(msgs().shown.size(), 1);
    }

    void conversionsBothWays_data() {
        for (const char* c : {"weight", "quantity", "from", "to", "answer", "work"}) QTest::addColumn<QString>(c);
        auto row = [](const char* tag, const QStringList& r) {
            auto& d = QTest::newRow(tag);
            for (const QString& v : r) d << v;
        };
        row("molecules to grams", {"18", "6.02E23", "molecules", "grams", "18", "6.02E+23 / 6.02E+23 * 18"});
        row("molecules to moles", {"18", "3.01E23", "molecules", "moles", "0.5", "3.01E+23 / 6.02E+23"});
        row("grams to moles", {"18", "36", "grams", "moles", "2", "36 / 18"});
        row("grams to molecules", {"18", "9", "grams", "molecules", "3.01E+23", "9 / 18 * 6.02E+23"});
        row("moles to grams", {"18.015", "2", "moles", "grams", "36.03", "2 * 18.015"});
        row("moles to molecules", {"18", "0.5", "moles", "molecules", "3.01E+23", "0.5 * 6.02E+23"});
        row("grams to grams", {"18", "4.5", "grams", "grams", "4.5", "4.5"});
        row("weight 1000 accepted", {"1000", "2", "moles", "grams", "2000", "2 * 1000"});
        row("vitamin B12, above 1000", {"1355.4", "2", "moles", "grams", "2710.8", "2 * 1355.4"});
        row("C100H202 as weighed", {"1404.716", "1", "moles", "grams", "1404.716", "1 * 1404.716"});
    }
    void conversionsBothWays() {
        QFETCH(QString, weight);
        QFETCH(QString, quantity);
        QFETCH(QString, from);
        QFETCH(QString, to);
        auto* c = calc();
        typeIn(c->Text1, weight);
        typeIn(c->Text2, quantity);
        // Selected as a screen reader does, without a click.
        (from == u"molecules" ? c->Option1 : from == u"grams" ? c->Option2 : c->Option3)->setChecked(true);
        (to == u"molecules" ? c->Option4 : to == u"grams" ? c->Option5 : c->Option6)->setChecked(true);
        QCOMPARE(c->Label3->text(), to == u"molecules" ? u"The number of molecules is "_s
                                    : to == u"grams"   ? u"The number of grams is "_s
                                                       : u"The number of moles is "_s);
        QCOMPARE(c->Text3->accessibleName(), c->Label3->text());
        key(c->Text2, Qt::Key_Return);  // Enter reaches Ok
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(msgs().lastText()));
        QTEST(c->Text3->text(), "answer");
        QTEST(c->Text4->text(), "work");
    }

    void calculationChecksAndFaults() {
        auto* c = calc();
        typeIn(c->Text2, u"5"_s);
        c->cmdOk->click();  // no weight
        expectMsg(u"You must enter a valid molecular weight."_s, Msg::Icon::Critical);
        QCOMPARE(QApplication::focusWidget(), c->Text1);
        c->Text1->setText(u"18"_s);
        c->Text2->clear();
        c->cmdOk->click();
        expectMsg(u"You must enter a valid quantity."_s, Msg::Icon::Critical);
        QCOMPARE(QApplication::focusWidget(), c->Text2);
        QVERIFY(c->Text3->text().isEmpty());
        // A fault in the sum keeps the answer and work line shown.
        c->Text2->setText(u"36"_s);
        c->Option2->click();
        c->Option6->click();
        c->cmdOk->click();
        QCOMPARE(c->Text3->text(), u"2"_s);
        QCOMPARE(c->Text4->text(), u"36 / 18"_s);
        // Weights not above 0 and negative amounts get the window's own
        // messages; the edit emptied the answer, and the failed Ok keeps that.
        for (const char* weight : {"0", "0.0", "-18"}) {
            c->Text1->setText(QLatin1String(weight));
            c->cmdOk->click();
            expectMsg(u"You must enter a valid molecular weight."_s, Msg::Icon::Critical);
            QCOMPARE(c->Text3->text(), QString());
            QCOMPARE(c->Text4->text(), QString());
        }
        c->Text1->setText(u"18"_s);
        c->Text2->setText(u"-36"_s);
        c->cmdOk->click();
        expectMsg(u"You must enter a valid quantity."_s, Msg::Icon::Critical);
        QCOMPARE(c->Text3->text(), QString());
        c->Text2->setText(u"1.8E300"_s);
        c->Option4->setChecked(true);
        QVERIFY(c->Text3->text().isEmpty() && c->Text4->text().isEmpty());
        c->Option6->setChecked(true);
        c->cmdOk->click();
        QCOMPARE(c->Text3->text(), u"1E+299"_s);
        c->Option3->setChecked(true);
        c->Option4->setChecked(true);
        c->cmdOk->click();
        QCOMPARE(msgs().lastText(), u"Overflow"_s);
        QCOMPARE(msgs().shown.last().icon, Msg::Icon::Information);
        QVERIFY(c->Text3->text().isEmpty());
        c->Text2->setText(u"36"_s);
        c->Option2->setChecked(true);
        c->Option6->setChecked(true);
        c->cmdOk->click();
        QCOMPARE(c->Text3->text(), u"2"_s);
        c->Text1->setText(u"E"_s);
        QCOMPARE(c->Text3->text(), QString());
        c->cmdOk->click();
        QCOMPARE(msgs().lastText(), u"Type mismatch"_s);
        QCOMPARE(c->Text3->text(), QString());
    }
};

QTEST_MAIN(TstWeights)
#include "tst_weights.moc"
