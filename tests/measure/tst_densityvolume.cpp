// The density, volumes-of-solids and metric-prefix calculators.
#include "CalculatorCases.h"
#include "MeasureTests.h"
#include "Roads.h"
#include "measure/UnitConversions.h"
#include "measure/frmDensity.h"
#include "measure/frmMetrics.h"
#include "measure/frmVolume.h"

using namespace MeasureTests;
using TestSupport::messages;

namespace {
const QString Both = QStringLiteral("You must enter valid data into both boxes.");
const QString Valid = QStringLiteral("You must enter valid data.");
const QString EnterBox = QStringLiteral("You must enter valid data into the Enter box.");

// SI prefixes: kilo, deka, none, deci, centi, milli.
constexpr int PrefixPower[] = {0, 3, 1, 0, -1, -2, -3};
const QStringList UnitNames[] = {
    {"Kilogram", "Dekagram", "Gram", "Decigram", "Centigram", "Milligram"},
    {"Kilometer", "Dekameter", "Meter", "Decimeter", "Centimeter", "Millimeter"},
    {"Kiloliter", "Dekaliter", "Liter", "Deciliter", "Centiliter", "Milliliter"}};

// Rows: the option, the two boxes, the answer and work line, the message and its icon.
using CalculatorCases::columns;
void row(const char* name, int option, const QString& first, const QString& second, const QString& answer,
         const QString& work, const QString& message = QString(), Msg::Icon icon = Msg::Icon::None) {
    CalculatorCases::row(name, option, {first, second}, answer, work, CalculatorCases::said(message, icon));
}

// Selects the row's option, types a first answer, then pastes the row's boxes and presses Enter in the first:
// the row's answer, or its message (one the window lists) with the first answer kept.
void runRow(const char* window, const QList<QStringList>& first) {
    CalculatorCases::run({.window = window, .first = first, .typeFirst = true, .listed = true});
}

frmMetrics* openMetrics(int category, int from, int to) {
    auto* f = open<frmMetrics>("frmMetrics");
    f->options.at(category)->setChecked(true);
    if (from) f->optDistance[from]->click();
    if (to) f->optDistance[to + 6]->click();
    return f;
}
}  // namespace

