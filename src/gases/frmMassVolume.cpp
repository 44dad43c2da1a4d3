#include "frmMassVolume.h"

#include "GasFormulas.h"

namespace {
const QString Grams = QStringLiteral("Enter the mass of the reactant in grams.");
const QString Weight = QStringLiteral("Enter the molecular weight of the reactant.");

CalculatorForm::Design massVolume(frmMassVolume& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mass - Volume");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label1)},
        Input{.name = BIND(w, Text2), .promptName = BIND(w, Label2),
              .keys = QStringLiteral(".-\b\r")},
        Input{.name = BIND(w, Text3), .promptName = BIND(w, Label3), .keys = QStringLiteral("\b\r")},
        // The ratio row: product coefficient "to" reactant coefficient.
        Input{.name = BIND(w, Text5), .prompt = QStringLiteral("to"), .promptName = BIND(w, Label5),
              .keys = QStringLiteral("\b\r"), .besidePrevious = true},
        Input{.name = BIND(w, Text6), .promptName = BIND(w, Label6)},
        Input{.name = BIND(w, Text7), .promptName = BIND(w, Label7)},
    };
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.frameName = BIND(w, Frame1);
    // A new option starts from empty boxes; the hidden ones keep their text.
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Volume"),
               .prompts = {Grams, Weight, QStringLiteral("Enter the ratio of product to reactant.")},
               .result = QStringLiteral("The volume of the gas is "), .unit = QStringLiteral("Liters"),
               .hidden = {4, 5}, .emptied = {0, 1, 2, 3}},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Mass"),
               .prompts = {QStringLiteral("Enter the volume in liters."),
                           QStringLiteral("Enter the initial temperature in Kelvin."),
                           QStringLiteral("Enter the product to reactant ratio."), QString(), Weight,
                           QStringLiteral("Enter the initial pressure in kPa.")},
               .result = QStringLiteral("The mass of the reactant is "), .unit = QStringLiteral("grams"),
               .emptied = {0, 1, 2, 3, 4, 5}},
    };
    s.answer.box = BIND(w, Text4);
    s.answer.caption = BIND(w, Label4);
    s.answer.unit = BIND(w, Label8);
    s.answer.workLine = BIND(w, Text8);
    s.layout.helpLeftOfResult = true;
    s.clearSelectsFirstOption = true;
    s.messages.checkStyle = Form::InformationStyle;
    s.messages.trap = QStringLiteral("Data entry error");
    s.leaving.unloadBeforeShow = true;
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.messages.help = QStringLiteral("Gases are involved in many chemical reactions. In some problems you are given a mass "
                                "of a substance and are ") +
                 QStringLiteral("asked to determine the volume of a gas that is produced. Likewise, you may be given a "
                                "volume of a ") +
                 QStringLiteral("gas and asked to determine the mass of a substance. Keep in mind that 1 mole of a gas "
                                "occupies a ") +
                 QStringLiteral("volume of 22.4 liters at STP (0 °C and 101.3 kPa): the volume this window finds is at STP. "
                                "For the mass it uses the temperature and pressure you type (PV = nRT). ");
    return s;
}
}  // namespace

frmMassVolume::frmMassVolume() : CalculatorForm(massVolume(*this)) {
    Label5->setAlignment(Qt::AlignCenter);

    // The Mass rows keep their place while the Volume option hides them.
    for (QWidget* w : {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Text6), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(Text7)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }

    const QString first = QStringLiteral("You must enter a valid, positive number.");
    const QString positive = QStringLiteral("You must enter a valid, positive number .");
    addCheck([this] { return Num::notAboveZero(Text1->text()); }, first);
    addCheck([this] { return opt2->isChecked() && Num::notKelvin(Text2->text()); }, KelvinMessage);
    addCheck([this] { return Num::notAboveZero(Text2->text()); }, positive);
    addCheck([this] { return Num::notAboveZero(Text3->text()); }, positive);
    addCheck([this] { return Num::notAboveZero(Text5->text()); }, positive);
    addCheck([this] { return opt2->isChecked() && Num::notAboveZero(Text6->text()); }, positive);
    addCheck([this] { return opt2->isChecked() && Num::notAboveZero(Text7->text()); }, positive);
}

std::optional<CalculatorForm::Result> frmMassVolume::calculate() {
    const double product = number(Text3);
    const double reactant = number(Text5);
    const QString ratio = Text3->text() + QStringLiteral(" / ") + Text5->text();
    if (opt1->isChecked()) {
        const double grams = number(Text1);
        const double mw = number(Text2);
        return Result{GasFormulas::gasVolume(grams, mw, product, reactant),
                      Text1->text() + QStringLiteral(" / ") + Text2->text() + QStringLiteral(" * ") + ratio +
                          QStringLiteral(" * 22.4")};
    }
    const double litres = number(Text1);
    const double kelvin = number(Text2);
    const double mw = number(Text6);
    const double kpa = number(Text7);
    return Result{GasFormulas::reactantMass(kpa, litres, kelvin, product, reactant, mw),
                  Text7->text() + QStringLiteral(" * ") + Text1->text() + QStringLiteral(" / (8.314 * ") +
                      Text2->text() + QStringLiteral(") * ") + Text5->text() + QStringLiteral(" / ") + Text3->text() +
                      QStringLiteral(" * ") + Text6->text()};
}

void frmMassVolume::cleared() {
    // Clear has selected the first option; the first box then has Clear's own prompt.
    setPrompt(0, QStringLiteral("Enter the mass of the reactant."));
}
