// Every registered window driven by the robot with a fixed seed.
//   TESSIVAL_ROBOT_SEED     the suite's seed (default 19)
//   TESSIVAL_ROBOT_ACTIONS  actions per window (default and least 2000)
//   TESSIVAL_ROBOT_WINDOWS  windows to drive, by name, comma-separated (default: all)
//   TESSIVAL_ROBOT_SHARD    k/n: only every n-th of those windows, from the k-th (1-based)
//   TESSIVAL_ROBOT_REPLAY   a file of action lines, run by the test function "replay"
//   TESSIVAL_ROBOT_TRACE    set: each action and the answer after it go to stderr
//   TESSIVAL_ROBOT_LIMIT    the run's time limit in seconds (default: one that fits its length)
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "Robot.h"
#include "TestSupport.h"

namespace TestSupport {
void registerLinkedWindows();
}

namespace {
constexpr int LeastActions = 2000;
// The time a window may take for LeastActions actions before the run is
// taken for hung: a window takes 3 to 12 s, on a loaded machine.
constexpr qint64 SecondsPerWindow = 60;

QString env(const char* name) { return qEnvironmentVariable(name).trimmed(); }

int actionsPerWindow() { return qMax(LeastActions, env("TESSIVAL_ROBOT_ACTIONS").toInt()); }

// The windows this run drives: those named, or all, then this shard's share.
QStringList windowsOfThisRun(QString* problem = nullptr) {
    QStringList windows = Forms::registeredKinds();
    if (!env("TESSIVAL_ROBOT_WINDOWS").isEmpty()) windows = env("TESSIVAL_ROBOT_WINDOWS").split(u',', Qt::SkipEmptyParts);
    int k = 1, n = 1;
    if (const QString shard = env("TESSIVAL_ROBOT_SHARD"); !shard.isEmpty()) {
        k = shard.section(u'/', 0, 0).toInt();
        n = shard.section(u'/', 1, 1).toInt();
        if (!(n >= 1 && k >= 1 && k <= n)) {
            if (problem) *problem = shard + QStringLiteral(" is no shard");
            return {};
        }
    }
    QStringList mine;
    for (qsizetype i = k - 1; i < windows.size(); i += n) mine << windows.at(i).trimmed();
    return mine;
}

// QtTest's limit on one test function holds for the whole of everyWindow,
// every window of the run: it is set to fit the run's length before QtTest
// reads it. A limit given for a run of the least length (ctest's) grows
// with the actions; none is ever lowered.
QString setRunLimit() {
    const qint64 windows = windowsOfThisRun().size();
    const qint64 actions = actionsPerWindow();
    qint64 ms = 0;
    QString how;
    if (const qint64 s = env("TESSIVAL_ROBOT_LIMIT").toLongLong(); s > 0) {
        ms = s * 1000;
        how = QStringLiteral("TESSIVAL_ROBOT_LIMIT");
    } else {
        ms = qMax(windows, qint64(1)) * SecondsPerWindow * 1000 * actions / LeastActions;
        how = QStringLiteral("%1 s a window of %2 actions").arg(SecondsPerWindow).arg(LeastActions);
        if (const qint64 given = env("QTEST_FUNCTION_TIMEOUT").toLongLong(); given > 0 && given * actions / LeastActions > ms) {
            ms = given * actions / LeastActions;
            how = QStringLiteral("QTEST_FUNCTION_TIMEOUT given for %1 actions").arg(LeastActions);
        }
    }
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(ms));
    const QString text = QStringLiteral("%1 s for %2 windows of %3 actions, from %4").arg(ms / 1000).arg(windows).arg(actions).arg(how);
    Robot::setRunLimit(text);
    return text;
}

QString& runLimit() {
    static QString text;
    return text;
}

