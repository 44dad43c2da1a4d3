#pragma once
#include "platform/CalculatorForm.h"

// Counts the significant figures of a typed number.
class frmSigfig : public CalculatorForm {
    Q_OBJECT
public:
    frmSigfig();

    QLabel* lblsigfig1;
    QLineEdit* txtSigfig1;  // the number
    QLabel* lblSigfig2;
    QLineEdit* txtSigfig2;  // the count

protected:
    void prepare() override;
    // A new number empties the count of the last one.
    void input_Change(int index) override;
    std::optional<Result> calculate() override;
};
