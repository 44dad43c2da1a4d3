#pragma once
// The arithmetic of the mole windows: converting an amount of an element
// between moles, grams and atoms, averaging isotope masses, and the heat that
// goes with a mass of a substance. Faults (text that is no number, overflow,
// division by zero) are thrown as RuntimeFault.
#include <QList>
#include <QString>

namespace MoleMath {

inline constexpr double Avogadro = 6.023E23;
inline constexpr long double AvogadroExtended = 6.023E23L;

enum class Unit { Moles, Grams, Atoms };
QString unitName(Unit u);  // "Moles", "Grams", "Atoms"

struct Conversion {
    QString answer;  // moles with three decimals, grams in the general form, atoms in scientific form
    QString work;
    QString unit;
};
// The amount and the atomic weight as typed.
Conversion convert(Unit from, Unit to, const QString& amount, const QString& weight);

struct Isotope {
    double weight = 0;
    double occurrence = 0;
};
struct Average {
    double mass = 0;
    QString work;
    bool percentages = false;  // the occurrences were read as percentages
};
// Occurrences summing to more than 1.5 are percentages and count a hundredth.
Average averageMass(const QList<Isotope>& isotopes);

struct Heat {
    double energy = 0;
    QString work;
};
// grams / molecular weight * kJ / coefficient, left to right.
Heat heatEnergy(double coefficient, double grams, double molecularWeight, double kilojoules);

}  // namespace MoleMath
