#include "frmTitration.h"

#include "EquilibriumShape.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace {
const int DataBoxes = 4;

CalculatorForm::Design titration() {
    CalculatorForm::Design s = EquilibriumShape::design(QStringLiteral("Titration"));
    s.format = CalculatorForm::Format::Fixed;
    const QString concentrationTip = QStringLiteral("Enter the molarity/molality.");
    const QString volumeTip = QStringLiteral("Enter a valid number for the volume.");
    auto input = [](const char* name, const QString& prompt, const char* label, const QString& tip, bool enter) {
        CalculatorForm::Input in{QLatin1String(name), prompt, QLatin1String(label), tip,
                                 enter ? QStringLiteral(".\b\r") : QStringLiteral(".\b")};
        in.enterSubmits = enter;
        return in;
    };
    s.inputs = {
        input("Text1", QString(), "Label2", concentrationTip, false),
        input("Text2", QStringLiteral("Enter the volume of the acid."), "Label3", volumeTip, false),
        input("Text3", QString(), "Label4", concentrationTip, true),
        input("Text4", QStringLiteral("Enter the volume of the base."), "Label5", volumeTip, true),
        input("Text6", QStringLiteral("Moles of base per mole of acid."), "Label7",
              QStringLiteral("Enter a number that represents the moles of base for each mole of acid."), true),
    };
    s.options = {
        {QStringLiteral("opt1"), QStringLiteral("Molarity"), QString(),
         {QStringLiteral("Enter the molarity of the acid."), QString(), QStringLiteral("Enter the molarity of the base.")},
         QStringLiteral("The molarity of the acid is ")},
        {QStringLiteral("opt2"), QStringLiteral("Molality"), QString(),
         {QStringLiteral("Enter the molality of the acid."), QString(), QStringLiteral("Enter the molality of the base.")},
         QStringLiteral("The molality of the acid is ")},
    };
    s.heading = QStringLiteral("Leave one of the first four boxes empty.");
    s.optionsInRow = true;
    s.answerName = QStringLiteral("Text5");
    s.resultName = QStringLiteral("Label6");
    s.workLineName = QStringLiteral("Text7");
    s.singleResult = true;
    s.checkStyle = {Msg::Icon::Information, QStringLiteral("Tessival")};
    s.trapText = QStringLiteral("Data Entry Error.");
    s.tabOrder = {QStringLiteral("Text1"),  QStringLiteral("Text2"),    QStringLiteral("Text3"),
                  QStringLiteral("Text4"),  QStringLiteral("Text6"),    QStringLiteral("cmdOk"),
                  QStringLiteral("cmdPrint"), QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                  QStringLiteral("opt1"),   QStringLiteral("opt2"),     QStringLiteral("cmdHelp")};
    s.helpText = QStringLiteral(
        "Titration is the procedure by which a solution of known concentration is used to determine the "
        "concentration of an unknown solution. The most common titrations are those between an acid and a base. This "
        "is referred to as neutralization. An indicator is used to help visualize the endpoint. ");
    return s;
}
}  // namespace

frmTitration::frmTitration() : CalculatorForm(titration()) {
    Frame1 = frame;
    bind(options, opt1, opt2);
    bind(inputs, Text1, Text2, Text3, Text4, Text6);
    bind(prompts, Label2, Label3, Label4, Label5, Label7);
    Text5 = answerBox;
    Label6 = resultLabel;
    Text7 = workLine;
    Label1 = heading;

    // A rule between the four data boxes and the ratio: the rows from the
    // ratio down move one row lower.
    QGridLayout* grid = inputGrid;
    QList<std::pair<QLayoutItem*, QList<int>>> lower;
    for (int i = grid->count() - 1; i >= 0; --i) {
        int row = 0, col = 0, rows = 0, cols = 0;
        grid->getItemPosition(i, &row, &col, &rows, &cols);
        if (row >= DataBoxes) lower.append({grid->takeAt(i), {row + 1, col, rows, cols}});
    }
    for (const auto& [item, at] : lower) grid->addItem(item, at[0], at[1], at[2], at[3]);
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    grid->addWidget(Line1, DataBoxes, 0, 1, grid->columnCount());

    auto empty = [this] {
        int n = 0;
        for (int i = 0; i < DataBoxes; ++i) n += isEmpty(inputs[i]);
        return n;
    };
    addCheck([empty] { return empty() >= 2; }, QStringLiteral("Enter data into all but 1 of the data boxes."));
    addCheck([empty] { return empty() == 0; }, QStringLiteral("You must leave 1 of the data boxes empty."));
    addCheck(
        [this] {
            for (int i = 0; i < DataBoxes; ++i)
                if (!isEmpty(inputs[i]) && Num::notAboveZero(inputs[i]->text())) return true;
            return false;
        },
        QStringLiteral("You must enter non-zero numbers. "));
    addCheck([this] { return Num::notAboveZero(Text6->text()); }, QStringLiteral("Enter a valid number for the ratio."));
    EquilibriumShape::finish(this);
}

void frmTitration::input_Change(int index) {
    // Any of the four data boxes enables Ok and Print; the ratio does not.
    if (index < DataBoxes) {
        cmdPrint->setEnabled(true);
        cmdOk->setEnabled(true);
    }
}

std::optional<CalculatorForm::Result> frmTitration::calculate() {
    const bool molality = opt2->isChecked();
    const QString t = molality ? QStringLiteral("molality") : QStringLiteral("molarity");
    const double r = number(Text6);
    const QString ratio = Num::text(r);
    const QString times = QStringLiteral(" * ");
    // Mb * Vb = r * Ma * Va, solved for the empty box.
    if (isEmpty(Text1) || isEmpty(Text2)) {
        const float mb = single(Text3), vb = single(Text4);
        QLineEdit* known = isEmpty(Text1) ? Text2 : Text1;
        const float k = single(known);
        m_caption = isEmpty(Text1) ? QStringLiteral("The %1 of the acid is ").arg(t)
                                   : QStringLiteral("The volume of the acid is ");
        const double v = Num::div(double(mb) * double(vb), r * double(k));
        return Result{v, QStringLiteral("(") + Num::text(mb) + times + Num::text(vb) + QStringLiteral(") / (") + ratio +
                             times + Num::text(k) + QStringLiteral(")")};
    }
    const float ma = single(Text1), va = single(Text2);
    QLineEdit* known = isEmpty(Text3) ? Text4 : Text3;
    const float k = single(known);
    m_caption = isEmpty(Text3) ? QStringLiteral("The %1 of the base is ").arg(t)
                               : QStringLiteral("The volume of the base is ");
    const double v = Num::div(Num::checked(r * double(ma) * double(va)), k);
    return Result{v, QStringLiteral("(") + ratio + times + Num::text(ma) + times + Num::text(va) +
                         QStringLiteral(") / ") + Num::text(k)};
}

void frmTitration::showResult(const Result& r) {
    CalculatorForm::showResult(r);
    setResultCaption(m_caption);
}

void frmTitration::cleared() {
    // Back to Molarity with the captions of the load.
    if (opt1->isChecked())
        option_Click(0);
    else
        opt1->setChecked(true);
}
