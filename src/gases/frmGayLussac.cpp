#include "frmGayLussac.h"

#include "GasFormulas.h"

namespace {
const QString Pressure = QStringLiteral("Enter the initial pressure in atmospheres.");
const QString Temperature = QStringLiteral("Enter the initial temperature in Kelvin.");

CalculatorForm::Design gayLussac(frmGayLussac& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Gay-Lussac's Law");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label2),
              .toolTip = QStringLiteral("Enter the number of atmosphere the gas is presently under.")},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label3),
              .toolTip = QStringLiteral("Kelvin is Celcius + 273."), .keys = QStringLiteral(".-\b\r")},
        Input{.name = BIND(w, Text3), .promptName = BIND(w, Label4),
              .toolTip = QStringLiteral("Enter a temperature in degrees Kelvin."), .keys = QStringLiteral(".-\b\r")},
    };
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Find pressure"),
               .prompts = {Pressure, Temperature, QStringLiteral("Enter the final temperature in Kelvin.")},
               .result = QStringLiteral("The final pressure is "), .unit = QStringLiteral("Atm.")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Find temperature"),
               .prompts = {Temperature, Pressure, QStringLiteral("Enter the final pressure in atmospheres.")},
               .result = QStringLiteral("The final temperature is "), .unit = QStringLiteral("K."),
               .focusInput = true},
    };
    s.answer.box = BIND(w, Text4);
    s.answer.caption = BIND(w, Label5);
    s.answer.captionText = QStringLiteral("The final pressure is ");
    s.answer.unit = BIND(w, Label6);
    s.answer.workLine = BIND(w, Text5);
    s.layout.helpLeftOfResult = true;
    s.clearSelectsFirstOption = true;
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data Entry Error.");
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.unloadBeforeShow = true;
    s.layout.tabOrder = {QStringLiteral("Text1"),    QStringLiteral("Text2"),    QStringLiteral("Text3"),
                         QStringLiteral("cmdOk"),    QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                         QStringLiteral("opt1"),     QStringLiteral("opt2"),     QStringLiteral("cmdPrint"),
                         QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral("If you have a fixed volume of a gas, the pressure exerted by that gas is directly "
                                "related to the  Kelvin temperature. ") +
                 QStringLiteral("The higher the temperature, the more energy the molecules have and the greater the "
                                "pressure they apply ") +
                 QStringLiteral("to the walls of the container. This causes an increase in pressure. Likewise, a "
                                "decrease in temperature will ") +
                 QStringLiteral("cause the molecules to have less energy and strike the sides of the container with "
                                "less force causing a ") +
                 QStringLiteral("decrease in pressure. ");
    return s;
}
}  // namespace

frmGayLussac::frmGayLussac() : CalculatorForm(gayLussac(*this)) {
    cmdOk->setToolTip(QStringLiteral("Calculate the final pressure."));
    cmdClear->setToolTip(QStringLiteral("Clear all boxes and start over."));
    cmdCancel->setToolTip(QStringLiteral("Close screen and return to Gas Laws screen."));

    // A temperature (row 1 for the temperature, rows 2 and 3 for the pressure)
    // not above 0 gets the kelvin message where its row is checked.
    addCheck([this] { return opt2->isChecked() && Num::notKelvin(Text1->text()); }, KelvinMessage);
    addCheck([this] { return Num::notAboveZero(Text1->text()); }, QStringLiteral("You must enter a valid number in box one."));
    addCheck([this] { return opt1->isChecked() && Num::notKelvin(Text2->text()); }, KelvinMessage);
    addCheck([this] { return Num::notAboveZero(Text2->text()); }, QStringLiteral("You must enter a valid number in box two."));
    const QString three = QStringLiteral("You must enter a valid number in box three.");
    addCheck([this] { return isEmpty(Text3); }, three);
    addCheck([this] { return opt1->isChecked() && Num::notKelvin(Text3->text()); }, KelvinMessage);
    addCheck([this] { return opt2->isChecked() && Num::notPositive(Text3->text()); }, three);
}

std::optional<CalculatorForm::Result> frmGayLussac::calculate() {
    // P2 = P1 × (T2 ÷ T1); T2 = T1 × (P2 ÷ P1): row 1 × (row 3 ÷ row 2) either way.
    const double a = number(Text1);
    const double b = number(Text2);
    const double c = number(Text3);
    return Result{GasFormulas::scaled(a, c, b), Num::text(a) + QStringLiteral(" * (") + Num::text(c) +
                                                    QStringLiteral(" / ") + Num::text(b) + QStringLiteral(")")};
}
