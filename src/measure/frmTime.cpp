#include "frmTime.h"
#include "UnitConversions.h"

namespace {
ConversionForm::Design timeConversion(frmTime& w) {
    using Control = ConversionForm::Control;
    const QString title = QStringLiteral("Time");
    ConversionForm::Design s;
    s.caption = QStringLiteral("Time Conversion");
    s.prompt = QStringLiteral("Enter the time value (Numbers only)");
    s.keys = QStringLiteral(".E+-\b\r");
    s.keyMessage = QStringLiteral("You must enter a valid number value");
    s.keyStyle = {Msg::Icon::None, title};
    s.promptLabel = &w.Label1;
    s.box = &w.Text1;
    s.buttons = {
        Control{.name = QStringLiteral("cmdYToD"), .caption = QStringLiteral("Years - Days"), .button = &w.cmdYToD},
        Control{.name = QStringLiteral("cmdDToH"), .caption = QStringLiteral("Days-Hours"), .button = &w.cmdDToH},
        Control{.name = QStringLiteral("cmdHToM"), .caption = QStringLiteral("Hours-Minutes"), .button = &w.cmdHToM},
        Control{.name = QStringLiteral("cmdMToS"), .caption = QStringLiteral("Minutes-Seconds"), .button = &w.cmdMToS},
        Control{.name = QStringLiteral("cmdSToM"), .caption = QStringLiteral("Seconds-Minutes"), .button = &w.cmdSToM},
        Control{.name = QStringLiteral("cmdMToH"), .caption = QStringLiteral("Minutes-Hours"), .button = &w.cmdMToH},
        Control{.name = QStringLiteral("cmdHToD"), .caption = QStringLiteral("Hours-Days"), .button = &w.cmdHToD},
        Control{.name = QStringLiteral("cmdDToY"), .caption = QStringLiteral("Days-Years"), .button = &w.cmdDToY},
    };
    s.resultName = QStringLiteral("Label2");
    s.resultCaption = QStringLiteral("The new time value is");
    s.answerEnabled = true;
    s.unitName = QStringLiteral("Label3");
    s.result = &w.Label2;
    s.answer = &w.Text2;
    s.unit = &w.Label3;
    s.decimals = 5;
    s.singleResult = true;
    s.cancelName = QStringLiteral("cmdClose");
    s.cancel = &w.cmdClose;
    s.bottomRow = {QStringLiteral("cmdClose"), QStringLiteral("cmdClear"), QStringLiteral("cmdHelp")};
    s.tabOrder = {QStringLiteral("Text1"),   QStringLiteral("cmdYToD"), QStringLiteral("cmdDToH"),
                  QStringLiteral("cmdHToM"), QStringLiteral("cmdMToS"), QStringLiteral("cmdSToM"),
                  QStringLiteral("cmdMToH"), QStringLiteral("cmdHToD"), QStringLiteral("cmdDToY"),
                  QStringLiteral("cmdClear"), QStringLiteral("cmdClose"), QStringLiteral("Text2"),
                  QStringLiteral("cmdHelp")};
    s.controlBox = true;
    s.parent = QStringLiteral("frmGeneralChoice");
    s.unloadBeforeShow = true;
    s.onLoad = {{.window = QStringLiteral("frmGeneralChoice"), .action = Form::Action::Hide}};
    s.emptyMessage = QStringLiteral("You must enter a valid number.");
    s.emptyStyle = Form::InformationStyle;
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

frmTime::frmTime() : ConversionForm(timeConversion(*this)) {}

std::optional<ConversionForm::Result> frmTime::convert(int index, const QString& typed) {
    const auto step = TimeUnits::Step(index);
    return Result{.value = TimeUnits::convert(step, Num::toSingle(typed)), .unit = TimeUnits::unit(step)};
}
