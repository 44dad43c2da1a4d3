#include "frmMolarVolume.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design molarVolume(frmMolarVolume& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral(" Molar Volume");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label3)},
    };
    const QString weight = QStringLiteral("Enter the molecular weight of the gas.");
    const QString mass = QStringLiteral("Enter the mass of the gas in grams.");
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Mass"),
               .prompts = {weight, QStringLiteral("Enter the volume of the gas in liters.")},
               .result = QStringLiteral("The mass of the gas is "), .unit = QStringLiteral("grams")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Moles"), .prompts = {weight, mass},
               .result = QStringLiteral("There are "), .unit = QStringLiteral("moles")},
        Option{.name = BIND(w, opt3), .caption = QStringLiteral("Volume"), .prompts = {weight, mass},
               .result = QStringLiteral("The volume  is "), .unit = QStringLiteral("liters")},
    };
    s.answer.box = BIND(w, Text3);
    s.answer.caption = BIND(w, Label4);
    s.answer.unit = BIND(w, Label1);
    s.answer.workLine = BIND(w, Text4);
    s.layout.helpLeftOfResult = true;
    s.clearSelectsFirstOption = true;
    const Form::Style own{.title = QStringLiteral("Molar Volume")};
    s.messages.keyStyle = s.messages.checkStyle = s.messages.trapStyle = own;
    s.messages.trap = QStringLiteral("Data entry error");
    s.leaving.unloadBeforeShow = true;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.messages.help = QStringLiteral("One mole of a gas occupies 22.4 liters at STP. One mole of a gas also contains "
                                "Avogadros number of molecules ") +
                 QStringLiteral("of that gas. ");
    return s;
}
}  // namespace

frmMolarVolume::frmMolarVolume() : CalculatorForm(molarVolume(*this)) {
    const QString both = QStringLiteral("You must enter valid data into both boxes.");
    addCheck([this] { return option() < 0; }, QStringLiteral("You must select one of the options."));
    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2); }, both);
    // Weights, volumes and masses are never negative; no gas has a molecular
    // weight or a volume of 0.
    addCheck([this] { return Num::notPositive(Text1->text()) || Num::negative(Text2->text()); }, both);
    addCheck([this] { return option() == 0 && Num::notPositive(Text2->text()); }, both);
}

std::optional<CalculatorForm::Result> frmMolarVolume::calculate() {
    const double mw = number(Text1);
    const double second = number(Text2);
    const QString a = Text1->text(), b = Text2->text();
    switch (option()) {
    case 0:
        return Result{GasFormulas::massOfVolume(mw, second), a + QStringLiteral(" * ") + b + QStringLiteral(" / 22.4")};
    case 1:
        return Result{GasFormulas::molesOfMass(mw, second), b + QStringLiteral(" / ") + a};
    case 2:
        return Result{GasFormulas::volumeOfMass(mw, second), b + QStringLiteral(" / ") + a + QStringLiteral(" * 22.4")};
    }
    return std::nullopt;
}
