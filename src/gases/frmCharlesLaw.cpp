#include "frmCharlesLaw.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design charles(frmCharlesLaw& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Charles's Law");
    s.inputs = {
        Input{.name = BIND(w, txtInitialTemperature),
              .prompt = QStringLiteral("Enter initial temperature in degrees Kelvin"),
              .promptName = BIND(w, Label1),
              .toolTip = QStringLiteral("Kelvin is Celcius + 273."),
              .keys = QStringLiteral(".-\b\r"),
              .enterSubmits = false},
        Input{.name = BIND(w, txtInitialVolume),
              .prompt = QStringLiteral("Enter the initial volume in liters."),
              .promptName = BIND(w, Label2),
              .keys = QStringLiteral(".E+\b\r"),
              .enterSubmits = false,
              .keyTitle = QStringLiteral("Charles")},
        Input{.name = BIND(w, txtFinalEntry),
              .promptName = BIND(w, Label3),
              .toolTip = QStringLiteral("Enter a valid number."),
              .keys = QStringLiteral(".E+-\b\r"),
              .enterSubmits = false},
    };
    s.frameToolTip = QStringLiteral("Chose what you want to find.");
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Find final temperature"),
               .prompts = {QString(), QString(), QStringLiteral("Enter a final volume in liters.")},
               .result = QStringLiteral("The final temperature is "), .unit = QStringLiteral("Kelvin")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Find final volume"),
               .prompts = {QString(), QString(), QStringLiteral("Enter a final temperature in degrees Kelvin.")},
               .result = QStringLiteral("The final volume is "), .unit = QStringLiteral("Liters")},
    };
    s.answer.box = BIND(w, txtFinalAnswer);
    s.answer.caption = BIND(w, Label4);
    s.answer.unit = BIND(w, Label5);
    s.answer.workLine = BIND(w, Text1);
    s.layout.helpLeftOfResult = true;
    s.clearSelectsFirstOption = true;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.onLoad = {{.window = QStringLiteral("frmGasLaws"), .action = Form::Action::Hide}};
    s.layout.tabOrder = {QStringLiteral("txtInitialTemperature"), QStringLiteral("txtInitialVolume"),
                         QStringLiteral("txtFinalEntry"),         QStringLiteral("cmdOk"),
                         QStringLiteral("cmdClear"),              QStringLiteral("cmdCancel"),
                         QStringLiteral("opt1"),                  QStringLiteral("opt2"),
                         QStringLiteral("cmdPrint"),              QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral("Charles's Law establishes a direct relationship between the temperature and the "
                                "volume of a gas. The higher the ") +
                 QStringLiteral("temperature the higher the volume. The lower the temperature, the lower the volume. ");
    return s;
}
}  // namespace

frmCharlesLaw::frmCharlesLaw() : CalculatorForm(charles(*this)) {
    cmdOk->setToolTip(QStringLiteral("Press to calculate the answer."));
    cmdClear->setToolTip(QStringLiteral("Clear the entries and start over."));
    cmdCancel->setToolTip(QStringLiteral("Close the screen and return to the Gas Laws screen."));

    const QString all = QStringLiteral("You must enter valid data into all data boxes.");
    addCheck([this] { return isEmpty(txtInitialTemperature) || isEmpty(txtInitialVolume); }, all);
    addCheck([this] { return option() < 0; }, QStringLiteral("You must select one of the options."));
    addCheck([this] { return isEmpty(txtFinalEntry); }, QStringLiteral("You must enter data into the final entry box."));
    addCheck([this] { return Num::notKelvin(txtInitialTemperature->text()); }, KelvinMessage, InformationStyle);
    // No gas has a volume of 0 or less.
    addCheck([this] { return Num::notPositive(txtInitialVolume->text()); }, all);
    addCheck([this] { return opt2->isChecked() && Num::notKelvin(txtFinalEntry->text()); }, KelvinMessage, InformationStyle);
    addCheck([this] { return opt1->isChecked() && Num::notPositive(txtFinalEntry->text()); }, all);
}

std::optional<CalculatorForm::Result> frmCharlesLaw::calculate() {
    const double t1 = number(txtInitialTemperature);
    const double v1 = number(txtInitialVolume);
    const double last = number(txtFinalEntry);
    // T2 = T1 × (V2 ÷ V1); V2 = V1 × (T2 ÷ T1).
    const double base = opt1->isChecked() ? t1 : v1;
    const double over = opt1->isChecked() ? v1 : t1;
    return Result{GasFormulas::scaled(base, last, over), Num::text(base) + QStringLiteral(" * (") + Num::text(last) +
                                                             QStringLiteral(" / ") + Num::text(over) +
                                                             QStringLiteral(")")};
}
