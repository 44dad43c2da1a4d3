#pragma once
#include "platform/CalculatorForm.h"

// Molarity (moles per liter of solution) and molality (moles per kilogram of solvent).
class frmMolarity : public CalculatorForm {
    Q_OBJECT
public:
    frmMolarity();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Molarity
    QRadioButton* opt2;  // Molality
    QLabel* Label2;
    QLineEdit* Text1;  // moles of solute
    QLabel* Label3;
    QLineEdit* Text2;  // liters of solution, or kilograms of solvent
    QLabel* Label4;
    QLineEdit* Text3;  // the answer
    QLabel* Label5;    // its unit
    QLineEdit* Text4;  // the work line

protected:
    std::optional<Result> calculate() override;
};
