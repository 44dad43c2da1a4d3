#include "frmGasLaws.h"

namespace {
ChooserForm::Design gasLaws() {
    using Target = ChooserForm::Target;
    ChooserForm::Design s;
    s.caption = QStringLiteral("Gas Laws");
    s.targets = {
        Target{.name = QStringLiteral("cmdCharles"), .caption = QStringLiteral("Charles's Law"),
               .window = QStringLiteral("frmCharlesLaw"), .tabIndex = 1},
        Target{.name = QStringLiteral("cmdBoyles"), .caption = QStringLiteral("Boyle's Law"),
               .window = QStringLiteral("frmBoyles"), .tabIndex = 2},
        Target{.name = QStringLiteral("cmdIdeal"), .caption = QStringLiteral("Ideal Gas Law"),
               .window = QStringLiteral("frmIdeal"), .tabIndex = 3},
        Target{.name = QStringLiteral("cmdMolecular"), .caption = QStringLiteral("Molecular Weight"),
               .window = QStringLiteral("frmMolecularWeight"), .tabIndex = 8},
        Target{.name = QStringLiteral("cmdGasDensity"), .caption = QStringLiteral("Gas Density"),
               .window = QStringLiteral("frmGasDensity"), .tabIndex = 4},
        Target{.name = QStringLiteral("cmdDaltons"), .caption = QStringLiteral("Dalton's Law"),
               .window = QStringLiteral("frmDalton"), .tabIndex = 5},
        Target{.name = QStringLiteral("cmdCombined"), .caption = QStringLiteral("Combined Gas Law"),
               .window = QStringLiteral("frmCombinedLaws"), .tabIndex = 6},
        Target{.name = QStringLiteral("cmdMolarVolume"), .caption = QStringLiteral("Molar Volume"),
               .window = QStringLiteral("frmMolarVolume"), .column = 1, .tabIndex = 7},
        Target{.name = QStringLiteral("cmdMassGas"), .caption = QStringLiteral("Mass-Gas Volume"),
               .window = QStringLiteral("frmMassVolume"), .column = 1, .tabIndex = 9},
        Target{.name = QStringLiteral("cmdVolumeVolume"), .caption = QStringLiteral("Volume - Volume"),
               .window = QStringLiteral("frmVolumeVolume"), .column = 1, .tabIndex = 10},
        Target{.name = QStringLiteral("cmdGayLussac"), .caption = QStringLiteral("Gay-Lussac's Law"),
               .window = QStringLiteral("frmGayLussac"), .column = 1, .tabIndex = 11},
        Target{.name = QStringLiteral("cmdRaoults"), .caption = QStringLiteral("Raoult's Law"),
               .window = QStringLiteral("frmRaoults"), .column = 1, .tabIndex = 12},
        Target{.name = QStringLiteral("cmdGrahams"), .caption = QStringLiteral("Graham's Law"),
               .window = QStringLiteral("frmGrahams"), .column = 1, .tabIndex = 13},
    };
    s.cancelTabIndex = 0;
    s.defaultButton = QStringLiteral("cmdCharles");
    return s;
}
}  // namespace

frmGasLaws::frmGasLaws() : ChooserForm(gasLaws()) {}
