#include "frmDalton.h"

#include "WaterVapourLookup.h"

namespace {
const QString TotalPressure = QStringLiteral("Enter the total gas pressure in kPa.");
const QString Required = QStringLiteral("You must enter valid data into all required boxes.");
const QString NoDryGas =
    QStringLiteral("The total pressure must be larger than the water vapor pressure at this temperature.");

CalculatorForm::Design dalton() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Dalton's Law Of Partial Pressure");
    CalculatorForm::Input celsius{QStringLiteral("Text1"), QStringLiteral("Enter the initial temperature in Celsius."),
                                  QStringLiteral("Label1")};
    celsius.keys = QStringLiteral(".-\b\r");
    s.inputs = {
        celsius,
        {QStringLiteral("Text2"), QStringLiteral("Enter the initial volume in liters."), QStringLiteral("Label2")},
        {QStringLiteral("Text3"), TotalPressure, QStringLiteral("Label3")},
        {QStringLiteral("Text5"), QStringLiteral("Enter the total pressure in kPa"), QStringLiteral("Label5")},
    };
    CalculatorForm::Option volume{QStringLiteral("opt1"), QStringLiteral("Calculate volume")};
    volume.prompts = {QString(), QStringLiteral("Enter the initial volume in liters"), TotalPressure,
                      QStringLiteral("Enter the final pressure in kPa")};
    volume.result = QStringLiteral("The final volume is ");
    volume.unit = QStringLiteral("Liters");
    // The dry gas's pressure needs the temperature and the total pressure only.
    CalculatorForm::Option pressure{QStringLiteral("opt2"), QStringLiteral("Calculate pressure")};
    pressure.prompts = {QString(), TotalPressure, QStringLiteral(""), QStringLiteral("")};
    pressure.result = QStringLiteral("The final pressure is ");
    pressure.unit = QStringLiteral("kPa");
    pressure.focusInput = true;
    pressure.hidden = {2, 3};
    // Text2 holds a volume under one option and a pressure under the other.
    volume.emptied = {1, 3};
    pressure.emptied = {1};
    s.options = {volume, pressure};
    s.digits = Num::SingleDigits;  // the dry pressure and the volume are read in single precision
    s.answerName = QStringLiteral("Text6");
    s.resultName = QStringLiteral("Label6");
    s.resultCaption = QStringLiteral("The final volume is");
    s.unitName = QStringLiteral("Label7");
    s.workLineName = QStringLiteral("Text7");
    s.parent = QStringLiteral("frmGasLaws");
    s.unloadBeforeShow = true;
    s.tabOrder = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text5"),
                  QStringLiteral("cmdOk"), QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                  QStringLiteral("Text6"), QStringLiteral("Frame1"), QStringLiteral("opt1"), QStringLiteral("opt2"),
                  QStringLiteral("Text7"), QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.helpText = QStringLiteral(
        "In a mixture of gases, each gas exerts a pressure the same as if it were the only gas in the container. Many "
        "times gas is collected by a method called water displacement and so we need to remove the effect of the "
        "water on the volume. ");
    return s;
}
}  // namespace

frmDalton::frmDalton() : CalculatorForm(dalton()) {
    Frame1 = frame;
    bind(options, opt1, opt2);
    bind(inputs, Text1, Text2, Text3, Text5);
    bind(prompts, Label1, Label2, Label3, Label5);
    Label6 = resultLabel;
    Text6 = answerBox;
    Label7 = unitLabel;
    Text7 = workLine;

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
    const std::optional<float> vp = WaterVapourLookup::pressureOrSay(number(Text1), Text1->text());
    if (!vp) return std::nullopt;
    const bool pressureOnly = opt2->isChecked();
    QLineEdit* totalBox = pressureOnly ? Text2 : Text3;
    const double total = number(totalBox);
    // Compared at the table's precision: a total equal to the vapour pressure leaves no gas.
    if (!(Num::toSinglePrecision(total) > *vp)) {
        Msg::info(NoDryGas);
        return std::nullopt;
    }
    const float dry = Num::toSinglePrecision(total - *vp);
    if (pressureOnly) return Result{dry, totalBox->text() + QStringLiteral(" - ") + Num::text(*vp)};
    const double volume = single(Text2) * Num::div(dry, number(Text5));
    return Result{volume, Text2->text() + QStringLiteral(" x ") + Num::text(dry) + QStringLiteral(" / ") +
                              Text5->text() + QStringLiteral(" ")};
}
