#include "frmTableChoice.h"

namespace {
ChooserForm::Design tableChoice(frmTableChoice& w) {
    using L = ChooserForm::Leave;
    using Target = ChooserForm::Target;
    ChooserForm::Design d;
    d.caption = QStringLiteral("Versions of Periodic Table");
    d.targets = {
        Target{.name = BIND(w, cmdRegular), .caption = QStringLiteral("Regular Periodic Table"),
               .window = QStringLiteral("frmPeriodic"), .tabIndex = 0, .leave = L::Stay},
        Target{.name = BIND(w, cmdAtomicRadii), .caption = QStringLiteral("Atomic Radii Table"),
               .window = QStringLiteral("frmPTable2"), .tabIndex = 1, .leave = L::Stay},
        Target{.name = BIND(w, cmdElectronegativity), .caption = QStringLiteral("Electronegativity Table"),
               .window = QStringLiteral("frmPTable3"), .tabIndex = 2, .leave = L::Stay},
        Target{.name = BIND(w, cmdAffinity), .caption = QStringLiteral("Affinity Table"),
               .window = QStringLiteral("frmPTable4"), .tabIndex = 3, .leave = L::Stay},
        Target{.name = BIND(w, cmdIonization), .caption = QStringLiteral("Ionization Table"),
               .window = QStringLiteral("frmPTable5"), .tabIndex = 4, .leave = L::Stay},
        Target{.name = BIND(w, cmdDensity), .caption = QStringLiteral("Density Table"),
               .window = QStringLiteral("frmPTable6"), .tabIndex = 5, .leave = L::Stay},
        Target{.name = BIND(w, cmdBoing), .caption = QStringLiteral("Boiling Point Table"),
               .window = QStringLiteral("frmPTable7"), .tabIndex = 6, .leave = L::Stay},
    };
    d.cancelTabIndex = 7;
    d.defaultButton = QStringLiteral("cmdRegular");
    d.cancelShows = QStringLiteral("frmMain");
    d.buttonWidth = 200;
    return d;
}
}  // namespace

frmTableChoice::frmTableChoice() : ChooserForm(tableChoice(*this)) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}
