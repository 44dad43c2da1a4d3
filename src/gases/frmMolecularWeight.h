#pragma once
#include "platform/CalculatorForm.h"

// The molar mass of a gas from its pressure, mass, volume and temperature.
class frmMolecularWeight : public CalculatorForm {
    Q_OBJECT
public:
    frmMolecularWeight();

    QLabel* Label1;  // heading
    QLabel* Label8;
    QLineEdit* Text6;  // P, atmospheres
    QLabel* Label4;
    QLineEdit* Text3;  // m, grams
    QLabel* Label3;
    QLineEdit* Text2;  // V, litres
    QLabel* Label5;
    QLineEdit* Text4;  // T, kelvin
    QLabel* Label2;
    QLineEdit* Text1;  // R, shown only
    QLabel* Label6;
    QLineEdit* Text5;  // the answer
    QLabel* Label7;
    QLineEdit* Text7;  // the work line

protected:
    std::optional<Result> calculate() override;
};
