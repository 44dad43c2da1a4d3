#pragma once
// The reference tables as the program uses them: every table it reads, with
// its fields in order and their types (as in data/*.sql). The copy of the
// file in memory is made from this, never from the file's own schema; a cell
// of a number field shows a number or nothing, never the text a damaged file
// may hold in its place.
#include <QList>
#include <QString>

namespace ReferenceSchema {

struct Field {
    QString name;
    QString type;  // "INTEGER", "REAL" or "TEXT"
};

struct Table {
    QString name;
    QList<Field> fields;
};

// Every table the program reads, in the order of data/*.sql.
const QList<Table>& tables();

// Whether `field` of `table` holds numbers (REAL or INTEGER in data/*.sql).
bool isNumber(const QString& table, const QString& field);

}  // namespace ReferenceSchema
