// Damaged help topics: each is named with the reason, at once, and the pane
// keeps the topic it showed.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

#include "NoFileOverride.h"
#include "TestSupport.h"
#include "help/frmHelp.h"

using TestSupport::messages;

namespace {
const QString Topic = QStringLiteral("Using.txt");
const QString Good = QStringLiteral("Boyle'sLaw.txt");

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
}  // namespace

class TstBadHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::init(); }
    void cleanup() {
        TestSupport::unloadAll();
        messages().clear();
        Program::setFolder(QString());
    }

    void damagedTopic_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        const char* const rows[][2] = {{"missing", "No such file or directory"}, {"empty", "it is empty"},
                                       {"binary", "it is not a text file"},      {"20 MB", "it is larger than 1 MB"},
                                       {"unreadable", "Permission denied"},      {"folder", "it is not a file"},
                                       {"pipe", "it is not a file"}};  // a pipe is never opened: it would wait for a writer
        for (const auto& r : rows) QTest::newRow(r[0]) << QString(r[0]) << QString(r[1]);
    }
    void damagedTopic() {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(Topic);
        QVERIFY(write(dir.filePath(Good), "# Boyle's law\n\nPressure times volume.\n"));
        if (damage == "empty") QVERIFY(write(path, {}));
        if (damage == "binary") {
            QByteArray bytes(64 * 1024, 0);
            quint32 seed = 99;
            for (char& b : bytes) b = char((seed = seed * 1103515245u + 12345u) >> 24);
            QVERIFY(write(path, bytes));
        }
        if (damage == "20 MB") QVERIFY(write(path, QByteArray("A line of a long topic.\n").repeated(20 * 1024 * 1024 / 24)));
        if (damage == "unreadable") QVERIFY(write(path, "# Using\n") && QFile::setPermissions(path, {}));
        if (damage == "folder") QVERIFY(QDir(dir.path()).mkdir(Topic));
        if (damage == "pipe") QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        NoFileOverride noOverride;
        if (damage == "unreadable" && QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this process reads files whatever their rights");

        Program::setFolder(dir.path());
        auto* h = Forms::showAs<frmHelp>(QStringLiteral("frmHelp"));
        h->LoadHelpTopic(Good);
        const QString before = h->RTB1->toPlainText();
        QVERIFY(before.contains("Pressure times volume."));
        h->LoadHelpTopic(Topic);
        TestSupport::expectOne(QStringLiteral("The help file \"%1\" cannot be shown: %2.").arg(Topic, reason),
                               QStringLiteral("Tessival"), Msg::Icon::Information);
        QCOMPARE(h->RTB1->toPlainText(), before);
    }
};

QTEST_MAIN(TstBadHelp)
#include "tst_badhelp.moc"
