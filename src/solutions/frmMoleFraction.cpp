#include "frmMoleFraction.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace {
CalculatorForm::Design moleFraction() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mole Fraction / Percent");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    auto input = [](const char* name, const char* prompt, const char* label) {
        CalculatorForm::Input in{QLatin1String(name), QLatin1String(prompt), QLatin1String(label)};
        in.enterSubmits = false;  // Enter runs Ok as the default button only
        return in;
    };
    s.inputs = {input("Text1", "Mass of solute", "Label1"), input("Text2", "Molecular weight of solute", "Label2"),
                input("Text3", "Mass of solvent", "Label3"), input("Text4", "Molecular weight of solvent", "Label4")};
    s.heading = QStringLiteral("Enter the mass and molecular weight for the solute and the solvent.");
    s.headingName = QStringLiteral("Label5");
    s.answerName = QStringLiteral("Text6");
    s.resultName = QStringLiteral("Label6");
    s.resultCaption = QStringLiteral("Mole Fraction");
    s.workLineName = QStringLiteral("Text5");
    s.singleResult = true;
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapStyle = s.checkStyle;
    s.enablingInputs = {};
    s.okStartsDisabled = false;
    s.fixedBorder = false;  // fixed once the percent box is placed
    s.tabOrder = {QStringLiteral("Text1"), QStringLiteral("Text2"),    QStringLiteral("Text3"),
                  QStringLiteral("Text4"), QStringLiteral("cmdOk"),    QStringLiteral("cmdClear"),
                  QStringLiteral("cmdPrint"), QStringLiteral("cmdCancel"), QStringLiteral("cmdHelp")};
    s.helpText = QStringLiteral(
        " Another way to express solution concentration is through the mole fraction.  The Mole Fraction is the "
        "moles of solute divided by the sum of the moles of solute and moles of solvent.   In a solution, the total "
        "of the mole fractions must equal 1.");
    return s;
}
}  // namespace

frmMoleFraction::frmMoleFraction() : CalculatorForm(moleFraction()) {
    bind(inputs, Text1, Text2, Text3, Text4);
    bind(prompts, Label1, Label2, Label3, Label4);
    Text6 = answerBox;
    Label6 = resultLabel;
    Text5 = workLine;

    Label5 = heading;

    // The percent beside the fraction; "?" beside the lower boxes.
    QGridLayout* grid = inputGrid;
    int row = 0, col = 0, rs = 0, cs = 0;
    grid->getItemPosition(grid->indexOf(Text6), &row, &col, &rs, &cs);
    Label7 = new QLabel(QStringLiteral("Mole Percent"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text7 = new QLineEdit(this);
    Text7->setObjectName(QStringLiteral("Text7"));
    Text7->setEnabled(false);
    Text7->setAccessibleName(Label7->text());
    Label7->setBuddy(Text7);
    grid->removeWidget(cmdHelp);
    grid->addWidget(cmdHelp, row - 1, 2);
    grid->addWidget(Label7, row, 2);
    grid->addWidget(Text7, row, 3);

    // Buttons from the left: Cancel, Print, Clear, Ok.
    buttonRow->removeWidget(cmdPrint);
    buttonRow->insertWidget(buttonRow->indexOf(cmdClear), cmdPrint);
    setFixedBorder();

    const QString quantity = QStringLiteral("You must enter a valid quantity.");
    const QString weight = QStringLiteral("You must enter a valid molecular weight.");
    addCheck([this] { return isEmpty(Text1); }, quantity);
    addCheck([this] { return isEmpty(Text2); }, weight);
    addCheck([this] { return isEmpty(Text3); }, quantity);
    addCheck([this] { return isEmpty(Text4); }, weight);
}

std::optional<CalculatorForm::Result> frmMoleFraction::calculate() {
    const float a = single(Text1), b = single(Text2), c = single(Text3), d = single(Text4);
    const float solute = Num::toSinglePrecision(Num::div(a, b));
    const float solvent = Num::toSinglePrecision(Num::div(c, d));
    const float fraction = Num::toSinglePrecision(Num::div(solute, double(solvent) + double(solute)));
    return Result{fraction, Num::text(solute) + QStringLiteral(" /  (") + Num::text(solute) + QStringLiteral(" + ") +
                                Num::text(solvent) + QStringLiteral(")")};
}

void frmMoleFraction::showResult(const Result& r) {
    const QString percent = format(double(Num::toSinglePrecision(r.value * 100.0)));
    CalculatorForm::showResult(r);
    Text7->setText(percent);
}

void frmMoleFraction::cleared() { Text7->clear(); }
