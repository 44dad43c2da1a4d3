#pragma once
#include "platform/ChooserForm.h"

// The energy chooser.
class frmEnergy : public ChooserForm {
    Q_OBJECT
public:
    frmEnergy();
};
