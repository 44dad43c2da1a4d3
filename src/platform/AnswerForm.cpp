#include "AnswerForm.h"
#include "PrintService.h"

AnswerForm::AnswerForm(const Answer& answer, const Messages& messages, const Leaving& leaving, QWidget* parent)
    : Form(parent), m_answer(answer), m_messages(messages), m_leaving(leaving) {}

int AnswerForm::heldDigits() const {
    return m_answer.digits > 0 ? m_answer.digits : Num::DoubleDigits;
}

QLabel* AnswerForm::makeCaption(const Bound<QLabel>& name, const QString& text) {
    auto* l = bind(name, new QLabel(text, this));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLineEdit* AnswerForm::makeAnswerBox(const Bound<QLineEdit>& name, QLabel* caption, const QString& accessible,
                                     bool enabled, bool readOnly) {
    auto* e = bind(name, new QLineEdit(this));
    e->setEnabled(enabled);
    e->setReadOnly(readOnly);
    e->setAccessibleName(accessible);
    if (caption) caption->setBuddy(e);
    answerShownIn(e);
    return e;
}

QLabel* AnswerForm::makeUnit(const Bound<QLabel>& name, const QString& text) {
    return bind(name, new QLabel(text, this));
}

QLineEdit* AnswerForm::makeWorkLine(const Bound<QLineEdit>& name, int minimumWidth) {
    auto* e = makeAnswerBox(name, nullptr, QStringLiteral("Work line"));
    e->setMinimumWidth(minimumWidth);
    return e;
}

QPushButton* AnswerForm::makeHelpButton() {
    QPushButton* b = makeButton(QStringLiteral("cmdHelp"), QStringLiteral("?"));
    b->setToolTip(QStringLiteral("Press for help"));
    return b;
}

void AnswerForm::connectButtons() {
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    if (cmdPrint) connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void AnswerForm::cmdPrint_Click() { Print::printWindow(this); }

void AnswerForm::cmdHelp_Click() { say(m_messages.help, m_messages.helpStyle); }

void AnswerForm::cmdCancel_Click() { returnToParent(this, m_leaving.parent, m_leaving.unloadBeforeShow); }

void AnswerForm::sayFault(const RuntimeFault& fault) {
    say(m_messages.trap.isEmpty() ? fault.description() : m_messages.trap, m_messages.trapStyle);
}

void AnswerForm::beginLoad(const QList<QLineEdit*>& boxes) {
    for (const Step& s : m_leaving.onLoad) doStep(s, this);
    for (QLineEdit* b : boxes) b->clear();
    emptyAnswer();
}
