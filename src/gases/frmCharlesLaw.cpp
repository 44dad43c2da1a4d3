#include "frmCharlesLaw.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design charles() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Charles's Law");
    CalculatorForm::Input t1{QStringLiteral("txtInitialTemperature"),
                             QStringLiteral("Enter initial temperature in degrees Kelvin"), QStringLiteral("Label1"),
                             QStringLiteral("Kelvin is Celcius + 273.")};
    CalculatorForm::Input v1{QStringLiteral("txtInitialVolume"), QStringLiteral("Enter the initial volume in liters."),
                             QStringLiteral("Label2")};
    CalculatorForm::Input last{QStringLiteral("txtFinalEntry"), QString(), QStringLiteral("Label3"),
                               QStringLiteral("Enter a valid number.")};
    t1.keys = QStringLiteral(".-\b\r");
    v1.keys = QStringLiteral(".E+\b\r");
    v1.keyTitle = QStringLiteral("Charles");
    last.keys = QStringLiteral(".E+-\b\r");
    t1.enterSubmits = v1.enterSubmits = last.enterSubmits = false;
    s.inputs = {t1, v1, last};
    s.frameToolTip = QStringLiteral("Chose what you want to find.");
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Find final temperature"), QString(),
         {QString(), QString(), QStringLiteral("Enter a final volume.")}, QStringLiteral("The final temperature is "),
         QStringLiteral("Kelvin")},
        {QStringLiteral("opt2"), QStringLiteral("Find final volume"), QString(),
         {QString(), QString(), QStringLiteral("Enter a final temperature in degrees Kelvin.")},
         QStringLiteral("The final volume is "), QStringLiteral("Liters")},
    };
    s.answerName = QStringLiteral("txtFinalAnswer");
    s.resultName = QStringLiteral("Label4");
    s.unitName = QStringLiteral("Label5");
    s.workLineName = QStringLiteral("Text1");
    s.helpLeftOfResult = true;
    s.singleResult = true;
    s.parent = QStringLiteral("frmGasLaws");
    s.onLoad = {{QStringLiteral("frmGasLaws"), Form::Action::Hide}};
    s.tabOrder = {QStringLiteral("txtInitialTemperature"), QStringLiteral("txtInitialVolume"),
                  QStringLiteral("txtFinalEntry"),         QStringLiteral("cmdOk"),
                  QStringLiteral("cmdClear"),              QStringLiteral("cmdCancel"),
                  QStringLiteral("opt1"),                  QStringLiteral("opt2"),
                  QStringLiteral("cmdPrint"),              QStringLiteral("cmdHelp")};
    s.helpText = QStringLiteral("Charles's Law establishes a direct relationship between the temperature and the "
                                "volume of a gas. The higher the ") +
                 QStringLiteral("temperature the higher the volume. The lower the temperature, the lower the volume. ");
    return s;
}
}  // namespace

frmCharlesLaw::frmCharlesLaw() : CalculatorForm(charles()) {
    Frame1 = frame;
    bind(options, opt1, opt2);
    bind(inputs, txtInitialTemperature, txtInitialVolume, txtFinalEntry);
    bind(prompts, Label1, Label2, Label3);
    Label4 = resultLabel;
    txtFinalAnswer = answerBox;
    Label5 = unitLabel;
    Text1 = workLine;
    cmdOk->setToolTip(QStringLiteral("Press to calculate the answer."));
    cmdClear->setToolTip(QStringLiteral("Clear the entries and start over."));
    cmdCancel->setToolTip(QStringLiteral("Close the screen and return to the Gas Laws screen."));

    const QString all = QStringLiteral("You must enter valid data into all data boxes.");
    const Style kelvin{Msg::Icon::Information, QStringLiteral("Tessival")};
    addCheck([this] { return isEmpty(txtInitialTemperature) || isEmpty(txtInitialVolume); }, all);
    addCheck([this] { return option() < 0; }, QStringLiteral("You must select one of the options."));
    addCheck([this] { return isEmpty(txtFinalEntry); }, QStringLiteral("You must enter data into the final entry box."));
    addCheck([this] { return Num::notKelvin(txtInitialTemperature->text()); }, KelvinMessage, kelvin);
    // No gas has a volume of 0 or less.
    addCheck([this] { return Num::notPositive(txtInitialVolume->text()); }, all);
    addCheck([this] { return opt2->isChecked() && Num::notKelvin(txtFinalEntry->text()); }, KelvinMessage, kelvin);
    addCheck([this] { return opt1->isChecked() && Num::notPositive(txtFinalEntry->text()); }, all);
}

std::optional<CalculatorForm::Result> frmCharlesLaw::calculate() {
    const float t1 = single(txtInitialTemperature);
    const float v1 = single(txtInitialVolume);
    const float last = single(txtFinalEntry);
    // T2 = T1 × (V2 ÷ V1); V2 = V1 × (T2 ÷ T1).
    const float base = opt1->isChecked() ? t1 : v1;
    const float over = opt1->isChecked() ? v1 : t1;
    return Result{GasFormulas::scaled(base, last, over), Num::text(base) + QStringLiteral(" * (") + Num::text(last) +
                                                             QStringLiteral(" / ") + Num::text(over) +
                                                             QStringLiteral(")")};
}

void frmCharlesLaw::cleared() { selectOption(0); }
