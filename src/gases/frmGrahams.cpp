#include "frmGrahams.h"

#include <cmath>

namespace {
CalculatorForm::Design grahams() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Graham's Law");
    s.inputs = {
        {QStringLiteral("Text1"), QStringLiteral("Enter the molecular weight for molecule #1"), QStringLiteral("Label2"),
         QStringLiteral("Enter the weight for a complete molecule  (Br2 not just Br).")},
        {QStringLiteral("Text2"), QStringLiteral("Enter the molecular weight for molecule #2"), QStringLiteral("Label3"),
         QStringLiteral("Enter the molecular weight for a complete molecule.")},
    };
    s.answerName = QStringLiteral("Text5");
    s.resultName = QStringLiteral("Label6");
    s.resultCaption = QStringLiteral("The diffusion rate is ");
    s.workLineName = QStringLiteral("Text3");
    s.singleResult = true;
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapText = QStringLiteral("Data entry error");
    s.escapeCancels = false;
    s.parent = QStringLiteral("frmGasLaws");
    s.unloadBeforeShow = true;
    s.helpText = QStringLiteral(
        "When two gases are introduced into a vacuum or into each other, the rate at which they diffuse varies "
        "inversely as the square root of their molecular masses. The smaller the gas molecule, the faster it travels "
        "and the faster it diffuses. The larger the gas molecule, the slower it travels and the slower it diffuses. To "
        "calculate the relative rate of diffusion for two gases, you must have their molecular weights. Divide the "
        "larger weight by the smaller weight then take the square root. The answer is the rate of diffusion of the "
        "lighter gas to the hevier gas.");
    return s;
}
}  // namespace

frmGrahams::frmGrahams() : CalculatorForm(grahams()) {
    bind(inputs, Text1, Text2);
    bind(prompts, Label2, Label3);
    Text5 = answerBox;
    Label6 = resultLabel;
    Text3 = workLine;

    const QString positive = QStringLiteral("You must enter a number larger than 0.");
    addCheck([this] { return isEmpty(Text1); }, QStringLiteral("You must enter a valid molecular weight in box one."));
    addCheck([this] { return !(single(Text1) > 0); }, positive);
    addCheck([this] { return isEmpty(Text2); }, QStringLiteral("You must enter a valid molecular weight in box two."));
    addCheck([this] { return !(single(Text2) > 0); }, positive);
}

std::optional<CalculatorForm::Result> frmGrahams::calculate() {
    const double rate = Num::sqrt(Num::div(number(Text2), number(Text1)));
    return Result{rate, QStringLiteral("Sqr(") + Text2->text() + QStringLiteral(" / ") + Text1->text() +
                            QStringLiteral(")")};
}
