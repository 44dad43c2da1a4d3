#include "frmEnergy.h"

namespace {
ChooserForm::Design energy() {
    using Target = ChooserForm::Target;
    ChooserForm::Design s;
    s.caption = QStringLiteral("Energy Calculations");
    s.targets = {
        Target{.name = NAMED(cmdExchange), .caption = QStringLiteral("Energy Exchange / Transfer"),
               .window = QStringLiteral("frmEnergyChange"), .tabIndex = 0},
        Target{.name = NAMED(cmdThermodynamics), .caption = QStringLiteral("Thermodynamics"),
               .window = QStringLiteral("frmThermoData"), .tabIndex = 1},
        Target{.name = NAMED(cmdFaradays), .caption = QStringLiteral("Faraday's Law"),
               .window = QStringLiteral("frmFaradays"), .tabIndex = 2},
        Target{.name = NAMED(cmdChangeOfState), .caption = QStringLiteral("Energy And Change Of State"),
               .window = QStringLiteral("frmChangeOfState"), .tabIndex = 3, .leave = ChooserForm::Leave::Unload},
        Target{.name = NAMED(cmdHalfLife), .caption = QStringLiteral("Half Life Calculations"),
               .window = QStringLiteral("frmHalfLife"), .tabIndex = 4},
    };
    s.cancelTabIndex = 5;
    s.defaultButton = QStringLiteral("cmdExchange");
    s.cancelShows = QStringLiteral("frmMain");
    return s;
}
}  // namespace

frmEnergy::frmEnergy() : ChooserForm(energy()) {}
