// The mole windows as a student uses them: the mole chooser, the element
// mole calculator, average atomic mass and mass-energy.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "TestSupport.h"
#include "formulas/fmrMoles.h"
#include "formulas/frmAverageMass.h"
#include "formulas/frmMassEnergy.h"
#include "formulas/frmMoleChoice.h"
#include "shell/frmMain.h"

using namespace Qt::StringLiterals;
using TestSupport::messages;
using TestSupport::shown;

namespace {
template <class T> T* open(const QString& name) {
    auto* f = Forms::showAs<T>(name);
    f->activateWindow();
    QApplication::setActiveWindow(f);
    return f;
}
fmrMoles* moles() { return open<fmrMoles>(u"fmrMoles"_s); }
frmAverageMass* average() { return open<frmAverageMass>(u"frmAverageMass"_s); }
frmMassEnergy* energy() { return open<frmMassEnergy>(u"frmMassEnergy"_s); }

void expectOne(const QString& text, const QString& title, Msg::Icon icon) {
    QCOMPARE(messages().shown.size(), 1);
    QCOMPARE(messages().shown.first().text, text);
    QCOMPARE(messages().shown.first().title, title);
    QCOMPARE(messages().shown.first().icon, icon);
}

// Row of the element list whose line starts with the symbol and two or more blanks.
int rowOf(fmrMoles* m, const QString& symbol) {
    for (int r = 0; r < m->lstList1->count(); ++r)
        if (m->lstList1->item(r)->text().startsWith(symbol.leftJustified(2) + u"  "_s)) return r;
    return -1;
}

QStringList enabledOptions(fmrMoles* m) {
    QStringList out;
    for (QRadioButton* r : m->findChildren<QRadioButton*>())
        if (r->isEnabled()) out << r->objectName();
    return out;
}
QStringList checkedOptions(fmrMoles* m) {
    QStringList out;
    for (QRadioButton* r : m->findChildren<QRadioButton*>())
        if (r->isChecked()) out << r->objectName();
    return out;
}

const QString Value = u"You must enter a value."_s;
const QString From = u"You must make a selection in the From category."_s;
const QString To = u"You must make a selection in the To category."_s;
const QString Element = u"You must select an element from the list."_s;
const QString DataEntry = u"Data Entry Error"_s;
const QString KeyMessage = u"You must enter a valid numerical expression"_s;
const QString Tessival = u"Tessival"_s;
}  // namespace

