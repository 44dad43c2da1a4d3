#include "frmMolecularWeight.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design molecularWeight(frmMolecularWeight& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Molecular Mass");
    s.heading = QStringLiteral("Enter the following data to calculate molecular mass.");
    s.headingName = BIND(w, Label1);
    s.inputs = {
        Input{.name = BIND(w, Text6), .prompt = QStringLiteral("Enter the pressure in atmospheres."),
              .promptName = BIND(w, Label8), .keys = QStringLiteral(".E\b\r")},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Enter the mass in grams"),
              .promptName = BIND(w, Label4)},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the volume in liters"),
              .promptName = BIND(w, Label3)},
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("Enter the temperature in degrees K"),
              .promptName = BIND(w, Label5), .toolTip = QStringLiteral("Kelvin is Celcius + 273."),
              .keys = QStringLiteral(".-\b\r")},
    };
    s.constants = {{.name = BIND(w, Text1),
                    .prompt = QStringLiteral("Ideal Gas Constant (R)"),
                    .promptName = BIND(w, Label2),
                    .text = QLatin1String(GasFormulas::RAtmosphereText),
                    .before = 4}};
    s.answer.box = BIND(w, Text5);
    s.answer.caption = BIND(w, Label6);
    s.answer.captionText = QStringLiteral("The molecular mass is ");
    s.answer.unit = BIND(w, Label7);
    s.answer.unitText = QStringLiteral(" g/mol");
    s.answer.workLine = BIND(w, Text7);
    s.layout.helpLeftOfResult = true;
    s.messages.trap = QStringLiteral("Data Entry Error");
    s.clearFocusesInput = false;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.onLoad = {{.window = QStringLiteral("frmGasLaws"), .action = Form::Action::Hide}};
    s.messages.help = QStringLiteral("The molecular mass of a gas can be determined by using the ideal gas equation.  ");
    return s;
}
}  // namespace

frmMolecularWeight::frmMolecularWeight() : CalculatorForm(molecularWeight(*this)) {
    const QString valid = QStringLiteral("You must enter valid data into all the boxes.");
    addCheck([this] { return isEmpty(Text6) || isEmpty(Text3) || isEmpty(Text2) || isEmpty(Text4); },
             QStringLiteral("You must enter data into all the boxes."));
    addCheck([this] { return Num::notAboveZero(Text6->text()) || Num::notAboveZero(Text3->text()) || Num::notAboveZero(Text2->text()); }, valid);
    addCheck([this] { return Num::notKelvin(Text4->text()); }, KelvinMessage, InformationStyle);
    addCheck([this] { return Num::notAboveZero(Text4->text()); }, valid);
}

std::optional<CalculatorForm::Result> frmMolecularWeight::calculate() {
    const double p = number(Text6);
    const double m = number(Text3);
    const double v = number(Text2);
    const double t = number(Text4);
    const double r = GasFormulas::RAtmosphere;
    return Result{GasFormulas::molarMass(m, p, v, t, r),
                  Num::text(m) + QStringLiteral("/ ((") + Num::text(p) + QStringLiteral(" * ") + Num::text(v) +
                      QStringLiteral(") / (") + Num::text(r) + QStringLiteral(" * ") + Num::text(t) +
                      QStringLiteral("))")};
}
