#include "CalculatorForm.h"
#include "NumericKeyFilter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

CalculatorForm::CalculatorForm(const Design& design, QWidget* parent)
    : AnswerForm(design.answer, design.messages, design.leaving, parent),
      m_design(design) {
    build();
}

namespace {
// A prompt's name: its own, or the box's with "Label".
Form::Bound<QLabel> promptOf(const Form::Bound<QLabel>& prompt, const QString& box) {
    return prompt.isEmpty() ? Form::Bound<QLabel>(box + QStringLiteral("Label")) : prompt;
}
}  // namespace

void CalculatorForm::build() {
    setWindowTitle(m_design.caption);
    setDesignFont(m_design.layout.fontFamily, m_design.layout.pointSize);
    auto* outer = new QVBoxLayout(this);
    rowsTop = new QVBoxLayout;
    outer->addLayout(rowsTop);
    buildOptions(outer);
    buildHeading(outer);
    rowsAbove = new QVBoxLayout;
    outer->addLayout(rowsAbove);
    inputGrid = new QGridLayout;
    buildAnswerRow(buildInputs());
    outer->addLayout(inputGrid);
    rowsBelow = new QVBoxLayout;
    outer->addLayout(rowsBelow);
    buildButtons(outer);
    buildWorkLine(outer);
    wireButtons();
    applyTabOrder();
    reserveCaptionWidths();
}

// The frame of options, each re-captioning the window when it is selected.
void CalculatorForm::buildOptions(QVBoxLayout* outer) {
    if (m_design.options.isEmpty()) return;
    frame = bind(m_design.frameName, new QGroupBox(m_design.frameCaption, this));
    if (!m_design.frameToolTip.isEmpty()) frame->setToolTip(m_design.frameToolTip);
    QBoxLayout* fl = m_design.layout.optionsInRow ? static_cast<QBoxLayout*>(new QHBoxLayout(frame))
                                                  : static_cast<QBoxLayout*>(new QVBoxLayout(frame));
    for (int i = 0; i < m_design.options.size(); ++i) {
        const Option& o = m_design.options.at(i);
        auto* r = bind(o.name, new QRadioButton(o.caption, frame));
        if (!o.toolTip.isEmpty()) r->setToolTip(o.toolTip);
        fl->addWidget(r);
        options.append(r);
        // A click, or a selection from code, of an option that was not selected.
        connect(r, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) option_Click(i);
        });
    }
    outer->addWidget(frame);
}

// The line of text above the inputs.
void CalculatorForm::buildHeading(QVBoxLayout* outer) {
    if (m_design.heading.isEmpty()) return;
    heading = bind(m_design.headingName, new QLabel(m_design.heading, this));
    outer->addWidget(heading);
}

