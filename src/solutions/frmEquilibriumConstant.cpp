#include "frmEquilibriumConstant.h"

#include <utility>

#include "EquilibriumShape.h"

#include <QGridLayout>

namespace {
const QString Title = QStringLiteral("Equilibrium constant.");

CalculatorForm::Design equilibrium(frmEquilibriumConstant& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s = EquilibriumShape::design(QStringLiteral("Equilibrium Constant"));
    const QString coefficientTip = QStringLiteral("Be sure to enter all coefficients even if they are 1's.");
    const QString molarityTip = QStringLiteral("Enter the molarity.");
    const QString coefficientKeys = QStringLiteral("\b\r");
    const QString concentrationKeys = QStringLiteral(".E-+\b\r");
    // Reactants, then products: each a coefficient and its concentration.
    s.inputs = {
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("1st coefficient"),
              .promptName = BIND(w, Label3), .toolTip = coefficientTip, .keys = coefficientKeys},
        Input{.name = BIND(w, Text5), .prompt = QStringLiteral("1st concentration (M)"),
              .promptName = BIND(w, Label6), .toolTip = molarityTip, .keys = concentrationKeys},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("2nd Coefficient"),
              .promptName = BIND(w, Label4), .toolTip = coefficientTip, .keys = coefficientKeys},
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("2nd Concentration (M)"),
              .promptName = BIND(w, Label5), .toolTip = molarityTip, .keys = concentrationKeys},
        Input{.name = BIND(w, Text8), .prompt = QStringLiteral("1st coefficient"),
              .promptName = BIND(w, Label9), .toolTip = coefficientTip, .keys = coefficientKeys},
        Input{.name = BIND(w, Text11), .prompt = QStringLiteral("1st concentration (M)"),
              .promptName = BIND(w, Label12), .toolTip = molarityTip, .keys = concentrationKeys},
        Input{.name = BIND(w, Text9), .prompt = QStringLiteral("2nd coefficient"),
              .promptName = BIND(w, Label10), .toolTip = coefficientTip, .keys = coefficientKeys},
        Input{.name = BIND(w, Text12), .prompt = QStringLiteral("2nd concentration (M)"),
              .promptName = BIND(w, Label13), .toolTip = molarityTip, .keys = concentrationKeys},
    };
    s.heading = QStringLiteral("Enter the coefficients and concentrations for each\n"
                               "reactant and product from a BALANCED equation.");
    s.enablingInputs = {1};  // the first reactant concentration
    s.answer.box = BIND(w, Text1);
    s.answer.caption = BIND(w, Label2);
    s.answer.captionText = QStringLiteral("The equilibrium constant is ");
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text14);
    s.headingName = BIND(w, Label1);
    s.messages.keyStyle = {Msg::Icon::None, Title};
    s.messages.checkStyle = {Msg::Icon::None, Title};
    s.messages.trapStyle = {Msg::Icon::None, Title};
    s.messages.trap = QStringLiteral("Missing data.");
    s.layout.tabOrder = {QStringLiteral("Text2"),  QStringLiteral("Text5"),  QStringLiteral("Text3"),   QStringLiteral("Text4"),
                         QStringLiteral("Text8"),  QStringLiteral("Text11"), QStringLiteral("Text9"),   QStringLiteral("Text12"),
                         QStringLiteral("cmdOk"),  QStringLiteral("cmdPrint"), QStringLiteral("cmdClear"),
                         QStringLiteral("cmdCancel"), QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "The equilibrium  constant shows the extent to which the reactants are converted into products. Every "
        "reaction at equilibrium has its constant; a constant equal to 1 only means that the products' terms and the "
        "reactants' terms are equal. A large value means that most of the reactants are being "
        "converted into products. A small value means that only a small amount of reactant is being converted into "
        "a product. ");
    return s;
}

// A frame holding two rows of coefficient and concentration, taken out of the
// shape's input grid.
QGroupBox* side(CalculatorForm* form, const Form::Bound<QGroupBox>& name, const QString& caption, int first) {
    auto* frame = form->bind(name, new QGroupBox(caption, form));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 4; ++i) {
        QWidget* prompt = form->prompts.at(first + i);
        QWidget* box = form->inputs.at(first + i);
        form->inputGrid->removeWidget(prompt);
        form->inputGrid->removeWidget(box);
        grid->addWidget(prompt, i / 2, (i % 2) * 2);
        grid->addWidget(box, i / 2, (i % 2) * 2 + 1);
    }
    return frame;
}

// c^a, with the second pair's factor first when it is there.
double term(double c1, double a1, bool second, double c2, double a2) {
    if (!second) return Num::pow(c1, a1);
    const double other = Num::pow(c2, a2);
    return Num::checked(other * Num::pow(c1, a1));
}

double amount(const QLineEdit* box) { return box->text().isEmpty() ? 0.0 : Num::toDouble(box->text()); }
}  // namespace

frmEquilibriumConstant::frmEquilibriumConstant() : CalculatorForm(equilibrium(*this)) {
    // Under the heading: the reactants' frame, then the products'.
    side(this, BIND(*this, Frame1), QStringLiteral("Reactants (maximum of 2)"), 0);
    side(this, BIND(*this, Frame2), QStringLiteral("Products (maximum of 2)"), 4);
    rowsAbove->addWidget(Frame1);
    rowsAbove->addWidget(Frame2);

    // Each check stops Ok at its first failure.
    const QString reactant = QStringLiteral("You must enter valid numeric data into the reactant concentration box");
    addCheck([this] { return isEmpty(Text5); }, reactant);
    addCheck([this] { return !isEmpty(Text3) && isEmpty(Text4); }, reactant);
    addCheck([this] { return isEmpty(Text11); },
             QStringLiteral("You must enter valid numeric data into at least 1 product box"));
    addCheck([this] { return !isEmpty(Text9) && isEmpty(Text12); },
             QStringLiteral("You must enter valid numeric data into the product concentration box"));
    // No concentration is below 0.
    for (QLineEdit* box : {Text5, Text4, Text11, Text12})
        addCheck([box] { return Num::negative(box->text()); }, QStringLiteral("You must enter valid data."));
}

void frmEquilibriumConstant::prepare() {
    // A first coefficient left empty (or 0) is 1, and the box says so.
    for (QLineEdit* box : {Text2, Text8})
        if (Num::notAboveZero(box->text())) box->setText(QStringLiteral("1"));
    // A second coefficient left empty beside a typed concentration is 1 too.
    for (auto [coefficient, concentration] : {std::pair{Text3, Text4}, std::pair{Text9, Text12}})
        if (isEmpty(coefficient) && !isEmpty(concentration)) coefficient->setText(QStringLiteral("1"));
}

std::optional<CalculatorForm::Result> frmEquilibriumConstant::calculate() {
    const double a1 = amount(Text2), c1 = amount(Text5), b1 = amount(Text8), d1 = amount(Text11);
    const double a2 = amount(Text3), c2 = amount(Text4), b2 = amount(Text9), d2 = amount(Text12);
    const double reactants = Num::checked(term(c1, a1, !isEmpty(Text3), c2, a2));
    const double products = Num::checked(term(d1, b1, !isEmpty(Text9), d2, b2));
    return Result{Num::div(products, reactants), Num::text(products, Num::ShortDigits) + QStringLiteral(" / ") +
                                                     Num::text(reactants, Num::ShortDigits)};
}
