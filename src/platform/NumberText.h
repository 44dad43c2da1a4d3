#pragma once
// Number texts: parsing what the key filters admit, and the number formats
// answers are shown in. Faults (overflow, division by zero, text that is no
// number) are thrown as RuntimeFault for the window's error trap.
#include <QString>
#include <optional>
#include <stdexcept>

class RuntimeFault : public std::runtime_error {
public:
    enum Kind {
        InvalidCall = 5,
        Overflow = 6,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InvalidUseOfNull = 94,
        NoCurrentRecord = 3021,
        // A failed query: a file that could not be read to the end (damaged,
        // locked), or a table or field that is not there.
        Unreadable = 3049,
        MissingPart = 3078,
        ItemNotFound = 3265,
        ObjectInvalid = 3420,
    };
    RuntimeFault(Kind k, const QString& description)
        : std::runtime_error(description.toStdString()), m_kind(k), m_desc(description) {}
    explicit RuntimeFault(Kind k) : RuntimeFault(k, describe(k)) {}
    Kind kind() const { return m_kind; }
    QString description() const { return m_desc; }
    static QString describe(Kind k);

private:
    Kind m_kind;
    QString m_desc;
};

namespace Num {

// Significant digits of the short text form (a work line's computed values,
// the short answers), and those a double holds.
inline constexpr int ShortDigits = 7;
inline constexpr int DoubleDigits = 15;

// Text typed in a box as a number: optional blanks and sign, digits with "."
// as the decimal point (".5" and "3." read), optional exponent. Anything else
// is a TypeMismatch; a value beyond the double range is an Overflow.
double toDouble(const QString& text);
// The same in extended precision, for the windows that show fifteen digits.
long double toLongDouble(const QString& text);
// The same without throwing.
bool parse(const QString& text, double* out);

// The number a typed text holds, or nullopt when it is no number.
std::optional<double> value(const QString& text);
// Checks of a typed number. True when the text holds no number above 0
// (empty, 0, 0.0, 00, negative or no number at all).
bool notAboveZero(const QString& text);
// A number not above 0 (a pressure, volume or amount no gas can have), a
// kelvin temperature that is a number not above 0, or a number below 0.
// A text that is no number passes all three: the conversion reports it.
bool notPositive(const QString& text);
inline bool notKelvin(const QString& text) { return notPositive(text); }
bool negative(const QString& text);

// Checks a computed value: infinite gives Overflow, not-a-number InvalidCall.
double checked(double v);
// Checked quotient: a zero divisor gives DivisionByZero.
double div(double a, double b);
// Checked power (0^0 is 1; a negative base with a fractional power is InvalidCall).
double pow(double base, double exponent);
double sqrt(double v);
// Checked natural logarithm (of 0 or a negative number: InvalidCall).
double log(double v);

// Default text form: shortest text that reads back, at most 15 significant
// digits (or `digits`, rounded once), regional decimal point, no grouping,
// exponent form ("1E+08", "1.5E-05") for very large and very small values.
QString text(double v);
QString text(double v, int digits);
// The same for an extended-precision value, rounded once to `digits`.
QString text(long double v, int digits = DoubleDigits);
// Rounds to `decimals` places as the decimal number the value stands for
// (to 15 significant digits): 53.9655 gives 53.966 although its binary
// value lies just below the tie.
double roundDecimal(double v, int decimals);
// A computed value at the digits its operands hold: rounded to `digits`
// significant digits of `scale`, the largest magnitude that went into it
// (273.1505 - 273.15 is 0.0005, not 0.00050000000004502).
double held(double v, double scale, int digits = 15);

// Every number text has Latin digits, "-" as its minus sign, and the
// regional decimal point and grouping.

// Fixed decimals in the regional format with digit grouping ("1,234.568").
QString fixed(double v, int decimals = 3);
// An answer written with `decimals` fixed decimals, from a computation that
// holds `digits` significant digits: at least three significant digits are
// shown (0.0254, 0.00125), none past `digits` (74,074.02, 1,631,937,000,000),
// and below 0.001 or from 10^15 up the scientific form (5.24E-04, 2.50E+38).
// Exactly 0 shows with `decimals` decimals.
QString answer(double v, int decimals = 3, int digits = DoubleDigits);
// A whole-number answer without grouping; from 10^15 up the scientific form.
QString whole(double v);
// |v| rounded once, half away from zero, to `decimals` places or to `digits`
// significant digits, whichever keeps fewer (the places past them are zeros),
// from the decimal the value stands for: the shortest text that reads back as
// it, at most 15 digits.
// Plain digits and "." ("0.0899", "1631937000000").
QString decimalDigits(double v, int decimals, int digits = DoubleDigits);
// The decimal exponent of v's first digit once rounded so to `digits`
// significant digits (999999999999999.5 at 15 digits: 15).
int exponent(double v, int digits = DoubleDigits);
// The significant digits of the shortest text that reads back as v (0 for 0),
// and the decimal exponent of its first digit.
int significantDigits(double v, int* exp10 = nullptr);
// A plain number text ("-1234.5", ASCII digits, "." point) in the regional
// form: its decimal point and, with `group`, its digit grouping.
QString regional(const QString& plain, bool group);
// "Scientific": one digit, two decimals, "E", sign and at least two exponent digits.
QString scientific(double v, int decimals = 2);

}  // namespace Num
