#include "frmMassVolume.h"

#include "GasFormulas.h"

namespace {
const QString Grams = QStringLiteral("Enter the mass of the reactant in grams.");
const QString Weight = QStringLiteral("Enter the molecular weight of the reactant.");

CalculatorForm::Design massVolume() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mass - Volume");
    CalculatorForm::Input t1{QStringLiteral("Text1"), QString(), QStringLiteral("Label1")};
    CalculatorForm::Input t2{QStringLiteral("Text2"), QString(), QStringLiteral("Label2")};
    CalculatorForm::Input t3{QStringLiteral("Text3"), QString(), QStringLiteral("Label3")};
    CalculatorForm::Input t5{QStringLiteral("Text5"), QStringLiteral("to"), QStringLiteral("Label5")};
    t5.besidePrevious = true;  // the ratio row: product coefficient "to" reactant coefficient
    CalculatorForm::Input t6{QStringLiteral("Text6"), QString(), QStringLiteral("Label6")};
    CalculatorForm::Input t7{QStringLiteral("Text7"), QString(), QStringLiteral("Label7")};
    t2.keys = QStringLiteral(".-\b\r");
    t3.keys = t5.keys = QStringLiteral("\b\r");
    s.inputs = {t1, t2, t3, t5, t6, t7};
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Volume"), QString(),
         {Grams, Weight, QStringLiteral("Enter the ratio of product to reactant.")},
         QStringLiteral("The volume of the gas is "), QStringLiteral("Liters"), false, std::nullopt, {4, 5}},
        {QStringLiteral("opt2"), QStringLiteral("Mass"), QString(),
         {QStringLiteral("Enter the volume in liters."), QStringLiteral("Enter the initial temperature in Kelvin."),
          QStringLiteral("Enter the product to reactant ratio."), QString(), Weight,
          QStringLiteral("Enter the initial pressure in kPa.")},
         QStringLiteral("The mass of the reactant is "), QStringLiteral("grams")},
    };
    // A new option starts from empty boxes; the hidden ones keep their text.
    s.options[0].emptied = {0, 1, 2, 3};
    s.options[1].emptied = {0, 1, 2, 3, 4, 5};
    s.answerName = QStringLiteral("Text4");
    s.resultName = QStringLiteral("Label4");
    s.unitName = QStringLiteral("Label8");
    s.workLineName = QStringLiteral("Text8");
    s.helpLeftOfResult = true;
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapText = QStringLiteral("Data entry error");
    s.unloadBeforeShow = true;
    s.parent = QStringLiteral("frmGasLaws");
    s.helpText = QStringLiteral("Gases are involved in many chemical reactions. In some problems you are given a mass "
                                "of a substance and are ") +
                 QStringLiteral("asked to determine the volume of a gas that is produced. Likewise, you may be given a "
                                "volume of a ") +
                 QStringLiteral("gas and asked to determine the mass of a substance. Keep in mind that 1 mole of a gas "
                                "occupies a ") +
                 QStringLiteral("volume of 22.4 liters. ");
    return s;
}
}  // namespace

frmMassVolume::frmMassVolume() : CalculatorForm(massVolume()) {
    Frame1 = frame;
    bind(options, opt1, opt2);
    bind(inputs, Text1, Text2, Text3, Text5, Text6, Text7);
    bind(prompts, Label1, Label2, Label3, Label5, Label6, Label7);
    Label4 = resultLabel;
    Text4 = answerBox;
    Label8 = unitLabel;
    Text8 = workLine;

    Label5->setAlignment(Qt::AlignCenter);

    // The Mass rows keep their place while the Volume option hides them.
    for (QWidget* w : {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Text6), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(Text7)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }

    const QString first = QStringLiteral("You must enter a valid, positive number.");
    const QString positive = QStringLiteral("You must enter a valid, positive number .");
    addCheck([this] { return Num::notAboveZero(Text1->text()); }, first);
    addCheck([this] { return opt2->isChecked() && Num::notKelvin(Text2->text()); }, KelvinMessage);
    addCheck([this] { return Num::notAboveZero(Text2->text()); }, positive);
    addCheck([this] { return Num::notAboveZero(Text3->text()); }, positive);
    addCheck([this] { return Num::notAboveZero(Text5->text()); }, positive);
    addCheck([this] { return opt2->isChecked() && Num::notAboveZero(Text6->text()); }, positive);
    addCheck([this] { return opt2->isChecked() && Num::notAboveZero(Text7->text()); }, positive);
}

std::optional<CalculatorForm::Result> frmMassVolume::calculate() {
    const double product = number(Text3);
    const double reactant = number(Text5);
    const QString ratio = Text3->text() + QStringLiteral(" / ") + Text5->text();
    if (opt1->isChecked()) {
        const double grams = number(Text1);
        const double mw = number(Text2);
        return Result{GasFormulas::gasVolume(grams, mw, product, reactant),
                      Text1->text() + QStringLiteral(" / ") + Text2->text() + QStringLiteral(" * ") + ratio +
                          QStringLiteral(" * 22.4")};
    }
    const double litres = number(Text1);
    const double kelvin = number(Text2);
    const double mw = number(Text6);
    const double kpa = number(Text7);
    return Result{GasFormulas::reactantMass(kpa, litres, kelvin, product, reactant, mw),
                  Text7->text() + QStringLiteral(" * ") + Text1->text() + QStringLiteral(" / (8.314 * ") +
                      Text2->text() + QStringLiteral(") * ") + Text5->text() + QStringLiteral(" / ") + Text3->text() +
                      QStringLiteral(" * ") + Text6->text()};
}

void frmMassVolume::cleared() {
    selectOption(0);
    setPrompt(0, QStringLiteral("Enter the mass of the reactant."));
}
