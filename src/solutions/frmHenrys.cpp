#include "frmHenrys.h"

namespace {
CalculatorForm::Design henrys(frmHenrys& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Henry's Law - Calculating Solubility");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the molality per atmosphere"),
              .promptName = BIND(w, Label2),
              .toolTip = QStringLiteral("Molality is moles per kilogram of solvent."),
              .keys = QStringLiteral(".E-+\b\r")},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the pressure in atmospheres"),
              .promptName = BIND(w, Label3)},
    };
    s.answer.box = BIND(w, Text3);
    s.answer.caption = BIND(w, Label4);
    s.answer.captionText = QStringLiteral("The solubility is ");
    s.answer.workLine = BIND(w, Text4);
    s.leaving.parent = QStringLiteral("frmSolutions");
    s.layout.tabOrder = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("cmdCancel"),
                         QStringLiteral("cmdClear"), QStringLiteral("cmdOk"), QStringLiteral("cmdPrint"),
                         QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "The amount of a gas that can be dissolved into a liquid depends upon the pressure exerted by the gas. The "
        "greater the pressure, the more of the gas that can be dissolved into the liquid. Carbonated beverages are a "
        "good example. CO2 is forced under pressure into the beverage. The solubility of the gas depends upon the "
        "pressure of the gas and its solubility constant. ");
    return s;
}
}  // namespace

frmHenrys::frmHenrys() : CalculatorForm(henrys(*this)) {
    addCheck([this] { return Num::notAboveZero(Text1->text()) || Num::notAboveZero(Text2->text()); },
             QStringLiteral("You must enter valid data into both boxes."));
}

std::optional<CalculatorForm::Result> frmHenrys::calculate() {
    const double k = number(Text1), p = number(Text2);
    return Result{k * p, Num::text(k) + QStringLiteral(" * ") + Num::text(p)};
}
