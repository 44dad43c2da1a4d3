#include "frmVolumeVolume.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design volumeVolume() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Volume - Volume Problems");
    s.heading = QStringLiteral("Enter data from a balanced equation. (Temperature and pressure constant)");
    CalculatorForm::Input v{QStringLiteral("Text1"), QStringLiteral("Enter the original volume in liters."),
                            QStringLiteral("Label2")};
    CalculatorForm::Input given{QStringLiteral("Text2"), QStringLiteral("Enter the coefficient of the given gas."),
                                QStringLiteral("Label3"),
                                QStringLiteral("Enter the coefficient for the molecule that you know.")};
    CalculatorForm::Input needed{QStringLiteral("Text3"), QStringLiteral("Enter the coefficient of the gas you need."),
                                 QStringLiteral("Label4"),
                                 QStringLiteral("Enter the coefficient for the molecule you want to know about.")};
    given.keys = needed.keys = QStringLiteral("\b\r");
    needed.keyTitle = QStringLiteral("v");
    s.inputs = {v, given, needed};
    s.answerName = QStringLiteral("Text13");
    s.resultName = QStringLiteral("Label14");
    s.resultCaption = QStringLiteral("The new volume is ");
    s.workLineName = QStringLiteral("Text4");
    s.helpLeftOfResult = true;
    s.format = CalculatorForm::Format::DefaultDouble;
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapText = QStringLiteral("Data Entry Error.");
    s.unloadBeforeShow = true;
    s.parent = QStringLiteral("frmGasLaws");
    s.helpText = QStringLiteral("In a reaction involving gases, it is possible to determine the volume of one gas "
                                "given the volume of another gas. ") +
                 QStringLiteral("Using Avogadros principle, you can convert volumes to moles and moles to volumes. ");
    return s;
}
}  // namespace

frmVolumeVolume::frmVolumeVolume() : CalculatorForm(volumeVolume()) {
    Label1 = heading;
    bind(inputs, Text1, Text2, Text3);
    bind(prompts, Label2, Label3, Label4);
    Label14 = resultLabel;
    Text13 = answerBox;
    Text4 = workLine;

    const QString coefficient = QStringLiteral("You must enter a valid coefficient.");
    addCheck([this] { return Num::notAboveZero(Text1->text()); }, QStringLiteral("You must enter a valid volume."));
    addCheck([this] { return Num::notAboveZero(Text2->text()); }, coefficient);
    addCheck([this] { return Num::notAboveZero(Text3->text()); }, coefficient);
}

std::optional<CalculatorForm::Result> frmVolumeVolume::calculate() {
    const double needed = number(Text3);
    const double given = number(Text2);
    const double litres = number(Text1);
    return Result{GasFormulas::volumeRatio(litres, given, needed), Text1->text() + QStringLiteral(" * (") +
                                                                       Text3->text() + QStringLiteral(" / ") +
                                                                       Text2->text() + QStringLiteral(")")};
}
