#pragma once
#include "platform/ConversionForm.h"

// Kilograms to newtons and back.
class frmMassToWeight : public ConversionForm {
    Q_OBJECT
public:
    frmMassToWeight();

    QLabel* Label1;
    QLineEdit* Text1;  // kilograms or newtons
    QPushButton* cmdKToN;
    QPushButton* cmdNToK;
    QLabel* Label2;
    QLineEdit* Text2;  // the answer
    QLabel* Label3;    // its unit

protected:
    std::optional<Result> convert(int index, const QString& typed) override;
};
