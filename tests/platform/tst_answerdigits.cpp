// The numbers the windows show: small answers keep three significant digits,
// no answer shows digits its computation does not hold, huge and tiny ones
// turn scientific, list cells keep their stored digits, and every region
// writes one digit set.
#include <QAbstractButton>
#include <QListWidget>
#include <QMap>
#include <QSet>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include "TestSupport.h"
#include "formulas/fmrMoles.h"
#include "formulas/frmWeights.h"
#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"
#include "platform/NumberPicture.h"
#include "platform/NumberText.h"
#include "refdata/viewers/TableViewerForm.h"

using namespace TestSupport;

namespace {

QString zeros(int n) { return QString(n, QLatin1Char('0')); }

// How many digits a text shows.
int digitCount(const QString& s) {
    int n = 0;
    for (QChar c : s) n += c.isDigit() ? 1 : 0;
    return n;
}

// The boxes of a window typed key by key ("Text1=2;Text2=3"), an option,
// direction or check box clicked first ("opt3" or "Option2", several with commas, "+" for
// one clicked after the boxes are filled), a list
// row picked ("list=5"), then the button clicked ("Enter": Enter in the last box).
QString run(const QString& window, const QString& option, const QString& inputs, const QString& button,
            const QString& answer) {
    Form* f = open(window);
    if (!f) return QStringLiteral("<no window>");
    QWidget* last = nullptr;
    // Options marked "+" are clicked once the boxes are filled.
    auto click = [&](bool late) {
        for (QString name : option.split(u',', Qt::SkipEmptyParts)) {
            if (name.startsWith(u'+') != late) continue;
            if (late) name.remove(0, 1);
            auto* o = child<QAbstractButton>(f, name.toLatin1().constData());
            if (!o) return false;
            o->click();
        }
        return true;
    };
    if (!click(false)) return QStringLiteral("<no option>");
    for (const QString& pair : inputs.split(u';', Qt::SkipEmptyParts)) {
        const QString name = pair.section(u'=', 0, 0), text = pair.section(u'=', 1);
        if (name == QLatin1String("list")) {
            auto* list = f->findChild<QListWidget*>();
            if (!list) return QStringLiteral("<no list>");
            list->setCurrentRow(text.toInt());
            continue;
        }
        if (auto* edit = child<QTextEdit>(f, name.toLatin1().constData())) {
            edit->setPlainText(text);
            last = edit;
            continue;
        }
        auto* box = child<QLineEdit>(f, name.toLatin1().constData());
        if (!box) return QStringLiteral("<no box ") + name + u'>';
        box->clear();
        type(box, text);
        if (box->text() != text) return QStringLiteral("<") + name + QStringLiteral(" refused ") + text + u'>';
        last = box;
    }
    if (!click(true)) return QStringLiteral("<no option>");
    if (button == QLatin1String("Enter")) {
        if (!last) return QStringLiteral("<nothing typed>");
        press(last, Qt::Key_Return);
        settle();
        if (!messages().shown.isEmpty()) return QStringLiteral("<message: ") + messages().lastText() + u'>';
        auto* box = child<QLineEdit>(f, answer.toLatin1().constData());
        return box ? box->text() : QStringLiteral("<no answer box>");
    }
    auto* b = child<QPushButton>(f, button.toLatin1().constData());
    if (!b || !b->isEnabled()) return QStringLiteral("<no usable ") + button + u'>';
    b->click();
    settle();
    if (!messages().shown.isEmpty()) return QStringLiteral("<message: ") + messages().lastText() + u'>';
    auto* box = child<QLineEdit>(f, answer.toLatin1().constData());
    return box ? box->text() : QStringLiteral("<no answer box>");
}

// What breaks the answer rules in a shown answer, or nothing.
QString brokenRule(const QString& text, CalculatorForm::Format format, int decimals, int held) {
    if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive) || text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return QStringLiteral("inf or nan");
    if (digitCount(text) > 20) return QStringLiteral("more than 20 digits");
    if (format != CalculatorForm::Format::Fixed) return QString();
    static const QRegularExpression sci(QStringLiteral("^-?[0-9]\\.[0-9]{2}E[+-][0-9]{2,3}$"));
    static const QRegularExpression fixed(QStringLiteral("^-?[0-9]{1,3}(,[0-9]{3})*(\\.[0-9]+)?$"));
    if (sci.match(text).hasMatch()) {
        const double v = std::fabs(text.toDouble());
        return v < 0.001 || v >= 1e15 ? QString() : QStringLiteral("scientific between 0.001 and 10^15");
    }
    if (!fixed.match(text).hasMatch()) return QStringLiteral("neither fixed nor scientific");
    QString plain = text;
    plain.remove(u',');
    const double v = plain.toDouble();
    if (std::fabs(v) >= 1e15) return QStringLiteral("fixed from 10^15");
    if (v == 0) return text == Num::fixed(0.0, decimals) ? QString() : QStringLiteral("zero not as the window writes it");
    QString sig = plain;
    sig.remove(u'-');
    sig.remove(u'.');
    while (sig.startsWith(u'0')) sig.remove(0, 1);
    if (sig.size() < 3) return QStringLiteral("fewer than three significant digits");
    while (sig.endsWith(u'0')) sig.chop(1);
    if (sig.size() > held) return QStringLiteral("more digits than the computation holds");
    return QString();
}


struct WindowRow {
    QString window, kind, option, inputs, button, answer, shown;
};

