#pragma once
// Formulas of the energy calculators, apart from their windows. Faults
// (division by zero, overflow, no logarithm) are thrown as RuntimeFault.

namespace Energy {

// Faraday constant used by the electrolysis window, coulombs per mole of electrons.
inline constexpr double Faraday = 96500.0;

// Enthalpy change of a reaction, kJ: product enthalpy times its coefficient
// less reactant coefficient times reactant enthalpy.
double enthalpyChange(double productH, double productCoefficient, double reactantCoefficient, double reactantH);
// Entropy change: sum for the products less sum for the reactants, J/K.
double entropyChange(double products, double reactants);
// Gibbs free energy, kJ: dH (kJ) - T (K) * dS (J/K) / 1000.
double gibbsFreeEnergy(double dH, double kelvin, double dS);

// Grams deposited by a charge: C / 96500 / z * M.
double faradayGrams(double coulombs, double electrons, double molecularWeight);
// Moles released by a current over a time: A * min * 60 / 96500 / z.
double faradayMoles(double amps, double minutes, double electrons);

// Energy to melt or boil a mass, kJ: mass / MW * heat of change (kJ/mol).
double changeOfStateEnergy(double grams, double molecularWeight, double kJPerMole);

// Time for a quantity to decay from initial to final: halfLife * log2(initial / final).
long double halfLifeTime(long double halfLife, long double initial, long double final);
// Quantity left after a time: initial * (1/2) ^ (time / halfLife).
long double halfLifeQuantity(long double halfLife, long double initial, long double time);

}  // namespace Energy
