#pragma once
// What the solubility, equilibrium, ionization and titration calculators
// share: Times New Roman 9.75 pt with a large bold "?", return to the
// solutions chooser.
#include "platform/CalculatorForm.h"

namespace EquilibriumShape {

// The common design.
CalculatorForm::Design design(const QString& caption);
// Makes "?" bold 18 pt; called at the end of the window's constructor, so the
// border the shape fixes afterwards makes room for it.
void finish(CalculatorForm* form);

}  // namespace EquilibriumShape
