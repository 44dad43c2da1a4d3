#pragma once
#include "platform/CalculatorForm.h"

// Ionization constant: K = ([P1]^y * [P2]^z) / ([R]^x - [P1]^y).
class frmionizationConstant : public CalculatorForm {
    Q_OBJECT
public:
    frmionizationConstant();

    QLabel* Label8;  // the heading
    QLabel* Label1;
    QLineEdit* Text1;  // [R]
    QLabel* Label5;
    QLineEdit* Text6;  // x
    QLabel* Label2;
    QLineEdit* Text2;  // [P1]
    QLabel* Label6;
    QLineEdit* Text7;  // y
    QLabel* Label3;
    QLineEdit* Text3;  // [P2]
    QLabel* Label7;
    QLineEdit* Text8;  // z
    QLabel* Label4;
    QLineEdit* Text4;  // the answer
    QLineEdit* Text5;  // the work line

protected:
    std::optional<Result> calculate() override;
};
