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

double halfLifeTime(double halfLife, double initial, double final) {
    return Num::checked(halfLife * Num::div(Num::log(Num::div(initial, final)), std::log(2.0)));
}

double halfLifeQuantity(double halfLife, double initial, double time) {
    return Num::checked(initial * Num::pow(0.5, Num::div(time, halfLife)));
}

}  // namespace Energy
