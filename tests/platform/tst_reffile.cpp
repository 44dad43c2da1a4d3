// The reference file is read once at start-up: a file compacted, copied over
// or removed while the program runs changes nothing any window shows.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "TestSupport.h"
#include "gases/WaterVapourLookup.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/viewers/TableViewerForm.h"

namespace RD = ReferenceDatabase;
using Shown = QMap<QString, QStringList>;
using Change = std::function<bool(const QString& path)>;
Q_DECLARE_METATYPE(Change)

namespace {
// Another program works on the file: python3's sqlite3 module.
bool python(const QString& path, const QString& code) {
    QProcess p;
    p.setWorkingDirectory(QFileInfo(path).absolutePath());
    p.start(QStringLiteral("python3"), {QStringLiteral("-c"), code});
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A compacted file: a table grown and dropped, then VACUUM; every
// table keeps its rows, on other pages.
const QString Compact = QStringLiteral(
    "import sqlite3;c=sqlite3.connect('VeriRezi.mdb');c.execute('create table zz(x)');"
    "c.executemany('insert into zz values(?)',[('y'*300,)]*50);c.commit();c.execute('drop table zz');"
    "c.commit();c.execute('vacuum')");

// Another reference file: the same tables, their rows in reverse and some gone.
const QString Other = QStringLiteral(
    "import sqlite3,shutil;shutil.copy('VeriRezi.mdb','other.mdb');c=sqlite3.connect('other.mdb');"
    "names=[r[0] for r in c.execute(\"select name from sqlite_master where type='table'\")];\n"
    "for n in names:\n"
    "  c.execute('create table t_ as select * from \"%s\" order by rowid desc'%n)\n"
    "  c.execute('delete from \"%s\"'%n)\n"
    "  c.execute('insert into \"%s\" select * from t_ where rowid %% 3 <> 0'%n)\n"
    "  c.execute('drop table t_')\n"
    "c.commit();c.execute('vacuum');c.close()");
}  // namespace

class TstRefFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;
    Shown m_expected;

    // Every table viewer's lines, each opened and closed in turn.
    Shown viewers() {
        Shown shown;
        for (const QString& name : Forms::registeredKinds()) {
            auto* v = qobject_cast<TableViewerForm*>(TestSupport::open(name));
            if (v) shown.insert(name, v->lines());
            TestSupport::reset();
        }
        return shown;
    }

    // A fresh start on a fresh copy of the file, one table read, as a student
    // who opened and closed "Physical Constants".
    bool startAfresh() {
        QFile::remove(m_path);
        if (!QFile::copy(Program::path(RD::FileName), m_path)) return false;
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        RD::closeForTests();
        if (!RD::open(m_path)) return false;
        TestSupport::open(QStringLiteral("frmConstants"));
        TestSupport::reset();
        return true;
    }

private slots:
    void initTestCase() {
        TestSupport::initWindows();
        m_path = m_dir.filePath(RD::FileName);
        QVERIFY(startAfresh());
        m_expected = viewers();
        QVERIFY(m_expected.size() >= 15);
        for (auto it = m_expected.cbegin(); it != m_expected.cend(); ++it) QVERIFY2(!it->isEmpty(), qPrintable(it.key()));
    }

    // A file another program left in write-ahead mode reads like any other.
    void aFileInWriteAheadModeOpens() {
        QFile::remove(m_path);
        QVERIFY(QFile::copy(Program::path(RD::FileName), m_path));
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(python(m_path, QStringLiteral("import sqlite3;c=sqlite3.connect('VeriRezi.mdb');"
                                              "assert c.execute('pragma journal_mode=wal').fetchone()[0]=='wal';c.close()")));
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(20).mid(18, 2), QByteArray("\x02\x02"));
        f.close();
        RD::closeForTests();
        QString why;
        QVERIFY2(RD::open(m_path, &why), qPrintable(why));
        QCOMPARE(viewers(), m_expected);
    }

    void cleanupTestCase() {
        RD::closeForTests();
        RD::open(Program::path(RD::FileName));
    }

    void everyViewerShowsItsOwnTable_data() {
        QTest::addColumn<Change>("change");
        QTest::newRow("compacted in place") << Change([](const QString& path) { return python(path, Compact); });
        QTest::newRow("another file copied over it") << Change([](const QString& path) {
            if (!python(path, Other)) return false;
            QFile from(QFileInfo(path).absolutePath() + QStringLiteral("/other.mdb")), to(path);
            // Written in place, as cp does: the same file, new bytes.
            return from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   to.write(from.readAll()) > 0;
        });
        QTest::newRow("another file renamed over it") << Change([](const QString& path) {
            const QString other = QFileInfo(path).absolutePath() + QStringLiteral("/other.mdb");
            return python(path, Other) && QFile::remove(path) && QFile::rename(other, path);
        });
        QTest::newRow("removed") << Change([](const QString& path) { return QFile::remove(path); });
        QTest::newRow("garbage written over it") << Change([](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(QByteArray(8192, '\xA5')) == 8192;
        });
    }

    void everyViewerShowsItsOwnTable() {
        QFETCH(Change, change);
        QVERIFY(startAfresh());
        QVERIFY(change(m_path));
        const Shown now = viewers();
        for (auto it = m_expected.cbegin(); it != m_expected.cend(); ++it)
            QCOMPARE(now.value(it.key()), it.value());
        QCOMPARE(TestSupport::messages().shown.size(), 0);
        // The water vapour lookup of a gas calculator reads the same copy.
        QCOMPARE(WaterVapourLookup::pressure(25.0), std::optional<double>(3.17));
    }
};

QTEST_MAIN(TstRefFile)
#include "tst_reffile.moc"
