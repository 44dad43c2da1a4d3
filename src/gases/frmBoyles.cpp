#include "frmBoyles.h"

#include "GasFormulas.h"

namespace {
CalculatorForm::Design boyles(frmBoyles& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Boyle's Law");
    const QString tip = QStringLiteral("mm Hg for pressure or liters for volume.");
    s.inputs = {
        Input{.name = BIND(w, txtInitialVolume), .promptName = BIND(w, Label3), .toolTip = tip,
              .keys = QStringLiteral(".E+\b"), .enterSubmits = false},
        Input{.name = BIND(w, txtInitialPressure), .promptName = BIND(w, Label4), .toolTip = tip,
              .keys = QStringLiteral(".E+\b\r"), .enterSubmits = false},
        Input{.name = BIND(w, txtFinalEntry), .promptName = BIND(w, Label1), .toolTip = tip,
              .keys = QStringLiteral(".E+\b\r"), .enterSubmits = false},
    };
    s.frameToolTip = QStringLiteral("Choose what you want to find.");
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Find final pressure"),
               .toolTip = QStringLiteral("SChose which option you want to find."),
               .prompts = {QStringLiteral("Enter an initial volume in liters"),
                           QStringLiteral("Enter an initial pressure in mm Hg"),
                           QStringLiteral("Enter a final volume in liters")},
               .result = QStringLiteral("The final pressure is ")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Find final volume"),
               .prompts = {QStringLiteral("Enter an initial pressure in mm Hg."),
                           QStringLiteral("Enter an initial volume in liters"),
                           QStringLiteral("Enter a final pressure in mm Hg")},
               .result = QStringLiteral("The final volume is "), .focusInput = true},
    };
    s.answer.box = BIND(w, txtFinalAnswer);
    s.answer.caption = BIND(w, Label2);
    s.answer.unit = BIND(w, Label5);
    s.answer.workLine = BIND(w, Text1);
    s.layout.helpLeftOfResult = true;
    s.layout.fixedBorder = false;  // the one calculator whose border the student can drag
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.layout.tabOrder = {QStringLiteral("txtInitialVolume"), QStringLiteral("txtInitialPressure"),
                         QStringLiteral("txtFinalEntry"),    QStringLiteral("cmdOk"),
                         QStringLiteral("cmdClear"),         QStringLiteral("cmdCancel"),
                         QStringLiteral("opt1"),             QStringLiteral("opt2"),
                         QStringLiteral("cmdPrint"),         QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral("Boyle's law extablishes an inverse relationship between pressure and volume. The "
                                "pressure is exerted on the gas. The ") +
                 QStringLiteral("higher the pressure, the lower the volume. The lower the pressure, the higher the "
                                "volume. Imagine ") +
                 QStringLiteral("applying an external force to a container. The more pressure you apply, the smaller "
                                "the volume of the container. ");
    return s;
}
}  // namespace

frmBoyles::frmBoyles() : CalculatorForm(boyles(*this)) {
    answerShownIn(Label5);  // the unit goes with the answer
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
    const double a = number(txtInitialVolume);
    const double b = number(txtInitialPressure);
    const double c = number(txtFinalEntry);
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
    // Clear on the first option gives it short prompts; Clear on the second
    // selects the first with its own. clearSelectsFirstOption would select it
    // before this runs, so the choice is made here.
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
