#pragma once
// The measurement windows' conversions, apart from the windows. Faults
// (overflow, a text that is no number) are thrown as RuntimeFault.
#include <QString>
#include <array>

namespace Temperature {
enum class Scale { Celsius, Fahrenheit, Kelvin };
// The lowest temperature of a scale: -273.15 °C, -459.67 °F, 0 K.
double absoluteZero(Scale s);
// t in `from` converted to `to` (the same scale gives t).
double convert(Scale from, Scale to, double t);
}  // namespace Temperature

namespace TimeUnits {
// The eight steps, in the window's button order.
enum Step { YearsToDays, DaysToHours, HoursToMinutes, MinutesToSeconds, SecondsToMinutes, MinutesToHours,
            HoursToDays, DaysToYears };
// x converted one step (a year is 365.25 days).
double convert(Step step, double x);
// The unit of the result: "days", "hours" ...
QString unit(Step step);
}  // namespace TimeUnits

namespace MassWeight {
constexpr double Gravity = 9.81;  // m/s² at the Earth's surface
double kilogramsToNewtons(double kg);
double newtonsToKilograms(double n);
}  // namespace MassWeight

namespace MetricPrefix {
// Unit positions 1 to 6: kilo, deka, the base unit, deci, centi, milli.
constexpr int Positions = 6;
// The power of ten of a position's unit in base units.
int exponent(int position);
enum Category { Mass, Distance, Volume };
// The unit name at a position ("Kilogram", "Meter", "Milliliter" ...) and the category's name.
QString unitName(Category c, int position);
QString categoryName(Category c);
// x converted from one position to another: multiplied by the power of ten
// from a larger unit, divided by it from a smaller one.
long double convert(long double x, int from, int to);
// The work line's suffix: " * 1000", " / 10" ... (empty for the same unit).
QString workSuffix(Category c, int from, int to);
}  // namespace MetricPrefix

namespace EnglishMetric {
// One unit-pair button: from the English unit to the metric one, and back.
struct Pair {
    const char* button;       // "cmdPToK"
    const char* caption;      // "Pound - Kilograms"
    const char* metricUnit;   // the unit of an English To Metric answer
    const char* englishUnit;  // the unit of a Metric To English answer
    int decimals;
};
constexpr int Count = 12;
extern const std::array<Pair, Count> Pairs;
double toMetric(int pair, double x);
double toEnglish(int pair, double x);
}  // namespace EnglishMetric
