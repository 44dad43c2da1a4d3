#include "frmMass.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {
CalculatorForm::Design mass(frmMass& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mass - Mass Relationships");
    s.heading = QStringLiteral("Enter data from a BALANCED equation in all boxes except the gram entry you wish to find.");
    s.headingName = BIND(w, Label1);
    const QString coefficientKeys = QStringLiteral("\b\r");
    const QString gramKeys = QStringLiteral(".E+-\b\r");
    const QString weightKeys = QStringLiteral(".\b\r");
    s.inputs = {
        Input{.name = BIND(w, Text14), .prompt = QStringLiteral("Coefficient for the reactant."),
              .promptName = BIND(w, Label15),
              .toolTip = QStringLiteral("Enter the coefficient of one of the reactant molecules."),
              .keys = coefficientKeys},
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Grams"), .promptName = BIND(w, Label2),
              .toolTip = QStringLiteral("Enter a valid number unless you wish to find this value."),
              .keys = gramKeys},
        Input{.name = BIND(w, Text6), .prompt = QStringLiteral("M.W."), .promptName = BIND(w, Label7),
              .toolTip = QStringLiteral("Enter the molecular weight of the reactant molecule."),
              .keys = weightKeys},
        Input{.name = BIND(w, Text17), .prompt = QStringLiteral("Coefficient for the product."),
              .promptName = BIND(w, Label18),
              .toolTip = QStringLiteral("Enter the coefficient of the other molecule."),
              .keys = coefficientKeys},
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("Grams"), .promptName = BIND(w, Label5),
              .toolTip = QStringLiteral("Enter a valid number if other gram entry is empty or leave empty if you wish "
                                        "to find this value."),
              .keys = gramKeys},
        Input{.name = BIND(w, Text9), .prompt = QStringLiteral("M.W."), .promptName = BIND(w, Label10),
              .toolTip = QStringLiteral("Enter the molecular weight of the other molecule."),
              .keys = weightKeys},
    };
    s.answer.box = BIND(w, Text13);
    s.answer.caption = BIND(w, Label14);
    s.answer.captionText = QStringLiteral("The result is ");
    s.answer.unit = BIND(w, Label22);
    s.answer.unitText = QStringLiteral("grams");
    s.answer.workLine = BIND(w, Text2);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data entry error");
    s.leaving.parent = QStringLiteral("frmReactionChoice");
    s.leaving.unloadBeforeShow = true;
    s.enablingInputs = {CalculatorForm::AnyInput};
    // Each substance on one row: coefficient, grams, molecular weight; the
    // answer row below them.
    s.layout.inputColumns = 3;
    s.layout.resultColumn = 2;
    s.layout.tabOrder = {QStringLiteral("Text14"), QStringLiteral("Text1"), QStringLiteral("Text6"),
                         QStringLiteral("Text17"), QStringLiteral("Text4"), QStringLiteral("Text9"),
                         QStringLiteral("cmdOk"),  QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                         QStringLiteral("cmdPrint"), QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral("Once an equation is balanced, you can determine a couple of important quantities. "
                                "For example, you can find out ")
                 + QStringLiteral("how many grams of a substance are required to produce a certain quantity of another "
                                  "substance. You ")
                 + QStringLiteral("can determine how many grams of a substance are produced from a specific amount of a "
                                  "reactant.  ");
    return s;
}

// An empty coefficient, or one of 0, counts as 1 and shows it.
void defaultCoefficient(QLineEdit* box) {
    double v = 0;
    if (box->text().isEmpty() || (Num::parse(box->text(), &v) && v == 0)) box->setText(QStringLiteral("1"));
}
}  // namespace

frmMass::frmMass() : CalculatorForm(mass(*this)) {
    // "?" at the right end of the answer row.
    inputGrid->setAlignment(cmdHelp, Qt::AlignRight);

    const QString weight = QStringLiteral("You must enter a valid number for molecular weight.");
    addCheck([this] { return !isEmpty(Text1) && !isEmpty(Text4); },
             QStringLiteral("You must leave one of the gram boxes empty."));
    addCheck([this] { return isEmpty(Text1) && isEmpty(Text4); },
             QStringLiteral("You must enter data in one of the gram boxes."));
    addCheck([this] { return Num::notAboveZero(Text6->text()); }, weight);
    addCheck([this] { return Num::notAboveZero(Text9->text()); }, weight);
    addCheck([this] { return m_given < 0; }, QStringLiteral("You must enter a valid number for grams."));
}

void frmMass::prepare() {
    m_given = 0;
    if (!isEmpty(Text1)) m_given = number(Text1);
    else if (!isEmpty(Text4)) m_given = number(Text4);
    defaultCoefficient(Text14);
    defaultCoefficient(Text17);
}

std::optional<CalculatorForm::Result> frmMass::calculate() {
    const bool first = !isEmpty(Text1);
    QLineEdit* c = first ? Text14 : Text17;  // coefficient of the given substance
    QLineEdit* m = first ? Text6 : Text9;
    QLineEdit* cOther = first ? Text17 : Text14;
    QLineEdit* mOther = first ? Text9 : Text6;
    QLineEdit* g = first ? Text1 : Text4;
    const double ratio = Num::div(number(cOther), number(c));
    const double grams = Num::checked(Num::checked(Num::div(m_given, number(m)) * ratio) * number(mOther));
    const QString work = QStringLiteral("(") + g->text() + QStringLiteral(" / ") + m->text() + QStringLiteral(") * (") +
                         cOther->text() + QStringLiteral(" / ") + c->text() + QStringLiteral(") * ") + mOther->text();
    return Result{grams, work};
}
