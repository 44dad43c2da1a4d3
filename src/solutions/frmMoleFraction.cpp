#include "frmMoleFraction.h"

namespace {
CalculatorForm::Design moleFraction(frmMoleFraction& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mole Fraction / Percent");
    s.layout.fontFamily = QStringLiteral("Times New Roman");
    s.layout.pointSize = 9.75;
    // Enter runs Ok as the default button only.
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Mass of solute"),
              .promptName = BIND(w, Label1), .enterSubmits = false},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Molecular weight of solute"),
              .promptName = BIND(w, Label2), .enterSubmits = false},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Mass of solvent"),
              .promptName = BIND(w, Label3), .enterSubmits = false},
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("Molecular weight of solvent"),
              .promptName = BIND(w, Label4), .enterSubmits = false},
    };
    s.heading = QStringLiteral("Enter the mass and molecular weight for the solute and the solvent.");
    s.headingName = BIND(w, Label5);
    s.answer.box = BIND(w, Text6);
    s.answer.caption = BIND(w, Label6);
    s.answer.captionText = QStringLiteral("Mole Fraction");
    s.answer.workLine = BIND(w, Text5);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trapStyle = Form::InformationStyle;
    s.enablingInputs = {};
    s.okStartsDisabled = false;
    s.layout.tabOrder = {QStringLiteral("Text1"), QStringLiteral("Text2"),    QStringLiteral("Text3"),
                         QStringLiteral("Text4"), QStringLiteral("cmdOk"),    QStringLiteral("cmdClear"),
                         QStringLiteral("cmdPrint"), QStringLiteral("cmdCancel"), QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        " Another way to express solution concentration is through the mole fraction.  The Mole Fraction is the "
        "moles of solute divided by the sum of the moles of solute and moles of solvent.   In a solution, the total "
        "of the mole fractions must equal 1.");
    // Buttons from the left: Cancel, Print, Clear, Ok.
    s.layout.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdPrint"), QStringLiteral("cmdClear"),
                            QStringLiteral("cmdOk")};
    return s;
}
}  // namespace

frmMoleFraction::frmMoleFraction() : CalculatorForm(moleFraction(*this)) {
    // The percent beside the fraction; "?" beside the lower boxes.
    int row = 0, col = 0, rows = 0, cols = 0;
    inputGrid->getItemPosition(inputGrid->indexOf(Text6), &row, &col, &rows, &cols);
    makeCaption(BIND(*this, Label7), QStringLiteral("Mole Percent"));
    makeAnswerBox(BIND(*this, Text7), Label7, Label7->text());
    inputGrid->removeWidget(cmdHelp);
    inputGrid->addWidget(cmdHelp, row - 1, 2);
    inputGrid->addWidget(Label7, row, 2);
    inputGrid->addWidget(Text7, row, 3);

    const QString quantity = QStringLiteral("You must enter a valid quantity.");
    const QString weight = QStringLiteral("You must enter a valid molecular weight.");
    addCheck([this] { return isEmpty(Text1); }, quantity);
    addCheck([this] { return isEmpty(Text2); }, weight);
    addCheck([this] { return isEmpty(Text3); }, quantity);
    addCheck([this] { return isEmpty(Text4); }, weight);
}

std::optional<CalculatorForm::Result> frmMoleFraction::calculate() {
    const double a = number(Text1), b = number(Text2), c = number(Text3), d = number(Text4);
    const double solute = Num::div(a, b);
    const double solvent = Num::div(c, d);
    const double fraction = Num::div(solute, Num::checked(solvent + solute));
    const QString n = Num::text(solute, Num::ShortDigits);
    return Result{fraction, n + QStringLiteral(" /  (") + n + QStringLiteral(" + ") +
                                Num::text(solvent, Num::ShortDigits) + QStringLiteral(")")};
}

void frmMoleFraction::showResult(const Result& r) {
    const QString percent = format(r.value * 100);
    CalculatorForm::showResult(r);
    Text7->setText(percent);
}

void frmMoleFraction::cleared() { Text7->clear(); }
