#include "fmrMoles.h"
#include "platform/TextGuard.h"

#include "refdata/ReferenceDatabase.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
const QString ListError = QStringLiteral("List Selection Error");

CalculatorForm::Design moles(fmrMoles& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Mole Calculations - Elements Only");
    s.inputs = {
        Input{.name = BIND(w, txtMoles1), .prompt = QStringLiteral("Enter an amount"),
              .promptName = BIND(w, lblMoles1),
              .toolTip = QStringLiteral("Enter a number of grams, atoms or moles for elements only."),
              // Enter runs Ok, also while Ok is disabled.
              .keys = QStringLiteral(".E+\b\r")},
    };
    s.answer.box = BIND(w, txtMoles3);
    s.answer.caption = BIND(w, lblMoles4);
    s.answer.captionText = QStringLiteral("The result is");
    s.answer.toolTip = QStringLiteral("This is your final answer.");
    s.answer.unit = BIND(w, lblMoles5);
    s.answer.workLine = BIND(w, Text1);
    s.messages.checkStyle = {.title = QStringLiteral("Moles")};
    s.messages.trap = QStringLiteral("Data Entry Error");
    s.escapeCancels = false;
    s.leaving.parent = QStringLiteral("frmMoleChoice");
    s.messages.help = QStringLiteral(
        "A mole is a convenient unit of measurement in chemistry. It is equivalent to 1 gram molecular weight of "
        "that element. It is also equal to 6.02E23 atoms of that element. For example, 1 mole of carbon is equal to "
        "12.011 grams of carbon. 1 mole of carbon is also equal to 6.02E23 atoms of carbon. The three are equal to "
        "each other. 55.847 grams of iron is equal to 1 mole and equal to 6.02E23 atoms. 6.02E23 atoms of hydrogen "
        "is equal to 1.007 grams and equal to 1 mole. 1 dozen is equal to 12 no matter what you are talking about. "
        "The weight of that 12 depends upon what objects you have. The same is true with moles, their weight and "
        "6.02E23.");
    return s;
}

void unitOption(Form* form, QGroupBox* frame, const Form::Bound<QRadioButton>& name, const char* caption) {
    frame->layout()->addWidget(form->bind(name, new QRadioButton(QLatin1String(caption), frame)));
}

void unitFrame(Form* form, const Form::Bound<QGroupBox>& name, const char* caption, const char* tip) {
    auto* f = form->bind(name, new QGroupBox(QLatin1String(caption), form));
    f->setToolTip(QLatin1String(tip));
    new QVBoxLayout(f);
}

// Weights go in the box with "." as the decimal point, as the student types them.
QString weightText(const QVariant& stored) {
    double w = 0;
    // No atom weighs zero or less: such a weight is as good as none.
    if (!Picture::readsAsNumber(stored, &w) || !(w > 0)) return QString();
    return QString::number(w, 'g', 15);
}
}  // namespace

const FixedColumnLine fmrMoles::ElementLine({
    {.field = QStringLiteral("Symbol"), .width = 2, .picture = QStringLiteral("00")},
    {.field = QStringLiteral("ElementName"), .width = 12, .picture = Picture::zeros(12), .blanksBefore = 2},
});