// Every calculator and conversion window and the weigher: one small
// answer, one huge one, and one with more digits than a single-precision
// number holds: every digit typed reaches the answer. Worked by hand with
// the windows' own constants (R 0.0821, g 9.81, F 96500, 22.4 L, Avogadro
// 6.02E23 and 6.023E23).
QList<WindowRow> windowTable() {
    QList<WindowRow> t;
    auto row = [&t](const char* window, const char* kind, const char* option, const QString& inputs,
                    const char* button, const char* answer, const char* shown) {
        t.append({QString::fromLatin1(window), QString::fromLatin1(kind), QString::fromLatin1(option), inputs,
                  QString::fromLatin1(button), QString::fromLatin1(answer), QString::fromUtf8(shown)});
    };
    // -log(0.9999) = 4.3431E-5
    row("frmAcids", "small", "opt1", "Text1=0.9999", "cmdOk", "Text2", "4.34E-05");
    // two isotopes of half each (occurrences under 1.5 are fractions)
    row("frmAverageMass", "small", "", "Text1=0.0001;Text2=0.5;Text3=0.0001;Text4=0.5", "cmdOk", "Text14", "1.00E-04");
    row("frmAverageMass", "huge", "", "Text1=1000000000000000000;Text2=0.5;Text3=1000000000000000000;Text4=0.5",
        "cmdOk", "Text14", "1.00E+18");
    row("frmAverageMass", "cut", "", "Text1=123456.78;Text2=0.5;Text3=123456.78;Text4=0.5", "cmdOk", "Text14",
        "123,456.780");
    // P2 = P1 x V1 / V2
    row("frmBoyles", "small", "opt1", "txtInitialVolume=1;txtInitialPressure=0.0001;txtFinalEntry=1", "cmdOk",
        "txtFinalAnswer", "1.00E-04");
    row("frmBoyles", "huge", "opt1", "txtInitialVolume=1;txtInitialPressure=10000000000000000;txtFinalEntry=1", "cmdOk",
        "txtFinalAnswer", "1.00E+16");
    row("frmBoyles", "cut", "opt1", "txtInitialVolume=1;txtInitialPressure=123456.78;txtFinalEntry=1", "cmdOk",
        "txtFinalAnswer", "123,456.780");
    // 0.001 g / 10 g/mol x 1 kJ/mol; 1E16 / 1 x 10; 1E13 / 3 x 1 = 3,333,333,333,333.333
    row("frmChangeOfState", "small", "opt1", "Text1=0.001;Text2=1;Text3=10", "cmdOk", "Text4", "1.00E-04");
    row("frmChangeOfState", "huge", "opt1", "Text1=10000000000000000;Text2=10;Text3=1", "cmdOk", "Text4", "1.00E+17");
    row("frmChangeOfState", "cut", "opt1", "Text1=10000000000000;Text2=1;Text3=3", "cmdOk", "Text4",
        "3,333,333,333,333.33");
    // T2 = T1 x V2 / V1
    row("frmCharlesLaw", "small", "opt1", "txtInitialTemperature=1;txtInitialVolume=10000;txtFinalEntry=1", "cmdOk",
        "txtFinalAnswer", "1.00E-04");
    row("frmCharlesLaw", "huge", "opt1",
        "txtInitialTemperature=10000000000000000;txtInitialVolume=1;txtFinalEntry=1", "cmdOk",
        "txtFinalAnswer", "1.00E+16");
    row("frmCharlesLaw", "cut", "opt1", "txtInitialTemperature=123456.78;txtInitialVolume=1;txtFinalEntry=1",
        "cmdOk", "txtFinalAnswer", "123,456.780");
    // V2 = V1 x P1 / P2 x T2 / T1, two decimals
    row("frmCombinedLaws", "small", "", "Text1=0.0005;Text2=1;Text3=1;Text4=1;Text5=1", "cmdOk", "Text7", "5.00E-04");
    row("frmCombinedLaws", "huge", "", "Text1=10000000000000000;Text2=1;Text3=1;Text4=1;Text5=1", "cmdOk", "Text7",
        "1.00E+16");
    row("frmCombinedLaws", "cut", "", "Text1=123456.78;Text2=1;Text3=1;Text4=1;Text5=1", "cmdOk", "Text7",
        "123,456.78");
    // V2 = V1 x (101.3 - 3.17) / P2
    row("frmDalton", "small", "opt1", "Text1=25;Text2=0.001;Text3=101.3;Text5=100", "cmdOk", "Text6", "9.81E-04");
    row("frmDalton", "huge", "opt1", "Text1=25;Text2=10000000000000000;Text3=101.3;Text5=1", "cmdOk", "Text6",
        "9.81E+17");
    // 123456.78 x 98.13 = 12,114,813.8214
    row("frmDalton", "cut", "opt1", "Text1=25;Text2=123456.78;Text3=101.3;Text5=1", "cmdOk", "Text6", "12,114,813.821");
    // pressure only: 123456.78 - 3.17 = 123,453.61
    row("frmDalton", "cut pressure", "opt2", "Text1=25;Text2=123456.78", "cmdOk", "Text6", "123,453.610");
    // 0.5 g / 1000 mL; 1E18 / 2; mass 123456.78 x 1
    row("frmDensity", "small", "optDensity3", "Text1=0.5;txtDensity1=1000", "cmdOk", "txtDensity3", "5.00E-04");
    row("frmDensity", "huge", "optDensity3", "Text1=1000000000000000000;txtDensity1=2", "cmdOk", "txtDensity3",
        "5.00E+17");
    row("frmDensity", "cut", "optDensity1", "Text1=123456.78;txtDensity1=1", "cmdOk", "txtDensity3", "123,456.780");
    // q = m x dT x c
    row("frmEnergyChange", "small", "", "Text1=0.0001;Text2=1;Text3=1", "cmdOk", "Text4", "1.00E-04");
    row("frmEnergyChange", "huge", "", "Text1=10000000000000000;Text2=1;Text3=1", "cmdOk", "Text4", "1.00E+16");
    row("frmEnergyChange", "cut", "", "Text1=123456.78;Text2=1;Text3=1", "cmdOk", "Text4", "123,456.780");
    // 0.01 oz x 28.3 / 1000 = 2.83E-4; 1E15 lb x 454 g; 1234.5678 lb x 454 = 560,493.78
    row("frmEnglish", "small", "Option1", "Text1=0.01", "cmdOToK", "Text2", "2.83E-04");
    row("frmEnglish", "huge", "Option1", "Text1=1000000000000000", "cmdPToG", "Text2", "4.54E+17");
    row("frmEnglish", "cut", "Option1", "Text1=1234.5678", "cmdPToG", "Text2", "560,493.781200");
    // 123456.78 in x 2.54 = 313,580.2 (read as 123456.78125: 313,580.224)
    row("frmEnglish", "cut inches", "Option1", "Text1=123456.78", "cmdIToC", "Text2", "313,580.221");
    // 1st reactant 1 M to the 1st; product 0.0001 M or 1E16 M to the 1st
    row("frmEquilibriumConstant", "small", "", "Text2=1;Text5=1;Text8=1;Text11=0.0001", "cmdOk", "Text1",
        "1.00E-04");
    row("frmEquilibriumConstant", "huge", "", "Text2=1;Text5=1;Text8=1;Text11=10000000000000000", "cmdOk", "Text1",
        "1.00E+16");
    // grams = C / 96500 / electrons x M.W.: 1 / 96500 = 1.0363E-5; 1E21 / 96500 = 1.0363E16
    row("frmFaradays", "small", "opt1", "Text1=1;Text2=1;Text3=1", "cmdOk", "Text6", "1.04E-05");
    row("frmFaradays", "huge", "opt1", "Text1=1000000000000000000000;Text2=1;Text3=1", "cmdOk", "Text6", "1.04E+16");
    // 123456.78 x 96500 / 96500 / 1
    row("frmFaradays", "cut", "opt1", "Text1=123456.78;Text2=96500;Text3=1", "cmdOk", "Text6", "123,456.780");
    // moles = A x min x 60 / 96500 / z: 123456.78125 x 96500 x 60 / 96500 = 7,407,406.875;
    // litres = moles x 22.4 = 165,925,914
    row("frmFaradays", "cut moles", "opt2", "Text1=123456.78;Text2=96500;Text3=1", "cmdOk", "Text6", "7,407,406.800");
    row("frmFaradays", "cut litres", "opt3", "Text1=123456.78;Text2=96500;Text3=1", "cmdOk", "Text6", "165,925,912.320");
    // boiling point: t + k x m
    row("frmFreezing", "small", "opt2", "Text1=0.0001;Text2=0;Text3=1", "cmdOk", "Text4", "1.00E-04");
    row("frmFreezing", "huge", "opt2", "Text1=1;Text2=10000000000000000;Text3=1", "cmdOk", "Text4", "1.00E+16");
    row("frmFreezing", "cut", "opt2", "Text1=1;Text2=123456.78;Text3=1", "cmdOk", "Text4", "123,457.780");
    row("frmFreezing", "cut freezing", "opt1", "Text1=1;Text2=123456.78;Text3=1", "cmdOk", "Text4", "123,455.780");
    // d = M x P / (0.0821 x T): 2.016E-3 / 24.63 = 8.185E-5; 1E18 / 8.21 = 1.218E17;
    // 1234567.8 / 0.0821 = 15,037,366.6
    row("frmGasDensity", "small", "", "Text1=2.016;Text2=0.001;Text4=300", "cmdOk", "Text5", "8.19E-05");
    row("frmGasDensity", "huge", "", "Text1=1000000000000000000;Text2=1;Text4=100", "cmdOk", "Text5", "1.22E+17");
    row("frmGasDensity", "cut", "", "Text1=1234567.8;Text2=1;Text4=1", "cmdOk", "Text5", "15,037,366.626");
    // P2 = P1 x T2 / T1
    row("frmGayLussac", "small", "opt1", "Text1=0.0001;Text2=1;Text3=1", "cmdOk", "Text4", "1.00E-04");
    row("frmGayLussac", "huge", "opt1", "Text1=10000000000000000;Text2=1;Text3=1", "cmdOk", "Text4", "1.00E+16");
    row("frmGayLussac", "cut", "opt1", "Text1=123456.78;Text2=1;Text3=1", "cmdOk", "Text4", "123,456.780");
    // sqrt(M2 / M1): sqrt(1E-8); sqrt(1E32); sqrt(2E10) = 141,421.356
    row("frmGrahams", "small", "", "Text1=100000000;Text2=1", "cmdOk", "Text5", "1.00E-04");
    row("frmGrahams", "huge", "", "Text1=1;Text2=100000000000000000000000000000000", "cmdOk", "Text5", "1.00E+16");
    row("frmGrahams", "cut", "", "Text1=1;Text2=20000000000", "cmdOk", "Text5", "141,421.356");
    // t = t1/2 x ln(N0 / N) / ln 2, in the default text form: log2(3) = 1.584962500721156
    row("frmHalfLife", "small", "opt1", "Text1=0.0001;Text2=2;Text4=1", "cmdOk", "Text3", "0.0001");
    row("frmHalfLife", "huge", "opt1", "Text1=10000000000000000;Text2=2;Text4=1", "cmdOk", "Text3", "1E+16");
    row("frmHalfLife", "cut", "opt1", "Text1=1;Text2=3;Text4=1", "cmdOk", "Text3", "1.58496250072116");
    // quantity left after 30 half-lives: 2^-30 = 9.31322574615478515625E-10
    row("frmHalfLife", "small quantity", "opt2", "Text1=1;Text2=1;Text4=30", "cmdOk", "Text3", "9.31322574615479E-10");
    // c = k x P
    row("frmHenrys", "small", "", "Text1=0.0001;Text2=1", "cmdOk", "Text3", "1.00E-04");
    row("frmHenrys", "huge", "", "Text1=10000000000000000;Text2=1", "cmdOk", "Text3", "1.00E+16");
    row("frmHenrys", "cut", "", "Text1=123456.78;Text2=1", "cmdOk", "Text3", "123,456.780");
    // P = n x T x 0.0821 / V: 8.21E-6; 1E18 x 0.0821; 1234567.75 x 0.0821 = 101,358.012 to seven digits
    row("frmIdeal", "small", "opt1", "Text2=1;Text3=0.0001;Text4=1", "cmdOk", "Text5", "8.21E-06");
    row("frmIdeal", "huge", "opt1", "Text2=1;Text3=10000000000000000;Text4=100", "cmdOk", "Text5", "8.21E+16");
    row("frmIdeal", "cut", "opt1", "Text2=1;Text3=1;Text4=1234567.8", "cmdOk", "Text5", "101,358.016");
    // T = P x V / (n x 0.0821): 1234567.8 / (0.0001 x 0.0821) = 150,373,660,000
    row("frmIdeal", "cut temperature", "opt4", "Text2=1234567.8;Text3=0.0001;Text4=1", "cmdOk", "Text5",
        "150,373,666,260.658");
    // grams = given / M.W. x coefficients' ratio x other M.W.
    row("frmMass", "small", "", "Text14=1;Text1=0.0001;Text6=1;Text17=1;Text9=1", "cmdOk", "Text13", "1.00E-04");
    row("frmMass", "huge", "", "Text14=1;Text1=10000000000000000;Text6=1;Text17=1;Text9=1", "cmdOk", "Text13",
        "1.00E+16");
    row("frmMass", "cut", "", "Text14=1;Text1=123456.78;Text6=1;Text17=1;Text9=1", "cmdOk", "Text13", "123,456.780");
    // grams / M.W. x kJ / coefficient
    row("frmMassEnergy", "small", "", "Text1=1;Text2=0.0001;Text3=1;Text4=1", "cmdOk", "Text5", "1.00E-04");
    row("frmMassEnergy", "huge", "", "Text1=1;Text2=10000000000000000;Text3=1;Text4=1", "cmdOk", "Text5", "1.00E+16");
    row("frmMassEnergy", "cut", "", "Text1=1;Text2=123456.78;Text3=1;Text4=1", "cmdOk", "Text5", "123,456.780");
    // 0.0001 kg x 9.81; 1E16 N / 9.81 = 1.019E15; 123456.78 kg x 9.81 = 1,211,111.0118
    row("frmMassToWeight", "small", "", "Text1=0.0001", "cmdKToN", "Text2", "9.81E-04");
    row("frmMassToWeight", "huge", "", "Text1=10000000000000000", "cmdNToK", "Text2", "1.02E+15");
    row("frmMassToWeight", "cut", "", "Text1=123456.78", "cmdKToN", "Text2", "1,211,111.012");
    // 0.001 g / 100 x 22.4; 1E16 / 1 x 22.4; 1E12 / 3 x 22.4 = 7,466,666,666,666.667
    row("frmMassVolume", "small", "opt1", "Text1=0.001;Text2=100;Text3=1;Text5=1", "cmdOk", "Text4", "2.24E-04");
    row("frmMassVolume", "huge", "opt1", "Text1=10000000000000000;Text2=1;Text3=1;Text5=1", "cmdOk", "Text4",
        "2.24E+17");
    row("frmMassVolume", "cut", "opt1", "Text1=1000000000000;Text2=3;Text3=1;Text5=1", "cmdOk", "Text4",
        "7,466,666,666,666.67");
    // Milligrams to kilograms and back, in the default text form
    row("frmMetrics", "small", "Option1,optDistance6,optDistance7", "txtMetric1=0.1", "cmdOk", "txtMetric2",
        "1E-07");
    row("frmMetrics", "huge", "Option1,optDistance1,optDistance12", "txtMetric1=10000000000", "cmdOk",
        "txtMetric2", "1E+16");
    row("frmMetrics", "cut", "Option1,optDistance1,optDistance9", "txtMetric1=0.333333333333333333", "cmdOk",
        "txtMetric2", "333.333333333333");
    // mass = M.W. x L / 22.4: 0.001 / 22.4 = 4.464E-5; 1E17 / 22.4 = 4.464E15;
    // moles = g / M.W.: 1000000 / 3 = 333,333.33
    row("frmMolarVolume", "small", "opt1", "Text1=1;Text2=0.001", "cmdOk", "Text3", "4.46E-05");
    row("frmMolarVolume", "huge", "opt1", "Text1=100000000000000000;Text2=1", "cmdOk", "Text3", "4.46E+15");
    row("frmMolarVolume", "cut", "opt2", "Text1=3;Text2=1000000", "cmdOk", "Text3", "333,333.333");
    // mol / L; 1E13 / 3 = 3,333,333,333,333.333
    row("frmMolarity", "small", "opt1", "Text1=0.0005;Text2=1", "cmdOk", "Text3", "5.00E-04");
    row("frmMolarity", "huge", "opt1", "Text1=10000000000000000;Text2=1", "cmdOk", "Text3", "1.00E+16");
    row("frmMolarity", "cut", "opt1", "Text1=10000000000000;Text2=3", "cmdOk", "Text3", "3,333,333,333,333.33");
    // 0.001 mol in 1000 mol: 0.001 / 1000.001 = 9.99999E-7
    row("frmMoleFraction", "small", "", "Text1=1;Text2=1000;Text3=1000;Text4=1", "cmdOk", "Text6", "1.00E-06");
    // M = m x 0.0821 x T / (P x V)
    row("frmMolecularWeight", "small", "", "Text6=1;Text3=0.0001;Text2=1;Text4=1", "cmdOk", "Text5", "8.21E-06");
    row("frmMolecularWeight", "huge", "", "Text6=1;Text3=100000000000000000;Text2=1;Text4=1", "cmdOk", "Text5",
        "8.21E+15");
    row("frmMolecularWeight", "cut", "", "Text6=1;Text3=1;Text2=1;Text4=1234567.8", "cmdOk", "Text5", "101,358.016");
    // 3.17 kPa at 25 C x 1 / (1000000 + 1) = 3.17E-6
    row("frmRaoults", "small", "", "Text1=25;Text2=1000000;Text3=1;Text4=18.02;Text5=18.02", "cmdOk", "Text6",
        "3.17E-06");
    // Ksp = c1^a x c2^b
    row("frmSolubilityConstants", "small", "", "Text1=0.01;Text5=2;Text2=1;Text6=1", "cmdOk", "Text3", "1.00E-04");
    row("frmSolubilityConstants", "huge", "", "Text1=100000000;Text5=2;Text2=1;Text6=1", "cmdOk", "Text3",
        "1.00E+16");
    // Entropy: products - reactants, in the short text form
    row("frmThermoData", "small", "opt2", "Text1=0.0001;Text2=0", "cmdOk", "Text4", "0.0001");
    row("frmThermoData", "huge", "opt2", "Text1=10000000000000000;Text2=0", "cmdOk", "Text4", "1E+16");
    row("frmThermoData", "cut", "opt2", "Text1=1234567.89;Text2=0", "cmdOk", "Text4", "1234568");
    // 0.01 s / 60 = 1.667E-4; 1E14 x 365.25 = 3.6525E16; 12345.67 h x 60 = 740,740.2
    row("frmTime", "small", "", "Text1=0.01", "cmdSToM", "Text2", "1.67E-04");
    row("frmTime", "huge", "", "Text1=100000000000000", "cmdYToD", "Text2", "3.65E+16");
    row("frmTime", "cut", "", "Text1=12345.67", "cmdHToM", "Text2", "740,740.20000");
    // 123456789 days / 365.25 = 338,006.267
    row("frmTime", "cut days", "", "Text1=123456789", "cmdDToY", "Text2", "338,006.26694");
    // base molarity = ratio x Ma x Va / Vb
    row("frmTitration", "small", "opt1", "Text1=0.0001;Text2=1;Text4=1;Text6=1", "cmdOk", "Text5", "1.00E-04");
    row("frmTitration", "huge", "opt1", "Text1=10000000000000000;Text2=1;Text4=1;Text6=1", "cmdOk", "Text5",
        "1.00E+16");
    row("frmTitration", "cut", "opt1", "Text1=123456.78;Text2=1;Text4=1;Text6=1", "cmdOk", "Text5", "123,456.780");
    // 4/3 pi 0.01^3 = 4.189E-6; a block of 1E6; a block of 123.4567 = 1,881,672.3017
    row("frmVolume", "small", "opt1", "Text1=0.01", "cmdOk", "Text3", "4.19E-06");
    row("frmVolume", "huge", "opt2", "Text1=1000000", "cmdOk", "Text3", "1.00E+18");
    row("frmVolume", "cut", "opt2", "Text1=123.4567", "cmdOk", "Text3", "1,881,672.302");
    // L x needed / given, in the default text form
    row("frmVolumeVolume", "small", "", "Text1=0.0001;Text2=1;Text3=1", "cmdOk", "Text13", "0.0001");
    row("frmVolumeVolume", "huge", "", "Text1=10000000000000000;Text2=1;Text3=1", "cmdOk", "Text13", "1E+16");
    row("frmVolumeVolume", "cut", "", "Text1=1;Text2=3;Text3=1", "cmdOk", "Text13", "0.333333333333333");
    // moles x M.W.; 1 mole x 6.02E23; 1 g / 3
    row("frmWeightCalculations", "small", "Option3,Option5", "Text1=1;Text2=0.0001", "cmdOk", "Text3", "0.0001");
    row("frmWeightCalculations", "huge", "Option3,Option4", "Text1=1;Text2=1", "cmdOk", "Text3", "6.02E+23");
    row("frmWeightCalculations", "cut", "Option2,Option6", "Text1=3;Text2=1", "cmdOk", "Text3", "0.3333333");
    // K = p1^y x p2^z / (r - x/y p1)^x: 0.0001 / 0.9999 = 1.0001E-4; 0.5 x 1E16 / 0.5
    row("frmionizationConstant", "small", "", "Text1=1;Text6=1;Text2=0.0001;Text7=1;Text3=1;Text8=1", "cmdOk",
        "Text4", "1.00E-04");
    row("frmionizationConstant", "huge", "", "Text1=1;Text6=1;Text2=0.5;Text7=1;Text3=10000000000000000;Text8=1",
        "cmdOk",
        "Text4", "1.00E+16");
    // C to K: -273.1495 + 273.15 = 5.0E-4; (1E16 - 32) / 1.8 = 5.556E15;
    // 1234567890123.4567 + 273.15 = 1,234,567,890,396.6067 held to fifteen digits
    row("frmTemperatures", "small", "", "Text1=-273.1495", "cmdCToK", "Text2", "5.00E-04");
    row("frmTemperatures", "huge", "", "Text1=10000000000000000", "cmdFToC", "Text2", "5.56E+15");
    row("frmTemperatures", "cut", "", "Text1=1234567890123.4567", "cmdCToK", "Text2", "1,234,567,890,396.61");
    // (1234567890123.4567 - 32) / 1.8 + 273.15 = 685,871,050,323.95928
    row("frmTemperatures", "cut F to K", "", "Text1=1234567890123.4567", "cmdFToK", "Text2", "685,871,050,323.959");
    // Mole calculator: 0.01 g C / 12.011; 1E10 mol x 6.023E23; 1E14 g C / 12.011
    // = 8,325,701,440,346.349 held to fifteen digits
    row("fmrMoles", "small", "+optMoles2,+optMoles4", "list=5;txtMoles1=0.01", "Enter", "txtMoles3", "8.33E-04");
    row("fmrMoles", "huge", "+optMoles1,+optMoles6", "list=5;txtMoles1=10000000000", "Enter", "txtMoles3",
        "6.02E+33");
    row("fmrMoles", "cut", "+optMoles2,+optMoles4", "list=5;txtMoles1=100000000000000", "Enter", "txtMoles3",
        "8,325,701,440,346.35");
    // The weigher: 999999999^3 x 1.008; 998999999001 x 1.008 = 1,006,991,998,993.008
    row("frmWeights", "huge", "", "RichTextBox1=((H999999999)999999999)999999999", "Enter", "txtWeights2",
        "1.01E+27");
    // 1.008 / (12.011 x 999999999 + 1.008) x 100 = 8.392E-9 % of hydrogen
    row("frmWeights", "small", "chk1", "RichTextBox1=(C999999999)H", "Enter", "txtComposition_1", "H 8.39E-09%");
    row("frmWeights", "cut", "", "RichTextBox1=(H999999999)999", "Enter", "txtWeights2", "1,006,991,998,993.01");
    return t;
}

