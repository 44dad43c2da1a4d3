#pragma once
#include "platform/CalculatorForm.h"

// Energy to melt or to boil a mass: mass / molecular weight * heat of fusion
// or of vaporization, in kJ.
class frmChangeOfState : public CalculatorForm {
    Q_OBJECT
public:
    enum { Melting, Boiling };
    frmChangeOfState();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Melting
    QRadioButton* opt2;  // Boiling
    QLabel* Label1;
    QLineEdit* Text1;  // mass, grams
    QLabel* Label2;
    QLineEdit* Text2;  // heat of fusion or of vaporization, kJ/mol
    QLabel* Label3;
    QLineEdit* Text3;  // molecular weight
    QLabel* Label4;
    QLineEdit* Text4;  // the answer
    QLabel* Label5;    // "kJ"
    QLineEdit* Text5;  // the work line

protected:
    std::optional<Result> calculate() override;
    void cleared() override;
};
