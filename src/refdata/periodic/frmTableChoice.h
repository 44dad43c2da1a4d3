#pragma once
// The chooser of the periodic table and the six element charts; it stays
// shown behind the window it opens.
#include "platform/ChooserForm.h"

class frmTableChoice : public ChooserForm {
    Q_OBJECT
public:
    frmTableChoice();

    QPushButton* cmdRegular;
    QPushButton* cmdAtomicRadii;
    QPushButton* cmdElectronegativity;
    QPushButton* cmdAffinity;
    QPushButton* cmdIonization;
    QPushButton* cmdDensity;
    QPushButton* cmdBoing;
};
