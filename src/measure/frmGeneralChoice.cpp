#include "frmGeneralChoice.h"

namespace {
ChooserForm::Design generalChoice() {
    using Target = ChooserForm::Target;
    ChooserForm::Design s;
    s.caption = QStringLiteral("General Problems");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    // Unlike the other choosers, this one keeps a sizable border.
    s.fixedBorder = false;
    // Two columns (0 at the left, 1 at the right), the tab order across them row
    // by row; each target hides the chooser.
    s.targets = {
        Target{.name = NAMED(cmdSigfigs), .caption = QStringLiteral("Significant Figures"),
               .window = QStringLiteral("frmSigfig")},
        Target{.name = NAMED(cmdTemperatures), .caption = QStringLiteral("Temperature Conversions"),
               .window = QStringLiteral("frmTemperatures"), .tabIndex = 2},
        Target{.name = NAMED(cmdMetrics), .caption = QStringLiteral("Metric Conversions"),
               .window = QStringLiteral("frmMetrics"), .tabIndex = 4},
        Target{.name = NAMED(cmdEnglish), .caption = QStringLiteral("English - Metrics"),
               .window = QStringLiteral("frmEnglish"), .tabIndex = 6},
        Target{.name = NAMED(cmdTime), .caption = QStringLiteral("Time Conversions"),
               .window = QStringLiteral("frmTime"), .column = 1, .tabIndex = 1},
        Target{.name = NAMED(cmdDensity), .caption = QStringLiteral("Density"),
               .window = QStringLiteral("frmDensity"), .column = 1, .tabIndex = 3},
        Target{.name = NAMED(cmdVolume), .caption = QStringLiteral("Volumes"),
               .window = QStringLiteral("frmVolume"), .column = 1, .tabIndex = 5},
        Target{.name = NAMED(cmdMass), .caption = QStringLiteral("Mass And Weight"),
               .window = QStringLiteral("frmMassToWeight"), .column = 1, .tabIndex = 7},
    };
    s.cancelTabIndex = 8;
    s.defaultButton = QStringLiteral("cmdSigfigs");
    return s;
}
}  // namespace

frmGeneralChoice::frmGeneralChoice() : ChooserForm(generalChoice()) {}
