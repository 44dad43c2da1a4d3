#include "frmMoleChoice.h"

namespace {
ChooserForm::Design moleChoice() {
    ChooserForm::Design d;
    d.caption = QStringLiteral("Mole Calculations");
    // Each button hides the chooser; the chosen window shows it again on closing.
    auto add = [&d](const char* name, const char* caption, const char* window) {
        const int tab = int(d.targets.size());
        d.targets.append({QLatin1String(name), QLatin1String(caption), QLatin1String(window), 0, tab,
                          ChooserForm::Leave::Hide});
    };
    add("cmdMoles", "Moles - Elements", "fmrMoles");
    add("cmdAveAtMass", "Average Atomic Mass", "frmAverageMass");
    add("cmdMassEnergy", "Mass - Energy", "frmMassEnergy");
    add("cmdAtom", "Build An Atom", "frmBuildAtoms");
    d.cancelTabIndex = int(d.targets.size());
    d.defaultButton = QStringLiteral("cmdMoles");
    d.buttonWidth = 180;
    return d;
}
}  // namespace

frmMoleChoice::frmMoleChoice() : ChooserForm(moleChoice()) {
    cmdMoles = button(QStringLiteral("cmdMoles"));
    cmdAveAtMass = button(QStringLiteral("cmdAveAtMass"));
    cmdMassEnergy = button(QStringLiteral("cmdMassEnergy"));
    cmdAtom = button(QStringLiteral("cmdAtom"));
}
