#pragma once
#include "platform/CalculatorForm.h"

// Dalton's law: a gas collected over water, less the water's vapour pressure,
// as a dry-gas volume at the final pressure or as the dry gas's pressure.
class frmDalton : public CalculatorForm {
    Q_OBJECT
public:
    frmDalton();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Calculate volume
    QRadioButton* opt2;  // Calculate pressure
    QLabel* Label1;
    QLineEdit* Text1;  // temperature, Celsius
    QLabel* Label2;
    QLineEdit* Text2;  // volume as collected (opt1), total pressure (opt2)
    QLabel* Label3;
    QLineEdit* Text3;  // total pressure (opt1)
    QLabel* Label5;
    QLineEdit* Text5;  // final pressure (opt1)
    QLabel* Label6;
    QLineEdit* Text6;  // the answer
    QLabel* Label7;    // its unit
    QLineEdit* Text7;  // the work line

    void option_Click(int index) override;

protected:
    std::optional<Result> calculate() override;
};