class TestDensityVolume : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // ---- density = mass / volume

    void density_data() {
        columns();
        enum { Density, Mass, Volume };
        row("mass", Mass, "2.5", "4", "10.000", "2.5 * 4");
        row("density", Density, "10", "4", "2.500", "10 / 4");
        row("volume", Volume, "2.5", "10", "4.000", "10 / 2.5");
        row("leading point", Density, ".5", "4", "0.125", "0.5 / 4");
        for (const char* t : {"", "0.0", "-1"}) row(t, Mass, QLatin1String(t), "4", "18.000", "6 * 3", Both);
        row("empty second", Density, "4", "", "2.000", "6 / 3", Both);
        row("zero second", Volume, "4", "0", "0.500", "3 / 6", Both);
        row("lone point", Mass, ".", "4", "18.000", "6 * 3", QStringLiteral("Type mismatch"));
        row("beyond double", Mass, "1E200", "1E200", "18.000", "6 * 3", QStringLiteral("Overflow"));
    }
    void density() { runRow("frmDensity", {{"6", "3"}}); }

    // Mass empties the boxes, Density and Volume keep them; Clear leaves the focus where it was.
    void densityOptionsAndClear() {
        QCOMPARE(Roads::firstKeys("frmDensity", "txtDensity1", "Text1"), "off|" + Both + "|off|on");
        auto* f = open<frmDensity>("frmDensity");
        TestSupport::type(f->txtDensity1, QStringLiteral("4"));
        TestSupport::type(f->Text1, QStringLiteral("2"));
        f->optDensity3->setChecked(true);
        f->optDensity2->setChecked(true);
        QCOMPARE(f->Text1->text() + f->txtDensity1->text(), QStringLiteral("24"));
        f->cmdOk->click();
        QCOMPARE(f->txtDensity3->text(), QStringLiteral("2.000"));
        f->optDensity1->setChecked(true);
        QVERIFY(f->Text1->text().isEmpty() && f->txtDensity1->text().isEmpty() && f->txtDensity3->text().isEmpty());
        f->txtDensity1->setFocus();
        f->cmdClear->click();
        QCOMPARE(f->focusWidget(), f->txtDensity1);
    }

    // ---- volumes of solids (V = 4/3 pi r^3, s^3, pi h r^2)

    void volume_data() {
        columns();
        enum { Sphere, Block, Cylinder };
        const auto info = Msg::Icon::Information;
        row("sphere", Sphere, "3", "", "113.097", " (4 / 3) * 3.14159265 * 3^3");
        row("block", Block, "2", "", "8.000", "2^3");
        row("cylinder", Cylinder, "10", "2", "125.664", "(3.14159265 * 10 * 2 ^ 2)");
        row("leading point", Sphere, ".5", "", "0.524", " (4 / 3) * 3.14159265 * .5^3");
        row("hidden zero radius", Sphere, "2", "0", "33.510", " (4 / 3) * 3.14159265 * 2^3");
        const QString sphere = QStringLiteral("4.189"), sphereWork = QStringLiteral(" (4 / 3) * 3.14159265 * 1^3");
        row("sphere empty", Sphere, "", "", sphere, sphereWork, Valid);
        row("block empty", Block, "", "", "1.000", "1^3", Valid);
        const QString cyl = QStringLiteral("3.142"), cylWork = QStringLiteral("(3.14159265 * 1 * 1 ^ 2)");
        row("cylinder no radius", Cylinder, "10", "", cyl, cylWork, Valid);
        row("cylinder no height", Cylinder, "", "2", cyl, cylWork, Valid);
        for (const char* t : {"0.0", "-2", "."}) row(t, Sphere, QLatin1String(t), "", sphere, sphereWork, Valid, info);
        row("block zero", Block, "0", "", "1.000", "1^3", Valid, info);
        row("cylinder zero radius", Cylinder, "10", "0", cyl, cylWork, Valid, info);
        row("cylinder negative radius", Cylinder, "10", "-1", cyl, cylWork, Valid, info);
    }
    void volume() { runRow("frmVolume", {{"1"}, {"1"}, {"1", "1"}}); }

    // The radius box shows for the cylinder only; Clear returns to the sphere.
    void volumeShapes() {
        auto* f = open<frmVolume>("frmVolume");
        QVERIFY(!f->Text2->isVisibleTo(f));
        f->Text1->setText(QStringLiteral("3"));
        f->opt3->setChecked(true);
        QVERIFY(f->Text2->isVisibleTo(f) && f->Text1->text() == QLatin1String("3"));
        f->opt2->setChecked(true);
        QVERIFY(!f->Text2->isVisibleTo(f));
        f->cmdClear->click();
        QVERIFY(f->opt1->isChecked() && f->Text1->text().isEmpty());
    }

    // ---- metric prefixes: every pair of every category, from the SI prefixes

    void metricPairs() {
        for (int c = 0; c < 3; ++c) {
            for (int from = 1; from <= 6; ++from) {
                for (int to = 1; to <= 6; ++to) {
                    if (from == to) {  // the window greys this pair out; the conversion keeps the value
                        QCOMPARE(MetricPrefix::convert(2.5, from, to), 2.5);
                        QVERIFY(MetricPrefix::workSuffix(MetricPrefix::Category(c), from, to).isEmpty());
                        continue;
                    }
                    frmMetrics* f = openMetrics(c, from, to);
                    QCOMPARE(f->optDistance[from]->text() + f->optDistance[to + 6]->text(),
                             UnitNames[c].at(from - 1) + UnitNames[c].at(to - 1));
                    f->txtMetric1->setText(QStringLiteral("1"));
                    f->cmdOk->click();
                    const int d = PrefixPower[from] - PrefixPower[to];
                    const QString power = QStringLiteral("1") + QString(std::abs(d), QLatin1Char('0'));
                    QString answer = d > 0 ? power : QStringLiteral("0.") + QString(-d - 1, QLatin1Char('0')) + QStringLiteral("1");
                    if (d < -4) answer = QStringLiteral("1E-0%1").arg(-d);
                    QString suffix = (d > 0 ? QStringLiteral(" * ") : QStringLiteral(" / ")) + power;
                    if (c == 2 && from == 4 && to > 4) suffix.remove(2, 1);  // " *10", " *100"
                    QCOMPARE(f->txtMetric2->text(), answer);
                    QCOMPARE(f->Text1->text(), QStringLiteral("1") + suffix);
                    QVERIFY(messages().shown.isEmpty());
                    TestSupport::unloadAll();
                }
            }
        }
    }

    void metrics_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        for (const char* c : {"typed", "answer", "work", "message"}) QTest::addColumn<QString>(c);
        QTest::addColumn<int>("icon");
        auto add = [](const char* name, int c, int from, int to, const char* typed, const char* answer,
                      const char* work, const QString& message = QString(), Msg::Icon icon = Msg::Icon::None) {
            QTest::newRow(name) << c << from << to << QString::fromLatin1(typed) << QString::fromLatin1(answer)
                                << QString::fromLatin1(work) << message << int(icon);
        };
        add("2.5 kg", 0, 1, 3, "2.5", "2500", "2.5 * 1000");
        add("250 mm", 1, 6, 3, "250", "0.25", "250 / 1000");
        add("3 dL", 2, 4, 5, "3", "30", "3 *10");
        add("exponent as typed", 0, 1, 3, "1E3", "1000000", "1E3 * 1000");
        const auto info = Msg::Icon::Information;
        for (const char* t : {"", "0.0", ".", "-5"}) add(t, 0, 1, 3, t, "7000", "7 * 1000", EnterBox);
        add("no From", 0, 0, 3, "2", "", "", QStringLiteral("You must select a 'From' unit."), info);
        add("no To", 0, 1, 0, "2", "", "", QStringLiteral("You must select a 'To' unit."), info);
        add("beyond double", 0, 1, 6, "1E308", "7000000", "7 * 1000000", QStringLiteral("Data entry error"));
    }
    void metrics() {
        QFETCH(int, category);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, icon);
        frmMetrics* f = openMetrics(category, from, to);
        if (from && to) {
            TestSupport::type(f->txtMetric1, QStringLiteral("7"));
            TestSupport::press(f->txtMetric1, Qt::Key_Return);  // Ok, the default button
        }
        const QString firstAnswer = f->txtMetric2->text(), firstWork = f->Text1->text();
        const bool edited = f->txtMetric1->text() != typed;
        f->txtMetric1->setText(typed);
        f->cmdOk->click();
        if (message.isEmpty()) QVERIFY(messages().shown.isEmpty());
        else expectOne(f, message, Tessival, Msg::Icon(icon));
        QFETCH(QString, answer);
        QFETCH(QString, work);
        // An edit empties the first answer: a refused row written as keeping it shows nothing.
        if (edited && !message.isEmpty() && answer == firstAnswer && work == firstWork) answer = work = QString();
        QCOMPARE(f->txtMetric2->text(), answer);
        QCOMPARE(f->Text1->text(), work);
    }

    // 2.5 Kilogram to Gram, then another From or To unit: the 2500 and its work line go; Ok converts anew.
    void anotherUnitEmptiesTheAnswer_data() {
        QTest::addColumn<int>("option");  // 1 to 12: From 1-6, To 7-12
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::newRow("From Milligram") << 6 << QStringLiteral("0.0025") << QStringLiteral("2.5 / 1000");
        QTest::newRow("From Dekagram") << 2 << QStringLiteral("25") << QStringLiteral("2.5 * 10");
        QTest::newRow("To Milligram") << 12 << QStringLiteral("2500000") << QStringLiteral("2.5 * 1000000");
        QTest::newRow("To Dekagram") << 8 << QStringLiteral("250") << QStringLiteral("2.5 * 100");
    }
    void anotherUnitEmptiesTheAnswer() {
        QFETCH(int, option);
        frmMetrics* f = openMetrics(0, 1, 3);
        TestSupport::type(f->txtMetric1, QStringLiteral("2.5"));
        TestSupport::press(f->txtMetric1, Qt::Key_Return);
        QCOMPARE(f->txtMetric2->text() + QStringLiteral(" | ") + f->Text1->text(), QStringLiteral("2500 | 2.5 * 1000"));
        f->optDistance[option]->click();
        QCOMPARE(f->txtMetric2->text() + f->Text1->text(), QString());
        QCOMPARE(f->txtMetric1->text(), QStringLiteral("2.5"));
        TestSupport::press(f->txtMetric1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QTEST(f->txtMetric2->text(), "answer");
        QTEST(f->Text1->text(), "work");
    }

    void metricUnits() {
        frmMetrics* f = openMetrics(0, 0, 0);
        QVERIFY(f->Option1->isChecked() && f->fromUnit() == 0 && f->toUnit() == 0);
        for (int p = 7; p <= 12; ++p) QCOMPARE(f->optDistance[p]->isEnabled(), p != 7);
        // A From unit greys out its twin and deselects it.
        f->optDistance[9]->click();
        f->optDistance[3]->click();
        QVERIFY(!f->optDistance[9]->isEnabled() && f->toUnit() == 0 && f->optDistance[7]->isEnabled());
        TestSupport::type(f->txtMetric1, QStringLiteral("5"));
        f->cmdOk->click();
        expectOne(f, QStringLiteral("You must select a 'To' unit."), Tessival, Msg::Icon::Information);
        messages().clear();
        // Positions stay when the category changes.
        f->optDistance[12]->click();
        f->Option3->setChecked(true);
        QCOMPARE(f->optDistance[3]->text() + f->optDistance[12]->text() + f->frmDistance1->title(),
                 QStringLiteral("LiterMilliliterVolume"));
        f->cmdOk->click();
        QCOMPARE(f->txtMetric2->text(), QStringLiteral("5000"));
        f->cmdClear->click();
        QVERIFY(f->txtMetric1->text().isEmpty() && f->txtMetric2->text().isEmpty() && f->Text1->text().isEmpty());
        QVERIFY(f->fromUnit() == 3 && f->toUnit() == 6 && f->cmdOk->isEnabled());
        QCOMPARE(f->focusWidget(), f->txtMetric1);
        QVERIFY(messages().shown.isEmpty());
    }
};

QTEST_MAIN(TestDensityVolume)
#include "tst_densityvolume.moc"
