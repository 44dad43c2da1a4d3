#include "ConversionForm.h"
#include "NumericKeyFilter.h"
#include "TextGuard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

ConversionForm::ConversionForm(const Design& design, QWidget* parent)
    : AnswerForm(design.answer, design.messages, design.leaving, parent),
      m_design(design) {
    build();
}

void ConversionForm::build() {
    const Design& d = m_design;
    setWindowTitle(d.caption);
    setDesignFont(d.layout.fontFamily, d.layout.pointSize);
    if (d.layout.controlBox) setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(this);

    // The box with its prompt, and the direction options beside it.
    auto* top = new QHBoxLayout;
    prompt = bind(d.promptName, new QLabel(d.prompt, this));
    prompt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    input = bind(d.inputName, new QLineEdit(this));
    input->setAccessibleName(d.prompt);
    prompt->setBuddy(input);
    if (d.keyFilter) {
        NumericKeyFilter::attach(input, d.keys, d.messages.key, d.messages.keyStyle.title);
    } else {
        TextGuard::lengthOnly(input);  // any character, but never a text cut to the box's length
    }
    top->addWidget(prompt);
    top->addWidget(input);
    for (const Direction& c : d.directions) {
        auto* r = bind(c.name, new QRadioButton(c.caption, this));
        top->addWidget(r);
        directions.append(r);
        // An answer belongs to the direction that converted it.
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) emptyAnswer();
        });
    }
    outer->addLayout(top);

    auto* grid = new QGridLayout;
    for (int i = 0; i < d.buttons.size(); ++i) {
        QPushButton* b = bind(d.buttons.at(i).name, makeButton(QString(), d.buttons.at(i).caption));
        grid->addWidget(b, i / d.layout.columns, i % d.layout.columns);
        connect(b, &QPushButton::clicked, this, [this, i] { convert_Click(i); });
        buttons.append(b);
    }
    outer->addLayout(grid);

    const Answer& a = d.answer;
    if (!a.caption.isEmpty()) resultLabel = makeCaption(a.caption, a.captionText);
    answerBox = makeAnswerBox(a.box, resultLabel, a.captionText.isEmpty() ? QStringLiteral("Answer") : a.captionText,
                              a.enabled, true);
    if (!a.toolTip.isEmpty()) answerBox->setToolTip(a.toolTip);
    if (!a.unit.isEmpty()) unitLabel = makeUnit(a.unit, a.unitText);
    cmdHelp = makeHelpButton();
    cmdCancel = bind(d.cancelName, makeButton(QString(), d.cancelCaption));
    cmdClear = makeButton(QStringLiteral("cmdClear"), QStringLiteral("Clear"));
    if (d.print) cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"));

    auto* answerRow = new QHBoxLayout;
    auto* bottom = new QHBoxLayout;
    QList<QWidget*> row{resultLabel, answerBox, unitLabel, cmdHelp};
    QList<QWidget*> foot{cmdCancel, cmdClear, cmdPrint};
    for (QWidget* w : row + foot) {
        if (!w) continue;
        if (d.layout.buttonOrder.contains(w->objectName())) continue;
        (row.contains(w) ? answerRow : bottom)->addWidget(w);
    }
    for (const QString& n : d.layout.buttonOrder)
        if (auto* w = named(n, "foot row")) bottom->addWidget(w);
    if (!answerRow->isEmpty()) outer->addLayout(answerRow);
    else delete answerRow;
    outer->addLayout(bottom);

    if (!a.workLine.isEmpty()) {
        workLine = makeWorkLine(a.workLine, 300);
        outer->addWidget(workLine);
    }

    connect(input, &QLineEdit::textChanged, this, [this] {
        if (cmdPrint) cmdPrint->setEnabled(true);
    });
    answerFollows(input);
    answerShownIn(unitLabel);
    connectButtons();
    showManualOnF1();

    if (!d.defaultButton.isEmpty()) setDefaultButton(named<QPushButton>(d.defaultButton, "default button"));
    // Without a default button Enter presses no button, not even a focused one.
    else setEnterPressesFocusedButton(false);
    setCancelButton(cmdCancel);

    QStringList order = d.layout.tabOrder;
    if (order.isEmpty()) {
        order << d.inputName;
        for (const Direction& c : d.directions) order << c.name;
        for (const Button& c : d.buttons) order << c.name;
        order << d.layout.buttonOrder << QStringLiteral("cmdHelp");
    }
    orderTabs(order);
    setFixedBorder();
}

int ConversionForm::direction() const {
    for (int i = 0; i < directions.size(); ++i)
        if (directions.at(i)->isChecked()) return i;
    return -1;
}

void ConversionForm::Form_Load() {
    beginLoad({input});
    if (!directions.isEmpty()) directions.first()->setChecked(true);
    if (cmdPrint) cmdPrint->setEnabled(false);
    input->setFocus();
}

void ConversionForm::convert_Click(int index) {
    if (input->text().isEmpty()) {
        say(m_design.messages.empty, m_design.messages.emptyStyle);
        return;
    }
    const OwnWrite writing(this);
    try {
        const std::optional<Result> r = convert(index, input->text());
        if (!r) return;
        // Everything that can fail comes before the first write.
        const QString answer = Num::answer(r->value, r->decimals < 0 ? m_design.answer.decimals : r->decimals,
                                           r->digits > 0 ? r->digits : heldDigits());
        answerBox->setText(answer);
        if (unitLabel) unitLabel->setText(r->unit);
        if (workLine) workLine->setText(r->work);
    } catch (const RuntimeFault& f) {
        sayFault(f);
    }
}

void ConversionForm::cmdClear_Click() {
    input->clear();
    if (m_design.clearFocusesInput) input->setFocus();
    emptyAnswer();
    if (!directions.isEmpty()) directions.first()->setChecked(true);
}

QStringList ConversionForm::messageTexts() const {
    QStringList all = Form::messageTexts();
    const Messages& m = m_design.messages;
    for (const QString& t : {m.empty, m.trap, m_design.keyFilter ? m.key : QString()})
        if (!t.isEmpty() && !all.contains(t)) all.append(t);
    return all;
}
