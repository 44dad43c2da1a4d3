#include "frmMolarity.h"

namespace {
CalculatorForm::Design molarity() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Molarity / Molality");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    CalculatorForm::Input moles{QStringLiteral("Text1"), QStringLiteral("Enter the moles of solute"),
                                QStringLiteral("Label2"), QStringLiteral("Enter a number of moles.")};
    CalculatorForm::Input amount{QStringLiteral("Text2"), QString(), QStringLiteral("Label3"),
                                 QStringLiteral("Enter liters or kilograms.")};
    moles.keys = amount.keys = QStringLiteral(".\b");
    s.inputs = {moles, amount};
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Molarity"), QString(),
         {QString(), QStringLiteral("Enters the liters of solution.")}, QStringLiteral("The molarity is "),
         QStringLiteral("M")},
        {QStringLiteral("opt2"), QStringLiteral("Molality"), QString(),
         {QString(), QStringLiteral("Enters the kilograms of solvent.")}, QStringLiteral("The molality is "),
         QStringLiteral("m")},
    };
    s.answerName = QStringLiteral("Text3");
    s.resultName = QStringLiteral("Label4");
    s.unitName = QStringLiteral("Label5");
    s.workLineName = QStringLiteral("Text4");
    s.trapText = QStringLiteral("Data entry error");
    s.parent = QStringLiteral("frmSolutions");
    s.onLoad = {{QStringLiteral("frmSolutions"), Form::Action::Hide},
                {QStringLiteral("frmSolutions"), Form::Action::Unload}};
    s.helpText = QStringLiteral(
        "Determining the concentration of a solution is an important chemical function. Materials must be of a "
        "certain concentration in order to react properly. Molarity refers to the number of moles per liter of "
        "solvent. Molality is the number of moles per kilogram of solvent. Knowing these allows you to prepare a "
        "solution correctly.");
    return s;
}
}  // namespace

frmMolarity::frmMolarity() : CalculatorForm(molarity()) {
    Frame1 = frame;
    bind(options, opt1, opt2);
    bind(inputs, Text1, Text2);
    bind(prompts, Label2, Label3);
    Label4 = resultLabel;
    Text3 = answerBox;
    Label5 = unitLabel;
    Text4 = workLine;

    // Both boxes must hold a number above 0 (0.0 and 00 are 0 too).
    addCheck([this] { return Num::notAboveZero(Text1->text()) || Num::notAboveZero(Text2->text()); },
             QStringLiteral("You must enter valid data into both boxes."), std::nullopt,
             [this] { Text1->setFocus(); });
}

std::optional<CalculatorForm::Result> frmMolarity::calculate() {
    const double quotient = Num::div(number(Text1), number(Text2));
    if (opt2->isChecked())
        return Result{quotient, Text1->text() + QStringLiteral(" mol / ") + Text2->text() + QStringLiteral(" kg")};
    return Result{quotient, Text1->text() + QStringLiteral(" / ") + Text2->text()};
}
