#pragma once
#include "platform/CalculatorForm.h"

// Henry's law: the solubility of a gas, s = k * P.
class frmHenrys : public CalculatorForm {
    Q_OBJECT
public:
    frmHenrys();

    QLabel* Label2;
    QLineEdit* Text1;  // k, molality per atmosphere
    QLabel* Label3;
    QLineEdit* Text2;  // P, atmospheres
    QLabel* Label4;
    QLineEdit* Text3;  // the answer
    QLineEdit* Text4;  // the work line

protected:
    std::optional<Result> calculate() override;
};
