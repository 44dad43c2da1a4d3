#include "frmWeights.h"
#include "Module2.h"

#include "platform/NumberText.h"
#include "platform/PrintService.h"
#include "refdata/ReferenceDatabase.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
// One press of Ok on a formula: the texts of its weight, or the fault that
// refuses it and the message that says so.
struct Weighing {
    enum class Fault { None, Empty, TooShort, Table, Formula, Entry };
    Fault fault = Fault::None;
    QString message;
    FormulaScan::Result scan;
    QString weightText, moleText;
};

// Weighs the typed text with Module2's elements and groups; never
// throws. A fault of the tables is the table's message, a fault of the
// formula its own, any other fault a data entry error.
Weighing weighFormula(const QString& text) {
    Weighing w;
    using F = Weighing::Fault;
    if (text.isEmpty())
        return {.fault = F::Empty, .message = QStringLiteral("You must enter data into the Enter Formula box.")};
    if (text.size() < 2)
        return {.fault = F::TooShort, .message = QStringLiteral("Formula must be larger than 1 character.")};
    bool lookingUp = false;  // a fault while weighing is the tables'
    try {
        Module2::SetFormula(text);
        // Not the student's symbols: the table they are looked up in.
        if (!Module2::ElementTableFault.isEmpty())
            return {.fault = F::Table, .message = Module2::ElementTableMessage()};
        lookingUp = true;
        w.scan = Module2::Weigh(text);
        lookingUp = false;
        if (!w.scan.ok())
            return {.fault = F::Formula, .message = QString::fromStdString(w.scan.message()), .scan = w.scan};

        // One rounding of the decimal sum of the stored weights serves both boxes.
        const double W = Num::roundDecimal(w.scan.weight, 3);
        if (Module2::FormulaCoefficient.toULongLong() == 0) Module2::FormulaCoefficient = QStringLiteral("1");
        const double k = double(w.scan.coefficient);
        if (k <= 1) {
            w.weightText = Num::answer(W, 3);
            w.moleText = Num::text(W);
        } else {
            w.weightText = w.moleText = Num::text(Num::checked(W * k));
        }
        return w;
    } catch (const RuntimeFault& f) {
        if (lookingUp) return {.fault = F::Table, .message = f.description()};
        return {.fault = F::Entry, .message = QStringLiteral("Data entry error")};
    }
}

}  // namespace

