#pragma once
#include "platform/CalculatorForm.h"

// The ideal gas law, PV = nRT, solved for the pressure, the volume, the moles or the temperature.
class frmIdeal : public CalculatorForm {
    Q_OBJECT
public:
    frmIdeal();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Pressure
    QRadioButton* opt2;  // Volume
    QRadioButton* opt3;  // # of Moles
    QRadioButton* opt4;  // Temperature
    QLabel* Label2;
    QLineEdit* Text1;  // R, shown only
    QLabel* Label3;
    QLineEdit* Text2;  // V, or P for the volume
    QLabel* Label4;
    QLineEdit* Text3;  // n, or P for the moles
    QLabel* Label5;
    QLineEdit* Text4;  // T, or P for the temperature
    QLabel* Label6;
    QLineEdit* Text5;  // the answer
    QLabel* Label7;    // the unit
    QLineEdit* Text6;  // the work line

protected:
    std::optional<Result> calculate() override;
};
