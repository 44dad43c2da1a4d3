#pragma once
#include "platform/CalculatorForm.h"

// Raoult's law: the vapour pressure of water at a temperature times the mole
// fraction of the solvent.
class frmRaoults : public CalculatorForm {
    Q_OBJECT
public:
    frmRaoults();

    QLabel* Label2;
    QLineEdit* Text1;  // temperature, Celsius
    QLabel* Label3;
    QLineEdit* Text2;  // mass of solute, g
    QLabel* Label4;
    QLineEdit* Text3;  // molecular weight of the solute
    QLabel* Label5;
    QLineEdit* Text4;  // mass of solvent, g
    QLabel* Label6;
    QLineEdit* Text5;  // molecular weight of the solvent
    QLabel* Label7;
    QLineEdit* Text6;  // the answer, kPa
    QLabel* Label8;    // its unit
    QLineEdit* Text7;  // the work line

protected:
    std::optional<Result> calculate() override;
    void trap(const RuntimeFault& fault) override;
};
