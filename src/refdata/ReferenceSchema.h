#pragma once
// The reference tables' fields as the program uses them: which fields hold
// numbers. A cell of such a field shows a number or nothing, never the text
// a damaged file may hold in its place.
#include <QString>

namespace ReferenceSchema {

// Whether `field` of `table` holds numbers (REAL or INTEGER in data/*.sql).
bool isNumber(const QString& table, const QString& field);

}  // namespace ReferenceSchema
