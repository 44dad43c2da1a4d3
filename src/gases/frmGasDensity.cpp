#include "frmGasDensity.h"

#include "GasFormulas.h"

namespace {
constexpr double R = GasFormulas::RAtmosphere;

CalculatorForm::Design gasDensity(frmGasDensity& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Gas Density");
    s.heading = QStringLiteral("Enter the following data for gas density");
    s.headingName = BIND(w, Label1);
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the molecular weight"),
              .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the pressure in atmospheres"),
              .promptName = BIND(w, Label3), .toolTip = QStringLiteral("Divide mm of Hg by 760.")},
        // Enter reaches Ok only as the default button.
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("Enter the temperature in degrees K"),
              .promptName = BIND(w, Label5), .toolTip = QStringLiteral("Kelvin is Celcius + 273"),
              .enterSubmits = false},
    };
    s.constants = {{.name = BIND(w, Text3),
                    .prompt = QStringLiteral("Ideal Gas constant (R)"),
                    .promptName = BIND(w, Label4),
                    .text = QLatin1String(GasFormulas::RAtmosphereText),
                    .before = 2,
                    .enterSubmits = true}};
    s.answer.box = BIND(w, Text5);
    s.answer.caption = BIND(w, Label6);
    s.answer.captionText = QStringLiteral("The density of the gas is ");
    s.answer.unit = BIND(w, Label7);
    s.answer.unitText = QStringLiteral("g / L");
    s.answer.workLine = BIND(w, Text6);
    s.layout.helpLeftOfResult = true;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.onLoad = {{.window = QStringLiteral("frmGasLaws"), .action = Form::Action::Hide}};
    s.layout.tabOrder = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text4"),
                         QStringLiteral("cmdOk"), QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                         QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral("The density of a gas can be determined by using a variation of the ideal gas "
                                "equation in combination with the regular ") +
                 QStringLiteral("density formula. The mass of the gas is replaced by Pressure times Molecular Weight. "
                                "The volume is ") +
                 QStringLiteral("replaced by R times Temperature.");
    return s;
}
}  // namespace

frmGasDensity::frmGasDensity() : CalculatorForm(gasDensity(*this)) {
    const auto focusFirst = [this] { Text1->setFocus(); };
    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text4); },
             QStringLiteral("You must enter data into all the boxes."), std::nullopt, focusFirst);
    addCheck([this] { return Num::notAboveZero(Text1->text()) || Num::notAboveZero(Text2->text()); },
             QStringLiteral("You must enter valid data into all the boxes."), std::nullopt, focusFirst);
    addCheck([this] { return Num::notKelvin(Text4->text()); }, KelvinMessage, InformationStyle, focusFirst);
}

std::optional<CalculatorForm::Result> frmGasDensity::calculate() {
    const double mw = number(Text1);
    const double p = number(Text2);
    const double t = number(Text4);
    return Result{GasFormulas::density(mw, p, t, R), QStringLiteral("(") + Num::text(mw) + QStringLiteral(" * ") +
                                                         Num::text(p) + QStringLiteral(") / (") + Num::text(R) +
                                                         QStringLiteral(" * ") + Num::text(t) + QStringLiteral(")")};
}
