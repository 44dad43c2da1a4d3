#include "frmSolutions.h"

namespace {
ChooserForm::Design solutions() {
    ChooserForm::Design s;
    s.caption = QStringLiteral("Solutions");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    auto add = [&s](const char* name, const char* caption, const char* window, int column, int tab,
                    ChooserForm::Leave leave = ChooserForm::Leave::Hide) {
        s.targets.append({QLatin1String(name), QString::fromUtf8(caption), QLatin1String(window), column, tab, leave});
    };
    add("cmdMolarity", "Molarity / Molality", "frmMolarity", 0, 1);
    add("cmdHenrys", "Henry's Law", "frmHenrys", 0, 2);
    // The freezing-point calculator hides the chooser from its own load.
    add("cmdFp", "FP / BP Changes", "frmFreezing", 0, 3, ChooserForm::Leave::Stay);
    add("cmdSolubility", "Solubility Constant", "frmSolubilityConstants", 0, 4);
    add("cmdEquilibrium", "Equilibrium Constant", "frmEquilibriumConstant", 1, 5);
    add("cmdTitration", "Titration", "frmTitration", 1, 6);
    add("cmdIonization", "Ionization Constant", "frmionizationConstant", 1, 7);
    add("cmdMoleFraction", "Mole Fraction / Percent", "frmMoleFraction", 1, 9);
    s.cancelTabIndex = 8;
    s.defaultButton = QStringLiteral("cmdMolarity");
    return s;
}
}  // namespace

frmSolutions::frmSolutions() : ChooserForm(solutions()) {}
