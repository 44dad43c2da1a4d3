#pragma once
#include "platform/CalculatorForm.h"

// pH and pOH from an ion concentration, and the concentrations from pH and pOH.
class frmAcids : public CalculatorForm {
    Q_OBJECT
public:
    frmAcids();
    void Form_Load() override;

    QGroupBox* Frame1;
    QRadioButton* opt1;  // pH from H3O+
    QRadioButton* opt2;  // pOH from OH-
    QRadioButton* opt3;  // H3O+ from pH
    QRadioButton* opt4;  // OH- from pOH
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;  // the answer
    QLineEdit* Text3;  // the work line

protected:
    std::optional<Result> calculate() override;
};
