#pragma once
#include "platform/CalculatorForm.h"

// Molar volume at STP (22.4 L/mol): the mass of a volume of gas, or the moles
// and the volume of a mass of gas.
class frmMolarVolume : public CalculatorForm {
    Q_OBJECT
public:
    frmMolarVolume();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Mass
    QRadioButton* opt2;  // Moles
    QRadioButton* opt3;  // Volume
    QLabel* Label2;
    QLineEdit* Text1;  // MW, g/mol
    QLabel* Label3;
    QLineEdit* Text2;  // litres (Mass) or grams (Moles, Volume)
    QLabel* Label4;
    QLineEdit* Text3;  // the answer
    QLabel* Label1;    // the unit
    QLineEdit* Text4;  // the work line

protected:
    std::optional<Result> calculate() override;
};
