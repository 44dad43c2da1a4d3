#include "frmSolutions.h"

namespace {
ChooserForm::Design solutions() {
    using Target = ChooserForm::Target;
    ChooserForm::Design s;
    s.caption = QStringLiteral("Solutions");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    s.targets = {
        Target{.name = NAMED(cmdMolarity), .caption = QStringLiteral("Molarity / Molality"),
               .window = QStringLiteral("frmMolarity"), .tabIndex = 1},
        Target{.name = NAMED(cmdHenrys), .caption = QStringLiteral("Henry's Law"),
               .window = QStringLiteral("frmHenrys"), .tabIndex = 2},
        // The freezing-point calculator hides the chooser from its own load.
        Target{.name = NAMED(cmdFp), .caption = QStringLiteral("FP / BP Changes"),
               .window = QStringLiteral("frmFreezing"), .tabIndex = 3, .leave = ChooserForm::Leave::Stay},
        Target{.name = NAMED(cmdSolubility), .caption = QStringLiteral("Solubility Constant"),
               .window = QStringLiteral("frmSolubilityConstants"), .tabIndex = 4},
        Target{.name = NAMED(cmdEquilibrium), .caption = QStringLiteral("Equilibrium Constant"),
               .window = QStringLiteral("frmEquilibriumConstant"), .column = 1, .tabIndex = 5},
        Target{.name = NAMED(cmdTitration), .caption = QStringLiteral("Titration"),
               .window = QStringLiteral("frmTitration"), .column = 1, .tabIndex = 6},
        Target{.name = NAMED(cmdIonization), .caption = QStringLiteral("Ionization Constant"),
               .window = QStringLiteral("frmionizationConstant"), .column = 1, .tabIndex = 7},
        Target{.name = NAMED(cmdMoleFraction), .caption = QStringLiteral("Mole Fraction / Percent"),
               .window = QStringLiteral("frmMoleFraction"), .column = 1, .tabIndex = 9},
    };
    s.cancelTabIndex = 8;
    s.defaultButton = QStringLiteral("cmdMolarity");
    return s;
}
}  // namespace

frmSolutions::frmSolutions() : ChooserForm(solutions()) {}
