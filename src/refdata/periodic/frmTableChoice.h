#pragma once
// The chooser of the periodic table and the six element charts.
#include "platform/Forms.h"

#include <QPushButton>

class frmTableChoice : public Form {
    Q_OBJECT
public:
    frmTableChoice();
    void Form_Load() override;

    void cmdRegular_Click();
    void cmdAtomicRadii_Click();
    void cmdElectronegativity_Click();
    void cmdAffinity_Click();
    void cmdIonization_Click();
    void cmdDensity_Click();
    void cmdBoing_Click();
    void cmdCancel_Click();

    QPushButton* cmdRegular;
    QPushButton* cmdAtomicRadii;
    QPushButton* cmdElectronegativity;
    QPushButton* cmdAffinity;
    QPushButton* cmdIonization;
    QPushButton* cmdDensity;
    QPushButton* cmdBoing;
    QPushButton* cmdCancel;
};
