#include "ReferenceDatabase.h"
#include "ReferenceSchema.h"
#include "platform/Program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <cmath>

namespace {
const QString ConnectionName = QStringLiteral("VeriRezi");
int g_opens = 0;

// What the engine said of a failed step, never an empty text.
QString faultText(const QSqlError& e) {
    if (!e.databaseText().isEmpty()) return e.databaseText();
    if (!e.text().trimmed().isEmpty()) return e.text().trimmed();
    return QStringLiteral("the database engine gave no reason");
}

// Tables whose rows could not be copied (a damaged file), with what the
// engine said; a read of one is that fault, never part of the table.
QHash<QString, QString>& unreadableTables() {
    static QHash<QString, QString> tables;
    return tables;
}

// The fault of a table left out of the copy, when the engine's text says a
// query reads it ("no such table: Constants"); else an empty text.
QString copyFault(const QString& engineText) {
    static const QLatin1String noTable("no such table: ");
    if (!engineText.startsWith(noTable)) return QString();
    QString name = engineText.mid(noTable.size()).toLower();
    if (name.startsWith(QLatin1String("main."))) name.remove(0, 5);
    return unreadableTables().value(name);
}

// Runs one statement, with values bound to its "?" placeholders.
bool execute(QSqlQuery& q, const QString& sql, const QVariantList& binds) {
    if (binds.isEmpty()) return q.exec(sql);
    bool ok = q.prepare(sql);
    for (const QVariant& b : binds) q.addBindValue(b);
    return ok && q.exec();
}

// Runs one statement on the copy; false with the engine's words in `why`.
bool run(QSqlQuery& q, const QString& sql, QString& why, const QVariantList& binds = {}) {
    const bool ok = execute(q, sql, binds);
    if (!ok) why = faultText(q.lastError());
    return ok;
}

QString quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// The file's entry of one of the program's tables, its fields as the file
// has them, and whether it can be copied at all.
struct FileTable {
    bool found = false;
    QString refused;  // why the whole file is refused (a view or a virtual table)
    QString fault;    // why this table cannot be read
    QStringList fields;  // the program's fields the file stores, in the program's order
};

// The three questions asked of the file for each table, each parsed once.
class FileSchema {
public:
    explicit FileSchema(const QSqlDatabase& db) : m_entry(db), m_layout(db), m_fields(db) {}

    bool prepare(QString& why) {
        // Names compare as the engine compares them (ASCII letters in any case).
        return prepared(m_entry, QStringLiteral("SELECT type, sql FROM file.sqlite_master WHERE type IN ('table', 'view') "
                                                "AND name = ? COLLATE NOCASE ORDER BY rowid LIMIT 1"), why) &&
               prepared(m_layout, QStringLiteral("SELECT wr FROM file.pragma_table_list(?)"), why) &&
               prepared(m_fields, QStringLiteral("SELECT name, hidden FROM file.pragma_table_xinfo(?)"), why);
    }

