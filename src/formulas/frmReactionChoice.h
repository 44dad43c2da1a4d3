#pragma once
// Chooser of the reaction tools: the reaction atom counter and the mass-mass
// calculator.
#include "platform/ChooserForm.h"

class frmReactionChoice : public ChooserForm {
    Q_OBJECT
public:
    frmReactionChoice();

    QPushButton* cmdBalancing;
    QPushButton* cmdMassMass;
};
