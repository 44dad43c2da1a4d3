#pragma once
#include "platform/CalculatorForm.h"

// Density, mass or volume from the other two.
class frmDensity : public CalculatorForm {
    Q_OBJECT
public:
    frmDensity();

    // The options' frame is the base's `frame` (its object name is the window's own, "frmDensity").
    QRadioButton* optDensity3;  // Density
    QRadioButton* optDensity1;  // Mass
    QRadioButton* optDensity2;  // Volume
    QLabel* Label1;
    QLineEdit* Text1;        // first known quantity
    QLabel* lblDensity2;
    QLineEdit* txtDensity1;  // second known quantity
    QLabel* lblDensity3;
    QLineEdit* txtDensity3;  // the answer
    QLineEdit* Text2;        // the work line

    void option_Click(int index) override;

protected:
    std::optional<Result> calculate() override;
};
