#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "RegisterWindows.h"
#include "shell/StartUp.h"

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "Tessival needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set.\n"
                     "Start it from a desktop session, or under a virtual display: xvfb-run -a %s\n",
                     argv[0]);
        return 2;
    }
    registerProgramWindows();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessival"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (!StartUp()) return 1;
    return app.exec();
}
