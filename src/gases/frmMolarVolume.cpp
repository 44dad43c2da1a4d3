#include "frmMolarVolume.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design molarVolume() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral(" Molar Volume");
    CalculatorForm::Input mw{QStringLiteral("Text1"), QString(), QStringLiteral("Label2")};
    CalculatorForm::Input second{QStringLiteral("Text2"), QString(), QStringLiteral("Label3")};
    s.inputs = {mw, second};
    const QString weight = QStringLiteral("Enter the molecular weight of the gas.");
    const QString mass = QStringLiteral("Enter the mass of the gas.");
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Mass"), QString(),
         {weight, QStringLiteral("Enter the volume of the gas in liters.")}, QStringLiteral("The mass of the gas is "),
         QStringLiteral("grams")},
        {QStringLiteral("opt2"), QStringLiteral("Moles"), QString(), {weight, mass}, QStringLiteral("There are "),
         QStringLiteral("moles")},
        {QStringLiteral("opt3"), QStringLiteral("Volume"), QString(), {weight, mass},
         QStringLiteral("The volume  is "), QStringLiteral("liters")},
    };
    s.answerName = QStringLiteral("Text3");
    s.resultName = QStringLiteral("Label4");
    s.unitName = QStringLiteral("Label1");
    s.workLineName = QStringLiteral("Text4");
    s.helpLeftOfResult = true;
    s.singleResult = true;
    const Form::Style own{Msg::Icon::None, QStringLiteral("Molar Volume")};
    s.keyStyle = s.checkStyle = s.trapStyle = own;
    s.trapText = QStringLiteral("Data entry error");
    s.unloadBeforeShow = true;
    s.parent = QStringLiteral("frmGasLaws");
    s.helpText = QStringLiteral("One mole of a gas occupies 22.4 liters at STP. One mole of a gas also contains "
                                "Avogadros number of molecules ") +
                 QStringLiteral("of that gas. ");
    return s;
}
}  // namespace

frmMolarVolume::frmMolarVolume() : CalculatorForm(molarVolume()) {
    Frame1 = frame;
    bind(options, opt1, opt2, opt3);
    bind(inputs, Text1, Text2);
    bind(prompts, Label2, Label3);
    Label4 = resultLabel;
    Text3 = answerBox;
    Label1 = unitLabel;
    Text4 = workLine;

    const QString both = QStringLiteral("You must enter valid data into both boxes.");
    addCheck([this] { return option() < 0; }, QStringLiteral("You must select one of the options."));
    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2); }, both);
    // Weights, volumes and masses are never negative; no gas has a molecular
    // weight or a volume of 0.
    addCheck([this] { return Num::notPositive(Text1->text()) || Num::negative(Text2->text()); }, both);
    addCheck([this] { return option() == 0 && Num::notPositive(Text2->text()); }, both);
}

std::optional<CalculatorForm::Result> frmMolarVolume::calculate() {
    const float mw = single(Text1);
    const float second = single(Text2);
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

void frmMolarVolume::cleared() { selectOption(0); }
