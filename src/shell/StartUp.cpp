#include "StartUp.h"

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

bool StartUp() {
    Forms::show(QStringLiteral("frmMain"));
    Forms::show(QStringLiteral("frmSplash"));
    return OpenDatabaseFile();
}
