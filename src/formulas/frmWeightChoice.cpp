#include "frmWeightChoice.h"

namespace {
ChooserForm::Design weightChoice(frmWeightChoice& w) {
    using Target = ChooserForm::Target;
    ChooserForm::Design d;
    d.caption = QStringLiteral("Molecular Weight Calculations");
    // Each button closes the chooser before it opens its window.
    d.targets = {
        Target{.name = BIND(w, cmdCalculateWeight), .caption = QStringLiteral("Calculate MolecularWeight"),
               .window = QStringLiteral("frmWeights"), .leave = ChooserForm::Leave::Unload},
        Target{.name = BIND(w, cmdCalculate), .caption = QStringLiteral("Weight Calculations"),
               .window = QStringLiteral("frmWeightCalculations"), .tabIndex = 1, .leave = ChooserForm::Leave::Unload},
    };
    d.cancelName = BIND(w, cmdClose);
    d.cancelCaption = QStringLiteral("Close");
    d.cancelTabIndex = 2;
    d.buttonWidth = 220;
    return d;
}
}  // namespace

frmWeightChoice::frmWeightChoice() : ChooserForm(weightChoice(*this)) {}
