#pragma once
// Mass-mass calculator: from the coefficients of two substances of a balanced
// reaction, their molecular weights and the grams of one, the grams of the other.
#include "platform/CalculatorForm.h"

class frmMass : public CalculatorForm {
    Q_OBJECT
public:
    frmMass();

    QLabel* Label1;
    QLabel* Label15;
    QLineEdit* Text14;
    QLabel* Label2;
    QLineEdit* Text1;
    QLabel* Label7;
    QLineEdit* Text6;
    QLabel* Label18;
    QLineEdit* Text17;
    QLabel* Label5;
    QLineEdit* Text4;
    QLabel* Label10;
    QLineEdit* Text9;
    QLabel* Label14;
    QLineEdit* Text13;
    QLabel* Label22;
    QLineEdit* Text2;

protected:
    void prepare() override;
    std::optional<Result> calculate() override;

private:
    double m_given = 0;  // the grams typed in the filled gram box
};
