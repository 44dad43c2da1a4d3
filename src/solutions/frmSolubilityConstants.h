#pragma once
#include "platform/CalculatorForm.h"

// Solubility product constant: Ksp = [product 1]^a * [product 2]^b.
class frmSolubilityConstants : public CalculatorForm {
    Q_OBJECT
public:
    frmSolubilityConstants();

    QLabel* Label6;  // the heading
    QLabel* Label2;
    QLineEdit* Text1;  // concentration of product 1
    QLabel* Label1;
    QLineEdit* Text5;  // its coefficient
    QLabel* Label3;
    QLineEdit* Text2;  // concentration of product 2
    QLabel* Label5;
    QLineEdit* Text6;  // its coefficient
    QLabel* Label4;
    QLineEdit* Text3;  // the answer
    QLineEdit* Text4;  // the work line

protected:
    std::optional<Result> calculate() override;
    void cleared() override;
};