    FileTable lookUp(const ReferenceSchema::Table& t, QString& why) {
        FileTable f;
        if (!ask(m_entry, t.name, why)) return f;
        if (!m_entry.next()) {
            // A schema that cannot be read to its end is the file's fault, not a missing table.
            if (m_entry.lastError().isValid()) why = faultText(m_entry.lastError());
            return f;
        }
        f.found = true;
        const QString type = m_entry.value(0).toString(), sql = m_entry.value(1).toString();
        m_entry.finish();
        if (type == QLatin1String("view")) {
            f.refused = QStringLiteral("\"%1\" is a view, not a table").arg(t.name);
            return f;
        }
        if (sql.startsWith(QLatin1String("CREATE VIRTUAL"), Qt::CaseInsensitive)) {
            f.refused = QStringLiteral("\"%1\" is a virtual table, not a table").arg(t.name);
            return f;
        }
        if (!ask(m_layout, t.name, why)) return f;
        if (m_layout.next() && m_layout.value(0).toInt() != 0)
            f.fault = QStringLiteral("\"%1\" could not be read: it is stored without row numbers, in no order of its own").arg(t.name);
        m_layout.finish();
        if (!f.fault.isEmpty()) return f;
        // hidden: 0 a stored field, 1 a virtual table's hidden one, 2 one the file
        // computes on every read, 3 one computed once and stored.
        if (!ask(m_fields, t.name, why)) return f;
        QHash<QString, int> stored;
        while (m_fields.next()) stored.insert(m_fields.value(0).toString().toLower(), m_fields.value(1).toInt());
        if (m_fields.lastError().isValid()) why = faultText(m_fields.lastError());
        m_fields.finish();
        for (const ReferenceSchema::Field& field : t.fields) {
            const auto it = stored.constFind(field.name.toLower());
            if (it == stored.constEnd()) continue;
            if (*it == 1 || *it == 2) {
                f.fault = QStringLiteral("\"%1\" could not be read: its field \"%2\" is computed, not stored").arg(t.name, field.name);
                return f;
            }
            f.fields << field.name;
        }
        return f;
    }

private:
    static bool prepared(QSqlQuery& q, const QString& sql, QString& why) {
        if (q.prepare(sql)) return true;
        why = faultText(q.lastError());
        return false;
    }
    static bool ask(QSqlQuery& q, const QString& name, QString& why) {
        q.bindValue(0, name);
        if (q.exec()) return true;
        why = faultText(q.lastError());
        return false;
    }
    QSqlQuery m_entry, m_layout, m_fields;
};

// Copies the program's tables from the file, in stored order, into the
// connection's database in memory: the file is attached read-only and
// unlocked (another program's lock never holds it up; a write-ahead log
// beside it is not read), each table the program reads is made anew from
// the program's own schema (ReferenceSchema) with no index, the values of
// its fields copied row by row as stored, and the file detached again. No
// SQL text of the file runs: its rules, indexes and other tables are never
// made. A table the file lacks stays missing; a field it lacks stays
// missing from its table. A table that cannot be read to its end is left
// out and remembered with its fault. A file where one of the tables is a
// view or a virtual table is refused. Returns why the file cannot be used,
// or an empty text.
QString copyFile(QSqlDatabase& db, const QString& path) {
    QSqlQuery q(db);
    QString why;
    const QString uri = QStringLiteral("file:") +
                        QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/")) +
                        QStringLiteral("?mode=ro&immutable=1");
    if (!run(q, QStringLiteral("ATTACH DATABASE ? AS file"), why, {uri})) return why;
    // What the file holds of each table, asked before anything is made: a
    // table made in the copy would have the questions parsed anew.
    const QList<ReferenceSchema::Table>& tables = ReferenceSchema::tables();
    QList<FileTable> found;
    {
        FileSchema schema(db);
        schema.prepare(why);
        for (qsizetype i = 0; i < tables.size() && why.isEmpty(); ++i) {
            found.append(schema.lookUp(tables.at(i), why));
            if (why.isEmpty()) why = found.last().refused;
        }
    }
    for (qsizetype i = 0; i < found.size() && why.isEmpty(); ++i) {
        const ReferenceSchema::Table& t = tables.at(i);
        const FileTable& f = found.at(i);
        if (!f.found) continue;
        if (!f.fault.isEmpty()) {
            unreadableTables().insert(t.name.toLower(), f.fault);
            continue;
        }
        if (f.fields.isEmpty()) continue;  // none of its fields: as good as missing
        QStringList columns, names;
        for (const ReferenceSchema::Field& field : t.fields) {
            if (!f.fields.contains(field.name)) continue;
            columns << quoted(field.name) + QLatin1Char(' ') + field.type;
            names << quoted(field.name);
        }
        if (!run(q, QStringLiteral("CREATE TABLE main.%1 (%2)").arg(quoted(t.name), columns.join(QStringLiteral(", "))), why))
            break;
        // A plain scan of the table itself, never of an index: the stored order.
        QString fault;
        if (!run(q, QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM file.%1 NOT INDEXED")
                        .arg(quoted(t.name), names.join(QStringLiteral(", "))),
                 fault)) {
            run(q, QStringLiteral("DROP TABLE main.") + quoted(t.name), why);
            unreadableTables().insert(t.name.toLower(), fault);
        }
    }
    q.finish();
    QString detached;
    run(q, QStringLiteral("DETACH DATABASE file"), detached);
    if (why.isEmpty()) why = detached;
    // Nothing writes to the copy.
    if (why.isEmpty()) run(q, QStringLiteral("PRAGMA query_only = 1"), why);
    return why;
}

DbError noCurrentRecord() { return DbError(RuntimeFault::NoCurrentRecord, QStringLiteral("No current record.")); }
}  // namespace

void Recordset::open(const QString& sql, const QVariantList& binds) {
    close();
    QSqlDatabase db = ReferenceDatabase::currentDatabase();
    if (!db.isOpen()) throw DbError(RuntimeFault::ObjectInvalid);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!execute(q, sql, binds)) {
        const QString why = q.lastError().databaseText();
        if (const QString fault = copyFault(why); !fault.isEmpty()) throw DbError(RuntimeFault::Unreadable, fault);
        const bool missing = why.startsWith(QLatin1String("no such table")) || why.startsWith(QLatin1String("no such column"));
        throw DbError(missing ? RuntimeFault::MissingPart : RuntimeFault::Unreadable, why);
    }
    while (q.next()) m_rows.append(q.record());
    // The rows stop at the end or at a fault (a damaged file): never half a table.
    if (q.lastError().isValid()) {
        m_rows.clear();
        throw DbError(RuntimeFault::Unreadable, q.lastError().databaseText());
    }
    m_pos = 0;
    m_open = true;
}

void Recordset::close() {
    m_rows.clear();
    m_pos = 0;
    m_open = false;
}

void Recordset::moveFirst() {
    if (m_rows.isEmpty()) throw noCurrentRecord();
    m_pos = 0;
}

