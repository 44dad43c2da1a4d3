#pragma once
// What the solubility, equilibrium, ionization and titration calculators
// share: Times New Roman 9.75 pt with a large bold "?", return to the
// solutions chooser.
#include "platform/CalculatorForm.h"

namespace EquilibriumShape {

// The common design; the window fixes its border once its controls are placed.
CalculatorForm::Design design(const QString& caption);
// Makes "?" bold 18 pt and fixes the window's border.
void finish(CalculatorForm* form);

}  // namespace EquilibriumShape
