#include "frmAverageMass.h"

#include "formulas/MoleMath.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {
// Weight and occurrence box numbers of the six rows.

CalculatorForm::Design averageMass(frmAverageMass& w) {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Average Atomic Mass");
    s.heading = QStringLiteral("Enter the weight and percentage for up to six isotopes.");
    s.headingName = BIND(w, Label7);
    // Weight and occurrence boxes and prompts of the six rows, in screen order.
    using Box = Form::Bound<QLineEdit>;
    using Prompt = Form::Bound<QLabel>;
    const Box boxes[6][2] = {{BIND(w, Text1), BIND(w, Text2)},   {BIND(w, Text3), BIND(w, Text4)},
                             {BIND(w, Text5), BIND(w, Text6)},   {BIND(w, Text8), BIND(w, Text9)},
                             {BIND(w, Text10), BIND(w, Text11)}, {BIND(w, Text12), BIND(w, Text13)}};
    const Prompt labels[6][2] = {{BIND(w, Label1), BIND(w, Label2)},   {BIND(w, Label3), BIND(w, Label4)},
                                 {BIND(w, Label5), BIND(w, Label6)},   {BIND(w, Label8), BIND(w, Label9)},
                                 {BIND(w, Label10), BIND(w, Label11)}, {BIND(w, Label12), BIND(w, Label13)}};
    for (int r = 0; r < 6; ++r) {
        for (int k = 0; k < 2; ++k) {
            const QString prompt =
                k == 0 ? QStringLiteral("Weight of %1 #%2")
                             .arg(r == 0 ? QStringLiteral("isotope") : QStringLiteral("Isotope"))
                             .arg(r + 1)
                       : QStringLiteral("Occurence of isotope #%1").arg(r + 1);
            s.inputs.append(CalculatorForm::Input{.name = boxes[r][k],
                                                  .prompt = prompt,
                                                  .promptName = labels[r][k],
                                                  .keys = QStringLiteral(".E\r\b"),
                                                  .enterSubmits = false});  // Enter reaches Ok as the default button
            s.layout.tabOrder.append(s.inputs.last().name);
        }
    }
    s.layout.tabOrder << QStringLiteral("cmdOk") << QStringLiteral("cmdClear") << QStringLiteral("cmdPrint")
               << QStringLiteral("cmdCancel") << QStringLiteral("cmdHelp");
    s.answer.box = BIND(w, Text14);
    s.answer.caption = BIND(w, Label14);
    s.answer.captionText = QStringLiteral("The average atomic mass is ");
    s.answer.workLine = BIND(w, Text7);
    s.messages.checkStyle = Form::CriticalStyle;
    s.messages.trapStyle = Form::InformationStyle;
    s.enablingInputs = {};
    // Each row: the weight at the left, the occurrence at the right; the
    // result below across both.
    s.layout.inputColumns = 2;
    s.layout.resultSpan = 2;
    // Buttons: Cancel, Print, Clear, Ok, and "?" at the right end.
    s.layout.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdPrint"), QStringLiteral("cmdClear"),
                            QStringLiteral("cmdOk"), QStringLiteral("cmdHelp")};
    s.okStartsDisabled = false;
    s.leaving.parent = QStringLiteral("frmMoleChoice");
    s.messages.help = QStringLiteral(
        "The atomic mass as seen on the periodic table is not a whole number but a decimal number. The reason is "
        "that there are different isotopes of each atom with different weights  plus the fact that each isotope "
        "occurs at a different rate. For each isotope, multiply  the weight by its fraction of occurrence (the "
        "percent divided by 100) and add the results together. This gives you the average atomic weight as you see it in decimal form.  ");
    return s;
}
}  // namespace

frmAverageMass::frmAverageMass() : CalculatorForm(averageMass(*this)) {
    const QString weight = QStringLiteral("You must enter valid data for the weight.");
    const QString occurrence = QStringLiteral("You must enter valid data for the occurence.");
    addCheck([this] { return isEmpty(Text1); }, weight);
    addCheck([this] { return isEmpty(Text2); }, occurrence);
    addCheck([this] { return isEmpty(Text3); }, weight);
    addCheck([this] { return isEmpty(Text4); }, occurrence);
}

std::optional<CalculatorForm::Result> frmAverageMass::calculate() {
    QList<MoleMath::Isotope> isotopes;
    for (int i = 0; i < 12; i += 2) {
        // An empty box counts as 0.
        auto value = [this](int k) { return isEmpty(inputs.at(k)) ? 0.0 : number(inputs.at(k)); };
        isotopes.append({value(i), value(i + 1)});
    }
    const MoleMath::Average a = MoleMath::averageMass(isotopes);
    return Result{a.mass, a.work};
}