class TstMoles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(u"frmHelp"_s, u"Tessival Help"_s);
        TestSupport::standIn(u"frmBuildAtoms"_s, u"Build An Atom"_s);
    }
    void init() {
        TestSupport::unloadAll();
        messages().clear();
    }

    // ---- Navigation -------------------------------------------------------

    void chooserOpensEachWindowAndEachComesBack_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("escapeCloses");
        QTest::newRow("moles") << u"cmdMoles"_s << u"fmrMoles"_s << u"Mole Calculations - Elements Only"_s << false;
        QTest::newRow("average") << u"cmdAveAtMass"_s << u"frmAverageMass"_s << u"Average Atomic Mass"_s << true;
        QTest::newRow("energy") << u"cmdMassEnergy"_s << u"frmMassEnergy"_s << u"Mass - Energy"_s << true;
        QTest::newRow("atom") << u"cmdAtom"_s << u"frmBuildAtoms"_s << QString() << false;
    }
    void chooserOpensEachWindowAndEachComesBack() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(bool, escapeCloses);
        auto* m = static_cast<frmMain*>(Forms::show(u"frmMain"_s));
        m->cmdMoles->click();
        TestSupport::settle();
        auto* ch = Forms::get<frmMoleChoice>(u"frmMoleChoice"_s);
        QVERIFY(ch && ch->isVisible());
        QCOMPARE(ch->windowTitle(), u"Mole Calculations"_s);
        QCOMPARE(QStringList({ch->cmdMoles->text(), ch->cmdAveAtMass->text(), ch->cmdMassEnergy->text(),
                              ch->cmdAtom->text(), ch->cmdCancel->text()}),
                 QStringList({u"Moles - Elements"_s, u"Average Atomic Mass"_s, u"Mass - Energy"_s,
                              u"Build An Atom"_s, u"Cancel"_s}));
        TestSupport::child<QPushButton>(ch, qPrintable(button))->click();
        TestSupport::settle();
        QVERIFY(shown(qPrintable(window)));
        QVERIFY(Forms::isLoaded(u"frmMoleChoice"_s) && !ch->isVisible());  // hidden, not unloaded
        QVERIFY(m->isVisible());
        if (window == u"frmBuildAtoms"_s) return;  // its own window brings the chooser back
        Form* f = Forms::loaded(window);
        QCOMPARE(f->windowTitle(), caption);
        auto* box = f->findChildren<QLineEdit*>().first();
        // F1 shows the user manual; Escape closes only where Cancel is the cancel button.
        TestSupport::press(box, Qt::Key_F1);
        QVERIFY(shown("frmHelp"));
        Forms::unload(u"frmHelp"_s);
        open<Form>(window);
        TestSupport::press(box, Qt::Key_Escape);
        TestSupport::settle();
        QCOMPARE(Forms::isLoaded(window), !escapeCloses);
        if (!escapeCloses) {
            QVERIFY(!ch->isVisible());
            TestSupport::child<QPushButton>(f, "cmdCancel")->click();
            TestSupport::settle();
            QVERIFY(!Forms::isLoaded(window));
        }
        QVERIFY(shown("frmMoleChoice"));
        // The chooser's Enter is its default button; its Escape unloads it.
        TestSupport::press(ch->cmdCancel, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(u"frmMoleChoice"_s));
        QVERIFY(m->isVisible());
    }

    void chooserEnterAndMenuItems_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("Mole Calculations") << u"mnuMoleCalculations"_s << u"fmrMoles"_s;
        QTest::newRow("Average Atomic Mass") << u"munAveAtMass"_s << u"frmAverageMass"_s;
        QTest::newRow("Mass And Energy") << u"mnuMassEnergy"_s << u"frmMassEnergy"_s;
        QTest::newRow("Build An Atom") << u"mnuBuildAnAtom"_s << u"frmBuildAtoms"_s;
    }
    void chooserEnterAndMenuItems() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        auto* m = static_cast<frmMain*>(Forms::show(u"frmMain"_s));
        m->menuItem(item)->trigger();
        TestSupport::settle();
        QVERIFY(shown(qPrintable(window)));
        QVERIFY(!Forms::isLoaded(u"frmMoleChoice"_s));
        if (window == u"frmBuildAtoms"_s) return;
        // Opened from the menu, Cancel still leads to the mole chooser.
        TestSupport::child<QPushButton>(Forms::loaded(window), "cmdCancel")->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(window));
        QVERIFY(shown("frmMoleChoice"));
        // Enter in the chooser opens the mole calculator.
        auto* ch = Forms::get<frmMoleChoice>(u"frmMoleChoice"_s);
        TestSupport::press(ch, Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(shown("fmrMoles"));
    }

    // ---- Mole calculator ----------------------------------------------------

    void elementListLines() {
        auto* m = moles();
        QCOMPARE(m->lstList1->count(), 109);
        // Stored order, symbol in 2 columns, two blanks, name cut or padded to 12.
        const QList<std::pair<int, QString>> lines = {
            {0, u"H   Hydrogen    "_s},  {1, u"He  Helium      "_s},  {5, u"C   Carbon      "_s},
            {25, u"Fe  Iron        "_s}, {103, u"Rf  Rutherfordiu"_s}, {108, u"Mt  Meitnerium  "_s}};
        for (const auto& [row, line] : lines) QCOMPARE(m->lstList1->item(row)->text(), line);
        QCOMPARE(m->lblMoles2->buddy(), m->lstList1);
        QCOMPARE(m->lstList1->accessibleName(), u"Select an element"_s);
    }

    void clickingAnElementShowsItsOwnWeight_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("weight");
        // Standard atomic weights (IUPAC, as the reference data hold them).
        QTest::newRow("H") << u"H"_s << u"1.008"_s;
        QTest::newRow("C") << u"C"_s << u"12.011"_s;
        QTest::newRow("Na") << u"Na"_s << u"22.98976928"_s;
        QTest::newRow("Fe") << u"Fe"_s << u"55.845"_s;
        QTest::newRow("Hg") << u"Hg"_s << u"200.592"_s;
        QTest::newRow("Mt") << u"Mt"_s << u"276"_s;
    }
    void clickingAnElementShowsItsOwnWeight() {
        QFETCH(QString, symbol);
        QFETCH(QString, weight);
        auto* m = moles();
        const int row = rowOf(m, symbol);
        QVERIFY(row >= 0);
        // A mouse click on the entry.
        QListWidgetItem* item = m->lstList1->item(row);
        m->lstList1->scrollToItem(item);
        QTest::mouseClick(m->lstList1->viewport(), Qt::LeftButton, {},
                          m->lstList1->visualItemRect(item).center());
        QCOMPARE(m->lstList1->currentRow(), row);
        QCOMPARE(m->txtMoles2->text(), weight);
        QCOMPARE(int(m->ListPosition), row);
        // Typed over, then clicked again: the weight comes back.
        m->txtMoles2->setText(u"99"_s);
        QTest::mouseClick(m->lstList1->viewport(), Qt::LeftButton, {},
                          m->lstList1->visualItemRect(item).center());
        QCOMPARE(m->txtMoles2->text(), weight);
        QVERIFY(messages().shown.isEmpty());
    }

    void optionsStartDisabledAndNeverStick() {
        auto* m = moles();
        QVERIFY(!m->cmdOk->isEnabled() && !m->cmdPrint->isEnabled());
        QCOMPARE(enabledOptions(m), QStringList());
        QCOMPARE(checkedOptions(m), QStringList());
        QCOMPARE(QApplication::focusWidget(), m->txtMoles1);
        TestSupport::type(m->txtMoles1, u"2"_s);
        QVERIFY(m->cmdOk->isEnabled() && m->cmdPrint->isEnabled());
        QCOMPARE(enabledOptions(m).size(), 6);
        // To Moles first, then From Moles: the To twin is cleared and greyed out.
        m->optMoles4->setChecked(true);
        m->optMoles1->setChecked(true);
        QCOMPARE(checkedOptions(m), QStringList({u"optMoles1"_s}));
        QVERIFY(!m->optMoles4->isEnabled() && m->optMoles5->isEnabled() && m->optMoles6->isEnabled());
        // Another From unit frees the first twin and greys out its own.
        m->optMoles2->click();
        QVERIFY(m->optMoles4->isEnabled() && !m->optMoles5->isEnabled() && m->optMoles6->isEnabled());
        m->optMoles4->click();
        m->optMoles3->setChecked(true);
        QCOMPARE(checkedOptions(m), QStringList({u"optMoles3"_s, u"optMoles4"_s}));
        QVERIFY(m->optMoles4->isEnabled() && m->optMoles5->isEnabled() && !m->optMoles6->isEnabled());
        // Clear keeps the units and makes all six usable.
        m->lstList1->setCurrentRow(rowOf(m, u"C"_s));
        m->cmdClear->click();
        QCOMPARE(checkedOptions(m), QStringList({u"optMoles3"_s, u"optMoles4"_s}));
        QCOMPARE(enabledOptions(m).size(), 6);
        QCOMPARE(m->lstList1->currentRow(), -1);
        QVERIFY(m->lstList1->selectedItems().isEmpty());
        QVERIFY(m->txtMoles1->text().isEmpty() && m->txtMoles2->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), m->txtMoles1);
        QVERIFY(m->cmdOk->isEnabled());
        QVERIFY(messages().shown.isEmpty());
    }

    void everyConversion_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("from");  // 0 Moles, 1 Grams, 2 Atoms
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("unit");
        auto row = [](const char* name, const char* sym, const char* amount, int from, int to, const char* answer,
                      const char* work, const char* unit) {
            QTest::newRow(name) << QString::fromLatin1(sym) << QString::fromLatin1(amount) << from << to
                                << QString::fromLatin1(answer) << QString::fromLatin1(work) << QString::fromLatin1(unit);
        };
        row("C moles to grams", "C", "2", 0, 1, "24.022", "2   X   12.011", "Grams");
        row("C moles to atoms", "C", "2", 0, 2, "1.20E+24", "2   X   6.023E+23  =  1.20E+24", "Atoms");
        row("C grams to moles", "C", "24.022", 1, 0, "2.000", "24.022   /   12.011", "Moles");
        row("C grams to atoms", "C", "6.0055", 1, 2, "3.01E+23", "6.0055   /   12.011 x  6.023E23", "Atoms");
        row("C atoms to moles", "C", "3.0115E+23", 2, 0, "0.500", "3.0115E+23   /   6.023E+23", "Moles");
        row("C atoms to grams", "C", "6.023E+23", 2, 1, "12.011", "6.023E+23   /   6.023E+23   X   12.011", "Grams");
        row("C moles to moles", "C", "1.5", 0, 0, "1.500", "1.5", "Moles");
        row("C grams to grams", "C", "12.5", 1, 1, "12.5", "12.5", "Grams");
        row("C atoms to atoms", "C", "1E+20", 2, 2, "1.00E+20", "1E+20", "Atoms");
        row("Fe moles to grams", "Fe", "3", 0, 1, "167.535", "3   X   55.845", "Grams");
        row("Fe moles to atoms", "Fe", ".5", 0, 2, "3.01E+23", ".5   X   6.023E+23  =  3.01E+23", "Atoms");
        row("Fe grams to moles", "Fe", "1000", 1, 0, "17.907", "1000   /   55.845", "Moles");
        row("Fe grams to atoms", "Fe", "111.69", 1, 2, "1.20E+24", "111.69   /   55.845 x  6.023E23", "Atoms");
        row("Fe atoms to moles", "Fe", "1.2046E+24", 2, 0, "2.000", "1.2046E+24   /   6.023E+23", "Moles");
        row("Fe atoms to grams", "Fe", "1.2046E+24", 2, 1, "111.69", "1.2046E+24   /   6.023E+23   X   55.845",
            "Grams");
    }
    void everyConversion() {
        QFETCH(QString, symbol);
        QFETCH(QString, amount);
        QFETCH(int, from);
        QFETCH(int, to);
        auto* m = moles();
        TestSupport::type(m->txtMoles1, amount);
        QRadioButton* froms[] = {m->optMoles1, m->optMoles2, m->optMoles3};
        QRadioButton* tos[] = {m->optMoles4, m->optMoles5, m->optMoles6};
        froms[from]->click();
        if (from == to) {
            QVERIFY(!tos[to]->isEnabled());
            m->txtMoles1->clear();  // editing the amount makes it usable again
            m->txtMoles1->setText(amount);
        }
        tos[to]->click();
        QVERIFY(tos[to]->isChecked());
        m->lstList1->setCurrentRow(rowOf(m, symbol));
        TestSupport::press(m->txtMoles1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QTEST(m->txtMoles3->text(), "answer");
        QTEST(m->Text1->text(), "work");
        QTEST(m->lblMoles5->text(), "unit");
        // Another unit empties the answer.
        froms[(from + 1) % 3]->click();
        QVERIFY(m->txtMoles3->text().isEmpty() && m->Text1->text().isEmpty() && m->lblMoles5->text().isEmpty());
    }

    void checksInOrder() {
        auto* m = moles();
        // Enter before anything was typed runs Ok although it is disabled.
        TestSupport::press(m->txtMoles1, Qt::Key_Return);
        expectOne(Value, u"Moles"_s, Msg::Icon::None);
        struct Step {
            std::function<void()> act;
            QString message;
            Msg::Icon icon;
        };
        const QList<Step> steps = {
            {[m] { m->txtMoles1->setText(u"0"_s); }, Value, Msg::Icon::None},
            {[m] { m->txtMoles1->setText(u"0.0"_s); }, Value, Msg::Icon::None},
            {[m] { m->txtMoles1->setText(u"2"_s); }, From, Msg::Icon::None},
            {[m] { m->optMoles1->setChecked(true); }, To, Msg::Icon::None},
            {[m] { m->optMoles5->setChecked(true); }, Element, Msg::Icon::Information},
        };
        for (const Step& s : steps) {
            messages().clear();
            s.act();
            m->cmdOk->click();
            expectOne(s.message, u"Moles"_s, s.icon);
            QVERIFY(m->txtMoles3->text().isEmpty());
        }
        messages().clear();
        m->lstList1->setCurrentRow(rowOf(m, u"C"_s));
        m->cmdOk->click();
        QVERIFY(messages().shown.isEmpty());
        QCOMPARE(m->txtMoles3->text(), u"24.022"_s);
    }

    void faultsKeepTheAnswer_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("weight");
        QTest::newRow("weight not a number") << u"2"_s << 0 << 1 << u"abc"_s;
        QTest::newRow("weight empty") << u"2"_s << 0 << 2 << QString();
        QTest::newRow("grams over a weight of 0") << u"2"_s << 1 << 0 << u"0"_s;
        QTest::newRow("too many atoms") << u"1E+300"_s << 0 << 2 << u"12.011"_s;
        QTest::newRow("amount a lone E") << u"E"_s << 0 << 1 << u"12.011"_s;
    }
    void faultsKeepTheAnswer() {
        QFETCH(QString, amount);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, weight);
        auto* m = moles();
        TestSupport::type(m->txtMoles1, u"2"_s);
        m->optMoles1->click();
        m->optMoles5->click();
        m->lstList1->setCurrentRow(rowOf(m, u"C"_s));
        m->cmdOk->click();
        QCOMPARE(m->txtMoles3->text(), u"24.022"_s);
        // A fault shows one message; the answer, its unit and the work line stay.
        QRadioButton* froms[] = {m->optMoles1, m->optMoles2, m->optMoles3};
        QRadioButton* tos[] = {m->optMoles4, m->optMoles5, m->optMoles6};
        froms[from]->setChecked(true);
        tos[to]->setChecked(true);
        m->cmdOk->click();  // the answer of the new units
        const QString answer = m->txtMoles3->text(), work = m->Text1->text(), unit = m->lblMoles5->text();
        messages().clear();
        m->txtMoles1->setText(amount);
        m->txtMoles2->setText(weight);
        m->cmdOk->click();
        const QString expected = amount == u"E"_s ? Value : DataEntry;
        expectOne(expected, expected == Value ? u"Moles"_s : Tessival, Msg::Icon::None);
        QCOMPARE(m->txtMoles3->text(), answer);
        QCOMPARE(m->Text1->text(), work);
        QCOMPARE(m->lblMoles5->text(), unit);
    }

    void keysHelpAndPrint() {
        auto* m = moles();
        TestSupport::type(m->txtMoles1, u"3.01e-a"_s);
        QCOMPARE(messages().shown.size(), 3);
        for (const Msg::Box& b : messages().shown) {
            QCOMPARE(b.text, KeyMessage);
            QCOMPARE(b.title, Tessival);
            QCOMPARE(b.icon, Msg::Icon::None);
        }
        TestSupport::type(m->txtMoles1, u"E+23"_s);
        QCOMPARE(m->txtMoles1->text(), u"3.01E+23"_s);
        messages().clear();
        m->cmdHelp->click();
        QCOMPARE(messages().shown.size(), 1);
        QVERIFY(messages().lastText().startsWith(u"A mole is a convenient unit of measurement in chemistry."_s));
        QVERIFY(messages().lastText().endsWith(u"The same is true with moles, their weight and 6.02E23."_s));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(messages().shown.last().title, Tessival);
        m->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed.last(), m);
        // Tooltips and names a student or screen reader meets.
        QCOMPARE(m->txtMoles1->accessibleName(), u"Enter an amount"_s);
        QCOMPARE(m->txtMoles2->accessibleName(), u"At. Wt."_s);
        QCOMPARE(m->txtMoles3->accessibleName(), u"The result is"_s);
        QCOMPARE(m->Frame2->toolTip(), u"Select the unit you want to convert the mass to."_s);
        QCOMPARE(m->cmdCancel->toolTip(), u"Close this screen and return to the main screen."_s);
    }

    void databaseFaults() {
        {
            // A weight missing for one element: that click says so and the box keeps its text.
            TempDatabase db({u"CREATE TABLE GeneralInfo (Symbol TEXT, ElementName TEXT, AtomicWeight REAL)"_s,
                             u"INSERT INTO GeneralInfo VALUES ('H', 'Hydrogen', 1.008)"_s,
                             u"INSERT INTO GeneralInfo VALUES ('Xx', 'Unknownium', NULL)"_s});
            QVERIFY(db.opened);
            auto* m = moles();
            QCOMPARE(m->lstList1->count(), 2);
            m->lstList1->setCurrentRow(0);
            QCOMPARE(m->txtMoles2->text(), u"1.008"_s);
            m->lstList1->setCurrentRow(1);
            expectOne(u"List Selection Error"_s, Tessival, Msg::Icon::Information);
            QCOMPARE(m->txtMoles2->text(), u"1.008"_s);
            init();
        }
        {
            // A table without the weights: the window opens with an empty list.
            TempDatabase db({u"CREATE TABLE GeneralInfo (Symbol TEXT, ElementName TEXT)"_s,
                             u"INSERT INTO GeneralInfo VALUES ('H', 'Hydrogen')"_s});
            QVERIFY(db.opened);
            auto* m = moles();
            QCOMPARE(messages().shown.size(), 1);
            QVERIFY(!messages().lastText().isEmpty());
            QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
            QCOMPARE(messages().shown.last().title, Tessival);
            QVERIFY(m->isVisible());
            QCOMPARE(m->lstList1->count(), 0);
            init();
        }
    }

    // ---- Average atomic mass ----------------------------------------------

    void averageMass_data() {
        QTest::addColumn<QStringList>("typed");  // the twelve boxes row by row
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        const QString empty4 = u" + 0 * 0 + 0 * 0 + 0 * 0 + 0 * 0"_s;
        QTest::newRow("fractions") << QStringList{u"35"_s, u"0.75"_s, u"37"_s, u"0.25"_s} << u"35.500"_s
                                   << u"35 * 0.75 + 37 * 0.25"_s + empty4;
        QTest::newRow("percentages") << QStringList{u"35"_s, u"75"_s, u"37"_s, u"25"_s} << u"35.500"_s
                                     << u"35 * 75 / 100 + 37 * 25 / 100 + 0 * 0 / 100 + 0 * 0 / 100 + 0 * 0 / 100 + 0 * 0 / 100"_s;
        QTest::newRow("chlorine, typed with zeros")
            << QStringList{u"34.969"_s, u".7576"_s, u"36.966"_s, u"0.2424"_s, u"35.000"_s} << u"35.453"_s
            << u"34.969 * 0.7576 + 36.966 * 0.2424 + 35 * 0"_s + u" + 0 * 0 + 0 * 0 + 0 * 0"_s;
        QTest::newRow("six isotopes")
            << QStringList{u"10"_s, u"0.1"_s, u"20"_s, u"0.1"_s, u"30"_s, u"0.2"_s,
                           u"40"_s, u"0.2"_s, u"50"_s, u"0.2"_s, u"60"_s, u"0.2"_s}
            << u"39.000"_s << u"10 * 0.1 + 20 * 0.1 + 30 * 0.2 + 40 * 0.2 + 50 * 0.2 + 60 * 0.2"_s;
        QTest::newRow("occurrence without weight")
            << QStringList{u"1"_s, u"0.5"_s, u"3"_s, u"0.5"_s, QString(), u"0.3"_s} << u"2.000"_s
            << u"1 * 0.5 + 3 * 0.5 + 0 * 0.3 + 0 * 0 + 0 * 0 + 0 * 0"_s;
        QTest::newRow("large numbers") << QStringList{u"1E3"_s, u"100"_s, u"2E3"_s, u"0"_s} << u"1,000.000"_s
                                       << u"1000 * 100 / 100 + 2000 * 0 / 100"_s + u" + 0 * 0 / 100"_s.repeated(4);
    }
    void averageMass() {
        QFETCH(QStringList, typed);
        auto* f = average();
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        QCOMPARE(f->Label7->text(), u"Enter the weight and percentage for up to six isotopes."_s);
        for (int i = 0; i < typed.size(); ++i) TestSupport::type(f->inputs.at(i), typed.at(i));
        TestSupport::press(f->inputs.at(typed.size() - 1), Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QTEST(f->Text14->text(), "answer");
        QTEST(f->Text7->text(), "work");
    }

    void averageMassChecksAndFaults() {
        auto* f = average();
        const QString weight = u"You must enter valid data for the weight."_s;
        const QString occurrence = u"You must enter valid data for the occurence."_s;
        const QList<std::tuple<QLineEdit*, QString, QString>> steps = {{f->Text1, weight, u"1"_s},
                                                                       {f->Text2, occurrence, u"0.5"_s},
                                                                       {f->Text3, weight, u"3"_s},
                                                                       {f->Text4, occurrence, u".5"_s}};
        for (const auto& [box, message, text] : steps) {
            messages().clear();
            f->cmdOk->click();
            expectOne(message, Tessival, Msg::Icon::Critical);
            QVERIFY(f->Text14->text().isEmpty());
            box->setText(text);
        }
        messages().clear();
        f->cmdOk->click();
        QCOMPARE(f->Text14->text(), u"2.000"_s);
        // Faults: the description; the answer and work line stay.
        const QString work = u"1 * 0.5 + 3 * 0.5 + 0 * 0 + 0 * 0 + 0 * 0 + 0 * 0"_s;
        QCOMPARE(f->Text7->text(), work);
        f->Text5->setText(u"E"_s);
        f->cmdOk->click();
        expectOne(u"Type mismatch"_s, Tessival, Msg::Icon::Information);
        f->Text5->clear();
        f->Text1->setText(u"1E30"_s);
        f->Text2->setText(u"1E30"_s);
        messages().clear();
        f->cmdOk->click();
        expectOne(u"Overflow"_s, Tessival, Msg::Icon::Information);
        QCOMPARE(f->Text14->text(), u"2.000"_s);
        QCOMPARE(f->Text7->text(), work);
        // Keys: digits, ".", "E"; everything else is refused under the program's name.
        messages().clear();
        f->Text9->clear();
        TestSupport::type(f->Text9, u"1-+e,E.5"_s);
        QCOMPARE(f->Text9->text(), u"1E.5"_s);
        QCOMPARE(messages().shown.size(), 4);
        QCOMPARE(messages().shown.last().title, Tessival);
        QCOMPARE(messages().shown.last().icon, Msg::Icon::None);
        // Clear empties every box and starts again at the first.
        f->cmdClear->click();
        for (QLineEdit* b : f->findChildren<QLineEdit*>()) QVERIFY(b->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f->Text1);
        messages().clear();
        f->cmdHelp->click();
        QVERIFY(messages().lastText().startsWith(u"The atomic mass as seen on the periodic table"_s));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
    }

    // ---- Mass and energy ----------------------------------------------------

    void massEnergy_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        auto row = [](const char* name, QStringList typed, const char* answer, const char* work, const char* message,
                      Msg::Icon icon = Msg::Icon::Information) {
            QTest::newRow(name) << typed << QString::fromLatin1(answer) << QString::fromLatin1(work)
                                << QString::fromLatin1(message) << int(icon);
        };
        row("water", {u"2"_s, u"36"_s, u"18"_s, u"100"_s}, "100.000", "36 / 18 * 100 / 2", "");
        row("energy given off", {u"1"_s, u"9"_s, u"18"_s, u"-285.8"_s}, "-142.900", "9 / 18 * -285.8 / 1", "");
        row("half coefficient", {u"0.5"_s, u"36"_s, u"18"_s, u"100"_s}, "400.000", "36 / 18 * 100 / 0.5", "");
        row("coefficient 2.5", {u"2.5"_s, u"36"_s, u"18"_s, u"100"_s}, "80.000", "36 / 18 * 100 / 2.5", "");
        row("coefficient empty", {QString(), u"36"_s, u"18"_s, u"100"_s}, "", "", "You must enter a valid coefficient.");
        row("coefficient 0", {u"0"_s, u"36"_s, u"18"_s, u"100"_s}, "", "", "You must enter a valid coefficient.");
        row("coefficient .", {u"."_s, u"36"_s, u"18"_s, u"100"_s}, "", "", "You must enter a valid coefficient.");
        row("grams empty", {u"2"_s, QString(), u"18"_s, u"100"_s}, "", "", "You must enter a valid number of grams.");
        row("weight empty", {u"2"_s, u"36"_s, QString(), u"100"_s}, "", "", "You must enter a valid molecular weight.");
        row("energy empty", {u"2"_s, u"36"_s, u"18"_s, QString()}, "", "", "You must enter a valid amount of energy.");
        row("weight 0", {u"2"_s, u"36"_s, u"0"_s, u"100"_s}, "", "", "Division by zero", Msg::Icon::Critical);
        row("energy a lone -", {u"2"_s, u"36"_s, u"18"_s, u"-"_s}, "", "", "Type mismatch", Msg::Icon::Critical);
        row("too much heat", {u"1"_s, u"1000000000000000000000"_s, u".000000000000000001"_s, u"999999999"_s}, "", "", "Overflow",
            Msg::Icon::Critical);
    }
    void massEnergy() {
        QFETCH(QStringList, typed);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        QFETCH(QString, message);
        QFETCH(int, icon);
        auto* f = energy();
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        // A first answer, which a refused row keeps.
        const QList<QLineEdit*> boxes = {f->Text1, f->Text2, f->Text3, f->Text4};
        for (int i = 0; i < 4; ++i) TestSupport::type(boxes[i], QStringList{u"1"_s, u"18"_s, u"18"_s, u"10"_s}[i]);
        TestSupport::press(f->Text4, Qt::Key_Return);
        QCOMPARE(f->Text5->text(), u"10.000"_s);
        for (QLineEdit* b : boxes) b->clear();
        for (int i = 0; i < 4; ++i) TestSupport::type(boxes[i], typed[i]);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        TestSupport::press(f->Text2, Qt::Key_Return);
        if (message.isEmpty()) {
            QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
            QCOMPARE(f->Text5->text(), answer);
            QCOMPARE(f->Text6->text(), work);
        } else {
            expectOne(message, Tessival, Msg::Icon(icon));
            QCOMPARE(f->Text5->text(), u"10.000"_s);
            QCOMPARE(f->Text6->text(), u"18 / 18 * 10 / 1"_s);
        }
    }

    void massEnergyKeysClearAndHelp() {
        auto* f = energy();
        QCOMPARE(f->Label6->text(), u"Enter the following data from a balanced equation."_s);
        QCOMPARE(f->Label7->text(), u"This value is negative if energy is given off."_s);
        TestSupport::type(f->Text1, u"-E2"_s);
        QCOMPARE(f->Text1->text(), u"2"_s);
        QCOMPARE(messages().shown.size(), 2);
        QCOMPARE(messages().lastText(), KeyMessage);
        QCOMPARE(messages().shown.last().title, Tessival);
        f->cmdClear->click();
        QVERIFY(f->Text1->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f->Text1);
        messages().clear();
        f->cmdHelp->click();
        QVERIFY(messages().lastText().startsWith(u"When moles of two substances react together"_s));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        f->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed.last(), f);
    }

    // ---- The manual --------------------------------------------------------

    void manualChecksAreTheWindowsMessages_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("window");
        QTest::newRow("Moles") << u"Moles.txt"_s << u"fmrMoles"_s;
        QTest::newRow("AverageAtomicMass") << u"AverageAtomicMass.txt"_s << u"frmAverageMass"_s;
        QTest::newRow("MassEnergy") << u"MassEnergy.txt"_s << u"frmMassEnergy"_s;
    }
    void manualChecksAreTheWindowsMessages() {
        QFETCH(QString, topic);
        QFETCH(QString, window);
        QFile file(Program::path(topic));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const int from = text.indexOf(u"## Checks"_s);
        QVERIFY(from >= 0);
        const QString checks = text.mid(from, text.indexOf(u"\n## "_s, from + 1) - from);
        const QStringList known = Forms::show(window)->messageTexts();
        static const QRegularExpression quoted(u"\"([^\"]+)\""_s);
        int count = 0;
        for (const auto& match : quoted.globalMatch(checks)) {
            QVERIFY2(known.contains(match.captured(1)), qPrintable(match.captured(1)));
            ++count;
        }
        QVERIFY(count >= 4);
    }
};

QTEST_MAIN(TstMoles)
#include "tst_moles.moc"
