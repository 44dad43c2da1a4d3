// Every figure an answer box shows is a true figure: random problems typed
// into every calculator and conversion window, each answer compared with the
// same formula worked in long double from the same decimal texts and rounded
// once by the answer rule.
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "TestSupport.h"
#include "gases/WaterVapourLookup.h"
#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"

using namespace TestSupport;

namespace {

using Values = QList<long double>;
using Formula = std::function<long double(const Values&)>;

// ---- The answer rule, worked apart from the program ----

// |v| to 15 significant digits: the digits and the exponent of the first.
struct Digits {
    QString d;
    int e = 0;
};
// Keeps `keep` digits, half away from zero; a carry adds a digit in front.
bool roundTo(QString& d, int keep) {
    if (keep >= d.size()) return false;
    const bool up = d.at(keep) >= QLatin1Char('5');
    d.truncate(keep);
    if (!up) return false;
    int i = int(d.size()) - 1;
    while (i >= 0 && d.at(i) == QLatin1Char('9')) d[i--] = QLatin1Char('0');
    if (i >= 0) {
        d[i] = QChar(d.at(i).unicode() + 1);
        return false;
    }
    d.prepend(QLatin1Char('1'));
    d.chop(1);
    return true;
}

Digits digits15(long double v) {
    if (!std::isfinite(v)) return {QStringLiteral("<not finite>"), 0};
    // All 21 digits a long double holds, then 15 of them, a tie away from zero.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.20Le", std::fabs(v));
    Digits out;
    out.d = QString(QLatin1Char(buf[0])) + QString::fromLatin1(buf + 2, 20);
    out.e = std::atoi(std::strchr(buf, 'e') + 1);
    if (roundTo(out.d, 15)) ++out.e;
    return out;
}

QString scientific(long double v) {
    Digits x = digits15(v);
    if (v == 0) x = {QStringLiteral("000"), 0};
    if (roundTo(x.d, 3)) ++x.e;
    return (v < 0 ? QStringLiteral("-") : QString()) + x.d.left(1) + u'.' + x.d.mid(1, 2) + u'E' +
           (x.e < 0 ? u'-' : u'+') + QString::number(std::abs(x.e)).rightJustified(2, u'0');
}

// en_US grouping of the digits before the point.
QString grouped(const QString& units) {
    QString out;
    for (int i = 0; i < units.size(); ++i) {
        if (i > 0 && (units.size() - i) % 3 == 0) out += u',';
        out += units.at(i);
    }
    return out;
}

// `decimals` places, at least three significant digits, grouped; scientific
// below 0.001 and from 10^15 up.
QString fixed(long double v, int decimals) {
    if (v == 0) return decimals > 0 ? QStringLiteral("0.") + QString(decimals, u'0') : QStringLiteral("0");
    const Digits x = digits15(v);
    QString three = x.d;
    const int e3 = roundTo(three, 3) ? x.e + 1 : x.e;
    if (x.e >= 15 || e3 < -3) return scientific(v);
    const int shown = std::max(decimals, 2 - e3);
    if (shown > 14 - x.e) return QStringLiteral("<more places than 15 digits hold>");
    QString d = x.d;
    const int e = roundTo(d, x.e + 1 + shown) ? x.e + 1 : x.e;
    d = d.leftJustified(e + 1 + shown, u'0');
    const QString units = e < 0 ? QStringLiteral("0") : d.left(e + 1);
    const QString places = e < 0 ? (QString(-e - 1, u'0') + d).left(shown) : d.mid(e + 1);
    const QString out = (v < 0 ? QStringLiteral("-") : QString()) + grouped(units);
    return shown > 0 ? out + u'.' + places : out;
}

// The default text form at `n` significant digits, trailing zeros dropped.
QString plain(long double v, int n) {
    if (v == 0) return QStringLiteral("0");
    Digits x = digits15(v);
    if (roundTo(x.d, n)) ++x.e;
    while (x.d.size() > 1 && x.d.endsWith(u'0')) x.d.chop(1);
    QString out;
    if (x.e >= n || x.e < -4) {
        out = x.d.left(1) + (x.d.size() > 1 ? u'.' + x.d.mid(1) : QString()) + u'E' + (x.e < 0 ? u'-' : u'+') +
              QString::number(std::abs(x.e)).rightJustified(2, u'0');
    } else if (x.e < 0) {
        out = QStringLiteral("0.") + QString(-x.e - 1, u'0') + x.d;
    } else {
        const QString d = x.d.leftJustified(x.e + 1, u'0');
        out = d.left(x.e + 1) + (d.size() > x.e + 1 ? u'.' + d.mid(x.e + 1) : QString());
    }
    return v < 0 ? u'-' + out : out;
}

enum class Shape { Window, Fixed, Scientific, Short, Double };

QString expectedText(long double v, Shape s, int decimals) {
    switch (s) {
    case Shape::Fixed: return fixed(v, decimals);
    case Shape::Scientific: return scientific(v);
    case Shape::Short: return plain(v, 7);
    case Shape::Double: return plain(v, 15);
    case Shape::Window: break;
    }
    return QStringLiteral("<no shape>");
}

long double read(const QString& text) { return text.isEmpty() ? NAN : std::strtold(text.toLatin1().constData(), nullptr); }

// The stored vapour pressure of water at a whole degree, as the decimal it stands for.
long double vapour(long double celsius) {
    const std::optional<double> p = WaterVapourLookup::pressure(double(celsius));
    return p ? read(QString::number(*p, 'g', 15)) : NAN;
}

// ---- Drawn inputs ----

// How a box's text is drawn: a decimal of 2 to 4 significant digits in
// [lo, hi], the same with a random sign, a whole number in [lo, hi], a
// kelvin temperature of a whole Celsius degree in [lo, hi] ("298.15"), an
// emptied box, or a box left as the window fills it.
enum class Kind { Decimal, Signed, Whole, WholeCelsiusKelvin, Empty, Untouched };
struct Box {
    const char* name;
    Kind kind;
    double lo = 0, hi = 0;
};
Box dec(const char* n, double lo, double hi) { return {n, Kind::Decimal, lo, hi}; }
Box sgn(const char* n, double lo, double hi) { return {n, Kind::Signed, lo, hi}; }
Box whole(const char* n, int lo, int hi) { return {n, Kind::Whole, double(lo), double(hi)}; }

QString decimalText(QRandomGenerator& g, double lo, double hi) {
    for (;;) {
        const int sig = g.bounded(2, 5);
        const int e = g.bounded(int(std::floor(std::log10(lo))), int(std::floor(std::log10(hi))) + 1);
        const QString m = QString::number(g.bounded(int(std::pow(10, sig - 1)), int(std::pow(10, sig))));
        const int point = e + 1;  // digits before the point
        QString t = point <= 0 ? QStringLiteral("0.") + QString(-point, u'0') + m
                    : point >= sig ? m + QString(point - sig, u'0')
                                   : m.left(point) + u'.' + m.mid(point);
        const double v = t.toDouble();
        if (v >= lo && v <= hi) return t;
    }
}

QString drawText(QRandomGenerator& g, const Box& b) {
    switch (b.kind) {
    case Kind::Decimal: return decimalText(g, b.lo, b.hi);
    case Kind::Signed: return (g.bounded(2) ? QStringLiteral("-") : QString()) + decimalText(g, b.lo, b.hi);
    case Kind::Whole: return QString::number(g.bounded(int(b.lo), int(b.hi) + 1));
    case Kind::WholeCelsiusKelvin: return QString::number(273 + g.bounded(int(b.lo), int(b.hi) + 1)) + QStringLiteral(".15");
    case Kind::Empty: return QStringLiteral("");
    case Kind::Untouched: break;
    }
    return QString();
}

// ---- The table: one case per window and option, conversion button or answer box ----

struct Case {
    QString window, tag;
    int option = -1;     // the calculator option selected first (-1: none, or the one the load selects)
    QString press;       // a conversion button; empty: Ok
    QList<Box> boxes;    // in the formula's order
    Formula formula;     // of the boxes' values, then the extras
    Shape shape = Shape::Window;
    int decimals = -1;   // -1: the window's
    QString answer;      // an answer box other than the window's own
    std::function<void(Form*)> prepare;                             // once, after the option
    std::function<void(QRandomGenerator&, QStringList&)> adjust;    // the drawn texts, before they are entered
    std::function<void(Form*, QRandomGenerator&, Values&)> choose;  // per draw, after the texts: controls, extras
};

void click(Form* f, const char* name) { child<QAbstractButton>(f, name)->click(); }

// The windows of the list that work no numeric formula, and why.
const QMap<QString, QString>& withoutFormula() {
    static const QMap<QString, QString> m{
        {QStringLiteral("frmSigfig"), QStringLiteral("counts the significant figures of the typed text")},
        {QStringLiteral("frmReactions"), QStringLiteral("counts the atoms on each side of a reaction")},
    };
    return m;
}

QList<Case> cases() {
    QList<Case> t;
    auto add = [&t](const char* window, const char* tag, int option, QList<Box> boxes, Formula f) -> Case& {
        t.append(Case{.window = QLatin1String(window), .tag = QLatin1String(tag), .option = option,
                      .boxes = std::move(boxes), .formula = std::move(f)});
        return t.last();
    };
    using V = const Values&;
    constexpr long double R = 0.0821L, Stp = 22.4L, F = 96500, Pi = 3.14159265L;

    // Gases
    for (int o : {0, 1})
        add("frmBoyles", o ? "volume" : "pressure", o,
            {dec("txtInitialVolume", 0.1, 900), dec("txtInitialPressure", 0.1, 900), dec("txtFinalEntry", 0.1, 900)},
            [](V v) { return v[1] * v[0] / v[2]; });
    add("frmCharlesLaw", "temperature", 0,
        {dec("txtInitialTemperature", 50, 900), dec("txtInitialVolume", 0.1, 900), dec("txtFinalEntry", 0.1, 900)},
        [](V v) { return v[0] * v[2] / v[1]; });
    add("frmCharlesLaw", "volume", 1,
        {dec("txtInitialTemperature", 50, 900), dec("txtInitialVolume", 0.1, 900), dec("txtFinalEntry", 50, 900)},
        [](V v) { return v[1] * v[2] / v[0]; });
    const QList<Box> combined{dec("Text1", 0.1, 900), dec("Text2", 50, 900), dec("Text3", 50, 900),
                              dec("Text4", 50, 900), dec("Text5", 50, 900)};
    add("frmCombinedLaws", "dry", -1, combined, [](V v) { return v[0] * v[1] / v[3] * v[4] / v[2]; });
    add("frmCombinedLaws", "over water", -1,
        {dec("Text1", 0.1, 900), dec("Text2", 110, 900), {"Text3", Kind::WholeCelsiusKelvin, 0, 100},
         dec("Text4", 50, 900), dec("Text5", 50, 900)},
        [](V v) { return v[0] * (v[1] - vapour(std::round(v[2] - 273.15L))) / v[3] * v[4] / v[2]; })
        .prepare = [](Form* f) { child<QCheckBox>(f, "chk1")->setChecked(true); };
    add("frmDalton", "volume", 0,
        {whole("Text1", 0, 100), dec("Text2", 0.1, 900), dec("Text3", 110, 900), dec("Text5", 50, 900)},
        [](V v) { return v[1] * ((v[2] - vapour(v[0])) / v[3]); });
    add("frmDalton", "pressure", 1, {whole("Text1", 0, 100), dec("Text2", 110, 900)},
        [](V v) { return v[1] - vapour(v[0]); });
    add("frmGasDensity", "", -1, {dec("Text1", 2, 400), dec("Text2", 0.1, 50), dec("Text4", 50, 900)},
        [=](V v) { return v[0] * v[1] / (v[2] * R); });
    for (int o : {0, 1})
        add("frmGayLussac", o ? "temperature" : "pressure", o,
            {dec("Text1", 50, 900), dec("Text2", 50, 900), dec("Text3", 50, 900)},
            [](V v) { return v[0] * v[2] / v[1]; });
    add("frmGrahams", "", -1, {dec("Text1", 2, 400), dec("Text2", 2, 400)}, [](V v) { return std::sqrt(v[1] / v[0]); });
    const QList<Box> ideal{dec("Text2", 0.1, 900), dec("Text3", 0.1, 900), dec("Text4", 50, 900)};
    add("frmIdeal", "pressure", 0, ideal, [=](V v) { return R * (v[1] * v[2]) / v[0]; });
    add("frmIdeal", "volume", 1, ideal, [=](V v) { return R * (v[1] * v[2]) / v[0]; });
    add("frmIdeal", "moles", 2, ideal, [=](V v) { return v[1] * v[0] / (R * v[2]); });
    add("frmIdeal", "temperature", 3, ideal, [=](V v) { return v[2] * v[0] / (v[1] * R); });
    add("frmMassVolume", "volume", 0,
        {dec("Text1", 0.1, 900), dec("Text2", 2, 400), whole("Text3", 1, 6), whole("Text5", 1, 6)},
        [=](V v) { return v[0] / v[1] * v[2] / v[3] * Stp; });
    add("frmMassVolume", "mass", 1,
        {dec("Text1", 0.1, 900), dec("Text2", 50, 900), whole("Text3", 1, 6), whole("Text5", 1, 6),
         dec("Text6", 2, 400), dec("Text7", 50, 900)},
        [](V v) { return v[5] * v[0] / (8.314L * v[1]) * v[3] / v[2] * v[4]; });
    add("frmMolarVolume", "mass", 0, {dec("Text1", 2, 400), dec("Text2", 0.1, 900)},
        [=](V v) { return v[1] * v[0] / Stp; });
    add("frmMolarVolume", "moles", 1, {dec("Text1", 2, 400), dec("Text2", 0.1, 900)}, [](V v) { return v[1] / v[0]; });
    add("frmMolarVolume", "volume", 2, {dec("Text1", 2, 400), dec("Text2", 0.1, 900)},
        [=](V v) { return v[1] / v[0] * Stp; });
    add("frmMolecularWeight", "", -1,
        {dec("Text6", 0.1, 50), dec("Text3", 0.1, 900), dec("Text2", 0.1, 900), dec("Text4", 50, 900)},
        [=](V v) { return v[1] / (v[2] * v[0] / (v[3] * R)); });
    add("frmRaoults", "", -1,
        {whole("Text1", 0, 100), dec("Text2", 0.1, 900), dec("Text3", 2, 400), dec("Text4", 0.1, 900),
         dec("Text5", 2, 400)},
        [](V v) {
            const long double ns = v[1] / v[2], nv = v[3] / v[4];
            return vapour(v[0]) * (nv / (nv + ns));
        });
    add("frmVolumeVolume", "", -1, {dec("Text1", 0.1, 900), whole("Text2", 1, 9), whole("Text3", 1, 9)},
        [](V v) { return v[2] / v[1] * v[0]; });

    // Formulas and moles
    add("frmAverageMass", "percentages", -1,
        {dec("Text1", 1, 250), dec("Text2", 1, 99), dec("Text3", 1, 250), dec("Text4", 1, 99), dec("Text5", 1, 250),
         dec("Text6", 1, 99)},
        [](V v) { return (v[0] * v[1] + v[2] * v[3] + v[4] * v[5]) / 100; });
    add("frmAverageMass", "fractions", -1,
        {dec("Text1", 1, 250), dec("Text2", 0.01, 0.75), dec("Text3", 1, 250), dec("Text4", 0.01, 0.75)},
        [](V v) { return v[0] * v[1] + v[2] * v[3]; });
    add("frmMass", "from the reactant", -1,
        {whole("Text14", 1, 6), dec("Text1", 0.1, 900), dec("Text6", 2, 400), whole("Text17", 1, 6),
         {"Text4", Kind::Empty}, dec("Text9", 2, 400)},
        [](V v) { return v[1] / v[2] * (v[3] / v[0]) * v[5]; });
    add("frmMass", "from the product", -1,
        {whole("Text14", 1, 6), {"Text1", Kind::Empty}, dec("Text6", 2, 400), whole("Text17", 1, 6),
         dec("Text4", 0.1, 900), dec("Text9", 2, 400)},
        [](V v) { return v[4] / v[5] * (v[0] / v[3]) * v[2]; });
    add("frmMassEnergy", "", -1,
        {whole("Text1", 1, 6), dec("Text2", 0.1, 900), dec("Text3", 2, 400), sgn("Text4", 1, 3000)},
        [](V v) { return v[1] / v[2] * v[3] / v[0]; });
    // From and To units of the mole calculator, and of the weight calculations.
    struct Units {
        const char *tag, *from, *to;
        int fromUnit, toUnit;  // 0 moles, 1 grams, 2 atoms (molecules)
    };
    const Units moles[] = {{"moles to grams", "optMoles1", "optMoles5", 0, 1},
                           {"moles to atoms", "optMoles1", "optMoles6", 0, 2},
                           {"grams to moles", "optMoles2", "optMoles4", 1, 0},
                           {"grams to atoms", "optMoles2", "optMoles6", 1, 2},
                           {"atoms to moles", "optMoles3", "optMoles4", 2, 0},
                           {"atoms to grams", "optMoles3", "optMoles5", 2, 1}};
    // The amount in each unit as moles, and moles as each unit, with N atoms a mole.
    auto convert = [](int from, int to, long double n, long double a, long double w) {
        const long double mol = from == 0 ? a : from == 1 ? a / w : a / n;
        return to == 0 ? mol : to == 1 ? (from == 2 ? a / n * w : mol * w) : (from == 1 ? a / w * n : mol * n);
    };
    for (const Units& u : moles) {
        Case& c = add("fmrMoles", u.tag, -1,
                      {u.fromUnit == 2 ? dec("txtMoles1", 1e18, 9e25) : dec("txtMoles1", 0.01, 900),
                       {"txtMoles2", Kind::Untouched}},
                      [=](V v) { return convert(u.fromUnit, u.toUnit, 6.023E23L, v[0], v[1]); });
        c.shape = u.toUnit == 0 ? Shape::Fixed : u.toUnit == 1 ? Shape::Double : Shape::Scientific;
        c.decimals = 3;
        // The units, then an element from the window's own list, whose weight fills the weight box.
        c.choose = [u](Form* f, QRandomGenerator& g, Values&) {
            click(f, u.from);
            click(f, u.to);
            auto* list = child<QListWidget>(f, "lstList1");
            list->setCurrentRow(g.bounded(list->count()));
        };
    }
    const Units weights[] = {{"molecules to grams", "Option1", "Option5", 2, 1},
                             {"molecules to moles", "Option1", "Option6", 2, 0},
                             {"grams to molecules", "Option2", "Option4", 1, 2},
                             {"grams to moles", "Option2", "Option6", 1, 0},
                             {"moles to molecules", "Option3", "Option4", 0, 2},
                             {"moles to grams", "Option3", "Option5", 0, 1}};
    for (const Units& u : weights)
        add("frmWeightCalculations", u.tag, u.from[6] - '1',
            {dec("Text1", 2, 400), u.fromUnit == 2 ? dec("Text2", 1e18, 9e25) : dec("Text2", 0.01, 900)},
            [=](V v) { return convert(u.fromUnit, u.toUnit, 6.02E23L, v[1], v[0]); })
            .prepare = [u](Form* f) { click(f, u.to); };

    // Measurements
    const QList<Box> density{dec("Text1", 0.1, 900), dec("txtDensity1", 0.1, 900)};
    add("frmDensity", "density", 0, density, [](V v) { return v[0] / v[1]; });
    add("frmDensity", "mass", 1, density, [](V v) { return v[0] * v[1]; });
    add("frmDensity", "volume", 2, density, [](V v) { return v[1] / v[0]; });
    struct Pair {
        const char* button;
        long double (*toMetric)(long double);
        long double (*toEnglish)(long double);
        int decimals;
    };
    const Pair pairs[] = {
        {"cmdPToK", [](long double x) { return x * 0.454L; }, [](long double x) { return x / 454 * 1000; }, 3},
        {"cmdPToG", [](long double x) { return x * 454; }, [](long double x) { return x / 454; }, 6},
        {"cmdOToK", [](long double x) { return x * 28.3L / 1000; }, [](long double x) { return x / 0.02837L; }, 3},
        {"cmdOToG", [](long double x) { return x * 28.3L; }, [](long double x) { return x / 28.3L; }, 3},
        {"cmdFToM", [](long double x) { return x / 3.281L; }, [](long double x) { return x * 3.281L; }, 3},
        {"cmdFToC", [](long double x) { return x * 30.5L; }, [](long double x) { return x / 30.5L; }, 3},
        {"cmdIToM", [](long double x) { return x / 39.37L; }, [](long double x) { return x * 39.37L; }, 3},
        {"cmdIToC", [](long double x) { return x * 2.54L; }, [](long double x) { return x / 2.54L; }, 3},
        {"cmdLToG", [](long double x) { return x / 0.264L; }, [](long double x) { return x * 0.264L; }, 3},
        {"cmdLToOunces", [](long double x) { return x / 33.81L; }, [](long double x) { return x / 0.02958L; }, 3},
        {"cmdMToG", [](long double x) { return x / 0.000264L; }, [](long double x) { return x / 3785.41L; }, 6},
        {"cmdMToO", [](long double x) { return x / 0.0338L; }, [](long double x) { return x * 0.0338L; }, 3},
    };
    for (const Pair& p : pairs)
        for (bool metric : {true, false}) {
            Case& c = add("frmEnglish", "", -1, {dec("Text1", 0.01, 9000)},
                          [p, metric](V v) { return metric ? p.toMetric(v[0]) : p.toEnglish(v[0]); });
            c.tag = QLatin1String(p.button) + (metric ? QStringLiteral(" to metric") : QStringLiteral(" to English"));
            c.press = QLatin1String(p.button);
            c.decimals = p.decimals;
            c.prepare = [metric](Form* f) { click(f, metric ? "Option1" : "Option2"); };
        }
    add("frmMassToWeight", "newtons", -1, {dec("Text1", 0.01, 9000)}, [](V v) { return v[0] * 9.81L; }).press =
        QStringLiteral("cmdKToN");
    add("frmMassToWeight", "kilograms", -1, {dec("Text1", 0.01, 9000)}, [](V v) { return v[0] / 9.81L; }).press =
        QStringLiteral("cmdNToK");
    for (int category = 0; category < 3; ++category) {
        Case& c = add("frmMetrics", "", category, {dec("txtMetric1", 0.01, 9000)},
                      [](V v) { return v[0] * std::pow(10.0L, v[1] - v[2]); });
        c.tag = QStringList{QStringLiteral("mass"), QStringLiteral("distance"), QStringLiteral("volume")}[category];
        // Units 1 to 6: kilo, deka, the unit, deci, centi, milli.
        c.choose = [](Form* f, QRandomGenerator& g, Values& extra) {
            static const int power[] = {3, 1, 0, -1, -2, -3};
            const int from = g.bounded(6);
            int to = g.bounded(5);
            to += to >= from;
            click(f, qPrintable(QStringLiteral("optDistance%1").arg(from + 1)));
            click(f, qPrintable(QStringLiteral("optDistance%1").arg(to + 7)));
            extra << power[from] << power[to];
        };
    }
    const struct {
        const char* button;
        long double (*f)(long double);
        double lo, hi;
    } temperatures[] = {
        {"cmdFToC", [](long double t) { return (t - 32) * 5 / 9; }, -400, 3000},
        {"cmdFToK", [](long double t) { return (t - 32) * 5 / 9 + 273.15L; }, -400, 3000},
        {"cmdCToF", [](long double t) { return t * 9 / 5 + 32; }, -250, 3000},
        {"cmdCToK", [](long double t) { return t + 273.15L; }, -250, 3000},
        {"cmdKToF", [](long double t) { return (t - 273.15L) * 9 / 5 + 32; }, 0.01, 3000},
        {"cmdKToC", [](long double t) { return t - 273.15L; }, 0.01, 3000},
    };
    for (const auto& tc : temperatures) {
        auto f = tc.f;
        add("frmTemperatures", tc.button, -1, {tc.lo < 0 ? sgn("Text1", 0.01, -tc.lo) : dec("Text1", tc.lo, tc.hi)},
            [f](V v) { return f(v[0]); })
            .press = QLatin1String(tc.button);
    }
    const struct {
        const char* button;
        long double factor;  // multiplies; below 1: divides by its inverse
        bool divide;
    } times[] = {{"cmdYToD", 365.25L, false}, {"cmdDToH", 24, false},   {"cmdHToM", 60, false},
                 {"cmdMToS", 60, false},      {"cmdSToM", 60, true},    {"cmdMToH", 60, true},
                 {"cmdHToD", 24, true},       {"cmdDToY", 365.25L, true}};
    for (const auto& tc : times) {
        const long double k = tc.factor;
        const bool divide = tc.divide;
        add("frmTime", tc.button, -1, {dec("Text1", 0.01, 9000)},
            [k, divide](V v) { return divide ? v[0] / k : v[0] * k; })
            .press = QLatin1String(tc.button);
    }
    add("frmVolume", "sphere", 0, {dec("Text1", 0.1, 900)}, [=](V v) { return v[0] * v[0] * v[0] * (4 * Pi / 3); });
    add("frmVolume", "block", 1, {dec("Text1", 0.1, 900)}, [](V v) { return v[0] * v[0] * v[0]; });
    add("frmVolume", "cylinder", 2, {dec("Text1", 0.1, 900), dec("Text2", 0.1, 900)},
        [=](V v) { return v[0] * Pi * v[1] * v[1]; });

    // Solutions and energy
    for (int o : {0, 1})
        add("frmAcids", o ? "pOH" : "pH", o, {dec("Text1", 1e-13, 14)}, [](V v) { return -std::log10(v[0]); });
    for (int o : {2, 3})
        add("frmAcids", o == 3 ? "OH- concentration" : "H3O+ concentration", o, {dec("Text1", 0.01, 14)},
            [](V v) { return std::pow(10.0L, -v[0]); });
    for (int o : {0, 1})
        add("frmChangeOfState", o ? "boiling" : "melting", o,
            {dec("Text1", 0.1, 900), dec("Text2", 0.1, 900), dec("Text3", 2, 400)},
            [](V v) { return v[0] / v[2] * v[1]; });
    add("frmEnergyChange", "", -1, {dec("Text1", 0.1, 900), sgn("Text2", 0.1, 900), dec("Text3", 0.1, 5)},
        [](V v) { return v[0] * v[1] * v[2]; });
    add("frmEquilibriumConstant", "", -1,
        {whole("Text2", 1, 3), dec("Text5", 0.001, 9), whole("Text3", 1, 3), dec("Text4", 0.001, 9),
         whole("Text8", 1, 3), dec("Text11", 0.001, 9), whole("Text9", 1, 3), dec("Text12", 0.001, 9)},
        [](V v) {
            // A second pair left empty is no factor.
            auto term = [](long double c, long double a) { return std::isnan(c) ? 1.0L : std::pow(c, a); };
            return term(v[7], v[6]) * term(v[5], v[4]) / (term(v[3], v[2]) * term(v[1], v[0]));
        });
    add("frmFaradays", "grams", 0, {dec("Text1", 1, 90000), dec("Text2", 2, 400), whole("Text3", 1, 4)},
        [=](V v) { return v[0] / F / v[2] * v[1]; });
    add("frmFaradays", "moles", 1, {dec("Text1", 0.1, 900), dec("Text2", 0.1, 900), whole("Text3", 1, 4)},
        [=](V v) { return v[0] * v[1] * 60 / F / v[2]; });
    add("frmFaradays", "liters", 2, {dec("Text1", 0.1, 900), dec("Text2", 0.1, 900), whole("Text3", 1, 4)},
        [=](V v) { return v[0] * v[1] * 60 / F / v[2] * Stp; });
    for (int o : {0, 1})
        add("frmFreezing", o ? "boiling" : "freezing", o,
            {dec("Text1", 0.1, 40), sgn("Text2", 0.1, 400), dec("Text3", 0.01, 9)},
            [o](V v) { return o ? v[1] + v[0] * v[2] : v[1] - v[0] * v[2]; });
    add("frmHalfLife", "time", 0, {dec("Text1", 0.01, 9000), dec("Text2", 1, 9000), dec("Text4", 0.1, 9000)},
        [](V v) { return v[0] * (std::log(v[1] / v[2]) / std::log(2.0L)); })
        .adjust = [](QRandomGenerator& g, QStringList& s) {
            while (!(s[2].toDouble() < s[1].toDouble())) s[2] = decimalText(g, 0.1, 9000);
        };
    add("frmHalfLife", "quantity", 1, {dec("Text1", 1, 9000), dec("Text2", 1, 9000), dec("Text4", 0.1, 900)},
        [](V v) { return v[1] * std::pow(0.5L, v[2] / v[0]); });
    add("frmHenrys", "", -1, {dec("Text1", 0.0001, 9), dec("Text2", 0.1, 90)}, [](V v) { return v[0] * v[1]; });
    for (int o : {0, 1})
        add("frmMolarity", o ? "molality" : "molarity", o, {dec("Text1", 0.001, 900), dec("Text2", 0.01, 900)},
            [](V v) { return v[0] / v[1]; });
    const QList<Box> fraction{dec("Text1", 0.1, 900), dec("Text2", 2, 400), dec("Text3", 0.1, 900),
                              dec("Text4", 2, 400)};
    auto moleFraction = [](V v) { return v[0] / v[1] / (v[2] / v[3] + v[0] / v[1]); };
    add("frmMoleFraction", "fraction", -1, fraction, moleFraction);
    add("frmMoleFraction", "percent", -1, fraction, [=](V v) { return moleFraction(v) * 100; }).answer =
        QStringLiteral("Text7");
    add("frmSolubilityConstants", "", -1,
        {dec("Text1", 1e-6, 0.9), whole("Text5", 1, 3), dec("Text2", 1e-6, 0.9), whole("Text6", 1, 3)},
        [](V v) { return std::pow(v[2], v[3]) * std::pow(v[0], v[1]); });
    add("frmThermoData", "enthalpy", 0,
        {sgn("Text1", 0.1, 3000), sgn("Text2", 0.1, 3000), whole("Text3", 1, 6), whole("Text5", 1, 6)},
        [](V v) { return v[1] * v[3] - v[2] * v[0]; });
    add("frmThermoData", "entropy", 1, {sgn("Text1", 0.1, 3000), sgn("Text2", 0.1, 3000)},
        [](V v) { return v[0] - v[1]; });
    add("frmThermoData", "free energy", 2, {sgn("Text1", 0.1, 3000), dec("Text2", 50, 900), sgn("Text3", 0.1, 900)},
        [](V v) { return v[0] - v[1] * v[2] / 1000; });
    for (int o : {0, 1}) {
        // Ma Va = Mb Vb / r: one of the four left empty.
        add("frmTitration", o ? "molality" : "molarity", o,
            {dec("Text1", 0.01, 9), dec("Text2", 1, 900), dec("Text3", 0.01, 9), dec("Text4", 1, 900),
             whole("Text6", 1, 3)},
            [](V v) {
                if (std::isnan(v[0])) return v[2] * v[3] / (v[4] * v[1]);
                if (std::isnan(v[1])) return v[2] * v[3] / (v[4] * v[0]);
                if (std::isnan(v[2])) return v[4] * v[0] * v[1] / v[3];
                return v[4] * v[0] * v[1] / v[2];
            })
            .adjust = [](QRandomGenerator& g, QStringList& s) { s[g.bounded(4)] = QString(""); };
    }
    add("frmionizationConstant", "", -1,
        {dec("Text1", 0.01, 9), whole("Text6", 1, 2), dec("Text2", 1e-5, 0.9), whole("Text7", 1, 2),
         dec("Text3", 1e-5, 0.9), whole("Text8", 1, 2)},
        [](V v) {
            return std::pow(v[4], v[5]) * std::pow(v[2], v[3]) / std::pow(v[0] - v[1] / v[3] * v[2], v[1]);
        })
        .adjust = [](QRandomGenerator& g, QStringList& s) {
            // Product 1 leaves some of the reactant.
            while (!(s[0].toDouble() - s[1].toDouble() / s[3].toDouble() * s[2].toDouble() > 0))
                s[2] = decimalText(g, 1e-5, 0.9);
        };
    return t;
}

// A stable seed from the row's name.
quint32 seedOf(const QString& name) {
    quint32 h = 2166136261u;
    for (QChar c : name) h = (h ^ c.unicode()) * 16777619u;
    return h;
}

}  // namespace

