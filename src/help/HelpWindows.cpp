// The user manual.
#include "RegisterWindows.h"

#include "help/frmHelp.h"

void registerHelpWindows() {
    TESSIVAL_REGISTER(frmHelp);
}
