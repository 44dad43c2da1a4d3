// The conversion windows: temperatures, time, mass-weight and English-metric.
#include "CalculatorCases.h"
#include "MeasureTests.h"
#include "measure/frmEnglish.h"
#include "measure/frmMassToWeight.h"
#include "measure/frmTemperatures.h"
#include "measure/frmTime.h"

using namespace MeasureTests;
using TestSupport::messages;

namespace {
// Exact definitions (NIST SP 811, appendix B).
constexpr double Pound = 0.45359237;          // kg
constexpr double Ounce = 28.349523125;        // g, avoirdupois
constexpr double Foot = 0.3048;               // m
constexpr double Inch = 2.54;                 // cm
constexpr double Gallon = 3.785411784;        // L, US
constexpr double FluidOunce = 29.5735295625;  // mL, US
constexpr double StandardGravity = 9.80665;   // m/s²

const QString BelowZero = QStringLiteral("The temperature is below absolute zero.");
const QString Mismatch = QStringLiteral("Type mismatch"), Overflow = QStringLiteral("Overflow");

// What each window converts first, so that a refused row shows it kept (and checks it): the window, what is
// typed, the button, the answer, the work line or unit, and the title of the window's own messages and faults.
struct First { const char *window, *typed, *button, *answer, *shown, *title; };
constexpr First Firsts[] = {
    {"frmTemperatures", "100", "cmdCToF", "212.000", "9/5  x 100 + 32  =  212", "Temperatures"},
    {"frmTime", "1", "cmdYToD", "365.25000", "days", "Time"},
    {"frmMassToWeight", "1", "cmdKToN", "9.810", "Newtons", "Tessival"},
    {"frmEnglish", "1", "cmdPToK", "0.454", "kilograms", "Tessival"},
};

// A row converts in the window of its kind (0 to 3, as Firsts), by the button, "Option2:" first for Metric To English.
// A message that begins as the empty box's own has the title "Tessival", any other the window's.
void row(const char* name, int kind, const char* button, const QString& typed, const char* answer = nullptr,
         const char* shown = nullptr, const QString& message = QString(), Msg::Icon icon = Msg::Icon::Exclamation) {
    const First& f = Firsts[kind];
    QString pressed = QString::fromLatin1(button);
    const bool second = pressed.startsWith(QLatin1String("Option2:"));
    if (second) pressed = pressed.mid(8);
    const bool tessival = message.startsWith(QLatin1String("You must enter a valid number."));
    CalculatorCases::row(name, second ? 1 : -1, {typed}, QString::fromUtf8(answer ? answer : f.answer),
                         QString::fromUtf8(shown ? shown : f.shown), CalculatorCases::said(message, icon),
                         tessival ? Tessival : QString())
        << pressed << kind;
}
void refused(const char* name, int kind, const char* button, const QString& typed, const QString& message,
             Msg::Icon icon = Msg::Icon::Exclamation) {
    row(name, kind, button, typed, nullptr, nullptr, message, icon);
}
}  // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void conversions_data() {
        CalculatorCases::columns();
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("kind");
        const auto info = Msg::Icon::Information;
        enum { Temperature, Time, Mass, English };
        // Temperatures: K = °C + 273.15 and °F = 1.8 °C + 32, exactly.
        row("37 C to F", Temperature, "cmdCToF", "37", "98.600", "9/5  x 37 + 32  =  98.6");
        row("212 F to C", Temperature, "cmdFToC", "212", "100.000", "5/9  x  (212- 32)  =  100");
        row("25 C to K", Temperature, "cmdCToK", "25", "298.150", "25 + 273.15  =  298.15");
        row("300 K to C", Temperature, "cmdKToC", "300", "26.850", "300 - 273.15  =  26.85");
        row("212 F to K", Temperature, "cmdFToK", "212", "373.150", "5/9  x  (212 - 32) + 273.15  =  373.15");
        row("373.15 K to F", Temperature, "cmdKToF", "373.15", "212.000", "9/5  x  (373.15 - 273.15) + 32  =  212");
        row("zero C to K", Temperature, "cmdCToK", "-273.15", "0.000", "-273.15 + 273.15  =  0");
        row("zero F to K", Temperature, "cmdFToK", "-459.67", "0.000", "5/9  x  (-459.67 - 32) + 273.15  =  0");
        row("zero K to F", Temperature, "cmdKToF", "0", "-459.670", "9/5  x  (0 - 273.15) + 32  =  -459.67");
        // One check by the scale converted from.
        refused("below C", Temperature, "cmdCToF", "-273.16", BelowZero, info);
        refused("below F", Temperature, "cmdFToK", "-459.68", BelowZero, info);
        refused("below K", Temperature, "cmdKToC", "-0.01", BelowZero, info);
        refused("no temperature", Temperature, "cmdCToF", "", QStringLiteral("You must enter a valid temperature."), info);
        for (const char* t : {"-", ".", "1-2"}) refused(t, Temperature, "cmdFToC", QLatin1String(t), Mismatch);
        refused("beyond double", Temperature, "cmdCToK", QStringLiteral("1") + QString(309, QLatin1Char('0')), Overflow);
        refused("answer beyond double", Temperature, "cmdCToF", QStringLiteral("1") + QString(308, QLatin1Char('0')), Overflow);
        // Time: a year of 365.25 days, 24 h, 60 min, 60 s; five decimals.
        row("2 days", Time, "cmdDToH", "2", "48.00000", "hours");
        row("1 day", Time, "cmdDToY", "1", "0.00274", "years");
        row("90 s", Time, "cmdSToM", "90", "1.50000", "minutes");
        row("90 min", Time, "cmdMToH", "90", "1.50000", "hours");
        row("3 h", Time, "cmdHToM", "3", "180.00000", "minutes");
        row("2 min", Time, "cmdMToS", "2", "120.00000", "seconds");
        row("36 h", Time, "cmdHToD", "36", "1.50000", "days");
        row("all the digits typed", Time, "cmdMToS", "1234567.8", "74,074,068.00000", "seconds");
        for (const char* t : {"E", "-", "1E", "1.2.3"}) refused(t, Time, "cmdDToH", QLatin1String(t), Mismatch);
        refused("beyond double", Time, "cmdHToD", "1E309", Overflow);
        refused("answer beyond double", Time, "cmdDToH", "1E307", Overflow);
        // Mass and weight with the program's 9.81.
        row("1 N", Mass, "cmdNToK", "1", "0.102", "kilograms");
        refused("-10 kg", Mass, "cmdKToN", "-10", QStringLiteral("You must enter a valid number."), info);
        refused("-1 N", Mass, "cmdNToK", "-1", QStringLiteral("You must enter a valid number."), info);
        for (const char* t : {"abc", "12 kg"}) refused(t, Mass, "cmdNToK", QLatin1String(t), Mismatch);
        refused("heavy", Mass, "cmdNToK", "1E309", Overflow);
        // English and metric, with each row's decimals (factors() checks every factor).
        const QString refusal = QStringLiteral("You must enter a valid number to convert.");
        row("1 kg", English, "Option2:cmdPToK", "1", "2.203", "pounds");
        row("1.1 lb", English, "cmdPToG", "1.1", "499.400000", "gram(s)");
        row("1 g", English, "Option2:cmdPToG", "1", "0.002203", "pound(s)");
        row("1 mL", English, "Option2:cmdMToO", "1", "0.0338", "ounces");
        // 1 / 0.000264 = 3,787.878787...
        row("1 gal", English, "cmdMToG", "1", "3,787.878788", "milliliters");
        row("-2.54 cm", English, "Option2:cmdIToC", "-2.54", "-1.000", "inch(es)");
        // Metric To English is chosen before the first conversion (1 kg, 2.203 pounds), which stays.
        for (const char* t : {"", "abc", "1E309"})
            row(t, English, "Option2:cmdFToM", QLatin1String(t), "2.203", "pounds", refusal);
        refused("product beyond double", English, "cmdPToG", "3E306", refusal);
        // An empty box: the information box of the window's own.
        refused("empty time", Time, "cmdDToH", "", QStringLiteral("You must enter a valid number."), info);
        refused("empty weight", Mass, "cmdNToK", "", QStringLiteral("You must enter a valid number."), info);
    }
    void conversions() {
        QFETCH(int, kind);
        const First& first = Firsts[kind];
        CalculatorCases::convert({.window = first.window,
                                  .first = QLatin1String(first.typed),
                                  .firstButton = first.button,
                                  .title = QLatin1String(first.title),
                                  .listed = true});
    }

    // Every English-metric factor near its exact definition, both ways; the weight near standard gravity.
    void factors_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("metricPerEnglish");
        const QList<QPair<const char*, double>> pairs{
            {"cmdPToK", Pound},      {"cmdPToG", Pound * 1000},  {"cmdOToK", Ounce / 1000},  {"cmdOToG", Ounce},
            {"cmdFToM", Foot},       {"cmdFToC", Foot * 100},    {"cmdIToM", Inch / 100},    {"cmdIToC", Inch},
            {"cmdLToG", Gallon},     {"cmdLToOunces", FluidOunce / 1000}, {"cmdMToG", Gallon * 1000},
            {"cmdMToO", FluidOunce}};
        for (const auto& p : pairs) QTest::newRow(p.first) << "frmEnglish" << QString::fromLatin1(p.first) << p.second;
        QTest::newRow("weight") << "frmMassToWeight" << "cmdKToN" << StandardGravity;
    }
    void factors() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(double, metricPerEnglish);
        auto* f = open<ConversionForm>(qPrintable(window));
        f->input->setText(QStringLiteral("100000"));
        TestSupport::child<QPushButton>(f, qPrintable(button))->click();
        const double forward = shownNumber(f->answerBox) / (100000 * metricPerEnglish);
        if (!f->directions.isEmpty()) f->directions.at(1)->setChecked(true);
        TestSupport::child<QPushButton>(f, f->directions.isEmpty() ? "cmdNToK" : qPrintable(button))->click();
        const double back = shownNumber(f->answerBox) / (100000 / metricPerEnglish);
        QVERIFY(messages().shown.isEmpty());
        // The factors are rounded to three or four figures.
        QVERIFY2(qAbs(forward - 1) < 0.002 && qAbs(back - 1) < 0.002, qPrintable(QStringLiteral("%1 %2").arg(forward).arg(back)));
    }

    void keysEnterAndClear() {
        auto* t = open<frmTemperatures>("frmTemperatures");
        QVERIFY(!t->cmdPrint->isEnabled());
        TestSupport::type(t->Text1, QStringLiteral("-4a0E+"));
        QCOMPARE(t->Text1->text(), QStringLiteral("-40"));
        QCOMPARE(messages().shown.size(), 3);
        QVERIFY(messages().lastText() == KeyMessage && messages().shown.last().title == QLatin1String("Temperatures"));
        QVERIFY(t->cmdPrint->isEnabled());
        TestSupport::press(t->Text1, Qt::Key_F1);
        QVERIFY(TestSupport::shown("frmHelp"));
        // Enter in the box presses the default button, F To C; on a focused button, that button.
        TestSupport::press(t->Text1, Qt::Key_Return);
        QCOMPARE(t->Text3->text(), QStringLiteral("5/9  x  (-40- 32)  =  -40"));
        t->cmdCToK->setFocus();
        TestSupport::press(t->cmdCToK, Qt::Key_Return);
        QCOMPARE(t->Text2->text(), QStringLiteral("233.150"));
        t->cmdClear->click();
        QVERIFY(t->Text1->text().isEmpty() && t->Text2->text().isEmpty() && t->Text3->text().isEmpty());
        t->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed.last(), static_cast<QWidget*>(t));
        messages().clear();

        auto* m = open<frmTime>("frmTime");
        TestSupport::type(m->Text1, QStringLiteral("1e5"));
        expectOne(m, QStringLiteral("You must enter a valid number value"), QStringLiteral("Time"), Msg::Icon::None);
        QCOMPARE(m->Text1->text(), QStringLiteral("15"));
        messages().clear();
        // No default button: Enter presses nothing, not even a focused button (here or in the other two).
        TestSupport::press(m->Text1, Qt::Key_Return);
        for (QPushButton* b : {m->cmdDToH, open<frmEnglish>("frmEnglish")->cmdIToC, open<frmMassToWeight>("frmMassToWeight")->cmdKToN}) {
            auto* w = static_cast<ConversionForm*>(b->window());
            w->input->setText(QStringLiteral("15"));
            b->setFocus();
            TestSupport::press(b, Qt::Key_Return);
            QVERIFY(w->answerBox->text().isEmpty());
        }
        // Two buttons convert the same typed value.
        m->cmdDToH->click();
        m->cmdHToM->click();
        QCOMPARE(m->Text2->text(), QStringLiteral("900.00000"));

        // A new direction converts nothing and empties the answer and its unit, which
        // belonged to the other direction; Clear chooses English To Metric again.
        auto* e = Forms::get<frmEnglish>(QStringLiteral("frmEnglish"));
        e->cmdIToC->click();
        QCOMPARE(e->Text2->text(), QStringLiteral("38.100"));
        e->Option2->setChecked(true);
        QVERIFY(e->Text2->text().isEmpty() && e->Label3->text().isEmpty());
        e->cmdIToC->click();
        QCOMPARE(e->Text2->text(), QStringLiteral("5.906"));
        e->cmdClear->click();
        QVERIFY(e->Text1->text().isEmpty() && e->Text2->text().isEmpty() && e->Label3->text().isEmpty() &&
                e->Option1->isChecked());
        QVERIFY(messages().shown.isEmpty());
    }
};

QTEST_MAIN(TestConversions)
#include "tst_conversions.moc"
