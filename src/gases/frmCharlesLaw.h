#pragma once
#include "platform/CalculatorForm.h"

// Charles's law, V1 ÷ T1 = V2 ÷ T2: the final temperature or the final volume.
class frmCharlesLaw : public CalculatorForm {
    Q_OBJECT
public:
    frmCharlesLaw();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Find final temperature
    QRadioButton* opt2;  // Find final volume
    QLabel* Label1;
    QLineEdit* txtInitialTemperature;  // T1
    QLabel* Label2;
    QLineEdit* txtInitialVolume;  // V1
    QLabel* Label3;
    QLineEdit* txtFinalEntry;  // V2 (opt1) or T2 (opt2)
    QLabel* Label4;
    QLineEdit* txtFinalAnswer;
    QLabel* Label5;    // the unit
    QLineEdit* Text1;  // the work line

protected:
    std::optional<Result> calculate() override;
};
