#include "frmWeightChoice.h"

namespace {
ChooserForm::Design weightChoice() {
    ChooserForm::Design d;
    d.caption = QStringLiteral("Molecular Weight Calculations");
    // Each button closes the chooser before it opens its window.
    d.targets = {
        {QStringLiteral("cmdCalculateWeight"), QStringLiteral("Calculate MolecularWeight"), QStringLiteral("frmWeights"),
         0, 0, ChooserForm::Leave::Unload},
        {QStringLiteral("cmdCalculate"), QStringLiteral("Weight Calculations"), QStringLiteral("frmWeightCalculations"), 0,
         1, ChooserForm::Leave::Unload},
    };
    d.cancelName = QStringLiteral("cmdClose");
    d.cancelCaption = QStringLiteral("Close");
    d.cancelTabIndex = 2;
    d.buttonWidth = 220;
    return d;
}
}  // namespace

frmWeightChoice::frmWeightChoice() : ChooserForm(weightChoice()) {
    cmdCalculateWeight = button(QStringLiteral("cmdCalculateWeight"));
    cmdCalculate = button(QStringLiteral("cmdCalculate"));
    cmdClose = cmdCancel;
}
