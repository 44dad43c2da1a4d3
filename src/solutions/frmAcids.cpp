#include "frmAcids.h"

#include <cmath>

namespace {
CalculatorForm::Design acids(frmAcids& w) {
    using F = CalculatorForm::Format;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Acids / Bases");
    s.layout.fontFamily = QStringLiteral("Times New Roman");
    s.layout.pointSize = 9.75;
    s.inputs = {CalculatorForm::Input{.name = BIND(w, Text1), .promptName = BIND(w, Label1),
                                      .keys = QStringLiteral(".E+-\b\r")}};
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.frameToolTip = QStringLiteral("Select which option you want and press Ok.");
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Calculate pH from H3O+  ion concentration"),
               .prompts = {QStringLiteral("Enter the H3O+ ion concentration in mol/L")},
               .result = QStringLiteral(" The pH is ")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Calculate pOH from OH-  ion concentration"),
               .toolTip = QStringLiteral("Make sure the concentration is that of OH- ions."),
               .prompts = {QStringLiteral("Enter the OH-  ion concentration in mol/L")},
               .result = QStringLiteral(" The pOH is "), .focusInput = true},
        Option{.name = BIND(w, opt3), .caption = QStringLiteral("Determine H3O+  ion concentration from pH"),
               .prompts = {QStringLiteral("Enter the pH")}, .result = QStringLiteral(" The H3O+  concentration is "),
               .focusInput = true, .format = F::Scientific},
        Option{.name = BIND(w, opt4), .caption = QStringLiteral("Determine OH-  ion concentration from pOH"),
               .toolTip = QStringLiteral("Make sure you enter pOH and not pH."),
               .prompts = {QStringLiteral("Enter the pOH")}, .result = QStringLiteral(" The OH-  concentration is "),
               .focusInput = true, .format = F::Scientific},
    };
    s.answer.box = BIND(w, Text2);
    s.answer.caption = BIND(w, Label2);
    s.answer.toolTip = QStringLiteral("This is your answer.");
    s.answer.workLine = BIND(w, Text3);
    s.leaving.parent = QStringLiteral("frmMain");
    s.messages.help = QStringLiteral(
        "A pH value is an indication of whether a substance is acidic or basic. If the value is below 7, it is "
        "considered to be an acid; a strong, concentrated acid can go below 0. 7 is neutral. Values greater than 7 are referred to as basic. To determine the pH "
        "of a substance, you must have the concentration of hydronium ions (H3O+) or hydroxide ions (OH-). If you "
        "have the pH, you can determine the concentration of the hydronium ions and hydroxide ions.  The equations "
        "for pH is the -Log(Hydronium Ion Concentration).");
    return s;
}
}  // namespace

frmAcids::frmAcids() : CalculatorForm(acids(*this)) {
    addCheck([this] { return isEmpty(Text1); }, QStringLiteral("You must enter valid data."),
             Style{.title = QStringLiteral("Acids")}, [this] { cmdClear_Click(); });
    // A concentration from 0 to 14 M; a pH or pOH down to that of 14 M.
    addCheck(
        [this] {
            const double v = number(Text1);
            return option() < 2 && (v < 0 || v > 14);
        },
        QStringLiteral("You must enter a number between 0 and 14."), InformationStyle);
    addCheck(
        [this] {
            const double v = number(Text1);
            return option() >= 2 && (v < -1.146 || v > 14);
        },
        QStringLiteral("You must enter a number between -1.146 and 14."), InformationStyle);
}

void frmAcids::Form_Load() {
    Label1->clear();
    Label2->clear();
    CalculatorForm::Form_Load();
}

std::optional<CalculatorForm::Result> frmAcids::calculate() {
    const QString t = Text1->text();
    const double v = number(Text1);
    if (opt1->isChecked() || opt2->isChecked())
        return Result{Num::checked(-Num::log(v) / std::log(10.0)), QStringLiteral("-Log(") + t + QStringLiteral(") / Log(10)")};
    // Options 3 and 4: the concentration from pH or pOH.
    return Result{Num::pow(10.0, -v), QStringLiteral("10 ^ -(") + t + QStringLiteral(")")};
}
