#include "frmRaoults.h"

#include "WaterVapourLookup.h"
#include "refdata/ReferenceDatabase.h"

namespace {
CalculatorForm::Design raoults(frmRaoults& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Raoult's Law");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the temperature in Celsius."),
              .promptName = BIND(w, Label2), .keys = QStringLiteral(".-\b\r")},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the mass of solute in grams."),
              .promptName = BIND(w, Label3)},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Enter the molecular weight of the solute."),
              .promptName = BIND(w, Label4), .toolTip = QStringLiteral("Enter a valid number.")},
        // The vapour pressure is water's, so the solvent is water.
        Input{.name = BIND(w, Text4),
              .prompt = QStringLiteral("Enter the mass in grams of the solvent (water)."),
              .promptName = BIND(w, Label5)},
        Input{.name = BIND(w, Text5),
              .prompt = QStringLiteral("Enter the molecular weight of the solvent (water)."),
              .promptName = BIND(w, Label6)},
    };
    s.answer.box = BIND(w, Text6);
    s.answer.caption = BIND(w, Label7);
    s.answer.captionText = QStringLiteral("The vapor pressure is ");
    s.answer.workLine = BIND(w, Text7);
    s.answer.unit = BIND(w, Label8);
    s.answer.unitText = QStringLiteral("kPa");  // the water table's unit
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Error in data entry.");
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.unloadBeforeShow = true;
    s.messages.help = QStringLiteral(
        "When you add a solute to a solvent like water, you affect the rate at which the water molecules can "
        "evaporate. The solute molecules block part of the surface area through which the solvent molecules can "
        "leave. Knowing the  mole fraction of the solvent and the vapor pressure of the solvent at a particular  "
        "temperature, you can calculate the new vapor pressure of the solvent. This calculator takes the solvent to be "
        "water: it uses the vapor pressure of water at the temperature you enter. ");
    return s;
}
}  // namespace

frmRaoults::frmRaoults() : CalculatorForm(raoults(*this)) {
    const QString positive = QStringLiteral("You must enter a positive number.");
    addCheck([this] { return isEmpty(Text1); }, QStringLiteral("You must enter a temperature."));
    addCheck([this] { return isEmpty(Text2); }, QStringLiteral("You must enter a mass for solutes."));
    addCheck([this] { return Num::notAboveZero(Text2->text()); }, positive);
    addCheck([this] { return isEmpty(Text3); }, QStringLiteral("You must enter the molecular weight of the solute."));
    addCheck([this] { return Num::notAboveZero(Text3->text()); }, positive);
    addCheck([this] { return isEmpty(Text4); }, QStringLiteral("You must enter the mass of the solvent."));
    addCheck([this] { return Num::notAboveZero(Text4->text()); }, positive);
    addCheck([this] { return isEmpty(Text5); }, QStringLiteral("You must enter the molecular weight of the solvent."));
    addCheck([this] { return Num::notAboveZero(Text5->text()); }, positive);
}

std::optional<CalculatorForm::Result> frmRaoults::calculate() {
    const double ns = Num::div(number(Text2), number(Text3));
    const double nv = Num::div(number(Text4), number(Text5));
    const std::optional<double> vp = WaterVapourLookup::pressure(number(Text1));
    if (!vp) {
        Msg::info(WaterVapourLookup::noEntryMessage(Text1->text()));
        return std::nullopt;
    }
    const double sum = Num::checked(nv + ns);
    const double x = Num::div(nv, sum);
    const double p = Num::checked(*vp * x);
    const QString solvent = Num::text(nv, Num::ShortDigits);
    return Result{p, Num::text(*vp) + QStringLiteral(" * ") + solvent + QStringLiteral(" / (") +
                         Num::text(ns, Num::ShortDigits) + QStringLiteral(" + ") + solvent + QStringLiteral(")")};
}

void frmRaoults::trap(const RuntimeFault& fault) {
    // A table that cannot be read is no typing error: say what went wrong.
    if (dynamic_cast<const DbError*>(&fault)) say(fault.description(), {});
    else CalculatorForm::trap(fault);
}
