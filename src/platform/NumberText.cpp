#include "NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <charconv>
#include <cfloat>
#include <cmath>

QString RuntimeFault::describe(Kind k) {
    switch (k) {
    case Overflow: return QStringLiteral("Overflow");
    case DivisionByZero: return QStringLiteral("Division by zero");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case NoCurrentRecord: return QStringLiteral("No current record.");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

namespace Num {

bool parse(const QString& text, double* out) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!re.match(text).hasMatch()) return false;
    bool ok = false;
    const QString number = text.trimmed();
    double v = QLocale::c().toDouble(number, &ok);
    // QLocale refuses what is out of range: beyond it the value is infinite
    // (an Overflow for the caller), below the smallest double it is zero.
    if (!ok && !std::isinf(v)) v = number.startsWith(QLatin1Char('-')) ? -0.0 : 0.0;
    *out = v;
    return true;
}

std::optional<double> value(const QString& text) {
    double v = 0;
    if (!parse(text, &v)) return std::nullopt;
    return v;
}

bool notAboveZero(const QString& text) {
    const std::optional<double> v = value(text);
    return !v || !(*v > 0);
}

bool notPositive(const QString& text) {
    const std::optional<double> v = value(text);
    return v && !(*v > 0);
}

bool negative(const QString& text) {
    const std::optional<double> v = value(text);
    return v && *v < 0;
}

double toDouble(const QString& text) {
    double v = 0;
    if (!parse(text, &v)) throw RuntimeFault(RuntimeFault::TypeMismatch);
    if (std::isinf(v) || std::fabs(v) > DBL_MAX) throw RuntimeFault(RuntimeFault::Overflow);
    return v;
}

float toSingle(const QString& text) { return toSinglePrecision(toDouble(text)); }

double checked(double v) {
    if (std::isinf(v)) throw RuntimeFault(RuntimeFault::Overflow);
    if (std::isnan(v)) throw RuntimeFault(RuntimeFault::InvalidCall);
    return v;
}

double div(double a, double b) {
    if (b == 0.0) throw RuntimeFault(RuntimeFault::DivisionByZero);
    return checked(a / b);
}

float toSinglePrecision(double v) {
    checked(v);
    if (std::fabs(v) > FLT_MAX) throw RuntimeFault(RuntimeFault::Overflow);
    return static_cast<float>(v);
}

double pow(double base, double exponent) {
    if (base == 0.0 && exponent == 0.0) return 1.0;
    if (base == 0.0 && exponent < 0.0) throw RuntimeFault(RuntimeFault::DivisionByZero);
    if (base < 0.0 && exponent != std::floor(exponent)) throw RuntimeFault(RuntimeFault::InvalidCall);
    return checked(std::pow(base, exponent));
}

double sqrt(double v) {
    if (v < 0.0) throw RuntimeFault(RuntimeFault::InvalidCall);
    return std::sqrt(v);
}

double log(double v) {
    if (!(v > 0.0)) throw RuntimeFault(RuntimeFault::InvalidCall);
    return std::log(v);
}

namespace {

QString withDecimalPoint(QString s) {
    const QString dp = QLocale().decimalPoint();
    if (dp != QLatin1String(".")) s.replace(QLatin1Char('.'), dp);
    return s;
}

// Shortest text with at most `digits` significant digits.
QString defaultText(double v, int digits) {
    checked(v);
    if (v == 0.0) return QStringLiteral("0");
    // Shortest round-trip representation at the given precision.
    QString mant;
    int exp10 = 0;
    for (int p = 1; p <= digits; ++p) {
        const QString s = QString::number(v, 'e', p - 1);
        const double back = s.toDouble();
        const bool same = digits <= 7 ? static_cast<float>(back) == static_cast<float>(v) : back == v;
        if (same || p == digits) {
            mant = s;
            break;
        }
    }
    const int epos = mant.indexOf(QLatin1Char('e'));
    exp10 = mant.mid(epos + 1).toInt();
    QString digitsOnly = mant.left(epos);
    const bool neg = digitsOnly.startsWith(QLatin1Char('-'));
    if (neg) digitsOnly.remove(0, 1);
    digitsOnly.remove(QLatin1Char('.'));
    while (digitsOnly.size() > 1 && digitsOnly.endsWith(QLatin1Char('0'))) digitsOnly.chop(1);

    QString out;
    if (exp10 >= digits || exp10 < -4) {
        // Exponent form: d.ddddE+xx
        QString m = digitsOnly.left(1);
        if (digitsOnly.size() > 1) m += QLatin1Char('.') + digitsOnly.mid(1);
        const QString e = QString::number(std::abs(exp10)).rightJustified(2, QLatin1Char('0'));
        out = m + QLatin1Char('E') + (exp10 < 0 ? QLatin1Char('-') : QLatin1Char('+')) + e;
    } else if (exp10 >= 0) {
        QString intPart = digitsOnly.left(exp10 + 1);
        while (intPart.size() < exp10 + 1) intPart += QLatin1Char('0');
        const QString frac = digitsOnly.mid(exp10 + 1);
        out = frac.isEmpty() ? intPart : intPart + QLatin1Char('.') + frac;
    } else {
        out = QStringLiteral("0.") + QString(-exp10 - 1, QLatin1Char('0')) + digitsOnly;
    }
    if (neg) out.prepend(QLatin1Char('-'));
    return withDecimalPoint(out);
}

}  // namespace

QString text(float v) { return defaultText(static_cast<double>(v), 7); }
QString text(double v) { return defaultText(v, 15); }

QString fixed(double v, int decimals) {
    checked(v);
    // A value that rounds to zero shows without a minus sign.
    const double scale = std::pow(10.0, decimals);
    if (std::fabs(v) * scale < 0.5) v = 0.0;
    QString plain = QString::number(std::fabs(v), 'f', std::max(0, decimals));
    if (v < 0) plain.prepend(QLatin1Char('-'));
    return regional(plain, true);
}

QString regional(const QString& plain, bool group) {
    const QLocale loc;
    QString digits = plain;
    const bool neg = digits.startsWith(QLatin1Char('-'));
    if (neg) digits.remove(0, 1);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString ip = point < 0 ? digits : digits.left(point);
    const QString fp = point < 0 ? QString() : digits.mid(point + 1);
    if (group && ip.size() > 3) {
        bool ok = false;
        // Leading zeros a picture asks for are kept by grouping in threes.
        const qlonglong whole = ip.size() <= 18 && !ip.startsWith(QLatin1Char('0')) ? ip.toLongLong(&ok) : 0;
        if (ok) {
            // The locale groups as it does (sizes and minimum grouping); its
            // digits are written back as Latin digits.
            const QString zero = loc.zeroDigit();
            const char32_t z = zero.isEmpty() ? U'0' : zero.toUcs4().value(0, U'0');
            QList<uint> cps = loc.toString(whole).toUcs4();
            for (uint& c : cps)
                if (c >= z && c <= z + 9) c = U'0' + (c - z);
            ip = QString::fromUcs4(reinterpret_cast<const char32_t*>(cps.constData()), cps.size());
        } else {
            const QString sep = loc.groupSeparator();
            QString out;
            for (qsizetype i = 0; i < ip.size(); ++i) {
                if (i > 0 && (ip.size() - i) % 3 == 0) out += sep;
                out += ip.at(i);
            }
            ip = out;
        }
    }
    QString out = neg ? QStringLiteral("-") + ip : ip;
    if (point >= 0) out += loc.decimalPoint() + fp;
    return out;
}

namespace {
// |v| in exponent form, "d.ddde+xx", correctly rounded to `digits`
// significant digits, or the shortest form that reads back (digits < 1).
// Lists format thousands of cells: this stays off QString and its allocations.
struct Exponent {
    std::array<char, 40> text{};
    int mantissa = 0;  // characters before the "e"
    int exp10 = 0;
};
Exponent exponentForm(double v, int digits) {
    Exponent e;
    const double a = std::fabs(v);
    char* const begin = e.text.data();
    const std::to_chars_result r =
        digits < 1 ? std::to_chars(begin, begin + e.text.size(), a, std::chars_format::scientific)
                   : std::to_chars(begin, begin + e.text.size(), a, std::chars_format::scientific,
                                   std::clamp(digits, 1, 17) - 1);
    const char* const mark = std::find(begin, r.ptr, 'e');
    e.mantissa = int(mark - begin);
    std::from_chars(mark + 1 + (mark[1] == '+'), r.ptr, e.exp10);
    return e;
}
}  // namespace

int exponent(double v, int digits) {
    if (v == 0.0 || !std::isfinite(v)) return 0;
    return exponentForm(v, digits).exp10;
}

int significantDigits(double v, int* exp10) {
    if (exp10) *exp10 = 0;
    if (v == 0.0 || !std::isfinite(v)) return 0;
    const Exponent e = exponentForm(v, 0);
    if (exp10) *exp10 = e.exp10;
    // Digits of the mantissa, without the point and trailing zeros.
    int last = e.mantissa - 1;
    while (last > 0 && (e.text[last] == '0' || e.text[last] == '.')) --last;
    return last == 0 ? 1 : last;  // "d.ddd": the point takes one place
}

QString decimalDigits(double v, int decimals, int digits) {
    const double a = std::fabs(v);
    decimals = std::max(0, decimals);
    if (a == 0.0 || !std::isfinite(a))
        return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
    const Exponent e = exponentForm(a, digits);  // d.ddde+xx
    QString mant = QString::fromLatin1(e.text.data(), e.mantissa);
    mant.remove(QLatin1Char('.'));
    const int exp10 = e.exp10;
    // mant[i] stands for 10^(exp10 - i); keep those down to 10^-decimals.
    const qsizetype keep = qsizetype(exp10) + 1 + decimals;
    QString kept;
    if (keep <= 0) {
        kept = (keep == 0 && mant.at(0) >= QLatin1Char('5')) ? QStringLiteral("1") : QStringLiteral("0");
    } else if (keep >= mant.size()) {
        kept = mant + QString(keep - mant.size(), QLatin1Char('0'));
    } else {
        kept = mant.left(keep);
        if (mant.at(keep) >= QLatin1Char('5')) {
            qsizetype i = kept.size() - 1;
            while (i >= 0 && kept.at(i) == QLatin1Char('9')) kept[i--] = QLatin1Char('0');
            if (i >= 0)
                kept[i] = QChar(kept.at(i).unicode() + 1);
            else
                kept.prepend(QLatin1Char('1'));
        }
    }
    // kept is the value times 10^decimals, as a whole number.
    if (kept.size() <= decimals) kept = QString(decimals - kept.size() + 1, QLatin1Char('0')) + kept;
    QString ip = kept.left(kept.size() - decimals);
    while (ip.size() > 1 && ip.startsWith(QLatin1Char('0'))) ip.remove(0, 1);
    return decimals > 0 ? ip + QLatin1Char('.') + kept.right(decimals) : ip;
}

QString answer(double v, int decimals, int digits) {
    checked(v);
    decimals = std::max(0, decimals);
    digits = std::clamp(digits, 3, DoubleDigits);
    if (v == 0.0) return fixed(0.0, decimals);
    const double a = std::fabs(v);
    // The exponent of the value at the digits it holds, and at three digits.
    const int exp10 = exponent(a, digits);
    const int exp3 = exponent(a, 3);
    if (exp10 >= 15 || exp3 < -3) return scientific(v);
    int shown = std::max(decimals, 2 - exp3);
    const int held = digits - 1 - exp10;  // decimals the computation holds
    const bool cut = shown > held;
    if (cut) shown = std::max(0, held);
    QString plain = decimalDigits(a, shown, digits);
    if (cut) {
        // Past the digits held the window's decimals give way to the shortest
        // text that still shows three significant digits.
        qsizetype keep = plain.indexOf(QLatin1Char('.'));
        if (keep >= 0) {
            keep += std::max(0, 2 - exp3);
            while (plain.size() - 1 > keep && plain.endsWith(QLatin1Char('0'))) plain.chop(1);
            if (plain.endsWith(QLatin1Char('.'))) plain.chop(1);
        }
    }
    if (v < 0) plain.prepend(QLatin1Char('-'));
    return regional(plain, true);
}

QString whole(double v) {
    checked(v);
    if (std::fabs(v) >= 1e15) return scientific(v);
    return QString::number(static_cast<qlonglong>(std::llround(v)));
}

double roundDecimal(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = checked(v) * scale;
    const double decimal = std::strtod(QByteArray::number(scaled, 'g', 15).constData(), nullptr);
    return checked(std::round(decimal) / scale);
}

QString scientific(double v, int decimals) {
    checked(v);
    QString s = QString::number(v, 'E', decimals);  // 4.50E+01
    return withDecimalPoint(s);
}

}  // namespace Num
