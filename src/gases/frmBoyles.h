#pragma once
#include "platform/CalculatorForm.h"

// Boyle's law, P1 × V1 = P2 × V2: the final pressure or the final volume.
class frmBoyles : public CalculatorForm {
    Q_OBJECT
public:
    frmBoyles();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Find final pressure
    QRadioButton* opt2;  // Find final volume
    QLabel* Label3;
    QLineEdit* txtInitialVolume;  // row 1: V1 (opt1) or P1 (opt2)
    QLabel* Label4;
    QLineEdit* txtInitialPressure;  // row 2: P1 (opt1) or V1 (opt2)
    QLabel* Label1;
    QLineEdit* txtFinalEntry;  // row 3: V2 (opt1) or P2 (opt2)
    QLabel* Label2;
    QLineEdit* txtFinalAnswer;
    QLabel* Label5;  // the unit, shown with an answer
    QLineEdit* Text1;  // the work line

    void option_Click(int index) override;

protected:
    std::optional<Result> calculate() override;
    void showResult(const Result& r) override;
    void cleared() override;
};