fmrMoles::fmrMoles() : CalculatorForm(moles(*this)) {
    cmdOk->setToolTip(QStringLiteral("Press to calculate your answer."));
    cmdClear->setToolTip(QStringLiteral("Clear all entries to start over."));
    cmdCancel->setToolTip(QStringLiteral("Close this screen and return to the main screen."));

    unitFrame(this, BIND(*this, Frame1), "From", "Select a unit for the mass you entered.");
    unitOption(this, Frame1, BIND(*this, optMoles1), "Moles");
    unitOption(this, Frame1, BIND(*this, optMoles2), "Grams");
    unitOption(this, Frame1, BIND(*this, optMoles3), "Atoms");
    unitFrame(this, BIND(*this, Frame2), "To", "Select the unit you want to convert the mass to.");
    unitOption(this, Frame2, BIND(*this, optMoles4), "Moles");
    optMoles4->setToolTip(QStringLiteral("Select what unit you want to convert the mass to."));
    unitOption(this, Frame2, BIND(*this, optMoles5), "Grams");
    unitOption(this, Frame2, BIND(*this, optMoles6), "Atoms");

    bind(BIND(*this, lblMoles2), new QLabel(QStringLiteral("Select an element"), this));
    bind(BIND(*this, lstList1), new QListWidget(this));
    lstList1->setToolTip(QStringLiteral("Select an element whose weight you want to work with."));
    lstList1->setAccessibleName(lblMoles2->text());
    lstList1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstList1->setUniformItemSizes(true);
    lblMoles2->setBuddy(lstList1);
    const QFontMetrics fm(lstList1->font());
    lstList1->setMinimumWidth(fm.horizontalAdvance(QString(16, QLatin1Char('M'))) + 40);
    lstList1->setMinimumHeight(fm.lineSpacing() * 9);

    bind(BIND(*this, lblMoles3), new QLabel(QStringLiteral("At. Wt."), this));
    bind(BIND(*this, txtMoles2), new QLineEdit(this));
    txtMoles2->setToolTip(QStringLiteral("This is the atomic weight of the element you chose."));
    txtMoles2->setAccessibleName(lblMoles3->text());
    TextGuard::lengthOnly(txtMoles2);  // a weight typed over is never cut
    lblMoles3->setBuddy(txtMoles2);
    answerFollows(txtMoles2);

    // Amount and units at the left, the element list with its weight at the
    // right; the result row, the buttons and the work line below.
    QGridLayout* grid = inputGrid;
    for (QWidget* w : QList<QWidget*>{lblMoles1, txtMoles1, lblMoles4, txtMoles3, lblMoles5, cmdHelp})
        grid->removeWidget(w);

    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(lblMoles1);
    amountRow->addWidget(txtMoles1);
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame1);
    frames->addWidget(Frame2);
    auto* left = new QVBoxLayout;
    left->addLayout(amountRow);
    left->addLayout(frames);
    left->addStretch();
    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(lblMoles3);
    weightRow->addWidget(txtMoles2);
    auto* right = new QVBoxLayout;
    right->addWidget(lblMoles2);
    right->addWidget(lstList1);
    right->addLayout(weightRow);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right);
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(cmdHelp);
    resultRow->addStretch();
    resultRow->addWidget(lblMoles4);
    resultRow->addWidget(txtMoles3);
    resultRow->addWidget(lblMoles5);
    answerShownIn(lblMoles5);  // the answer's unit
    lblMoles5->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Grams")) + 8);
    // Room for a gram answer of fifteen digits.
    txtMoles3->setMinimumWidth(QFontMetrics(txtMoles3->font()).horizontalAdvance(QStringLiteral("1.23456789012345E+21")) + 12);
    rowsAbove->addLayout(top);
    rowsAbove->addLayout(resultRow);

    orderTabs({txtMoles1, optMoles1, optMoles2, optMoles3, optMoles4, optMoles5, optMoles6, lstList1,
                        txtMoles2, cmdOk,     cmdClear,  cmdPrint,  cmdCancel, cmdHelp,   txtMoles3, Text1});

    connect(optMoles1, &QRadioButton::toggled, this, [this](bool on) { if (on) optMoles1_Click(); });
    connect(optMoles2, &QRadioButton::toggled, this, [this](bool on) { if (on) optMoles2_Click(); });
    connect(optMoles3, &QRadioButton::toggled, this, [this](bool on) { if (on) optMoles3_Click(); });
    for (QRadioButton* r : toOptions())
        connect(r, &QRadioButton::toggled, this, [this](bool on) { if (on) optTo_Click(); });
    // A chosen (highlighted) line, not the line the focus rests on: tabbing
    // into the list chooses nothing.
    connect(lstList1, &QListWidget::itemSelectionChanged, this, [this] { lstList1_Click(); });
    // Clicking the chosen element again brings back its weight after typing over it.
    connect(lstList1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString w = weightText(item->data(Qt::UserRole));
        if (!w.isEmpty() && w != txtMoles2->text()) lstList1_Click();
    });

    addCheck([this] { return Num::notAboveZero(txtMoles1->text()); }, QStringLiteral("You must enter a value."));
    addCheck([this] { return !optMoles1->isChecked() && !optMoles2->isChecked() && !optMoles3->isChecked(); },
             QStringLiteral("You must make a selection in the From category."));
    addCheck([this] { return !optMoles4->isChecked() && !optMoles5->isChecked() && !optMoles6->isChecked(); },
             QStringLiteral("You must make a selection in the To category."));
    addCheck([this] { return chosenRow() < 0; }, QStringLiteral("You must select an element from the list."),
             Style{.icon = Msg::Icon::Information, .title = QStringLiteral("Moles")});
}

