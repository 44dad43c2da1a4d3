#include "frmFaradays.h"

#include "EnergyFormulas.h"
#include "gases/GasFormulas.h"

namespace {
CalculatorForm::Design faradays() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Faraday's Laws");
    CalculatorForm::Input minutes{QStringLiteral("Text5"), QString(), QStringLiteral("Label5")};
    minutes.keys = QStringLiteral("\b\r");
    s.inputs = {{QStringLiteral("Text1"), QString(), QStringLiteral("Label1")},
                {QStringLiteral("Text2"), QString(), QStringLiteral("Label2")},
                {QStringLiteral("Text3"), QString(), QStringLiteral("Label3")},
                minutes};
    const QString amps = QStringLiteral("Enter the amps of current flow.");
    const QString time = QStringLiteral("Enter the number of minutes.");
    const QString electrons = QStringLiteral("Enter the moles of electrons released.");
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Grams"), QString(),
         {QStringLiteral("Enter the coulombs for the element."), QStringLiteral("Enter the molecular weight."), electrons,
          QStringLiteral("Enter the minutes.")},
         QStringLiteral("The number of grams is "), QStringLiteral("grams ")},
        {QStringLiteral("opt2"), QStringLiteral("Moles"), QString(), {amps, time, electrons, QStringLiteral("")},
         QStringLiteral("The number of moles is "), QStringLiteral("moles")},
        {QStringLiteral("opt3"), QStringLiteral("Liters"), QString(), {amps, time, electrons, QStringLiteral("")},
         QStringLiteral("The volume released is "), QStringLiteral("liters")},
    };
    s.options[1].hidden = s.options[2].hidden = {3};
    // A new option starts from empty boxes; the minutes only under Grams.
    s.options[0].emptied = {0, 1, 2, 3};
    s.options[1].emptied = s.options[2].emptied = {0, 1, 2};
    s.optionsInRow = true;
    s.digits = Num::SingleDigits;  // the boxes are read in single precision
    s.answerName = QStringLiteral("Text6");
    s.resultName = QStringLiteral("Label6");
    s.unitName = QStringLiteral("Label4");
    s.workLineName = QStringLiteral("Text4");
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapText = QStringLiteral("Missing data.");
    s.parent = QStringLiteral("frmEnergy");
    s.unloadBeforeShow = true;
    s.tabOrder = QStringList{"Text1", "Text2", "Text3", "Text5", "cmdOk", "cmdClear", "cmdCancel", "opt1", "opt2",
                             "opt3", "Text6", "Text4", "cmdPrint", "cmdHelp"};
    s.helpText = QStringLiteral(
        "There is a relationship between chemical change and electric energy. This is very useful in electrolysis. "
        "The amount of chemical change produced is proportional to the quantity of electrical charge passing through "
        "a cell. A given quantity of electricity produces the same number of equivalents of any substance.  ");
    return s;
}
}  // namespace

frmFaradays::frmFaradays() : CalculatorForm(faradays()) {
    Frame1 = frame;
    bind(options, opt1, opt2, opt3);
    bind(inputs, Text1, Text2, Text3, Text5);
    bind(prompts, Label1, Label2, Label3, Label5);
    Text6 = answerBox;
    Label6 = resultLabel;
    Label4 = unitLabel;
    Text4 = workLine;

    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text3); },
             QStringLiteral("You must enter valid data in all boxes."));
}

void frmFaradays::cleared() {
    switch (option()) {
    case Grams:
        Text5->setText(QStringLiteral("1"));
        setPrompt(3, QStringLiteral("Enter the number of minutes."));
        break;
    case Moles:
        unitLabel->setText(QStringLiteral("moles "));
        break;
    case Liters:
        unitLabel->setText(QStringLiteral("liters "));
        break;
    }
}

std::optional<CalculatorForm::Result> frmFaradays::calculate() {
    const float x = single(Text1), y = single(Text2), z = single(Text3);
    const QString t1 = Text1->text(), t2 = Text2->text(), t3 = Text3->text();
    if (option() == Grams)
        return Result{Energy::faradayGrams(x, z, y),
                      t1 + QStringLiteral(" / 96500 / ") + t3 + QStringLiteral(" * ") + t2};
    const double moles = Energy::faradayMoles(x, y, z);
    const QString work = t1 + QStringLiteral(" * ") + t2 + QStringLiteral(" * 60 / 96500 / ") + t3;
    if (option() == Moles) return Result{moles, work};
    return Result{Num::checked(moles * GasFormulas::MolarVolume), work + QStringLiteral(" * 22.4")};
}
