#include "frmIdeal.h"

#include "GasFormulas.h"

namespace {
const QString Volume = QStringLiteral("Enter the volume in liters.");
const QString Moles = QStringLiteral("Enter the number of moles.");
const QString Kelvin = QStringLiteral("Enter the temperature in K.");
const QString Pressure = QStringLiteral("Pressure in atmospheres.");

CalculatorForm::Design ideal() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Ideal Gas Law");
    const QString tip = QStringLiteral("Be sure to enter the requested quantity.");
    CalculatorForm::Input first{QStringLiteral("Text2"), QString(), QStringLiteral("Label3"), tip};
    CalculatorForm::Input second{QStringLiteral("Text3"), QString(), QStringLiteral("Label4"), tip};
    CalculatorForm::Input third{QStringLiteral("Text4"), QString(), QStringLiteral("Label5"), tip};
    third.keys = QStringLiteral(".-\b\r");
    s.inputs = {first, second, third};
    s.constants = {{QStringLiteral("Text1"), QStringLiteral("Ideal Gas Constant (R)"), QStringLiteral("Label2"),
                    QLatin1String(GasFormulas::RAtmosphereText), 0}};
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Pressure"), QString(), {Volume, Moles, Kelvin},
         QStringLiteral(" The final pressure is "), QStringLiteral("atmospheres")},
        {QStringLiteral("opt2"), QStringLiteral("Volume"), QString(), {Pressure, Moles, Kelvin},
         QStringLiteral(" The final volume is "), QStringLiteral("Liters")},
        {QStringLiteral("opt3"), QStringLiteral("# of Moles"), QString(), {Volume, Pressure, Kelvin},
         QStringLiteral(" The final number of moles is "), QStringLiteral("")},
        {QStringLiteral("opt4"), QStringLiteral("Temperature"), QString(), {Volume, Moles, Pressure},
         QStringLiteral(" The final temperature is "), QStringLiteral("Kelvin")},
    };
    s.answerName = QStringLiteral("Text5");
    s.resultName = QStringLiteral("Label6");
    s.unitName = QStringLiteral("Label7");
    s.workLineName = QStringLiteral("Text6");
    s.helpLeftOfResult = true;
    s.singleResult = true;
    s.clearFocusesInput = false;
    s.parent = QStringLiteral("frmGasLaws");
    s.onLoad = {{QStringLiteral("frmGasLaws"), Form::Action::Hide}};
    s.helpText = QStringLiteral("The ideal gas equation combines four factors (pressure, temperature, volume,# moles) "
                                "plus R into one equation. ") +
                 QStringLiteral("The value of R depends upon the units used to measure the four factors. Usually, it "
                                "is .082. Knowing ") +
                 QStringLiteral("three of the factors, you can determine the other. You can also determine the "
                                "molecular mass of a gas ") +
                 QStringLiteral("and its density. ");
    return s;
}
}  // namespace

frmIdeal::frmIdeal() : CalculatorForm(ideal()) {
    Frame1 = frame;
    bind(options, opt1, opt2, opt3, opt4);
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    Text1 = constantBoxes[0];
    bind(inputs, Text2, Text3, Text4);
    bind(prompts, Label3, Label4, Label5);
    Label6 = resultLabel;
    Text5 = answerBox;
    Label7 = unitLabel;
    Text6 = workLine;

    addCheck([this] { return option() < 0; }, QStringLiteral("You must select one of the options."));
    addCheck([this] { return isEmpty(Text2) || isEmpty(Text3) || isEmpty(Text4); },
             QStringLiteral("You must enter data into all the boxes."), std::nullopt, [this] { Text2->setFocus(); });
    // Box by box: no gas has a pressure, volume, amount or kelvin temperature
    // of 0 or less. A text that is no number goes to the trap.
    const QString valid = QStringLiteral("You must enter valid data into all the boxes.");
    addCheck([this] { return Num::notPositive(Text2->text()); }, valid);
    addCheck([this] { return Num::notPositive(Text3->text()); }, valid);
    addCheck([this] { return !opt4->isChecked() && Num::notKelvin(Text4->text()); }, KelvinMessage,
             Style{Msg::Icon::Information, QStringLiteral("Tessival")});
    addCheck([this] { return opt4->isChecked() && Num::notPositive(Text4->text()); }, valid);
}

std::optional<CalculatorForm::Result> frmIdeal::calculate() {
    const float a = single(Text2);
    const float b = single(Text3);
    const float c = single(Text4);
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

void frmIdeal::cleared() { selectOption(0); }
