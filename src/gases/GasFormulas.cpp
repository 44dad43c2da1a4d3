#include "GasFormulas.h"

#include "platform/NumberText.h"

namespace GasFormulas {

namespace {
double mul(double a, double b) { return Num::checked(a * b); }
}  // namespace

double scaled(double a, double b, double c) { return mul(Num::div(b, c), a); }

double nrtOver(double r, double n, double t, double d) { return Num::div(mul(r, mul(n, t)), d); }

double moles(double r, double p, double v, double t) { return Num::div(mul(p, v), mul(r, t)); }

double temperature(double r, double p, double v, double n) { return Num::div(mul(p, v), mul(n, r)); }

double molarMass(double m, double p, double v, double t, double r) {
    return Num::div(m, Num::div(mul(v, p), mul(t, r)));
}

double density(double mw, double p, double t, double r) { return Num::div(mul(mw, p), mul(t, r)); }

double massOfVolume(double mw, double litres) { return Num::div(mul(litres, mw), MolarVolume); }

double molesOfMass(double mw, double grams) { return Num::div(grams, mw); }

double volumeOfMass(double mw, double grams) { return mul(Num::div(grams, mw), MolarVolume); }

double gasVolume(double grams, double mw, double product, double reactant) {
    return mul(Num::div(mul(Num::div(grams, mw), product), reactant), MolarVolume);
}

double reactantMass(double kpa, double litres, double kelvin, double product, double reactant, double mw) {
    const double gasMoles = Num::div(mul(kpa, litres), mul(RKilopascal, kelvin));
    return mul(Num::div(mul(gasMoles, reactant), product), mw);
}

long double volumeRatio(long double litres, long double given, long double needed) {
    if (given == 0) throw RuntimeFault(RuntimeFault::DivisionByZero);
    const long double v = needed / given * litres;
    Num::checked(double(v));
    return v;
}

}  // namespace GasFormulas
