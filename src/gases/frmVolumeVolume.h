#pragma once
#include "platform/CalculatorForm.h"

// Volume-volume stoichiometry: the volume of one gas from the volume of another
// and their coefficients, at the same temperature and pressure.
class frmVolumeVolume : public CalculatorForm {
    Q_OBJECT
public:
    frmVolumeVolume();

    QLabel* Label1;  // heading
    QLabel* Label2;
    QLineEdit* Text1;  // V1, litres
    QLabel* Label3;
    QLineEdit* Text2;  // coefficient of the given gas
    QLabel* Label4;
    QLineEdit* Text3;  // coefficient of the gas needed
    QLabel* Label14;
    QLineEdit* Text13;  // the answer
    QLineEdit* Text4;   // the work line

protected:
    std::optional<Result> calculate() override;
};
