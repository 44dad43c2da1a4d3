#include "frmVolumeVolume.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design volumeVolume(frmVolumeVolume& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Volume - Volume Problems");
    s.heading = QStringLiteral("Enter data from a balanced equation. (Temperature and pressure constant)");
    s.headingName = BIND(w, Label1);
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the original volume in liters."),
              .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the coefficient of the given gas."),
              .promptName = BIND(w, Label3),
              .toolTip = QStringLiteral("Enter the coefficient for the molecule that you know."),
              .keys = QStringLiteral("\b\r")},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Enter the coefficient of the gas you need."),
              .promptName = BIND(w, Label4),
              .toolTip = QStringLiteral("Enter the coefficient for the molecule you want to know about."),
              .keys = QStringLiteral("\b\r"), .keyTitle = QStringLiteral("v")},
    };
    s.answer.box = BIND(w, Text13);
    s.answer.caption = BIND(w, Label14);
    s.answer.captionText = QStringLiteral("The new volume is ");
    s.answer.workLine = BIND(w, Text4);
    s.layout.helpLeftOfResult = true;
    s.answer.format = CalculatorForm::Format::DefaultDouble;
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data Entry Error.");
    s.leaving.unloadBeforeShow = true;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.messages.help = QStringLiteral("In a reaction involving gases, it is possible to determine the volume of one gas "
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
    const long double needed = extended(Text3);
    const long double given = extended(Text2);
    const long double litres = extended(Text1);
    return Result{GasFormulas::volumeRatio(litres, given, needed), Text1->text() + QStringLiteral(" * (") +
                                                                       Text3->text() + QStringLiteral(" / ") +
                                                                       Text2->text() + QStringLiteral(")")};
}
