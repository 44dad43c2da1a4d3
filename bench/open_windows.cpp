// Time to open each window: load (construction and Form_Load), show, and the
// first paint of the window, 15 samples per window with an unload between,
// offscreen and, when a display is there, on it (under Xvfb: xvfb-run -a).
// Each window is first opened once, one at a time, and the peak resident
// memory after that round is printed. Prints each window's median against the
// 16 ms budget with pass or fail, and the memory against its 48 MB budget.
//   bench_open_windows [name ...]   (no names: every registered window)
// With QT_QPA_PLATFORM set, only that platform is measured.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QProcess>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "RegisterWindows.h"
#include "platform/Forms.h"
#include "SilentMessages.h"
#include "platform/MessageBox.h"
#include "platform/PrintService.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"

namespace {
constexpr int Runs = 15;
constexpr double BudgetMs = 16.0;
constexpr double BudgetMb = 48.0;
const char* const ChildFlag = "--measure";

class NoPrinter : public Print::Service {
public:
    bool printWindow(QWidget*) override { return true; }
};

// The offscreen platform cannot raise windows (and more); say each once.
void quietRaise(QtMsgType type, const QMessageLogContext&, const QString& text) {
    static QSet<QString> said;
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        if (said.contains(text)) return;
        said.insert(text);
    }
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double peakRssMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Notes the first paint of the window being opened (whenever the platform
// delivers it, within show() or after).
class FirstPaint : public QObject {
public:
    QString window;
    bool painted = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() &&
            o->objectName() == window)
            painted = true;
        return false;
    }
};
FirstPaint* probe;

// Shows the window and returns once it has been painted on the platform
// (mapped and exposed on a display); -1 when the window does not open.
double openOnce(const QString& name) {
    probe->window = name;
    probe->painted = false;
    QElapsedTimer t;
    t.start();
    Form* f = Forms::show(name);
    if (!f) return -1;
    QCoreApplication::processEvents();
    QElapsedTimer wait;
    wait.start();
    while (!probe->painted && wait.elapsed() < 2000 && Forms::loaded(name) == f)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (!probe->painted && Forms::loaded(name) == f) {
        f->grab();  // a window that was never exposed
        std::fprintf(stderr, "%s was not painted on the platform within 2 s\n", qPrintable(name));
    }
    return t.nsecsElapsed() / 1e6;
}

struct Spread {
    double median, q1, q3;
};
Spread spread(QList<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double q) {
        const double i = q * (v.size() - 1);
        const qsizetype k = qsizetype(i);
        return k + 1 < v.size() ? v[k] + (i - k) * (v[k + 1] - v[k]) : v[k];
    };
    return {at(0.5), at(0.25), at(0.75)};
}

// One platform: prints "window <name> <first> <median> <q1> <q3>" per window
// ("window <name> -" when it does not open) and "rss <MB>".
int measure(QApplication& app, const QStringList& asked) {
    qInstallMessageHandler(quietRaise);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Msg::setService(std::make_shared<SilentMessages>());
    Print::setService(std::make_shared<NoPrinter>());
    ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));
    FirstPaint paints;
    probe = &paints;
    app.installEventFilter(&paints);
    const QStringList names = asked.isEmpty() ? Forms::registeredKinds() : asked;
    QTextStream out(stdout);

    // Every window once, one at a time: the first open, and the memory after.
    QHash<QString, double> first;
    for (const QString& name : names) {
        Forms::unloadAll();
        settle();
        first.insert(name, openOnce(name));
        Forms::unloadAll();
        settle();
    }
    const double rss = peakRssMb();
    for (const QString& name : names) {
        QList<double> ms;
        for (int run = 0; run < Runs && first.value(name) >= 0; ++run) {
            ms.append(openOnce(name));
            Forms::unloadAll();
            settle();
        }
        if (ms.isEmpty() || ms.contains(-1)) {
            out << "window " << name << " -\n";
            continue;
        }
        const Spread s = spread(ms);
        out << "window " << name << ' ' << first.value(name) << ' ' << s.median << ' ' << s.q1 << ' ' << s.q3 << '\n';
        out.flush();
    }
    out << "rss " << rss << '\n';
    return 0;
}

