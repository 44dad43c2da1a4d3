#pragma once
#include "platform/CalculatorForm.h"

// Enthalpy change of a reaction from one reactant and one product, the
// entropy change from the sums for products and reactants, and the Gibbs
// free energy from the enthalpy change, the temperature and the entropy change.
class frmThermoData : public CalculatorForm {
    Q_OBJECT
public:
    enum { Enthalpy, Entropy, Gibbs };
    frmThermoData();

    QGroupBox* Frame1;
    QRadioButton* opt1;  // Enthalpy
    QRadioButton* opt2;  // Entropy
    QRadioButton* opt3;  // Gibbs Free Energy
    QLabel* Label1;
    QLineEdit* Text1;  // reactant enthalpy; products' entropies; enthalpy change
    QLabel* Label2;
    QLineEdit* Text2;  // product enthalpy; reactants' entropies; kelvin temperature
    QLabel* Label3;
    QLineEdit* Text3;  // reactant coefficient; entropy change under Gibbs
    QLabel* Label5;    // " to "
    QLineEdit* Text5;  // product coefficient
    QLabel* Label4;
    QLineEdit* Text4;  // the answer
    QLabel* Label6;    // its unit
    QLineEdit* Text6;  // the work line


protected:
    std::optional<Result> calculate() override;
    void cleared() override;
};
