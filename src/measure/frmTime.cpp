#include "frmTime.h"
#include "UnitConversions.h"

namespace {
ConversionForm::Design timeConversion(frmTime& w) {
    using Button = ConversionForm::Button;
    const QString title = QStringLiteral("Time");
    ConversionForm::Design s;
    s.caption = QStringLiteral("Time Conversion");
    s.prompt = QStringLiteral("Enter the time value (Numbers only)");
    s.keys = QStringLiteral(".E+-\b\r");
    s.messages.key = QStringLiteral("You must enter a valid number value");
    s.messages.keyStyle = {Msg::Icon::None, title};
    s.promptName = BIND(w, Label1);
    s.inputName = BIND(w, Text1);
    s.buttons = {
        Button{.name = BIND(w, cmdYToD), .caption = QStringLiteral("Years - Days")},
        Button{.name = BIND(w, cmdDToH), .caption = QStringLiteral("Days-Hours")},
        Button{.name = BIND(w, cmdHToM), .caption = QStringLiteral("Hours-Minutes")},
        Button{.name = BIND(w, cmdMToS), .caption = QStringLiteral("Minutes-Seconds")},
        Button{.name = BIND(w, cmdSToM), .caption = QStringLiteral("Seconds-Minutes")},
        Button{.name = BIND(w, cmdMToH), .caption = QStringLiteral("Minutes-Hours")},
        Button{.name = BIND(w, cmdHToD), .caption = QStringLiteral("Hours-Days")},
        Button{.name = BIND(w, cmdDToY), .caption = QStringLiteral("Days-Years")},
    };
    s.answer.caption = BIND(w, Label2);
    s.answer.captionText = QStringLiteral("The new time value is");
    s.answer.enabled = true;
    s.answer.unit = BIND(w, Label3);
    s.answer.box = BIND(w, Text2);
    s.answer.decimals = 5;
    s.cancelName = BIND(w, cmdClose);
    s.layout.buttonOrder = {QStringLiteral("cmdClose"), QStringLiteral("cmdClear"), QStringLiteral("cmdHelp")};
    s.layout.tabOrder = {QStringLiteral("Text1"), QStringLiteral("cmdYToD"), QStringLiteral("cmdDToH"), QStringLiteral("cmdHToM"),
                         QStringLiteral("cmdMToS"), QStringLiteral("cmdSToM"), QStringLiteral("cmdMToH"), QStringLiteral("cmdHToD"),
                         QStringLiteral("cmdDToY"), QStringLiteral("cmdClear"), QStringLiteral("cmdClose"), QStringLiteral("Text2"),
                         QStringLiteral("cmdHelp")};
    s.layout.controlBox = true;
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.leaving.unloadBeforeShow = true;
    s.leaving.onLoad = {{.window = QStringLiteral("frmGeneralChoice"), .action = Form::Action::Hide}};
    s.messages.empty = QStringLiteral("You must enter a valid number.");
    s.messages.emptyStyle = Form::InformationStyle;
    s.messages.trapStyle = {Msg::Icon::Exclamation, title};
    s.clearFocusesInput = true;
    s.messages.help = QStringLiteral(
        "Once in a while you are asked to determine the rate of a reaction in seconds, minutes or even perhaps hours. "
        "This section is provided to allow you to make whatever time conversions you most commonly might have to "
        "make. Enter your time quantity and click on the button that corresponds to the new time you want to convert "
        "to. ");
    return s;
}
}  // namespace

frmTime::frmTime() : ConversionForm(timeConversion(*this)) {}

std::optional<ConversionForm::Result> frmTime::convert(int index, const QString& typed) {
    const auto step = TimeUnits::Step(index);
    return Result{.value = TimeUnits::convert(step, Num::toDouble(typed)), .unit = TimeUnits::unit(step)};
}
