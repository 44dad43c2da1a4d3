#include "frmMoleChoice.h"

namespace {
ChooserForm::Design moleChoice(frmMoleChoice& w) {
    using Target = ChooserForm::Target;
    ChooserForm::Design d;
    d.caption = QStringLiteral("Mole Calculations");
    // Each button hides the chooser; the chosen window shows it again on closing.
    d.targets = {
        Target{.name = QStringLiteral("cmdMoles"), .caption = QStringLiteral("Moles - Elements"),
               .window = QStringLiteral("fmrMoles"), .button = &w.cmdMoles},
        Target{.name = QStringLiteral("cmdAveAtMass"), .caption = QStringLiteral("Average Atomic Mass"),
               .window = QStringLiteral("frmAverageMass"), .tabIndex = 1, .button = &w.cmdAveAtMass},
        Target{.name = QStringLiteral("cmdMassEnergy"), .caption = QStringLiteral("Mass - Energy"),
               .window = QStringLiteral("frmMassEnergy"), .tabIndex = 2, .button = &w.cmdMassEnergy},
        Target{.name = QStringLiteral("cmdAtom"), .caption = QStringLiteral("Build An Atom"),
               .window = QStringLiteral("frmBuildAtoms"), .tabIndex = 3, .button = &w.cmdAtom},
    };
    d.cancelTabIndex = 4;
    d.defaultButton = QStringLiteral("cmdMoles");
    d.buttonWidth = 180;
    return d;
}
}  // namespace

frmMoleChoice::frmMoleChoice() : ChooserForm(moleChoice(*this)) {}
