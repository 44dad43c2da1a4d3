#include "frmAcids.h"

#include <cmath>

namespace {
CalculatorForm::Design acids() {
    using F = CalculatorForm::Format;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Acids / Bases");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    CalculatorForm::Input value{QStringLiteral("Text1"), QString(), QStringLiteral("Label1")};
    value.keys = QStringLiteral(".E+-\b\r");
    s.inputs = {value};
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.frameToolTip = QStringLiteral("Select which option you want and press Ok.");
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Calculate pH from H3O+  ion concentration"), QString(),
         {QStringLiteral("Enter the H3O+ ion concentration")}, QStringLiteral(" The pH is "), QString(), false},
        {QStringLiteral("opt2"), QStringLiteral("Calculate pOH from OH-  ion concentration"),
         QStringLiteral("Make sure the concentration is that of OH- ions."),
         {QStringLiteral("Enter the OH-  ion concentration")}, QStringLiteral(" The pOH is "), QString(), true},
        {QStringLiteral("opt3"), QStringLiteral("Determine H3O+  ion concentration from pH"), QString(),
         {QStringLiteral("Enter the pH")}, QStringLiteral(" The H3O+  concentration is "), QString(), true,
         F::Scientific},
        {QStringLiteral("opt4"), QStringLiteral("Determine OH-  ion concentration from pOH"),
         QStringLiteral("Make sure you enter pOH and not pH."), {QStringLiteral("Enter the pOH")},
         QStringLiteral(" The OH-  concentration is "), QString(), true, F::Scientific},
    };
    s.answerName = QStringLiteral("Text2");
    s.resultName = QStringLiteral("Label2");
    s.answerToolTip = QStringLiteral("This is your answer.");
    s.workLineName = QStringLiteral("Text3");
    s.parent = QStringLiteral("frmMain");
    s.helpText = QStringLiteral(
        "A pH value is an indication of whether a substance is acidic or basic. If the value is low (0-6), it is "
        "considered to be an acid. 7 is neutral. Values greater than 7 are referred to as basic. To determine the pH "
        "of a substance, you must have the concentration of hydronium ions (H3O+) or hydroxide ions (OH-). If you "
        "have the pH, you can determine the concentration of the hydronium ions and hydroxide ions.  The equations "
        "for pH is the -Log(Hydronium Ion Concentration).");
    return s;
}
}  // namespace

frmAcids::frmAcids() : CalculatorForm(acids()) {
    Frame1 = frame;
    bind(options, opt1, opt2, opt3, opt4);
    Text1 = inputs[0];
    Label1 = prompts[0];
    Text2 = answerBox;
    Label2 = resultLabel;
    Text3 = workLine;

    addCheck([this] { return isEmpty(Text1); }, QStringLiteral("You must enter valid data."),
             Style{Msg::Icon::None, QStringLiteral("Acids")}, [this] { cmdClear_Click(); });
    addCheck(
        [this] {
            const float v = single(Text1);
            return v < 0 || v > 14;
        },
        QStringLiteral("You must enter a number between 0 and 14."),
        Style{Msg::Icon::Information, QStringLiteral("Tessival")});
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
