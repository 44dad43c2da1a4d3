// The mole windows as a student uses them: the mole chooser, the element
// mole calculator, average atomic mass and mass-energy.
#include <QApplication>
#include <QTest>

#include "Roads.h"
#include "TestSupport.h"
#include "formulas/fmrMoles.h"

using namespace Qt::StringLiterals;
using TestSupport::expectOne;
using TestSupport::messages;

namespace {
template <class T> T* open(const QString& name) {
    auto* f = Forms::showAs<T>(name);
    QApplication::setActiveWindow(f);
    return f;
}
int rowOf(fmrMoles* m, const QString& symbol) {
    for (int r = 0; r < m->lstList1->count(); ++r)
        if (m->lstList1->item(r)->text().startsWith(symbol.leftJustified(2) + u"  "_s)) return r;
    return -1;
}
// The options that are enabled ("+") or checked ("*"), as "+1 +2 *1".
QString options(fmrMoles* m) {
    QString e, c;
    for (int i = 1; i <= 6; ++i) {
        auto* r = m->findChild<QRadioButton*>(u"optMoles%1"_s.arg(i));
        if (r->isEnabled()) e += u"+%1 "_s.arg(i);
        if (r->isChecked()) c += u"*%1 "_s.arg(i);
    }
    return (e + c).trimmed();
}
const QString Tessival = u"Tessival"_s;
const QString Moles = u"Moles"_s;
}  // namespace

