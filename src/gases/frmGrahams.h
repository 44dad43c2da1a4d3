#pragma once
#include "platform/CalculatorForm.h"

// Graham's law: relative rate of diffusion of two gases.
class frmGrahams : public CalculatorForm {
    Q_OBJECT
public:
    frmGrahams();

    QLabel* Label2;
    QLineEdit* Text1;  // M1
    QLabel* Label3;
    QLineEdit* Text2;  // M2
    QLabel* Label6;
    QLineEdit* Text5;  // the answer
    QLineEdit* Text3;  // the work line

protected:
    std::optional<Result> calculate() override;
};