QString writeList(const QString& file, const QString& window, const QStringList& lines) {
    QFile f(QDir::current().filePath(file));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        f.write((QStringLiteral("window ") + window + u'\n' + lines.join(u'\n') + u'\n').toUtf8());
    return f.fileName();
}
}  // namespace

class TestRobot : public QObject {
    Q_OBJECT
    quint64 m_seed = 19;
    int m_actions = LeastActions;
    QStringList m_summary;
    int m_total = 0;
    QElapsedTimer m_clock;

public:
    // Before QtTest starts its watchdog, which reads the limit once.
    static void initMain() {
        TestSupport::registerLinkedWindows();
        runLimit() = setRunLimit();
    }

private slots:
    void initTestCase() {
        TestSupport::init();
        Robot::install();
        if (!env("TESSIVAL_ROBOT_SEED").isEmpty()) m_seed = env("TESSIVAL_ROBOT_SEED").toULongLong();
        m_actions = actionsPerWindow();
        qInfo("robot: the time limit of the run is %s", qPrintable(runLimit()));
        m_clock.start();
    }
    void cleanup() { TestSupport::unloadAll(); }
    void cleanupTestCase() {
        if (m_summary.isEmpty()) return;
        qInfo().noquote() << QStringLiteral("robot: seed %1, %2 actions in %3 windows, %4 s\n")
                                 .arg(m_seed)
                                 .arg(m_total)
                                 .arg(m_summary.size())
                                 .arg(m_clock.elapsed() / 1000.0, 0, 'f', 1)
                                 + m_summary.join(u'\n');
    }

