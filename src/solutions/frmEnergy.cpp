#include "frmEnergy.h"

namespace {
ChooserForm::Design energy() {
    ChooserForm::Design s;
    s.caption = QStringLiteral("Energy Calculations");
    auto add = [&s](const char* name, const char* caption, const char* window, int tab,
                    ChooserForm::Leave leave = ChooserForm::Leave::Hide) {
        s.targets.append({QLatin1String(name), QString::fromUtf8(caption), QLatin1String(window), 0, tab, leave});
    };
    add("cmdExchange", "Energy Exchange / Transfer", "frmEnergyChange", 0);
    add("cmdThermodynamics", "Thermodynamics", "frmThermoData", 1);
    add("cmdFaradays", "Faraday's Law", "frmFaradays", 2);
    add("cmdChangeOfState", "Energy And Change Of State", "frmChangeOfState", 3, ChooserForm::Leave::Unload);
    add("cmdHalfLife", "Half Life Calculations", "frmHalfLife", 4);
    s.cancelTabIndex = 5;
    s.defaultButton = QStringLiteral("cmdExchange");
    s.cancelShows = QStringLiteral("frmMain");
    return s;
}
}  // namespace

frmEnergy::frmEnergy() : ChooserForm(energy()) {}
