#include "frmTime.h"
#include "UnitConversions.h"

namespace {
ConversionForm::Design timeConversion() {
    const QString title = QStringLiteral("Time");
    ConversionForm::Design s;
    s.caption = QStringLiteral("Time Conversion");
    s.prompt = QStringLiteral("Enter the time value (Numbers only)");
    s.keys = QStringLiteral(".E+-\b\r");
    s.keyMessage = QStringLiteral("You must enter a valid number value");
    s.keyStyle = {Msg::Icon::None, title};
    s.buttons = {{QStringLiteral("cmdYToD"), QStringLiteral("Years - Days")},
                 {QStringLiteral("cmdDToH"), QStringLiteral("Days-Hours")},
                 {QStringLiteral("cmdHToM"), QStringLiteral("Hours-Minutes")},
                 {QStringLiteral("cmdMToS"), QStringLiteral("Minutes-Seconds")},
                 {QStringLiteral("cmdSToM"), QStringLiteral("Seconds-Minutes")},
                 {QStringLiteral("cmdMToH"), QStringLiteral("Minutes-Hours")},
                 {QStringLiteral("cmdHToD"), QStringLiteral("Hours-Days")},
                 {QStringLiteral("cmdDToY"), QStringLiteral("Days-Years")}};
    s.resultName = QStringLiteral("Label2");
    s.resultCaption = QStringLiteral("The new time value is");
    s.answerEnabled = true;
    s.unitName = QStringLiteral("Label3");
    s.decimals = 5;
    s.singleResult = true;
    s.cancelName = QStringLiteral("cmdClose");
    s.bottomRow = {QStringLiteral("cmdClose"), QStringLiteral("cmdClear"), QStringLiteral("cmdHelp")};
    s.tabOrder = {QStringLiteral("Text1"),   QStringLiteral("cmdYToD"), QStringLiteral("cmdDToH"),
                  QStringLiteral("cmdHToM"), QStringLiteral("cmdMToS"), QStringLiteral("cmdSToM"),
                  QStringLiteral("cmdMToH"), QStringLiteral("cmdHToD"), QStringLiteral("cmdDToY"),
                  QStringLiteral("cmdClear"), QStringLiteral("cmdClose"), QStringLiteral("Text2"),
                  QStringLiteral("cmdHelp")};
    s.controlBox = true;
    s.parent = QStringLiteral("frmGeneralChoice");
    s.unloadBeforeShow = true;
    s.onLoad = {{QStringLiteral("frmGeneralChoice"), Form::Action::Hide}};
    s.emptyMessage = QStringLiteral("You must enter a valid number.");
    s.emptyStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapStyle = {Msg::Icon::Exclamation, title};
    s.clearFocusesInput = true;
    s.helpText = QStringLiteral(
        "Once in a while you are asked to determine the rate of a reaction in seconds, minutes or even perhaps hours. "
        "This section is provided to allow you to make whatever time conversions you most commonly might have to "
        "make. Enter your time quantity and click on the button that corresponds to the new time you want to convert "
        "to. ");
    return s;
}
}  // namespace

frmTime::frmTime() : ConversionForm(timeConversion()) {
    Label1 = prompt;
    Text1 = input;
    cmdYToD = buttons[0];
    cmdDToH = buttons[1];
    cmdHToM = buttons[2];
    cmdMToS = buttons[3];
    cmdSToM = buttons[4];
    cmdMToH = buttons[5];
    cmdHToD = buttons[6];
    cmdDToY = buttons[7];
    Label2 = resultLabel;
    Text2 = answerBox;
    Label3 = unitLabel;
    cmdClose = cmdCancel;
}

std::optional<ConversionForm::Result> frmTime::convert(int index, const QString& typed) {
    const auto step = TimeUnits::Step(index);
    return Result{TimeUnits::convert(step, Num::toSingle(typed)), TimeUnits::unit(step), QString()};
}