void Recordset::moveNext() {
    if (eof()) throw noCurrentRecord();
    ++m_pos;
}

bool Recordset::hasField(const QString& name) const {
    return !m_rows.isEmpty() && m_rows.first().indexOf(name) >= 0;
}

QVariant Recordset::field(const QString& name) const {
    if (eof()) throw noCurrentRecord();
    const QSqlRecord& r = m_rows.at(m_pos);
    const int i = r.indexOf(name);
    if (i < 0) throw DbError(RuntimeFault::ItemNotFound);
    return r.value(i);
}

QString Recordset::plainText(const QVariant& v) {
    if (v.isNull()) return QString();
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        // A stored infinity has no text.
        const double d = v.toDouble();
        return std::isfinite(d) ? Num::text(d) : QString();
    }
    case QMetaType::QByteArray: return QString();  // stored bytes are no text
    default: return v.toString();
    }
}

QString Recordset::fieldText(const QString& name) const { return plainText(field(name)); }

namespace ReferenceDatabase {

bool open(const QString& path, QString* reason) {
    auto fail = [&](const QString& why) {
        if (reason) *reason = why;
        if (QSqlDatabase::contains(ConnectionName)) {
            QSqlDatabase::database(ConnectionName, false).close();
            QSqlDatabase::removeDatabase(ConnectionName);
        }
        return false;
    };
    const QFileInfo fi(path);
    if (!fi.exists()) return fail(QStringLiteral("missing"));
    // Never opened: a pipe would wait for a writer.
    if (fi.isDir()) return fail(QStringLiteral("it is a folder, not a file"));
    if (!fi.isFile()) return fail(QStringLiteral("it is not a regular file"));
    // Never given to the engine: it would say less.
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
        if (file.size() <= 0) return fail(QStringLiteral("the file is empty"));
    }
    QString why;
    // The file is read whole, once, with no lock: later changes to it (an
    // update, a copy over it, a compaction) never reach what the program shows.
    unreadableTables().clear();
    {
        QSqlDatabase db = QSqlDatabase::contains(ConnectionName)
                              ? QSqlDatabase::database(ConnectionName, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
        db.close();
        if (!db.isValid()) {
            why = QStringLiteral("no SQLite driver");
        } else {
            db.setDatabaseName(QStringLiteral(":memory:"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
            if (!db.open()) {
                why = faultText(db.lastError());
            } else if (!(why = copyFile(db, path)).isEmpty()) {
                db.close();
            } else {
                ++g_opens;
                // A file without the element table is not a reference database.
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM GeneralInfo")) || !q.next()) {
                    why = copyFault(q.lastError().databaseText());
                    if (why.isEmpty()) why = faultText(q.lastError());
                } else if (q.value(0).toInt() <= 0)
                    why = QStringLiteral("its element table is empty");
            }
        }
    }
    if (!why.isEmpty()) return fail(why);
    return true;
}

QString cannotOpenMessage(const QString& path, const QString& reason) {
    return QStringLiteral("The database \"%1\" is there but cannot be opened: %2. Please install the program again.")
        .arg(QDir::toNativeSeparators(Program::shownName(QFileInfo(path).absoluteFilePath())), reason);
}

bool isOpen() {
    return QSqlDatabase::contains(ConnectionName) && QSqlDatabase::database(ConnectionName, false).isOpen();
}

int openCount() { return g_opens; }

void closeForTests() {
    sharedRecordset().close();
    if (QSqlDatabase::contains(ConnectionName)) {
        QSqlDatabase::database(ConnectionName, false).close();
        QSqlDatabase::removeDatabase(ConnectionName);
    }
}

QSqlDatabase currentDatabase() { return QSqlDatabase::database(ConnectionName, false); }

QString& sharedSql() {
    static QString s;
    return s;
}

Recordset& sharedRecordset() {
    static Recordset r;
    return r;
}

namespace {
// Runs one read on the shared result set; a failed walk closes it too.
template <class Walk> void read(const QString& sql, Walk walk, const QVariantList& binds = {}) {
    sharedSql() = sql;
    Recordset& rs = sharedRecordset();
    try {
        rs.open(sharedSql(), binds);
        walk(rs);
    } catch (...) {
        rs.close();
        throw;
    }
    rs.close();
}
}  // namespace

void fullWalk(const QString& sql, const RowFn& row) {
    read(sql, [&](Recordset& rs) {
        if (rs.rowCount() == 0) return;  // an empty table lists nothing
        rs.moveFirst();
        while (!rs.eof()) {
            row(rs);
            rs.moveNext();
        }
    });
}

void singleRecord(const QString& sql, const RowFn& row) {
    read(sql, [&](Recordset& rs) { row(rs); });
}

void singleRecord(const QString& sql, const QVariantList& binds, const RowFn& row) {
    read(sql, [&](Recordset& rs) { row(rs); }, binds);
}

}  // namespace ReferenceDatabase
