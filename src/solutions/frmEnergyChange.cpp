#include "frmEnergyChange.h"

namespace {
CalculatorForm::Design energyChange(frmEnergyChange& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Heat Energy Change");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the mass in grams."),
              .promptName = BIND(w, Label1)},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Temperature change in degrees Celcius."),
              .promptName = BIND(w, Label2), .keys = QStringLiteral(".-\b\r")},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Enter the specific heat in J/(g·°C)."),
              .promptName = BIND(w, Label3),
              .toolTip = QStringLiteral("Use the chart below or one found in a textbook.")},
    };
    s.answer.box = BIND(w, Text4);
    s.answer.caption = BIND(w, Label4);
    s.answer.captionText = QStringLiteral("The heat energy change is: ");
    s.answer.unit = BIND(w, Label5);
    s.answer.unitText = QStringLiteral("Joules");
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text5);
    s.leaving.parent = QStringLiteral("frmEnergy");
    s.messages.help = QStringLiteral(
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
    addCheck([this] { return !(number(Text1) > 0); }, QStringLiteral("You must enter a positive amount."));
}

std::optional<CalculatorForm::Result> frmEnergyChange::calculate() {
    const double m = number(Text1), dT = number(Text2), c = number(Text3);
    const double q = m * dT * c;
    const QString times = QStringLiteral(" * ");
    return Result{q, Num::text(m) + times + Num::text(dT) + times + Num::text(c)};
}
