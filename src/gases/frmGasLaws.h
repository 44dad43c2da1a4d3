#pragma once
#include "platform/ChooserForm.h"

// The gas-laws chooser.
class frmGasLaws : public ChooserForm {
    Q_OBJECT
public:
    frmGasLaws();
};
