// Time to open each window: load (construction and Form_Load) plus the first
// paint, offscreen, five times per window with an unload between. Prints the
// median per window and the slowest against the 16 ms budget.
//   bench_open_windows [name ...]   (no names: every registered window)
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPixmap>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/PrintService.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"

namespace {
// Windows that show a message while loading must not wait for an answer.
class SilentMessages : public Msg::Service {
public:
    Msg::Answer show(const Msg::Box&) override { return Msg::Answer::Ok; }
};
class NoPrinter : public Print::Service {
public:
    bool printWindow(QWidget*) override { return true; }
};

// The offscreen platform cannot raise windows; say so once, not per window.
void quietRaise(QtMsgType type, const QMessageLogContext&, const QString& text) {
    static bool said = false;
    if (text.contains(QLatin1String("does not support raise()"))) {
        if (said) return;
        said = true;
    }
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

constexpr int Runs = 5;
constexpr double BudgetMs = 16.0;
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(quietRaise);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Msg::setService(std::make_shared<SilentMessages>());
    Print::setService(std::make_shared<NoPrinter>());
    ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));

    QStringList names = app.arguments().mid(1);
    if (names.isEmpty()) names = Forms::registeredKinds();

    QTextStream out(stdout);
    out << QStringLiteral("%1 %2\n").arg(QStringLiteral("window"), -28).arg(QStringLiteral("median ms"), 10);
    QString slowest;
    double slowestMs = -1;
    int over = 0;
    for (const QString& name : std::as_const(names)) {
        QList<double> ms;
        bool opened = true;
        for (int run = 0; run < Runs; ++run) {
            Forms::unloadAll();
            settle();
            QElapsedTimer t;
            t.start();
            Form* f = Forms::show(name);
            if (!f) {
                opened = false;
                break;
            }
            QCoreApplication::processEvents();
            const QPixmap first = f->grab();  // lays out and paints the whole window
            ms.append(t.nsecsElapsed() / 1e6);
            Q_UNUSED(first);
            Forms::unload(f);
            settle();
        }
        if (!opened) {
            out << QStringLiteral("%1 %2\n").arg(name, -28).arg(QStringLiteral("(does not open)"), 10);
            continue;
        }
        std::sort(ms.begin(), ms.end());
        const double median = ms.at(ms.size() / 2);
        if (median > BudgetMs) ++over;
        out << QStringLiteral("%1 %2%3\n")
                   .arg(name, -28)
                   .arg(median, 10, 'f', 2)
                   .arg(median > BudgetMs ? QStringLiteral("  over budget") : QString());
        if (median > slowestMs) {
            slowestMs = median;
            slowest = name;
        }
    }
    Forms::unloadAll();
    settle();
    out << QStringLiteral("slowest: %1 %2 ms (budget %3 ms per window, %4 over)\n")
               .arg(slowest)
               .arg(slowestMs, 0, 'f', 2)
               .arg(BudgetMs, 0, 'f', 0)
               .arg(over);
    out.flush();
    return 0;
}
