#include "NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

QString RuntimeFault::describe(Kind k) {
    switch (k) {
    case Overflow: return QStringLiteral("Overflow");
    case DivisionByZero: return QStringLiteral("Division by zero");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case NoCurrentRecord: return QStringLiteral("No current record.");
    case InvalidUseOfNull: return QStringLiteral("Invalid use of Null");
    case ItemNotFound: return QStringLiteral("Item not found in this collection.");
    case ObjectInvalid: return QStringLiteral("Object invalid or no longer set.");
    case Unreadable:
    case MissingPart: break;  // the reader's own words
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

long double toLongDouble(const QString& text) {
    const double check = toDouble(text);  // the same grammar and range
    const QByteArray plain = text.trimmed().toLatin1();
    const char* begin = plain.constData() + (plain.startsWith('+') ? 1 : 0);
    long double v = 0;
    const std::from_chars_result r = std::from_chars(begin, plain.constData() + plain.size(), v);
    return r.ec == std::errc() ? v : check;
}

double toDouble(const QString& text) {
    double v = 0;
    if (!parse(text, &v)) throw RuntimeFault(RuntimeFault::TypeMismatch);
    if (std::isinf(v) || std::fabs(v) > DBL_MAX) throw RuntimeFault(RuntimeFault::Overflow);
    return v;
}

double checked(double v) {
    if (std::isinf(v)) throw RuntimeFault(RuntimeFault::Overflow);
    if (std::isnan(v)) throw RuntimeFault(RuntimeFault::InvalidCall);
    return v;
}

double div(double a, double b) {
    if (b == 0.0) throw RuntimeFault(RuntimeFault::DivisionByZero);
    return checked(a / b);
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

// The decimal a computed value stands for, as significant digits and the
// exponent of the first: the shortest text that reads back as the value, at
// most 15 significant digits, a tie rounded away from zero.
struct Decimal {
    QString digits;  // no point, no sign, no trailing zeros
    int exp10 = 0;
};

// Rounds a digit string to `keep` digits, half away from zero; true when a
// carry made it one digit longer.
bool roundDigits(QString& d, qsizetype keep) {
    if (keep >= d.size()) return false;
    if (keep < 0) {
        d = QStringLiteral("0");
        return false;
    }
    const bool up = d.at(keep) >= QLatin1Char('5');
    d.truncate(keep);
    if (!up) return false;
    qsizetype i = d.size() - 1;
    while (i >= 0 && d.at(i) == QLatin1Char('9')) d[i--] = QLatin1Char('0');
    if (i >= 0) {
        d[i] = QChar(d.at(i).unicode() + 1);
        return false;
    }
    d.prepend(QLatin1Char('1'));
    return true;
}

Decimal decimalOf(double a) {
    Decimal out;
    // Written without an exponent: a whole number keeps its own digits
    // (111029448, not the 1.1102945e8 that reads back as it).
    std::array<char, 400> buf{};
    char* const begin = buf.data();
    const std::to_chars_result r = std::to_chars(begin, begin + buf.size(), a, std::chars_format::fixed);
    const char* const point = std::find(begin, r.ptr, '.');
    bool any = false;  // a digit that is not 0 was met; exp10 is its place from the point
    for (const char* c = begin; c < r.ptr; ++c) {
        if (*c < '0' || *c > '9') continue;
        if (!any && *c == '0') continue;
        if (!any) out.exp10 = int(c < point ? point - c - 1 : point - c);
        any = true;
        out.digits += QLatin1Char(*c);
    }
    if (!any) {
        out.digits = QStringLiteral("0");
        return out;
    }
    if (roundDigits(out.digits, DoubleDigits)) {
        out.digits.chop(1);
        ++out.exp10;
    }
    while (out.digits.size() > 1 && out.digits.endsWith(QLatin1Char('0'))) out.digits.chop(1);
    return out;
}
// The default form of a decimal (no trailing zeros) with at most `digits`
// significant digits.
QString defaultForm(const Decimal& d, bool neg, int digits) {
    const QString& digitsOnly = d.digits;
    const int exp10 = d.exp10;

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

// Shortest text with at most `digits` significant digits.
QString defaultText(double v, int digits) {
    checked(v);
    if (v == 0.0) return QStringLiteral("0");
    Decimal d = decimalOf(std::fabs(v));
    if (roundDigits(d.digits, digits)) ++d.exp10;
    while (d.digits.size() > 1 && d.digits.endsWith(QLatin1Char('0'))) d.digits.chop(1);
    return defaultForm(d, v < 0, digits);
}

}  // namespace

QString text(double v) { return defaultText(v, DoubleDigits); }

QString text(long double v, int digits) {
    checked(double(v));
    if (v == 0) return QStringLiteral("0");
    digits = std::clamp(digits, 1, DoubleDigits);
    // The shortest text that reads back as the value, rounded once from it,
    // a tie away from zero as the double forms.
    std::array<char, 64> buf{};
    const std::to_chars_result r =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v), std::chars_format::scientific);
    Decimal d;
    const char* c = buf.data();
    for (; c < r.ptr && *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9') d.digits += QLatin1Char(*c);
    d.exp10 = std::atoi(c + 1);
    if (roundDigits(d.digits, digits)) ++d.exp10;
    while (d.digits.size() > 1 && d.digits.endsWith(QLatin1Char('0'))) d.digits.chop(1);
    return defaultForm(d, v < 0, digits);
}
QString text(double v, int digits) { return defaultText(v, std::clamp(digits, 1, DoubleDigits)); }

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
    Decimal d = decimalOf(std::fabs(v));
    return roundDigits(d.digits, std::clamp(digits, 1, DoubleDigits)) ? d.exp10 + 1 : d.exp10;
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
    // Rounded once, from the decimal the value stands for, to the digits held
    // or the decimals asked, whichever keeps fewer.
    const Decimal d = decimalOf(a);
    QString kept = d.digits;
    // kept[i] stands for 10^(exp10 - i); keep those down to 10^-decimals.
    const qsizetype keep = std::min<qsizetype>(qsizetype(d.exp10) + 1 + decimals, std::clamp(digits, 1, DoubleDigits));
    if (keep < 0) return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
    int exp10 = d.exp10;
    if (keep == 0)
        kept = kept.at(0) >= QLatin1Char('5') ? QStringLiteral("1") : QStringLiteral("0");
    else if (roundDigits(kept, keep))
        ++exp10;  // 9.99 became 10.0
    // Places past the digits kept, down to 10^-decimals, are zeros.
    const qsizetype places = qsizetype(exp10) + 1 + decimals;
    if (kept.size() < places) kept += QString(places - kept.size(), QLatin1Char('0'));
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
    // Rounded once from the decimal, as the other forms.
    const QString plain = decimalDigits(v, 0);
    return v < 0 && plain != QLatin1String("0") ? QLatin1Char('-') + plain : plain;
}

double held(double v, double scale, int digits) {
    checked(v);
    const double top = std::max(std::fabs(v), std::fabs(checked(scale)));
    if (v == 0.0 || top == 0.0) return v;
    // The last place `digits` digits of the largest magnitude reach.
    const int place = exponent(top, digits) - (std::clamp(digits, 1, DoubleDigits) - 1);
    const QString plain = decimalDigits(v, std::max(0, -place), digits);
    const double a = QLocale::c().toDouble(plain);
    return v < 0 ? -a : a;
}

double roundDecimal(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = checked(v) * scale;
    const double decimal = std::strtod(QByteArray::number(scaled, 'g', 15).constData(), nullptr);
    return checked(std::round(decimal) / scale);
}

QString scientific(double v, int decimals) {
    checked(v);
    decimals = std::max(0, decimals);
    // Rounded once, from the decimal the value stands for, as fixed answers are.
    Decimal d = v == 0.0 ? Decimal{QStringLiteral("0"), 0} : decimalOf(std::fabs(v));
    if (roundDigits(d.digits, decimals + 1)) ++d.exp10;
    if (d.digits.size() < decimals + 1) d.digits += QString(decimals + 1 - d.digits.size(), QLatin1Char('0'));
    QString s = d.digits.left(1);
    if (decimals > 0) s += QLatin1Char('.') + d.digits.mid(1, decimals);
    s += QLatin1String(d.exp10 < 0 ? "E-" : "E+") +
         QString::number(std::abs(d.exp10)).rightJustified(2, QLatin1Char('0'));  // 4.50E+01
    if (v < 0) s.prepend(QLatin1Char('-'));
    return withDecimalPoint(s);
}

}  // namespace Num