struct Row {
    double first = -1, median = -1, q1 = 0, q3 = 0;
};
struct Platform {
    QString label;
    QMap<QString, Row> rows;
    double rss = 0;
    bool ran = false;
};

Platform runOn(const QString& qpa, const QString& label, const QStringList& names) {
    Platform p;
    p.label = label;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), qpa);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), QStringList{QLatin1String(ChildFlag)} + names);
    if (!child.waitForFinished(-1) || child.exitCode() != 0) return p;
    p.ran = true;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.value(0) == "rss") p.rss = f.value(1).toDouble();
        if (f.value(0) != "window") continue;
        Row r;
        if (f.size() >= 6) r = {f[2].toDouble(), f[3].toDouble(), f[4].toDouble(), f[5].toDouble()};
        p.rows.insert(QString::fromUtf8(f.value(1)), r);
    }
    return p;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], ChildFlag) == 0) {
        QApplication app(argc, argv);
        registerProgramWindows();
        return measure(app, app.arguments().mid(2));
    }
    QStringList names;
    for (int i = 1; i < argc; ++i) names << QString::fromLocal8Bit(argv[i]);

    QList<Platform> platforms;
    {
        QCoreApplication app(argc, argv);
        const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
        if (!asked.isEmpty()) {
            platforms << runOn(asked, asked, names);
        } else {
            platforms << runOn(QStringLiteral("offscreen"), QStringLiteral("offscreen"), names);
            if (qEnvironmentVariableIsSet("DISPLAY"))
                platforms << runOn(QStringLiteral("xcb"), QStringLiteral("display"), names);
        }
    }

    QTextStream out(stdout);
    QStringList all;
    for (const Platform& p : platforms) {
        if (!p.ran) {
            std::fprintf(stderr, "the %s run failed\n", qPrintable(p.label));
            return 1;
        }
        for (const QString& n : p.rows.keys())
            if (!all.contains(n)) all << n;
    }
    all.sort();
    out << QStringLiteral("%1").arg(QStringLiteral("window"), -26);
    for (const Platform& p : platforms)
        out << QStringLiteral("  %1").arg(p.label + QStringLiteral(": first, median (quartiles) ms"), -45);
    out << '\n';
    QMap<QString, int> over;
    for (const QString& n : all) {
        out << QStringLiteral("%1").arg(n, -26);
        for (const Platform& p : platforms) {
            const Row r = p.rows.value(n);
            QString cell;
            if (r.median < 0) {
                cell = QStringLiteral("(does not open)");
            } else {
                const bool pass = r.median <= BudgetMs;
                if (!pass) ++over[p.label];
                cell = QStringLiteral("%1 %2 (%3-%4) %5")
                           .arg(r.first, 6, 'f', 1)
                           .arg(r.median, 6, 'f', 2)
                           .arg(r.q1, 0, 'f', 2)
                           .arg(r.q3, 0, 'f', 2)
                           .arg(pass ? QStringLiteral("pass") : QStringLiteral("FAIL"));
            }
            out << QStringLiteral("  %1").arg(cell, -45);
        }
        out << '\n';
    }
    bool ok = true;
    for (const Platform& p : platforms) {
        QString slowest;
        double slowestMs = -1;
        for (auto it = p.rows.cbegin(); it != p.rows.cend(); ++it)
            if (it->median > slowestMs) {
                slowestMs = it->median;
                slowest = it.key();
            }
        const int n = over.value(p.label);
        out << QStringLiteral("%1: %2 windows, %3 over the %4 ms budget (slowest %5, %6 ms); peak RSS after opening "
                              "each once %7 MB (budget %8 MB) %9")
                   .arg(p.label)
                   .arg(p.rows.size())
                   .arg(n)
                   .arg(BudgetMs, 0, 'f', 0)
                   .arg(slowest)
                   .arg(slowestMs, 0, 'f', 2)
                   .arg(p.rss, 0, 'f', 1)
                   .arg(BudgetMb, 0, 'f', 0)
                   .arg(p.rss <= BudgetMb ? QStringLiteral("pass\n") : QStringLiteral("FAIL\n"));
        ok = ok && n == 0 && p.rss <= BudgetMb;
    }
    out.flush();
    return ok ? 0 : 1;
}
