#include "frmIdeal.h"

#include "GasFormulas.h"

namespace {
const QString Volume = QStringLiteral("Enter the volume in liters.");
const QString Moles = QStringLiteral("Enter the number of moles.");
const QString Kelvin = QStringLiteral("Enter the temperature in K.");
const QString Pressure = QStringLiteral("Pressure in atmospheres.");

CalculatorForm::Design ideal(frmIdeal& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Ideal Gas Law");
    const QString tip = QStringLiteral("Be sure to enter the requested quantity.");
    s.inputs = {
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label3), .toolTip = tip},
        Input{.name = BIND(w, Text3), .promptName = BIND(w, Label4), .toolTip = tip},
        Input{.name = BIND(w, Text4), .promptName = BIND(w, Label5), .toolTip = tip,
              .keys = QStringLiteral(".-\b\r")},
    };
    s.constants = {{.name = BIND(w, Text1),
                    .prompt = QStringLiteral("Ideal Gas Constant (R)"),
                    .promptName = BIND(w, Label2),
                    .text = QLatin1String(GasFormulas::RAtmosphereText)}};
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Pressure"), .prompts = {Volume, Moles, Kelvin},
               .result = QStringLiteral(" The final pressure is "), .unit = QStringLiteral("atmospheres")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Volume"), .prompts = {Pressure, Moles, Kelvin},
               .result = QStringLiteral(" The final volume is "), .unit = QStringLiteral("Liters")},
        Option{.name = BIND(w, opt3), .caption = QStringLiteral("# of Moles"),
               .prompts = {Volume, Pressure, Kelvin}, .result = QStringLiteral(" The final number of moles is "),
               .unit = QStringLiteral("")},
        Option{.name = BIND(w, opt4), .caption = QStringLiteral("Temperature"),
               .prompts = {Volume, Moles, Pressure}, .result = QStringLiteral(" The final temperature is "),
               .unit = QStringLiteral("Kelvin")},
    };
    s.answer.box = BIND(w, Text5);
    s.answer.caption = BIND(w, Label6);
    s.answer.unit = BIND(w, Label7);
    s.answer.workLine = BIND(w, Text6);
    s.layout.helpLeftOfResult = true;
    s.clearFocusesInput = false;
    s.clearSelectsFirstOption = true;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.onLoad = {{.window = QStringLiteral("frmGasLaws"), .action = Form::Action::Hide}};
    s.messages.help = QStringLiteral("The ideal gas equation combines four factors (pressure, temperature, volume,# moles) "
                                "plus R into one equation. ") +
                 QStringLiteral("The value of R depends upon the units used to measure the four factors. Usually, it "
                                "is .082. Knowing ") +
                 QStringLiteral("three of the factors, you can determine the other. You can also determine the "
                                "molecular mass of a gas ") +
                 QStringLiteral("and its density. ");
    return s;
}
}  // namespace

frmIdeal::frmIdeal() : CalculatorForm(ideal(*this)) {
    addCheck([this] { return option() < 0; }, QStringLiteral("You must select one of the options."));
    addCheck([this] { return isEmpty(Text2) || isEmpty(Text3) || isEmpty(Text4); },
             QStringLiteral("You must enter data into all the boxes."), std::nullopt, [this] { Text2->setFocus(); });
    // Box by box: no gas has a pressure, volume, amount or kelvin temperature
    // of 0 or less. A text that is no number goes to the trap.
    const QString valid = QStringLiteral("You must enter valid data into all the boxes.");
    addCheck([this] { return Num::notPositive(Text2->text()); }, valid);
    addCheck([this] { return Num::notPositive(Text3->text()); }, valid);
    addCheck([this] { return !opt4->isChecked() && Num::notKelvin(Text4->text()); }, KelvinMessage,
             InformationStyle);
    addCheck([this] { return opt4->isChecked() && Num::notPositive(Text4->text()); }, valid);
}

std::optional<CalculatorForm::Result> frmIdeal::calculate() {
    const double a = number(Text2);
    const double b = number(Text3);
    const double c = number(Text4);
    const double r = GasFormulas::RAtmosphere;
    const QString rText = Num::text(r);
    const QString x = Num::text(a), y = Num::text(b), z = Num::text(c);
    switch (option()) {
    case 0:  // V, n, T: P = R × n × T ÷ V
    case 1:  // P, n, T: V = R × n × T ÷ P
        return Result{GasFormulas::nrtOver(r, b, c, a),
                      QStringLiteral("(") + y + QStringLiteral(" * ") + z + QStringLiteral(" * ") + rText +
                          QStringLiteral(") / ") + x};
    case 2:  // V, P, T: n = P × V ÷ (R × T)
        return Result{GasFormulas::moles(r, b, a, c), QStringLiteral("(") + y + QStringLiteral(" * ") + x +
                                                          QStringLiteral(") / (") + rText + QStringLiteral(" * ") + z +
                                                          QStringLiteral(")")};
    case 3:  // V, n, P: T = P × V ÷ (n × R)
        return Result{GasFormulas::temperature(r, c, a, b), QStringLiteral("(") + z + QStringLiteral(" * ") + x +
                                                                QStringLiteral(") / (") + y + QStringLiteral(" * ") +
                                                                rText + QStringLiteral(")")};
    }
    return std::nullopt;
}
