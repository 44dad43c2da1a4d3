// Boyle, Charles, Gay-Lussac, ideal gas, molecular mass, gas density, molar
// volume, mass-volume and volume-volume, driven as a student would.
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "CalculatorCases.h"
#include "Roads.h"
#include "MessageTexts.h"
#include "TestSupport.h"
#include "platform/CalculatorForm.h"

using TestSupport::messages;
using TestSupport::open;

namespace {
const QString Kelvin = QStringLiteral("The temperature in Kelvin must be larger than 0.");
const QString Prior = QStringLiteral("prior");

QLineEdit* box(Form* f, const QString& name) { return f->findChild<QLineEdit*>(name); }
QLineEdit* shownBox(Form* f, const QString& accessible) {
    for (QLineEdit* e : f->findChildren<QLineEdit*>())
        if (e->accessibleName() == accessible) return e;
    return nullptr;
}
// "Text1=2;Text2=3" typed into the boxes, as pasted text.
void fill(Form* f, const QString& inputs) {
    for (const QString& pair : inputs.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int eq = pair.indexOf(QLatin1Char('='));
        box(f, pair.left(eq))->setText(pair.mid(eq + 1));
    }
}
// "2|760|1" into the calculator's input boxes in screen order.
void fillInOrder(Form* f, const QString& values) {
    const QStringList v = values.split(QLatin1Char('|'));
    const QList<QLineEdit*> boxes = qobject_cast<CalculatorForm*>(f)->inputs;
    for (int i = 0; i < v.size(); ++i) boxes.at(i)->setText(v.at(i));
}
void choose(Form* f, const QString& option) {
    if (!option.isEmpty()) f->findChild<QRadioButton*>(option)->setChecked(true);
}
QStringList visiblePrompts(Form* f) {
    QStringList out;
    for (QLabel* l : f->findChildren<QLabel*>())
        if (l->buddy() && l->isVisibleTo(f) && l->buddy()->isEnabled() &&
            !qobject_cast<QLineEdit*>(l->buddy())->isReadOnly())
            out << l->text();
    return out;
}

using CalculatorCases::said;
constexpr auto Plain = Msg::Icon::None, Info = Msg::Icon::Information;

// Each window's first answer under each option, a row of its own; a row of the
// same window and option is typed over it.
struct First {
    const char *name, *window;
    int option;  // -1: the window has none
    QStringList typed;
    const char *answer, *work;
};
const QList<First> Firsts = {
    {"boyle pressure", "frmBoyles", 0, {"2", "760", "1"}, "1,520.000", "760 * (2 / 1 )"},
    {"boyle volume, read back", "frmBoyles", 1, {"7.6E+2", "2.0", "1520"}, "1.000", "2 * (760 / 1520 )"},
    {"charles temperature", "frmCharlesLaw", 0, {"300", "2", "3"}, "450.000", "300 * (3 / 2)"},
    {"charles volume, read back", "frmCharlesLaw", 1, {"300.0", ".5", "450"}, "0.750", "0.5 * (450 / 300)"},
    {"gay-lussac .5 passes", "frmGayLussac", 0, {".5", "273", "546"}, "1.000", "0.5 * (546 / 273)"},
    {"gay-lussac temperature", "frmGayLussac", 1, {"273", "1", "2"}, "546.000", "273 * (2 / 1)"},
    // R = 0.0821 L·atm/(mol·K): a mole at 273 K and 1 atm fills 22.4 L, and back.
    {"ideal pressure", "frmIdeal", 0, {"1", "1", "273"}, "22.413", "(1 * 273 * 0.0821) / 1"},
    {"ideal volume, read back", "frmIdeal", 1, {"00.50", "1", "273"}, "44.827", "(1 * 273 * 0.0821) / 0.5"},
    {"ideal moles", "frmIdeal", 2, {"44.8", "1", "273"}, "1.999", "(1 * 44.8) / (0.0821 * 273)"},
    {"ideal temperature", "frmIdeal", 3, {"22.4", "1", "1"}, "272.838", "(1 * 22.4) / (1 * 0.0821)"},
    {"molecular mass read back", "frmMolecularWeight", -1, {"1E0", "4", "2", "300"}, "49.260", "4/ ((1 * 2) / (0.0821 * 300))"},
    {"density", "frmGasDensity", -1, {"32", "1", "273"}, "1.428", "(32 * 1) / (0.0821 * 273)"},
    {"molar mass as typed", "frmMolarVolume", 0, {"32.0", "11.2"}, "16.000", "32.0 * 11.2 / 22.4"},
    {"molar moles", "frmMolarVolume", 1, {"32", "64"}, "2.000", "64 / 32"},
    {"molar volume", "frmMolarVolume", 2, {"32", "64"}, "44.800", "64 / 32 * 22.4"},
    {"mass-volume volume", "frmMassVolume", 0, {"64", "32", "2", "1"}, "89.600", "64 / 32 * 2 / 1 * 22.4"},
    {"mass-volume mass ratio", "frmMassVolume", 1, {"22.4", "273", "2", "1", "32", "101.3"}, "15.996", "101.3 * 22.4 / (8.314 * 273) * 1 / 2 * 32"},
    {"volume-volume .5 passes", "frmVolumeVolume", -1, {".5", "2", "1"}, "0.25", ".5 * (1 / 2)"},
};
const First& firstOf(const char* window, int option) {
    for (const First& f : Firsts)
        if (f.option == option && qstrcmp(f.window, window) == 0) return f;
    qFatal("no first answer for %s", window);
}

void answer(const char* name, const char* window, int option, const QStringList& typed, const char* value,
            const char* work) {
    CalculatorCases::row(name, option, typed, QString::fromUtf8(value), QString::fromUtf8(work)) << window;
}
// Refused: the message under its title and icon, and the first answer is not shown again.
void refused(const char* name, const char* window, int option, const QStringList& typed, const QString& message,
             Msg::Icon icon = Plain, const QString& title = QString()) {
    const First& f = firstOf(window, option);
    CalculatorCases::row(name, option, typed, QString::fromUtf8(f.answer), QString::fromUtf8(f.work),
                         said(message, icon), title)
        << window;
}
}  // namespace

