#include "frmMoleChoice.h"

namespace {
ChooserForm::Design moleChoice(frmMoleChoice& w) {
    using Target = ChooserForm::Target;
    ChooserForm::Design d;
    d.caption = QStringLiteral("Mole Calculations");
    // Each button hides the chooser; the chosen window shows it again on closing.
    d.targets = {
        Target{.name = BIND(w, cmdMoles), .caption = QStringLiteral("Moles - Elements"),
               .window = QStringLiteral("fmrMoles")},
        Target{.name = BIND(w, cmdAveAtMass), .caption = QStringLiteral("Average Atomic Mass"),
               .window = QStringLiteral("frmAverageMass"), .tabIndex = 1},
        Target{.name = BIND(w, cmdMassEnergy), .caption = QStringLiteral("Mass - Energy"),
               .window = QStringLiteral("frmMassEnergy"), .tabIndex = 2},
        Target{.name = BIND(w, cmdAtom), .caption = QStringLiteral("Build An Atom"),
               .window = QStringLiteral("frmBuildAtoms"), .tabIndex = 3},
    };
    d.cancelTabIndex = 4;
    d.defaultButton = QStringLiteral("cmdMoles");
    d.buttonWidth = 180;
    return d;
}
}  // namespace

frmMoleChoice::frmMoleChoice() : ChooserForm(moleChoice(*this)) {}
