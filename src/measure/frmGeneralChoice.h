#pragma once
#include "platform/ChooserForm.h"

// The "General Problems" chooser.
class frmGeneralChoice : public ChooserForm {
    Q_OBJECT
public:
    frmGeneralChoice();
};
