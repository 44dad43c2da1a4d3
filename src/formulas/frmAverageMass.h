#pragma once
// Average atomic mass: the weights and occurrences of up to six isotopes,
// added up weight times occurrence.
#include "platform/CalculatorForm.h"

class frmAverageMass : public CalculatorForm {
    Q_OBJECT
public:
    frmAverageMass();

    QLabel* Label7;  // heading
    // Weight and occurrence boxes of the six rows, with their labels:
    // Text1/Text2, Text3/Text4, Text5/Text6, Text8/Text9, Text10/Text11, Text12/Text13.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text8, *Text9, *Text10, *Text11, *Text12, *Text13;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label8, *Label9, *Label10, *Label11, *Label12,
        *Label13;
    QLabel* Label14;
    QLineEdit* Text14;  // the average atomic mass
    QLineEdit* Text7;   // the work line

protected:
    std::optional<Result> calculate() override;
};
