#include "frmMetrics.h"
#include "UnitConversions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
using MetricPrefix::Positions;

CalculatorForm::Design metrics(frmMetrics& w) {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Metric Conversion");
    s.layout.fontFamily = QStringLiteral("Times New Roman");
    s.layout.pointSize = 9.75;
    s.inputs = {CalculatorForm::Input{.name = BIND(w, txtMetric1),
                                      .prompt = QStringLiteral("Enter a value"),
                                      .promptName = BIND(w, lblMetric1),
                                      .toolTip = QStringLiteral("Enter a valid, positive number."),
                                      .keys = QStringLiteral(".E+\b"),
                                      .enterSubmits = false}};
    s.frameCaption = QStringLiteral("Select one of the following options");
    s.frameName = BIND(w, Frame1);
    s.layout.optionsInRow = true;
    // Mass, distance, volume.
    const Form::Bound<QRadioButton> categories[] = {BIND(w, Option1), BIND(w, Option2), BIND(w, Option3)};
    for (int c = 0; c < 3; ++c)
        s.options.append(CalculatorForm::Option{.name = categories[c],
                                                .caption = MetricPrefix::categoryName(MetricPrefix::Category(c))});
    s.answer.box = BIND(w, txtMetric2);
    s.answer.caption = BIND(w, lblMetric2);
    s.answer.captionText = QStringLiteral("New Value");
    s.answer.workLine = BIND(w, Text1);
    s.answer.format = CalculatorForm::Format::DefaultDouble;
    s.messages.trap = QStringLiteral("Data entry error");
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.leaving.onLoad = {{.window = QStringLiteral("frmGeneralChoice"), .action = Form::Action::Unload},
                        {.window = QStringLiteral("frmSplash"), .action = Form::Action::Unload}};
    // Fixed once the load has captioned the unit options, which have no
    // caption before.
    s.layout.fixedBorder = false;
    s.messages.help = QStringLiteral(
        "All measurements in chemistry must be in metrics. Metric conversions deal with multiplication and division "
        "by 10 or powers of 10. To convert a measurement from one unit to another, you must determine whether to "
        "multiply or divide and by what power of 10. ");
    return s;
}

// A frame inside a frame, holding six unit options in two columns of three.
QGroupBox* unitFrame(Form* form, const QString& caption, const Form::Bound<QGroupBox>& innerName,
                     QList<QRadioButton*>* units, int first) {
    auto* outer = new QGroupBox(caption, form);
    auto* ol = new QVBoxLayout(outer);
    auto* inner = form->bind(innerName, new QGroupBox(outer));
    ol->addWidget(inner);
    auto* grid = new QGridLayout(inner);
    for (int p = 0; p < Positions; ++p) {
        auto* r = new QRadioButton(inner);
        r->setObjectName(QStringLiteral("optDistance%1").arg(first + p));
        grid->addWidget(r, p % 3, p / 3);
        units->append(r);
    }
    return outer;
}
}  // namespace

frmMetrics::frmMetrics() : CalculatorForm(metrics(*this)) {
    optDistance.append(nullptr);
    bind(BIND(*this, frmFrom), unitFrame(this, QStringLiteral("From"), BIND(*this, frmDistance1), &optDistance, 1));
    bind(BIND(*this, frmTo),
         unitFrame(this, QStringLiteral("To"), BIND(*this, frmDistance2), &optDistance, Positions + 1));
    auto* units = new QHBoxLayout;
    units->addWidget(frmFrom);
    units->addWidget(frmTo);
    // Below the value and answer rows, above the buttons.
    rowsBelow->addLayout(units);
    for (int p = 1; p <= Positions; ++p) {
        connect(optDistance[p], &QRadioButton::toggled, this, [this, p](bool on) {
            if (on) optDistance_Click(p);
        });
        connect(optDistance[p + Positions], &QRadioButton::toggled, this, [this](bool on) {
            if (on) optTo_Click();
        });
    }
    QStringList order{QStringLiteral("txtMetric1")};
    for (int i = 1; i <= 2 * Positions; ++i) order << QStringLiteral("optDistance%1").arg(i);
    order << QStringLiteral("cmdOk") << QStringLiteral("cmdClear") << QStringLiteral("cmdCancel")
          << QStringLiteral("Option1") << QStringLiteral("Option2") << QStringLiteral("Option3")
          << QStringLiteral("cmdPrint") << QStringLiteral("cmdHelp");
    orderTabs(order);

    addCheck([this] { return Num::notAboveZero(txtMetric1->text()); }, QStringLiteral("You must enter valid data into the Enter box."));
    addCheck([this] { return option() < 0; }, QStringLiteral("You must select a metric category."), InformationStyle);
    addCheck([this] { return fromUnit() == 0; }, QStringLiteral("You must select a 'From' unit."), InformationStyle);
    addCheck([this] { return toUnit() == 0; }, QStringLiteral("You must select a 'To' unit."), InformationStyle);
}

int frmMetrics::fromUnit() const {
    for (int p = 1; p <= Positions; ++p)
        if (optDistance[p]->isChecked()) return p;
    return 0;
}

int frmMetrics::toUnit() const {
    for (int p = 1; p <= Positions; ++p)
        if (optDistance[p + Positions]->isChecked()) return p;
    return 0;
}

void frmMetrics::Form_Load() {
    CalculatorForm::Form_Load();
    for (int p = 1; p <= Positions; ++p) optDistance[p + Positions]->setEnabled(p != 1);
    setFixedBorder();
}

void frmMetrics::option_Click(int index) {
    CalculatorForm::option_Click(index);
    const auto c = MetricPrefix::Category(index);
    for (int p = 1; p <= Positions; ++p) {
        optDistance[p]->setText(MetricPrefix::unitName(c, p));
        optDistance[p + Positions]->setText(MetricPrefix::unitName(c, p));
    }
    frmDistance1->setTitle(MetricPrefix::categoryName(c));
    frmDistance2->setTitle(MetricPrefix::categoryName(c));
}

// An answer belongs to the units it was converted between.
void frmMetrics::emptyAnswer() {
    txtMetric2->clear();
    Text1->clear();
}

void frmMetrics::optTo_Click() { emptyAnswer(); }

void frmMetrics::optDistance_Click(int position) {
    emptyAnswer();
    for (int p = 1; p <= Positions; ++p) {
        QRadioButton* to = optDistance[p + Positions];
        to->setEnabled(p != position);
        if (p == position && to->isChecked()) {
            // A To unit that cannot be chosen is not left chosen.
            to->setAutoExclusive(false);
            to->setChecked(false);
            to->setAutoExclusive(true);
        }
    }
}

std::optional<CalculatorForm::Result> frmMetrics::calculate() {
    const int from = fromUnit(), to = toUnit();
    const long double x = extended(txtMetric1);
    return Result{MetricPrefix::convert(x, from, to),
                  txtMetric1->text() + MetricPrefix::workSuffix(MetricPrefix::Category(option()), from, to)};
}
