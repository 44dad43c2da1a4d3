#pragma once
// Mass and energy: the heat that goes with a mass of a substance, from its
// coefficient and the energy of a balanced equation.
#include "platform/CalculatorForm.h"

class frmMassEnergy : public CalculatorForm {
    Q_OBJECT
public:
    frmMassEnergy();

    QLabel* Label6;     // heading
    QLabel* Label1;
    QLineEdit* Text1;   // coefficient
    QLabel* Label2;
    QLineEdit* Text2;   // grams
    QLabel* Label3;
    QLineEdit* Text3;   // molecular weight
    QLabel* Label4;
    QLineEdit* Text4;   // kJ gained or released
    QLabel* Label7;     // the note on the sign
    QLabel* Label5;
    QLineEdit* Text5;   // the heat energy
    QLineEdit* Text6;   // the work line

protected:
    std::optional<Result> calculate() override;
};