// Answers a window cannot give, with the reason.
const QMap<QString, QString>& unreached() {
    static const QMap<QString, QString> m = {
        {"frmAcids huge", "the box takes 0 to 14: at most pH 14 or 1 M"},
        {"frmAcids cut", "the box takes 0 to 14: at most 14.000"},
        {"frmEquilibriumConstant cut", "always the scientific form"},
        {"frmSolubilityConstants cut", "always the scientific form"},
        {"frmionizationConstant cut", "always the scientific form"},
        {"frmMoleFraction huge", "a mole fraction is at most 1"},
        {"frmMoleFraction cut", "a mole fraction is at most 1"},
        {"frmRaoults huge", "at most the vapour pressure of water"},
        {"frmRaoults cut", "at most the vapour pressure of water"},
        {"frmSigfig small", "a count of digits"},
        {"frmSigfig huge", "a count of digits"},
        {"frmSigfig cut", "a count of digits"},
        {"frmReactions small", "counts atoms in whole numbers"},
        {"frmReactions huge", "counts atoms in whole numbers"},
        {"frmReactions cut", "counts atoms in whole numbers"},
    };
    return m;
}

}  // namespace

class tst_AnswerDigits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initWindows(); }
    void cleanup() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        reset();
    }

    // Textbook problems worked by hand; the windows' own constants where they
    // have one (R = 0.0821 in the ideal gas law and gas density).
    void namedAnswers_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* tag, const char* window, const char* option, const QString& inputs,
                      const char* button, const char* answer, const char* shown) {
            QTest::newRow(tag) << QString::fromLatin1(window) << QString::fromLatin1(option) << inputs
                               << QString::fromLatin1(button) << QString::fromLatin1(answer) << QString::fromUtf8(shown);
        };
        // Small answers keep three significant digits; below 0.001 scientific.
        row("Henry 1.3E-3 x 0.21", "frmHenrys", "", "Text1=0.0013;Text2=0.21", "cmdOk", "Text3", "2.73E-04");
        // (1 / 58.44) / (1 / 58.44 + 1000 / 18.02) = 3.0825E-4
        row("mole fraction of 1 g NaCl", "frmMoleFraction", "", "Text1=1;Text2=58.44;Text3=1000;Text4=18.02", "cmdOk",
            "Text6", "3.08E-04");
        row("molarity 0.0002 mol in 1 L", "frmMolarity", "opt1", "Text1=0.0002;Text2=1", "cmdOk", "Text3", "2.00E-04");
        // 0.950 x 0.010 / (0.0821 x 298) = 3.8830E-4
        row("ideal gas moles in 10 mL", "frmIdeal", "opt3", "Text2=0.010;Text3=0.950;Text4=298", "cmdOk", "Text5",
            "3.88E-04");
        // 0.025 x 100 / 100 x 264 / 300 = 0.022, two decimals in the window
        row("combined law 25.0 mL", "frmCombinedLaws", "", "Text1=0.025;Text2=100;Text3=300;Text4=100;Text5=264",
            "cmdOk", "Text7", "0.0220");
        // 2.016 x 0.010 / (0.0821 x 300) = 8.185E-4
        row("gas density of H2", "frmGasDensity", "", "Text1=2.016;Text2=0.010;Text4=300", "cmdOk", "Text5",
        "8.19E-04");
        row("density 1.25 g in 1000 mL", "frmDensity", "optDensity3", "Text1=1.25;txtDensity1=1000", "cmdOk",
            "txtDensity3", "0.00125");
        // 4/3 x pi x 0.05^3 = 5.236E-4
        row("sphere of radius 0.05", "frmVolume", "opt1", "Text1=0.05", "cmdOk", "Text3", "5.24E-04");
        // 1 / 39.37 = 0.025400
        row("1 in to m", "frmEnglish", "Option1", "Text1=1", "cmdIToM", "Text2", "0.0254");
        // Exactly 0 stays as the window writes it.
        row("absolute zero in kelvin", "frmTemperatures", "", "Text1=-273.15", "cmdCToK", "Text2", "0.000");
        // The window's five decimals.
        row("1234.567 min to s", "frmTime", "", "Text1=1234.567", "cmdMToS", "Text2", "74,074.02000");
        row("123456789 s to min", "frmTime", "", "Text1=123456789", "cmdSToM", "Text2", "2,057,613.15000");
        // 4.468E9 x 365.25 = 1,631,937,000,000 exactly
        row("4.468E9 years to days", "frmTime", "", "Text1=4.468E9", "cmdYToD", "Text2", "1,631,937,000,000");
        row("1.1 lb to g", "frmEnglish", "Option1", "Text1=1.1", "cmdPToG", "Text2", "499.400000");
        row("2 days to hours", "frmTime", "", "Text1=2", "cmdDToH", "Text2", "48.00000");
        // From 10^15 up scientific: 2.5 / 1 x 1 x 1E38 g
        row("mass-mass with a weight of 1E38", "frmMass", "",
            "Text14=1;Text1=2.5;Text6=1;Text17=1;Text9=1" + zeros(38), "cmdOk", "Text13", "2.50E+38");
        row("1E300 C to F", "frmTemperatures", "", "Text1=1" + zeros(300), "cmdCToF", "Text2", "1.80E+300");
        // 1 L x (101.3 - 3.17) kPa / 1E-300 kPa
        row("Dalton to 1E-300 kPa", "frmDalton", "opt1",
            "Text1=25;Text2=1;Text3=101.3;Text5=0." + zeros(299) + "1", "cmdOk", "Text6", "9.81E+301");
        row("molarity 1E40 / 1E-40", "frmMolarity", "opt1", "Text1=1" + zeros(40) + ";Text2=0." + zeros(39) + "1",
            "cmdOk", "Text3", "1.00E+80");
        row("molarity 1E-40 / 1E40", "frmMolarity", "opt1", "Text1=0." + zeros(39) + "1;Text2=1" + zeros(40),
            "cmdOk", "Text3", "1.00E-80");
        row("1E15 kg to N", "frmMassToWeight", "", "Text1=1" + zeros(15), "cmdKToN", "Text2", "9.81E+15");
        // Rounded once, from the value: 8.00 / 31.998 x -890.3 / 2 = -111.29446
        row("mass-energy of 8.00 g CH4", "frmMassEnergy", "", "Text1=2;Text2=8.00;Text3=31.998;Text4=-890.3", "cmdOk",
            "Text5", "-111.294");
        // 2 C8H18 + 25 O2 -> 16 CO2 + 18 H2O: 44.0 / 114.232 x 16 / 2 x 44.009 = 135.611457
        row("CO2 from 44.0 g octane", "frmMass", "", "Text14=2;Text1=44.0;Text6=114.232;Text17=16;Text9=44.009",
            "cmdOk", "Text13", "135.611");
        // 5730 x 365.25 = 2,092,882.5: a tie rounds away from zero, as at three decimals
        row("5730 years to days", "frmTime", "", "Text1=5730", "cmdYToD", "Text2", "2,092,882.50000");
        // A blank coefficient beside a typed concentration counts as 1:
        // PCl5 = PCl3 + Cl2, 0.0130^2 / 0.0420 = 4.024E-3
        row("PCl5 with blank coefficients", "frmEquilibriumConstant", "", "Text5=0.0420;Text11=0.0130;Text12=0.0130",
            "cmdOk", "Text1", "4.02E-03");
        // H2 + I2 = 2 HI, 0.156^2 / (0.0222 x 0.0222) = 49.38
        row("HI with the reactants' second coefficient blank", "frmEquilibriumConstant", "",
            "Text5=0.0222;Text4=0.0222;Text8=2;Text11=0.156", "cmdOk", "Text1", "4.94E+01");
    }

    // The 1 a blank coefficient counted as is written in its box.
    void equilibriumWritesTheOneItUsed() {
        QCOMPARE(run(QStringLiteral("frmEquilibriumConstant"), QString(),
                     QStringLiteral("Text5=0.0222;Text4=0.0222;Text8=2;Text11=0.156"), QStringLiteral("cmdOk"),
                     QStringLiteral("Text1")),
                 QStringLiteral("4.94E+01"));
        Form* f = Forms::loaded(QStringLiteral("frmEquilibriumConstant"));
        QCOMPARE(child<QLineEdit>(f, "Text2")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(f, "Text3")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(f, "Text9")->text(), QString());  // no second product
        QCOMPARE(child<QLineEdit>(f, "Text14")->text(), QStringLiteral("0.024336 / 0.00049284"));
    }

    // A work line that prints a computed value shows no digit the
    // computation does not hold (15 for a double, 7 for a float), in every
    // window whose work line prints one.
    void workLinesHoldTheirDigits_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* tag, const char* window, const char* option, const char* inputs, const char* button,
                      const char* work, const char* shown) {
            QTest::newRow(tag) << QString::fromLatin1(window) << QString::fromLatin1(option) << QString::fromLatin1(inputs)
                               << QString::fromLatin1(button) << QString::fromLatin1(work) << QString::fromUtf8(shown);
        };
        row("273.1505 K to C", "frmTemperatures", "", "Text1=273.1505", "cmdKToC", "Text3", "273.1505 - 273.15  =  0.0005");
        // (32.0001 - 32) x 5/9 = 0.0000555555555..., to the 13th decimal 32.0001 holds
        row("32.0001 F to C", "frmTemperatures", "", "Text1=32.0001", "cmdFToC", "Text3",
            "5/9  x  (32.0001- 32)  =  5.55555556E-05");
        row("0.0001 C to K", "frmTemperatures", "", "Text1=0.0001", "cmdCToK", "Text3", "0.0001 + 273.15  =  273.1501");
        // 101.3 - 3.17 kPa of dry gas
        row("Dalton's dry pressure", "frmDalton", "opt1", "Text1=25;Text2=1;Text3=101.3;Text5=101.3", "cmdOk", "Text7",
            "1 x 98.13 / 101.3 ");
        // 1 / 58.44 and 1000 / 18.02 = 55.49389567, at seven digits
        row("mole fraction's moles", "frmMoleFraction", "", "Text1=1;Text2=58.44;Text3=1000;Text4=18.02", "cmdOk",
            "Text5", "0.01711157 /  (0.01711157 + 55.4939)");
        row("equilibrium's terms", "frmEquilibriumConstant", "", "Text5=0.0420;Text11=0.0130;Text12=0.0130", "cmdOk",
            "Text14", "0.000169 / 0.042");
    }
    void workLinesHoldTheirDigits() {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, inputs);
        QFETCH(QString, button);
        QFETCH(QString, work);
        QVERIFY(!run(window, option, inputs, button, work).startsWith(u'<'));
        QTEST(child<QLineEdit>(Forms::loaded(window), work.toLatin1().constData())->text(), "shown");
    }

    // Tabbing into the element list chooses no element: Ok asks for one.
    void moleCalculatorWithoutAChosenLine() {
        auto* m = open<fmrMoles>(QStringLiteral("fmrMoles"));
        type(m->txtMoles1, QStringLiteral("12"));
        m->optMoles2->click();
        m->optMoles4->click();
        m->lstList1->setFocus(Qt::TabFocusReason);
        press(m->lstList1, Qt::Key_Tab);
        QVERIFY(m->lstList1->selectedItems().isEmpty());
        QCOMPARE(m->txtMoles2->text(), QString());
        m->cmdOk->click();
        expectOne(QStringLiteral("You must select an element from the list."), QStringLiteral("Moles"),
                  Msg::Icon::Information);
        QCOMPARE(m->txtMoles3->text(), QString());
    }
    void namedAnswers() {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, inputs);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QTEST(run(window, option, inputs, button, answer), "shown");
    }

    // Every calculator and conversion window and the weigher, from the table.
    void everyWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        for (const WindowRow& r : windowTable())
            QTest::addRow("%s %s", qPrintable(r.window), qPrintable(r.kind))
                << r.window << r.option << r.inputs << r.button << r.answer << r.shown;
    }
    void everyWindow() {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, inputs);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QTEST(run(window, option, inputs, button, answer), "shown");
    }

    // No window slips past the table: each calculator, conversion window and
    // the weigher has its small, huge and cut rows, or a reason it has none.
    void everyWindowInTheTable() {
        QStringList windows{QStringLiteral("frmWeights")};
        for (const QString& name : Forms::registeredKinds()) {
            Form* f = Forms::load(name);
            if (qobject_cast<CalculatorForm*>(f) || qobject_cast<ConversionForm*>(f)) windows << name;
            Forms::unload(f);
        }
        settle();
        QSet<QString> rows;
        for (const WindowRow& r : windowTable()) rows.insert(r.window + u' ' + r.kind);
        QStringList missing;
        for (const QString& w : windows)
            for (const char* kind : {"small", "huge", "cut"}) {
                const QString key = w + u' ' + QLatin1String(kind);
                if (!rows.contains(key) && !unreached().contains(key)) missing << key;
                QVERIFY2(!(rows.contains(key) && unreached().contains(key)), qPrintable(key));
            }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        for (const QString& key : unreached().keys())
            QVERIFY2(windows.contains(key.section(u' ', 0, 0)), qPrintable(key));
    }

    // The mole calculator writes its own answers: Au 1.5E20 atoms to moles
    // (1.5E20 / 6.023E23 = 2.490E-4) and C 0.01 g to moles (0.01 / 12.011 = 8.326E-4).
    void moleCalculator_data() {
        QTest::addColumn<int>("element");  // list row
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("from");     // 1 grams, 2 atoms
        QTest::addColumn<QString>("shown");
        QTest::newRow("Au atoms to moles") << 78 << QStringLiteral("1.5E+20") << 2 << QStringLiteral("2.49E-04");
        QTest::newRow("C grams to moles") << 5 << QStringLiteral("0.01") << 1 << QStringLiteral("8.33E-04");
    }
    void moleCalculator() {
        QFETCH(int, element);
        QFETCH(QString, amount);
        QFETCH(int, from);
        auto* m = open<fmrMoles>(QStringLiteral("fmrMoles"));
        type(m->txtMoles1, amount);
        (from == 1 ? m->optMoles2 : m->optMoles3)->click();
        m->optMoles4->click();
        m->lstList1->setCurrentRow(element);
        press(m->txtMoles1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QTEST(m->txtMoles3->text(), "shown");
    }

    // The weigher: 999999999^3 hydrogens weigh about 1.008E27.
    void weigherHugeFormula() {
        auto* w = open<frmWeights>(QStringLiteral("frmWeights"));
        w->RichTextBox1->setPlainText(QStringLiteral("((H999999999)999999999)999999999"));
        press(w->RichTextBox1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QCOMPARE(w->txtWeights2->text(), QStringLiteral("1.01E+27"));
        QVERIFY(digitCount(w->Text1->text()) <= 20);
        w->RichTextBox1->setPlainText(QStringLiteral("H2O"));
        press(w->RichTextBox1, Qt::Key_Return);
        QCOMPARE(w->txtWeights2->text(), QStringLiteral("18.015"));
    }

    // Beyond the table's rows: every option and every button of every
    // calculator and conversion window, with small, middling and huge numbers
    // in every box it shows; whatever it answers follows the rules of its format.
    void everyWindowFollowsTheRules_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name : TestSupport::shapedWindows()) QTest::newRow(qPrintable(name)) << name;
        settle();
    }
    void everyWindowFollowsTheRules() {
        QFETCH(QString, window);
        int answers = 0;
        for (const QString& value : {QStringLiteral("0.002"), QStringLiteral("1.1"), QStringLiteral("99999999")}) {
            Form* f = open(window);
            auto* calc = qobject_cast<CalculatorForm*>(f);
            auto* conv = qobject_cast<ConversionForm*>(f);
            QVERIFY(calc || conv);
            const int choices = calc ? std::max<int>(1, int(calc->options.size())) : std::max<int>(1, int(conv->directions.size()));
            for (int o = 0; o < choices; ++o) {
                if (calc && !calc->options.isEmpty()) calc->selectOption(o);
                if (conv && !conv->directions.isEmpty()) conv->directions.at(o)->click();
                const QList<QLineEdit*> boxes = calc ? calc->inputs : QList<QLineEdit*>{conv->input};
                for (QLineEdit* b : boxes) {
                    if (!b->isVisibleTo(f) || !b->isEnabled()) continue;
                    b->clear();
                    type(b, value);
                }
                messages().clear();
                QList<QPushButton*> presses = calc ? QList<QPushButton*>{calc->cmdOk} : conv->buttons;
                for (QPushButton* p : presses) {
                    if (!p->isEnabled()) continue;
                    p->click();
                    settle();
                    QLineEdit* answerBox = calc ? calc->answerBox : conv->answerBox;
                    if (!answerBox || !messages().shown.isEmpty() || answerBox->text().isEmpty()) {
                        messages().clear();
                        continue;
                    }
                    CalculatorForm::Format format = CalculatorForm::Format::Fixed;
                    int decimals = 3, held = Num::DoubleDigits;
                    if (calc) {
                        const auto& d = calc->design();
                        format = d.answer.format;
                        if (calc->option() >= 0 && d.options.at(calc->option()).format)
                            format = *d.options.at(calc->option()).format;
                        decimals = d.answer.decimals;
                    } else {
                        decimals = conv->design().answer.decimals;
                    }
                    held = static_cast<AnswerForm*>(f)->heldDigits();
                    const QString text = answerBox->text();
                    const QString broken = brokenRule(text, format, decimals, held);
                    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("%1 with %2 (%3): \"%4\" %5")
                                                              .arg(window, value, p->objectName(), text, broken)));
                    ++answers;
                    answerBox->clear();
                }
            }
            reset();
        }
        if (answers == 0) QSKIP("no answer from these numbers");
    }

    // Cells keep a stored number's digits, up to four.
    void cellsKeepStoredDigits_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("cell");
        QTest::newRow("hydrogen's density") << "frmExtraData" << "Hydrogen " << "0.0899";
        QTest::newRow("helium's density") << "frmExtraData" << "Helium " << "0.1786";
        QTest::newRow("water's Kb") << "frmFreezing" << "Water " << "0.512";
    }
    void cellsKeepStoredDigits() {
        QFETCH(QString, window);
        QFETCH(QString, start);
        QFETCH(QString, cell);
        Form* f = open(window);
        QVERIFY(f);
        QListWidget* list = f->findChild<QListWidget*>();
        QVERIFY(list);
        QString line;
        for (int i = 0; i < list->count() && line.isEmpty(); ++i)
            if (list->item(i)->text().startsWith(start)) line = list->item(i)->text();
        QVERIFY2(!line.isEmpty(), qPrintable(start));
        QVERIFY2(line.split(u' ', Qt::SkipEmptyParts).contains(cell), qPrintable(line));
    }

    // Right to left: one digit set in every form of a number, and columns
    // that stand where they stand in any region.
    void oneDigitSetInArabic() {
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QLocale ar;
        const QString point = ar.decimalPoint(), group = ar.groupSeparator();
        QCOMPARE(Num::fixed(120000.0, 2), "120" + group + "000" + point + "00");
        QCOMPARE(Num::text(6.94), "6" + point + "94");
        QCOMPARE(Num::scientific(45.0), "4" + point + "50E+01");
        QCOMPARE(Num::answer(-0.0254), "-0" + point + "0254");
        QCOMPARE(Num::answer(-1234.5678), "-1" + group + "234" + point + "568");
        QCOMPARE(Picture::format(-6.8, Picture::Standard), "-6" + point + "80");

        // The same electron affinities list in both regions: every line as
        // long, every value starting in the same column.
        auto columns = [](QLocale region) {
            QLocale::setDefault(region);
            auto* f = open<TableViewerForm>(QStringLiteral("frmAffinities"));
            QList<QPair<int, int>> out;
            for (const QString& l : f->lines()) {
                const qsizetype name = l.indexOf(u' ');
                qsizetype value = name;
                while (value >= 0 && value < l.size() && l.at(value) == u' ') ++value;
                out.append({int(l.size()), int(value)});
            }
            unloadAll();
            return out;
        };
        const auto english = columns(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto arabic = columns(QLocale(QLocale::Arabic, QLocale::Egypt));
        QVERIFY(!english.isEmpty());
        QCOMPARE(arabic, english);
    }
};

QTEST_MAIN(tst_AnswerDigits)
#include "tst_answerdigits.moc"