frmWeights::frmWeights() {
    showManualOnF1();
    setWindowTitle(QStringLiteral("Molecular Weights"));
    auto label = [this](const char* name, const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    auto box = [this](const char* name, const QString& accessible) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QLatin1String(name));
        b->setReadOnly(true);
        b->setAccessibleName(accessible);
        return b;
    };

    lblWeights1 = label("lblWeights1", QStringLiteral("Enter a formula using correct form with capital/small letters."));
    RichTextBox1 = new FormulaBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setToolTip(QStringLiteral("Here is an example of an entry: 2Mn(NO3)2.10H2O"));
    RichTextBox1->setAccessibleName(lblWeights1->text());
    lblWeights1->setBuddy(RichTextBox1);

    lblWeights2 = label("lblWeights2", QStringLiteral("The weight is"));
    txtWeights2 = box("txtWeights2", lblWeights2->text());
    lblWeights2->setBuddy(txtWeights2);
    cmdHelp = makeButton(QStringLiteral("cmdHelp"), QStringLiteral("?"));
    cmdHelp->setToolTip(QStringLiteral("Press for help"));
    cmdHelp->setFixedWidth(32);

    Label1 = label("Label1", QStringLiteral("One mole of the substance weighs "));
    Text1 = box("Text1", Label1->text());
    Label1->setBuddy(Text1);
    Label2 = label("Label2", QStringLiteral("grams"));

    chk2 = new QCheckBox(QStringLiteral("Check for % Hydrate"), this);
    chk2->setObjectName(QStringLiteral("chk2"));
    txtHydrate = box("txtHydrate", QStringLiteral("Percent hydrate"));
    chk1 = new QCheckBox(QStringLiteral("Check if you want % composition (6 elements  maximum)"), this);
    chk1->setObjectName(QStringLiteral("chk1"));
    for (int i = 0; i < 6; ++i) {
        txtComposition[i] = new QLineEdit(this);
        txtComposition[i]->setObjectName(QStringLiteral("txtComposition_%1").arg(i));
        txtComposition[i]->setReadOnly(true);
        txtComposition[i]->setAccessibleName(QStringLiteral("Percent composition %1").arg(i + 1));
    }

    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdClear = makeButton(QStringLiteral("cmdClear"), QStringLiteral("Clear"));
    cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"));
    cmdOk = makeButton(QStringLiteral("cmdOk"), QStringLiteral("Ok"));

    auto* v = new QVBoxLayout(this);
    v->addWidget(lblWeights1);
    v->addWidget(RichTextBox1);
    auto* grid = new QGridLayout;
    grid->addWidget(lblWeights2, 0, 0);
    grid->addWidget(txtWeights2, 0, 1);
    grid->addWidget(cmdHelp, 0, 2, Qt::AlignRight);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Label2, 1, 2);
    v->addLayout(grid);
    auto* hyd = new QHBoxLayout;
    hyd->addWidget(chk2);
    hyd->addWidget(txtHydrate);
    hyd->addStretch(1);
    v->addLayout(hyd);
    v->addWidget(chk1);
    auto* comp = new QGridLayout;
    for (int i = 0; i < 6; ++i) comp->addWidget(txtComposition[i], i % 3, i / 3);
    v->addLayout(comp);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdCancel, cmdClear, cmdPrint, cmdOk}) buttons->addWidget(b);
    v->addLayout(buttons);
    setMinimumWidth(480);

    orderTabs({QStringLiteral("RichTextBox1"), QStringLiteral("cmdOk"), QStringLiteral("cmdClear"),
               QStringLiteral("cmdPrint"), QStringLiteral("cmdCancel"), QStringLiteral("chk2"), QStringLiteral("chk1"),
               QStringLiteral("cmdHelp")});

    setDefaultButton(cmdOk);
    cmdOk->setDefault(true);

    connect(cmdOk, &QPushButton::clicked, this, &frmWeights::cmdOk_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmWeights::cmdClear_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWeights::cmdPrint_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmWeights::cmdHelp_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmWeights::cmdCancel_Click);
    connect(chk1, &QCheckBox::toggled, this, &frmWeights::chk1_Click);
    connect(chk2, &QCheckBox::toggled, this, &frmWeights::chk2_Click);
    connect(RichTextBox1, &FormulaBox::edited, this, &frmWeights::RichTextBox1_Change);
    connect(RichTextBox1, &FormulaBox::submitted, this, &frmWeights::cmdOk_Click);
}

void frmWeights::setFormulaText(const QString& text) {
    RichTextBox1->setFormula(text);
    Module2::SetFormula(RichTextBox1->formula());
}

void frmWeights::reset() {
    setFormulaText(QString());
    clearAnswers();
    Module2::FormulaText.clear();
    Module2::FormulaCoefficient = QStringLiteral("0");
    chk1->setChecked(false);
    chk2->setChecked(false);
}

void frmWeights::Form_Load() {
    reset();
    try {
        Module2::FillElements();
        cmdPrint->setEnabled(false);
        cmdOk->setEnabled(false);
    } catch (const RuntimeFault&) {
        say(Module2::ElementTableMessage(), InformationStyle);
    }
    setFixedBorder();
    RichTextBox1->setFocus();
}

void frmWeights::RichTextBox1_Change() {
    Module2::SetFormula(RichTextBox1->formula());
    // A weight belongs to the formula it was weighed for: a change empties it
    // (a refused arrival that left the weighed formula in place does not).
    if (m_weighedText.isEmpty() || RichTextBox1->formula() != m_weighedText) clearAnswers();
    cmdOk->setEnabled(true);
    cmdPrint->setEnabled(true);
}

