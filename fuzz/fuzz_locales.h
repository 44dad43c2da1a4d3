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
                                      QLocale(QLocale::French, QLocale::France), QLocale::c()};
    return regions[pick % 4];
}

// The regions are built once, before the first input (one target per program).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (int i = 0; i < 4; ++i) region(i);
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

// The number a text shows, read in long double so that a rounded-up text of
// the largest values still reads; NaN when it is no number.
inline long double readBack(const QString& s) {
    const QByteArray b = plainText(s).toLatin1();
    char* end = nullptr;
    const long double v = std::strtold(b.constData(), &end);
    return b.isEmpty() || *end ? std::nanl("") : v;
}
