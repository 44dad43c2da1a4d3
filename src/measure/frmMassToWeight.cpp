#include "frmMassToWeight.h"
#include "UnitConversions.h"

namespace {
ConversionForm::Design massToWeight(frmMassToWeight& w) {
    using Button = ConversionForm::Button;
    ConversionForm::Design s;
    s.caption = QStringLiteral("Mass / Weight Conversion");
    s.prompt = QStringLiteral("Enter a number of kilograms or Newtons.");
    s.keyFilter = false;
    s.promptName = BIND(w, Label1);
    s.inputName = BIND(w, Text1);
    s.buttons = {
        Button{.name = BIND(w, cmdKToN), .caption = QStringLiteral("Kilograms To Newtons")},
        Button{.name = BIND(w, cmdNToK), .caption = QStringLiteral("Newtons To Kilograms")},
    };
    s.answer.caption = BIND(w, Label2);
    s.answer.captionText = QStringLiteral("The answer is");
    s.answer.box = BIND(w, Text2);
    s.answer.unit = BIND(w, Label3);
    s.layout.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdClear")};
    s.layout.tabOrder = {QStringLiteral("Text1"),    QStringLiteral("cmdKToN"),   QStringLiteral("cmdNToK"),
                         QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"), QStringLiteral("cmdHelp")};
    s.layout.controlBox = true;
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.leaving.unloadBeforeShow = true;
    s.messages.empty = QStringLiteral("You must enter a valid number.");
    s.messages.emptyStyle = Form::InformationStyle;
    s.messages.trapStyle = Form::ExclamationStyle;
    s.messages.help = QStringLiteral(
        "Mass and weight are often confused. What you want to measure is the mass of a substance.  It is usually "
        "given in grams or kilograms. Weight in the English system is given in pounds or ounces. In the metric system, "
        "weight is given in Newtons. In this section, you are converting the metric Newtons to kilograms or kilograms "
        "to Newtoms. There  is another section for converting English measurements to metric measurements.  ");
    return s;
}
}  // namespace

frmMassToWeight::frmMassToWeight() : ConversionForm(massToWeight(*this)) {}

std::optional<ConversionForm::Result> frmMassToWeight::convert(int index, const QString& typed) {
    // A conversion puts the chooser out of the way, loading it hidden if need be.
    Forms::hide(QStringLiteral("frmGeneralChoice"));
    const double x = Num::toDouble(typed);
    // No mass and no weight is negative.
    if (x < 0) {
        say(QStringLiteral("You must enter a valid number."), InformationStyle);
        return std::nullopt;
    }
    if (index == 0) return Result{.value = MassWeight::kilogramsToNewtons(x), .unit = QStringLiteral("Newtons")};
    return Result{.value = MassWeight::newtonsToKilograms(x), .unit = QStringLiteral("kilograms")};
}
