#pragma once
#include "platform/CalculatorForm.h"

// Equilibrium constant of a reaction with up to two reactants and two
// products: K = ([C]^c * [D]^d) / ([A]^a * [B]^b).
class frmEquilibriumConstant : public CalculatorForm {
    Q_OBJECT
public:
    frmEquilibriumConstant();

    QLabel* Label1;  // the heading
    QGroupBox* Frame1;  // reactants
    QLabel* Label3;
    QLineEdit* Text2;  // coefficient of reactant 1
    QLabel* Label6;
    QLineEdit* Text5;  // concentration of reactant 1
    QLabel* Label4;
    QLineEdit* Text3;  // coefficient of reactant 2
    QLabel* Label5;
    QLineEdit* Text4;  // concentration of reactant 2
    QGroupBox* Frame2;  // products
    QLabel* Label9;
    QLineEdit* Text8;  // coefficient of product 1
    QLabel* Label12;
    QLineEdit* Text11;  // concentration of product 1
    QLabel* Label10;
    QLineEdit* Text9;  // coefficient of product 2
    QLabel* Label13;
    QLineEdit* Text12;  // concentration of product 2
    QLabel* Label2;
    QLineEdit* Text1;   // the answer
    QLineEdit* Text14;  // the work line

protected:
    void prepare() override;
    std::optional<Result> calculate() override;
};
