#pragma once
#include "platform/CalculatorForm.h"

// Faraday's law of electrolysis: grams deposited by a charge, moles released
// by a current over a time, and the volume of that gas at STP.
class frmFaradays : public CalculatorForm {
    Q_OBJECT
public:
    enum { Grams, Moles, Liters };
    frmFaradays();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Grams
    QRadioButton* opt2;  // Moles
    QRadioButton* opt3;  // Liters
    QLabel* Label1;
    QLineEdit* Text1;  // coulombs, or amps
    QLabel* Label2;
    QLineEdit* Text2;  // molecular weight, or minutes
    QLabel* Label3;
    QLineEdit* Text3;  // moles of electrons
    QLabel* Label5;
    QLineEdit* Text5;  // minutes (Grams only; not part of the charge)
    QLabel* Label6;
    QLineEdit* Text6;  // the answer
    QLabel* Label4;    // its unit
    QLineEdit* Text4;  // the work line


protected:
    std::optional<Result> calculate() override;
    void cleared() override;
};
