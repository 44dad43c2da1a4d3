#include "frmDalton.h"

#include "WaterVapourLookup.h"

namespace {
const QString TotalPressure = QStringLiteral("Enter the total gas pressure in kPa.");
const QString Required = QStringLiteral("You must enter valid data into all required boxes.");
const QString NoDryGas =
    QStringLiteral("The total pressure must be larger than the water vapor pressure at this temperature.");

CalculatorForm::Design dalton(frmDalton& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Dalton's Law Of Partial Pressure");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the initial temperature in Celsius."),
              .promptName = BIND(w, Label1), .keys = QStringLiteral(".-\b\r")},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the initial volume in liters."),
              .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text3), .prompt = TotalPressure, .promptName = BIND(w, Label3)},
        Input{.name = BIND(w, Text5), .prompt = QStringLiteral("Enter the total pressure in kPa"),
              .promptName = BIND(w, Label5)},
    };
    s.frameName = BIND(w, Frame1);
    // Text2 holds a volume under one option and a pressure under the other.
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Calculate volume"),
               .prompts = {QString(), QStringLiteral("Enter the initial volume in liters"), TotalPressure,
                           QStringLiteral("Enter the final pressure in kPa")},
               .result = QStringLiteral("The final volume is "), .unit = QStringLiteral("Liters"),
               .emptied = {1, 3}},
        // The dry gas's pressure needs the temperature and the total pressure only.
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Calculate pressure"),
               .prompts = {QString(), TotalPressure, QStringLiteral(""), QStringLiteral("")},
               .result = QStringLiteral("The final pressure is "), .unit = QStringLiteral("kPa"), .focusInput = true,
               .hidden = {2, 3}, .emptied = {1}},
    };
    s.answer.box = BIND(w, Text6);
    s.answer.caption = BIND(w, Label6);
    s.answer.captionText = QStringLiteral("The final volume is");
    s.answer.unit = BIND(w, Label7);
    s.answer.workLine = BIND(w, Text7);
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.unloadBeforeShow = true;
    s.layout.tabOrder = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text5"),
                         QStringLiteral("cmdOk"), QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                         QStringLiteral("Text6"), QStringLiteral("Frame1"), QStringLiteral("opt1"), QStringLiteral("opt2"),
                         QStringLiteral("Text7"), QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "In a mixture of gases, each gas exerts a pressure the same as if it were the only gas in the container. Many "
        "times gas is collected by a method called water displacement and so we need to take the pressure of the "
        "water vapor off the total pressure. ");
    return s;
}
}  // namespace

frmDalton::frmDalton() : CalculatorForm(dalton(*this)) {
    addCheck(
        [this] {
            if (opt2->isChecked()) return isEmpty(Text1) || Num::notAboveZero(Text2->text());
            return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text3) || isEmpty(Text5) || Num::notPositive(Text2->text()) ||
                   Num::notPositive(Text3->text()) || Num::notAboveZero(Text5->text());
        },
        Required);
}

void frmDalton::option_Click(int index) {
    CalculatorForm::option_Click(index);
    Text5->setEnabled(index == 0);
}

std::optional<CalculatorForm::Result> frmDalton::calculate() {
    const std::optional<double> vp = WaterVapourLookup::pressure(number(Text1));
    if (!vp) {
        Msg::info(WaterVapourLookup::noEntryMessage(Text1->text()));
        return std::nullopt;
    }
    const bool pressureOnly = opt2->isChecked();
    QLineEdit* totalBox = pressureOnly ? Text2 : Text3;
    const double total = number(totalBox);
    // A total equal to the vapour pressure leaves no gas.
    if (!(total > *vp)) {
        Msg::info(NoDryGas);
        return std::nullopt;
    }
    // At the digits the total holds: 3.2 - 3.17 is 0.03.
    const double dry = Num::held(total - *vp, total);
    if (pressureOnly) return Result{dry, totalBox->text() + QStringLiteral(" - ") + Num::text(*vp)};
    const double volume = number(Text2) * Num::div(dry, number(Text5));
    return Result{volume, Text2->text() + QStringLiteral(" x ") + Num::text(dry) + QStringLiteral(" / ") +
                              Text5->text() + QStringLiteral(" ")};
}