class tst_TrueDigits : public QObject {
    Q_OBJECT

    // Draws a window gets, shared over its rows (at least this many a row).
    static constexpr int DrawsPerWindow = 320;
    static constexpr int DrawsPerRow = 40;

    // Enters the texts and what the case chooses, presses, and gives the
    // answer shown (or why there is none) and the value the texts stand for.
    static QString runOnce(Form* f, const Case& c, const QStringList& texts, QRandomGenerator& g, long double* expected,
                           QString* typed) {
        messages().clear();
        QList<QLineEdit*> boxes;
        for (int i = 0; i < c.boxes.size(); ++i) {
            auto* box = child<QLineEdit>(f, c.boxes.at(i).name);
            if (!box) return QStringLiteral("<no box %1>").arg(QLatin1String(c.boxes.at(i).name));
            if (!texts.at(i).isNull()) box->setText(texts.at(i));
            boxes << box;
        }
        Values extra;
        if (c.choose) c.choose(f, g, extra);
        Values v;
        QStringList seen;
        for (QLineEdit* b : boxes) {
            v << read(b->text());
            seen << b->objectName() + u'=' + b->text();
        }
        *typed = seen.join(QStringLiteral(" "));
        *expected = c.formula(v + extra);

        auto* calc = qobject_cast<CalculatorForm*>(f);
        auto* conv = qobject_cast<ConversionForm*>(f);
        QLineEdit* answer = !c.answer.isEmpty() ? child<QLineEdit>(f, qPrintable(c.answer))
                            : calc              ? calc->answerBox
                                                : conv->answerBox;
        answer->clear();
        QPushButton* button = c.press.isEmpty() ? calc->cmdOk : child<QPushButton>(f, qPrintable(c.press));
        if (!button->isEnabled()) return QStringLiteral("<%1 disabled>").arg(button->objectName());
        button->click();
        settle();
        if (!messages().shown.isEmpty()) return QStringLiteral("<message: ") + messages().lastText() + u'>';
        return answer->text();
    }

