#include "frmMolecularWeight.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design molecularWeight(frmMolecularWeight& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Molecular Mass");
    s.heading = QStringLiteral("Enter the following data to calculate molecular mass.");
    s.headingLabel = &w.Label1;
    s.inputs = {
        Input{.name = QStringLiteral("Text6"), .prompt = QStringLiteral("Enter the pressure in atmospheres."),
              .promptName = QStringLiteral("Label8"), .keys = QStringLiteral(".E\b\r"), .box = &w.Text6,
              .label = &w.Label8},
        Input{.name = QStringLiteral("Text3"), .prompt = QStringLiteral("Enter the mass in grams"),
              .promptName = QStringLiteral("Label4"), .box = &w.Text3, .label = &w.Label4},
        Input{.name = QStringLiteral("Text2"), .prompt = QStringLiteral("Enter the volume in liters"),
              .promptName = QStringLiteral("Label3"), .box = &w.Text2, .label = &w.Label3},
        Input{.name = QStringLiteral("Text4"), .prompt = QStringLiteral("Enter the temperature in degrees K"),
              .promptName = QStringLiteral("Label5"), .toolTip = QStringLiteral("Kelvin is Celcius + 273."),
              .keys = QStringLiteral(".-\b\r"), .box = &w.Text4, .label = &w.Label5},
    };
    s.constants = {{.name = QStringLiteral("Text1"),
                    .prompt = QStringLiteral("Ideal Gas Constant (R)"),
                    .promptName = QStringLiteral("Label2"),
                    .text = QLatin1String(GasFormulas::RAtmosphereText),
                    .before = 4,
                    .box = &w.Text1,
                    .label = &w.Label2}};
    s.answerName = QStringLiteral("Text5");
    s.resultName = QStringLiteral("Label6");
    s.resultCaption = QStringLiteral("The molecular mass is ");
    s.unitName = QStringLiteral("Label7");
    s.unitCaption = QStringLiteral(" g/mol");
    s.workLineName = QStringLiteral("Text7");
    s.result = &w.Label6;
    s.answer = &w.Text5;
    s.unit = &w.Label7;
    s.work = &w.Text7;
    s.helpLeftOfResult = true;
    s.singleResult = true;
    s.trapText = QStringLiteral("Data Entry Error");
    s.clearFocusesInput = false;
    s.parent = QStringLiteral("frmGasLaws");
    s.onLoad = {{.window = QStringLiteral("frmGasLaws"), .action = Form::Action::Hide}};
    s.helpText = QStringLiteral("The molecular mass of a gas can be determined by using the ideal gas equation.  ");
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
