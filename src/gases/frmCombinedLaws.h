#pragma once
#include "platform/CalculatorForm.h"

#include <QCheckBox>

// The combined gas law: V2 = V1 x (P1 / P2) x (T2 / T1), with the original
// pressure corrected for water vapour when the gas was collected over water.
class frmCombinedLaws : public CalculatorForm {
    Q_OBJECT
public:
    frmCombinedLaws();

    QCheckBox* chk1;  // collected over water
    QLabel* Label2;
    QLineEdit* Text1;  // V1, liters
    QLabel* Label3;
    QLineEdit* Text2;  // P1, kPa
    QLabel* Label5;
    QLineEdit* Text3;  // T1, kelvin
    QLabel* Label4;
    QLineEdit* Text4;  // P2, kPa
    QLabel* Label6;
    QLineEdit* Text5;  // T2, kelvin
    QLabel* Label8;
    QLineEdit* Text7;  // the answer
    QLabel* Label7;    // its unit
    QLineEdit* Text6;  // the work line

    // Another correction: the answer and work line no longer hold.
    void chk1_Click();

protected:
    std::optional<Result> calculate() override;
    void cleared() override;
};
