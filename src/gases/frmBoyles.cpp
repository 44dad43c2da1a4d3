#include "frmBoyles.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design boyles() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Boyle's Law");
    const QString tip = QStringLiteral("Millimeters for pressure or liters for volume.");
    CalculatorForm::Input row1{QStringLiteral("txtInitialVolume"), QString(), QStringLiteral("Label3"), tip};
    CalculatorForm::Input row2{QStringLiteral("txtInitialPressure"), QString(), QStringLiteral("Label4"), tip};
    CalculatorForm::Input row3{QStringLiteral("txtFinalEntry"), QString(), QStringLiteral("Label1"), tip};
    row1.keys = QStringLiteral(".E+\b");
    row2.keys = row3.keys = QStringLiteral(".E+\b\r");
    row1.enterSubmits = row2.enterSubmits = row3.enterSubmits = false;
    s.inputs = {row1, row2, row3};
    s.frameToolTip = QStringLiteral("Choose what you want to find.");
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Find final pressure"),
         QStringLiteral("SChose which option you want to find."),
         {QStringLiteral("Enter an initial volume in liters"), QStringLiteral("Enter an initial pressure in mm Hg"),
          QStringLiteral("Enter a final volume in liters")},
         QStringLiteral("The final pressure is ")},
        {QStringLiteral("opt2"), QStringLiteral("Find final volume"), QString(),
         {QStringLiteral("Enter an initial pressure in mm Hg."), QStringLiteral("Enter an initial volume in liters"),
          QStringLiteral("Enter a final pressure in mm Hg")},
         QStringLiteral("The final volume is "), QString(), true},
    };
    s.answerName = QStringLiteral("txtFinalAnswer");
    s.resultName = QStringLiteral("Label2");
    s.unitName = QStringLiteral("Label5");
    s.workLineName = QStringLiteral("Text1");
    s.helpLeftOfResult = true;
    s.singleResult = true;
    s.fixedBorder = false;
    s.parent = QStringLiteral("frmGasLaws");
    s.tabOrder = {QStringLiteral("txtInitialVolume"), QStringLiteral("txtInitialPressure"),
                  QStringLiteral("txtFinalEntry"),    QStringLiteral("cmdOk"),
                  QStringLiteral("cmdClear"),         QStringLiteral("cmdCancel"),
                  QStringLiteral("opt1"),             QStringLiteral("opt2"),
                  QStringLiteral("cmdPrint"),         QStringLiteral("cmdHelp")};
    s.helpText = QStringLiteral("Boyle's law extablishes an inverse relationship between pressure and volume. The "
                                "pressure is exerted on the gas. The ") +
                 QStringLiteral("higher the pressure, the lower the volume. The lower the pressure, the higher the "
                                "volume. Imagine ") +
                 QStringLiteral("applying an external force to a container. The more pressure you apply, the smaller "
                                "the volume of the container. ");
    return s;
}
}  // namespace

frmBoyles::frmBoyles() : CalculatorForm(boyles()) {
    Frame1 = frame;
    bind(options, opt1, opt2);
    bind(inputs, txtInitialVolume, txtInitialPressure, txtFinalEntry);
    bind(prompts, Label3, Label4, Label1);
    Label2 = resultLabel;
    txtFinalAnswer = answerBox;
    Label5 = unitLabel;
    Text1 = workLine;
    cmdOk->setToolTip(QStringLiteral("Press to calculate your answer."));
    cmdClear->setToolTip(QStringLiteral("Clear the boxes and start over."));
    cmdCancel->setToolTip(QStringLiteral("Close the screen and return to the Gas Laws screen."));

    const QString valid = QStringLiteral("You must enter valid data into all required data boxes.");
    addCheck([this] { return isEmpty(txtInitialVolume) || isEmpty(txtInitialPressure) || isEmpty(txtFinalEntry); },
             valid);
    addCheck([this] { return option() < 0; }, QStringLiteral("You must select one of the options."));
    // No gas has a pressure or volume of 0 or less (the boxes take no "-", but text can be pasted).
    addCheck(
        [this] { return Num::notPositive(txtInitialVolume->text()) || Num::notPositive(txtInitialPressure->text()) || Num::notPositive(txtFinalEntry->text()); },
        valid);
}

std::optional<CalculatorForm::Result> frmBoyles::calculate() {
    // Rows in screen order: V1, P1, V2 for the pressure; P1, V1, P2 for the volume.
    const float a = single(txtInitialVolume);
    const float b = single(txtInitialPressure);
    const float c = single(txtFinalEntry);
    return Result{GasFormulas::scaled(b, a, c), Num::text(b) + QStringLiteral(" * (") + Num::text(a) +
                                                    QStringLiteral(" / ") + Num::text(c) + QStringLiteral(" )")};
}

void frmBoyles::showResult(const Result& r) {
    CalculatorForm::showResult(r);
    Label5->setText(opt2->isChecked() ? QStringLiteral("Liters") : QStringLiteral("mm Hg"));
}

void frmBoyles::option_Click(int index) {
    CalculatorForm::option_Click(index);
    Label5->clear();  // the unit goes with the answer
}

void frmBoyles::cleared() {
    Label5->clear();
    if (opt1->isChecked()) {
        const QStringList captions = {QStringLiteral("Enter an initial volume."),
                                      QStringLiteral("Enter an initial pressure"),
                                      QStringLiteral("Enter a final volume")};
        for (int i = 0; i < captions.size(); ++i) setPrompt(i, captions[i]);
    } else {
        selectOption(0);
    }
}
