#include "frmMassEnergy.h"

#include "formulas/MoleMath.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {
CalculatorForm::Design massEnergy() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mass - Energy");
    s.heading = QStringLiteral("Enter the following data from a balanced equation.");
    s.headingName = QStringLiteral("Label6");
    const char* prompts[] = {"Coefficient for material in question", "Grams of material",
                             "Molecular weight of material", "kJ gained / released"};
    for (int i = 0; i < 4; ++i) {
        CalculatorForm::Input in;
        in.name = QStringLiteral("Text%1").arg(i + 1);
        in.promptName = QStringLiteral("Label%1").arg(i + 1);
        in.prompt = QLatin1String(prompts[i]);
        in.keys = QStringLiteral(".\b\r");
        in.enterSubmits = false;  // Enter reaches Ok as the default button
        s.inputs.append(in);
    }
    s.inputs[3].keys = QStringLiteral("-.\b\r");  // energy given off is negative
    s.answerName = QStringLiteral("Text5");
    s.resultName = QStringLiteral("Label5");
    s.resultCaption = QStringLiteral("The heat energy is ");
    s.workLineName = QStringLiteral("Text6");
    s.singleResult = true;
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapStyle = {Msg::Icon::Critical, QStringLiteral("Tessival")};
    s.enablingInputs = {};
    s.okStartsDisabled = false;
    s.parent = QStringLiteral("frmMoleChoice");
    s.fixedBorder = false;  // fixed once the layout is complete
    s.tabOrder = {QStringLiteral("Text1"),    QStringLiteral("Text2"),     QStringLiteral("Text3"),
                  QStringLiteral("Text4"),    QStringLiteral("cmdOk"),     QStringLiteral("cmdClear"),
                  QStringLiteral("cmdCancel"), QStringLiteral("cmdHelp"),  QStringLiteral("cmdPrint")};
    s.helpText = QStringLiteral(
        "When moles of two substances react together, heat is either gained or lost. Which of the two happens  "
        "depends upon the substances reacting. If the product is more stable by releasing energy then that is  what "
        "will happen. If stability is greater when energy is absorbed that is also what will happen.  From  the data "
        "tables, you need to determine the heat of formation of the reactants and the heat of formation of the "
        "products. The difference between the two is what you enter for the kJ added or released. This quantity  is "
        "for a mole of the substance in question. Your problem usually deals with amounts other than moles.  ");
    return s;
}
}  // namespace

frmMassEnergy::frmMassEnergy() : CalculatorForm(massEnergy()) {
    Text1 = inputs.at(0);
    Text2 = inputs.at(1);
    Text3 = inputs.at(2);
    Text4 = inputs.at(3);
    Label1 = prompts.at(0);
    Label2 = prompts.at(1);
    Label3 = prompts.at(2);
    Label4 = prompts.at(3);
    Label5 = resultLabel;
    Text5 = answerBox;
    Text6 = workLine;

    Label6 = heading;

    // The note goes under the energy box, the result row below it.
    QGridLayout* grid = inputGrid;
    Label7 = new QLabel(QStringLiteral("This value is negative if energy is given off."), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Text5), static_cast<QWidget*>(cmdHelp)})
        grid->removeWidget(w);
    grid->addWidget(Label7, 4, 1);
    grid->addWidget(Label5, 5, 0);
    grid->addWidget(Text5, 5, 1);
    grid->addWidget(cmdHelp, 5, 3);

    // Cancel and Print side by side, Clear and Ok under them.
    QHBoxLayout* buttons = buttonRow;
    for (QPushButton* b : {cmdCancel, cmdClear, cmdPrint, cmdOk}) buttons->removeWidget(b);
    auto* pairs = new QGridLayout;
    pairs->addWidget(cmdCancel, 0, 0);
    pairs->addWidget(cmdPrint, 0, 1);
    pairs->addWidget(cmdClear, 1, 0);
    pairs->addWidget(cmdOk, 1, 1);
    buttons->addStretch();
    buttons->addLayout(pairs);
    buttons->addStretch();

    addCheck([this] { return Num::notAboveZero(Text1->text()); }, QStringLiteral("You must enter a valid coefficient."));
    // No mass is negative, and a molecular weight is above 0.
    addCheck([this] { return isEmpty(Text2) || Num::negative(Text2->text()); },
             QStringLiteral("You must enter a valid number of grams."));
    addCheck([this] { return Num::notAboveZero(Text3->text()); }, QStringLiteral("You must enter a valid molecular weight."));
    addCheck([this] { return isEmpty(Text4); }, QStringLiteral("You must enter a valid amount of energy."));
    setFixedBorder();
}

std::optional<CalculatorForm::Result> frmMassEnergy::calculate() {
    const MoleMath::Heat h = MoleMath::heatEnergy(single(Text1), single(Text2), single(Text3), single(Text4));
    return Result{h.energy, h.work};
}
