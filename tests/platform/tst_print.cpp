// Print without a printer: the window is saved as a PDF file named in full,
// in the student's documents folder (or home), and a file already there is
// replaced only when the student says so.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"

using TestSupport::messages;

namespace {
class NoPrinter : public Print::Service {
public:
    bool hasPrinter() override { return false; }
    bool printWindow(QWidget*) override {
        ++asked;
        return false;
    }
    int asked = 0;
};

const QByteArray Precious = "PRECIOUS homework notes\n";

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
    QTemporaryDir m_tmp;
    QString m_oldCwd;
    std::shared_ptr<NoPrinter> m_noPrinter = std::make_shared<NoPrinter>();

    // The density window with an answer, printed.
    void printDensity() {
        auto* f = TestSupport::open(QStringLiteral("frmDensity"));
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
        m_oldCwd = QDir::currentPath();
        qunsetenv("XDG_CONFIG_HOME");
    }
    void cleanupTestCase() { QDir::setCurrent(m_oldCwd); }
    void cleanup() { TestSupport::reset(); }

    void withoutAPrinter_data() {
        QTest::addColumn<QString>("setup");     // what the home folder holds
        QTest::addColumn<QStringList>("answers");  // the student's answers, in order
        QTest::addColumn<QString>("file");      // the file named, under home
        QTest::addColumn<QStringList>("texts");  // the messages shown
        QTest::addColumn<QByteArray>("after");   // what the file holds then ("%PDF": a PDF)
        const QString saved = QStringLiteral("There is no printer. The window will be saved as the PDF file \"%1\".");
        const QString replace = QStringLiteral("The file \"%1\" is there already. Do you want to replace it?");
        const QString failed = QStringLiteral("The window could not be saved as \"%1\": %2.");
        const QString doc = QStringLiteral("Documents/Density Calculations.pdf");
        QTest::newRow("documents folder") << "docs" << QStringList{"Ok"} << doc << QStringList{saved}
                                          << QByteArray("%PDF");
        QTest::newRow("no documents folder: home") << "" << QStringList{"Ok"} << "Density Calculations.pdf"
                                                   << QStringList{saved} << QByteArray("%PDF");
        QTest::newRow("documents folder of the desktop settings")
            << "papers" << QStringList{"Ok"} << "Papers/Density Calculations.pdf" << QStringList{saved} << QByteArray("%PDF");
        QTest::newRow("student cancels") << "docs" << QStringList{"Cancel"} << doc << QStringList{saved} << QByteArray();
        QTest::newRow("existing file kept") << "docs existing" << QStringList{"Ok", "No"} << doc
                                            << QStringList{saved, replace} << Precious;
        QTest::newRow("existing file replaced") << "docs existing" << QStringList{"Ok", "Yes"} << doc
                                                << QStringList{saved, replace} << QByteArray("%PDF");
        QTest::newRow("a folder of that name") << "docs folder" << QStringList{"Ok"} << doc
                                               << QStringList{saved, failed.arg("%1", "a folder of that name is there")}
                                               << QByteArray();
        QTest::newRow("no home folder") << "no home" << QStringList{"Ok"} << "Density Calculations.pdf"
                                        << QStringList{saved, failed} << QByteArray();
    }

    void withoutAPrinter() {
        QFETCH(QString, setup);
        QFETCH(QStringList, answers);
        QFETCH(QString, file);
        QFETCH(QStringList, texts);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        QString home = dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        if (setup.startsWith(QLatin1String("docs"))) QVERIFY(QDir(home).mkdir(QStringLiteral("Documents")));
        if (setup == QLatin1String("papers")) {
            QVERIFY(QDir(home).mkpath(QStringLiteral(".config")) && QDir(home).mkdir(QStringLiteral("Papers")));
            QVERIFY(write(home + QStringLiteral("/.config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n"));
        }
        const QString path = QDir(home).absoluteFilePath(file);
        if (setup.endsWith(QLatin1String("existing"))) QVERIFY(write(path, Precious));
        if (setup.endsWith(QLatin1String("folder"))) QVERIFY(QDir().mkpath(path));
        if (setup == QLatin1String("no home")) home = dir.filePath(QStringLiteral("gone"));
        qputenv("HOME", QFile::encodeName(home));
        // A file of the same name in the working folder is never the one meant.
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(write(dir.filePath(QStringLiteral("Density Calculations.pdf")), Precious));

        Print::setService(m_noPrinter);
        for (const QString& a : answers)
            messages().answers << (a == "Ok" ? Msg::Answer::Ok : a == "Cancel" ? Msg::Answer::Cancel
                                   : a == "Yes" ? Msg::Answer::Yes : Msg::Answer::No);
        printDensity();

        const QString shown = QDir::toNativeSeparators(QDir(home).absoluteFilePath(file));
        QCOMPARE(messages().shown.size(), texts.size());
        QCOMPARE(messages().shown.at(0).text, texts.at(0).arg(shown));
        QCOMPARE(messages().shown.at(0).title, QStringLiteral("Tessival"));
        QCOMPARE(messages().shown.at(0).buttons, Msg::Buttons::OkCancel);
        if (texts.size() > 1) {
            const Msg::Box& second = messages().shown.at(1);
            if (texts.at(1).contains(QLatin1String("replace"))) {
                QCOMPARE(second.text, texts.at(1).arg(shown));
                QCOMPARE(second.icon, Msg::Icon::Question);
                QCOMPARE(second.buttons, Msg::Buttons::YesNo);
            } else if (texts.at(1).contains(QLatin1String("%2"))) {
                // The reason is the system's own; it is there, whatever it says.
                QVERIFY2(second.text.startsWith(texts.at(1).arg(shown, QString()).chopped(1)), qPrintable(second.text));
                QVERIFY(second.text.size() > texts.at(1).arg(shown, QString()).size() + 2);
                QCOMPARE(second.icon, Msg::Icon::Exclamation);
            } else {
                QCOMPARE(second.text, texts.at(1).arg(shown));
                QCOMPARE(second.icon, Msg::Icon::Exclamation);
            }
        }
        if (!QFileInfo(path).isDir()) QCOMPARE(read(path).left(after.size()), after);
        // A PDF holds the window's picture, not an empty page.
        if (after == "%PDF") QVERIFY2(read(path).size() > 8000, qPrintable(QString::number(read(path).size())));
        if (after.isEmpty() && !setup.endsWith(QLatin1String("existing"))) QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(read(dir.filePath(QStringLiteral("Density Calculations.pdf"))), Precious);
        QCOMPARE(m_noPrinter->asked, 0);
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
        auto real = Print::setService(nullptr);
        if (real->hasPrinter()) QSKIP("this machine has a printer");
        messages().answers << Msg::Answer::Ok << Msg::Answer::No;
        printDensity();
        QCOMPARE(messages().shown.size(), 2);
        QVERIFY(messages().shown.at(0).text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(read(path), Precious);
        messages().answers << Msg::Answer::Ok << Msg::Answer::Yes;
        TestSupport::child<QPushButton>(Forms::loaded(QStringLiteral("frmDensity")), "cmdPrint")->click();
        QVERIFY(read(path).startsWith("%PDF"));
    }
};

QTEST_MAIN(TstPrint)
#include "tst_print.moc"
