#pragma once
#include "platform/CalculatorForm.h"

// Gay-Lussac's law, P1 ÷ T1 = P2 ÷ T2: the final pressure or the final temperature.
class frmGayLussac : public CalculatorForm {
    Q_OBJECT
public:
    frmGayLussac();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Find pressure
    QRadioButton* opt2;  // Find temperature
    QLabel* Label2;
    QLineEdit* Text1;  // P1 (opt1) or T1 (opt2)
    QLabel* Label3;
    QLineEdit* Text2;  // T1 (opt1) or P1 (opt2)
    QLabel* Label4;
    QLineEdit* Text3;  // T2 (opt1) or P2 (opt2)
    QLabel* Label5;
    QLineEdit* Text4;  // the answer
    QLabel* Label6;    // the unit
    QLineEdit* Text5;  // the work line

protected:
    std::optional<Result> calculate() override;
};
