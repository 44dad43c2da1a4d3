#include "frmHalfLife.h"

#include "EnergyFormulas.h"

namespace {
CalculatorForm::Design halfLife() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Half Life Calculations");
    CalculatorForm::Input life{QStringLiteral("Text1"), QString(), QStringLiteral("Label2")};
    CalculatorForm::Input initial{QStringLiteral("Text2"), QString(), QStringLiteral("Label3")};
    CalculatorForm::Input last{QStringLiteral("Text4"), QString(), QStringLiteral("Label5")};
    life.keys = last.keys = QStringLiteral("E+-.\b\r");
    initial.keys = QStringLiteral("E+.\b\r");
    s.inputs = {life, initial, last};
    const QString halfLife = QStringLiteral("Enter the half life of the element.");
    const QString start = QStringLiteral("Enter the initial quantity of material.");
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Time"), QString(),
         {halfLife, start, QStringLiteral("Enter the final quantity")}, QStringLiteral("The time required is"),
         QStringLiteral("years")},
        {QStringLiteral("opt2"), QStringLiteral("Quantity"), QString(),
         {halfLife, start, QStringLiteral("Enter the time period. ")}, QStringLiteral("The final quantity is "),
         QStringLiteral("atoms")},
    };
    s.options[0].emptied = s.options[1].emptied = {0, 1, 2};
    s.optionsInRow = true;
    s.answerName = QStringLiteral("Text3");
    s.resultName = QStringLiteral("Label4");
    s.unitName = QStringLiteral("Label6");
    s.workLineName = QStringLiteral("Text5");
    s.format = CalculatorForm::Format::DefaultDouble;
    s.answerChars = 21;  // -7.07106781186548E+19
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapText = QStringLiteral("Data Entry Error.");
    s.parent = QStringLiteral("frmEnergy");
    s.unloadBeforeShow = true;
    s.tabOrder = QStringList{"Text1", "Text2", "Text4", "cmdOk", "cmdClear", "cmdCancel", "Text3", "opt1", "opt2",
                             "Text5", "cmdPrint", "cmdHelp"};
    s.helpText = QStringLiteral(
        "Unstable nuclei tend to breakdown into a more stable form. In the process, new elements are formed due to "
        "the new nuclei that are formed. The rate that a nucleus breaks down is its half life. Different elements "
        "break down at different rates. Knowing the half life and the original amount allows you to determine the "
        "age of the substance. Knowing the half life and the time allows you to determine the quantity. ");
    return s;
}
}  // namespace

frmHalfLife::frmHalfLife() : CalculatorForm(halfLife()) {
    Frame1 = frame;
    bind(options, opt1, opt2);
    bind(inputs, Text1, Text2, Text4);
    bind(prompts, Label2, Label3, Label5);
    Text3 = answerBox;
    Label4 = resultLabel;
    Label6 = unitLabel;
    Text5 = workLine;

    // In screen order; a text that is no number goes to the trap.
    addCheck(
        [this] {
            for (const QLineEdit* box : {Text1, Text2, Text4})
                if (isEmpty(box) || !(number(box) > 0)) return true;
            return false;
        },
        QStringLiteral("You must enter valid data in all boxes."));
    // A quantity only decays: the time to reach the final quantity needs less than the initial one.
    addCheck([this] { return option() == Time && !(number(Text4) < number(Text2)); },
             QStringLiteral("The final quantity must be smaller than the initial quantity."));
}

void frmHalfLife::cleared() {
    selectOption(Time);
    setPrompt(2, QStringLiteral("Enter the final quantity."));
    setResultCaption(QStringLiteral("The time required is "));
    unitLabel->setText(QStringLiteral("years"));
}

std::optional<CalculatorForm::Result> frmHalfLife::calculate() {
    const double h = number(Text1), i = number(Text2), last = number(Text4);
    if (option() == Quantity)
        return Result{Energy::halfLifeQuantity(h, i, last), Num::text(i) + QStringLiteral(" * (1/2) ^ (") +
                                                                 Num::text(last) + QStringLiteral(" / ") + Num::text(h) +
                                                                 QStringLiteral(")")};
    return Result{Energy::halfLifeTime(h, i, last), Num::text(h) + QStringLiteral(" * log2(") + Num::text(i) +
                                                        QStringLiteral(" / ") + Num::text(last) + QStringLiteral(")")};
}
