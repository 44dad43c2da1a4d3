#include "frmReactionChoice.h"

namespace {
ChooserForm::Design reactionChoice(frmReactionChoice& w) {
    using Target = ChooserForm::Target;
    ChooserForm::Design d;
    d.caption = QStringLiteral("Reaction Problems");
    d.targets = {
        Target{.name = BIND(w, cmdBalancing), .caption = QStringLiteral("Balancing Reactions"),
               .window = QStringLiteral("frmReactions"), .tabIndex = 1},
        Target{.name = BIND(w, cmdMassMass), .caption = QStringLiteral("Mass/Mass Relationships"),
               .window = QStringLiteral("frmMass"), .tabIndex = 2},
    };
    d.cancelTabIndex = 0;
    d.defaultButton = QStringLiteral("cmdBalancing");
    d.buttonWidth = 200;
    return d;
}
}  // namespace

frmReactionChoice::frmReactionChoice() : ChooserForm(reactionChoice(*this)) {}
