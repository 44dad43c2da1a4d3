#include "frmGasLaws.h"

namespace {
ChooserForm::Design gasLaws() {
    using Target = ChooserForm::Target;
    ChooserForm::Design s;
    s.caption = QStringLiteral("Gas Laws");
    s.targets = {
        Target{.name = NAMED(cmdCharles), .caption = QStringLiteral("Charles's Law"),
               .window = QStringLiteral("frmCharlesLaw"), .tabIndex = 1},
        Target{.name = NAMED(cmdBoyles), .caption = QStringLiteral("Boyle's Law"),
               .window = QStringLiteral("frmBoyles"), .tabIndex = 2},
        Target{.name = NAMED(cmdIdeal), .caption = QStringLiteral("Ideal Gas Law"),
               .window = QStringLiteral("frmIdeal"), .tabIndex = 3},
        Target{.name = NAMED(cmdMolecular), .caption = QStringLiteral("Molecular Weight"),
               .window = QStringLiteral("frmMolecularWeight"), .tabIndex = 8},
        Target{.name = NAMED(cmdGasDensity), .caption = QStringLiteral("Gas Density"),
               .window = QStringLiteral("frmGasDensity"), .tabIndex = 4},
        Target{.name = NAMED(cmdDaltons), .caption = QStringLiteral("Dalton's Law"),
               .window = QStringLiteral("frmDalton"), .tabIndex = 5},
        Target{.name = NAMED(cmdCombined), .caption = QStringLiteral("Combined Gas Law"),
               .window = QStringLiteral("frmCombinedLaws"), .tabIndex = 6},
        Target{.name = NAMED(cmdMolarVolume), .caption = QStringLiteral("Molar Volume"),
               .window = QStringLiteral("frmMolarVolume"), .column = 1, .tabIndex = 7},
        Target{.name = NAMED(cmdMassGas), .caption = QStringLiteral("Mass-Gas Volume"),
               .window = QStringLiteral("frmMassVolume"), .column = 1, .tabIndex = 9},
        Target{.name = NAMED(cmdVolumeVolume), .caption = QStringLiteral("Volume - Volume"),
               .window = QStringLiteral("frmVolumeVolume"), .column = 1, .tabIndex = 10},
        Target{.name = NAMED(cmdGayLussac), .caption = QStringLiteral("Gay-Lussac's Law"),
               .window = QStringLiteral("frmGayLussac"), .column = 1, .tabIndex = 11},
        Target{.name = NAMED(cmdRaoults), .caption = QStringLiteral("Raoult's Law"),
               .window = QStringLiteral("frmRaoults"), .column = 1, .tabIndex = 12},
        Target{.name = NAMED(cmdGrahams), .caption = QStringLiteral("Graham's Law"),
               .window = QStringLiteral("frmGrahams"), .column = 1, .tabIndex = 13},
    };
    s.cancelTabIndex = 0;
    s.defaultButton = QStringLiteral("cmdCharles");
    return s;
}
}  // namespace

frmGasLaws::frmGasLaws() : ChooserForm(gasLaws()) {}
