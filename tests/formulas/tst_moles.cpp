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
// Answer, work line and unit as "answer|work|unit".
QString shownNow(fmrMoles* m) { return m->txtMoles3->text() + u'|' + m->Text1->text() + u'|' + m->lblMoles5->text(); }
const QString Tessival = u"Tessival"_s;
const QString Moles = u"Moles"_s;
}  // namespace

class TstMoles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // From the chooser and the menu: the chooser is hidden, and Cancel (or Escape,
    // except in the mole calculator) shows it again.
    void roads() {
        for (auto [window, button, item, cancel] :
             {std::tuple{"fmrMoles", "cmdMoles", "mnuMoleCalculations", "cmdCancel"},
              {"frmAverageMass", "cmdAveAtMass", "munAveAtMass", "cmdCancel"},
              {"frmMassEnergy", "cmdMassEnergy", "mnuMassEnergy", "cmdCancel"},
              {"frmBuildAtoms", "cmdAtom", "mnuBuildAnAtom", "cmdClose"}})
            QCOMPARE(Roads::drive({window, "cmdMoles", "frmMoleChoice", button, item, cancel,
                                   QLatin1String(window) != "fmrMoles"}),
                     "hidden shown shown shown unloaded shown");
    }

    // ---- Mole calculator ----------------------------------------------------

    // Lines and standard atomic weights as the reference data hold them; a
    // weight typed over comes back when its element is clicked again.
    void elementList_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("weight");
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

    // Every pair for iron (carbon's grams to moles is in checksAndFaults); the same unit gives the amount.
    void everyConversion_data() {
        QTest::addColumn<int>("element");  // its list row
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("from");  // 0 Moles, 1 Grams, 2 Atoms
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("shown");  // answer|work|unit
        auto row = [](const char* sym, const char* amount, int from, int to, const char* shown) {
            QTest::addRow("%s %d>%d", sym, from, to) << (sym[0] == 'C' ? 5 : 25) << QString::fromLatin1(amount) << from
                                                    << to << QString::fromLatin1(shown);
        };
        row("C", "2", 0, 1, "24.022|2   X   12.011|Grams");
        row("C", "1.5", 0, 0, "1.500|1.5|Moles");
        row("C", "12.5", 1, 1, "12.5|12.5|Grams");
        row("C", "1E+20", 2, 2, "1.00E+20|1E+20|Atoms");
        row("Fe", "3", 0, 1, "167.535|3   X   55.845|Grams");
        row("Fe", ".5", 0, 2, "3.01E+23|.5   X   6.023E+23  =  3.01E+23|Atoms");
        row("Fe", "1000", 1, 0, "17.907|1000   /   55.845|Moles");
        row("Fe", "111.69", 1, 2, "1.20E+24|111.69   /   55.845 x  6.023E23|Atoms");
        row("Fe", "1.2046E+24", 2, 0, "2.000|1.2046E+24   /   6.023E+23|Moles");
        row("Fe", "1.2046E+24", 2, 1, "111.69|1.2046E+24   /   6.023E+23   X   55.845|Grams");
    }
    void everyConversion() {
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
        QFETCH(int, element);
        m->lstList1->setCurrentRow(element);
        TestSupport::press(m->txtMoles1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QTEST(shownNow(m), "shown");
        froms[(from + 1) % 3]->click();  // another unit empties the answer
        QCOMPARE(shownNow(m), u"||"_s);
    }

    // Another element empties the answer and the work line: no carbon grams beside iron.
    void anotherElementEmptiesTheAnswer() {
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        TestSupport::type(m->txtMoles1, u"2"_s);
        m->optMoles1->click();
        m->optMoles5->click();
        m->lstList1->setCurrentRow(5);
        TestSupport::press(m->txtMoles1, Qt::Key_Return);
        QCOMPARE(shownNow(m), u"24.022|2   X   12.011|Grams"_s);
        QListWidgetItem* iron = m->lstList1->item(25);
        QCOMPARE(iron->text().left(2), u"Fe"_s);
        m->lstList1->scrollToItem(iron);
        QTest::mouseClick(m->lstList1->viewport(), Qt::LeftButton, {}, m->lstList1->visualItemRect(iron).center());
        QCOMPARE(m->txtMoles2->text(), u"55.845"_s);
        QCOMPARE(shownNow(m), u"||"_s);
        TestSupport::press(m->txtMoles1, Qt::Key_Return);
        QCOMPARE(shownNow(m), u"111.69|2   X   55.845|Grams"_s);
        // By keys as well: the next element down.
        m->lstList1->setFocus();
        QTest::keyClick(m->lstList1, Qt::Key_Down);
        QCOMPARE(m->lstList1->currentRow(), 26);
        QCOMPARE(shownNow(m), u"||"_s);
        QVERIFY(messages().shown.isEmpty());
    }

    void checksAndFaults() {
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        // Enter in the amount box after each step: its message, or the answer, which the faults keep.
        QString answer = u"||"_s;
        auto enter = [&](const QString& message, const QString& title = Moles, Msg::Icon icon = Msg::Icon::None) {
            messages().clear();
            TestSupport::press(m->txtMoles1, Qt::Key_Return);
            if (message.isEmpty()) QVERIFY(messages().shown.isEmpty());
            else expectOne(message, title, icon);
            QCOMPARE(shownNow(m), answer);
        };
        const QString value = u"You must enter a value."_s, error = u"Data Entry Error"_s;
        enter(value);  // Ok is still disabled
        m->txtMoles1->setText(u"0.0"_s);
        enter(value);
        m->txtMoles1->setText(u"24.022"_s);
        enter(u"You must make a selection in the From category."_s);
        m->optMoles2->setChecked(true);
        enter(u"You must make a selection in the To category."_s);
        m->optMoles4->setChecked(true);
        enter(u"You must select an element from the list."_s, Moles, Msg::Icon::Information);
        m->lstList1->setCurrentRow(5);
        answer = u"2.000|24.022   /   12.011|Moles"_s;
        enter({});
        // Each edit empties the answer, and the faults keep that.
        answer = u"||"_s;
        for (const char* weight : {"abc", "0"}) {
            m->txtMoles2->setText(QLatin1String(weight));
            enter(error, Tessival);
        }
        m->txtMoles1->setText(u"1E+300"_s), m->txtMoles2->setText(u"1E-300"_s);
        enter(error, Tessival);
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
    // A weight no atom can have is a missing one.
    void missingWeight_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("missing") << u"NULL"_s;
        QTest::newRow("negative") << u"-1.008"_s;
        QTest::newRow("zero") << u"0"_s;
    }
    void missingWeight() {
        QFETCH(QString, stored);
        TempDatabase db({u"CREATE TABLE GeneralInfo (Symbol TEXT, ElementName TEXT, AtomicWeight REAL)"_s,
                         u"INSERT INTO GeneralInfo VALUES ('H', 'Hydrogen', 1.008), ('Xx', 'Unknownium', %1)"_s.arg(stored)});
        auto* m = open<fmrMoles>(u"fmrMoles"_s);
        m->lstList1->setCurrentRow(0);
        m->lstList1->setCurrentRow(1);
        expectOne(u"List Selection Error"_s, Tessival, Msg::Icon::Information);
        QCOMPARE(m->txtMoles2->text(), u"1.008"_s);
        TestSupport::reset();
    }

    // ---- Average atomic mass and mass-energy --------------------------------

    // The boxes in tab order ("~" empty); the answer and work line, or the
    // message with its icon, the first answer kept.
    void averageAndEnergy_data() {
        for (const char* c : {"window", "typed", "expected"}) QTest::addColumn<QString>(c);
        QTest::addColumn<int>("icon");
        auto row = [](const char* name, const char* window, const char* typed, const QString& expected,
                      Msg::Icon icon = Msg::Icon::None) {
            QTest::newRow(name) << QString::fromLatin1(window) << QString::fromLatin1(typed) << expected << int(icon);
        };
        const char* avg = "frmAverageMass";
        const QString zeros = u" + 0 * 0"_s.repeated(4), zeros100 = u" + 0 * 0 / 100"_s.repeated(4);
        const QString weight = u"You must enter valid data for the weight."_s;
        const QString occurrence = u"You must enter valid data for the occurence."_s;
        const auto critical = Msg::Icon::Critical, info = Msg::Icon::Information;
        row("fractions", avg, "35 0.75 37 0.25", u"35.500 | 35 * 0.75 + 37 * 0.25"_s + zeros);
        row("percentages", avg, "35 75 37 25", u"35.500 | 35 * 75 / 100 + 37 * 25 / 100"_s + zeros100);
        row("six isotopes", avg, "10 .1 20 .1 30 .2 40 .2 50 .2 60 .2",
            u"39.000 | 10 * 0.1 + 20 * 0.1 + 30 * 0.2 + 40 * 0.2 + 50 * 0.2 + 60 * 0.2"_s);
        row("a row without weight", avg, "1 0.5 3 0.5 ~ 0.3",
            u"2.000 | 1 * 0.5 + 3 * 0.5 + 0 * 0.3 + 0 * 0 + 0 * 0 + 0 * 0"_s);
        row("35.000 and 1E3", avg, "35.000 1 1E3 0", u"35.000 | 35 * 1 + 1000 * 0"_s + zeros);
        row("weight 1 empty", avg, "~ 1 1 1", weight, critical);
        row("occurrence 1 empty", avg, "1", occurrence, critical);
        row("weight 2 empty", avg, "1 1", weight, critical);
        row("occurrence 2 empty", avg, "1 1 1", occurrence, critical);
        row("a lone E", avg, "1 1 E 1", u"Type mismatch"_s, info);
        row("overflow", avg, "1E300 1E300 1 1", u"Overflow"_s, info);
        const char* me = "frmMassEnergy";
        const QString coefficient = u"You must enter a valid coefficient."_s;
        row("water", me, "2 36 18 100", u"100.000 | 36 / 18 * 100 / 2"_s);
        row("energy given off", me, "1 9 18 -285.8", u"-142.900 | 9 / 18 * -285.8 / 1"_s);
        row("coefficient 0.5", me, "0.5 36 18 100", u"400.000 | 36 / 18 * 100 / 0.5"_s);
        row("coefficient 0", me, "0 36 18 100", coefficient, info);
        row("coefficient .", me, ".", coefficient, info);
        row("grams empty", me, "2 ~ 18", u"You must enter a valid number of grams."_s, info);
        row("weight empty", me, "2 3", u"You must enter a valid molecular weight."_s, info);
        row("energy empty", me, "2 3 4", u"You must enter a valid amount of energy."_s, info);
        row("weight 0", me, "2 36 0 100", u"You must enter a valid molecular weight."_s, info);
        row("weight 0.0", me, "2 36 0.0 100", u"You must enter a valid molecular weight."_s, info);
        row("a lone -", me, "2 36 18 -", u"Type mismatch"_s, critical);
        static const QByteArray tooMuch = "1 1" + QByteArray(300, '0') + " .000000000000000001 999999999";
        row("too much heat", me, tooMuch.constData(), u"Overflow"_s, critical);
    }
    void averageAndEnergy() {
        QFETCH(QString, window);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, icon);
        auto* f = open<CalculatorForm>(window);
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        auto shown = [f] { return f->answerBox->text() + u" | "_s + f->workLine->text(); };
        // A first answer, which the edit empties: a refused row shows nothing.
        const QStringList first{u"1"_s, u"0.5"_s, u"3"_s, u"0.5"_s};
        for (int i = 0; i < 4; ++i) TestSupport::type(f->inputs[i], first[i]);
        f->cmdOk->click();
        QVERIFY(!f->answerBox->text().isEmpty());
        for (QLineEdit* b : std::as_const(f->inputs)) b->clear();
        const QString kept = shown();
        QCOMPARE(kept, u" | "_s);
        const QStringList boxes = typed.split(u' ');
        for (int i = 0; i < boxes.size(); ++i) TestSupport::type(f->inputs[i], boxes[i] == u"~"_s ? QString() : boxes[i]);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));  // every key passed
        TestSupport::press(f->inputs[1], Qt::Key_Return);
        if (icon == int(Msg::Icon::None)) {
            QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
            QCOMPARE(shown(), expected);
        } else {
            expectOne(expected, Tessival, Msg::Icon(icon));
            QCOMPARE(shown(), kept);
        }
    }

    // A negative mass or molecular weight, put in the boxes as a screen reader does (the keys
    // refuse "-"): the window's message, and the answer before it kept.
    void massEnergyRefusesNegativeMassAndWeight_data() {
        QTest::addColumn<QString>("grams");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("message");
        const QString grams = u"You must enter a valid number of grams."_s;
        const QString weight = u"You must enter a valid molecular weight."_s;
        QTest::newRow("hydrogen weight -2.016") << u"10"_s << u"-2.016"_s << weight;
        QTest::newRow("mass -10") << u"-10"_s << u"2.016"_s << grams;
        QTest::newRow("both negative") << u"-10"_s << u"-2.016"_s << grams;
    }
    void massEnergyRefusesNegativeMassAndWeight() {
        QFETCH(QString, grams);
        QFETCH(QString, weight);
        QFETCH(QString, message);
        auto* f = open<CalculatorForm>(u"frmMassEnergy"_s);
        const QStringList first{u"2"_s, u"36"_s, u"18"_s, u"100"_s};
        for (int i = 0; i < 4; ++i) TestSupport::type(f->inputs[i], first[i]);
        f->cmdOk->click();
        QCOMPARE(f->answerBox->text(), u"100.000"_s);
        f->inputs[0]->setText(u"1"_s);
        f->inputs[1]->setText(grams);
        f->inputs[2]->setText(weight);
        f->inputs[3]->setText(u"-285.8"_s);
        messages().clear();
        f->cmdOk->click();
        QVERIFY(!messages().shown.isEmpty());
        QCOMPARE(messages().lastText(), message);
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        // The edit emptied the answer; the refused Ok keeps that.
        QCOMPARE(f->answerBox->text() + u" | "_s + f->workLine->text(), u" | "_s);
    }

    // Refused keys (each with the key message) and Clear.
    void averageAndEnergyKeysAndClear() {
        for (auto [window, box, keys, kept] : {std::tuple{"frmAverageMass", 7, "1-+e,aE.5", "1E.5"},
                                              {"frmMassEnergy", 0, "-E2.5", "2.5"}, {"frmMassEnergy", 3, "-1e5", "-15"}}) {
            messages().clear();
            auto* f = open<CalculatorForm>(QLatin1String(window));
            TestSupport::type(f->inputs[box], QLatin1String(keys));
            QCOMPARE(f->inputs[box]->text(), QLatin1String(kept));
            QCOMPARE(messages().shown.size(), qstrlen(keys) - qstrlen(kept));
            for (const Msg::Box& b : messages().shown)
                QVERIFY(b.text == u"You must enter a valid numerical expression"_s && b.title == Tessival &&
                        b.icon == Msg::Icon::None);
            f->cmdClear->click();
            for (QLineEdit* b : f->findChildren<QLineEdit*>()) QVERIFY(b->text().isEmpty());
        }
    }
};

QTEST_MAIN(TstMoles)
#include "tst_moles.moc"