void frmWeights::cmdOk_Click() {
    using F = Weighing::Fault;
    const QString text = RichTextBox1->formula();
    const Weighing w = weighFormula(text);
    switch (w.fault) {
    case F::None:
        txtWeights2->setText(w.weightText);
        Text1->setText(w.moleText);
        m_weighed = w.scan;
        m_weighedText = text;
        showComposition();
        showHydrate();
        return;
    case F::TooShort:
        setFormulaText(QString());
        say(w.message, Style{});
        cmdClear_Click();
        return;
    case F::Empty:
    case F::Formula:
    case F::Entry:
        clearAnswers();
        say(w.message, Style{});
        break;
    case F::Table:
        clearAnswers();
        say(w.message, InformationStyle);
        break;
    }
    if (w.fault == F::Empty || w.fault == F::Formula) RichTextBox1->setFocus();
    if (w.fault == F::Formula) RichTextBox1->selectSpan(int(w.scan.position), int(w.scan.length));
}

// A failed weighing leaves no weight beside the formula it did not weigh.
void frmWeights::clearAnswers() {
    txtWeights2->clear();
    Text1->clear();
    for (QLineEdit* b : txtComposition) b->clear();
    txtHydrate->clear();
    m_weighed.reset();
    m_weighedText.clear();
}

// Mass percent of each of the first six elements, while chk1 is checked.
void frmWeights::showComposition() {
    const bool current = m_weighed && m_weighedText == RichTextBox1->toPlainText();
    for (int i = 0; i < 6; ++i) {
        QString t;
        if (chk1->isChecked() && current && m_weighed->weight > 0 && size_t(i) < m_weighed->elements.size()) {
            const FormulaScan::ElementShare& e = m_weighed->elements[size_t(i)];
            t = QStringLiteral("%1 %2%").arg(QString::fromStdString(e.symbol),
                                             Num::answer(e.mass() / m_weighed->weight * 100.0, 3));
        }
        if (chk1->isChecked() && !current) continue;  // keeps the last until Ok
        txtComposition[i]->setText(t);
    }
}

// Mass percent of the water of hydration, while chk2 is checked.
void frmWeights::showHydrate() {
    const bool current = m_weighed && m_weighedText == RichTextBox1->toPlainText();
    if (!chk2->isChecked()) {
        txtHydrate->clear();
        return;
    }
    if (!current || !(m_weighed->weight > 0)) return;
    if (!m_weighed->hasHydrate) {
        txtHydrate->setText(NoWater);
        return;
    }
    txtHydrate->setText(Num::answer(m_weighed->hydrateWeight / m_weighed->weight * 100.0, 3) + QLatin1Char('%'));
}

void frmWeights::chk1_Click() { showComposition(); }
void frmWeights::chk2_Click() { showHydrate(); }

void frmWeights::cmdClear_Click() {
    reset();
    RichTextBox1->setFocus();
}

void frmWeights::cmdPrint_Click() { Print::printWindow(this); }

void frmWeights::cmdHelp_Click() {
    say(QStringLiteral("The molecular weight, as the name implies, is the weight of the molecule. To determine "
                       "the weight of the molecule,  ")
            + QStringLiteral("you must add together the weights of all the atoms in that molecule. The first "
                             "step is to determine the ")
            + QStringLiteral("number of each kind of atom. That sometimes can be a little confusing. Once  you "
                             "have the total weight ")
            + QStringLiteral("of the molecule and the number of each type of atom, you can determine the "
                             "percentage composition ")
            + QStringLiteral("of the molecule. It will tell you what percent of the molecule is made up by "
                             "each type of atom. If the ")
            + QStringLiteral("molecule contains H2O, you can determine that as well. This is the percent "
                             "hydrate. It will tell you what ")
            + QStringLiteral("percent of the molecule is made up of H2O."),
        InformationStyle);
}

void frmWeights::cmdCancel_Click() {
    if (Form* m = Forms::show(QStringLiteral("frmMain"))) m->setEnabled(true);
    Forms::unload(this);
    Forms::show(QStringLiteral("frmWeightChoice"));
}
