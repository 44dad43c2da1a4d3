#include "frmEnergyChange.h"

namespace {
CalculatorForm::Design energyChange() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Heat Energy Change");
    CalculatorForm::Input mass{QStringLiteral("Text1"), QStringLiteral("Enter the mass in grams."),
                               QStringLiteral("Label1")};
    CalculatorForm::Input change{QStringLiteral("Text2"), QStringLiteral("Temperature change in degrees Celcius."),
                                 QStringLiteral("Label2")};
    change.keys = QStringLiteral(".-\b\r");
    CalculatorForm::Input heat{QStringLiteral("Text3"), QStringLiteral("Enter the specific heat."),
                               QStringLiteral("Label3"),
                               QStringLiteral("Use the chart below or one found in a textbook.")};
    s.inputs = {mass, change, heat};
    s.answerName = QStringLiteral("Text4");
    s.resultName = QStringLiteral("Label4");
    s.resultCaption = QStringLiteral("The heat energy change is: ");
    s.unitName = QStringLiteral("Label5");
    s.unitCaption = QStringLiteral("Joules");
    s.workLineName = QStringLiteral("Text5");
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

frmEnergyChange::frmEnergyChange() : CalculatorForm(energyChange()) {
    bind(inputs, Text1, Text2, Text3);
    bind(prompts, Label1, Label2, Label3);
    Text4 = answerBox;
    Label4 = resultLabel;
    Label5 = unitLabel;
    Text5 = workLine;

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
