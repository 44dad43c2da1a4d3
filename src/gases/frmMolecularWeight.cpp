#include "frmMolecularWeight.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design molecularWeight() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Molecular Mass");
    s.heading = QStringLiteral("Enter the following data to calculate molecular mass.");
    CalculatorForm::Input p{QStringLiteral("Text6"), QStringLiteral("Enter the pressure in atmospheres."),
                            QStringLiteral("Label8")};
    CalculatorForm::Input m{QStringLiteral("Text3"), QStringLiteral("Enter the mass in grams"),
                            QStringLiteral("Label4")};
    CalculatorForm::Input v{QStringLiteral("Text2"), QStringLiteral("Enter the volume in liters"),
                            QStringLiteral("Label3")};
    CalculatorForm::Input t{QStringLiteral("Text4"), QStringLiteral("Enter the temperature in degrees K"),
                            QStringLiteral("Label5"), QStringLiteral("Kelvin is Celcius + 273.")};
    p.keys = QStringLiteral(".E\b\r");
    t.keys = QStringLiteral(".-\b\r");
    s.inputs = {p, m, v, t};
    s.constants = {{QStringLiteral("Text1"), QStringLiteral("Ideal Gas Constant (R)"), QStringLiteral("Label2"),
                    QLatin1String(GasFormulas::RAtmosphereText), 4}};
    s.answerName = QStringLiteral("Text5");
    s.resultName = QStringLiteral("Label6");
    s.resultCaption = QStringLiteral("The molecular mass is ");
    s.unitName = QStringLiteral("Label7");
    s.unitCaption = QStringLiteral(" g/mol");
    s.workLineName = QStringLiteral("Text7");
    s.helpLeftOfResult = true;
    s.singleResult = true;
    s.trapText = QStringLiteral("Data Entry Error");
    s.clearFocusesInput = false;
    s.parent = QStringLiteral("frmGasLaws");
    s.onLoad = {{QStringLiteral("frmGasLaws"), Form::Action::Hide}};
    s.helpText = QStringLiteral("The molecular mass of a gas can be determined by using the ideal gas equation.  ");
    return s;
}
}  // namespace

frmMolecularWeight::frmMolecularWeight() : CalculatorForm(molecularWeight()) {
    Label1 = heading;
    bind(inputs, Text6, Text3, Text2, Text4);
    bind(prompts, Label8, Label4, Label3, Label5);
    Text1 = constantBoxes[0];
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    Label6 = resultLabel;
    Text5 = answerBox;
    Label7 = unitLabel;
    Text7 = workLine;

    const QString valid = QStringLiteral("You must enter valid data into all the boxes.");
    addCheck([this] { return isEmpty(Text6) || isEmpty(Text3) || isEmpty(Text2) || isEmpty(Text4); },
             QStringLiteral("You must enter data into all the boxes."));
    addCheck([this] { return Num::notAboveZero(Text6->text()) || Num::notAboveZero(Text3->text()) || Num::notAboveZero(Text2->text()); }, valid);
    addCheck([this] { return Num::notKelvin(Text4->text()); }, KelvinMessage, Style{Msg::Icon::Information, QStringLiteral("Tessival")});
    addCheck([this] { return Num::notAboveZero(Text4->text()); }, valid);
}

std::optional<CalculatorForm::Result> frmMolecularWeight::calculate() {
    const float p = single(Text6);
    const float m = single(Text3);
    const float v = single(Text2);
    const float t = single(Text4);
    const double r = GasFormulas::RAtmosphere;
    return Result{GasFormulas::molarMass(m, p, v, t, r),
                  Num::text(m) + QStringLiteral("/ ((") + Num::text(p) + QStringLiteral(" * ") + Num::text(v) +
                      QStringLiteral(") / (") + Num::text(r) + QStringLiteral(" * ") + Num::text(t) +
                      QStringLiteral("))")};
}
