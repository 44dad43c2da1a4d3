#pragma once
// The vapour pressure of water by temperature, from the VaporPressure table
// (whole degrees Celsius, kPa). The rows are read once per database
// connection and compared as numbers, in stored order. No row for a
// temperature is no value: a window then tells the student, never uses 0.
#include <QString>
#include <optional>

namespace WaterVapourLookup {

inline const QString Query = QStringLiteral("SELECT * FROM VaporPressure");

// The pressure (kPa) of the first row whose Temperature
// equals `celsius`; nullopt when none does. A table that cannot be read
// (missing, empty, a field missing, a value that is no number) throws DbError.
std::optional<double> pressure(double celsius);
// The same for a temperature as typed: "25", "25.0" and "025" read the same.
// Text that is no number throws RuntimeFault.
std::optional<double> pressure(const QString& typed);

// Degrees Celsius of a kelvin temperature (K − 273.15), as the table's whole
// degree when within 0.2 °C of it: 298, 298.15 and 298.2 K are 25 °C.
double celsiusOfKelvin(double kelvin);

// What the student is told when the table has no row for a temperature
// (shown as typed, or as computed).
QString noEntryMessage(const QString& temperature);
// The same with "<t>" for the temperature, for a window's list of messages.
QString noEntryTemplate();

}  // namespace WaterVapourLookup
