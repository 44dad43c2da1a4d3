#include "frmEnglish.h"
#include "UnitConversions.h"

namespace {
ConversionForm::Design english(frmEnglish& w) {
    using Direction = ConversionForm::Direction;
    using Button = ConversionForm::Button;
    const QString refusal = QStringLiteral("You must enter a valid number to convert.");
    ConversionForm::Design s;
    s.caption = QStringLiteral("English - Metric Conversions");
    s.layout.fontFamily = QStringLiteral("Times New Roman");
    s.layout.pointSize = 9.75;
    s.prompt = QStringLiteral("Enter a value");
    s.keyFilter = false;
    s.promptName = BIND(w, Label1);
    s.inputName = BIND(w, Text1);
    s.directions = {
        Direction{.name = BIND(w, Option1), .caption = QStringLiteral("English To Metric")},
        Direction{.name = BIND(w, Option2), .caption = QStringLiteral("Metric To English")},
    };
    // The pairs' buttons, in the pairs' order.
    QPushButton** const pairButtons[] = {&w.cmdPToK, &w.cmdPToG, &w.cmdOToK, &w.cmdOToG, &w.cmdFToM, &w.cmdFToC,
                                         &w.cmdIToM, &w.cmdIToC, &w.cmdLToG, &w.cmdLToOunces, &w.cmdMToG, &w.cmdMToO};
    static_assert(std::size(pairButtons) == EnglishMetric::Count);
    for (int i = 0; i < EnglishMetric::Count; ++i) {
        const EnglishMetric::Pair& p = EnglishMetric::Pairs.at(i);
        s.buttons.append(Button{.name = {QLatin1String(p.button), pairButtons[i]}, .caption = QLatin1String(p.caption)});
    }
    s.layout.columns = 4;
    s.answer.box = BIND(w, Text2);
    s.answer.unit = BIND(w, Label3);
    s.cancelCaption = QStringLiteral("Close");
    s.layout.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdClear"), QStringLiteral("Text2"),
                            QStringLiteral("Label3"), QStringLiteral("cmdHelp")};
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.leaving.unloadBeforeShow = true;
    // One refusal for an empty box, a text that is no number and a value out of range.
    s.messages.empty = s.messages.trap = refusal;
    s.messages.emptyStyle = s.messages.trapStyle = Form::ExclamationStyle;
    s.messages.help = QStringLiteral(
        "All measurements in chemistry must be in the metric system of measurements. Sometimes, you are given a "
        "quantity in the English system. This section is provided as a convenience so that if you need to make a "
        "conversion, you can do so.");
    return s;
}
}  // namespace

frmEnglish::frmEnglish() : ConversionForm(english(*this)) {}

std::optional<ConversionForm::Result> frmEnglish::convert(int index, const QString& typed) {
    const double x = Num::toDouble(typed);
    const EnglishMetric::Pair& p = EnglishMetric::Pairs.at(index);
    if (Option1->isChecked())
        return Result{.value = EnglishMetric::toMetric(index, x), .unit = QLatin1String(p.metricUnit),
                      .decimals = p.decimals};
    return Result{.value = EnglishMetric::toEnglish(index, x), .unit = QLatin1String(p.englishUnit),
                  .decimals = p.decimals};
}
