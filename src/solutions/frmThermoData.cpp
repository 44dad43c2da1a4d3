#include "frmThermoData.h"

#include "EnergyFormulas.h"

namespace {
const QString Ratio = QStringLiteral("Ratio of reactant to product.");
const QString To = QStringLiteral(" to ");

CalculatorForm::Design thermoData(frmThermoData& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Thermodynamic Calculations");
    const QString signedKeys = QStringLiteral(".-\b\r");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label1), .keys = signedKeys},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label2), .keys = signedKeys},
        Input{.name = BIND(w, Text3), .promptName = BIND(w, Label3), .keys = QStringLiteral("-.\b\r")},
        // The ratio row: Text3 " to " Text5.
        Input{.name = BIND(w, Text5), .promptName = BIND(w, Label5), .keys = QStringLiteral("\b\r"),
              .besidePrevious = true},
    };
    const QString kJ = QStringLiteral("kJ");
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Enthalpy"),
               .prompts = {QStringLiteral("Enter the enthalpy value for the reactant in kJ."),
                           QStringLiteral("Enter the enthalpy value for the product in kJ."), Ratio, To},
               .result = QStringLiteral("The enthalpy change is "), .unit = kJ, .emptied = {2, 3}},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Entropy"),
               .prompts = {QStringLiteral("Enter the sum of the entropies for the products in J/K."),
                           QStringLiteral("Enter the sum of the entropies for the reactants in J/K."), QStringLiteral(""),
                           QStringLiteral("")},
               .result = QStringLiteral("The entropy for the overall reaction is "), .unit = QStringLiteral("J/K"),
               .hidden = {2, 3}},
        Option{.name = BIND(w, opt3), .caption = QStringLiteral("Gibbs Free Energy"),
               .prompts = {QStringLiteral("Enter the enthalpy change for the reaction in kJ."),
                           QStringLiteral("Enter the temperature in degrees Kelvin."),
                           QStringLiteral("Enter the entropy change for the reaction in J/K."), QStringLiteral("")},
               .result = QStringLiteral("The free energy for the reaction is "), .unit = kJ, .hidden = {3}},
    };
    s.layout.optionsInRow = true;
    s.answer.box = BIND(w, Text4);
    s.answer.caption = BIND(w, Label4);
    s.answer.unit = BIND(w, Label6);
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text6);
    s.answer.format = CalculatorForm::Format::Short;
    s.messages.keyStyle.title = QStringLiteral("ThermoData");
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data entry error.");
    s.leaving.parent = QStringLiteral("frmEnergy");
    s.leaving.unloadBeforeShow = true;
    s.layout.tabOrder = QStringList{"Text1", "Text2", "Text3", "Text5", "cmdOk", "cmdClear", "cmdCancel", "opt1", "opt2",
                                    "opt3", "Text4", "Text6", "cmdPrint", "cmdHelp"};
    s.messages.help = QStringLiteral(
        "Enthalpy is the heat content of a substance. Enthalpy change is the change in heat content. Sometimes heat "
        "is absorbed and sometimes it is given off. Entropy is a measure of  disorder. The more disordered the system "
        "is, the greater the entropy. The more orderly, the lower the entropy. Gibbs free energy considers enthalpy "
        "and entropy together along with the temperature. It is used to determine if a reaction is spontaneous.  ");
    return s;
}
}  // namespace

frmThermoData::frmThermoData() : CalculatorForm(thermoData(*this)) {
    // An element in its standard state has an enthalpy (and free energy) of 0.
    addCheck([this] { return isEmpty(Text1); }, QStringLiteral("You must enter a valid value all boxes."));
    addCheck([this] { return isEmpty(Text2); }, QStringLiteral("You must enter a valid value in all boxes."));
    addCheck([this] { return option() == Gibbs && !(number(Text2) > 0); },
             QStringLiteral("The temperature in Kelvin must be larger than 0."));
    // The coefficients count only where they are asked for.
    addCheck([this] { return option() == Enthalpy && (isEmpty(Text3) || isEmpty(Text5)); },
             QStringLiteral("You must enter a valid value in the ratio boxes."));
    addCheck([this] { return option() == Enthalpy && (Num::notAboveZero(Text3->text()) || Num::notAboveZero(Text5->text())); },
             QStringLiteral("You must enter an integer coefficient of one or greater."));
    addCheck([this] { return option() == Gibbs && isEmpty(Text3); },
             QStringLiteral("You must enter a valid value in the entropy box."));
}

void frmThermoData::cleared() {
    if (option() != Enthalpy) return;
    setPrompt(1, QStringLiteral("Enter the enthalpy value for the product kJ."));
    setPrompt(3, QStringLiteral(" To "));
}

std::optional<CalculatorForm::Result> frmThermoData::calculate() {
    const QString t1 = Text1->text(), t2 = Text2->text(), t3 = Text3->text();
    switch (option()) {
    case Entropy:
        return Result{Energy::entropyChange(number(Text1), number(Text2)),
                      QStringLiteral("(") + t1 + QStringLiteral(") - (") + t2 + QStringLiteral(")")};
    case Gibbs:
        return Result{Energy::gibbsFreeEnergy(number(Text1), number(Text2), number(Text3)),
                      t1 + QStringLiteral(" - (") + t2 + QStringLiteral(" * ") + t3 + QStringLiteral(" / 1000)")};
    default:
        break;
    }
    const double dH = Energy::enthalpyChange(number(Text2), number(Text5), number(Text3), number(Text1));
    return Result{dH, QStringLiteral("(") + t2 + QStringLiteral(" * ") + Text5->text() + QStringLiteral(") - (") + t3 +
                          QStringLiteral(" * ") + t1 + QStringLiteral(")")};
}
