#include "StartUp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>

#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"

bool OpenDatabaseFile() {
    if (ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName))) return true;
    Msg::show(QStringLiteral("Cannot locate the database. Please check to make sure it is installed in the correct location."),
              QStringLiteral("Tessival"), Msg::Icon::None, Msg::Buttons::Ok);
    return false;
}

namespace {
// Lets the main window reach the screen before the splash and the database
// open; no user input is handled meanwhile.
void letItAppear(Form* f) {
    if (!f || !f->windowHandle()) return;
    QElapsedTimer t;
    t.start();
    while (!f->windowHandle()->isExposed() && t.elapsed() < 250)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
}  // namespace

bool StartUp() {
    letItAppear(Forms::show(QStringLiteral("frmMain")));
    Forms::show(QStringLiteral("frmSplash"));
    return OpenDatabaseFile();
}
