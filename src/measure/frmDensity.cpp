#include "frmDensity.h"

namespace {
enum { Density, Mass, Volume };  // the options, from the left

CalculatorForm::Design density(frmDensity& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Density Calculations");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label1)},
        Input{.name = BIND(w, txtDensity1), .promptName = BIND(w, lblDensity2)},
    };
    s.frameName = NAMED(frmDensity);
    s.layout.optionsInRow = true;
    const QString theDensity = QStringLiteral("Enter the density"), theMass = QStringLiteral("Enter the mass"),
                  theVolume = QStringLiteral("Enter the volume");
    s.options = {
        Option{.name = BIND(w, optDensity3), .caption = QStringLiteral("Density"),
               .prompts = {theMass, theVolume}, .result = QStringLiteral("The density is "), .focusInput = true},
        Option{.name = BIND(w, optDensity1), .caption = QStringLiteral("Mass"),
               .prompts = {theDensity, theVolume}, .result = QStringLiteral("The mass is ")},
        Option{.name = BIND(w, optDensity2), .caption = QStringLiteral("Volume"),
               .prompts = {theDensity, theMass}, .result = QStringLiteral("The volume is "), .focusInput = true},
    };
    s.loadOption = Mass;
    s.answer.box = BIND(w, txtDensity3);
    s.answer.caption = BIND(w, lblDensity3);
    s.answer.workLine = BIND(w, Text2);
    s.clearFocusesInput = false;
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.leaving.onLoad = {{.window = QStringLiteral("frmSplash"), .action = Form::Action::Unload},
                        {.window = QStringLiteral("frmGeneralChoice"), .action = Form::Action::Unload}};
    s.layout.tabOrder = {QStringLiteral("Text1"),       QStringLiteral("txtDensity1"), QStringLiteral("optDensity3"),
                         QStringLiteral("txtDensity3"), QStringLiteral("cmdOk"),       QStringLiteral("cmdClear"),
                         QStringLiteral("cmdCancel"),   QStringLiteral("optDensity2"), QStringLiteral("optDensity1"),
                         QStringLiteral("Text2"),       QStringLiteral("cmdPrint"),    QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "Density refers to how closely the matter of a substance is packed. Gases are very thin and thus have a low "
        "density. Liquids are roughly a thousand times denser than gases. Most solids are a little denser than their "
        "liquids; ice, which floats on water, is less dense. Density is the amount of matter in a particular volume. If you change the mass "
        "or the volume, you affect the density. The more matter in a particular volume, the higher the density.");
    return s;
}
}  // namespace

frmDensity::frmDensity() : CalculatorForm(density(*this)) {
    const QString both = QStringLiteral("You must enter valid data into both boxes.");
    addCheck([this] { return isEmpty(Text1) || isEmpty(txtDensity1); }, both);
    addCheck([this] { return !(number(Text1) > 0) || !(number(txtDensity1) > 0); }, both);
}

void frmDensity::option_Click(int index) {
    CalculatorForm::option_Click(index);
    // Mass starts afresh; the other two keep what was typed.
    if (index == Mass) cmdClear_Click();
}

std::optional<CalculatorForm::Result> frmDensity::calculate() {
    const double a = number(Text1), b = number(txtDensity1);
    const QString at = Num::text(a), bt = Num::text(b);
    switch (option()) {
    case Mass: return Result{a * b, at + QStringLiteral(" * ") + bt};
    case Volume: return Result{Num::div(b, a), bt + QStringLiteral(" / ") + at};
    default: return Result{Num::div(a, b), at + QStringLiteral(" / ") + bt};
    }
}
