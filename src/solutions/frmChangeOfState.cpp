#include "frmChangeOfState.h"

#include "EnergyFormulas.h"

namespace {
CalculatorForm::Design changeOfState(frmChangeOfState& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Energy And Change Of State");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label1)},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text3), .promptName = BIND(w, Label3)},
    };
    const QString mass = QStringLiteral("Enter the mass of the material in grams");
    const QString weight = QStringLiteral("Enter the molecular weight.");
    const QString kJ = QStringLiteral("kJ");
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Melting"),
               .prompts = {mass, QStringLiteral("Enter the heat of fusion in kJ/mol"), weight},
               .result = QStringLiteral("Energy needed to melt is "), .unit = kJ},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Boiling"),
               .prompts = {mass, QStringLiteral("Enter the heat of vaporization in kJ/mol"), weight},
               .result = QStringLiteral("Energy needed to boil is "), .unit = kJ, .focusInput = true},
    };
    s.layout.optionsInRow = true;
    s.answer.box = BIND(w, Text4);
    s.answer.caption = BIND(w, Label4);
    s.answer.unit = BIND(w, Label5);
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text5);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data entry error");
    s.leaving.parent = QStringLiteral("frmEnergy");
    s.leaving.unloadBeforeShow = true;
    s.layout.tabOrder = QStringList{"Text1", "Text2", "Text3", "cmdOk", "cmdClear", "cmdCancel", "opt1", "opt2",
                                    "Text4", "Text5", "cmdPrint", "cmdHelp"};
    s.messages.help = QStringLiteral(
        "If a material is heated, the molecules acquire more energy, move faster and tend to move away from each "
        "other. If the increase in energy is great enough, a change of state might occur. If heat is removed from a "
        "substance, it tends to move slower and the loss of energy can also result in a change in state. The amount "
        "of energy required for a change of state depends on the nature of the material and the quantity of the "
        "substance. ");
    return s;
}
}  // namespace

frmChangeOfState::frmChangeOfState() : CalculatorForm(changeOfState(*this)) {
    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text3); },
             QStringLiteral("You need to enter valid data in all boxes."));
    // A text that is no number goes to the trap.
    addCheck([this] { return !(number(Text1) > 0) || !(number(Text2) > 0) || !(number(Text3) > 0); },
             QStringLiteral("You need to enter positive data in all boxes."));
}

void frmChangeOfState::cleared() {
    if (option() == Boiling) {
        selectOption(Melting);
        return;
    }
    setPrompt(0, QStringLiteral("Enter the mass of the material."));
    setPrompt(1, QStringLiteral("Enter the heat of fusion"));
    setPrompt(2, QStringLiteral("Enter the molecular weight."));
    setResultCaption(QStringLiteral("Energy needed to melt is "));
}

std::optional<CalculatorForm::Result> frmChangeOfState::calculate() {
    return Result{Energy::changeOfStateEnergy(number(Text1), number(Text3), number(Text2)),
                  Text1->text() + QStringLiteral(" / ") + Text3->text() + QStringLiteral(" * ") + Text2->text()};
}
