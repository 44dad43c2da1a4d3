#include "frmionizationConstant.h"

#include "EquilibriumShape.h"

namespace {
CalculatorForm::Design ionization(frmionizationConstant& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s = EquilibriumShape::design(QStringLiteral("Ionization Constant"));
    const QString molar = QStringLiteral("Equilibrium concentration, moles per liter.");
    const QString integer = QStringLiteral("Enter an integer from a balanced equation.");
    const QString coefficientKeys = QStringLiteral(".E-\b\r");
    // Enter in a coefficient box does not run Ok.
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the starting concentration of the reactant."),
              .promptName = BIND(w, Label1),
              .toolTip = QStringLiteral("Starting (initial) concentration, moles per liter."), .keys = QStringLiteral(".E-+\b\r")},
        Input{.name = BIND(w, Text6), .prompt = QStringLiteral("Enter the coefficient of the reactant."),
              .promptName = BIND(w, Label5), .toolTip = integer, .keys = coefficientKeys,
              .enterSubmits = false},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the equilibrium concentration of product 1."),
              .promptName = BIND(w, Label2), .toolTip = molar, .keys = QStringLiteral(".E-+\b\r")},
        Input{.name = BIND(w, Text7), .prompt = QStringLiteral("Enter the coefficient of product 1."),
              .promptName = BIND(w, Label6), .toolTip = integer, .keys = coefficientKeys,
              .enterSubmits = false},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Enter the equilibrium concentration of product 2."),
              .promptName = BIND(w, Label3), .toolTip = molar, .keys = QStringLiteral(".E-\b\r")},
        Input{.name = BIND(w, Text8), .prompt = QStringLiteral("Enter the coefficient of product 2."),
              .promptName = BIND(w, Label7), .toolTip = integer, .keys = coefficientKeys,
              .enterSubmits = false},
    };
    s.heading = QStringLiteral("Enter all of the following data from a balanced equation.");
    s.headingName = BIND(w, Label8);
    s.enablingInputs = {2};  // the concentration of product 1
    s.answer.box = BIND(w, Text4);
    s.answer.caption = BIND(w, Label4);
    s.answer.captionText = QStringLiteral("The ionization constant is ");
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text5);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data Entry Error");
    s.leaving.unloadBeforeShow = true;
    s.messages.help = QStringLiteral(
        "When a weak acid or base dissolves in water, part of it separates into ions. The ionization constant is  the "
        "equilibrium concentrations of the products raised to their coefficients divided by the equilibrium "
        "concentration of the reactant raised to its coefficient. Type the reactant's starting (initial) "
        "concentration: the window takes off what formed product 1 to find the reactant left at equilibrium.  The "
        "larger the ionization constant, the more of the ions that are produced before equilibrium is reached. ");
    return s;
}
}  // namespace

frmionizationConstant::frmionizationConstant() : CalculatorForm(ionization(*this)) {
    // A 0 is accepted; an empty box or a negative concentration or coefficient
    // is refused, and so are products that use up the reactant.
    const QString valid = QStringLiteral("You must enter a valid number.");
    for (QLineEdit* box : {Text1, Text6, Text2, Text7, Text3, Text8})
        addCheck([box] { return isEmpty(box) || Num::negative(box->text()); }, valid);
    addCheck(
        [this] {
            const std::optional<double> r = Num::value(Text1->text()), x = Num::value(Text6->text()), p1 = Num::value(Text2->text()), y = Num::value(Text7->text());
            // Text that is no number, or a coefficient of 0 to divide by, goes to the trap.
            if (!r || !x || !p1 || !y || *y == 0) return false;
            return !(*r - *x / *y * *p1 > 0);
        },
        valid);
}

std::optional<CalculatorForm::Result> frmionizationConstant::calculate() {
    const double r = number(Text1), x = number(Text6), p1 = number(Text2), y = number(Text7), p2 = number(Text3),
                 z = number(Text8);
    // The reactant left at equilibrium: [R] less x/y of product 1.
    const double left = Num::checked(r - Num::div(x, y) * p1);
    const double denominator = Num::checked(Num::pow(left, x));
    const double second = Num::pow(p2, z);
    const double numerator = Num::checked(second * Num::pow(p1, y));
    const QString raised = QStringLiteral(" ^ ");
    return Result{Num::div(numerator, denominator),
                  QStringLiteral("(") + Text2->text() + raised + Text7->text() + QStringLiteral(" * ") + Text3->text() +
                      raised + Text8->text() + QStringLiteral(") / (") + Text1->text() + QStringLiteral(" - (") +
                      Text6->text() + QStringLiteral(" / ") + Text7->text() + QStringLiteral(") * ") + Text2->text() +
                      QStringLiteral(")") + raised + Text6->text()};
}
