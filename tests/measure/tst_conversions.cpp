// The conversion windows: temperatures, time, mass-weight and English-metric.
#include "MeasureTests.h"
#include "measure/frmEnglish.h"
#include "measure/frmMassToWeight.h"
#include "measure/frmTemperatures.h"
#include "measure/frmTime.h"

using namespace MeasureTests;
using TestSupport::messages;
using TestSupport::shown;

namespace {
// Exact definitions (NIST SP 811, appendix B).
constexpr double Pound = 0.45359237;          // kg
constexpr double Ounce = 28.349523125;        // g, avoirdupois
constexpr double Foot = 0.3048;               // m
constexpr double Inch = 2.54;                 // cm
constexpr double Gallon = 3.785411784;        // L, US
constexpr double FluidOunce = 29.5735295625;  // mL, US
constexpr double StandardGravity = 9.80665;   // m/s²

const QString Temperatures = QStringLiteral("Temperatures");
const QString BelowZero = QStringLiteral("The temperature is below absolute zero.");
const QString Refusal = QStringLiteral("You must enter a valid number to convert.");
const QString NoNumber = QStringLiteral("You must enter a valid number.");

// Columns shared by the tables: the button, the typed text, what the window shows, the message and its icon.
void columns(const char* shownColumn) {
    for (const char* c : {"button", "typed", "answer", shownColumn, "message"}) QTest::addColumn<QString>(c);
    QTest::addColumn<int>("icon");
}
void row(const char* name, const char* button, const QString& typed, const QString& answer, const QString& second,
         const QString& message = QString(), Msg::Icon icon = Msg::Icon::None) {
    QTest::newRow(name) << QString::fromLatin1(button) << typed << answer << second << message << int(icon);
}

// Converts a first value, then the row's text: the row's answer, or its message with the first answer kept.
void convertRow(ConversionForm* f, const char* first, const char* firstButton, const QString& title) {
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, icon);
    f->input->setText(QLatin1String(first));
    TestSupport::child<QPushButton>(f, firstButton)->click();
    QVERIFY(messages().shown.isEmpty());
    f->input->setText(typed);
    TestSupport::child<QPushButton>(f, qPrintable(button))->click();
    if (message.isEmpty()) QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
    else expectOne(f, message, title, Msg::Icon(icon));
}
}  // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
    }
    void cleanup() {
        TestSupport::unloadAll();
        messages().clear();
    }

    // ---- temperatures: K = °C + 273.15 and °F = 1.8 °C + 32, exactly

    void temperatures_data() {
        columns("work");
        const auto info = Msg::Icon::Information, excl = Msg::Icon::Exclamation;
        row("37 C to F", "cmdCToF", "37", "98.600", "9/5  x 37 + 32  =  98.6");
        row("212 F to C", "cmdFToC", "212", "100.000", "5/9  x  (212- 32)  =  100");
        row("-40 C to F", "cmdCToF", "-40", "-40.000", "9/5  x -40 + 32  =  -40");
        row("-40 F to C", "cmdFToC", "-40", "-40.000", "5/9  x  (-40- 32)  =  -40");
        row("25 C to K", "cmdCToK", "25", "298.150", "25 + 273.15  =  298.15");
        row("300 K to C", "cmdKToC", "300", "26.850", "300 - 273.15  =  26.85");
        row("212 F to K", "cmdFToK", "212", "373.150", "5/9  x  (212 - 32) + 273.15  =  373.15");
        row("373.15 K to F", "cmdKToF", "373.15", "212.000", "9/5  x  (373.15 - 273.15) + 32  =  212");
        row("zero C to K", "cmdCToK", "-273.15", "0.000", "-273.15 + 273.15  =  0");
        row("zero F to K", "cmdFToK", "-459.67", "0.000", "5/9  x  (-459.67 - 32) + 273.15  =  0");
        row("zero F to C", "cmdFToC", "-459.67", "-273.150", "5/9  x  (-459.67- 32)  =  -273.15");
        row("zero K to F", "cmdKToF", "0", "-459.670", "9/5  x  (0 - 273.15) + 32  =  -459.67");
        row("zero K to C", "cmdKToC", "0", "-273.150", "0 - 273.15  =  -273.15");
        row("grouped", "cmdCToF", "10000", "18,032.000", "9/5  x 10000 + 32  =  18032");
        const QString kept = QStringLiteral("212.000"), keptWork = QStringLiteral("9/5  x 100 + 32  =  212");
        row("below C", "cmdCToF", "-273.16", kept, keptWork, BelowZero, info);
        row("below C to K", "cmdCToK", "-300", kept, keptWork, BelowZero, info);
        row("below F", "cmdFToC", "-459.68", kept, keptWork, BelowZero, info);
        row("below F to K", "cmdFToK", "-460", kept, keptWork, BelowZero, info);
        row("below K", "cmdKToC", "-0.01", kept, keptWork, BelowZero, info);
        row("below K to F", "cmdKToF", "-1", kept, keptWork, BelowZero, info);
        row("empty", "cmdCToF", "", kept, keptWork, QStringLiteral("You must enter a valid temperature."), info);
        for (const char* t : {"-", ".", "--5", "1-2"}) row(t, "cmdFToC", QLatin1String(t), kept, keptWork, QStringLiteral("Type mismatch"), excl);
        row("beyond double", "cmdCToK", QStringLiteral("1") + QString(309, QLatin1Char('0')), kept, keptWork, QStringLiteral("Overflow"), excl);
        row("answer beyond double", "cmdCToF", QStringLiteral("1") + QString(308, QLatin1Char('0')), kept, keptWork, QStringLiteral("Overflow"), excl);
    }
    void temperatures() {
        auto* f = open<frmTemperatures>("frmTemperatures");
        convertRow(f, "100", "cmdCToF", Temperatures);
        QTEST(f->Text2->text(), "answer");
        QTEST(f->Text3->text(), "work");
    }

    void temperatureKeys() {
        auto* f = open<frmTemperatures>("frmTemperatures");
        QCOMPARE(f->windowTitle(), QStringLiteral("Temperature Conversion"));
        QVERIFY(!f->cmdPrint->isEnabled());
        TestSupport::type(f->Text1, QStringLiteral("-4a0E+"));
        QCOMPARE(f->Text1->text(), QStringLiteral("-40"));
        QCOMPARE(messages().shown.size(), 3);
        for (const Msg::Box& b : messages().shown) QCOMPARE(b.title, Temperatures);
        QCOMPARE(messages().lastText(), KeyMessage);
        messages().clear();
        QVERIFY(f->cmdPrint->isEnabled());
        // Enter in the box presses the default button, F To C; on a focused button, that button.
        TestSupport::press(f->Text1, Qt::Key_Return);
        QCOMPARE(f->Text3->text(), QStringLiteral("5/9  x  (-40- 32)  =  -40"));
        f->Text1->setText(QStringLiteral("100"));
        f->cmdCToK->setFocus();
        TestSupport::press(f->cmdCToK, Qt::Key_Return);
        QCOMPARE(f->Text2->text(), QStringLiteral("373.150"));
        f->cmdClear->click();
        QVERIFY(f->Text1->text().isEmpty() && f->Text2->text().isEmpty() && f->Text3->text().isEmpty());
        QVERIFY(f->cmdPrint->isEnabled());
        f->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed.last(), static_cast<QWidget*>(f));
        QVERIFY(messages().shown.isEmpty());
    }

    // ---- time: a year of 365.25 days, 24 h, 60 min, 60 s

    void time_data() {
        columns("unit");
        const auto excl = Msg::Icon::Exclamation;
        row("2 days", "cmdDToH", "2", "48.00000", "hours");
        row("2 years", "cmdYToD", "2", "730.50000", "days");
        row("1 day", "cmdDToY", "1", "0.00274", "years");
        row("90 s", "cmdSToM", "90", "1.50000", "minutes");
        row("exponent", "cmdMToH", "1.5E+2", "2.50000", "hours");
        row("3 h", "cmdHToM", "3", "180.00000", "minutes");
        row("2 min", "cmdMToS", "2", "120.00000", "seconds");
        row("36 h", "cmdHToD", "36", "1.50000", "days");
        row("negative", "cmdDToH", "-3", "-72.00000", "hours");
        // 1234567.8 is held as 1234567.75; 60 times that is held as 74074064.
        row("single precision", "cmdMToS", "1234567.8", "74,074,064.00000", "seconds");
        const QString kept = QStringLiteral("365.25000"), days = QStringLiteral("days");
        row("empty", "cmdDToH", "", kept, days, NoNumber, Msg::Icon::Information);
        for (const char* t : {"E", "+", "-", ".", "1E", "1-2", "1.2.3"})
            row(t, "cmdDToH", QLatin1String(t), kept, days, QStringLiteral("Type mismatch"), excl);
        row("beyond single", "cmdHToD", "1E39", kept, days, QStringLiteral("Overflow"), excl);
        row("answer beyond single", "cmdDToH", "1E38", kept, days, QStringLiteral("Overflow"), excl);
    }
    void time() {
        auto* f = open<frmTime>("frmTime");
        const bool empty = QTest::currentDataTag() == QLatin1String("empty");
        convertRow(f, "1", "cmdYToD", empty ? Tessival : QStringLiteral("Time"));
        QTEST(f->Text2->text(), "answer");
        QTEST(f->Label3->text(), "unit");
    }

    void timeKeys() {
        auto* f = open<frmTime>("frmTime");
        QCOMPARE(f->windowTitle(), QStringLiteral("Time Conversion"));
        TestSupport::type(f->Text1, QStringLiteral("1e5"));
        expectOne(f, QStringLiteral("You must enter a valid number value"), QStringLiteral("Time"), Msg::Icon::None);
        QCOMPARE(f->Text1->text(), QStringLiteral("15"));
        messages().clear();
        // No default button: Enter presses nothing, not even a focused button.
        TestSupport::press(f->Text1, Qt::Key_Return);
        f->cmdDToH->setFocus();
        TestSupport::press(f->cmdDToH, Qt::Key_Return);
        QVERIFY(f->Text2->text().isEmpty() && messages().shown.isEmpty());
        // Two buttons convert the same typed value.
        f->cmdDToH->click();
        f->cmdHToM->click();
        QCOMPARE(f->Text2->text(), QStringLiteral("900.00000"));
        f->cmdClear->click();
        QVERIFY(f->Text1->text().isEmpty() && f->Text2->text().isEmpty() && f->Label3->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    // ---- mass and weight

    void massWeight_data() {
        columns("unit");
        const auto excl = Msg::Icon::Exclamation;
        row("10 kg", "cmdKToN", "10", "98.100", "Newtons");
        row("1 N", "cmdNToK", "1", "0.102", "kilograms");
        row("1000 N", "cmdNToK", "1000", "101.937", "kilograms");
        row("negative", "cmdKToN", "-10", "-98.100", "Newtons");
        row("grouped", "cmdKToN", "1000000", "9,810,000.000", "Newtons");
        const QString kept = QStringLiteral("9.810"), unit = QStringLiteral("Newtons");
        row("empty", "cmdNToK", "", kept, unit, NoNumber, Msg::Icon::Information);
        for (const char* t : {"abc", "-", "1,2,3", "12 kg"})
            row(t, "cmdNToK", QLatin1String(t), kept, unit, QStringLiteral("Type mismatch"), excl);
        row("beyond single", "cmdNToK", "1E39", kept, unit, QStringLiteral("Overflow"), excl);
    }
    void massWeight() {
        auto* f = open<frmMassToWeight>("frmMassToWeight");
        convertRow(f, "1", "cmdKToN", Tessival);
        QTEST(f->Text2->text(), "answer");
        QTEST(f->Label3->text(), "unit");
    }

    void massWeightNearStandardGravity() {
        auto* f = open<frmMassToWeight>("frmMassToWeight");
        f->Text1->setText(QStringLiteral("100"));
        f->cmdKToN->setFocus();
        TestSupport::press(f->cmdKToN, Qt::Key_Return);  // no default button: Enter presses nothing
        QVERIFY(f->Text2->text().isEmpty());
        f->cmdKToN->click();
        QVERIFY(qAbs(shownNumber(f->Text2) / (100 * StandardGravity) - 1) < 0.001);
        f->cmdNToK->click();
        QVERIFY(qAbs(shownNumber(f->Text2) / (100 / StandardGravity) - 1) < 0.001);
    }

    // ---- English and metric: every factor near its exact definition, both ways

    void englishFactors_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("metricPerEnglish");
        const QList<QPair<const char*, double>> pairs{
            {"cmdPToK", Pound},         {"cmdPToG", Pound * 1000},       {"cmdOToK", Ounce / 1000},
            {"cmdOToG", Ounce},         {"cmdFToM", Foot},               {"cmdFToC", Foot * 100},
            {"cmdIToM", Inch / 100},    {"cmdIToC", Inch},               {"cmdLToG", Gallon},
            {"cmdLToOunces", FluidOunce / 1000}, {"cmdMToG", Gallon * 1000}, {"cmdMToO", FluidOunce}};
        for (const auto& p : pairs) QTest::newRow(p.first) << QString::fromLatin1(p.first) << p.second;
    }
    void englishFactors() {
        QFETCH(QString, button);
        QFETCH(double, metricPerEnglish);
        auto* f = open<frmEnglish>("frmEnglish");
        auto* b = TestSupport::child<QPushButton>(f, qPrintable(button));
        f->Text1->setText(QStringLiteral("100000"));
        b->click();
        const double toMetric = shownNumber(f->Text2) / (100000 * metricPerEnglish);
        f->Option2->setChecked(true);
        b->click();
        const double toEnglish = shownNumber(f->Text2) / (100000 / metricPerEnglish);
        QVERIFY(messages().shown.isEmpty());
        // The factors are rounded to three or four figures.
        QVERIFY2(qAbs(toMetric - 1) < 0.002, qPrintable(QString::number(toMetric)));
        QVERIFY2(qAbs(toEnglish - 1) < 0.002, qPrintable(QString::number(toEnglish)));
    }

    void english_data() {
        columns("unit");
        QTest::addColumn<bool>("toEnglish");
        auto add = [](const char* name, bool toEnglish, const char* button, const QString& typed, const char* answer,
                      const char* unit, const QString& message = QString()) {
            QTest::newRow(name) << QString::fromLatin1(button) << typed << QString::fromLatin1(answer)
                                << QString::fromLatin1(unit) << message << int(Msg::Icon::Exclamation) << toEnglish;
        };
        add("1 lb", false, "cmdPToK", "1", "0.454", "kilograms");
        add("1 kg", true, "cmdPToK", "1", "2.203", "pounds");
        add("1.1 lb in single precision", false, "cmdPToG", "1.1", "499.400024", "gram(s)");
        add("1 g", true, "cmdPToG", "1", "0.002203", "pound(s)");
        add("1 mL", true, "cmdMToO", "1", "0.034", "ounces");
        add("1 fl oz", false, "cmdMToO", "1", "29.586", "milliliters");
        add("1 gal", false, "cmdMToG", "1", "3,787.878788", "milliliters");
        add("1000 ft", false, "cmdFToC", "1000", "30,500.000", "centimeters");
        add("zero", false, "cmdIToC", "0", "0.000", "centimeter(s)");
        add("negative", true, "cmdIToC", "-2.54", "-1.000", "inch(es)");
        add("empty", false, "cmdIToC", "", "0.454", "kilograms", Refusal);
        for (const char* t : {"abc", ".", "1E", "1E39"}) add(t, true, "cmdFToM", QLatin1String(t), "0.454", "kilograms", Refusal);
        add("product beyond single", false, "cmdPToG", "3E38", "0.454", "kilograms", Refusal);
    }
    void english() {
        QFETCH(bool, toEnglish);
        auto* f = open<frmEnglish>("frmEnglish");
        QVERIFY(f->Option1->isChecked());
        f->Text1->setText(QStringLiteral("1"));
        f->cmdPToK->click();
        if (toEnglish) f->Option2->setChecked(true);
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        f->Text1->setText(typed);
        TestSupport::child<QPushButton>(f, qPrintable(button))->click();
        if (message.isEmpty()) QVERIFY(messages().shown.isEmpty());
        else expectOne(f, message, Tessival, Msg::Icon::Exclamation);
        QTEST(f->Text2->text(), "answer");
        QTEST(f->Label3->text(), "unit");
    }

    void englishKeys() {
        auto* f = open<frmEnglish>("frmEnglish");
        QCOMPARE(f->windowTitle(), QStringLiteral("English - Metric Conversions"));
        QCOMPARE(f->cmdCancel->text(), QStringLiteral("Close"));
        TestSupport::type(f->Text1, QStringLiteral("2"));
        // Enter presses nothing; a new direction alone converts nothing.
        TestSupport::press(f->Text1, Qt::Key_Return);
        f->cmdIToC->setFocus();
        TestSupport::press(f->cmdIToC, Qt::Key_Return);
        QVERIFY(f->Text2->text().isEmpty());
        f->cmdIToC->click();
        f->Option2->setChecked(true);
        QCOMPARE(f->Text2->text(), QStringLiteral("5.080"));
        f->cmdClear->click();
        QVERIFY(f->Text1->text().isEmpty() && f->Text2->text().isEmpty() && f->Label3->text().isEmpty());
        QVERIFY(f->Option1->isChecked());
        QVERIFY(messages().shown.isEmpty());
        TestSupport::press(f->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmEnglish")) && shown("frmGeneralChoice"));
    }
};

QTEST_MAIN(TestConversions)
#include "tst_conversions.moc"
