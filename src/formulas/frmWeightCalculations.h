#pragma once
// Weight calculations: converts a quantity of a substance between molecules,
// grams and moles with its molecular weight.
#include "platform/CalculatorForm.h"

class frmWeightCalculations : public CalculatorForm {
    Q_OBJECT
public:
    frmWeightCalculations();

    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QGroupBox* Frame2;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QLabel* Label3;
    QLineEdit* Text3;
    QLineEdit* Text4;

    static constexpr double Avogadro = 6.02E23;

    void Form_Load() override;
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();

protected:
    void prepare() override;
    std::optional<Result> calculate() override;
    void cleared() override;

private:
    void showUnit(const QString& caption);
    double m_weight = 0;
    double m_quantity = 0;
};
