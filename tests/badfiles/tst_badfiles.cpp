// Damaged copies of "VeriRezi.mdb": every window that reads a damaged table
// shows the start-up message and stops, names the fault, or shows an empty
// list or cell; never a crash, a hang or a number the file does not hold.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "BadFiles.h"
#include "NoFileOverride.h"
#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/ReferenceSchema.h"
#include "shell/StartUp.h"

using namespace BadFiles;
using TestSupport::messages;

namespace {
const QString Missing =
    QStringLiteral("Cannot locate the database. Please check to make sure it is installed in the correct location.");
// Longest a window may take to read a table (a lock once held each up 5 s);
// sanitizers slow every step down.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr qint64 Budget = 12000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
constexpr qint64 Budget = 12000;
#else
constexpr qint64 Budget = 3000;
#endif
#else
constexpr qint64 Budget = 3000;
#endif
// A text stored where numbers belong.
const QString Marker = QStringLiteral("twelve");

enum class Start { Opens, Refused, Either, Missing };

struct Case {
    QString name;
    QStringList tables;  // whose readers are driven; empty: every reader
    Start start = Start::Opens;
    QString reason;      // why a refused file cannot be opened ("" any)
    std::function<bool(const QString& folder, const QString& path)> make;
};

QString quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }
}  // namespace

class TstBadFiles : public QObject {
    Q_OBJECT
    QString m_real;
    QList<Table> m_tables;
    QHash<QString, Seen> m_good;
    QList<Case> m_cases;

    // A fresh folder holding a copy of the real file spoiled by `c`, and the
    // program started on it.
    bool startOn(const Case& c, QTemporaryDir& dir, bool& started) {
        const QString path = dir.filePath(ReferenceDatabase::FileName);
        if (!QFile::copy(m_real, path)) return false;
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (c.make && !c.make(dir.path(), path)) return false;
        ReferenceDatabase::closeForTests();
        Program::setFolder(dir.path());
        messages().clear();
        started = StartUp();
        return true;
    }

    // What each reader of the damaged tables shows, against what it shows
    // with the whole file.
    void checkReaders(const Case& c) {
        for (const Reader& r : readers()) {
            bool reads = c.tables.isEmpty();
            for (const QString& t : c.tables) reads = reads || r.tables.contains(t);
            if (!reads) continue;
            const Seen s = run(r);
            const Seen& g = m_good[r.window];
            const QByteArray where = (c.name + QStringLiteral(" / ") + r.window).toUtf8();
            TestSupport::unloadAll();
            QVERIFY2(s.ms < Budget, where + " took " + QByteArray::number(s.ms) + " ms");
            for (const QString& m : s.messages) QVERIFY2(namesAFault(m), where + ": " + m.toUtf8());
            const QString invented = inventedLine(s.lines, g.lines);
            QVERIFY2(invented.isEmpty(), where + " shows a line the file does not hold: " + invented.toUtf8());
            for (int i = 0; i < s.boxes.size(); ++i)
                QVERIFY2(s.boxes.at(i).isEmpty() || s.boxes.at(i) == g.boxes.value(i),
                         where + " shows " + s.boxes.at(i).toUtf8() + " for " + g.boxes.value(i).toUtf8());
            for (const QString& t : s.lines + s.boxes) QVERIFY2(!t.contains(Marker), where + ": " + t.toUtf8());
            // An answer that went missing is explained.
            const bool answered = !s.boxes.join(QString()).isEmpty();
            const bool emptyList = s.lines.join(QString()).trimmed().isEmpty();
            if (!g.boxes.isEmpty() && !answered && !(emptyList && !g.lines.isEmpty()))
                QVERIFY2(!s.messages.isEmpty(), where + " shows no answer and says nothing");
            qInfo("%s: %s (%lld ms)", where.constData(), qPrintable(outcome(s, g)), s.ms);
        }
    }

    static QString outcome(const Seen& s, const Seen& g) {
        QStringList parts;
        if (s.lines == g.lines && s.boxes == g.boxes) parts << QStringLiteral("as with the whole file");
        else if (s.lines.isEmpty() && !g.lines.isEmpty()) parts << QStringLiteral("empty list");
        else if (s.lines.size() != g.lines.size()) parts << QStringLiteral("%1 lines").arg(s.lines.size());
        else if (s.lines != g.lines) parts << QStringLiteral("cells emptied");
        if (!g.boxes.isEmpty() && s.boxes != g.boxes)
            parts << QStringLiteral("%1 of %2 boxes empty").arg(s.boxes.count(QString()) + g.boxes.size() - s.boxes.size()).arg(g.boxes.size());
        for (const QString& m : s.messages) parts << QStringLiteral("message ") + quoted(m.left(90));
        return parts.join(QStringLiteral("; "));
    }

