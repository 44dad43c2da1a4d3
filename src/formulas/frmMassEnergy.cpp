#include "frmMassEnergy.h"

#include "formulas/MoleMath.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {
CalculatorForm::Design massEnergy(frmMassEnergy& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mass - Energy");
    s.heading = QStringLiteral("Enter the following data from a balanced equation.");
    s.headingName = BIND(w, Label6);
    // Enter reaches Ok as the default button.
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Coefficient for material in question"),
              .promptName = BIND(w, Label1), .enterSubmits = false},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Grams of material"),
              .promptName = BIND(w, Label2), .enterSubmits = false},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Molecular weight of material"),
              .promptName = BIND(w, Label3), .enterSubmits = false},
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("kJ gained / released"),
              .promptName = BIND(w, Label4),
              .keys = QStringLiteral("-.\b\r"),  // energy given off is negative
              .enterSubmits = false},
    };
    s.answer.box = BIND(w, Text5);
    s.answer.caption = BIND(w, Label5);
    s.answer.captionText = QStringLiteral("The heat energy is ");
    s.answer.workLine = BIND(w, Text6);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trapStyle = Form::CriticalStyle;
    s.enablingInputs = {};
    s.okStartsDisabled = false;
    s.leaving.parent = QStringLiteral("frmMoleChoice");
    s.layout.tabOrder = {QStringLiteral("Text1"),    QStringLiteral("Text2"),     QStringLiteral("Text3"),
                         QStringLiteral("Text4"),    QStringLiteral("cmdOk"),     QStringLiteral("cmdClear"),
                         QStringLiteral("cmdCancel"), QStringLiteral("cmdHelp"),  QStringLiteral("cmdPrint")};
    s.messages.help = QStringLiteral(
        "When moles of two substances react together, heat is either gained or lost. Which of the two happens  "
        "depends upon the substances reacting. If the product is more stable by releasing energy then that is  what "
        "will happen. If stability is greater when energy is absorbed that is also what will happen.  From  the data "
        "tables, you need to determine the heat of formation of the reactants and the heat of formation of the "
        "products. The difference between the two is what you enter for the kJ added or released. This quantity  is "
        "for the equation as written; the window divides it by the coefficient of the substance in question to get "
        "the heat for one mole of it. Your problem usually deals with amounts other than moles.  ");
    return s;
}
}  // namespace

frmMassEnergy::frmMassEnergy() : CalculatorForm(massEnergy(*this)) {
    // The note goes under the energy box, the result row below it.
    bind(BIND(*this, Label7), new QLabel(QStringLiteral("This value is negative if energy is given off."), this));
    const int note = int(inputs.size());
    for (QWidget* w : QList<QWidget*>{Label5, Text5, cmdHelp}) inputGrid->removeWidget(w);
    inputGrid->addWidget(Label7, note, 1);
    inputGrid->addWidget(Label5, note + 1, 0);
    inputGrid->addWidget(Text5, note + 1, 1);
    inputGrid->addWidget(cmdHelp, note + 1, 3);

    // Cancel and Print side by side, Clear and Ok under them.
    for (QPushButton* b : {cmdCancel, cmdClear, cmdPrint, cmdOk}) buttonRow->removeWidget(b);
    auto* pairs = new QGridLayout;
    pairs->addWidget(cmdCancel, 0, 0);
    pairs->addWidget(cmdPrint, 0, 1);
    pairs->addWidget(cmdClear, 1, 0);
    pairs->addWidget(cmdOk, 1, 1);
    buttonRow->addStretch();
    buttonRow->addLayout(pairs);
    buttonRow->addStretch();

    addCheck([this] { return Num::notAboveZero(Text1->text()); }, QStringLiteral("You must enter a valid coefficient."));
    // No mass is negative, and a molecular weight is above 0.
    addCheck([this] { return isEmpty(Text2) || Num::negative(Text2->text()); },
             QStringLiteral("You must enter a valid number of grams."));
    addCheck([this] { return Num::notAboveZero(Text3->text()); }, QStringLiteral("You must enter a valid molecular weight."));
    addCheck([this] { return isEmpty(Text4); }, QStringLiteral("You must enter a valid amount of energy."));
}

std::optional<CalculatorForm::Result> frmMassEnergy::calculate() {
    const MoleMath::Heat h = MoleMath::heatEnergy(number(Text1), number(Text2), number(Text3), number(Text4));
    return Result{h.energy, h.work};
}