    void everyWindow_data() {
        QTest::addColumn<QString>("window");
        QString problem;
        const QStringList windows = windowsOfThisRun(&problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        for (const QString& w : windows) QTest::newRow(qPrintable(w)) << w;
    }
    void everyWindow() {
        QFETCH(QString, window);
        QVERIFY2(Forms::isRegistered(window), qPrintable(window + QStringLiteral(" is no window")));
        QElapsedTimer t;
        t.start();
        const quint64 seed = Robot::windowSeed(m_seed, window);
        Robot::Runner robot(window, seed);
        const Robot::Failure fail = robot.run(m_actions);
        const Robot::Stats& s = robot.stats();
        m_total += s.actions;
        m_summary << QStringLiteral("  %1 %2 actions, %3 reopened, %4 messages, %5 s, slowest %6 ms (%7)")
                         .arg(window, -24)
                         .arg(s.actions, 5)
                         .arg(s.reopens, 4)
                         .arg(s.messages, 5)
                         .arg(t.elapsed() / 1000.0, 5, 'f', 2)
                         .arg(s.slowestUs / 1000.0, 0, 'f', 1)
                         .arg(s.slowestAction.section(QLatin1String("  #"), 0, 0));
        if (!fail) return;
        const QStringList full = robot.log();
        const QString fullFile = writeList(QStringLiteral("robot-%1-full.txt").arg(window), window, full);
        // Said before the shortening, which replays the list up to 200 times.
        qWarning("robot: %s, action %d: %s: %s (all actions in %s); shortening", qPrintable(window), fail.step + 1,
                 qPrintable(fail.kind), qPrintable(fail.detail), qPrintable(fullFile));
        const QStringList shortList = Robot::shorten(window, full, fail);
        const QString shortFile = writeList(QStringLiteral("robot-%1.txt").arg(window), window, shortList);
        const QString message =
            QStringLiteral("\nrobot: %1, seed %2, action %3: %4: %5\n"
                           "These %6 actions reproduce it (all %7 in %8):\nwindow %1\n%9\n"
                           "Replay: cd build/bin && TESSIVAL_ROBOT_REPLAY=%10 ./tst_robot replay\n"
                           "Rerun: TESSIVAL_ROBOT_WINDOWS=%1 TESSIVAL_ROBOT_SEED=%2 ./tst_robot everyWindow\n")
                .arg(window)
                .arg(m_seed)
                .arg(fail.step + 1)
                .arg(fail.kind, fail.detail)
                .arg(shortList.size())
                .arg(full.size())
                .arg(fullFile, shortList.join(u'\n'), shortFile);
        QFAIL(qPrintable(message));
    }

    // The robot sees what it is there to see, and shortens the way to it.
    void robotFindsPlantedFaults_data() {
        QTest::addColumn<QString>("shows");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("kind");
        QTest::newRow("inf in the answer") << "inf" << false << "inf or nan shown";
        QTest::newRow("nan in the answer") << "-nan" << false << "inf or nan shown";
        QTest::newRow("Infinity in the answer") << "Infinity" << false << "inf or nan shown";
        QTest::newRow("inf in a message") << "1.5 / inf" << true << "inf or nan shown";
        QTest::newRow("answer changed by a refusal") << "12.000" << true << "state changed";
    }
    void robotFindsPlantedFaults() {
        QFETCH(QString, shows);
        QFETCH(bool, message);
        const QString name = QStringLiteral("robotPlanted") + QString::fromLatin1(QTest::currentDataTag()).remove(u' ');
        Forms::registerKind(name, [shows, message] {
            auto* f = new Form;
            auto* answer = new QLineEdit(f);
            answer->setObjectName(QStringLiteral("Text2"));
            answer->setReadOnly(true);
            auto* input = new QLineEdit(f);
            input->setObjectName(QStringLiteral("Text1"));
            auto* ok = new QPushButton(QStringLiteral("Ok"), f);
            ok->setObjectName(QStringLiteral("cmdOk"));
            auto* clear = new QPushButton(QStringLiteral("Clear"), f);
            clear->setObjectName(QStringLiteral("cmdClear"));
            auto* layout = new QVBoxLayout(f);
            for (QWidget* w : {static_cast<QWidget*>(input), static_cast<QWidget*>(answer), static_cast<QWidget*>(ok),
                               static_cast<QWidget*>(clear)})
                layout->addWidget(w);
            // Harmless until Ok has been pressed three times.
            QObject::connect(ok, &QPushButton::clicked, f, [f, answer, shows, message] {
                const int n = f->property("n").toInt() + 1;
                f->setProperty("n", n);
                if (n < 3) return;
                if (message) Msg::plain(shows.contains(QLatin1String("inf")) ? shows : QStringLiteral("Refused."));
                answer->setText(shows);
            });
            return f;
        });
        Robot::Runner robot(name, Robot::windowSeed(m_seed, name));
        const Robot::Failure fail = robot.run(LeastActions);
        TestSupport::unloadAll();
        QTEST(fail.kind, "kind");
        // Three presses of Ok (by click, Space or Enter) and nothing else.
        const QStringList way = Robot::shorten(name, robot.log(), fail);
        QCOMPARE(way.size(), 3);
        Robot::Runner again(name, 0);
        QCOMPARE(again.replay(way).kind, fail.kind);
        TestSupport::unloadAll();
        TestSupport::messages().clear();
    }

    // Buttons pressed by a screen reader while a message box is open: the
    // key filter's box in weight calculations, Ok pressed behind it, then Cancel.
    void pressesBehindAMessageBox_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("lines");
        const QStringList typed = {QStringLiteral("type Text2 U+0031"), QStringLiteral("type Text2 U+0045")};
        QTest::newRow("Ok behind the key's box, then Cancel")
            << "frmWeightCalculations"
            << typed + QStringList{"behind cmdOk", "type Text2 U+002d", "type Text2 U+0035", "axpress cmdCancel"};
        QTest::newRow("Cancel behind the key's box")
            << "frmWeightCalculations" << typed + QStringList{"behind cmdCancel", "type Text2 U+002d", "axpress cmdOk"};
        QTest::newRow("Ok behind the check's box") << "frmWeightCalculations"
                                                   << QStringList{"behind cmdOk", "click cmdOk", "axpress cmdCancel"};
    }
    void pressesBehindAMessageBox() {
        QFETCH(QString, window);
        QFETCH(QStringList, lines);
        Robot::Runner robot(window, 0);
        const Robot::Failure fail = robot.replay(lines);
        QVERIFY2(!fail, qPrintable(fail.kind + QStringLiteral(": ") + fail.detail));
        // The press behind the box was made: Ok computed or Cancel left.
        QVERIFY(!TestSupport::messages().whileOpen);
    }

