#include "frmReactionChoice.h"

namespace {
ChooserForm::Design reactionChoice() {
    ChooserForm::Design d;
    d.caption = QStringLiteral("Reaction Problems");
    d.targets = {
        {QStringLiteral("cmdBalancing"), QStringLiteral("Balancing Reactions"), QStringLiteral("frmReactions"), 0, 1,
         ChooserForm::Leave::Hide},
        {QStringLiteral("cmdMassMass"), QStringLiteral("Mass/Mass Relationships"), QStringLiteral("frmMass"), 0, 2,
         ChooserForm::Leave::Hide},
    };
    d.cancelTabIndex = 0;
    d.defaultButton = QStringLiteral("cmdBalancing");
    d.buttonWidth = 200;
    return d;
}
}  // namespace

frmReactionChoice::frmReactionChoice() : ChooserForm(reactionChoice()) {
    cmdBalancing = button(QStringLiteral("cmdBalancing"));
    cmdMassMass = button(QStringLiteral("cmdMassMass"));
}
