#pragma once
// What the solubility, equilibrium, ionization and titration calculators
// share: Times New Roman 9.75 pt with a large bold "?", return to the
// solutions chooser.
#include "platform/CalculatorForm.h"

namespace EquilibriumShape {

// The common design.
CalculatorForm::Design design(const QString& caption);

}  // namespace EquilibriumShape