    void addFileCases() {
        auto write = [](const QByteArray& bytes) {
            return [bytes](const QString&, const QString& path) {
                QFile f(path);
                return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
            };
        };
        auto truncate = [](qint64 size) {
            return [size](const QString&, const QString& path) { return QFile::resize(path, size); };
        };
        auto scramble = [](QList<int> pages, quint32 seed) {
            return [pages, seed](const QString&, const QString& path) { return scramblePages(path, pages, seed); };
        };
        const qint64 size = QFileInfo(m_real).size();
        const int pages = int(size / 4096);
        m_cases.append({QStringLiteral("missing"), {}, Start::Missing, {},
                        [](const QString&, const QString& path) { return QFile::remove(path); }});
        m_cases.append({QStringLiteral("zero bytes"), {}, Start::Refused, QStringLiteral("the file is empty"), write({})});
        m_cases.append({QStringLiteral("text"), {}, Start::Refused, QStringLiteral("file is not a database"),
                        write(QByteArray("Reference data of the elements.\n").repeated(500))});
        m_cases.append({QStringLiteral("header only"), {}, Start::Refused, {}, truncate(100)});
        m_cases.append({QStringLiteral("first page only"), {}, Start::Either, {}, truncate(4096)});
        m_cases.append({QStringLiteral("truncated to half"), {}, Start::Either, {}, truncate(size / 2)});
        m_cases.append({QStringLiteral("last page cut"), {}, Start::Either, {}, truncate(size - 4096)});
        for (quint32 seed : {1u, 2u, 3u})
            m_cases.append({QStringLiteral("random page %1").arg(seed + 1), {}, Start::Either, {},
                            scramble({int(seed) + 1}, seed)});
        m_cases.append({QStringLiteral("random pages in the last third"), {}, Start::Either, {},
                        scramble({pages * 2 / 3, pages * 2 / 3 + 1, pages - 1}, 7)});
        QList<int> allButFirst;
        for (int p = 1; p < pages; ++p) allButFirst << p;
        m_cases.append({QStringLiteral("random pages after the first"), {}, Start::Either, {}, scramble(allButFirst, 11)});
        m_cases.append({QStringLiteral("folder"), {}, Start::Refused, QStringLiteral("it is a folder, not a file"),
                        [](const QString& folder, const QString& path) {
                            return QFile::remove(path) && QDir(folder).mkdir(ReferenceDatabase::FileName);
                        }});
        m_cases.append({QStringLiteral("pipe"), {}, Start::Refused, QStringLiteral("it is not a regular file"),
                        [](const QString&, const QString& path) {
                            return QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
                        }});
        m_cases.append({QStringLiteral("no element table"), {}, Start::Refused,
                        QStringLiteral("no such table: GeneralInfo"),
                        [](const QString&, const QString& path) {
                            return edit(path, {QStringLiteral("DROP TABLE GeneralInfo")});
                        }});
        m_cases.append({QStringLiteral("element table empty"), {}, Start::Refused,
                        QStringLiteral("its element table is empty"),
                        [](const QString&, const QString& path) {
                            return edit(path, {QStringLiteral("DELETE FROM GeneralInfo")});
                        }});
    }

