// Print without a printer: the window is saved as a PDF file named in full,
// in the student's documents folder (or home), and a file already there is
// replaced only when the student says so.
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "TestSupport.h"

using TestSupport::messages;
using Answers = QList<Msg::Answer>;

namespace {
class NoPrinter : public Print::Service {
public:
    bool hasPrinter() override { return false; }
    bool printWindow(QWidget*) override { return false; }
};

const QByteArray Precious = "PRECIOUS homework notes\n";
const QString Saved = QStringLiteral("There is no printer. The window will be saved as the PDF file \"%1\".");
const QString Replace = QStringLiteral("The file \"%1\" is there already. Do you want to replace it?");
const QString Failed = QStringLiteral("The window could not be saved as \"%1\": %2.");

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
}  // namespace

class TstPrint : public QObject {
    Q_OBJECT

    // General, Density, 2.5 and 4, Enter, Print.
    void printDensity() {
        Form* f = TestSupport::open(QStringLiteral("frmDensity"));
        QVERIFY(f);
        TestSupport::type(TestSupport::child<QLineEdit>(f, "Text1"), QStringLiteral("2.5"));
        TestSupport::type(TestSupport::child<QLineEdit>(f, "txtDensity1"), QStringLiteral("4"));
        TestSupport::press(TestSupport::child<QLineEdit>(f, "txtDensity1"), Qt::Key_Return);
        QVERIFY(!TestSupport::child<QLineEdit>(f, "Text2")->text().isEmpty());
        messages().clear();
        TestSupport::child<QPushButton>(f, "cmdPrint")->click();
    }

private slots:
    void initTestCase() {
        TestSupport::initWindows();
        qunsetenv("XDG_CONFIG_HOME");
    }
    void cleanup() { TestSupport::reset(); }

    void withoutAPrinter_data() {
        QTest::addColumn<QString>("setup");       // what the home folder holds
        QTest::addColumn<Answers>("answers");     // the student's answers, in order
        QTest::addColumn<QString>("file");        // the file named, under home
        QTest::addColumn<QStringList>("texts");   // the messages shown (%2: the system's reason)
        QTest::addColumn<QByteArray>("after");    // what the file starts with then
        using A = Msg::Answer;
        const QString doc = QStringLiteral("Documents/Density Calculations.pdf");
        QTest::newRow("documents folder") << "docs" << Answers{A::Ok} << doc << QStringList{Saved} << QByteArray("%PDF");
        QTest::newRow("no documents folder: home") << "" << Answers{A::Ok} << "Density Calculations.pdf"
                                                   << QStringList{Saved} << QByteArray("%PDF");
        QTest::newRow("documents folder of the desktop settings")
            << "papers" << Answers{A::Ok} << "Papers/Density Calculations.pdf" << QStringList{Saved} << QByteArray("%PDF");
        QTest::newRow("student cancels") << "docs" << Answers{A::Cancel} << doc << QStringList{Saved} << QByteArray();
        QTest::newRow("existing file kept") << "docs existing" << Answers{A::Ok, A::No} << doc
                                            << QStringList{Saved, Replace} << Precious;
        QTest::newRow("existing file replaced") << "docs existing" << Answers{A::Ok, A::Yes} << doc
                                                << QStringList{Saved, Replace} << QByteArray("%PDF");
        QTest::newRow("a folder of that name") << "docs folder" << Answers{A::Ok} << doc
                                               << QStringList{Saved, Failed.arg("%1", "a folder of that name is there")}
                                               << QByteArray();
        QTest::newRow("no home folder") << "gone" << Answers{A::Ok} << "Density Calculations.pdf"
                                        << QStringList{Saved, Failed} << QByteArray();
        // A link is named with the file it stands for, and never written through.
        const QString linked = Failed.arg("%1", "it is a link to \"%3\"");
        QTest::newRow("a link to a file") << "docs link" << Answers{A::Ok, A::Yes} << doc << QStringList{Saved, linked}
                                          << Precious;
        QTest::newRow("a link to nothing") << "docs dangling" << Answers{A::Ok, A::Yes} << doc
                                           << QStringList{Saved, linked} << QByteArray();
    }

