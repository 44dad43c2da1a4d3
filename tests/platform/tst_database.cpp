// The reference database: opening it, the five walks and their errors, and
// how keys compare.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"

namespace RD = ReferenceDatabase;

class TstDatabase : public QObject {
    Q_OBJECT
    QString realPath;

    static QString errorOf(const std::function<void()>& fn) {
        try {
            fn();
        } catch (const RuntimeFault& f) {
            return f.description();
        }
        return QStringLiteral("none");
    }

private slots:
    void initTestCase() {
        TestSupport::init();
        realPath = Program::path(RD::FileName);
        QVERIFY(RD::isOpen());
    }

    // A table whose pages are damaged part-way is a fault, never the rows before the damage.
    void aDamagedTableIsAFaultNotHalfATable() {
        {
            TempDatabase db({"CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT)",
                             "INSERT INTO GeneralInfo VALUES (1, 'H')"});
            QVERIFY(db.damage(QStringLiteral("Constants"), QStringLiteral("Constant")));
            int rows = 0;
            const QString fault =
                errorOf([&] { RD::fullWalk(QStringLiteral("SELECT * FROM Constants"), [&](const Recordset&) { ++rows; }); });
            QCOMPARE(fault, QStringLiteral("database disk image is malformed"));
            QCOMPARE(rows, 0);
            QVERIFY(!RD::sharedRecordset().isOpen());
        }
        QVERIFY(RD::isOpen());
    }

    void refusesWhatIsNoReferenceDatabase() {
        QTemporaryDir dir;
        const QString path = dir.filePath(RD::FileName);
        RD::closeForTests();
        QVERIFY(!RD::open(path));
        QVERIFY(!QFile::exists(path));  // a missing file is never created

        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QVERIFY(!RD::open(path));
        QCOMPARE(QFileInfo(path).size(), 0);

        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY(!RD::open(path));

        // A real SQLite file without the reference tables.
        QFile::remove(path);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Other (x INTEGER)"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QVERIFY(!RD::open(path));

        QVERIFY(RD::open(realPath));
    }

    void theDatabaseIsReadOnly() {
        QSqlQuery q(RD::currentDatabase());
        QVERIFY(!q.exec(QStringLiteral("DELETE FROM VaporPressure")));
        int rows = 0;
        RD::fullWalk(QStringLiteral("SELECT * FROM VaporPressure"), [&](const Recordset&) { ++rows; });
        QCOMPARE(rows, 101);
    }

    void fullWalkReadsEveryRowInStoredOrder() {
        QStringList symbols;
        RD::fullWalk(QStringLiteral("SELECT * FROM GeneralInfo"),
                     [&](const Recordset& r) { symbols << r.fieldText(QStringLiteral("Symbol")); });
        QCOMPARE(symbols.size(), 109);
        QCOMPARE(symbols.first(), QStringLiteral("H"));
        QCOMPARE(symbols.at(25), QStringLiteral("Fe"));
        QCOMPARE(symbols.last(), QStringLiteral("Mt"));
        QCOMPARE(QSet<QString>(symbols.begin(), symbols.end()).size(), 109);
        QCOMPARE(RD::sharedSql(), QStringLiteral("SELECT * FROM GeneralInfo"));
        QVERIFY(!RD::sharedRecordset().isOpen());
    }

    void walksReportTheirErrorsAndLeaveNothingOpen() {
        QCOMPARE(errorOf([] {
                     RD::singleRecord(QStringLiteral("SELECT * FROM GeneralInfo WHERE Symbol = 'Xx'"),
                                      [](const Recordset& r) { r.field(QStringLiteral("ElementName")); });
                 }),
                 QStringLiteral("No current record."));
        QVERIFY(!RD::sharedRecordset().isOpen());
        QCOMPARE(errorOf([] {
                     RD::fullWalk(QStringLiteral("SELECT * FROM GeneralInfo"),
                                  [](const Recordset& r) { r.field(QStringLiteral("NoSuchField")); });
                 }),
                 QStringLiteral("Item not found in this collection."));
        QVERIFY(!RD::sharedRecordset().isOpen());
        QVERIFY(errorOf([] { RD::fullWalk(QStringLiteral("SELECT * FROM NoSuchTable"), [](const Recordset&) {}); })
                != QStringLiteral("none"));
        // An empty result lists nothing with a full walk.
        int rows = 0;
        RD::fullWalk(QStringLiteral("SELECT * FROM GeneralInfo WHERE AtomicNumber = 0"), [&](const Recordset&) { ++rows; });
        QCOMPARE(rows, 0);
    }

    void singleReads() {
        QString name;
        RD::singleRecord(QStringLiteral("SELECT ElementName FROM GeneralInfo WHERE AtomicNumber =") + QStringLiteral("8"),
                         [&](const Recordset& r) { name = r.fieldText(QStringLiteral("ElementName")); });
        QCOMPARE(name, QStringLiteral("Oxygen"));
        // A bound symbol cannot reach the SQL text.
        QCOMPARE(errorOf([&] {
                     RD::singleRecord(QStringLiteral("SELECT * FROM GeneralInfo WHERE Symbol = ?"),
                                      {QStringLiteral("H' OR '1'='1")},
                                      [&](const Recordset& r) { name = r.fieldText(QStringLiteral("ElementName")); });
                 }),
                 QStringLiteral("No current record."));
    }

    void storedValuesInTheirPlainTextForm() {
        QCOMPARE(Recordset::plainText(QVariant(25.0)), QStringLiteral("25"));
        QCOMPARE(Recordset::plainText(QVariant(25)), QStringLiteral("25"));
        QCOMPARE(Recordset::plainText(QVariant(3.17)), QStringLiteral("3.17"));
        QCOMPARE(Recordset::plainText(QVariant()), QString());
    }
};

QTEST_MAIN(TstDatabase)
#include "tst_database.moc"
