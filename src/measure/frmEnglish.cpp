#include "frmEnglish.h"
#include "UnitConversions.h"

namespace {
ConversionForm::Design english() {
    const QString refusal = QStringLiteral("You must enter a valid number to convert.");
    ConversionForm::Design s;
    s.caption = QStringLiteral("English - Metric Conversions");
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    s.prompt = QStringLiteral("Enter a value");
    s.keyFilter = false;
    s.directions = {{QStringLiteral("Option1"), QStringLiteral("English To Metric")},
                    {QStringLiteral("Option2"), QStringLiteral("Metric To English")}};
    for (const EnglishMetric::Pair& p : EnglishMetric::Pairs)
        s.buttons.append({QLatin1String(p.button), QLatin1String(p.caption)});
    s.columns = 4;
    s.unitName = QStringLiteral("Label3");
    s.cancelCaption = QStringLiteral("Close");
    s.bottomRow = {QStringLiteral("cmdCancel"), QStringLiteral("cmdClear"), QStringLiteral("Text2"),
                   QStringLiteral("Label3"), QStringLiteral("cmdHelp")};
    s.parent = QStringLiteral("frmGeneralChoice");
    s.unloadBeforeShow = true;
    // One refusal for an empty box, a text that is no number and a value out of range.
    s.emptyMessage = s.trapText = refusal;
    s.emptyStyle = s.trapStyle = {Msg::Icon::Exclamation, QStringLiteral("Tessival")};
    s.helpText = QStringLiteral(
        "All measurements in chemistry must be in the metric system of measurements. Sometimes, you are given a "
        "quantity in the English system. This section is provided as a convenience so that if you need to make a "
        "conversion, you can do so.");
    return s;
}
}  // namespace

frmEnglish::frmEnglish() : ConversionForm(english()) {
    Label1 = prompt;
    Text1 = input;
    Option1 = directions[0];
    Option2 = directions[1];
    cmdPToK = buttons[0];
    cmdPToG = buttons[1];
    cmdOToK = buttons[2];
    cmdOToG = buttons[3];
    cmdFToM = buttons[4];
    cmdFToC = buttons[5];
    cmdIToM = buttons[6];
    cmdIToC = buttons[7];
    cmdLToG = buttons[8];
    cmdLToOunces = buttons[9];
    cmdMToG = buttons[10];
    cmdMToO = buttons[11];
    Text2 = answerBox;
    Label3 = unitLabel;
}

std::optional<ConversionForm::Result> frmEnglish::convert(int index, const QString& typed) {
    const float x = Num::toSingle(typed);
    const EnglishMetric::Pair& p = EnglishMetric::Pairs.at(index);
    if (Option1->isChecked())
        return Result{EnglishMetric::toMetric(index, x), QLatin1String(p.metricUnit), QString(), p.decimals,
                      EnglishMetric::digitsHeld()};
    return Result{EnglishMetric::toEnglish(index, x), QLatin1String(p.englishUnit), QString(), p.decimals,
                  EnglishMetric::digitsHeld()};
}
