#include "frmGeneralChoice.h"

namespace {
ChooserForm::Design generalChoice() {
    ChooserForm::Design s;
    s.caption = QStringLiteral("General Problems");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    s.fixedBorder = false;
    auto add = [&s](const char* name, const char* caption, const char* window, int column, int tab) {
        s.targets.append({QLatin1String(name), QString::fromUtf8(caption), QLatin1String(window), column, tab,
                          ChooserForm::Leave::Hide});
    };
    add("cmdSigfigs", "Significant Figures", "frmSigfig", 0, 0);
    add("cmdTemperatures", "Temperature Conversions", "frmTemperatures", 0, 2);
    add("cmdMetrics", "Metric Conversions", "frmMetrics", 0, 4);
    add("cmdEnglish", "English - Metrics", "frmEnglish", 0, 6);
    add("cmdTime", "Time Conversions", "frmTime", 1, 1);
    add("cmdDensity", "Density", "frmDensity", 1, 3);
    add("cmdVolume", "Volumes", "frmVolume", 1, 5);
    add("cmdMass", "Mass And Weight", "frmMassToWeight", 1, 7);
    s.cancelTabIndex = 8;
    s.defaultButton = QStringLiteral("cmdSigfigs");
    return s;
}
}  // namespace

frmGeneralChoice::frmGeneralChoice() : ChooserForm(generalChoice()) {}
