#include "ReferenceDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QSqlError>
#include <QSqlDriver>
#include <QSqlQuery>
#include <cmath>
#include <cstring>
#include <dlfcn.h>
#include <utility>
#include <sqlite3.h>

namespace {
const QString ConnectionName = QStringLiteral("VeriRezi");
int g_opens = 0;

// What the engine said of a failed step, never an empty text.
QString faultText(const QSqlError& e) {
    if (!e.databaseText().isEmpty()) return e.databaseText();
    if (!e.text().trimmed().isEmpty()) return e.text().trimmed();
    return QStringLiteral("the database engine gave no reason");
}

// The SQLite calls that copy a file's bytes into a connection, taken from
// the library the Qt driver has loaded (so that both are one SQLite, and the
// program does not load it before its window shows).
struct SqliteCalls {
    decltype(&sqlite3_malloc64) malloc64 = nullptr;
    decltype(&sqlite3_free) free = nullptr;
    decltype(&sqlite3_deserialize) deserialize = nullptr;
    decltype(&sqlite3_errstr) errstr = nullptr;
    bool ok() const { return malloc64 && free && deserialize && errstr; }
};

const SqliteCalls& sqliteCalls() {
    static const SqliteCalls calls = [] {
        SqliteCalls c;
        if (void* lib = dlopen("libsqlite3.so.0", RTLD_LAZY | RTLD_NOLOAD)) {
            c.malloc64 = reinterpret_cast<decltype(c.malloc64)>(dlsym(lib, "sqlite3_malloc64"));
            c.free = reinterpret_cast<decltype(c.free)>(dlsym(lib, "sqlite3_free"));
            c.deserialize = reinterpret_cast<decltype(c.deserialize)>(dlsym(lib, "sqlite3_deserialize"));
            c.errstr = reinterpret_cast<decltype(c.errstr)>(dlsym(lib, "sqlite3_errstr"));
        }
        return c;
    }();
    return calls;
}

// The file's bytes, read whole with no lock, in memory SQLite frees.
struct Image {
    unsigned char* bytes = nullptr;
    sqlite3_int64 size = 0;
    ~Image() {
        if (bytes) sqliteCalls().free(bytes);
    }
};

QString readImage(const QString& path, Image& image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    const qint64 size = file.size();
    if (size <= 0) return QStringLiteral("the file is empty");
    image.bytes = static_cast<unsigned char*>(sqliteCalls().malloc64(sqlite3_uint64(size)));
    if (!image.bytes) return QStringLiteral("out of memory");
    // A file cut short meanwhile reads as far as it goes.
    const qint64 got = file.read(reinterpret_cast<char*>(image.bytes), size);
    if (got < 0) return file.errorString();
    if (got == 0) return QStringLiteral("the file is empty");
    image.size = got;
    // A file left in write-ahead mode reads as an ordinary one: a copy in
    // memory has no log beside it.
    if (got >= 100 && memcmp(image.bytes, "SQLite format 3", 16) == 0 && image.bytes[18] == 2 && image.bytes[19] == 2)
        image.bytes[18] = image.bytes[19] = 1;
    return QString();
}

// Makes the connection's main database a read-only copy of the image, which
// it then owns. Returns why it could not, or an empty text.
QString loadImage(const QSqlDatabase& db, Image& image) {
    const QVariant h = db.driver()->handle();
    sqlite3* handle = qstrcmp(h.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3* const*>(h.constData()) : nullptr;
    if (!handle) return QStringLiteral("no SQLite connection");
    unsigned char* bytes = std::exchange(image.bytes, nullptr);  // freed by SQLite, even on failure
    const int rc = sqliteCalls().deserialize(handle, "main", bytes, image.size, image.size,
                                             SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
    if (rc != SQLITE_OK) return QString::fromUtf8(sqliteCalls().errstr(rc));
    return QString();
}

DbError noCurrentRecord() { return DbError(RuntimeFault::NoCurrentRecord, QStringLiteral("No current record.")); }
}  // namespace

void Recordset::open(const QString& sql, const QVariantList& binds) {
    close();
    QSqlDatabase db = ReferenceDatabase::currentDatabase();
    if (!db.isOpen()) throw DbError(RuntimeFault::Kind(3420), QStringLiteral("Object invalid or no longer set."));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool ok = false;
    if (binds.isEmpty()) {
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        for (const QVariant& b : binds) q.addBindValue(b);
        ok = ok && q.exec();
    }
    if (!ok) {
        const QString why = q.lastError().databaseText();
        const bool missing = why.startsWith(QLatin1String("no such table")) || why.startsWith(QLatin1String("no such column"));
        throw DbError(missing ? DbError::MissingPart : DbError::Unreadable, why);
    }
    while (q.next()) m_rows.append(q.record());
    // The rows stop at the end or at a fault (a damaged file): never half a table.
    if (q.lastError().isValid()) {
        m_rows.clear();
        throw DbError(DbError::Unreadable, q.lastError().databaseText());
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
    if (i < 0) throw DbError(RuntimeFault::Kind(3265), QStringLiteral("Item not found in this collection."));
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
    QString why;
    // The file is read whole, once, with no lock: later changes to it (an
    // update, a copy over it, a compaction) never reach what the program shows.
    Image image;
    {
        QSqlDatabase db = QSqlDatabase::contains(ConnectionName)
                              ? QSqlDatabase::database(ConnectionName, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
        db.close();
        if (!db.isValid()) {
            why = QStringLiteral("no SQLite driver");
        } else if (!sqliteCalls().ok()) {
            why = QStringLiteral("the SQLite library of the Qt driver was not found");
        } else if (why = readImage(path, image); why.isEmpty()) {
            db.setDatabaseName(QStringLiteral(":memory:"));
            db.setConnectOptions(QString());
            if (!db.open()) {
                why = faultText(db.lastError());
            } else if (!(why = loadImage(db, image)).isEmpty()) {
                db.close();
            } else {
                ++g_opens;
                // A file without the element table is not a reference database.
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM GeneralInfo")) || !q.next())
                    why = faultText(q.lastError());
                else if (q.value(0).toInt() <= 0)
                    why = QStringLiteral("its element table is empty");
            }
        }
    }
    if (!why.isEmpty()) return fail(why);
    return true;
}

QString cannotOpenMessage(const QString& path, const QString& reason) {
    return QStringLiteral("The database \"%1\" is there but cannot be opened: %2. Please install the program again.")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason);
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

QVariant firstMatch(const QString& sql, const QString& keyField, const QString& keyText, const QString& valueField) {
    QVariant value = 0;
    read(sql, [&](Recordset& rs) {
        rs.moveFirst();
        while (!rs.eof()) {
            if (rs.fieldText(keyField) == keyText) {
                value = rs.field(valueField);
                return;
            }
            rs.moveNext();
        }
    });
    return value;
}

QVariant firstMatch(const QString& sql, const QString& keyField, double key, const QString& valueField) {
    QVariant value = 0;
    read(sql, [&](Recordset& rs) {
        rs.moveFirst();
        while (!rs.eof()) {
            const QVariant v = rs.field(keyField);
            bool ok = false;
            const double d = v.toDouble(&ok);
            if (!ok) throw DbError(RuntimeFault::TypeMismatch);
            if (d == key) {
                value = rs.field(valueField);
                return;
            }
            rs.moveNext();
        }
    });
    return value;
}

void countedWalk(const QString& sql, int n, const RowFn& row) {
    read(sql, [&](Recordset& rs) {
        rs.moveFirst();
        for (int i = 0; i < n; ++i) {
            row(rs);
            rs.moveNext();
        }
    });
}

void steppedRead(const QString& sql, int k, const RowFn& row) {
    read(sql, [&](Recordset& rs) {
        rs.moveFirst();
        for (int i = 0; i < k; ++i) rs.moveNext();
        row(rs);
    });
}

void singleRecord(const QString& sql, const RowFn& row) {
    read(sql, [&](Recordset& rs) { row(rs); });
}

void singleRecord(const QString& sql, const QVariantList& binds, const RowFn& row) {
    read(sql, [&](Recordset& rs) { row(rs); }, binds);
}

}  // namespace ReferenceDatabase
