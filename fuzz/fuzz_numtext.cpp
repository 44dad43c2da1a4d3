// Feeds arbitrary bytes to number parsing and the number text forms. The
// first byte picks the region and the count of decimals, the rest is typed
// text; its first eight bytes also stand for a double of any value.
// Checks: what parses is a plain number and reads its exact value; what does
// not is refused as a type mismatch; every text form of a finite value reads
// back to that value within its rounding, stays within its width and never
// shows "inf" or "nan"; an answer keeps three significant digits, shows none
// past the precision held and no more than 20, is rounded once from the
// value (a tie away from zero), and is scientific below 0.001
// and from 10^15; digits are Latin in every region; a non-finite value is a
// fault, never a text.
#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "platform/NumberText.h"
#include "fuzz_locales.h"

namespace {

// The grammar typed numbers follow, written out by hand: sign, digits with
// one optional point (at least one digit), optional exponent with digits.
bool plainNumber(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exp = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++exp;
        if (exp == 0) return false;
    }
    return i == s.size();
}

// Faults thrown by `fn`, or -1.
template <class F>
int faultOf(F fn) {
    try {
        fn();
    } catch (const RuntimeFault& f) {
        return f.kind();
    }
    return -1;
}

bool showsInfOrNan(const QString& s) {
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive) || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

// A plain decimal text as its significant digits and the exponent of the
// first ("0.0120" gives "12", -2); zero gives "", 0.
struct Digits {
    std::string digits;
    int exp10 = 0;
    bool operator==(const Digits&) const = default;
};
Digits digitsOf(const std::string& plain) {
    Digits d;
    std::string all;
    int point = -1;
    for (char c : plain) {
        if (c == '.') point = int(all.size());
        else if (c >= '0' && c <= '9') all += c;
    }
    if (point < 0) point = int(all.size());
    std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos) return d;
    d.exp10 = point - 1 - int(first);
    d.digits = all.substr(first);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// `d` rounded half away from zero at the place 10^place.
Digits roundedAt(Digits d, int place) {
    const int keep = d.exp10 - place + 1;  // digits at or above the place
    if (keep >= int(d.digits.size())) return d;
    if (keep < 0) return {};
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9') d.digits[std::size_t(i--)] = '0';
        if (i >= 0) ++d.digits[std::size_t(i)];
        else d.digits.insert(d.digits.begin(), '1'), ++d.exp10;
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exp10 = 0;
    return d;
}

