#include "frmVolumeVolume.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design volumeVolume(frmVolumeVolume& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Volume - Volume Problems");
    s.heading = QStringLiteral("Enter data from a balanced equation. (Temperature and pressure constant)");
    s.headingLabel = &w.Label1;
    s.inputs = {
        Input{.name = QStringLiteral("Text1"), .prompt = QStringLiteral("Enter the original volume in liters."),
              .promptName = QStringLiteral("Label2"), .box = &w.Text1, .label = &w.Label2},
        Input{.name = QStringLiteral("Text2"), .prompt = QStringLiteral("Enter the coefficient of the given gas."),
              .promptName = QStringLiteral("Label3"),
              .toolTip = QStringLiteral("Enter the coefficient for the molecule that you know."),
              .keys = QStringLiteral("\b\r"), .box = &w.Text2, .label = &w.Label3},
        Input{.name = QStringLiteral("Text3"), .prompt = QStringLiteral("Enter the coefficient of the gas you need."),
              .promptName = QStringLiteral("Label4"),
              .toolTip = QStringLiteral("Enter the coefficient for the molecule you want to know about."),
              .keys = QStringLiteral("\b\r"), .keyTitle = QStringLiteral("v"), .box = &w.Text3, .label = &w.Label4},
    };
    s.answerName = QStringLiteral("Text13");
    s.resultName = QStringLiteral("Label14");
    s.resultCaption = QStringLiteral("The new volume is ");
    s.workLineName = QStringLiteral("Text4");
    s.result = &w.Label14;
    s.answer = &w.Text13;
    s.work = &w.Text4;
    s.helpLeftOfResult = true;
    s.format = CalculatorForm::Format::DefaultDouble;
    s.checkStyle = Form::InformationStyle;
    s.trapText = QStringLiteral("Data Entry Error.");
    s.unloadBeforeShow = true;
    s.parent = QStringLiteral("frmGasLaws");
    s.helpText = QStringLiteral("In a reaction involving gases, it is possible to determine the volume of one gas "
                                "given the volume of another gas. ") +
                 QStringLiteral("Using Avogadros principle, you can convert volumes to moles and moles to volumes. ");
    return s;
}
}  // namespace

frmVolumeVolume::frmVolumeVolume() : CalculatorForm(volumeVolume(*this)) {
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