// The prompts and boxes, and the constants between them, in the grid; gives
// the grid's next free row.
int CalculatorForm::buildInputs() {
    QGridLayout* grid = inputGrid;
    int row = 0;
    auto addConstants = [&](int before) {
        for (const Constant& c : std::as_const(m_design.constants)) {
            if (c.before != before) continue;
            auto* label = bind(promptOf(c.promptName, c.name), new QLabel(c.prompt, this));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            auto* box = bind(c.name, new QLineEdit(c.text, this));
            box->setReadOnly(true);
            box->setAccessibleName(c.prompt);
            label->setBuddy(box);
            if (c.enterSubmits) connect(box, &QLineEdit::returnPressed, this, [this] { cmdOk_Click(); });
            grid->addWidget(label, row, 0);
            grid->addWidget(box, row++, 1);
            constantBoxes.append(box);
        }
    };
    const int columns = std::max(1, m_design.layout.inputColumns);
    QHBoxLayout* shared = nullptr;  // a row of boxes side by side
    for (int i = 0; i < m_design.inputs.size(); ++i) {
        addConstants(i);
        const Input& in = m_design.inputs.at(i);
        auto* label = bind(promptOf(in.promptName, in.name), new QLabel(in.prompt, this));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = bind(in.name, new QLineEdit(this));
        if (!in.toolTip.isEmpty()) box->setToolTip(in.toolTip);
        box->setAccessibleName(in.prompt);
        label->setBuddy(box);
        auto* filter = NumericKeyFilter::attach(box, in.keys, m_design.messages.key,
                                                in.keyTitle.isEmpty() ? m_design.messages.keyStyle.title : in.keyTitle);
        // The filter holds the length: a box's own limit would cut a paste in silence.
        if (in.maxLength > 0) filter->setLimit(in.maxLength);
        if (in.enterSubmits) {
            // EnterKeySubmit: Enter runs Ok (also while it is disabled) and goes no
            // further, so a key set without Enter does not refuse it afterwards.
            filter->setEnterHandler([this] {
                cmdOk_Click();
                return true;
            });
        }
        connect(box, &QLineEdit::textChanged, this, [this, i] { input_Change(i); });
        answerFollows(box);
        inputs.append(box);
        prompts.append(label);
        if (columns > 1) {
            // Prompt and box pairs side by side, row by row.
            grid->addWidget(label, i / columns, (i % columns) * 2);
            grid->addWidget(box, i / columns, (i % columns) * 2 + 1);
            row = i / columns + 1;
            continue;
        }
        if (in.besidePrevious && shared) {
            // Boxes side by side are narrow.
            for (QLineEdit* b : {inputs.at(i - 1), box}) b->setMaximumWidth(b->sizeHint().width() / 2);
            shared->insertWidget(shared->count() - 1, label);
            shared->insertWidget(shared->count() - 1, box);
            continue;
        }
        grid->addWidget(label, row, 0);
        if (i + 1 < m_design.inputs.size() && m_design.inputs.at(i + 1).besidePrevious) {
            shared = new QHBoxLayout;
            shared->addWidget(box);
            shared->addStretch();
            grid->addLayout(shared, row, 1);
        } else {
            grid->addWidget(box, row, 1);
        }
        ++row;
    }
    addConstants(m_design.inputs.size());
    return row;
}

// The answer row in the grid at `row`: caption, answer box, unit and "?".
void CalculatorForm::buildAnswerRow(int row) {
    QGridLayout* grid = inputGrid;
    cmdHelp = makeHelpButton();
    if (m_design.layout.helpPointSize > 0) {
        QFont f = cmdHelp->font();
        f.setBold(true);
        f.setPointSizeF(m_design.layout.helpPointSize);
        cmdHelp->setFont(f);
    }
    const bool helpInButtonRow = m_design.layout.buttonOrder.contains(QStringLiteral("cmdHelp"));
    const int at = m_design.layout.resultColumn;
    const int span = m_design.layout.resultSpan;
    if (!m_design.answer.box.isEmpty()) {
        resultLabel = makeCaption(promptOf(m_design.answer.caption, m_design.answer.box), m_design.answer.captionText);
        answerBox = makeAnswerBox(m_design.answer.box, resultLabel, m_design.answer.captionText,
                                  m_design.answer.enabled, m_design.answer.enabled);
        if (!m_design.answer.toolTip.isEmpty()) answerBox->setToolTip(m_design.answer.toolTip);
        if (m_design.layout.helpLeftOfResult) {
            auto* left = new QHBoxLayout;
            left->addWidget(cmdHelp);
            left->addStretch();
            left->addWidget(resultLabel);
            grid->addLayout(left, row, at, 1, span);
        } else {
            grid->addWidget(resultLabel, row, at, 1, span);
        }
        grid->addWidget(answerBox, row, at + span, 1, span);
        if (!m_design.answer.unit.isEmpty()) {
            unitLabel = makeUnit(m_design.answer.unit, m_design.answer.unitText);
            grid->addWidget(unitLabel, row, at + 2 * span);
        }
        if (!m_design.layout.helpLeftOfResult && !helpInButtonRow) grid->addWidget(cmdHelp, row, at + 2 * span + 1);
    } else if (!helpInButtonRow) {
        grid->addWidget(cmdHelp, row, at + 3);
    }
}

