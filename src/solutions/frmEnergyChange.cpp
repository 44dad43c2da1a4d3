#include "frmEnergyChange.h"

namespace {
CalculatorForm::Design energyChange(frmEnergyChange& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Heat Energy Change");
    s.inputs = {
        Input{.name = QStringLiteral("Text1"), .prompt = QStringLiteral("Enter the mass in grams."),
              .promptName = QStringLiteral("Label1"), .box = &w.Text1, .label = &w.Label1},
        Input{.name = QStringLiteral("Text2"), .prompt = QStringLiteral("Temperature change in degrees Celcius."),
              .promptName = QStringLiteral("Label2"), .keys = QStringLiteral(".-\b\r"), .box = &w.Text2,
              .label = &w.Label2},
        Input{.name = QStringLiteral("Text3"), .prompt = QStringLiteral("Enter the specific heat."),
              .promptName = QStringLiteral("Label3"),
              .toolTip = QStringLiteral("Use the chart below or one found in a textbook."), .box = &w.Text3,
              .label = &w.Label3},
    };
    s.answerName = QStringLiteral("Text4");
    s.resultName = QStringLiteral("Label4");
    s.resultCaption = QStringLiteral("The heat energy change is: ");
    s.unitName = QStringLiteral("Label5");
    s.unitCaption = QStringLiteral("Joules");
    s.helpLeftOfResult = true;
    s.workLineName = QStringLiteral("Text5");
    s.result = &w.Label4;
    s.answer = &w.Text4;
    s.unit = &w.Label5;
    s.work = &w.Text5;
    s.singleResult = true;
    s.parent = QStringLiteral("frmEnergy");
    s.helpText = QStringLiteral(
        "When an object gains heat energy, the energy must have been lost by some other object. Also when an object "
        "loses heat energy, it must be gained by another object. There has to be conservation of heat energy. The "
        "heat gained or lost depends upon the mass of the object, the change in temperature, and the specific "
        "heat.  ");
    return s;
}
}  // namespace

frmEnergyChange::frmEnergyChange() : CalculatorForm(energyChange(*this)) {
    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text3); },
             QStringLiteral("You must enter valid data into all required boxes."));
    addCheck([this] { return !(single(Text1) > 0); }, QStringLiteral("You must enter a positive amount."));
}

std::optional<CalculatorForm::Result> frmEnergyChange::calculate() {
    const float m = single(Text1), dT = single(Text2), c = single(Text3);
    const double q = double(m) * double(dT) * double(c);
    const QString times = QStringLiteral(" * ");
    return Result{q, Num::text(m) + times + Num::text(dT) + times + Num::text(c)};
}
