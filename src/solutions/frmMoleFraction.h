#pragma once
#include "platform/CalculatorForm.h"

// Mole fraction and mole percent of the solute from the masses and molecular
// weights of solute and solvent.
class frmMoleFraction : public CalculatorForm {
    Q_OBJECT
public:
    frmMoleFraction();

    QLabel* Label5;  // the instruction
    QLabel* Label1;
    QLineEdit* Text1;  // mass of solute
    QLabel* Label2;
    QLineEdit* Text2;  // molecular weight of solute
    QLabel* Label3;
    QLineEdit* Text3;  // mass of solvent
    QLabel* Label4;
    QLineEdit* Text4;  // molecular weight of solvent
    QLabel* Label6;
    QLineEdit* Text6;  // the mole fraction
    QLabel* Label7;
    QLineEdit* Text7;  // the mole percent
    QLineEdit* Text5;  // the work line

protected:
    std::optional<Result> calculate() override;
    void showResult(const Result& r) override;
    void cleared() override;
};
