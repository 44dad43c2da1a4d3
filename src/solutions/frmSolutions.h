#pragma once
#include "platform/ChooserForm.h"

// The solutions chooser.
class frmSolutions : public ChooserForm {
    Q_OBJECT
public:
    frmSolutions();
};
