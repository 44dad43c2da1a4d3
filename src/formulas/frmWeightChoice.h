#pragma once
// Chooser of the weight tools: the molecular weight calculator and the
// weight calculations window.
#include "platform/ChooserForm.h"

class frmWeightChoice : public ChooserForm {
    Q_OBJECT
public:
    frmWeightChoice();

    QPushButton* cmdCalculateWeight;
    QPushButton* cmdCalculate;
    QPushButton* cmdClose;
};
