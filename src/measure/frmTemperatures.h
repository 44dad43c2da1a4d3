#pragma once
#include "platform/ConversionForm.h"

// Temperatures between Celsius, Fahrenheit and Kelvin, with the worked formula.
class frmTemperatures : public ConversionForm {
    Q_OBJECT
public:
    frmTemperatures();

    QLabel* Label1;
    QLineEdit* Text1;  // the temperature
    QPushButton* cmdFToC;
    QPushButton* cmdFToK;
    QPushButton* cmdCToF;
    QPushButton* cmdCToK;
    QPushButton* cmdKToF;
    QPushButton* cmdKToC;
    QLabel* Label2;
    QLineEdit* Text2;  // the converted temperature
    QLineEdit* Text3;  // the work line

protected:
    std::optional<Result> convert(int index, const QString& typed) override;
};
