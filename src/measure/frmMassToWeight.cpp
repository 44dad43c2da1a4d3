#include "frmMassToWeight.h"
#include "UnitConversions.h"

namespace {
ConversionForm::Design massToWeight() {
    ConversionForm::Design s;
    s.caption = QStringLiteral("Mass / Weight Conversion");
    s.prompt = QStringLiteral("Enter a number of kilograms or Newtons.");
    s.keyFilter = false;
    s.buttons = {{QStringLiteral("cmdKToN"), QStringLiteral("Kilograms To Newtons")},
                 {QStringLiteral("cmdNToK"), QStringLiteral("Newtons To Kilograms")}};
    s.resultName = QStringLiteral("Label2");
    s.resultCaption = QStringLiteral("The answer is");
    s.unitName = QStringLiteral("Label3");
    s.bottomRow = {QStringLiteral("cmdCancel"), QStringLiteral("cmdClear")};
    s.tabOrder = {QStringLiteral("Text1"),    QStringLiteral("cmdKToN"),   QStringLiteral("cmdNToK"),
                  QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"), QStringLiteral("cmdHelp")};
    s.controlBox = true;
    s.parent = QStringLiteral("frmGeneralChoice");
    s.unloadBeforeShow = true;
    s.emptyMessage = QStringLiteral("You must enter a valid number.");
    s.emptyStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapStyle = {Msg::Icon::Exclamation, QStringLiteral("Tessival")};
    s.helpText = QStringLiteral(
        "Mass and weight are often confused. What you want to measure is the mass of a substance.  It is usually "
        "given in grams or kilograms. Weight in the English system is given in pounds or ounces. In the metric system, "
        "weight is given in Newtons. In this section, you are converting the metric Newtons to kilograms or kilograms "
        "to Newtoms. There  is another section for converting English measurements to metric measurements.  ");
    return s;
}
}  // namespace

frmMassToWeight::frmMassToWeight() : ConversionForm(massToWeight()) {
    Label1 = prompt;
    Text1 = input;
    cmdKToN = buttons[0];
    cmdNToK = buttons[1];
    Label2 = resultLabel;
    Text2 = answerBox;
    Label3 = unitLabel;
}

std::optional<ConversionForm::Result> frmMassToWeight::convert(int index, const QString& typed) {
    // A conversion puts the chooser out of the way, loading it hidden if need be.
    Forms::hide(QStringLiteral("frmGeneralChoice"));
    const float x = Num::toSingle(typed);
    // No mass and no weight is negative.
    if (x < 0) {
        say(QStringLiteral("You must enter a valid number."), {Msg::Icon::Information, QStringLiteral("Tessival")});
        return std::nullopt;
    }
    // The typed value is read in single precision: seven digits hold.
    if (index == 0)
        return Result{MassWeight::kilogramsToNewtons(x), QStringLiteral("Newtons"), QString(), -1, Num::SingleDigits};
    return Result{MassWeight::newtonsToKilograms(x), QStringLiteral("kilograms"), QString(), -1, Num::SingleDigits};
}
