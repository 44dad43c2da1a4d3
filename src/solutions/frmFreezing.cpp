#include "frmFreezing.h"

#include "refdata/FixedColumnTable.h"

#include <QFontMetricsF>

namespace {
using Cell = FixedColumnTable::Cell;

CalculatorForm::Design freezing(frmFreezing& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Freezing Point / Boiling Point Changes");
    s.layout.fontFamily = QStringLiteral("Times New Roman");
    s.layout.pointSize = 9.75;
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the solvent's constant from the list above."),
              .promptName = BIND(w, Label2),
              .toolTip = QStringLiteral("Depression or elevation constant of the solvent, in °C·kg/mol.")},
        // The list shows freezing points below 0.
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the solvent's own F.P. or B.P. in Celsius"),
              .promptName = BIND(w, Label3),
              .toolTip = QStringLiteral("The freezing or boiling point of the pure solvent."),
              .keys = QStringLiteral(".-\b\r")},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Enter the molality in mol/kg"),
              .promptName = BIND(w, Label4),
              .toolTip = QStringLiteral("Of the solute; for an ionic solute, times the number of ions.")},
    };
    s.frameName = BIND(w, Frame1);
    s.options = {
        Option{.name = BIND(w, opt1), .caption = QStringLiteral("Freezing point")},
        Option{.name = BIND(w, opt2), .caption = QStringLiteral("Boiling point")},
    };
    s.layout.optionsInRow = true;
    s.answer.box = BIND(w, Text4);
    s.answer.caption = BIND(w, Label5);
    s.answer.captionText = QStringLiteral("The final temperature is ");
    s.answer.unit = BIND(w, Label1);
    s.answer.unitText = QStringLiteral("Celsius");
    s.answer.workLine = BIND(w, Text5);
    s.leaving.parent = QStringLiteral("frmSolutions");
    s.leaving.onLoad = {{.window = QStringLiteral("frmSolutions"), .action = Form::Action::Hide}};
    // Fixed once the load has filled the list: the widest stored name or number
    // widens the list and the window with it.
    s.layout.fixedBorder = false;
    // The solvent list, made by the window, takes its place after Ok there.
    s.layout.tabOrder = {QStringLiteral("Text1"),    QStringLiteral("Text2"),   QStringLiteral("Text3"),
                         QStringLiteral("cmdCancel"), QStringLiteral("cmdClear"), QStringLiteral("cmdOk"),
                         QStringLiteral("opt1"),     QStringLiteral("opt2"),    QStringLiteral("cmdPrint"),
                         QStringLiteral("cmdHelp")};
    s.messages.help = QStringLiteral(
        "The freezing point and the boiling point of a solution can be changed by adding a quantity of a solute to "
        "it. How much the freezing point and the boiling point change depends upon the solvent and the solute. The "
        "molality of the solute is one factor in determining the amount of change. The other factor is the "
        "freezing point depression or boiling point elevation constant of the solvent.  The constant times the "
        "molality gives the temperature change for a solute that stays whole; a solute that splits into ions "
        "changes it that many times more (1.00 m NaCl gives 2 ions: 1.86 x 2 x 1.00 = 3.72 degrees in water), so "
        "type its molality times the number of ions. ");
    return s;
}
}  // namespace

// Solvent, freezing point, its constant, boiling point, its constant.
QList<FixedColumnTable::Cell> frmFreezing::cells() {
    return {
        {.field = QStringLiteral("Compound"), .width = 12, .picture = Picture::zeros(13)},
        {.field = QStringLiteral("FreezingPoint"), .width = 6, .picture = Picture::Standard, .blanksBefore = 3},
        {.field = QStringLiteral("FPDepression"), .width = 5, .picture = Picture::Standard, .blanksBefore = 3},
        {.field = QStringLiteral("BoilingPoint"), .width = 5, .picture = Picture::Standard, .blanksBefore = 3},
        {.field = QStringLiteral("BPElevation"), .width = 8, .picture = Picture::Standard, .blanksBefore = 3},
    };
}
QList<FixedColumnTable::Title> frmFreezing::titles() {
    return {
        {.blanksBefore = 1, .text = QStringLiteral("Substance")},
        {.blanksBefore = 24, .text = QStringLiteral("F.P.")},
        {.blanksBefore = 11, .text = QStringLiteral("Depression")},
        {.blanksBefore = 9, .text = QStringLiteral("B.P.")},
        {.blanksBefore = 7, .text = QStringLiteral("Elevation")},
    };
}


frmFreezing::frmFreezing() : CalculatorForm(freezing(*this)) {
    // The solvent list with its heading at the top, the options under it.
    bind(BIND(*this, Label6), new QLabel(this));
    Label6->setTextFormat(Qt::PlainText);
    bind(BIND(*this, lstList1), new QListWidget(this));
    lstList1->setFont(FixedColumnTable::listFont());
    lstList1->setSelectionMode(QAbstractItemView::SingleSelection);
    lstList1->setAccessibleName(QStringLiteral("Solvents"));
    lstList1->setUniformItemSizes(true);  // one line each: no item is measured
    lstList1->setMinimumHeight(int(QFontMetricsF(lstList1->font()).lineSpacing() * 8));
    rowsTop->addWidget(Label6);
    rowsTop->addWidget(lstList1);
    orderTabs({cmdOk, lstList1, opt1});

    addCheck([this] { return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text3); },
             QStringLiteral("You must enter data into all three boxes."));
    // A starting temperature of 0 (or below) is a temperature like any other.
    addCheck([this] { return Num::notAboveZero(Text1->text()) || Num::notAboveZero(Text3->text()); },
             QStringLiteral("You must enter valid data into all boxes."));
}

void frmFreezing::Form_Load() {
    CalculatorForm::Form_Load();
    fillList();
    setFixedBorder();
}

void frmFreezing::fillList() {
    FixedColumnTable table(cells(), QStringLiteral("Temperatures"));
    lstList1->clear();
    try {
        table.read(QStringLiteral("SELECT *  FROM Temperatures"), false);
    } catch (const RuntimeFault& f) {
        // The calculator stays usable without its list.
        say(f.description(), InformationStyle);
    }
    // No stored value is cut: names and numbers widen their columns.
    m_widths = table.widths(true);
    for (const FixedColumnTable::Row& r : table.rows()) lstList1->addItem(table.line(r, m_widths));
    Label6->setText(table.heading(titles(), m_widths, lstList1->font(), Label6->font(),
                                  FixedColumnTable::textInset(lstList1, Label6)));
    FixedColumnTable::fitWidth(lstList1, Label6);
}

QStringList frmFreezing::lines() const {
    QStringList out;
    for (int i = 0; i < lstList1->count(); ++i) out.append(lstList1->item(i)->text());
    return out;
}

void frmFreezing::cleared() {
    lstList1->clearSelection();
    lstList1->setCurrentRow(-1);
}

std::optional<CalculatorForm::Result> frmFreezing::calculate() {
    const double k = number(Text1), t = number(Text2), m = number(Text3);
    const double change = Num::checked(k * m);
    const QString work = QStringLiteral(" (") + Num::text(k) + QStringLiteral(" * ") + Num::text(m) +
                         QStringLiteral(")");
    if (opt2->isChecked()) return Result{Num::checked(t + change), Num::text(t) + QStringLiteral(" +") + work};
    return Result{Num::checked(t - change), Num::text(t) + QStringLiteral(" -") + work};
}
