#include "frmGasLaws.h"

namespace {
ChooserForm::Design gasLaws() {
    ChooserForm::Design s;
    s.caption = QStringLiteral("Gas Laws");
    auto add = [&s](const char* name, const char* caption, const char* window, int column, int tab) {
        s.targets.append({QLatin1String(name), QString::fromUtf8(caption), QLatin1String(window), column, tab,
                          ChooserForm::Leave::Hide});
    };
    add("cmdCharles", "Charles's Law", "frmCharlesLaw", 0, 1);
    add("cmdBoyles", "Boyle's Law", "frmBoyles", 0, 2);
    add("cmdIdeal", "Ideal Gas Law", "frmIdeal", 0, 3);
    add("cmdMolecular", "Molecular Weight", "frmMolecularWeight", 0, 8);
    add("cmdGasDensity", "Gas Density", "frmGasDensity", 0, 4);
    add("cmdDaltons", "Dalton's Law", "frmDalton", 0, 5);
    add("cmdCombined", "Combined Gas Law", "frmCombinedLaws", 0, 6);
    add("cmdMolarVolume", "Molar Volume", "frmMolarVolume", 1, 7);
    add("cmdMassGas", "Mass-Gas Volume", "frmMassVolume", 1, 9);
    add("cmdVolumeVolume", "Volume - Volume", "frmVolumeVolume", 1, 10);
    add("cmdGayLussac", "Gay-Lussac's Law", "frmGayLussac", 1, 11);
    add("cmdRaoults", "Raoult's Law", "frmRaoults", 1, 12);
    add("cmdGrahams", "Graham's Law", "frmGrahams", 1, 13);
    s.cancelTabIndex = 0;
    s.defaultButton = QStringLiteral("cmdCharles");
    return s;
}
}  // namespace

frmGasLaws::frmGasLaws() : ChooserForm(gasLaws()) {}
