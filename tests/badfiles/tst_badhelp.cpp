// Damaged help topics: each is named with the reason, at once, and the pane
// keeps the topic it showed.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "NoFileOverride.h"
#include "ScreenReader.h"
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

    // Topics the viewer could hang on: one huge line is shown whole, cut into
    // blocks it can lay out; a topic of more blocks than it can lay out at
    // once is refused by name. Without and with a screen reader reading every
    // update. A guard of two minutes stands for "hangs".
    void oddTopic_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");  // empty: shown
        QTest::addColumn<bool>("reader");
        QString words;
        while (words.size() < 1000000) words += QStringLiteral("word ");
        words.truncate(1000000);
        const QString tooMany = QStringLiteral("it has more than 5,000 headings, paragraphs and list items");
        for (const bool reader : {false, true}) {
            const char* r = reader ? " (screen reader)" : "";
            QTest::addRow("one line of 1,000,000 characters%s", r) << words << QString() << reader;
            QTest::addRow("one line of 1,000,000 \"*\"%s", r) << QString(1000000, u'*') << QString() << reader;
            QTest::addRow("one line of \"_a\" x 500,000%s", r) << QStringLiteral("_a").repeated(500000) << QString()
                                                           << reader;
            QTest::addRow("262,143 headings%s", r) << QStringLiteral("# a\n").repeated(262143) << tooMany << reader;
        }
    }
    void oddTopic() {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        QFETCH(bool, reader);
        QTemporaryDir dir;
        QVERIFY(write(dir.filePath(Good), "# Boyle's law\n\nPressure times volume.\n"));
        QVERIFY(write(dir.filePath(Topic), text.toUtf8()));
        Program::setFolder(dir.path());
        auto* h = Forms::showAs<frmHelp>(QStringLiteral("frmHelp"));
        h->LoadHelpTopic(Good);
        const QString before = h->RTB1->toPlainText();
        // A bridge reads the object each update names.
        std::optional<ScreenReader> screen;
        if (reader) screen.emplace().readsText = true;
        std::atomic<bool> done = false;
        std::thread guard([&done] {
            for (int s = 0; s < 1200 && !done; ++s) std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (!done) qFatal("the help topic did not open in two minutes");
        });
        h->LoadHelpTopic(Topic);
        QCoreApplication::processEvents();
        done = true;
        guard.join();
        if (screen) QVERIFY(!screen->heard.isEmpty());  // the reader was told, and read
        if (reason.isEmpty()) {
            QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
            // Every character is there, cut into blocks where the line was long.
            QString shown = h->RTB1->toPlainText();
            shown.remove(u'\n').remove(u' ');
            QCOMPARE(shown.size(), QString(text).remove(u' ').size());
            QVERIFY(shown == QString(text).remove(u' '));
        } else {
            TestSupport::expectOne(QStringLiteral("The help file \"%1\" cannot be shown: %2.").arg(Topic, reason),
                                   QStringLiteral("Tessival"), Msg::Icon::Information);
            QCOMPARE(h->RTB1->toPlainText(), before);
        }
    }
};

QTEST_MAIN(TstBadHelp)
#include "tst_badhelp.moc"
