// The program's start-up, ending as soon as the main window has painted:
// prints the peak resident memory at that moment.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

#include "platform/Forms.h"
#include "shell/StartUp.h"

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done) {
            done = true;
            QTimer::singleShot(0, [] {
                rusage ru{};
                getrusage(RUSAGE_SELF, &ru);
                std::printf("shown %ld\n", ru.ru_maxrss);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
    bool done = false;
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaint probe;
    if (!StartUp()) return 1;
    if (Form* m = Forms::loaded(QStringLiteral("frmMain"))) m->installEventFilter(&probe);
    return app.exec();
}
