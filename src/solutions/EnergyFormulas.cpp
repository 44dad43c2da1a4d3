#include "EnergyFormulas.h"

#include "platform/NumberText.h"

#include <cmath>

namespace Energy {

double enthalpyChange(double productH, double productCoefficient, double reactantCoefficient, double reactantH) {
    return Num::checked(productH * productCoefficient - reactantCoefficient * reactantH);
}

double entropyChange(double products, double reactants) { return Num::checked(products - reactants); }

double gibbsFreeEnergy(double dH, double kelvin, double dS) { return Num::checked(dH - kelvin * dS / 1000.0); }

double faradayGrams(double coulombs, double electrons, double molecularWeight) {
    return Num::checked(Num::div(coulombs / Faraday, electrons) * molecularWeight);
}

double faradayMoles(double amps, double minutes, double electrons) {
    return Num::div(Num::checked(amps * minutes * 60.0 / Faraday), electrons);
}

double changeOfStateEnergy(double grams, double molecularWeight, double kJPerMole) {
    return Num::checked(Num::div(grams, molecularWeight) * kJPerMole);
}

long double halfLifeTime(long double halfLife, long double initial, long double final) {
    if (final == 0) throw RuntimeFault(RuntimeFault::DivisionByZero);
    const long double ratio = initial / final;
    if (!(ratio > 0)) throw RuntimeFault(RuntimeFault::InvalidCall);
    const long double t = halfLife * (std::log(ratio) / std::log(2.0L));
    Num::checked(double(t));
    return t;
}

long double halfLifeQuantity(long double halfLife, long double initial, long double time) {
    if (halfLife == 0) throw RuntimeFault(RuntimeFault::DivisionByZero);
    const long double q = initial * std::pow(0.5L, time / halfLife);
    Num::checked(double(q));
    return q;
}

}  // namespace Energy
