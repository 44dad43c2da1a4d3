#pragma once
// The regions the number fuzz targets format in, and reading a formatted
// number back in the C form.
#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdlib>

inline const QLocale& region(unsigned char pick) {
    static const QLocale regions[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::French, QLocale::France), QLocale::c(),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return regions[pick % 5];
}

// The regions are built once, before the first input (one target per program).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (int i = 0; i < 5; ++i) region(i);
    return 0;
}

// The text with the region's grouping removed, "." as the point and "-" as the sign.
inline QString plainText(QString s) {
    const QLocale here;
    s.remove(here.groupSeparator());
    s.replace(here.decimalPoint(), QStringLiteral("."));
    s.replace(here.negativeSign(), QStringLiteral("-"));
    return s;
}

// Every digit of a number text is a Latin digit, and its only minus is "-".
inline bool latinDigits(const QString& s) {
    for (QChar c : s) {
        if (c.isDigit() && (c < QLatin1Char('0') || c > QLatin1Char('9'))) return false;
        if (c == QChar(0x2212) || c == QChar(0x061C) || c == QChar(0x200E) || c == QChar(0x200F)) return false;
    }
    return true;
}

// How many digits a text shows.
inline int digitCount(const QString& s) {
    int n = 0;
    for (QChar c : s) n += c.isDigit() ? 1 : 0;
    return n;
}

// The number a text shows, read in long double so that a rounded-up text of
// the largest values still reads; NaN when it is no number.
inline long double readBack(const QString& s) {
    const QByteArray b = plainText(s).toLatin1();
    char* end = nullptr;
    const long double v = std::strtold(b.constData(), &end);
    return b.isEmpty() || *end ? std::nanl("") : v;
}
