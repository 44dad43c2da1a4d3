#pragma once
// Chooser of the weight tools: the molecular weight calculator and the
// weight calculations window.
#include "platform/Forms.h"

#include <QPushButton>

class frmWeightChoice : public Form {
    Q_OBJECT
public:
    frmWeightChoice();

    QPushButton* cmdCalculateWeight;
    QPushButton* cmdCalculate;
    QPushButton* cmdClose;

    void Form_Load() override;
    void cmdCalculateWeight_Click();
    void cmdCalculate_Click();
    void cmdClose_Click();
};
