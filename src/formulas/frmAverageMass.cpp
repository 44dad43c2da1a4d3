#include "frmAverageMass.h"

#include "formulas/MoleMath.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {
// Weight and occurrence box numbers of the six rows.
constexpr int Rows[6][2] = {{1, 2}, {3, 4}, {5, 6}, {8, 9}, {10, 11}, {12, 13}};

CalculatorForm::Design averageMass() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Average Atomic Mass");
    s.heading = QStringLiteral("Enter the weight and percentage for up to six isotopes.");
    s.headingName = QStringLiteral("Label7");
    for (int r = 0; r < 6; ++r) {
        for (int k = 0; k < 2; ++k) {
            const int n = Rows[r][k];
            CalculatorForm::Input in;
            in.name = QStringLiteral("Text%1").arg(n);
            in.promptName = QStringLiteral("Label%1").arg(n);
            in.prompt = k == 0 ? QStringLiteral("Weight of %1 #%2").arg(r == 0 ? QStringLiteral("isotope")
                                                                              : QStringLiteral("Isotope"))
                                     .arg(r + 1)
                               : QStringLiteral("Occurence of isotope #%1").arg(r + 1);
            in.keys = QStringLiteral(".E\r\b");
            in.enterSubmits = false;  // Enter reaches Ok as the default button
            s.inputs.append(in);
            s.tabOrder.append(in.name);
        }
    }
    s.tabOrder << QStringLiteral("cmdOk") << QStringLiteral("cmdClear") << QStringLiteral("cmdPrint")
               << QStringLiteral("cmdCancel") << QStringLiteral("cmdHelp");
    s.answerName = QStringLiteral("Text14");
    s.resultName = QStringLiteral("Label14");
    s.resultCaption = QStringLiteral("The average atomic mass is ");
    s.workLineName = QStringLiteral("Text7");
    s.singleResult = true;
    s.checkStyle = {Msg::Icon::Critical, QStringLiteral("Tessival")};
    s.trapStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.enablingInputs = {};
    s.inputColumns = 2;
    s.okStartsDisabled = false;
    s.parent = QStringLiteral("frmMoleChoice");
    s.fixedBorder = false;  // fixed once the layout is complete
    s.helpText = QStringLiteral(
        "The atomic mass as seen on the periodic table is not a whole number but a decimal number. The reason is "
        "that there are different isotopes of each atom with different weights  plus the fact that each isotope "
        "occurs at a different rate. For each isotope, multiple  the weight times the percent of occurence and add "
        "the results together. This gives you the average atomic weight as you see it in decimal form.  ");
    return s;
}
}  // namespace

frmAverageMass::frmAverageMass() : CalculatorForm(averageMass()) {
    QLineEdit** boxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text8, &Text9, &Text10, &Text11, &Text12, &Text13};
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6,
                         &Label8, &Label9, &Label10, &Label11, &Label12, &Label13};
    for (int i = 0; i < 12; ++i) {
        *boxes[i] = inputs.at(i);
        *labels[i] = prompts.at(i);
    }
    Label14 = resultLabel;
    Text14 = answerBox;
    Text7 = workLine;

    Label7 = heading;

    // Each row: the weight at the left, the occurrence at the right; the result below.
    for (QWidget* w : {static_cast<QWidget*>(Label14), static_cast<QWidget*>(Text14), static_cast<QWidget*>(cmdHelp)})
        inputGrid->removeWidget(w);
    inputGrid->addWidget(Label14, 6, 0, 1, 2);
    inputGrid->addWidget(Text14, 6, 2, 1, 2);

    // Buttons: Cancel, Print, Clear, Ok, and "?" at the right end.
    QHBoxLayout* buttons = buttonRow;
    for (QPushButton* b : {cmdCancel, cmdClear, cmdPrint, cmdOk}) buttons->removeWidget(b);
    for (QPushButton* b : {cmdCancel, cmdPrint, cmdClear, cmdOk, cmdHelp}) buttons->addWidget(b);

    const QString weight = QStringLiteral("You must enter valid data for the weight.");
    const QString occurrence = QStringLiteral("You must enter valid data for the occurence.");
    addCheck([this] { return isEmpty(Text1); }, weight);
    addCheck([this] { return isEmpty(Text2); }, occurrence);
    addCheck([this] { return isEmpty(Text3); }, weight);
    addCheck([this] { return isEmpty(Text4); }, occurrence);
    setFixedBorder();
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