    // The shape and places of the case's answer.
    static QPair<Shape, int> shapeOf(Form* f, const Case& c) {
        if (c.shape != Shape::Window) return {c.shape, c.decimals};
        if (auto* conv = qobject_cast<ConversionForm*>(f))
            return {Shape::Fixed, c.decimals >= 0 ? c.decimals : conv->design().answer.decimals};
        auto* calc = qobject_cast<CalculatorForm*>(f);
        const auto& d = calc->design();
        CalculatorForm::Format format = d.answer.format;
        if (calc->option() >= 0 && d.options.at(calc->option()).format) format = *d.options.at(calc->option()).format;
        switch (format) {
        case CalculatorForm::Format::Fixed: return {Shape::Fixed, d.answer.decimals};
        case CalculatorForm::Format::Scientific: return {Shape::Scientific, 0};
        case CalculatorForm::Format::Short: return {Shape::Short, 0};
        case CalculatorForm::Format::DefaultDouble: return {Shape::Double, 0};
        case CalculatorForm::Format::Integer: break;
        }
        return {Shape::Window, 0};
    }

    static Form* openFor(const Case& c) {
        Form* f = open(c.window);
        if (!f) return nullptr;
        if (auto* calc = qobject_cast<CalculatorForm*>(f); calc && c.option >= 0) calc->selectOption(c.option);
        if (c.prepare) c.prepare(f);
        settle();
        return f;
    }

private slots:
    void initTestCase() { initWindows(); }
    void cleanup() { reset(); }