// The row of buttons.
void CalculatorForm::buildButtons(QVBoxLayout* outer) {
    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdClear = makeButton(QStringLiteral("cmdClear"), QStringLiteral("Clear"));
    cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"));
    cmdOk = makeButton(QStringLiteral("cmdOk"), QStringLiteral("Ok"));
    buttonRow = new QHBoxLayout;
    if (m_design.layout.buttonOrder.isEmpty()) {
        for (QPushButton* b : {cmdCancel, cmdClear, cmdPrint, cmdOk}) buttonRow->addWidget(b);
    } else {
        for (const QString& name : m_design.layout.buttonOrder)
            if (auto* b = named<QPushButton>(name, "row of buttons")) buttonRow->addWidget(b);
    }
    outer->addLayout(buttonRow);
}

// The work line at the foot.
void CalculatorForm::buildWorkLine(QVBoxLayout* outer) {
    if (!m_design.answer.workLine.isEmpty()) {
        workLine = makeWorkLine(m_design.answer.workLine, 360);
        outer->addWidget(workLine);
    }
}

// The buttons' handlers, Enter and Escape.
void CalculatorForm::wireButtons() {
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connectButtons();
    showManualOnF1();

    setDefaultButton(cmdOk);
    if (m_design.escapeCancels) setCancelButton(cmdCancel);
}

void CalculatorForm::finishShape() {
    // After the window's own constructor, so what it added to the shape counts.
    if (m_design.layout.fixedBorder) setFixedBorder();
}

void CalculatorForm::reserveCaptionWidths() {
    // The window's size is fixed before the options caption the labels, so each
    // label keeps room for the longest caption any option gives it.
    auto reserve = [](QLabel* label, const QString& caption) {
        if (!label || caption.isNull()) return;
        const QString was = label->text();
        label->setText(caption);
        label->setMinimumWidth(std::max(label->minimumWidth(), label->sizeHint().width()));
        label->setText(was);
    };
    for (const Option& o : std::as_const(m_design.options)) {
        for (int i = 0; i < o.prompts.size() && i < prompts.size(); ++i) reserve(prompts.at(i), o.prompts.at(i));
        reserve(resultLabel, o.result);
        reserve(unitLabel, o.unit);
    }
}

void CalculatorForm::applyTabOrder() {
    QStringList names = m_design.layout.tabOrder;
    if (names.isEmpty()) {
        for (const Input& in : m_design.inputs) names << in.name;
        names << QStringLiteral("cmdOk") << QStringLiteral("cmdClear") << QStringLiteral("cmdCancel");
        if (!m_design.answer.box.isEmpty()) names << m_design.answer.box;
        if (!m_design.answer.workLine.isEmpty()) names << m_design.answer.workLine;
        names << QStringLiteral("cmdPrint") << QStringLiteral("cmdHelp");
        for (const Option& o : m_design.options) names << o.name;
    }
    orderTabs(names);
}

int CalculatorForm::option() const {
    for (int i = 0; i < options.size(); ++i)
        if (options.at(i)->isChecked()) return i;
    return -1;
}

void CalculatorForm::selectOption(int index) {
    if (index < 0 || index >= options.size()) return;
    options.at(index)->setChecked(true);  // runs option_Click when it was not selected
}

void CalculatorForm::Form_Load() {
    beginLoad(inputs);
    if (!options.isEmpty()) selectOption(m_design.loadOption);
    if (m_design.okStartsDisabled) {
        cmdPrint->setEnabled(false);
        cmdOk->setEnabled(false);
    }
    if (!inputs.isEmpty()) inputs.first()->setFocus();
}

void CalculatorForm::input_Change(int index) {
    if (m_design.enablingInputs.contains(index) || m_design.enablingInputs.contains(AnyInput)) {
        cmdPrint->setEnabled(true);
        cmdOk->setEnabled(true);
    }
}

