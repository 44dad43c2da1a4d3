#include "frmHalfLife.h"

#include "EnergyFormulas.h"

namespace {
CalculatorForm::Design halfLife(frmHalfLife& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Half Life Calculations");
    const QString signedKeys = QStringLiteral("E+-.\b\r");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label2), .keys = signedKeys},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label3),
              .keys = QStringLiteral("E+.\b\r")},
        Input{.name = BIND(w, Text4), .promptName = BIND(w, Label5), .keys = signedKeys},
    };
    const QString halfLife = QStringLiteral("Enter the half life of the element in years.");
    const QString start = QStringLiteral("Enter the initial quantity of material.");
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Time"),
               .prompts = {halfLife, start, QStringLiteral("Enter the final quantity")},
               .result = QStringLiteral("The time required is"), .unit = QStringLiteral("years"),
               .emptied = {0, 1, 2}},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Quantity"),
               .prompts = {halfLife, start, QStringLiteral("Enter the time period in years.")},
               .result = QStringLiteral("The final quantity is "), .unit = QStringLiteral("atoms"),
               .emptied = {0, 1, 2}},
    };
    s.layout.optionsInRow = true;
    s.answer.box = BIND(w, Text3);
    s.answer.caption = BIND(w, Label4);
    s.answer.unit = BIND(w, Label6);
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text5);
    s.answer.format = CalculatorForm::Format::DefaultDouble;
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data Entry Error.");
    s.leaving.parent = QStringLiteral("frmEnergy");
    s.leaving.unloadBeforeShow = true;
    s.clearSelectsFirstOption = true;
    s.layout.tabOrder = QStringList{"Text1", "Text2", "Text4", "cmdOk", "cmdClear", "cmdCancel", "Text3", "opt1", "opt2",
                                    "Text5", "cmdPrint", "cmdHelp"};
    s.messages.help = QStringLiteral(
        "Unstable nuclei tend to breakdown into a more stable form. In the process, new elements are formed due to "
        "the new nuclei that are formed. The rate that a nucleus breaks down is its half life. Different elements "
        "break down at different rates. Knowing the half life, the original amount and the amount left allows you to "
        "determine the age of the substance. Knowing the half life and the time allows you to determine the quantity. ");
    return s;
}
}  // namespace

frmHalfLife::frmHalfLife() : CalculatorForm(halfLife(*this)) {
    widenAnswer();
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

// After the first option (Time) is selected again.
void frmHalfLife::cleared() {
    setPrompt(2, QStringLiteral("Enter the final quantity."));
    setResultCaption(QStringLiteral("The time required is "));
    unitLabel->setText(QStringLiteral("years"));
}

std::optional<CalculatorForm::Result> frmHalfLife::calculate() {
    const long double h = extended(Text1), i = extended(Text2), last = extended(Text4);
    if (option() == Quantity)
        return Result{Energy::halfLifeQuantity(h, i, last), Num::text(number(Text2)) + QStringLiteral(" * (1/2) ^ (") +
                                                                 Num::text(number(Text4)) + QStringLiteral(" / ") + Num::text(number(Text1)) +
                                                                 QStringLiteral(")")};
    return Result{Energy::halfLifeTime(h, i, last), Num::text(number(Text1)) + QStringLiteral(" * log2(") + Num::text(number(Text2)) +
                                                        QStringLiteral(" / ") + Num::text(number(Text4)) + QStringLiteral(")")};
}

void frmHalfLife::widenAnswer() {
    // The longest answer, -7.07106781186548E+19, shows whole.
    const QString digits(21, QLatin1Char('0'));
    Text3->setMinimumWidth(Text3->fontMetrics().horizontalAdvance(digits) + Text3->sizeHint().height());
}
