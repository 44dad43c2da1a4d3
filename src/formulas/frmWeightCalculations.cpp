#include "frmWeightCalculations.h"

#include <QHBoxLayout>

namespace {
const QString Molecules = QStringLiteral("The number of molecules is ");
const QString Grams = QStringLiteral("The number of grams is ");
const QString Moles = QStringLiteral("The number of moles is ");

CalculatorForm::Design makeDesign(frmWeightCalculations& w) {
    using Input = CalculatorForm::Input;
    using Option = CalculatorForm::Option;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Molecular Weight Calculations");
    const QString keys = QStringLiteral(".Ee\b\r");
    // Enter reaches Ok through the default button.
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Enter the molecular weight"),
              .promptName = BIND(w, Label1), .keys = keys, .enterSubmits = false},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Enter the quantity in question"),
              .promptName = BIND(w, Label2), .keys = keys, .enterSubmits = false},
    };
    s.frameName = BIND(w, Frame1);
    s.frameCaption = QStringLiteral("Select the unit for the quantity");
    s.options = {
        Option{.name = BIND(w, Option1), .caption = QStringLiteral("Molecules")},
        Option{.name = BIND(w, Option2), .caption = QStringLiteral("Grams")},
        Option{.name = BIND(w, Option3), .caption = QStringLiteral("Moles")},
    };
    s.layout.optionsInRow = true;
    s.answer.box = BIND(w, Text3);
    s.answer.caption = BIND(w, Label3);
    s.answer.captionText = Molecules;
    s.answer.workLine = BIND(w, Text4);
    s.answer.format = CalculatorForm::Format::Short;
    s.messages.checkStyle = Form::CriticalStyle;
    s.messages.trapStyle = Form::InformationStyle;
    s.messages.help = QStringLiteral(
                     "If you are given a quantity of a molecule in one unit, sometimes you need to have that quantity in ")
                 + QStringLiteral("another unit. For example, if you are given a quantity of a molecule in grams, you "
                                  "might want ")
                 + QStringLiteral("to know how many moles there are or how many molecules are involved. Enter the "
                                  "molecular ")
                 + QStringLiteral("weight of the molecule in question, enter the quantity, select what unit it is in "
                                  "and finally ")
                 + QStringLiteral("select what unit you want to convert it to. Press Ok and the new quantity is given. ");
    s.enablingInputs = {};
    s.okStartsDisabled = false;
    s.escapeCancels = true;
    s.clearSelectsFirstOption = true;
    s.leaving.parent = QStringLiteral("frmWeightChoice");
    s.leaving.unloadBeforeShow = true;
    return s;
}
}  // namespace

frmWeightCalculations::frmWeightCalculations() : CalculatorForm(makeDesign(*this)) {
    cmdPrint->setText(QStringLiteral("  Print"));

    // The desired unit, its options left to right as the first frame's.
    bind(BIND(*this, Frame2), new QGroupBox(QStringLiteral("Select the desired unit"), this));
    auto* h2 = new QHBoxLayout(Frame2);
    auto option = [this, h2](const Bound<QRadioButton>& name, const char* caption) {
        h2->addWidget(bind(name, new QRadioButton(QLatin1String(caption), Frame2)));
    };
    option(BIND(*this, Option4), "Molecules");
    option(BIND(*this, Option5), "Grams");
    option(BIND(*this, Option6), "Moles");
    rowsAbove->addWidget(Frame2);
    // On the change of state, however the option was selected.
    connect(Option4, &QRadioButton::toggled, this, [this](bool on) { if (on) Option4_Click(); });
    connect(Option5, &QRadioButton::toggled, this, [this](bool on) { if (on) Option5_Click(); });
    connect(Option6, &QRadioButton::toggled, this, [this](bool on) { if (on) Option6_Click(); });
    orderTabs({Option3, Option4, Option5, Option6});

    addCheck([this] { return isEmpty(Text1); }, QStringLiteral("You must enter a valid molecular weight."),
             std::nullopt, [this] { Text1->setFocus(); });
    addCheck([this] { return !(m_weight > 0); }, QStringLiteral("You must enter a valid molecular weight."),
             std::nullopt, [this] { Text1->setFocus(); });
    addCheck([this] { return isEmpty(Text2); }, QStringLiteral("You must enter a valid quantity."), std::nullopt,
             [this] { Text2->setFocus(); });
    addCheck([this] { return m_quantity < 0; }, QStringLiteral("You must enter a valid quantity."), std::nullopt,
             [this] { Text2->setFocus(); });
}

void frmWeightCalculations::Form_Load() {
    CalculatorForm::Form_Load();
    cleared();
}

void frmWeightCalculations::cleared() {
    // The first unit is selected again by the shape; the desired unit here.
    Option4->setChecked(true);
    setResultCaption(Molecules);
}

void frmWeightCalculations::Option4_Click() { showUnit(Molecules); }

void frmWeightCalculations::Option5_Click() { showUnit(Grams); }

void frmWeightCalculations::Option6_Click() { showUnit(Moles); }

// The result caption of the desired unit; the answer of another unit goes.
void frmWeightCalculations::showUnit(const QString& caption) {
    setResultCaption(caption);
    Text3->clear();
    Text4->clear();
}

void frmWeightCalculations::prepare() {
    // An empty box counts as 0.
    m_weight = isEmpty(Text1) ? 0.0 : number(Text1);
    m_quantity = isEmpty(Text2) ? 0.0 : number(Text2);
}

std::optional<CalculatorForm::Result> frmWeightCalculations::calculate() {
    const double q = m_quantity;
    const double w = m_weight;
    const QString qs = Num::text(m_quantity);
    const QString ws = Num::text(m_weight);
    const QString na = Num::text(Avogadro);
    const QString over = QStringLiteral(" / ");
    const QString times = QStringLiteral(" * ");

    enum Unit { Molecule, Gram, Mole };
    const Unit from = Option2->isChecked() ? Gram : Option3->isChecked() ? Mole : Molecule;
    const Unit to = Option5->isChecked() ? Gram : Option6->isChecked() ? Mole : Molecule;

    double value = m_quantity;
    QString work = qs;
    if (from == Molecule && to == Gram) {
        value = Num::checked(Num::div(q, Avogadro) * w);
        work = qs + over + na + times + ws;
    } else if (from == Molecule && to == Mole) {
        value = Num::div(q, Avogadro);
        work = qs + over + na;
    } else if (from == Gram && to == Mole) {
        value = Num::div(q, w);
        work = qs + over + ws;
    } else if (from == Gram && to == Molecule) {
        value = Num::checked(Num::div(q, w) * Avogadro);
        work = qs + over + ws + times + na;
    } else if (from == Mole && to == Gram) {
        value = Num::checked(q * w);
        work = qs + times + ws;
    } else if (from == Mole && to == Molecule) {
        value = Num::checked(q * Avogadro);
        work = qs + times + na;
    }
    Result r;
    r.value = value;
    r.work = work;
    return r;
}
