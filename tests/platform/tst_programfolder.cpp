// The program finds its own folder from its own path, whatever bytes name
// it, and reads its files there: never a file of the folder it was started
// from.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/viewers/TableViewerForm.h"
#include "shell/StartUp.h"

namespace {
// A folder name from an old archive: Latin-1 bytes, no text in a UTF-8 locale.
const QByteArray Latin1Name = "Chimie-\xe9l\xe8ve";
// The same, as the shell's printf writes it.
const char* const Latin1Printf = "Chimie-\\351l\\350ve";

// Links the file into the folder, or copies it where no link can be made.
bool place(const QByteArray& from, const QByteArray& to) {
    if (::link(from.constData(), to.constData()) == 0) return true;
    std::error_code e;
    return std::filesystem::copy_file(std::filesystem::path(from.toStdString()), std::filesystem::path(to.toStdString()), e);
}

// What the water line of "Specific Heats" shows.
QString waterLine() {
    auto* v = qobject_cast<TableViewerForm*>(TestSupport::open(QStringLiteral("frmSpecificHeats")));
    QString line;
    for (const QString& l : v ? v->lines() : QStringList())
        if (l.startsWith(QLatin1String("Water (liquid)"))) line = l.simplified();
    TestSupport::reset();
    return line;
}
}  // namespace

class TstProgramFolder : public QObject {
    Q_OBJECT

public:
    // The child whose folder is to be gone takes it away, files and all,
    // before anything asks where the program is.
    static void initMain() {
        if (qEnvironmentVariableIsEmpty("TESSIVAL_FOLDER_GONE")) return;
        char exe[4096];
        const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
        if (n <= 0) return;
        std::error_code e;
        std::filesystem::remove_all(std::filesystem::path(std::string(exe, size_t(n))).parent_path(), e);
    }

private slots:
    void initTestCase() { TestSupport::initWindows(); }

    void readsItsOwnFolder_data() {
        QTest::addColumn<bool>("planted");  // a VeriRezi.mdb of its own in the working folder
        QTest::addColumn<bool>("gone");     // the program's folder removed as it starts
        QTest::newRow("a file planted in the working folder") << true << false;
        QTest::newRow("no file in the working folder") << false << false;
        QTest::newRow("its folder gone, a file planted") << true << true;
    }
    void readsItsOwnFolder() {
        QFETCH(bool, planted);
        QFETCH(bool, gone);
        const QString water = waterLine();
        QVERIFY(!water.isEmpty());
        // Beside the build, so that the program's files can be linked.
        QTemporaryDir base(QDir::current().filePath(QStringLiteral("folder-XXXXXX")));
        QVERIFY(base.isValid());
        const QByteArray own = QFile::encodeName(base.path()) + '/' + Latin1Name;
        QVERIFY(::mkdir(own.constData(), 0755) == 0);
        // QTemporaryDir cannot name what is in it.
        auto removeOwn = qScopeGuard([own] {
            std::error_code e;
            std::filesystem::remove_all(std::filesystem::path(own.toStdString()), e);
        });
        const QDir bin(QCoreApplication::applicationDirPath());
        QStringList files = bin.entryList({QStringLiteral("libtessival_*.so"), QStringLiteral("*.txt")}, QDir::Files);
        files << ReferenceDatabase::FileName << QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        for (const QString& f : files)
            QVERIFY2(place(QFile::encodeName(bin.filePath(f)), own + '/' + QFile::encodeName(f)), qPrintable(f));
        const QString work = base.filePath(QStringLiteral("work"));
        QVERIFY(QDir().mkpath(work));
        if (planted) {
            const QString other = QDir(work).filePath(ReferenceDatabase::FileName);
            QVERIFY(QFile::copy(bin.filePath(ReferenceDatabase::FileName), other));
            QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner);
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("planted"));
                db.setDatabaseName(other);
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec(
                    QStringLiteral("UPDATE SpecificHeats SET SpecificHeat = 9.999 WHERE Substance = 'Water (liquid)'")));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("planted"));
        }
        // Started by its full name from the working folder, as a student's launcher would.
        QProcess child;
        child.setWorkingDirectory(work);
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("TESSIVAL_FOLDER_CHILD"), QStringLiteral("1"));
        e.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
        if (gone) e.insert(QStringLiteral("TESSIVAL_FOLDER_GONE"), QStringLiteral("1"));
        // This test program holds the chart window's code, which it also loads
        // as the charts part from the folder: the program itself holds it once.
        const QString asan = e.value(QStringLiteral("ASAN_OPTIONS"));
        e.insert(QStringLiteral("ASAN_OPTIONS"),
                 (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) + QStringLiteral("detect_odr_violation=0"));
        e.insert(QStringLiteral("BASE"), base.path());
        e.insert(QStringLiteral("EXE"), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        child.setProcessEnvironment(e);
        child.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("exec \"$BASE/$(printf '%1')/$EXE\" whatTheStudentSees").arg(QLatin1String(Latin1Printf))});
        QVERIFY(child.waitForFinished(300000));
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput() + child.readAllStandardError());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(out));
        if (gone) {
            // Said plainly, and no other folder's file read in its place.
            const QRegularExpression said(QStringLiteral("message: The program cannot find its own folder \\(.+\\)\\. "
                                                         "Please install the program again\\.\n"));
            QVERIFY2(out.contains(QStringLiteral("started: no")), qPrintable(out));
            QVERIFY2(out.count(QStringLiteral("message: ")) == 1 && said.match(out).hasMatch(), qPrintable(out));
            QVERIFY2(!out.contains(QStringLiteral("water: ")), qPrintable(out));
            return;
        }
        QVERIFY2(out.contains(QStringLiteral("started: yes")), qPrintable(out));
        QVERIFY2(!out.contains(QStringLiteral("message: ")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("water: ") + water), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("charts: loaded")), qPrintable(out));
    }

    // The child's part: starts as the program does and says what it shows.
    void whatTheStudentSees() {
        if (qEnvironmentVariableIsEmpty("TESSIVAL_FOLDER_CHILD")) QSKIP("run by readsItsOwnFolder");
        ReferenceDatabase::closeForTests();
        TestSupport::messages().clear();
        const bool started = StartUp();
        TestSupport::unloadAll();
        qInfo("started: %s", started ? "yes" : "no");
        for (const Msg::Box& b : TestSupport::messages().shown) qInfo("message: %s", qPrintable(b.text));
        if (started) qInfo("water: %s", qPrintable(waterLine()));
        QString why;
        const bool charts = Program::partFunction(QStringLiteral("tessival_charts"), "tessival_register_windows", &why);
        qInfo("charts: %s", charts ? "loaded" : qPrintable(why));
    }
};

QTEST_MAIN(TstProgramFolder)
#include "tst_programfolder.moc"