    // Random problems: the window's answer is the long double answer rounded
    // once by the rule. Problems worked by hand are rows with their figures.
    void answersHoldTrueDigits_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("texts");  // empty: random draws
        QTest::addColumn<QString>("shown");
        const QList<Case> all = cases();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(qPrintable((all[i].window + u' ' + all[i].tag).trimmed())) << i << QStringList() << QString();
        auto figure = [&all](const char* name, const char* window, const char* tag, const QStringList& texts,
                             const char* shown) {
            int i = 0;
            while (i < all.size() && !(all[i].window == QLatin1String(window) && all[i].tag == QLatin1String(tag))) ++i;
            QTest::newRow(name) << i << texts << QString::fromLatin1(shown);
        };
        // Coefficient, grams, weight of the reactant; of the product.
        figure("lime from 10 kg of limestone", "frmMass", "from the reactant",
               {"1", "10000", "100.086", "1", "", "56.077"}, "5,602.882");
        figure("oxygen to burn 1000 g of methane", "frmMass", "from the reactant",
               {"1", "1000", "16.043", "2", "", "31.998"}, "3,989.029");
        figure("iron from 1.0E+12 g of iron(III) oxide", "frmMass", "from the reactant",
               {"1", "1.0E+12", "159.69", "2", "", "55.845"}, "699,417,621,641.931");
        figure("50.0 g of methane burnt", "frmMassEnergy", "", {"1", "50.0", "16.043", "-890.3"}, "-2,774.730");
        figure("1000 g of nitrogen to ammonia", "frmMassEnergy", "", {"1", "1000", "28.014", "-92.2"}, "-3,291.212");
        figure("Ksp of 3.5E-5 squared", "frmSolubilityConstants", "", {"3.5E-5", "1", "3.5E-5", "1"}, "1.23E-09");
        figure("Ksp of 4.5E-3 squared", "frmSolubilityConstants", "", {"4.5E-3", "2", "1", "1"}, "2.03E-05");
        figure("Ksp of 6.5E-5 squared", "frmSolubilityConstants", "", {"6.5E-5", "1", "6.5E-5", "1"}, "4.23E-09");
        figure("Kc of 0.450 squared over 0.100", "frmEquilibriumConstant", "",
               {"1", "0.100", "", "", "2", "0.450", "", ""}, "2.03E+00");
        figure("0.00049 mol in 4.0 L", "frmMolarity", "molarity", {"0.00049", "4.0"}, "1.23E-04");
        figure("0.0049 mol in 4.0 L", "frmMolarity", "molarity", {"0.0049", "4.0"}, "0.00123");
        figure("a sixteen-digit volume's tie", "frmVolumeVolume", "", {"123456789012346.5", "1", "1"},
               "123456789012347");
    }
    void answersHoldTrueDigits() {
        QFETCH(int, index);
        QFETCH(QStringList, texts);
        QFETCH(QString, shown);
        const QList<Case> all = cases();
        QVERIFY2(index < all.size(), "no such case");
        const Case& c = all.at(index);
        Form* f = openFor(c);
        QVERIFY2(f, qPrintable(c.window));
        const auto [shape, decimals] = shapeOf(f, c);
        QVERIFY2(shape != Shape::Window, "an answer shape the rule does not cover");
        QRandomGenerator g(seedOf(c.window + u' ' + c.tag));

        if (!texts.isEmpty()) {
            long double v = 0;
            QString typed;
            const QString answer = runOnce(f, c, texts, g, &v, &typed);
            QCOMPARE(expectedText(v, shape, decimals), shown);  // the rule gives the worked figure
            QCOMPARE(answer, shown);
            return;
        }
        int rows = 0;
        for (const Case& other : all) rows += other.window == c.window;
        const int draws = std::max(DrawsPerRow, DrawsPerWindow / rows);
        QStringList wrong;
        for (int n = 0; n < draws; ++n) {
            QStringList drawn;
            for (const Box& b : c.boxes) drawn << drawText(g, b);
            if (c.adjust) c.adjust(g, drawn);
            long double v = 0;
            QString typed;
            const QString answer = runOnce(f, c, drawn, g, &v, &typed);
            const QString expected = expectedText(v, shape, decimals);
            if (answer != expected)
                wrong << QStringLiteral("%1: shown \"%2\", true \"%3\"").arg(typed, answer, expected);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1 of %2 draws:\n").arg(wrong.size()).arg(draws) +
                                             wrong.mid(0, 8).join(u'\n')));
    }

    // Every calculator and conversion window of the program's list has rows
    // in the table above, or a stated reason it has none.
    void everyWindowHasRows() {
        const QStringList windows = shapedWindows();
        settle();
        QSet<QString> covered;
        for (const Case& c : cases()) covered.insert(c.window);
        QStringList missing;
        for (const QString& w : windows)
            if (!covered.contains(w) && !withoutFormula().contains(w)) missing << w;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        for (const QString& w : covered + QSet<QString>(withoutFormula().keyBegin(), withoutFormula().keyEnd()))
            QVERIFY2(windows.contains(w), qPrintable(w + QStringLiteral(" is not in the program's list")));
        for (const QString& w : withoutFormula().keys()) QVERIFY2(!covered.contains(w), qPrintable(w));
    }
};

QTEST_MAIN(tst_TrueDigits)
#include "tst_truedigits.moc"
