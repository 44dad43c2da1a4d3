#pragma once
#include "platform/CalculatorForm.h"

// The density of a gas from its molecular weight, pressure and temperature.
class frmGasDensity : public CalculatorForm {
    Q_OBJECT
public:
    frmGasDensity();

    QLabel* Label1;  // heading
    QLabel* Label2;
    QLineEdit* Text1;  // MW, g/mol
    QLabel* Label3;
    QLineEdit* Text2;  // P, atmospheres
    QLabel* Label4;
    QLineEdit* Text3;  // R, shown only
    QLabel* Label5;
    QLineEdit* Text4;  // T, kelvin
    QLabel* Label6;
    QLineEdit* Text5;  // the answer
    QLabel* Label7;
    QLineEdit* Text6;  // the work line

protected:
    std::optional<Result> calculate() override;
};
