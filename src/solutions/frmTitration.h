#pragma once
#include "platform/CalculatorForm.h"

#include <QFrame>

// Acid-base titration: with r moles of base per mole of acid,
// Mb * Vb = r * Ma * Va; the one empty box of the four is solved for.
class frmTitration : public CalculatorForm {
    Q_OBJECT
public:
    frmTitration();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Molarity
    QRadioButton* opt2;  // Molality
    QLabel* Label1;      // the instruction
    QLabel* Label2;
    QLineEdit* Text1;  // Ma
    QLabel* Label3;
    QLineEdit* Text2;  // Va
    QLabel* Label4;
    QLineEdit* Text3;  // Mb
    QLabel* Label5;
    QLineEdit* Text4;  // Vb
    QFrame* Line1;
    QLabel* Label7;
    QLineEdit* Text6;  // r
    QLabel* Label6;
    QLineEdit* Text5;  // the answer
    QLineEdit* Text7;  // the work line

protected:
    std::optional<Result> calculate() override;
    void showResult(const Result& r) override;
    void cleared() override;

private:
    QString m_caption;  // the caption of the quantity just computed
};