    void addTableCases() {
        for (const Table& t : std::as_const(m_tables)) {
            if (t.name == QLatin1String("GeneralInfo")) continue;  // a file without it is refused (above)
            const QString table = quoted(t.name);
            m_cases.append({t.name + QStringLiteral(" dropped"), {t.name}, Start::Opens, {},
                            [table](const QString&, const QString& path) {
                                return edit(path, {QStringLiteral("DROP TABLE ") + table});
                            }});
        }
        for (const Table& t : std::as_const(m_tables)) {
            const QString table = quoted(t.name);
            for (const QString& field : t.fields)
                m_cases.append({t.name + QStringLiteral(" without ") + field, {t.name}, Start::Opens, {},
                                [table, field](const QString&, const QString& path) {
                                    return edit(path, {QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, quoted(field))});
                                }});
            QStringList numbers, all, bytes, infinite;
            for (const QString& field : t.fields) {
                if (ReferenceSchema::isNumber(t.name, field)) {
                    numbers << quoted(field) + QStringLiteral(" = '") + Marker + QLatin1Char('\'');
                    infinite << quoted(field) + QStringLiteral(" = CASE WHEN rowid % 2 THEN 9e999 ELSE -9e999 END");
                }
                all << quoted(field) + QStringLiteral(" = NULL");
                bytes << quoted(field) + QStringLiteral(" = X'00FFFE41'");
            }
            auto update = [table](const QStringList& sets) {
                return [table, sets](const QString&, const QString& path) {
                    return edit(path, {QStringLiteral("UPDATE %1 SET %2").arg(table, sets.join(QStringLiteral(", ")))});
                };
            };
            m_cases.append({t.name + QStringLiteral(" bytes"), {t.name}, Start::Opens, {}, update(bytes)});
            if (!infinite.isEmpty())
                m_cases.append({t.name + QStringLiteral(" infinities"), {t.name}, Start::Opens, {}, update(infinite)});
            if (!numbers.isEmpty())
                m_cases.append({t.name + QStringLiteral(" text in numbers"), {t.name}, Start::Opens, {}, update(numbers)});
            m_cases.append({t.name + QStringLiteral(" NULLs"), {t.name}, Start::Opens, {}, update(all)});
            // The stored rows over and over, in their order, to 100,000 rows.
            m_cases.append({t.name + QStringLiteral(" 100,000 rows"), {t.name}, Start::Opens, {},
                            [table](const QString&, const QString& path) {
                                QStringList s{QStringLiteral("BEGIN")};
                                for (int i = 0; i < 17; ++i) s << QStringLiteral("INSERT INTO %1 SELECT * FROM %1 WHERE (SELECT COUNT(*) FROM %1) < 100000 ORDER BY rowid").arg(table);
                                s << QStringLiteral("DELETE FROM %1 WHERE rowid > 100000").arg(table) << QStringLiteral("COMMIT");
                                return edit(path, s);
                            }});
        }
    }