void fmrMoles::Form_Load() {
    CalculatorForm::Form_Load();
    for (QRadioButton* r : fromOptions() + toOptions()) r->setEnabled(false);
    // One read gives each entry its line and its weight, so the two never part.
    try {
        ReferenceDatabase::fullWalk(QStringLiteral("SELECT Symbol, ElementName, AtomicWeight FROM GeneralInfo"),
                                    [this](const Recordset& rs) {
                                        auto* item = new QListWidgetItem(
                                            ElementLine.line([&rs](const QString& f) { return rs.field(f); }));
                                        item->setData(Qt::UserRole, rs.field(QStringLiteral("AtomicWeight")));
                                        lstList1->addItem(item);
                                    });
    } catch (const RuntimeFault& f) {
        say(f.description(), InformationStyle);
    }
    Text1->clear();
}

void fmrMoles::lstList1_Click() {
    ListPosition = qint16(chosenRow());
    if (ListPosition < 0) return;  // the selection was removed
    emptyAnswer();                 // an answer belongs to the element it was worked for
    const QString w = weightText(lstList1->item(ListPosition)->data(Qt::UserRole));
    if (w.isEmpty()) {
        say(ListError, InformationStyle);
        return;
    }
    txtMoles2->setText(w);
}

int fmrMoles::chosenRow() const {
    const QList<QListWidgetItem*> chosen = lstList1->selectedItems();
    return chosen.isEmpty() ? -1 : lstList1->row(chosen.first());
}

void fmrMoles::fromClicked(QRadioButton* twin) {
    // The same unit cannot be the target: its To twin is cleared and greyed out.
    for (QRadioButton* r : toOptions()) r->setEnabled(r != twin);
    if (twin->isChecked()) {
        twin->setAutoExclusive(false);
        twin->setChecked(false);
        twin->setAutoExclusive(true);
    }
    emptyAnswer();
}

void fmrMoles::optMoles1_Click() { fromClicked(optMoles4); }
void fmrMoles::optMoles2_Click() { fromClicked(optMoles5); }
void fmrMoles::optMoles3_Click() { fromClicked(optMoles6); }
void fmrMoles::optTo_Click() { emptyAnswer(); }

void fmrMoles::input_Change(int index) {
    CalculatorForm::input_Change(index);
    for (QRadioButton* r : fromOptions() + toOptions()) r->setEnabled(true);
}

std::optional<CalculatorForm::Result> fmrMoles::calculate() {
    using MoleMath::Unit;
    const Unit from = optMoles1->isChecked() ? Unit::Moles : optMoles2->isChecked() ? Unit::Grams : Unit::Atoms;
    const Unit to = optMoles4->isChecked() ? Unit::Moles : optMoles5->isChecked() ? Unit::Grams : Unit::Atoms;
    const MoleMath::Conversion c = MoleMath::convert(from, to, txtMoles1->text(), txtMoles2->text());
    m_unit = c.unit;
    return Result{0, c.work, c.answer};
}

void fmrMoles::showResult(const Result& r) {
    CalculatorForm::showResult(r);
    lblMoles5->setText(m_unit);
}

void fmrMoles::cleared() {
    lstList1->setCurrentRow(-1);
    lstList1->clearSelection();
    txtMoles2->clear();
    for (QRadioButton* r : fromOptions() + toOptions()) r->setEnabled(true);
    lblMoles5->clear();
}
