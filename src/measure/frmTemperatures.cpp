#include "frmTemperatures.h"
#include "UnitConversions.h"

#include <algorithm>
#include <cmath>

namespace {
const QString Title = QStringLiteral("Temperatures");
const QString BelowZero = QStringLiteral("The temperature is below absolute zero.");

using Scale = Temperature::Scale;
struct Conversion {
    Scale from, to;
};
// In the order of the buttons, row by row.
constexpr Conversion Conversions[] = {
    {Scale::Fahrenheit, Scale::Celsius}, {Scale::Fahrenheit, Scale::Kelvin}, {Scale::Celsius, Scale::Fahrenheit},
    {Scale::Celsius, Scale::Kelvin},     {Scale::Kelvin, Scale::Fahrenheit}, {Scale::Kelvin, Scale::Celsius},
};

ConversionForm::Design temperatures(frmTemperatures& w) {
    using Button = ConversionForm::Button;
    ConversionForm::Design s;
    s.caption = QStringLiteral("Temperature Conversion");
    s.prompt = QStringLiteral("Enter a temperature value.");
    s.keys = QStringLiteral(".-\b\r");
    s.messages.keyStyle = {Msg::Icon::None, Title};
    s.promptName = BIND(w, Label1);
    s.inputName = BIND(w, Text1);
    s.buttons = {
        Button{.name = BIND(w, cmdFToC), .caption = QStringLiteral("F To C")},
        Button{.name = BIND(w, cmdFToK), .caption = QStringLiteral("F To K")},
        Button{.name = BIND(w, cmdCToF), .caption = QStringLiteral("C To F")},
        Button{.name = BIND(w, cmdCToK), .caption = QStringLiteral("C To K")},
        Button{.name = BIND(w, cmdKToF), .caption = QStringLiteral("K To F")},
        Button{.name = BIND(w, cmdKToC), .caption = QStringLiteral("K To C")},
    };
    s.defaultButton = QStringLiteral("cmdFToC");
    s.answer.caption = BIND(w, Label2);
    s.answer.captionText = QStringLiteral("The new temperature is");
    s.answer.workLine = BIND(w, Text3);
    s.answer.box = BIND(w, Text2);
    s.print = true;
    s.layout.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdPrint"), QStringLiteral("cmdClear")};
    s.layout.tabOrder = {QStringLiteral("Text1"), QStringLiteral("cmdFToC"), QStringLiteral("cmdFToK"), QStringLiteral("cmdCToF"),
                         QStringLiteral("cmdCToK"), QStringLiteral("cmdKToF"), QStringLiteral("cmdKToC"), QStringLiteral("cmdClear"),
                         QStringLiteral("cmdCancel"), QStringLiteral("cmdPrint"), QStringLiteral("Text2"), QStringLiteral("Text3"),
                         QStringLiteral("cmdHelp")};
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.leaving.unloadBeforeShow = true;
    s.leaving.onLoad = {{.window = QStringLiteral("frmGeneralChoice"), .action = Form::Action::Hide}};
    s.messages.empty = QStringLiteral("You must enter a valid temperature.");
    s.messages.emptyStyle = {Msg::Icon::Information, Title};
    s.messages.trapStyle = {Msg::Icon::Exclamation, Title};
    s.messages.help = QStringLiteral(
        "You are familiar with Fahrenheit temperatures. 32 is freezing and 212 is boiling. However, in chemistry, "
        "temperatures must be in Celsius or Kelvin. Chemical laws and principles are set up to use the Celsius scale "
        "most of the time. There are some cases, gases in particular, where the temperatures must be Kelvin. Gas "
        "calculations only work when the temperatures are in Kelvin, which starts at absolute zero. ");
    return s;
}
}  // namespace

frmTemperatures::frmTemperatures() : ConversionForm(temperatures(*this)) {}

std::optional<ConversionForm::Result> frmTemperatures::convert(int index, const QString& typed) {
    const Conversion c = Conversions[index];
    const double t = Num::toDouble(typed);
    if (t < Temperature::absoluteZero(c.from)) {
        say(BelowZero, Style{.icon = Msg::Icon::Information, .title = Title});
        return std::nullopt;
    }
    // The value holds no digit past those of the largest term summed into it
    // (273.1505 - 273.15 is 0.0005): the temperature and the offsets, scaled
    // by 5/9 or 9/5 where the formula scales them.
    const double a = std::fabs(t);
    double scale = std::max(a, 273.15);
    if (c.from == Scale::Fahrenheit) scale = std::max(std::max(a, 32.0) * 5 / 9, c.to == Scale::Kelvin ? 273.15 : 0.0);
    else if (c.to == Scale::Fahrenheit) scale = std::max((c.from == Scale::Kelvin ? std::max(a, 273.15) : a) * 9 / 5, 32.0);
    const double computed = Temperature::convert(c.from, c.to, t);
    const double u = Num::held(computed, std::max(scale, std::fabs(computed)));
    const QString tt = Num::text(t), ut = Num::text(u);
    const QString equals = QStringLiteral("  =  ");
    const QString offset = Num::text(273.15);
    QString work;
    if (c.from == Scale::Celsius && c.to == Scale::Fahrenheit)
        work = QStringLiteral("9/5 ") + QStringLiteral(" x ") + tt + QStringLiteral(" + ") + QStringLiteral("32") + equals + ut;
    else if (c.from == Scale::Fahrenheit && c.to == Scale::Celsius)
        work = QStringLiteral("5/9 ") + QStringLiteral(" x ") + QStringLiteral(" (") + tt + QStringLiteral("- ") + QStringLiteral("32)") + equals + ut;
    else if (c.from == Scale::Fahrenheit)
        work = QStringLiteral("5/9  x  (") + tt + QStringLiteral(" - 32) + ") + offset + equals + ut;
    else if (c.to == Scale::Fahrenheit)
        work = QStringLiteral("9/5  x  (") + tt + QStringLiteral(" - ") + offset + QStringLiteral(") + 32") + equals + ut;
    else if (c.to == Scale::Kelvin)
        work = tt + QStringLiteral(" + ") + offset + equals + ut;
    else
        work = tt + QStringLiteral(" - ") + offset + equals + ut;
    return Result{.value = u, .work = work};
}