    // The run's time limit fits its length, and a run stopped by it says so
    // rather than blame the window being driven.
    void timeLimitOfTheWholeRun_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("says");
        const QString three = QStringLiteral("TESSIVAL_ROBOT_WINDOWS=") + Forms::registeredKinds().mid(0, 3).join(u',');
        QTest::newRow("least length") << QStringList{three} << "replay"
                                      << "180 s for 3 windows of 2000 actions";
        QTest::newRow("the longer run") << QStringList{three, "TESSIVAL_ROBOT_ACTIONS=20000"} << "replay"
                                        << "1800 s for 3 windows of 20000 actions";
        QTest::newRow("a longer run under ctest's limit")
            << QStringList{three, "TESSIVAL_ROBOT_ACTIONS=20000", "QTEST_FUNCTION_TIMEOUT=1800000"} << "replay"
            << "18000 s for 3 windows of 20000 actions";
        QTest::newRow("stopped by the limit")
            << QStringList{three, "TESSIVAL_ROBOT_ACTIONS=1000000", "TESSIVAL_ROBOT_LIMIT=3"} << "everyWindow"
            << "the time limit of the whole run (3 s for 3 windows of 1000000 actions, from TESSIVAL_ROBOT_LIMIT) ran "
               "out while";
    }
    void timeLimitOfTheWholeRun() {
        QFETCH(QStringList, environment);
        QFETCH(QString, function);
        QFETCH(QString, says);
        QProcess child;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QTEST_FUNCTION_TIMEOUT", "TESSIVAL_ROBOT_SHARD", "TESSIVAL_ROBOT_ACTIONS",
                                 "TESSIVAL_ROBOT_WINDOWS", "TESSIVAL_ROBOT_LIMIT", "TESSIVAL_ROBOT_REPLAY"})
            e.remove(QLatin1String(name));
        for (const QString& v : environment) e.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
        e.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
        child.setProcessEnvironment(e);
        child.start(QCoreApplication::applicationFilePath(), {function});
        QVERIFY(child.waitForFinished(300000));
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput() + child.readAllStandardError());
        QVERIFY2(out.contains(says), qPrintable(out.right(3000)));
        QVERIFY2(!out.contains(QLatin1String("robot: the program died")), qPrintable(out.right(3000)));
        QVERIFY2(!out.contains(QLatin1String("warning: Test function timed out")), qPrintable(out.right(3000)));
    }

    // Runs the action lines of TESSIVAL_ROBOT_REPLAY (first line "window <name>").
    void replay() {
        const QString file = env("TESSIVAL_ROBOT_REPLAY");
        if (file.isEmpty()) QSKIP("TESSIVAL_ROBOT_REPLAY names no file");
        QFile f(file);
        QVERIFY2(f.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
        QString window;
        for (const QString& l : lines)
            if (l.startsWith(QLatin1String("window "))) window = l.mid(7).trimmed();
        QVERIFY2(Forms::isRegistered(window), "the file names no window (\"window <name>\")");
        Robot::Runner robot(window, 0);
        const Robot::Failure fail = robot.replay(lines);
        if (fail)
            QFAIL(qPrintable(QStringLiteral("%1 at action %2 (%3): %4: %5")
                                 .arg(window)
                                 .arg(fail.step + 1)
                                 .arg(robot.log().value(fail.step), fail.kind, fail.detail)));
    }
};

QTEST_MAIN(TestRobot)
#include "tst_robot.moc"
