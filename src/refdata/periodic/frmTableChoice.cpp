#include "frmTableChoice.h"

namespace {
ChooserForm::Design tableChoice() {
    using L = ChooserForm::Leave;
    ChooserForm::Design d;
    d.caption = QStringLiteral("Versions of Periodic Table");
    d.targets = {
        {QStringLiteral("cmdRegular"), QStringLiteral("Regular Periodic Table"), QStringLiteral("frmPeriodic"), 0, 0, L::Stay},
        {QStringLiteral("cmdAtomicRadii"), QStringLiteral("Atomic Radii Table"), QStringLiteral("frmPTable2"), 0, 1, L::Stay},
        {QStringLiteral("cmdElectronegativity"), QStringLiteral("Electronegativity Table"), QStringLiteral("frmPTable3"), 0,
         2, L::Stay},
        {QStringLiteral("cmdAffinity"), QStringLiteral("Affinity Table"), QStringLiteral("frmPTable4"), 0, 3, L::Stay},
        {QStringLiteral("cmdIonization"), QStringLiteral("Ionization Table"), QStringLiteral("frmPTable5"), 0, 4, L::Stay},
        {QStringLiteral("cmdDensity"), QStringLiteral("Density Table"), QStringLiteral("frmPTable6"), 0, 5, L::Stay},
        {QStringLiteral("cmdBoing"), QStringLiteral("Boiling Point Table"), QStringLiteral("frmPTable7"), 0, 6, L::Stay},
    };
    d.cancelTabIndex = 7;
    d.defaultButton = QStringLiteral("cmdRegular");
    d.cancelShows = QStringLiteral("frmMain");
    d.buttonWidth = 200;
    return d;
}
}  // namespace

frmTableChoice::frmTableChoice() : ChooserForm(tableChoice()) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    cmdRegular = button(QStringLiteral("cmdRegular"));
    cmdAtomicRadii = button(QStringLiteral("cmdAtomicRadii"));
    cmdElectronegativity = button(QStringLiteral("cmdElectronegativity"));
    cmdAffinity = button(QStringLiteral("cmdAffinity"));
    cmdIonization = button(QStringLiteral("cmdIonization"));
    cmdDensity = button(QStringLiteral("cmdDensity"));
    cmdBoing = button(QStringLiteral("cmdBoing"));
}