private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
        m_real = Program::path(ReferenceDatabase::FileName);
        m_tables = tables(m_real);
        QVERIFY(m_tables.size() >= 19);
        // What each window shows with the whole file, started from a copy.
        QTemporaryDir dir;
        bool started = false;
        QVERIFY(startOn({}, dir, started));
        QVERIFY(started);
        for (const Reader& r : readers()) {
            const Seen s = run(r);
            TestSupport::unloadAll();
            QVERIFY2(s.messages.isEmpty(), qPrintable(r.window + QStringLiteral(": ") + s.messages.join(QLatin1Char('|'))));
            QVERIFY2(!(s.lines + s.boxes).join(QString()).trimmed().isEmpty(), qPrintable(r.window));
            for (const QString& b : s.boxes) QVERIFY2(!b.isEmpty(), qPrintable(r.window + QStringLiteral(" has an empty box")));
            m_good.insert(r.window, s);
        }
        addFileCases();
        addTableCases();
    }

    void cleanup() {
        TestSupport::unloadAll();
        messages().clear();
        ReferenceDatabase::closeForTests();
        Program::setFolder(QString());
        QVERIFY(ReferenceDatabase::open(m_real));
    }

    // The number fields the cells go by are the file's REAL and INTEGER columns.
    void numberFieldsFollowTheFile() {
        const QString connection = QStringLiteral("badfiles-types");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(m_real);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QVERIFY(db.open());
            for (const Table& t : std::as_const(m_tables)) {
                QSqlQuery q(db);
                QVERIFY(q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(t.name))));
                while (q.next()) {
                    const QString field = q.value(1).toString(), type = q.value(2).toString();
                    const bool number = type == QLatin1String("REAL") || type == QLatin1String("INTEGER");
                    QVERIFY2(ReferenceSchema::isNumber(t.name, field) == number,
                             qPrintable(t.name + QLatin1Char('.') + field + QLatin1Char(' ') + type));
                }
            }
        }
        QSqlDatabase::removeDatabase(connection);
    }

    // Every window that reads a table when it opens is among the readers driven here.
    void everyReaderIsDriven() {
        QSet<QString> driven;
        for (const Reader& r : readers()) driven.insert(r.window);
        for (const QString& name : Forms::registeredKinds()) {
            ReferenceDatabase::sharedSql().clear();
            Forms::show(name);
            TestSupport::unloadAll();
            if (!ReferenceDatabase::sharedSql().isEmpty())
                QVERIFY2(driven.contains(name), qPrintable(name + QStringLiteral(" reads ") + ReferenceDatabase::sharedSql()));
        }
        messages().clear();
    }

    // The damage of one case, as the student meets it.
    void damagedFile_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_cases.size(); ++i) QTest::newRow(qPrintable(m_cases.at(i).name)) << i;
    }
    void damagedFile() {
        QFETCH(int, index);
        const Case& c = m_cases.at(index);
        QTemporaryDir dir;
        bool started = false;
        QVERIFY(startOn(c, dir, started));
        const QString path = dir.filePath(ReferenceDatabase::FileName);
        if (c.start == Start::Opens) QVERIFY2(started, qPrintable(messages().lastText()));
        if (c.start == Start::Missing || c.start == Start::Refused) QVERIFY(!started);
        if (!started) {
            // One message, then the program ends: only a missing file is called missing.
            QCOMPARE(messages().shown.size(), 1);
            const Msg::Box box = messages().shown.first();
            QCOMPARE(box.title, QStringLiteral("Tessival"));
            QCOMPARE(box.buttons, Msg::Buttons::Ok);
            if (c.start == Start::Missing) {
                QCOMPARE(box.text, Missing);
            } else {
                const QString prefix = ReferenceDatabase::cannotOpenMessage(path, QString()).section(QLatin1Char(':'), 0, -2);
                QVERIFY2(box.text.startsWith(prefix), qPrintable(box.text));
                if (!c.reason.isEmpty()) QCOMPARE(box.text, ReferenceDatabase::cannotOpenMessage(path, c.reason));
            }
            QVERIFY(!ReferenceDatabase::isOpen());
            qInfo("%s: start-up refused: %s", qPrintable(c.name), qPrintable(box.text));
            return;
        }
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        TestSupport::unloadAll();
        checkReaders(c);
    }

    // The file is found whatever its folder is called.
    void folderNamesThatMeanSomethingInAnAddress() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("a b?c#d%20e&f;g=h ü"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(m_real, QDir(folder).filePath(ReferenceDatabase::FileName)));
        ReferenceDatabase::closeForTests();
        Program::setFolder(folder);
        QVERIFY2(StartUp(), qPrintable(messages().lastText()));
        int rows = 0;
        ReferenceDatabase::fullWalk(QStringLiteral("SELECT * FROM VaporPressure"), [&](const Recordset&) { ++rows; });
        QCOMPARE(rows, 101);
    }

    // A file no one may read (the file's rights hold even for an administrator here).
    void unreadableFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(ReferenceDatabase::FileName);
        QVERIFY(QFile::copy(m_real, path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        NoFileOverride noOverride;
        if (QFile(path).open(QIODevice::ReadOnly)) QSKIP("this process reads files whatever their rights");
        ReferenceDatabase::closeForTests();
        Program::setFolder(dir.path());
        QVERIFY(!StartUp());
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), ReferenceDatabase::cannotOpenMessage(path, QStringLiteral("Permission denied")));
    }

    // Another program holds the file locked for writing: start-up and every
    // reader read it whole, at once.
    void lockedByAnotherProgram() {
        QTemporaryDir dir;
        const QString path = dir.filePath(ReferenceDatabase::FileName);
        QVERIFY(QFile::copy(m_real, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QProcess holder;
        holder.start(QStringLiteral(SQLITE3_PROGRAM), {path});
        QVERIFY(holder.waitForStarted());
        holder.write("BEGIN EXCLUSIVE;\nSELECT 'locked';\n");
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readAll().trimmed(), QByteArray("locked"));
        // The lock holds: another ordinary connection cannot read.
        QVERIFY(!edit(path, {QStringLiteral("PRAGMA busy_timeout = 0"), QStringLiteral("SELECT COUNT(*) FROM GeneralInfo")}));

        ReferenceDatabase::closeForTests();
        Program::setFolder(dir.path());
        QElapsedTimer t;
        t.start();
        QVERIFY(StartUp());
        QVERIFY2(t.elapsed() < Budget, qPrintable(QString::number(t.elapsed())));
        QVERIFY(messages().shown.isEmpty());
        TestSupport::unloadAll();
        for (const Reader& r : readers()) {
            const Seen s = run(r);
            TestSupport::unloadAll();
            QVERIFY2(s.ms < Budget, qPrintable(r.window));
            QVERIFY2(s.messages.isEmpty(), qPrintable(r.window + QStringLiteral(": ") + s.messages.join(QLatin1Char('|'))));
            QCOMPARE(s.lines, m_good[r.window].lines);
            QCOMPARE(s.boxes, m_good[r.window].boxes);
        }
        holder.write("ROLLBACK;\n.quit\n");
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
    }
};

QTEST_MAIN(TstBadFiles)
#include "tst_badfiles.moc"
