#pragma once
#include "platform/CalculatorForm.h"

// Gas stoichiometry at STP: the volume of gas from a mass of reactant, or the
// mass of reactant from a volume of gas at a given temperature and pressure.
class frmMassVolume : public CalculatorForm {
    Q_OBJECT
public:
    frmMassVolume();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Volume
    QRadioButton* opt2;  // Mass
    QLabel* Label1;
    QLineEdit* Text1;  // grams of reactant (Volume) or litres of gas (Mass)
    QLabel* Label2;
    QLineEdit* Text2;  // MW of the reactant (Volume) or kelvin (Mass)
    QLabel* Label3;
    QLineEdit* Text3;  // product coefficient
    QLabel* Label5;    // "to"
    QLineEdit* Text5;  // reactant coefficient
    QLabel* Label6;
    QLineEdit* Text6;  // MW of the reactant (Mass)
    QLabel* Label7;
    QLineEdit* Text7;  // kPa (Mass)
    QLabel* Label4;
    QLineEdit* Text4;  // the answer
    QLabel* Label8;    // the unit
    QLineEdit* Text8;  // the work line


protected:
    std::optional<Result> calculate() override;
    void cleared() override;
};