class TstMoles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(u"frmHelp"_s);
    }
    void init() {
        TestSupport::unloadAll();
        messages().clear();
    }

    // From the chooser and the menu: the chooser is hidden, and Cancel (or Escape,
    // except in the mole calculator) shows it again.
    void roads_data() {
        for (const char* c : {"window", "button", "item", "cancel"}) QTest::addColumn<QString>(c);
        QTest::newRow("moles") << "fmrMoles" << "cmdMoles" << "mnuMoleCalculations" << "cmdCancel";
        QTest::newRow("average") << "frmAverageMass" << "cmdAveAtMass" << "munAveAtMass" << "cmdCancel";
        QTest::newRow("mass-energy") << "frmMassEnergy" << "cmdMassEnergy" << "mnuMassEnergy" << "cmdCancel";
        QTest::newRow("atom") << "frmBuildAtoms" << "cmdAtom" << "mnuBuildAnAtom" << "cmdClose";
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QString, cancel);
        QCOMPARE(Roads::drive({window, "cmdMoles", "frmMoleChoice", button, item, cancel, window != "fmrMoles"}),
                 "hidden shown shown shown unloaded shown");
    }

    // ---- Mole calculator ----------------------------------------------------

    void elementList_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("weight");  // standard atomic weights as the reference data hold them
        QTest::newRow("H") << 0 << u"H   Hydrogen    "_s << u"1.008"_s;
        QTest::newRow("Na") << 10 << u"Na  Sodium      "_s << u"22.98976928"_s;
        QTest::newRow("Rf") << 103 << u"Rf  Rutherfordiu"_s << u"267"_s;
        QTest::newRow("Mt") << 108 << u"Mt  Meitnerium  "_s << u"276"_s;
    }
    void elementList() {
        QFETCH(int, row);
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        QCOMPARE(m->lstList1->count(), 109);
        QListWidgetItem* item = m->lstList1->item(row);
        QTEST(item->text(), "line");
        m->lstList1->scrollToItem(item);
        const QPoint at = m->lstList1->visualItemRect(item).center();
        QTest::mouseClick(m->lstList1->viewport(), Qt::LeftButton, {}, at);
        QTEST(m->txtMoles2->text(), "weight");
        // Typed over, then clicked again: the weight comes back.
        m->txtMoles2->setText(u"99"_s);
        QTest::mouseClick(m->lstList1->viewport(), Qt::LeftButton, {}, at);
        QTEST(m->txtMoles2->text(), "weight");
        QVERIFY(messages().shown.isEmpty());
    }

    void optionRules() {
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        QVERIFY(!m->cmdOk->isEnabled() && !m->cmdPrint->isEnabled());
        QCOMPARE(options(m), QString());
        TestSupport::type(m->txtMoles1, u"2"_s);
        QVERIFY(m->cmdOk->isEnabled() && m->cmdPrint->isEnabled());
        m->optMoles4->setChecked(true);
        QCOMPARE(options(m), u"+1 +2 +3 +4 +5 +6 *4"_s);
        m->optMoles1->setChecked(true);  // its To twin is cleared and greyed out
        QCOMPARE(options(m), u"+1 +2 +3 +5 +6 *1"_s);
        m->optMoles2->click();  // the first twin comes back
        QCOMPARE(options(m), u"+1 +2 +3 +4 +6 *2"_s);
        m->optMoles4->click();
        m->optMoles3->setChecked(true);
        QCOMPARE(options(m), u"+1 +2 +3 +4 +5 *3 *4"_s);
        // Clear keeps the units, enables all six and removes the element.
        m->lstList1->setCurrentRow(5);
        m->cmdClear->click();
        QCOMPARE(options(m), u"+1 +2 +3 +4 +5 +6 *3 *4"_s);
        QVERIFY(m->lstList1->currentRow() == -1 && m->lstList1->selectedItems().isEmpty());
        QVERIFY(m->txtMoles1->text().isEmpty() && m->txtMoles2->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), m->txtMoles1);
    }

    void everyConversion_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("from");  // 0 Moles, 1 Grams, 2 Atoms
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("unit");
        auto row = [](const char* sym, const char* amount, int from, int to, const char* answer, const char* work,
                      const char* unit) {
            QTest::addRow("%s %d>%d", sym, from, to) << QString::fromLatin1(sym) << QString::fromLatin1(amount) << from
                                                    << to << QString::fromLatin1(answer) << QString::fromLatin1(work)
                                                    << QString::fromLatin1(unit);
        };
        row("C", "2", 0, 1, "24.022", "2   X   12.011", "Grams");
        row("C", "2", 0, 2, "1.20E+24", "2   X   6.023E+23  =  1.20E+24", "Atoms");
        row("C", "24.022", 1, 0, "2.000", "24.022   /   12.011", "Moles");
        row("C", "6.0055", 1, 2, "3.01E+23", "6.0055   /   12.011 x  6.023E23", "Atoms");
        row("C", "3.0115E+23", 2, 0, "0.500", "3.0115E+23   /   6.023E+23", "Moles");
        row("C", "6.023E+23", 2, 1, "12.011", "6.023E+23   /   6.023E+23   X   12.011", "Grams");
        row("C", "1.5", 0, 0, "1.500", "1.5", "Moles");
        row("C", "12.5", 1, 1, "12.5", "12.5", "Grams");
        row("C", "1E+20", 2, 2, "1.00E+20", "1E+20", "Atoms");
        row("Fe", "3", 0, 1, "167.535", "3   X   55.845", "Grams");
        row("Fe", ".5", 0, 2, "3.01E+23", ".5   X   6.023E+23  =  3.01E+23", "Atoms");
        row("Fe", "1000", 1, 0, "17.907", "1000   /   55.845", "Moles");
        row("Fe", "111.69", 1, 2, "1.20E+24", "111.69   /   55.845 x  6.023E23", "Atoms");
        row("Fe", "1.2046E+24", 2, 0, "2.000", "1.2046E+24   /   6.023E+23", "Moles");
        row("Fe", "1.2046E+24", 2, 1, "111.69", "1.2046E+24   /   6.023E+23   X   55.845", "Grams");
    }
    void everyConversion() {
        QFETCH(QString, symbol);
        QFETCH(QString, amount);
        QFETCH(int, from);
        QFETCH(int, to);
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        TestSupport::type(m->txtMoles1, amount);
        QRadioButton* froms[] = {m->optMoles1, m->optMoles2, m->optMoles3};
        QRadioButton* tos[] = {m->optMoles4, m->optMoles5, m->optMoles6};
        froms[from]->click();
        if (from == to) {  // editing the amount makes the twin usable again
            m->txtMoles1->clear();
            m->txtMoles1->setText(amount);
        }
        tos[to]->click();
        m->lstList1->setCurrentRow(rowOf(m, symbol));
        TestSupport::press(m->txtMoles1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QTEST(m->txtMoles3->text(), "answer");
        QTEST(m->Text1->text(), "work");
        QTEST(m->lblMoles5->text(), "unit");
        froms[(from + 1) % 3]->click();  // another unit empties the answer
        QVERIFY(m->txtMoles3->text().isEmpty() && m->Text1->text().isEmpty() && m->lblMoles5->text().isEmpty());
    }

    void checksAndFaults() {
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        auto shownNow = [m] { return m->txtMoles3->text() + u"|"_s + m->Text1->text() + u"|"_s + m->lblMoles5->text(); };
        // Each step, then Enter in the amount box: its message, or the answer, which the faults keep.
        const QString value = u"You must enter a value."_s, error = u"Data Entry Error"_s;
        const QList<std::tuple<std::function<void()>, QString, QString, Msg::Icon>> steps = {
            {[] {}, value, Moles, Msg::Icon::None},  // Ok is still disabled
            {[m] { m->txtMoles1->setText(u"0.0"_s); }, value, Moles, Msg::Icon::None},
            {[m] { m->txtMoles1->setText(u"24.022"_s); }, u"You must make a selection in the From category."_s,
             Moles, Msg::Icon::None},
            {[m] { m->optMoles2->setChecked(true); }, u"You must make a selection in the To category."_s, Moles,
             Msg::Icon::None},
            {[m] { m->optMoles4->setChecked(true); }, u"You must select an element from the list."_s, Moles,
             Msg::Icon::Information},
            {[m] { m->lstList1->setCurrentRow(5); }, QString(), QString(), Msg::Icon::None},
            {[m] { m->txtMoles2->setText(u"abc"_s); }, error, Tessival, Msg::Icon::None},
            {[m] { m->txtMoles2->setText(u"0"_s); }, error, Tessival, Msg::Icon::None},
            {[m] { m->txtMoles1->setText(u"1E+300"_s), m->txtMoles2->setText(u"1E-300"_s); }, error, Tessival,
             Msg::Icon::None},
        };
        QString answer = u"||"_s;
        for (const auto& [act, message, title, icon] : steps) {
            messages().clear();
            act();
            TestSupport::press(m->txtMoles1, Qt::Key_Return);
            if (message.isEmpty()) {
                QVERIFY(messages().shown.isEmpty());
                answer = shownNow();
                QCOMPARE(answer, u"2.000|24.022   /   12.011|Moles"_s);
            } else {
                expectOne(message, title, icon);
                QCOMPARE(shownNow(), answer);
            }
        }
        // The amount box: digits, ".", "E" and "+"; "e", "-" and letters are refused.
        messages().clear();
        m->txtMoles1->clear();
        TestSupport::type(m->txtMoles1, u"3.01e-aE+23"_s);
        QCOMPARE(m->txtMoles1->text(), u"3.01E+23"_s);
        QCOMPARE(messages().shown.size(), 3);
        QCOMPARE(messages().lastText(), u"You must enter a valid numerical expression"_s);
        QCOMPARE(messages().shown.last().title, Tessival);
    }

    // A weight missing for one element: its click says so and the box keeps its text.
    void missingWeight() {
        TempDatabase db({u"CREATE TABLE GeneralInfo (Symbol TEXT, ElementName TEXT, AtomicWeight REAL)"_s,
                         u"INSERT INTO GeneralInfo VALUES ('H', 'Hydrogen', 1.008), ('Xx', 'Unknownium', NULL)"_s});
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        m->lstList1->setCurrentRow(0);
        m->lstList1->setCurrentRow(1);
        expectOne(u"List Selection Error"_s, Tessival, Msg::Icon::Information);
        QCOMPARE(m->txtMoles2->text(), u"1.008"_s);
        init();
    }

    // ---- Average atomic mass and mass-energy --------------------------------

    void averageAndEnergy_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("typed");  // the input boxes in tab order
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        auto row = [](const char* name, const char* window, const QStringList& typed, const char* answer,
                      const QString& work, const char* message = "", Msg::Icon icon = Msg::Icon::None) {
            QTest::newRow(name) << QString::fromLatin1(window) << typed << QString::fromLatin1(answer) << work
                                << QString::fromLatin1(message) << int(icon);
        };
        const char* avg = "frmAverageMass";
        const QString zeros = u" + 0 * 0"_s.repeated(4), zeros100 = u" + 0 * 0 / 100"_s.repeated(4);
        row("fractions", avg, {u"35"_s, u"0.75"_s, u"37"_s, u"0.25"_s}, "35.500", u"35 * 0.75 + 37 * 0.25"_s + zeros);
        row("percentages", avg, {u"35"_s, u"75"_s, u"37"_s, u"25"_s}, "35.500",
            u"35 * 75 / 100 + 37 * 25 / 100"_s + zeros100);
        row("six isotopes", avg, u"10 .1 20 .1 30 .2 40 .2 50 .2 60 .2"_s.split(u' '), "39.000",
            u"10 * 0.1 + 20 * 0.1 + 30 * 0.2 + 40 * 0.2 + 50 * 0.2 + 60 * 0.2"_s);
        row("a row without weight", avg, {u"1"_s, u"0.5"_s, u"3"_s, u"0.5"_s, QString(), u"0.3"_s}, "2.000",
            u"1 * 0.5 + 3 * 0.5 + 0 * 0.3 + 0 * 0 + 0 * 0 + 0 * 0"_s);
        row("35.000 and 1E3", avg, {u"35.000"_s, u"1"_s, u"1E3"_s, u"0"_s}, "35.000", u"35 * 1 + 1000 * 0"_s + zeros);
        const QString weight = u"You must enter valid data for the weight."_s;
        row("weight 1 empty", avg, {QString(), u"1"_s, u"1"_s, u"1"_s}, "", {}, qPrintable(weight), Msg::Icon::Critical);
        row("occurrence 1 empty", avg, {u"1"_s}, "", {}, "You must enter valid data for the occurence.", Msg::Icon::Critical);
        row("weight 2 empty", avg, {u"1"_s, u"1"_s}, "", {}, qPrintable(weight), Msg::Icon::Critical);
        row("occurrence 2 empty", avg, {u"1"_s, u"1"_s, u"1"_s}, "", {}, "You must enter valid data for the occurence.",
            Msg::Icon::Critical);
        row("a lone E", avg, {u"1"_s, u"1"_s, u"E"_s, u"1"_s}, "", {}, "Type mismatch", Msg::Icon::Information);
        row("overflow", avg, {u"1E30"_s, u"1E30"_s, u"1"_s, u"1"_s}, "", {}, "Overflow", Msg::Icon::Information);
        const char* me = "frmMassEnergy";
        row("water", me, {u"2"_s, u"36"_s, u"18"_s, u"100"_s}, "100.000", u"36 / 18 * 100 / 2"_s);
        row("energy given off", me, {u"1"_s, u"9"_s, u"18"_s, u"-285.8"_s}, "-142.900", u"9 / 18 * -285.8 / 1"_s);
        row("coefficient 0.5", me, {u"0.5"_s, u"36"_s, u"18"_s, u"100"_s}, "400.000", u"36 / 18 * 100 / 0.5"_s);
        row("coefficient 2.5", me, {u"2.5"_s, u"36"_s, u"18"_s, u"100"_s}, "80.000", u"36 / 18 * 100 / 2.5"_s);
        const Msg::Icon info = Msg::Icon::Information;
        row("coefficient 0", me, {u"0"_s, u"36"_s, u"18"_s, u"100"_s}, "", {}, "You must enter a valid coefficient.", info);
        row("coefficient .", me, {u"."_s}, "", {}, "You must enter a valid coefficient.", info);
        row("grams empty", me, {u"2"_s, QString(), u"18"_s}, "", {}, "You must enter a valid number of grams.", info);
        row("weight empty", me, {u"2"_s, u"3"_s}, "", {}, "You must enter a valid molecular weight.", info);
        row("energy empty", me, {u"2"_s, u"3"_s, u"4"_s}, "", {}, "You must enter a valid amount of energy.", info);
        row("weight 0", me, {u"2"_s, u"36"_s, u"0"_s, u"100"_s}, "", {}, "Division by zero", Msg::Icon::Critical);
        row("a lone -", me, {u"2"_s, u"36"_s, u"18"_s, u"-"_s}, "", {}, "Type mismatch", Msg::Icon::Critical);
        row("too much heat", me, {u"1"_s, u"1000000000000000000000"_s, u".000000000000000001"_s, u"999999999"_s}, "", {},
            "Overflow", Msg::Icon::Critical);
    }
    void averageAndEnergy() {
        QFETCH(QString, window);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(int, icon);
        auto* f = open<CalculatorForm>(window);
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        // A first answer, which a refused row keeps.
        for (int i = 0; i < 4; ++i) TestSupport::type(f->inputs[i], QStringList{u"1"_s, u"0.5"_s, u"3"_s, u"0.5"_s}[i]);
        f->cmdOk->click();
        const QString first = f->answerBox->text() + u" | "_s + f->workLine->text();
        for (QLineEdit* b : std::as_const(f->inputs)) b->clear();
        for (int i = 0; i < typed.size(); ++i) TestSupport::type(f->inputs[i], typed[i]);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));  // every key passed
        TestSupport::press(f->inputs[1], Qt::Key_Return);
        if (message.isEmpty()) {
            QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
            QTEST(f->answerBox->text(), "answer");
            QTEST(f->workLine->text(), "work");
        } else {
            expectOne(message, Tessival, Msg::Icon(icon));
            QCOMPARE(f->answerBox->text() + u" | "_s + f->workLine->text(), first);
        }
    }

    void averageAndEnergyKeysAndClear_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("kept");
        QTest::newRow("isotope") << u"frmAverageMass"_s << 7 << u"1-+e,aE.5"_s << u"1E.5"_s;
        QTest::newRow("coefficient") << u"frmMassEnergy"_s << 0 << u"-E2.5"_s << u"2.5"_s;
        QTest::newRow("energy") << u"frmMassEnergy"_s << 3 << u"-1e5"_s << u"-15"_s;
    }
    void averageAndEnergyKeysAndClear() {
        QFETCH(QString, window);
        QFETCH(int, box);
        QFETCH(QString, keys);
        QFETCH(QString, kept);
        auto* f = open<CalculatorForm>(window);
        TestSupport::type(f->inputs[box], keys);
        QCOMPARE(f->inputs[box]->text(), kept);
        QCOMPARE(messages().shown.size(), keys.size() - kept.size());
        for (const Msg::Box& b : messages().shown)
            QVERIFY(b.text == u"You must enter a valid numerical expression"_s && b.title == Tessival &&
                    b.icon == Msg::Icon::None);
        f->cmdClear->click();
        for (QLineEdit* b : f->findChildren<QLineEdit*>()) QVERIFY(b->text().isEmpty());
    }
};

QTEST_MAIN(TstMoles)
#include "tst_moles.moc"
