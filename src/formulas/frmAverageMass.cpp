#include "frmAverageMass.h"

#include "formulas/MoleMath.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {
// Weight and occurrence box numbers of the six rows.
constexpr int Rows[6][2] = {{1, 2}, {3, 4}, {5, 6}, {8, 9}, {10, 11}, {12, 13}};

CalculatorForm::Design averageMass(frmAverageMass& w) {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Average Atomic Mass");
    s.heading = QStringLiteral("Enter the weight and percentage for up to six isotopes.");
    s.headingName = QStringLiteral("Label7");
    s.headingLabel = &w.Label7;
    // Weight and occurrence boxes and prompts of the six rows, in screen order.
    QLineEdit** boxes[6][2] = {{&w.Text1, &w.Text2},   {&w.Text3, &w.Text4},   {&w.Text5, &w.Text6},
                               {&w.Text8, &w.Text9},   {&w.Text10, &w.Text11}, {&w.Text12, &w.Text13}};
    QLabel** labels[6][2] = {{&w.Label1, &w.Label2},   {&w.Label3, &w.Label4},   {&w.Label5, &w.Label6},
                             {&w.Label8, &w.Label9},   {&w.Label10, &w.Label11}, {&w.Label12, &w.Label13}};
    for (int r = 0; r < 6; ++r) {
        for (int k = 0; k < 2; ++k) {
            const int n = Rows[r][k];
            const QString prompt =
                k == 0 ? QStringLiteral("Weight of %1 #%2")
                             .arg(r == 0 ? QStringLiteral("isotope") : QStringLiteral("Isotope"))
                             .arg(r + 1)
                       : QStringLiteral("Occurence of isotope #%1").arg(r + 1);
            s.inputs.append(CalculatorForm::Input{.name = QStringLiteral("Text%1").arg(n),
                                                  .prompt = prompt,
                                                  .promptName = QStringLiteral("Label%1").arg(n),
                                                  .keys = QStringLiteral(".E\r\b"),
                                                  .enterSubmits = false,  // Enter reaches Ok as the default button
                                                  .box = boxes[r][k],
                                                  .label = labels[r][k]});
            s.tabOrder.append(s.inputs.last().name);
        }
    }
    s.tabOrder << QStringLiteral("cmdOk") << QStringLiteral("cmdClear") << QStringLiteral("cmdPrint")
               << QStringLiteral("cmdCancel") << QStringLiteral("cmdHelp");
    s.answerName = QStringLiteral("Text14");
    s.resultName = QStringLiteral("Label14");
    s.resultCaption = QStringLiteral("The average atomic mass is ");
    s.workLineName = QStringLiteral("Text7");
    s.result = &w.Label14;
    s.answer = &w.Text14;
    s.work = &w.Text7;
    s.singleResult = true;
    s.checkStyle = Form::CriticalStyle;
    s.trapStyle = Form::InformationStyle;
    s.enablingInputs = {};
    // Each row: the weight at the left, the occurrence at the right; the
    // result below across both.
    s.inputColumns = 2;
    s.resultSpan = 2;
    // Buttons: Cancel, Print, Clear, Ok, and "?" at the right end.
    s.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdPrint"), QStringLiteral("cmdClear"),
                     QStringLiteral("cmdOk"), QStringLiteral("cmdHelp")};
    s.okStartsDisabled = false;
    s.parent = QStringLiteral("frmMoleChoice");
    s.helpText = QStringLiteral(
        "The atomic mass as seen on the periodic table is not a whole number but a decimal number. The reason is "
        "that there are different isotopes of each atom with different weights  plus the fact that each isotope "
        "occurs at a different rate. For each isotope, multiple  the weight times the percent of occurence and add "
        "the results together. This gives you the average atomic weight as you see it in decimal form.  ");
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
        auto value = [this](int k) { return isEmpty(inputs.at(k)) ? 0.0f : single(inputs.at(k)); };
        isotopes.append({value(i), value(i + 1)});
    }
    const MoleMath::Average a = MoleMath::averageMass(isotopes);
    return Result{a.mass, a.work};
}
