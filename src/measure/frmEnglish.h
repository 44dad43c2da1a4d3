#pragma once
#include "platform/ConversionForm.h"

// Twelve pairs of English and metric units, both ways.
class frmEnglish : public ConversionForm {
    Q_OBJECT
public:
    frmEnglish();

    QLabel* Label1;
    QLineEdit* Text1;  // the value
    QRadioButton* Option1;  // English To Metric
    QRadioButton* Option2;  // Metric To English
    QPushButton* cmdPToK;
    QPushButton* cmdPToG;
    QPushButton* cmdOToK;
    QPushButton* cmdOToG;
    QPushButton* cmdFToM;
    QPushButton* cmdFToC;
    QPushButton* cmdIToM;
    QPushButton* cmdIToC;
    QPushButton* cmdLToG;
    QPushButton* cmdLToOunces;
    QPushButton* cmdMToG;
    QPushButton* cmdMToO;
    QLineEdit* Text2;  // the converted value
    QLabel* Label3;    // its unit

protected:
    std::optional<Result> convert(int index, const QString& typed) override;
};
