#include "frmGrahams.h"

#include <cmath>

namespace {
CalculatorForm::Design grahams(frmGrahams& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Graham's Law");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the molecular weight for molecule #1"),
              .promptName = BIND(w, Label2),
              .toolTip = QStringLiteral("Enter the weight for a complete molecule  (Br2 not just Br).")},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the molecular weight for molecule #2"),
              .promptName = BIND(w, Label3),
              .toolTip = QStringLiteral("Enter the molecular weight for a complete molecule.")},
    };
    s.answer.box = BIND(w, Text5);
    s.answer.caption = BIND(w, Label6);
    s.answer.captionText = QStringLiteral("Rate of #1 / rate of #2 is ");
    s.answer.workLine = BIND(w, Text3);
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data entry error");
    s.escapeCancels = false;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.unloadBeforeShow = true;
    s.messages.help = QStringLiteral(
        "When two gases are introduced into a vacuum or into each other, the rate at which they diffuse varies "
        "inversely as the square root of their molecular masses. The smaller the gas molecule, the faster it travels "
        "and the faster it diffuses. The larger the gas molecule, the slower it travels and the slower it diffuses. To "
        "calculate the relative rate of diffusion for two gases, you must have their molecular weights. Divide the "
        "weight in box two by the weight in box one then take the square root. The answer is the rate of diffusion "
        "of gas #1 to the rate of gas #2.");
    return s;
}
}  // namespace

frmGrahams::frmGrahams() : CalculatorForm(grahams(*this)) {
    const QString positive = QStringLiteral("You must enter a number larger than 0.");
    addCheck([this] { return isEmpty(Text1); }, QStringLiteral("You must enter a valid molecular weight in box one."));
    addCheck([this] { return !(number(Text1) > 0); }, positive);
    addCheck([this] { return isEmpty(Text2); }, QStringLiteral("You must enter a valid molecular weight in box two."));
    addCheck([this] { return !(number(Text2) > 0); }, positive);
}

std::optional<CalculatorForm::Result> frmGrahams::calculate() {
    const double rate = Num::sqrt(Num::div(number(Text2), number(Text1)));
    return Result{rate, QStringLiteral("Sqr(") + Text2->text() + QStringLiteral(" / ") + Text1->text() +
                            QStringLiteral(")")};
}