class TestGasLaws : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // Answers and work lines, and every refusal: the message, its title and
    // icon, and no answer or work line left beside the boxes.
    void calculations_data() {
        CalculatorCases::columns();
        QTest::addColumn<QString>("window");
        for (const First& f : Firsts) answer(f.name, f.window, f.option, f.typed, f.answer, f.work);
        const char* b = "frmBoyles";
        const QString bValid = QStringLiteral("You must enter valid data into all required data boxes.");
        refused("boyle empty", b, 0, {"2", "", "1"}, bValid);
        refused("boyle negative pasted", b, 1, {"-2", "760", "1"}, bValid);
        // No gas has a pressure or volume of 0.
        refused("boyle zero volume", b, 0, {"2", "760", "0"}, bValid);
        refused("boyle zero pressure", b, 0, {"2", "0", "1"}, bValid);
        refused("boyle zero final pressure", b, 1, {"760", "2", "0.0"}, bValid);
        refused("boyle beyond double", b, 0, {"1E+309", "760", "1"}, "Overflow");
        refused("boyle answer beyond double", b, 0, {"3E+307", "10", "1"}, "Overflow");
        refused("boyle volume not a number", b, 1, {".", "2", "1"}, "Type mismatch");

        const char* c = "frmCharlesLaw";
        const QString cAll = QStringLiteral("You must enter valid data into all data boxes.");
        refused("charles zero volume", c, 0, {"300", "2", "0"}, cAll);
        refused("charles volume empty", c, 0, {"300", "", "3"}, cAll);
        refused("charles last empty", c, 1, {"300", "2", ""}, "You must enter data into the final entry box.");
        refused("charles zero kelvin", c, 0, {"0", "2", "3"}, Kelvin, Info);
        refused("charles final kelvin", c, 1, {"300", "2", "0.0"}, Kelvin, Info);
        refused("charles negative volume", c, 0, {"300", "2", "-3"}, cAll);
        refused("charles initial volume 0", c, 0, {"300", "0", "3"}, cAll);
        refused("charles volume, initial volume 0.0", c, 1, {"300", "0.0", "450"}, cAll);

        const char* g = "frmGayLussac";
        const QString one = QStringLiteral("You must enter a valid number in box one.");
        const QString two = QStringLiteral("You must enter a valid number in box two.");
        const QString three = QStringLiteral("You must enter a valid number in box three.");
        refused("gay-lussac box one 00", g, 0, {"00", "273", "546"}, one, Info);
        refused("gay-lussac initial kelvin 0.0", g, 0, {"1", "0.0", "546"}, Kelvin, Info);
        refused("gay-lussac box one kelvin", g, 1, {"0", "1", "2"}, Kelvin, Info);
        refused("gay-lussac box two pressure", g, 1, {"273", "0", "2"}, two, Info);
        refused("gay-lussac box three empty", g, 0, {"1", "273", ""}, three, Info);
        refused("gay-lussac final kelvin", g, 0, {"1", "273", "0"}, Kelvin, Info);
        refused("gay-lussac negative pressure", g, 1, {"273", "1", "-2"}, three, Info);
        refused("gay-lussac temperature at no pressure", g, 1, {"273", "1", "0"}, three, Info);
        refused("gay-lussac not a number", g, 0, {"1", "273", "."}, "Data Entry Error.");

        const char* i = "frmIdeal";
        const QString iValid = QStringLiteral("You must enter valid data into all the boxes.");
        // R = 0.0821 L·atm/(mol·K): a mole at 273 K and 1 atm fills 22.4 L, and back.
        answer("ideal molar volume", i, 1, {"1.00", "1.00", "273"}, "22.413", "(1 * 273 * 0.0821) / 1");
        refused("ideal empty", i, 0, {"1", "", "273"}, "You must enter data into all the boxes.");
        refused("ideal kelvin", i, 2, {"1", "1", "-10"}, Kelvin, Info);
        refused("ideal negative pressure", i, 3, {"1", "1", "-1"}, iValid);
        refused("ideal negative moles", i, 0, {"1", "-1", "273"}, iValid);
        refused("ideal zero volume", i, 0, {"0", "1", "273"}, iValid);
        refused("ideal zero moles", i, 3, {"1", "0", "1"}, iValid);
        refused("ideal temperature at no pressure", i, 3, {"1", "1", "0"}, iValid);
        refused("ideal volume at no pressure", i, 1, {"0.0", "1", "273"}, iValid);
        refused("ideal not a number", i, 1, {".", "1", "273"}, "Type mismatch");

        const char* m = "frmMolecularWeight";
        answer("molecular mass by hand", m, -1, {"1.00", "1.05", "0.500", "298"}, "51.378", "1.05/ ((1 * 0.5) / (0.0821 * 298))");
        refused("molecular empty", m, -1, {"1", "", "1", "273"}, "You must enter data into all the boxes.");
        refused("molecular pressure 0.0", m, -1, {"0.0", "2", "1", "273"}, iValid);
        refused("molecular kelvin 0", m, -1, {"1", "2", "1", "0"}, Kelvin, Info);
        refused("molecular lone minus", m, -1, {"1", "2", "1", "-"}, iValid);
        refused("molecular beyond double", m, -1, {"1E309", "2", "1", "273"}, "Data Entry Error");

        const char* d = "frmGasDensity";
        refused("density empty", d, -1, {"32", "1", ""}, "You must enter data into all the boxes.");
        refused("density weight 0", d, -1, {"0", "1", "273"}, iValid);
        refused("density pressure 00", d, -1, {"32", "00", "273"}, iValid);
        refused("density kelvin", d, -1, {"32", "1", "0"}, Kelvin, Info);
        refused("density not a number", d, -1, {"32", "1", "."}, "Type mismatch");

        const char* v = "frmMolarVolume";
        const QString both = QStringLiteral("You must enter valid data into both boxes.");
        refused("molar mass of weight 0", v, 0, {"0", "5"}, QStringLiteral("You must enter valid data into both boxes."), Plain,
                "Molar Volume");
        refused("molar empty", v, 0, {"32", ""}, both, Plain, "Molar Volume");
        refused("molar negative", v, 2, {"-32", "64"}, both, Plain, "Molar Volume");
        refused("molar mass of no volume", v, 0, {"32", "0"}, both, Plain, "Molar Volume");
        refused("molar moles of weight 0", v, 1, {"0", "64"}, QStringLiteral("You must enter valid data into both boxes."), Plain,
                "Molar Volume");
        refused("molar not a number", v, 2, {"32", "."}, "Data entry error", Plain, "Molar Volume");

        const char* s = "frmMassVolume";
        const QString first = QStringLiteral("You must enter a valid, positive number.");
        const QString positive = QStringLiteral("You must enter a valid, positive number .");
        // 2 KClO3 -> 2 KCl + 3 O2: 5.00 L of oxygen at 298 K and 101.3 kPa.
        answer("mass-volume KClO3", s, 1, {"5.00", "298", "3", "2", "122.55", "101.3"}, "16.702",
               "101.3 * 5.00 / (8.314 * 298) * 2 / 3 * 122.55");
        refused("mass-volume first empty", s, 0, {"", "32", "2", "1"}, first, Info);
        refused("mass-volume negative weight", s, 0, {"64", "-32", "2", "1"}, positive, Info);
        refused("mass-volume product 00", s, 0, {"64", "32", "00", "1"}, positive, Info);
        refused("mass-volume reactant 0", s, 0, {"64", "32", "2", "0"}, positive, Info);
        refused("mass-volume kelvin", s, 1, {"2", "-5", "1", "1", "65", "101"}, Kelvin, Info);
        refused("mass-volume weight empty", s, 1, {"2", "273", "1", "1", "", "101"}, positive, Info);
        refused("mass-volume pressure empty", s, 1, {"2", "273", "1", "1", "65", ""}, positive, Info);
        refused("mass-volume beyond double", s, 0, {QString(400, QLatin1Char('9')), "32", "2", "1"},
                "Data entry error");

        const char* w = "frmVolumeVolume";
        const QString coefficient = QStringLiteral("You must enter a valid coefficient.");
        const QString volume = QStringLiteral("You must enter a valid volume.");
        answer("volume-volume third", w, -1, {"1", "3", "1"}, "0.333333333333333", "1 * (1 / 3)");
        refused("volume-volume empty", w, -1, {"", "1", "2"}, volume, Info);
        refused("volume-volume 0.0", w, -1, {"0.0", "1", "2"}, volume, Info);
        refused("volume-volume given 00", w, -1, {"10", "00", "2"}, coefficient, Info);
        refused("volume-volume needed 0", w, -1, {"10", "1", "0"}, coefficient, Info);
        refused("volume-volume beyond double", w, -1, {QString(400, QLatin1Char('9')), "1", "2"},
                "Data Entry Error.");
    }
    void calculations() {
        QFETCH(QString, window);
        const QByteArray name = window.toLatin1();
        QList<QStringList> typed;  // by option
        for (const First& f : Firsts)
            if (name == f.window) typed << f.typed;
        CalculatorCases::run({.window = name.constData(), .first = typed, .press = CalculatorCases::Run::Ok, .listed = true});
    }

    // Another option's prompts (shown boxes only), result caption and unit: the
    // shape's handler and the windows' own; the answer and work line go, typed
    // numbers stay (mass-volume starts afresh). Then Clear empties every box and
    // returns to the first option, with each window's own captions and focus rule
    // ("" keeps it); a constant keeps its box, Ok and Print stay enabled.
    void optionThenClear_data() {
        for (const char* c : {"window", "option", "prompts", "result", "unit", "cleared", "focus"})
            QTest::addColumn<QString>(c);
        const auto row = [](const char* window, const char* option, const char* prompts, const char* result,
                            const char* unit, const char* cleared, const char* focus) {
            QTest::newRow(window) << window << option << prompts << result << unit << cleared << focus;
        };
        row("frmBoyles", "opt2",
            "Enter an initial pressure in mm Hg.|Enter an initial volume in liters|Enter a final pressure in mm Hg",
            "The final volume is ", "",
            "Enter an initial volume in liters|Enter an initial pressure in mm Hg|Enter a final volume in liters",
            "txtInitialVolume");
        const char* kelvin = "Enter initial temperature in degrees Kelvin|Enter the initial volume in liters.|";
        row("frmCharlesLaw", "opt2", qPrintable(kelvin + QStringLiteral("Enter a final temperature in degrees Kelvin.")),
            "The final volume is ", "Liters", qPrintable(kelvin + QStringLiteral("Enter a final volume in liters.")),
            "txtInitialTemperature");
        row("frmIdeal", "opt4", "Enter the volume in liters.|Enter the number of moles.|Pressure in atmospheres.",
            " The final temperature is ", "Kelvin",
            "Enter the volume in liters.|Enter the number of moles.|Enter the temperature in K.", "");
        row("frmMassVolume", "opt2",
            "Enter the volume in liters.|Enter the initial temperature in Kelvin.|Enter the product to reactant "
            "ratio.|to|Enter the molecular weight of the reactant.|Enter the initial pressure in kPa.",
            "The mass of the reactant is ", "grams",
            "Enter the mass of the reactant.|Enter the molecular weight of the reactant.|Enter the ratio of product "
            "to reactant.|to",
            "Text1");
        row("frmGayLussac", "opt2",
            "Enter the initial temperature in Kelvin.|Enter the initial pressure in atmospheres.|Enter the final "
            "pressure in atmospheres.",
            "The final temperature is ", "K.",
            "Enter the initial pressure in atmospheres.|Enter the initial temperature in Kelvin.|Enter the final "
            "temperature in Kelvin.",
            "Text1");
        row("frmMolarVolume", "opt3", "Enter the molecular weight of the gas.|Enter the mass of the gas in grams.",
            "The volume  is ", "liters",
            "Enter the molecular weight of the gas.|Enter the volume of the gas in liters.", "Text1");
    }
    void optionThenClear() {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, prompts);
        QFETCH(QString, result);
        QFETCH(QString, unit);
        QFETCH(QString, cleared);
        QFETCH(QString, focus);
        auto* f = qobject_cast<CalculatorForm*>(open(window));
        // Come from another option, so this one's handler runs.
        f->options.at(option == f->options.first()->objectName() ? 1 : 0)->setChecked(true);
        TestSupport::type(f->inputs.first(), QStringLiteral("5"));
        f->answerBox->setText(Prior);
        f->workLine->setText(Prior);
        choose(f, option);
        QCOMPARE(visiblePrompts(f).join(QLatin1Char('|')), prompts);
        QCOMPARE(shownBox(f, result), f->answerBox);
        QVERIFY(f->answerBox->text().isEmpty() && f->workLine->text().isEmpty());
        QCOMPARE(f->unitLabel->text(), unit);
        QCOMPARE(f->inputs.first()->text(), window == QLatin1String("frmMassVolume") ? QString() : QStringLiteral("5"));

        QLineEdit* last = nullptr;
        for (QLineEdit* e : f->inputs)
            if (e->isVisible()) (last = e)->setText(QStringLiteral("2"));
        last->setFocus();
        f->answerBox->setText(Prior);
        f->workLine->setText(Prior);
        f->cmdClear->click();
        for (QLineEdit* e : f->inputs + QList<QLineEdit*>{f->answerBox, f->workLine})
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        for (QLineEdit* e : f->constantBoxes) QCOMPARE(e->text(), QStringLiteral(".0821"));
        QCOMPARE(visiblePrompts(f).join(QLatin1Char('|')), cleared);
        QCOMPARE(f->focusWidget(), focus.isEmpty() ? last : box(f, focus));
        QVERIFY(f->options.first()->isChecked());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
    }

    // Boyle's unit comes with an answer and goes with it.
    void boyleUnitFollowsTheAnswer() {
        Form* f = open(QStringLiteral("frmBoyles"));
        auto* unit = f->findChild<QLabel*>(QStringLiteral("Label5"));
        auto* ok = f->findChild<QPushButton*>(QStringLiteral("cmdOk"));
        QVERIFY(unit->text().isEmpty());
        fillInOrder(f, QStringLiteral("2|760|1"));
        ok->click();
        QCOMPARE(unit->text(), QStringLiteral("mm Hg"));
        choose(f, QStringLiteral("opt2"));
        QVERIFY(unit->text().isEmpty());
        ok->click();
        QCOMPARE(unit->text(), QStringLiteral("Liters"));
        f->findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
        QVERIFY(unit->text().isEmpty());
        // Clear on the first option gives the short captions.
        f->findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
        QCOMPARE(visiblePrompts(f).join(QLatin1Char('|')),
                 QStringLiteral("Enter an initial volume.|Enter an initial pressure|Enter a final volume"));
    }

    // Under Volume the Mass rows are hidden, neither checked nor written.
    void massVolumeHiddenRows() {
        Form* f = open(QStringLiteral("frmMassVolume"));
        choose(f, QStringLiteral("opt2"));
        fill(f, QStringLiteral("Text6=65"));
        choose(f, QStringLiteral("opt1"));
        QVERIFY(!box(f, QStringLiteral("Text6"))->isVisibleTo(f) && !box(f, QStringLiteral("Text7"))->isVisibleTo(f));
        fill(f, QStringLiteral("Text1=64;Text2=32;Text3=2;Text5=1"));
        f->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        QCOMPARE(box(f, QStringLiteral("Text4"))->text(), QStringLiteral("89.600"));
        QCOMPARE(box(f, QStringLiteral("Text6"))->text(), QStringLiteral("65"));
        QVERIFY(box(f, QStringLiteral("Text7"))->text().isEmpty());
        choose(f, QStringLiteral("opt2"));
        QVERIFY(box(f, QStringLiteral("Text6"))->text().isEmpty() && box(f, QStringLiteral("Text6"))->isVisibleTo(f));
    }

    // One gas constant, shown where the window computes with it: the box, its
    // name for a screen reader, and Clear leaves it.
    void gasConstant_data() {
        QTest::addColumn<QString>("window");
        for (const char* w : {"frmIdeal", "frmMolecularWeight", "frmGasDensity"}) QTest::newRow(w) << w;
    }
    void gasConstant() {
        QFETCH(QString, window);
        auto* f = qobject_cast<CalculatorForm*>(open(window));
        QCOMPARE(f->constantBoxes.size(), 1);
        QLineEdit* r = f->constantBoxes.first();
        QCOMPARE(r->text(), QStringLiteral(".0821"));
        QVERIFY(r->isReadOnly());
        QCOMPARE(r->accessibleName().toLower(), QStringLiteral("ideal gas constant (r)"));
        f->cmdClear->click();
        QCOMPARE(r->text(), QStringLiteral(".0821"));
    }

    // "?" stands at the left end of the result row, before its caption.
    void helpLeftOfTheResult_data() {
        QTest::addColumn<QString>("window");
        for (const char* w : {"frmCombinedLaws", "frmIdeal", "frmMassVolume", "frmBoyles", "frmCharlesLaw",
                              "frmGayLussac", "frmMolecularWeight", "frmGasDensity", "frmMolarVolume",
                              "frmVolumeVolume"})
            QTest::newRow(w) << w;
    }
    void helpLeftOfTheResult() {
        QFETCH(QString, window);
        auto* f = qobject_cast<CalculatorForm*>(open(window));
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const auto place = [f](QWidget* w) { return QRect(w->mapTo(f, QPoint(0, 0)), w->size()); };
        const QRect help = place(f->cmdHelp), caption = place(f->resultLabel), answer = place(f->answerBox);
        QVERIFY(f->cmdHelp->isVisible());
        QVERIFY2(help.right() < caption.left() && help.right() < answer.left(), qPrintable(window));
        QVERIFY2(help.top() <= answer.center().y() && answer.center().y() <= help.bottom(), qPrintable(window));
        // Nothing of the inputs stands left of it in its row.
        for (QLineEdit* in : f->inputs)
            if (in->isVisible()) QVERIFY(place(in).bottom() < help.top());
    }

    // Each window from the chooser and the Gases menu, left by Escape or Cancel
    // (four hide the chooser when they load). Then Ok and Print start disabled
    // and `enabler` enables them; Enter before that in `box` runs Ok, or its key
    // filter refuses Enter, or nothing happens (as in `quiet`).
    void roads_data() {
        for (const char* c : {"window", "button", "item", "box", "enabler", "message", "quiet"})
            QTest::addColumn<QString>(c);
        QTest::addColumn<bool>("hides");
        const auto row = [](const char* w, const char* b, const char* m, bool hides, const char* box,
                            const char* enabler, const char* message, const char* quiet = "") {
            QTest::newRow(w) << w << b << m << box << enabler << message << quiet << hides;
        };
        const char* all = "You must enter data into all the boxes.";
        row("frmBoyles", "cmdBoyles", "mnuBoyleslaw", false, "txtInitialVolume", "txtInitialVolume",
            "You must enter a valid numerical expression", "txtFinalEntry");
        row("frmCharlesLaw", "cmdCharles", "mnuCharlesLaw", true, "txtInitialVolume", "txtInitialTemperature", "");
        row("frmGayLussac", "cmdGayLussac", "mnuGayLussac", false, "Text2", "Text1",
            "You must enter a valid number in box one.");
        row("frmIdeal", "cmdIdeal", "mnuIdealgaslaw", true, "Text3", "Text2", all);
        row("frmMolecularWeight", "cmdMolecular", "mnuMolecularWeight", true, "Text2", "Text6", all);
        row("frmGasDensity", "cmdGasDensity", "mnuGasdensity", true, "Text3", "Text1", all, "Text4");
        row("frmMolarVolume", "cmdMolarVolume", "mnuMolarVolume", false, "Text2", "Text1",
            "You must enter valid data into both boxes.");
        row("frmMassVolume", "cmdMassGas", "mnuMassVolume", false, "Text5", "Text1",
            "You must enter a valid, positive number.");
        row("frmVolumeVolume", "cmdVolumeVolume", "mnuVolumeVolume", false, "Text3", "Text1",
            "You must enter a valid volume.");
    }
    void roads() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QString, box);
        QFETCH(QString, enabler);
        QFETCH(QString, message);
        QFETCH(QString, quiet);
        QFETCH(bool, hides);
        QCOMPARE(Roads::drive({window, "cmdGases", "frmGasLaws", button, item}),
                 hides ? "hidden shown hidden shown hidden shown" : "hidden shown shown shown unloaded shown");
        QCOMPARE(Roads::firstKeys(window, box, enabler), "off|" + message + (box == enabler ? "|on|on" : "|off|on"));
        if (!quiet.isEmpty()) QCOMPARE(Roads::firstKeys(window, quiet, enabler), QStringLiteral("off||off|on"));
    }

    // Key filters: a key a box admits (no title), or refuses with a message
    // under the title given.
    void keys_data() {
        for (const char* c : {"window", "box", "key", "title"}) QTest::addColumn<QString>(c);
        for (const char* r : {"frmBoyles txtInitialPressure - Tessival", "frmCharlesLaw txtInitialVolume - Charles",
                              "frmCharlesLaw txtFinalEntry -", "frmGayLussac Text1 - Tessival", "frmGayLussac Text2 -",
                              "frmIdeal Text4 -", "frmMolecularWeight Text6 E", "frmGasDensity Text4 - Tessival",
                              "frmMolarVolume Text1 x Molar Volume", "frmMassVolume Text3 . Tessival",
                              "frmVolumeVolume Text3 . v"}) {
            const QStringList f = QString::fromLatin1(r).split(QLatin1Char(' '));
            QTest::newRow(r) << f[0] << f[1] << f[2] << f.mid(3).join(QLatin1Char(' '));
        }
    }
    void keys() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, key);
        QFETCH(QString, title);
        QLineEdit* b = ::box(open(window), box);
        TestSupport::type(b, key);
        QCOMPARE(b->text(), title.isEmpty() ? key : QString());
        if (title.isEmpty()) QVERIFY(messages().shown.isEmpty());
        else TestSupport::expectOne(QStringLiteral("You must enter a valid numerical expression"), title, Msg::Icon::None);
    }
};

QTEST_MAIN(TestGasLaws)
#include "tst_gaslaws.moc"
