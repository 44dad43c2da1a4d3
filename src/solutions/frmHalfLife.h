#pragma once
#include "platform/CalculatorForm.h"

// Radioactive decay: the time, in whole half-lives, for an initial quantity
// to fall to a final one, and the quantity left after a time.
class frmHalfLife : public CalculatorForm {
    Q_OBJECT
public:
    enum { Time, Quantity };
    frmHalfLife();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Time
    QRadioButton* opt2;  // Quantity
    QLabel* Label2;
    QLineEdit* Text1;  // half-life
    QLabel* Label3;
    QLineEdit* Text2;  // initial quantity
    QLabel* Label5;
    QLineEdit* Text4;  // final quantity, or the time period
    QLabel* Label4;
    QLineEdit* Text3;  // the answer
    QLabel* Label6;    // its unit
    QLineEdit* Text5;  // the work line


protected:
    std::optional<Result> calculate() override;
    void cleared() override;

private:
    // The answer box is wide enough for the longest answer.
    void widenAnswer();
};
