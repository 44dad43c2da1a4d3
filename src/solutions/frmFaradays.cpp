#include "frmFaradays.h"

#include "EnergyFormulas.h"
#include "gases/GasFormulas.h"

namespace {
CalculatorForm::Design faradays(frmFaradays& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Faraday's Laws");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label1)},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text3), .promptName = BIND(w, Label3)},
        Input{.name = BIND(w, Text5), .promptName = BIND(w, Label5), .keys = QStringLiteral("\b\r")},
    };
    const QString amps = QStringLiteral("Enter the amps of current flow.");
    const QString time = QStringLiteral("Enter the number of minutes.");
    const QString electrons = QStringLiteral("Enter the moles of electrons transferred.");
    s.frameName = BIND(w, Frame1);
    // A new option starts from empty boxes; the minutes only under Grams.
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Grams"),
               .prompts = {QStringLiteral("Enter the coulombs for the element."),
                           QStringLiteral("Enter the molecular weight."), electrons,
                           QStringLiteral("Enter the minutes.")},
               .result = QStringLiteral("The number of grams is "), .unit = QStringLiteral("grams "),
               .emptied = {0, 1, 2, 3}},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Moles"),
               .prompts = {amps, time, electrons, QStringLiteral("")},
               .result = QStringLiteral("The number of moles is "), .unit = QStringLiteral("moles"), .hidden = {3},
               .emptied = {0, 1, 2}},
        Option{.name = BIND(w, opt3), .caption = QStringLiteral("Liters"),
               .prompts = {amps, time, electrons, QStringLiteral("")},
               .result = QStringLiteral("The volume released is "), .unit = QStringLiteral("liters"), .hidden = {3},
               .emptied = {0, 1, 2}},
    };
    s.layout.optionsInRow = true;
    s.answer.box = BIND(w, Text6);
    s.answer.caption = BIND(w, Label6);
    s.answer.unit = BIND(w, Label4);
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text4);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Missing data.");
    s.leaving.parent = QStringLiteral("frmEnergy");
    s.leaving.unloadBeforeShow = true;
    s.layout.tabOrder = QStringList{"Text1", "Text2", "Text3", "Text5", "cmdOk", "cmdClear", "cmdCancel", "opt1", "opt2",
                                    "opt3", "Text6", "Text4", "cmdPrint", "cmdHelp"};
    s.messages.help = QStringLiteral(
        "There is a relationship between chemical change and electric energy. This is very useful in electrolysis. "
        "The amount of chemical change produced is proportional to the quantity of electrical charge passing through "
        "a cell. A given quantity of electricity produces the same number of equivalents of any substance.  ");
    return s;
}
}  // namespace

frmFaradays::frmFaradays() : CalculatorForm(faradays(*this)) {
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
        unitLabel->setText(QStringLiteral("moles"));
        break;
    case Liters:
        unitLabel->setText(QStringLiteral("liters"));
        break;
    }
}

std::optional<CalculatorForm::Result> frmFaradays::calculate() {
    const double x = number(Text1), y = number(Text2), z = number(Text3);
    const QString t1 = Text1->text(), t2 = Text2->text(), t3 = Text3->text();
    if (option() == Grams)
        return Result{Energy::faradayGrams(x, z, y),
                      t1 + QStringLiteral(" / 96500 / ") + t3 + QStringLiteral(" * ") + t2};
    const double moles = Energy::faradayMoles(x, y, z);
    const QString work = t1 + QStringLiteral(" * ") + t2 + QStringLiteral(" * 60 / 96500 / ") + t3;
    if (option() == Moles) return Result{moles, work};
    return Result{Num::checked(moles * GasFormulas::MolarVolume), work + QStringLiteral(" * 22.4")};
}
