#pragma once
// The user manual.
#include "platform/Forms.h"

#include "help/frmHelp.h"

inline void registerHelpWindows() {
    TESSIVAL_REGISTER(frmHelp);
}
