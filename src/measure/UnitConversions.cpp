#include "UnitConversions.h"

#include "platform/NumberText.h"

#include <cmath>

namespace Temperature {

double absoluteZero(Scale s) {
    switch (s) {
    case Scale::Celsius: return -273.15;
    case Scale::Fahrenheit: return -459.67;
    case Scale::Kelvin: return 0.0;
    }
    return 0.0;
}

double convert(Scale from, Scale to, double t) {
    using S = Scale;
    double u = t;
    if (from == S::Celsius && to == S::Fahrenheit) u = (9.0 / 5.0) * t + 32;
    else if (from == S::Fahrenheit && to == S::Celsius) u = (t - 32) * (5.0 / 9.0);
    else if (from == S::Celsius && to == S::Kelvin) u = t + 273.15;
    else if (from == S::Kelvin && to == S::Celsius) u = t - 273.15;
    else if (from == S::Fahrenheit && to == S::Kelvin) u = (t - 32) * (5.0 / 9.0) + 273.15;
    else if (from == S::Kelvin && to == S::Fahrenheit) u = (t - 273.15) * (9.0 / 5.0) + 32;
    Num::checked(u);
    // What the offsets leave of a zero (-459.67 °F is -5.7E-14 K) is zero.
    if (from != to && std::fabs(u) < 1e-12) u = 0.0;
    return u;
}

}  // namespace Temperature

namespace TimeUnits {

double convert(Step step, double v) {
    switch (step) {
    case YearsToDays: return Num::checked(v * 365.25);
    case DaysToHours: return Num::checked(v * 24);
    case HoursToMinutes:
    case MinutesToSeconds: return Num::checked(v * 60);
    case SecondsToMinutes:
    case MinutesToHours: return Num::checked(v / 60);
    case HoursToDays: return Num::checked(v / 24);
    case DaysToYears: return Num::checked(v / 365.25);
    }
    return v;
}

QString unit(Step step) {
    switch (step) {
    case YearsToDays:
    case HoursToDays: return QStringLiteral("days");
    case DaysToHours:
    case MinutesToHours: return QStringLiteral("hours");
    case HoursToMinutes:
    case SecondsToMinutes: return QStringLiteral("minutes");
    case MinutesToSeconds: return QStringLiteral("seconds");
    case DaysToYears: return QStringLiteral("years");
    }
    return QString();
}

}  // namespace TimeUnits

namespace MassWeight {
double kilogramsToNewtons(double kg) { return Num::checked(kg * Gravity); }
double newtonsToKilograms(double n) { return Num::checked(n / Gravity); }
}  // namespace MassWeight

namespace MetricPrefix {

int exponent(int position) {
    static constexpr int exponents[Positions] = {3, 1, 0, -1, -2, -3};
    return exponents[position - 1];
}

QString unitName(Category c, int position) {
    static const char* const prefixes[Positions] = {"Kilo", "Deka", "", "Deci", "Centi", "Milli"};
    static const char* const units[] = {"gram", "meter", "liter"};
    QString name = QLatin1String(prefixes[position - 1]) + QLatin1String(units[c]);
    name[0] = name.at(0).toUpper();
    return name;
}

QString categoryName(Category c) {
    static const char* const names[] = {"Mass", "Distance", "Volume"};
    return QLatin1String(names[c]);
}

namespace {
double powerOfTen(int n) {
    double p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}
}  // namespace

long double convert(long double x, int from, int to) {
    const int d = exponent(from) - exponent(to);
    const long double v = d > 0 ? x * powerOfTen(d) : d < 0 ? x / powerOfTen(-d) : x;
    Num::checked(double(v));
    return v;
}

QString workSuffix(Category c, int from, int to) {
    const int d = exponent(from) - exponent(to);
    if (d == 0) return QString();
    const QString power = QString::number(qint64(powerOfTen(std::abs(d))));
    // Two of the volume steps are written without the blank.
    if (c == Volume && from == 4 && (to == 5 || to == 6)) return QStringLiteral(" *") + power;
    return (d > 0 ? QStringLiteral(" * ") : QStringLiteral(" / ")) + power;
}

}  // namespace MetricPrefix

namespace EnglishMetric {

const std::array<Pair, Count> Pairs = {{
    {"cmdPToK", "Pound - Kilograms", "kilograms", "pounds", 3},
    {"cmdPToG", "Pounds - Grams", "gram(s)", "pound(s)", 6},
    {"cmdOToK", "Ounces - Kilograms", "kilograms", "ounces", 3},
    {"cmdOToG", "Ounces - Grams", "grams", "ounces", 3},
    {"cmdFToM", "Feet - Meters", "meters", "feet", 3},
    {"cmdFToC", "Feet - Centimeters", "centimeters", "feet", 3},
    {"cmdIToM", "Inches - Meters", "meter(s)", "inch(es)", 3},
    {"cmdIToC", "Inches - Centimeters", "centimeter(s)", "inch(es)", 3},
    {"cmdLToG", "Gallons - Liters", "liters", "gallons", 3},
    {"cmdLToOunces", "Ounces - Liters", "liters", "ounces", 3},
    {"cmdMToG", "Gallons - Milliliters", "milliliters", "gallons", 6},
    {"cmdMToO", "Ounces - Milliliters", "milliliters", "ounces", 3},
}};

// Each direction carries its own rounded factor.
double toMetric(int pair, double v) {
    switch (pair) {
    case 0: return v * 0.454;
    case 1: return Num::checked(v * 454);
    case 2: return v * 28.3 / 1000;
    case 3: return v * 28.3;
    case 4: return v / 3.281;
    case 5: return v * 30.5;
    case 6: return v / 39.37;
    case 7: return v * 2.54;
    case 8: return v / 0.264;
    case 9: return v / 33.81;
    case 10: return v / 0.000264;
    case 11: return v / 0.0338;
    }
    return v;
}

double toEnglish(int pair, double v) {
    switch (pair) {
    case 0: return Num::checked(v / 454 * 1000);
    case 1: return Num::checked(v / 454);
    case 2: return v / 0.02837;
    case 3: return v / 28.3;
    case 4: return v * 3.281;
    case 5: return v / 30.5;
    case 6: return v * 39.37;
    case 7: return v / 2.54;
    case 8: return v * 0.264;
    case 9: return v / 0.02958;
    case 10: return v / 3785.41;
    case 11: return v * 0.0338;  // the inverse of the other direction's factor
    }
    return v;
}

}  // namespace EnglishMetric
