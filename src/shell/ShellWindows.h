#pragma once
// The main window, its splash and About box.
#include "platform/Forms.h"

#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

inline void registerShellWindows() {
    TESSIVAL_REGISTER(frmAbout);
    TESSIVAL_REGISTER(frmMain);
    TESSIVAL_REGISTER(frmSplash);
}
