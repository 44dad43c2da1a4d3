#pragma once
// Chooser of the mole tools: the element mole calculator, average atomic
// mass, mass and energy, and the atom builder.
#include "platform/ChooserForm.h"

class frmMoleChoice : public ChooserForm {
    Q_OBJECT
public:
    frmMoleChoice();

    QPushButton* cmdMoles;
    QPushButton* cmdAveAtMass;
    QPushButton* cmdMassEnergy;
    QPushButton* cmdAtom;
};
