#include "NumberText.h"

#include <QLocale>
#include <QRegularExpression>
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
    return QLocale().toString(v, 'f', decimals);
}

double roundDecimal(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = checked(v) * scale;
    const double decimal = std::strtod(QByteArray::number(scaled, 'g', 15).constData(), nullptr);
    return checked(std::round(decimal) / scale);
}

QString standard(double v) { return fixed(v, 2); }

QString scientific(double v, int decimals) {
    checked(v);
    QString s = QString::number(v, 'E', decimals);  // 4.50E+01
    return withDecimalPoint(s);
}

QString generalNumber(double v) { return text(v); }

}  // namespace Num
