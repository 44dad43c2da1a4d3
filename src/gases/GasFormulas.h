#pragma once
// The gas-law formulas the gas calculators evaluate, in double precision.
// Each step is checked: a zero divisor is a DivisionByZero fault, a value
// beyond range an Overflow (RuntimeFault, for the window's error trap).

namespace GasFormulas {

// Litres per mole of a gas at STP.
constexpr double MolarVolume = 22.4;
// Gas constant in L·kPa/(mol·K).
constexpr double RKilopascal = 8.314;
// Gas constant in L·atm/(mol·K), as the ideal gas, molecular mass and gas
// density windows show it (".0821") and compute with it.
constexpr double RAtmosphere = 0.0821;
inline constexpr const char* RAtmosphereText = ".0821";

// The two-state laws (Boyle, Charles, Gay-Lussac): a × (b ÷ c), b divided by c first.
double scaled(double a, double b, double c);

// PV = nRT solved for one quantity; R in L·atm/(mol·K).
// R × (n × T) ÷ d: the pressure (d the volume) or the volume (d the pressure).
double nrtOver(double r, double n, double t, double d);
// (P × V) ÷ (R × T): the moles.
double moles(double r, double p, double v, double t);
// (P × V) ÷ (n × R): the kelvin temperature.
double temperature(double r, double p, double v, double n);

// Molar mass m ÷ ((V × P) ÷ (T × R)), in g/mol.
double molarMass(double m, double p, double v, double t, double r);
// Density (MW × P) ÷ (T × R), in g/L.
double density(double mw, double p, double t, double r);

// Molar volume at STP: grams from litres, moles and litres from grams.
double massOfVolume(double mw, double litres);
double molesOfMass(double mw, double grams);
double volumeOfMass(double mw, double grams);

// Litres of gas at STP from grams of reactant: m ÷ MW × product ÷ reactant × 22.4.
double gasVolume(double grams, double mw, double product, double reactant);
// Grams of reactant from a gas volume at P (kPa) and T (K):
// P × V ÷ (8.314 × T) × reactant ÷ product × MW.
double reactantMass(double kpa, double litres, double kelvin, double product, double reactant, double mw);

// Volume of the needed gas: (needed ÷ given) × V.
long double volumeRatio(long double litres, long double given, long double needed);

}  // namespace GasFormulas
