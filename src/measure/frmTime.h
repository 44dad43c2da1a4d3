#pragma once
#include "platform/ConversionForm.h"

// Time values between years, days, hours, minutes and seconds.
class frmTime : public ConversionForm {
    Q_OBJECT
public:
    frmTime();

    QLabel* Label1;
    QLineEdit* Text1;  // the value
    QPushButton* cmdYToD;
    QPushButton* cmdDToH;
    QPushButton* cmdHToM;
    QPushButton* cmdMToS;
    QPushButton* cmdSToM;
    QPushButton* cmdMToH;
    QPushButton* cmdHToD;
    QPushButton* cmdDToY;
    QLabel* Label2;
    QLineEdit* Text2;  // the converted value
    QLabel* Label3;    // its unit
    QPushButton* cmdClose;

protected:
    std::optional<Result> convert(int index, const QString& typed) override;
};
