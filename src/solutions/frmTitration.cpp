#include "frmTitration.h"

#include "EquilibriumShape.h"

namespace {
const int DataBoxes = 4;
const QString MolarityResult = QStringLiteral("The molarity of the acid is ");

CalculatorForm::Design titration(frmTitration& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s = EquilibriumShape::design(QStringLiteral("Titration"));
    s.answer.format = CalculatorForm::Format::Fixed;
    const QString concentrationTip = QStringLiteral("Enter the molarity/molality.");
    const QString volumeTip = QStringLiteral("Both volumes in the same unit, mL or L.");
    // Enter runs Ok from the base's boxes and the ratio, not from the acid's.
    const QString noEnter = QStringLiteral(".\b");
    s.inputs = {
        Input{.name = BIND(w, Text1), .promptName = BIND(w, Label2), .toolTip = concentrationTip,
              .keys = noEnter, .enterSubmits = false},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the volume of the acid."),
              .promptName = BIND(w, Label3), .toolTip = volumeTip, .keys = noEnter, .enterSubmits = false},
        Input{.name = BIND(w, Text3), .promptName = BIND(w, Label4), .toolTip = concentrationTip},
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("Enter the volume of the base."),
              .promptName = BIND(w, Label5), .toolTip = volumeTip},
        Input{.name = BIND(w, Text6), .prompt = QStringLiteral("Moles of base per mole of acid."),
              .promptName = BIND(w, Label7),
              .toolTip = QStringLiteral("Enter a number that represents the moles of base for each mole of acid.")},
    };
    // Any of the four data boxes enables Ok and Print; the ratio does not.
    s.enablingInputs = {0, 1, 2, 3};
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Molarity"),
               .prompts = {QStringLiteral("Enter the molarity of the acid."), QString(),
                           QStringLiteral("Enter the molarity of the base.")},
               .result = MolarityResult},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Molality"),
               .prompts = {QStringLiteral("Enter the molality of the acid."), QString(),
                           QStringLiteral("Enter the molality of the base.")},
               .result = QStringLiteral("The molality of the acid is ")},
    };
    s.heading = QStringLiteral("Leave one of the first four boxes empty.");
    s.headingName = BIND(w, Label1);
    s.layout.optionsInRow = true;
    s.answer.box = BIND(w, Text5);
    s.answer.caption = BIND(w, Label6);
    s.layout.helpLeftOfResult = true;
    s.answer.workLine = BIND(w, Text7);
    s.messages.checkStyle = Form::InformationStyle;
    s.clearSelectsFirstOption = true;
    s.messages.trap = QStringLiteral("Data Entry Error.");
    s.layout.tabOrder = {QStringLiteral("Text1"),  QStringLiteral("Text2"),    QStringLiteral("Text3"),
                         QStringLiteral("Text4"),  QStringLiteral("Text6"),    QStringLiteral("cmdOk"),
                         QStringLiteral("cmdPrint"), QStringLiteral("cmdClear"), QStringLiteral("cmdCancel"),
                         QStringLiteral("opt1"),   QStringLiteral("opt2"),     QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "Titration is the procedure by which a solution of known concentration is used to determine the "
        "concentration of an unknown solution. The most common titrations are those between an acid and a base. This "
        "is referred to as neutralization. An indicator is used to help visualize the endpoint. ");
    return s;
}
}  // namespace

frmTitration::frmTitration() : CalculatorForm(titration(*this)) {
    // A rule between the four data boxes and the ratio: the ratio and the
    // result row move one row lower.
    struct Placed {
        QLayoutItem* item;
        int row, col, rows, cols;
    };
    QList<Placed> lower;
    for (int i = inputGrid->count() - 1; i >= 0; --i) {
        int row = 0, col = 0, rows = 0, cols = 0;
        inputGrid->getItemPosition(i, &row, &col, &rows, &cols);
        if (row >= DataBoxes) lower.append({inputGrid->takeAt(i), row, col, rows, cols});
    }
    for (const Placed& p : std::as_const(lower)) inputGrid->addItem(p.item, p.row + 1, p.col, p.rows, p.cols);
    bind(BIND(*this, Line1), new QFrame(this));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    inputGrid->addWidget(Line1, DataBoxes, 0, 1, inputGrid->columnCount());

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
}

std::optional<CalculatorForm::Result> frmTitration::calculate() {
    const bool molality = opt2->isChecked();
    const QString t = molality ? QStringLiteral("molality") : QStringLiteral("molarity");
    const double r = number(Text6);
    const QString ratio = Num::text(r);
    const QString times = QStringLiteral(" * ");
    // Mb * Vb = r * Ma * Va, solved for the empty box.
    if (isEmpty(Text1) || isEmpty(Text2)) {
        const double mb = number(Text3), vb = number(Text4);
        QLineEdit* known = isEmpty(Text1) ? Text2 : Text1;
        const double k = number(known);
        m_caption = isEmpty(Text1) ? QStringLiteral("The %1 of the acid is ").arg(t)
                                   : QStringLiteral("The volume of the acid is ");
        const double v = Num::div(Num::checked(mb * vb), Num::checked(r * k));
        return Result{v, QStringLiteral("(") + Num::text(mb) + times + Num::text(vb) + QStringLiteral(") / (") + ratio +
                             times + Num::text(k) + QStringLiteral(")")};
    }
    const double ma = number(Text1), va = number(Text2);
    QLineEdit* known = isEmpty(Text3) ? Text4 : Text3;
    const double k = number(known);
    m_caption = isEmpty(Text3) ? QStringLiteral("The %1 of the base is ").arg(t)
                               : QStringLiteral("The volume of the base is ");
    const double v = Num::div(Num::checked(r * ma * va), k);
    return Result{v, QStringLiteral("(") + ratio + times + Num::text(ma) + times + Num::text(va) +
                         QStringLiteral(") / ") + Num::text(k)};
}

void frmTitration::showResult(const Result& r) {
    CalculatorForm::showResult(r);
    setResultCaption(m_caption);
}

// After Molarity is selected again: its caption replaces the one of the
// quantity last computed, also when Molarity stayed selected.
void frmTitration::cleared() { setResultCaption(MolarityResult); }
