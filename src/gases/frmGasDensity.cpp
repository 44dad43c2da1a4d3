#include "frmGasDensity.h"

#include "GasFormulas.h"

namespace {
constexpr double R = GasFormulas::RAtmosphere;

CalculatorForm::Design gasDensity() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Gas Density");
    s.heading = QStringLiteral("Enter the following data for gas density");
    CalculatorForm::Input mw{QStringLiteral("Text1"), QStringLiteral("Enter the molecular weight"),
                             QStringLiteral("Label2")};
    CalculatorForm::Input p{QStringLiteral("Text2"), QStringLiteral("Enter the pressure in atmospheres"),
                            QStringLiteral("Label3"), QStringLiteral("Divide mm of Hg by 760.")};
    CalculatorForm::Input t{QStringLiteral("Text4"), QStringLiteral("Enter the temperature in degrees K"),
                            QStringLiteral("Label5"), QStringLiteral("Kelvin is Celcius + 273")};
    t.enterSubmits = false;  // Enter reaches Ok only as the default button
    s.inputs = {mw, p, t};
    s.constants = {{QStringLiteral("Text3"), QStringLiteral("Ideal Gas constant (R)"), QStringLiteral("Label4"),
                    QLatin1String(GasFormulas::RAtmosphereText), 2, true}};
    s.answerName = QStringLiteral("Text5");
    s.resultName = QStringLiteral("Label6");
    s.resultCaption = QStringLiteral("The density of the gas is ");
    s.unitName = QStringLiteral("Label7");
    s.unitCaption = QStringLiteral("g / L");
    s.workLineName = QStringLiteral("Text6");
    s.helpLeftOfResult = true;
    s.singleResult = true;
    s.parent = QStringLiteral("frmGasLaws");
    s.onLoad = {{QStringLiteral("frmGasLaws"), Form::Action::Hide}};
    s.tabOrder = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text4"),
                  QStringLiteral("cmdOk"), QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                  QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.helpText = QStringLiteral("The density of a gas can be determined by using a variation of the ideal gas "
                                "equation in combination with the regular ") +
                 QStringLiteral("density formula. The mass of the gas is replaced by Pressure times Molecular Weight. "
                                "The volume is ") +
                 QStringLiteral("replaced by R times Temperature.");
    return s;
}
}  // namespace

frmGasDensity::frmGasDensity() : CalculatorForm(gasDensity()) {
    Label1 = heading;
    bind(inputs, Text1, Text2, Text4);
    bind(prompts, Label2, Label3, Label5);
    Text3 = constantBoxes[0];
    Label4 = findChild<QLabel*>(QStringLiteral("Label4"));
    Label6 = resultLabel;
    Text5 = answerBox;
    Label7 = unitLabel;
    Text6 = workLine;

    const auto focusFirst = [this] { Text1->setFocus(); };
    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text4); },
             QStringLiteral("You must enter data into all the boxes."), std::nullopt, focusFirst);
    addCheck([this] { return Num::notAboveZero(Text1->text()) || Num::notAboveZero(Text2->text()); },
             QStringLiteral("You must enter valid data into all the boxes."), std::nullopt, focusFirst);
    addCheck([this] { return Num::notKelvin(Text4->text()); }, KelvinMessage,
             Style{Msg::Icon::Information, QStringLiteral("Tessival")}, focusFirst);
}

std::optional<CalculatorForm::Result> frmGasDensity::calculate() {
    const float mw = single(Text1);
    const float p = single(Text2);
    const float t = single(Text4);
    return Result{GasFormulas::density(mw, p, t, R), QStringLiteral("(") + Num::text(mw) + QStringLiteral(" * ") +
                                                         Num::text(p) + QStringLiteral(") / (") + Num::text(R) +
                                                         QStringLiteral(" * ") + Num::text(t) + QStringLiteral(")")};
}
