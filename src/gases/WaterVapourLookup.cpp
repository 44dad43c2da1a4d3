#include "WaterVapourLookup.h"

#include "refdata/ReferenceDatabase.h"

#include <QVector>
#include <algorithm>
#include <cmath>

namespace WaterVapourLookup {

namespace {
struct Row {
    std::optional<double> temperature;  // a Null temperature matches nothing
    std::optional<double> pressure;
};

struct Table {
    int connection = -1;  // ReferenceDatabase::openCount() when read
    QVector<Row> rows;
};

Table& cache() {
    static Table t;
    return t;
}

std::optional<double> numberOf(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    // Bytes, text and infinities are no temperature or pressure.
    if (!ok || !std::isfinite(d) || v.typeId() == QMetaType::QByteArray) throw DbError(RuntimeFault::TypeMismatch);
    return d;
}

// The rows of the current connection; the database is read-only, so one read
// serves the run (a test's scratch database is a new connection).
const QVector<Row>& rows() {
    Table& t = cache();
    if (!ReferenceDatabase::isOpen()) throw DbError(RuntimeFault::ObjectInvalid);
    if (t.connection == ReferenceDatabase::openCount() && !t.rows.isEmpty()) return t.rows;
    QVector<Row> read;
    ReferenceDatabase::fullWalk(Query, [&read](const Recordset& rs) {
        Row r;
        r.temperature = numberOf(rs.field(QStringLiteral("Temperature")));
        if (const std::optional<double> p = numberOf(rs.field(QStringLiteral("Pressure"))))
            r.pressure = Num::checked(*p);
        read.append(r);
    });
    if (read.isEmpty()) throw DbError(RuntimeFault::NoCurrentRecord);
    // Rows without a single temperature are no table to look in.
    if (std::none_of(read.cbegin(), read.cend(), [](const Row& r) { return r.temperature.has_value(); }))
        throw DbError(RuntimeFault::InvalidUseOfNull);
    t.rows = std::move(read);
    t.connection = ReferenceDatabase::openCount();
    return t.rows;
}
}  // namespace

std::optional<double> pressure(double celsius) {
    for (const Row& r : rows()) {
        if (!r.temperature || *r.temperature != celsius) continue;
        // No vapour pressure is zero or below: such a value is as good as none.
        if (!r.pressure || !(*r.pressure > 0)) throw DbError(RuntimeFault::InvalidUseOfNull);
        return r.pressure;
    }
    return std::nullopt;
}

std::optional<double> pressure(const QString& typed) { return pressure(Num::toDouble(typed)); }

double celsiusOfKelvin(double kelvin) {
    // At the digits the kelvin temperature holds: 273.5 K is 0.35 °C, not
    // the 0.350000000000023 of the binary subtraction.
    const double celsius = Num::held(kelvin - 273.15, kelvin);
    const double whole = std::round(celsius);
    // A little over 0.2 for the binary error of the subtraction (298.35 K).
    return std::abs(celsius - whole) <= 0.2 + 1e-9 ? whole : celsius;
}

QString noEntryMessage(const QString& temperature) {
    return QStringLiteral("The water vapor pressure table has no entry for ") + temperature +
           QStringLiteral(" degrees Celsius. It lists whole degrees from 0 to 100.");
}

QString noEntryTemplate() { return noEntryMessage(QStringLiteral("<t>")); }

}  // namespace WaterVapourLookup
