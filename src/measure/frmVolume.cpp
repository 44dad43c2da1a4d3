#include "frmVolume.h"

namespace {
enum { Sphere, Block, Cylinder };

CalculatorForm::Design volume() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Volume Calculation");
    s.inputs = {{QStringLiteral("Text1"), QString(), QStringLiteral("Label2")},
                {QStringLiteral("Text2"), QString(), QStringLiteral("Label3")}};
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.optionsInRow = true;
    CalculatorForm::Option sphere{QStringLiteral("opt1"), QStringLiteral("Sphere"), QString(),
                                  {QStringLiteral("Enter the radius of the sphere."), QStringLiteral("")},
                                  QStringLiteral("The volume of the sphere is : ")};
    CalculatorForm::Option block{QStringLiteral("opt2"), QStringLiteral("Block"), QString(),
                                 {QStringLiteral("Enter the length of the side of the block."), QStringLiteral("")},
                                 QStringLiteral("The volume of the block is: ")};
    CalculatorForm::Option cylinder{QStringLiteral("opt3"), QStringLiteral("Cylinder"), QString(),
                                    {QStringLiteral("Enter the height of the cylinder."),
                                     QStringLiteral("Enter the radius of the cylinder.")},
                                    QStringLiteral("The volume of the cylinder is: ")};
    sphere.hidden = block.hidden = {1};
    s.options = {sphere, block, cylinder};
    s.digits = Num::SingleDigits;  // the boxes are read in single precision
    s.answerName = QStringLiteral("Text3");
    s.resultName = QStringLiteral("Label4");
    s.workLineName = QStringLiteral("Text4");
    s.trapText = QStringLiteral("Data Entry Error.");
    s.parent = QStringLiteral("frmGeneralChoice");
    s.tabOrder = {QStringLiteral("Text1"),  QStringLiteral("Text2"), QStringLiteral("cmdOk"),
                  QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"), QStringLiteral("Text3"),
                  QStringLiteral("opt1"), QStringLiteral("opt2"), QStringLiteral("opt3"),
                  QStringLiteral("Text4"), QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.helpText = QStringLiteral(
        "Volume refers to the amount of space an object takes up or contains. Volume is an essential part of density. "
        "Many calculations, particularly gas and pressure problems,  utilize volume. ");
    return s;
}
}  // namespace

frmVolume::frmVolume() : CalculatorForm(volume()) {
    Frame1 = frame;
    opt1 = options[Sphere];
    opt2 = options[Block];
    opt3 = options[Cylinder];
    bind(prompts, Label2, Label3);
    bind(inputs, Text1, Text2);
    Label4 = resultLabel;
    Text3 = answerBox;
    Text4 = workLine;

    const QString valid = QStringLiteral("You must enter valid data.");
    const Style info{Msg::Icon::Information, QStringLiteral("Tessival")};
    addCheck([this] { return opt1->isChecked() && isEmpty(Text1); }, valid);
    addCheck([this] { return !isEmpty(Text1) && Num::notAboveZero(Text1->text()); }, valid, info);
    // The cylinder's radius box is read (and shown) only for the cylinder.
    addCheck([this] { return opt3->isChecked() && !isEmpty(Text2) && Num::notAboveZero(Text2->text()); }, valid, info);
    addCheck([this] { return opt2->isChecked() && isEmpty(Text1); }, valid);
    addCheck([this] { return opt3->isChecked() && (isEmpty(Text1) || isEmpty(Text2)); }, valid);
}

void frmVolume::cleared() { selectOption(Sphere); }

std::optional<CalculatorForm::Result> frmVolume::calculate() {
    const QString pi = Num::text(Pi);
    if (opt1->isChecked()) {
        const double r = single(Text1);
        return Result{r * r * r * ((4.0 / 3.0) * Pi),
                      QStringLiteral(" (4 / 3) * ") + pi + QStringLiteral(" * ") + Text1->text() + QStringLiteral("^3")};
    }
    if (opt2->isChecked()) {
        const double side = single(Text1);
        return Result{side * side * side, Text1->text() + QStringLiteral("^3")};
    }
    const double h = single(Text1), r = single(Text2);
    return Result{h * Pi * (r * r), QStringLiteral("(") + pi + QStringLiteral(" * ") + Text1->text() +
                                        QStringLiteral(" * ") + Text2->text() + QStringLiteral(" ^ 2)")};
}