void CalculatorForm::option_Click(int index) {
    const Option& o = m_design.options.at(index);
    for (int i = 0; i < o.prompts.size() && i < prompts.size(); ++i)
        if (!o.prompts.at(i).isNull()) setPrompt(i, o.prompts.at(i));
    if (!o.result.isNull()) setResultCaption(o.result);
    if (!o.unit.isNull() && unitLabel) unitLabel->setText(o.unit);
    for (int i = 0; i < inputs.size(); ++i) {
        const bool shown = !o.hidden.contains(i);
        inputs.at(i)->setVisible(shown);
        prompts.at(i)->setVisible(shown);
    }
    for (const int i : o.emptied) inputs.at(i)->clear();
    // An answer belongs to the option that computed it.
    emptyAnswer();
    if (o.focusInput && !inputs.isEmpty()) inputs.first()->setFocus();
}

void CalculatorForm::setPrompt(int input, const QString& text) {
    prompts.at(input)->setText(text);
    inputs.at(input)->setAccessibleName(text);
}

void CalculatorForm::setResultCaption(const QString& text) {
    if (!resultLabel) return;
    resultLabel->setText(text);
    answerBox->setAccessibleName(text);
}

void CalculatorForm::addCheck(std::function<bool()> fails, const QString& message, std::optional<Style> style,
                              std::function<void()> after) {
    m_checks.append(Check{std::move(fails), message, std::move(style), std::move(after)});
}

QStringList CalculatorForm::messageTexts() const {
    QStringList all = Form::messageTexts();
    auto add = [&all](const QString& t) {
        if (!t.isEmpty() && !all.contains(t)) all.append(t);
    };
    for (const Check& c : m_checks) add(c.message);
    add(m_design.messages.key);
    add(m_design.messages.trap);
    return all;
}

void CalculatorForm::cmdOk_Click() {
    // What Ok writes in the boxes (a tidied text, a 1 in a blank) keeps the answer it gives.
    const OwnWrite writing(this);
    try {
        prepare();
        for (const Check& c : std::as_const(m_checks)) {
            if (c.fails()) {
                say(c.message, c.style.value_or(m_design.messages.checkStyle));
                if (c.after) c.after();
                return;
            }
        }
        if (const std::optional<Result> r = calculate()) showResult(*r);
    } catch (const RuntimeFault& f) {
        trap(f);
    }
}

QString CalculatorForm::format(long double value) const {
    const double v = Num::checked(static_cast<double>(value));
    Format f = m_design.answer.format;
    const int i = option();
    if (i >= 0 && m_design.options.at(i).format) f = *m_design.options.at(i).format;
    switch (f) {
    case Format::Fixed:
        return Num::answer(v, m_design.answer.decimals, heldDigits());
    case Format::Scientific: return Num::scientific(v);
    case Format::Short: return Num::text(v, Num::ShortDigits);
    case Format::DefaultDouble: return Num::text(value);
    case Format::Integer: return Num::whole(v);
    }
    return Num::text(value);
}

void CalculatorForm::showResult(const Result& r) {
    // Everything that can fail comes before the first write.
    const QString answer = r.text ? *r.text : format(r.value);
    // Both read from their start when they are longer than the box.
    if (answerBox) {
        answerBox->setText(answer);
        answerBox->setCursorPosition(0);
    }
    if (workLine) {
        workLine->setText(r.work);
        workLine->setCursorPosition(0);
    }
}

void CalculatorForm::trap(const RuntimeFault& fault) { sayFault(fault); }

void CalculatorForm::cmdClear_Click() {
    for (QLineEdit* b : inputs) b->clear();
    emptyAnswer();
    if (m_design.clearSelectsFirstOption) selectOption(0);
    cleared();
    if (m_design.clearFocusesInput && !inputs.isEmpty()) inputs.first()->setFocus();
}
