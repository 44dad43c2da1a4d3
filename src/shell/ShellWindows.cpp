// The main window, its splash and About box.
#include "RegisterWindows.h"

#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

void registerShellWindows() {
    TESSIVAL_REGISTER(frmAbout);
    TESSIVAL_REGISTER(frmMain);
    TESSIVAL_REGISTER(frmSplash);
}