// The decimal a value stands for: the shortest text that reads back as it.
std::string shortestText(double a) {
    char buf[400];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

void checkForms(double v, int decimals) {
    FUZZ_CHECK(std::isfinite(v));
    const QString text = Num::text(v);
    FUZZ_CHECK(!showsInfOrNan(text) && text.size() <= 22 && latinDigits(text));
    const long double back = readBack(text);
    FUZZ_CHECK(std::fabs(back - v) <= 1e-14 * std::fabs(v) + DBL_TRUE_MIN);

    // The short form: seven significant digits, within half the last one.
    const QString shortText = Num::text(v, 7);
    FUZZ_CHECK(!showsInfOrNan(shortText) && shortText.size() <= 14 && latinDigits(shortText));
    FUZZ_CHECK(std::fabs(readBack(shortText) - v) <= 5.00001e-7L * std::fabs(v) + DBL_TRUE_MIN);

    // Fixed decimals: exactly that many, the value within half the last
    // place, and no minus sign on a value that shows as zero.
    if (std::fabs(v) < 1e18) {
        const QString fixed = Num::fixed(v, decimals);
        FUZZ_CHECK(!showsInfOrNan(fixed) && latinDigits(fixed));
        const QString plain = plainText(fixed);
        const int dot = plain.indexOf(QLatin1Char('.'));
        FUZZ_CHECK(decimals == 0 ? dot < 0 : dot >= 0 && plain.size() - dot - 1 == decimals);
        const long double fb = readBack(fixed);
        FUZZ_CHECK(std::fabs(fb - v) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-15 * std::fabs(v));
        if (fb == 0) FUZZ_CHECK(!plain.startsWith(QLatin1Char('-')));
    }

    // Answers: Latin digits, at most 20 of them; from 10^15 up and below
    // 0.001 the scientific form; otherwise at least three significant digits
    // and no more than the computation holds, the value within half the
    // last place shown or the digits held.
    for (const int held : {Num::ShortDigits, Num::DoubleDigits}) {
        const double a = v;
        const QString answer = Num::answer(a, decimals, held);
        FUZZ_CHECK(!showsInfOrNan(answer) && latinDigits(answer) && digitCount(answer) <= 20);
        const QString plain = plainText(answer);
        static const QRegularExpression sciForm(QStringLiteral("^-?[0-9]\\.[0-9]{2}E[+-][0-9]{2,3}$"));
        const long double back = readBack(answer);
        FUZZ_CHECK(!std::isnan(back));
        if (a == 0) {
            FUZZ_CHECK(answer == Num::fixed(0.0, decimals));
        } else if (sciForm.match(plain).hasMatch()) {
            FUZZ_CHECK(std::fabs(back) >= 1e15 || std::fabs(back) < 0.001);
            FUZZ_CHECK(std::fabs(back - a) <= 0.00500001 * std::fabs(a) + DBL_TRUE_MIN);
        } else {
            FUZZ_CHECK(std::fabs(a) < 1e15 && std::fabs(a) >= 0.0009995);
            QString sig = plain;
            sig.remove(QLatin1Char('-'));
            sig.remove(QLatin1Char('.'));
            while (sig.startsWith(QLatin1Char('0'))) sig.remove(0, 1);
            const bool decimalsCut = !plain.contains(QLatin1Char('.')) || plain.size() - plain.indexOf(QLatin1Char('.')) - 1 < decimals;
            if (!decimalsCut) {
                while (sig.size() > held && sig.endsWith(QLatin1Char('0'))) sig.chop(1);  // zeros the window writes
            }
            FUZZ_CHECK(sig.size() >= 3);
            QString meaningful = sig;
            while (meaningful.endsWith(QLatin1Char('0'))) meaningful.chop(1);
            FUZZ_CHECK(meaningful.size() <= held);
            // Rounded once to the digits held, then to the decimals shown.
            FUZZ_CHECK(std::fabs(back - a) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) +
                                                  std::pow(10.0, 1 - held) * std::fabs(a));
            // Rounded once, from the value: its shortest text rounded half
            // away from zero at the last place shown or the last digit held
            // (a double whose shortest text has more than 15 digits stands
            // for its 15 first).
            Digits value = digitsOf(shortestText(std::fabs(a)));
            value = roundedAt(value, value.exp10 - (Num::DoubleDigits - 1));
            const qsizetype dot = plain.indexOf(QLatin1Char('.'));
            const int shownPlaces = dot < 0 ? 0 : int(plain.size() - dot - 1);
            const int place = std::max(-shownPlaces, value.exp10 - held + 1);
            FUZZ_CHECK(digitsOf(plain.toStdString()) == roundedAt(value, place));
        }
    }

    // Scientific: d.ddE+xx, rounded once, half away from zero, from the
    // decimal the value stands for (its shortest text, at most 15 digits).
    static const QRegularExpression sci(QStringLiteral("^-?[0-9]\\.[0-9]{2}E[+-][0-9]{2,3}$"));
    const QString s = plainText(Num::scientific(v));
    FUZZ_CHECK(sci.match(s).hasMatch() && latinDigits(Num::scientific(v)));
    const long double sb = readBack(Num::scientific(v));
    if (sb == 0) FUZZ_CHECK(!s.startsWith(QLatin1Char('-')) && v == 0);
    if (v != 0) {
        Digits shown = digitsOf(s.left(s.indexOf(QLatin1Char('E'))).toStdString());
        shown.exp10 += s.mid(s.indexOf(QLatin1Char('E')) + 1).toInt();
        Digits value = digitsOf(shortestText(std::fabs(v)));
        value = roundedAt(value, value.exp10 - (Num::DoubleDigits - 1));
        FUZZ_CHECK(shown == roundedAt(value, value.exp10 - 2));
    }

    // Rounding to decimals: an Overflow when the scaled value leaves the
    // range, otherwise within half the last place of the value.
    double r = 0;
    const int fault = faultOf([&] { r = Num::roundDecimal(v, decimals); });
    if (fault >= 0) {
        FUZZ_CHECK(fault == RuntimeFault::Overflow && std::fabs(v) * std::pow(10.0, decimals) > 1e300);
    } else {
        FUZZ_CHECK(std::isfinite(r));
        FUZZ_CHECK(std::fabs(r - v) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-14 * std::fabs(v));
    }
}

void checkNotFinite(double v) {
    const int expected = std::isnan(v) ? RuntimeFault::InvalidCall : RuntimeFault::Overflow;
    FUZZ_CHECK(faultOf([&] { Num::text(v); }) == expected);
    FUZZ_CHECK(faultOf([&] { Num::fixed(v, 3); }) == expected);
    FUZZ_CHECK(faultOf([&] { Num::scientific(v); }) == expected);
    FUZZ_CHECK(faultOf([&] { Num::roundDecimal(v, 2); }) == expected);
    FUZZ_CHECK(faultOf([&] { Num::checked(v); }) == expected);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    QLocale::setDefault(region(data[0]));
    const int decimals = (data[0] >> 2) % 16;
    ++data, --size;

    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // Blanks around the number are ASCII white space only.
    std::string ascii = typed.toStdString();
    const char* blanks = " \t\n\v\f\r";
    ascii.erase(0, ascii.find_first_not_of(blanks));
    ascii.erase(ascii.find_last_not_of(blanks) + 1);
    const bool grammar = plainNumber(ascii);

    double v = 0;
    const bool parsed = Num::parse(typed, &v);
    FUZZ_CHECK(parsed == grammar);
    if (parsed) {
        FUZZ_CHECK(!std::isnan(v));
        FUZZ_CHECK(v == std::strtod(ascii.c_str(), nullptr));
    }
    double d = 0;
    const int fault = faultOf([&] { d = Num::toDouble(typed); });
    if (!parsed)
        FUZZ_CHECK(fault == RuntimeFault::TypeMismatch);
    else if (std::isinf(v))
        FUZZ_CHECK(fault == RuntimeFault::Overflow);
    else
        FUZZ_CHECK(fault < 0 && d == v);
    if (parsed && std::isfinite(v)) checkForms(v, decimals);

    // Any double at all, from the raw bytes.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            checkForms(raw, decimals);
        else
            checkNotFinite(raw);
    }
    return 0;
}
