#include "StartUp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QWindow>

#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"

bool OpenDatabaseFile() {
    const QString path = Program::path(ReferenceDatabase::FileName);
    QString why;
    if (ReferenceDatabase::open(path, &why)) return true;
    // A file that is there but cannot be read is not said to be missing.
    const QString text =
        QFileInfo::exists(path)
            ? ReferenceDatabase::cannotOpenMessage(path, why)
            : QStringLiteral("Cannot locate the database. Please check to make sure it is installed in the correct location.");
    Msg::show(text, QStringLiteral("Tessival"), Msg::Icon::None, Msg::Buttons::Ok);
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
