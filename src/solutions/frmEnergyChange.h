#pragma once
#include "platform/CalculatorForm.h"

// Heat gained or lost: q = m * dT * c, in joules.
class frmEnergyChange : public CalculatorForm {
    Q_OBJECT
public:
    frmEnergyChange();

    QLabel* Label1;
    QLineEdit* Text1;  // mass, grams
    QLabel* Label2;
    QLineEdit* Text2;  // temperature change
    QLabel* Label3;
    QLineEdit* Text3;  // specific heat
    QLabel* Label4;
    QLineEdit* Text4;  // the answer
    QLabel* Label5;    // "Joules"
    QLineEdit* Text5;  // the work line

protected:
    std::optional<Result> calculate() override;
};
