#pragma once
#include "platform/CalculatorForm.h"

// The volume of a sphere, a block (cube) or a cylinder.
class frmVolume : public CalculatorForm {
    Q_OBJECT
public:
    frmVolume();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Sphere
    QRadioButton* opt2;  // Block
    QRadioButton* opt3;  // Cylinder
    QLabel* Label2;
    QLineEdit* Text1;  // radius, side or height
    QLabel* Label3;
    QLineEdit* Text2;  // radius of the cylinder
    QLabel* Label4;
    QLineEdit* Text3;  // the answer
    QLineEdit* Text4;  // the work line

    static constexpr double Pi = 3.14159265;

protected:
    std::optional<Result> calculate() override;
};
