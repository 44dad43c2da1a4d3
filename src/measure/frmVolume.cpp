#include "frmVolume.h"

namespace {
CalculatorForm::Design volume(frmVolume& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Volume Calculation");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label3)},
    };
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.frameName = BIND(w, Frame1);
    s.layout.optionsInRow = true;
    // The cylinder alone reads the second box.
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Sphere"),
               .prompts = {QStringLiteral("Enter the radius of the sphere."), QStringLiteral("")},
               .result = QStringLiteral("The volume of the sphere is : "), .hidden = {1}},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Block"),
               .prompts = {QStringLiteral("Enter the length of the side of the block."), QStringLiteral("")},
               .result = QStringLiteral("The volume of the block is: "), .hidden = {1}},
        Option{.name = BIND(w, opt3), .caption = QStringLiteral("Cylinder"),
               .prompts = {QStringLiteral("Enter the height of the cylinder."),
                           QStringLiteral("Enter the radius of the cylinder.")},
               .result = QStringLiteral("The volume of the cylinder is: ")},
    };
    s.answer.box = BIND(w, Text3);
    s.answer.caption = BIND(w, Label4);
    s.answer.workLine = BIND(w, Text4);
    s.messages.trap = QStringLiteral("Data Entry Error.");
    s.clearSelectsFirstOption = true;
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.layout.tabOrder = {QStringLiteral("Text1"),  QStringLiteral("Text2"), QStringLiteral("cmdOk"),
                         QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"), QStringLiteral("Text3"),
                         QStringLiteral("opt1"), QStringLiteral("opt2"), QStringLiteral("opt3"),
                         QStringLiteral("Text4"), QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "Volume refers to the amount of space an object takes up or contains. Volume is an essential part of density. "
        "Many calculations, particularly gas and pressure problems,  utilize volume. ");
    return s;
}
}  // namespace

frmVolume::frmVolume() : CalculatorForm(volume(*this)) {
    const QString valid = QStringLiteral("You must enter valid data.");
    addCheck([this] { return opt1->isChecked() && isEmpty(Text1); }, valid);
    addCheck([this] { return !isEmpty(Text1) && Num::notAboveZero(Text1->text()); }, valid, InformationStyle);
    // The cylinder's radius box is read (and shown) only for the cylinder.
    addCheck([this] { return opt3->isChecked() && !isEmpty(Text2) && Num::notAboveZero(Text2->text()); }, valid,
             InformationStyle);
    addCheck([this] { return opt2->isChecked() && isEmpty(Text1); }, valid);
    addCheck([this] { return opt3->isChecked() && (isEmpty(Text1) || isEmpty(Text2)); }, valid);
}

std::optional<CalculatorForm::Result> frmVolume::calculate() {
    const QString pi = Num::text(Pi);
    if (opt1->isChecked()) {
        const double r = number(Text1);
        return Result{r * r * r * ((4.0 / 3.0) * Pi),
                      QStringLiteral(" (4 / 3) * ") + pi + QStringLiteral(" * ") + Text1->text() + QStringLiteral("^3")};
    }
    if (opt2->isChecked()) {
        const double side = number(Text1);
        return Result{side * side * side, Text1->text() + QStringLiteral("^3")};
    }
    const double h = number(Text1), r = number(Text2);
    return Result{h * Pi * (r * r), QStringLiteral("(") + pi + QStringLiteral(" * ") + Text1->text() +
                                        QStringLiteral(" * ") + Text2->text() + QStringLiteral(" ^ 2)")};
}