    void withoutAPrinter() {
        QFETCH(QString, setup);
        QFETCH(Answers, answers);
        QFETCH(QString, file);
        QFETCH(QStringList, texts);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString home = dir.filePath(setup == QLatin1String("gone") ? "gone" : "home");
        QDir h(home);
        if (setup != QLatin1String("gone")) QVERIFY(h.mkpath(QStringLiteral(".")));
        if (setup.startsWith(QLatin1String("docs"))) QVERIFY(h.mkdir(QStringLiteral("Documents")));
        if (setup == QLatin1String("papers"))
            QVERIFY(h.mkpath(QStringLiteral(".config")) && h.mkdir(QStringLiteral("Papers")) &&
                    write(h.filePath(QStringLiteral(".config/user-dirs.dirs")), "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n"));
        const QString path = h.absoluteFilePath(file);
        if (setup.endsWith(QLatin1String("existing"))) QVERIFY(write(path, Precious));
        if (setup.endsWith(QLatin1String("folder"))) QVERIFY(QDir().mkpath(path));
        // notes.txt, the file a link stands for.
        const QString notes = h.absoluteFilePath(QStringLiteral("notes.txt"));
        if (setup.endsWith(QLatin1String("link"))) QVERIFY(write(notes, Precious));
        if (setup.endsWith(QLatin1String("link")) || setup.endsWith(QLatin1String("dangling")))
            QVERIFY(QFile::link(notes, path));
        qputenv("HOME", QFile::encodeName(home));
        // A file of the same name in the working folder is never the one meant.
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(write(dir.filePath(QStringLiteral("Density Calculations.pdf")), Precious));

        Print::setService(std::make_shared<NoPrinter>());
        messages().answers = answers;
        printDensity();
        QDir::setCurrent(old);

        const QString shown = QDir::toNativeSeparators(path);
        QCOMPARE(messages().shown.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            const Msg::Box& box = messages().shown.at(i);
            texts[i].replace(QLatin1String("%3"), QDir::toNativeSeparators(notes));
            QCOMPARE(box.title, QStringLiteral("Tessival"));
            if (texts.at(i).contains(QLatin1String("%2")))  // the reason is the system's own, but there
                QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(
                                                QRegularExpression::escape(texts.at(i).arg(shown, "REASON")).replace("REASON", ".+")))
                             .match(box.text).hasMatch(),
                         qPrintable(box.text));
            else
                QCOMPARE(box.text, texts.at(i).arg(shown));
            QCOMPARE(box.buttons, i == 0 ? Msg::Buttons::OkCancel : texts.at(i) == Replace ? Msg::Buttons::YesNo : Msg::Buttons::Ok);
            QCOMPARE(box.icon, i == 0 ? Msg::Icon::Information : texts.at(i) == Replace ? Msg::Icon::Question : Msg::Icon::Exclamation);
        }
        QCOMPARE(read(path).left(after.size()), after);
        // A PDF holds the window's picture, not an empty page.
        if (after == "%PDF") QVERIFY2(read(path).size() > 8000, qPrintable(QString::number(read(path).size())));
        if (after.isEmpty()) QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(read(dir.filePath(QStringLiteral("Density Calculations.pdf"))), Precious);
        if (setup.endsWith(QLatin1String("link"))) QCOMPARE(read(notes), Precious);
        if (setup.endsWith(QLatin1String("dangling"))) QVERIFY(!QFileInfo::exists(notes));
    }

    // The PDF is readable by whom the student's umask says, new or replaced.
    void modeFollowsTheUmask_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("before");  // the mode of a file already there; -1: none
        QTest::addColumn<int>("after");
        QTest::newRow("private umask") << 0077 << -1 << 0600;
        QTest::newRow("usual umask") << 0022 << -1 << 0644;
        QTest::newRow("group may read") << 0027 << -1 << 0640;
        QTest::newRow("shared folder umask") << 0002 << -1 << 0664;
        QTest::newRow("replaced file keeps its mode") << 0022 << 0600 << 0600;
    }
    void modeFollowsTheUmask() {
        QFETCH(int, mask);
        QFETCH(int, before);
        QFETCH(int, after);
        QTemporaryDir dir;
        qputenv("HOME", QFile::encodeName(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Documents")));
        const QString path = dir.filePath(QStringLiteral("Documents/Density Calculations.pdf"));
        if (before >= 0) QVERIFY(write(path, Precious) && ::chmod(QFile::encodeName(path).constData(), mode_t(before)) == 0);
        const mode_t old = ::umask(mode_t(mask));
        auto restore = qScopeGuard([old] { ::umask(old); });
        Print::setService(std::make_shared<NoPrinter>());
        messages().answers = {Msg::Answer::Ok, Msg::Answer::Yes};
        printDensity();
        QVERIFY(read(path).startsWith("%PDF"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(QString::number(st.st_mode & 07777, 8), QString::number(after, 8));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("Documents"))).entryList(QDir::Hidden | QDir::Files),
                 QStringList{QStringLiteral("Density Calculations.pdf")});
    }

    // On a full disk the reason is the system's own and the old file stays whole.
    void fullDisk() {
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        // A small file system of the test's own; where none can be made, nothing to test.
        const int mounted = QProcess::execute(QStringLiteral("mount"),
                                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                               QStringLiteral("size=256k"), QStringLiteral("tmpfs"), home});
        if (mounted != 0) QSKIP("no small file system can be made here (mount needs root)");
        auto unmount = qScopeGuard([&home] { QProcess::execute(QStringLiteral("umount"), {home}); });
        QDir h(home);
        QVERIFY(h.mkdir(QStringLiteral("Documents")));
        const QString path = h.absoluteFilePath(QStringLiteral("Documents/Density Calculations.pdf"));
        QVERIFY(write(path, Precious));
        {
            // The rest of the space taken.
            QFile filler(h.absoluteFilePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {}
        }
        qputenv("HOME", QFile::encodeName(home));
        Print::setService(std::make_shared<NoPrinter>());
        messages().answers = {Msg::Answer::Ok, Msg::Answer::Yes};
        printDensity();
        QCOMPARE(messages().shown.size(), 3);
        QCOMPARE(messages().shown.at(2).text,
                 Failed.arg(QDir::toNativeSeparators(path), QStringLiteral("No space left on device")));
        QCOMPARE(read(path), Precious);
        QCOMPARE(h.entryList({QStringLiteral(".Density*")}, QDir::Hidden | QDir::Files), QStringList());
    }

    // The program's own print service, where the machine has no printer.
    void thePrintPartSavesAPdfWithoutAPrinter() {
        QTemporaryDir dir;
        qputenv("HOME", QFile::encodeName(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Documents")));
        const QString path = dir.filePath(QStringLiteral("Documents/Density Calculations.pdf"));
        QVERIFY(write(path, Precious));
        // The program's own service, once to use and once to ask.
        Print::setService(nullptr);
        if (Print::setService(nullptr)->hasPrinter()) QSKIP("this machine has a printer");
        messages().answers = {Msg::Answer::Ok, Msg::Answer::No};
        printDensity();
        QCOMPARE(messages().shown.size(), 2);
        QCOMPARE(messages().shown.at(0).text, Saved.arg(QDir::toNativeSeparators(path)));
        QCOMPARE(read(path), Precious);
        messages().answers = {Msg::Answer::Ok, Msg::Answer::Yes};
        TestSupport::child<QPushButton>(Forms::loaded(QStringLiteral("frmDensity")), "cmdPrint")->click();
        QVERIFY(read(path).startsWith("%PDF"));
    }
};

QTEST_MAIN(TstPrint)
#include "tst_print.moc"
