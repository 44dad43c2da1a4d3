#include "frmSolubilityConstants.h"

#include "EquilibriumShape.h"

namespace {
const QString Concentration1 = QStringLiteral("Enter the concentration of product 1.");
const QString Concentration2 = QStringLiteral("Enter the concentration of product 2.");

CalculatorForm::Design solubility(frmSolubilityConstants& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s = EquilibriumShape::design(QStringLiteral("Solubility Product Constant"));
    const QString molar = QStringLiteral("Enter the ion's equilibrium concentration in moles per liter.");
    const QString keys = QStringLiteral(".E+-\b\r");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = Concentration1, .promptName = BIND(w, Label2),
              .toolTip = molar, .keys = keys},
        Input{.name = BIND(w, Text5), .prompt = QStringLiteral("Enter the coefficient of product 1."),
              .promptName = BIND(w, Label1), .keys = keys},
        Input{.name = BIND(w, Text2), .prompt = Concentration2, .promptName = BIND(w, Label3),
              .toolTip = molar, .keys = keys},
        Input{.name = BIND(w, Text6), .prompt = QStringLiteral("Enter the coefficient of product 2."),
              .promptName = BIND(w, Label5), .keys = keys},
    };
    s.heading = QStringLiteral("Enter the following data from a balanced equation.");
    s.headingName = BIND(w, Label6);
    s.answer.box = BIND(w, Text3);
    s.answer.caption = BIND(w, Label4);
    s.answer.captionText = QStringLiteral("The solubility product constant (Ksp) is ");
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text4);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trapStyle = s.messages.checkStyle;
    s.messages.trap = QStringLiteral("Data Entry Error");
    s.layout.tabOrder = {QStringLiteral("Text1"),  QStringLiteral("Text5"),     QStringLiteral("Text2"),
                         QStringLiteral("Text6"),  QStringLiteral("cmdOk"),     QStringLiteral("cmdClear"),
                         QStringLiteral("cmdCancel"), QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "The solubility product constant provides the ability to measure the solubility of a salt. It can be used to "
        "determine if  precipitation will occur when a salt and a solution are  mixed or when two solutions are "
        "mixed. Precipitation will occur if the ion product exceeds the Ksp.  You derive these from a balanced "
        "chemical equation. You must also know the molarity of the dissolved ions at equilibrium; the solid salt "
        "does not appear in Ksp. ");
    return s;
}
}  // namespace

frmSolubilityConstants::frmSolubilityConstants() : CalculatorForm(solubility(*this)) {
    // Both concentrations first, then both coefficients.
    const QString valid = QStringLiteral("You must enter valid data.");
    for (QLineEdit* box : {Text1, Text2, Text5, Text6}) addCheck([box] { return Num::notAboveZero(box->text()); }, valid);
}

std::optional<CalculatorForm::Result> frmSolubilityConstants::calculate() {
    const double c1 = number(Text1), c2 = number(Text2), a = number(Text5), b = number(Text6);
    const double second = Num::pow(c2, b);
    const QString raised = QStringLiteral(" ^ ");
    return Result{Num::checked(second * Num::pow(c1, a)),
                  Text1->text() + raised + Text5->text() + QStringLiteral(" x ") + Text2->text() + raised +
                      Text6->text()};
}

void frmSolubilityConstants::cleared() {
    setPrompt(0, Concentration1);
    setPrompt(2, Concentration2);
    setResultCaption(QStringLiteral("The solubility product constant (Ksp) is "));
}
