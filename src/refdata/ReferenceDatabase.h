#pragma once
// The one connection to the reference database "VeriRezi.mdb", the shared
// result set and query text, and the walks every reader uses: every row, or
// the one row a query selects.
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

#include "platform/NumberText.h"

// A reader's database fault (no current record, missing field, bad query).
class DbError : public RuntimeFault {
public:
    using RuntimeFault::RuntimeFault;
};

// A table or field that is not there (which a list shows as empty).
inline bool isMissingPart(const RuntimeFault& f) { return f.kind() == RuntimeFault::MissingPart; }

// A result set read in stored order: the rows, a current position, EOF.
class Recordset {
public:
    void open(const QString& sql, const QVariantList& binds = {});  // throws DbError
    void close();
    bool isOpen() const { return m_open; }
    void moveFirst();                // no rows: "No current record."
    void moveNext();                 // past the end: "No current record."
    bool eof() const { return m_pos >= m_rows.size(); }
    int rowCount() const { return m_rows.size(); }
    QVariant field(const QString& name) const;  // by name only
    bool hasField(const QString& name) const;
    // The stored value in its plain text form (25.0 reads "25"; empty for NULL).
    QString fieldText(const QString& name) const;

    // The plain text form of a stored value; empty for NULL, an infinity and bytes.
    static QString plainText(const QVariant& v);

private:
    QVector<QSqlRecord> m_rows;
    int m_pos = 0;
    bool m_open = false;
};

namespace ReferenceDatabase {

inline const QString FileName = QStringLiteral("VeriRezi.mdb");

// Reads the program's tables from the file, whole, with no lock (another
// program's lock never holds it up), into a read-only database in memory
// that every reader uses; the file is not read again, so changing it on disk
// changes nothing shown. The copy is made from the program's own schema
// (ReferenceSchema): only the fields it reads, in stored order, and no SQL
// text of the file ever runs; other tables of the file are not copied. A
// table that cannot be read to its end is a fault of every read of it. Fails
// with a reason ("missing" when there is no file; else why it cannot be
// read, e.g. "file is not a database") when it is missing, unreadable, has a
// view or a virtual table in place of one of the program's tables (a read of
// one may never end), or holds no element table; never creates a file.
bool open(const QString& path, QString* reason = nullptr);
// What the student is told when the file is there but cannot be opened.
QString cannotOpenMessage(const QString& path, const QString& reason);
bool isOpen();
// How many times a connection was opened in this run.
int openCount();
// Drops the connection (tests only).
void closeForTests();

QSqlDatabase currentDatabase();
// The text of the latest query.
QString& sharedSql();
// The one result set of the program.
Recordset& sharedRecordset();

using RowFn = std::function<void(const Recordset&)>;

// Every row, first to last. An empty result reads nothing.
void fullWalk(const QString& sql, const RowFn& row);
// The one row the query selects; none is a DbError.
void singleRecord(const QString& sql, const RowFn& row);
// The same with values bound to the query's "?" placeholders.
void singleRecord(const QString& sql, const QVariantList& binds, const RowFn& row);

}  // namespace ReferenceDatabase
