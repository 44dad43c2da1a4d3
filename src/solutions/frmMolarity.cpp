#include "frmMolarity.h"

namespace {
CalculatorForm::Design molarity(frmMolarity& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Molarity / Molality");
    s.layout.fontFamily = QStringLiteral("Times New Roman");
    s.layout.pointSize = 9.75;
    const QString keys = QStringLiteral(".\b");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the moles of solute"),
              .promptName = BIND(w, Label2), .toolTip = QStringLiteral("Enter a number of moles."),
              .keys = keys},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label3),
              .toolTip = QStringLiteral("Enter liters or kilograms."), .keys = keys},
    };
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Molarity"),
               .prompts = {QString(), QStringLiteral("Enters the liters of solution.")},
               .result = QStringLiteral("The molarity is "), .unit = QStringLiteral("M")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Molality"),
               .prompts = {QString(), QStringLiteral("Enters the kilograms of solvent.")},
               .result = QStringLiteral("The molality is "), .unit = QStringLiteral("m")},
    };
    s.answer.box = BIND(w, Text3);
    s.answer.caption = BIND(w, Label4);
    s.answer.unit = BIND(w, Label5);
    s.answer.workLine = BIND(w, Text4);
    s.messages.trap = QStringLiteral("Data entry error");
    s.leaving.parent = QStringLiteral("frmSolutions");
    s.leaving.onLoad = {Form::Step{.window = QStringLiteral("frmSolutions"), .action = Form::Action::Hide},
                        Form::Step{.window = QStringLiteral("frmSolutions"), .action = Form::Action::Unload}};
    s.messages.help = QStringLiteral(
        "Determining the concentration of a solution is an important chemical function. Materials must be of a "
        "certain concentration in order to react properly. Molarity refers to the number of moles per liter of "
        "solution. Molality is the number of moles per kilogram of solvent. Knowing these allows you to prepare a "
        "solution correctly.");
    return s;
}
}  // namespace

frmMolarity::frmMolarity() : CalculatorForm(molarity(*this)) {
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
