#include "frmWeights.h"
#include "Module2.h"

#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/PrintService.h"
#include "refdata/ReferenceDatabase.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
const QString Title = QStringLiteral("Tessival");

bool admitted(QChar c) { return c.unicode() < 128 && FormulaScan::isFormulaCharacter(char(c.unicode())); }

}  // namespace

// ---- Formula box ---------------------------------------------------------

FormulaBox::FormulaBox(frmWeights* form) : QTextEdit(form), m_form(form) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont f = font();
    f.setPointSize(14);
    setFont(f);
    document()->setDefaultFont(f);
    setFixedHeight(fontMetrics().height() * 2 + 2 * frameWidth() + 8);
}

void FormulaBox::keyPressEvent(QKeyEvent* e) {
    if (m_form->RichTextBox1_KeyDown(e)) return;
    const QString t = e->text();
    if (t.size() == 1 && t.at(0).isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (m_form->RichTextBox1_KeyPress(t.at(0))) return;
    }
    QTextEdit::keyPressEvent(e);
}

bool FormulaBox::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void FormulaBox::insertFromMimeData(const QMimeData* source) {
    // Plain text only, and only a whole formula: a pasted "CuSO4·5H2O" is not
    // weighed as CuSO45H2O. Blanks and line ends around it are copying's.
    if (!source->hasText()) return;
    const QString text = source->text().trimmed();
    for (const QChar c : text) {
        if (!admitted(c)) {
            QApplication::beep();
            Msg::info(frmWeights::pasteRefusal(c), Title);
            return;
        }
    }
    const QTextCursor c = textCursor();
    if (toPlainText().size() - (c.selectionEnd() - c.selectionStart()) + text.size() > frmWeights::FormulaLimit) {
        QApplication::beep();
        Msg::info(frmWeights::tooLong(), Title);
        return;
    }
    textCursor().insertText(text);
}

// ---- Window ----------------------------------------------------------------

frmWeights::frmWeights() {
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
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
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
    cmdHelp = button("cmdHelp", QStringLiteral("?"));
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

    cmdCancel = button("cmdCancel", QStringLiteral("Cancel"));
    cmdClear = button("cmdClear", QStringLiteral("Clear"));
    cmdPrint = button("cmdPrint", QStringLiteral("Print"));
    cmdOk = button("cmdOk", QStringLiteral("Ok"));

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

    setTabOrder(RichTextBox1, cmdOk);
    setTabOrder(cmdOk, cmdClear);
    setTabOrder(cmdClear, cmdPrint);
    setTabOrder(cmdPrint, cmdCancel);
    setTabOrder(cmdCancel, chk2);
    setTabOrder(chk2, chk1);
    setTabOrder(chk1, cmdHelp);

    setDefaultButton(cmdOk);
    cmdOk->setDefault(true);

    connect(cmdOk, &QPushButton::clicked, this, &frmWeights::cmdOk_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmWeights::cmdClear_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWeights::cmdPrint_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmWeights::cmdHelp_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmWeights::cmdCancel_Click);
    connect(chk1, &QCheckBox::toggled, this, &frmWeights::chk1_Click);
    connect(chk2, &QCheckBox::toggled, this, &frmWeights::chk2_Click);
    for (const QString& m : {QStringLiteral("You must enter data into the Enter Formula box."),
                             QStringLiteral("Formula must be larger than 1 character."),
                             QStringLiteral("Data entry error")})
        addMessageText(m);
    // The weigher's refusals, their variable parts named as the manual names them.
    using F = FormulaScan::Fault;
    const struct {
        F fault;
        const char* subject;
        const char* inner;
    } refusals[] = {{F::NoElement, "", ""},       {F::UnknownSymbol, "<s>", ""},  {F::LowerCaseSymbol, "<s>", ""},
                    {F::UnknownGroup, "<g>", "<s>"}, {F::UnclosedGroup, "(<g>", ""}, {F::UnopenedGroup, "", ""},
                    {F::EmptyGroup, "", ""},      {F::StrayNumber, "<n>", ""},    {F::ZeroCount, "<n>", "<s>"},
                    {F::ZeroCount, "0", "."},     {F::NumberTooLarge, "<n>", ""}, {F::EmptyPart, "", ""},
                    {F::BadCharacter, "<c>", ""}, {F::TooLarge, "", ""}};
    for (const auto& r : refusals) {
        FormulaScan::Result form;
        form.fault = r.fault;
        form.subject = r.subject;
        form.inner = r.inner;
        addMessageText(QString::fromStdString(form.message()));
    }
    addMessageText(pasteRefusal(QStringLiteral("<c>")));
    addMessageText(tooLong());
    addMessageText(pasteRefusal(QChar(u' ')));
    addMessageText(pasteRefusal(QChar(u'\n')));
    addMessageText(Module2::ElementTableMessage(QStringLiteral("<reason>")));
    connect(RichTextBox1, &QTextEdit::textChanged, this, &frmWeights::RichTextBox1_Change);
}

QString frmWeights::pasteRefusal(const QString& c) {
    return QStringLiteral("The character %1 cannot be part of a formula.").arg(c);
}

QString frmWeights::pasteRefusal(QChar c) {
    const QString code = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    if (c == QLatin1Char(' ')) return QStringLiteral("A blank cannot be part of a formula.");
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) || c == QChar(0x2029))
        return QStringLiteral("A line end cannot be part of a formula.");
    if (c.isSpace()) return QStringLiteral("A blank (%1) cannot be part of a formula.").arg(code);
    if (!c.isPrint()) return pasteRefusal(code);
    return pasteRefusal(QString(c));
}

QString frmWeights::tooLong() {
    return QStringLiteral("A formula can hold at most %1 characters.")
        .arg(Num::regional(QString::number(FormulaLimit), true));
}

void frmWeights::setFormulaText(const QString& text) {
    m_programmatic = true;
    RichTextBox1->setPlainText(text);
    m_programmatic = false;
    formatFormula();
    m_accepted = RichTextBox1->toPlainText();
    Module2::SetFormula(RichTextBox1->toPlainText());
}

void frmWeights::Form_Load() {
    setFormulaText(QString());
    txtWeights2->clear();
    Text1->clear();
    for (QLineEdit* b : txtComposition) b->clear();
    txtHydrate->clear();
    Module2::FormulaText.clear();
    Module2::FormulaCoefficient = QStringLiteral("0");
    chk1->setChecked(false);
    chk2->setChecked(false);
    Module2::StackClear();
    try {
        Module2::FillElements();
        cmdPrint->setEnabled(false);
        cmdOk->setEnabled(false);
    } catch (const RuntimeFault&) {
        Msg::info(Module2::ElementTableMessage(), Title);
    }
    setFixedBorder();
    RichTextBox1->setFocus();
}

bool frmWeights::Form_KeyDown(QKeyEvent* e) {
    return Forms::HelpKey(e);
}

bool frmWeights::RichTextBox1_KeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        cmdOk_Click();  // EnterKeySubmit; the box holds one line
        return true;
    }
    return false;
}

bool frmWeights::RichTextBox1_KeyPress(QChar c) {
    const QTextCursor caret = RichTextBox1->textCursor();
    const bool full = RichTextBox1->toPlainText().size() >= FormulaLimit && !caret.hasSelection();
    if (admitted(c) && !full) return false;
    QApplication::beep();
    return true;
}

void frmWeights::RichTextBox1_Change() {
    if (m_formatting || m_programmatic) return;
    // Keys and pastes are held before they reach the box; what gets here with
    // a character they refuse, or too long, came whole some other way.
    const QString plain = RichTextBox1->toPlainText();
    const auto refused = std::find_if(plain.cbegin(), plain.cend(), [](QChar c) { return !admitted(c); });
    if (refused != plain.cend() || plain.size() > FormulaLimit) {
        refuseArrival(refused != plain.cend() ? *refused : QChar());
        return;
    }
    m_accepted = plain;
    formatFormula();
    Module2::SetFormula(RichTextBox1->toPlainText());
    // A weight belongs to the formula it was weighed for.
    if (RichTextBox1->toPlainText() != m_weighedText) clearAnswers();
    cmdOk->setEnabled(true);
    cmdPrint->setEnabled(true);
}

void frmWeights::refuseArrival(QChar refused) {
    const int caret = RichTextBox1->textCursor().position();
    m_formatting = true;
    QTextCursor all(RichTextBox1->document());
    all.select(QTextCursor::Document);
    all.insertText(m_accepted);
    m_formatting = false;
    formatFormula();
    QTextCursor c = RichTextBox1->textCursor();
    c.setPosition(std::min(caret, int(m_accepted.size())));
    RichTextBox1->setTextCursor(c);
    QApplication::beep();
    const QString message = refused.isNull() ? tooLong() : pasteRefusal(refused);
    QMetaObject::invokeMethod(this, [message] { Msg::info(message, Title); }, Qt::QueuedConnection);
}

// Re-formats the whole box from its plain text: what the key rules refuse is
// taken out, the coefficient and hydrate counts stay on the line, other
// counts are lowered and the hydrate dot is raised. The text is written anew
// run by run in one edit (linear in its length); the caret and selection stay
// where they were.
void frmWeights::formatFormula() {
    m_formatting = true;
    const QTextCursor caret = RichTextBox1->textCursor();
    int pos = caret.position();
    int anchor = caret.anchor();
    const QString plain = RichTextBox1->toPlainText();
    QString clean;
    clean.reserve(plain.size());
    for (int i = 0; i < plain.size(); ++i) {
        if (admitted(plain.at(i))) {
            clean.append(plain.at(i));
        } else {
            if (i < caret.position()) --pos;
            if (i < caret.anchor()) --anchor;
        }
    }
    if (clean != plain) QApplication::beep();

    QTextDocument* doc = RichTextBox1->document();
    const std::vector<FormulaScan::Offset> offsets = FormulaScan::mask(clean.toLatin1().toStdString());
    QTextCharFormat base;
    base.setFont(doc->defaultFont());
    QTextCursor c(doc);
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    const int n = int(offsets.size());
    for (int i = 0; i < n;) {
        int j = i;
        while (j < n && offsets[size_t(j)] == offsets[size_t(i)]) ++j;
        QTextCharFormat f = base;
        switch (offsets[size_t(i)]) {
        case FormulaScan::Offset::Baseline: f.setVerticalAlignment(QTextCharFormat::AlignNormal); break;
        case FormulaScan::Offset::Lowered: f.setVerticalAlignment(QTextCharFormat::AlignSubScript); break;
        case FormulaScan::Offset::Raised: f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); break;
        }
        c.insertText(clean.mid(i, j - i), f);
        i = j;
    }
    c.endEditBlock();

    const int len = int(clean.size());
    QTextCursor restored(doc);
    restored.setPosition(std::clamp(anchor, 0, len));
    restored.setPosition(std::clamp(pos, 0, len), QTextCursor::KeepAnchor);
    // New characters start on the line; the next re-format places them.
    QTextCharFormat typing = base;
    typing.setVerticalAlignment(QTextCharFormat::AlignNormal);
    RichTextBox1->setTextCursor(restored);
    RichTextBox1->setCurrentCharFormat(typing);
    m_formatting = false;
}

float frmWeights::Weight(const QString& group) {
    try {
        return float(Module2::FindGroup(group).value_or(0.0));
    } catch (const RuntimeFault& f) {
        Msg::info(f.description(), Title);
        return 0;
    }
}

void frmWeights::cmdOk_Click() {
    try {
        const QString text = RichTextBox1->toPlainText();
        const int n = int(text.size());
        Module2::StackClear();
        if (text.isEmpty()) {
            clearAnswers();
            Msg::plain(QStringLiteral("You must enter data into the Enter Formula box."), Title);
            RichTextBox1->setFocus();
            return;
        }
        if (n < 2) {
            setFormulaText(QString());
            Msg::plain(QStringLiteral("Formula must be larger than 1 character."), Title);
            cmdClear_Click();
            return;
        }
        Module2::SetFormula(text);
        if (!Module2::ElementTableFault.isEmpty()) {
            // Not the student's symbols: the table they are looked up in.
            clearAnswers();
            Msg::info(Module2::ElementTableMessage(), Title);
            return;
        }

        FormulaScan::Result r;
        try {
            r = Module2::Weigh(text);
        } catch (const RuntimeFault& f) {
            clearAnswers();
            Msg::info(f.description(), Title);
            return;
        }
        if (!r.ok()) {
            clearAnswers();
            Msg::plain(QString::fromStdString(r.message()), Title);
            RichTextBox1->setFocus();
            QTextCursor c = RichTextBox1->textCursor();
            c.setPosition(std::min<int>(int(r.position), n));
            c.setPosition(std::min<int>(int(r.position + r.length), n), QTextCursor::KeepAnchor);
            RichTextBox1->setTextCursor(c);
            return;
        }

        for (double t : r.terms) {
            Module2::StackInput = t;
            Module2::StackPush();
        }
        Module2::StackSum();
        // One rounding of the decimal sum of the stored weights serves both boxes.
        const double W = Num::roundDecimal(Module2::StackTotal, 3);

        const QString digits = Module2::FormulaCoefficient;
        if (digits.toULongLong() == 0) Module2::FormulaCoefficient = QStringLiteral("1");
        const double k = double(r.coefficient);
        QString weightText, moleText;
        if (k <= 1) {
            weightText = Num::answer(W, 3);
            moleText = Num::text(W);
        } else {
            weightText = moleText = Num::text(Num::checked(W * k));
        }
        txtWeights2->setText(weightText);
        Text1->setText(moleText);
        m_weighed = r;
        m_weighedText = text;
        showComposition();
        showHydrate();
        Module2::StackClear();
    } catch (const RuntimeFault&) {
        clearAnswers();
        Msg::plain(QStringLiteral("Data entry error"), Title);
    }
}

// A failed weighing leaves no weight beside the formula it did not weigh.
void frmWeights::clearAnswers() {
    txtWeights2->clear();
    Text1->clear();
    for (QLineEdit* b : txtComposition) b->clear();
    txtHydrate->clear();
    m_weighed.reset();
    m_weighedText.clear();
    Module2::StackClear();
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

// Mass percent of the part after the hydrate dot, while chk2 is checked.
void frmWeights::showHydrate() {
    const bool current = m_weighed && m_weighedText == RichTextBox1->toPlainText();
    if (!chk2->isChecked()) {
        txtHydrate->clear();
        return;
    }
    if (!current || !(m_weighed->weight > 0)) return;
    const double pct = m_weighed->hasHydrate ? m_weighed->hydrateWeight / m_weighed->weight * 100.0 : 0.0;
    txtHydrate->setText(Num::answer(pct, 3) + QLatin1Char('%'));
}

void frmWeights::chk1_Click() { showComposition(); }
void frmWeights::chk2_Click() { showHydrate(); }

void frmWeights::cmdClear_Click() {
    setFormulaText(QString());
    txtWeights2->clear();
    Text1->clear();
    for (QLineEdit* b : txtComposition) b->clear();
    txtHydrate->clear();
    Module2::FormulaText.clear();
    chk1->setChecked(false);
    chk2->setChecked(false);
    m_weighed.reset();
    m_weighedText.clear();
    Module2::StackClear();
    RichTextBox1->setFocus();
    Module2::FormulaCoefficient = QStringLiteral("0");
}

void frmWeights::cmdPrint_Click() { Print::printWindow(this); }

void frmWeights::cmdHelp_Click() {
    Msg::info(QStringLiteral("The molecular weight, as the name implies, is the weight of the molecule. To determine "
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
              Title);
}

void frmWeights::cmdCancel_Click() {
    if (Form* m = Forms::show(QStringLiteral("frmMain"))) m->setEnabled(true);
    Module2::StackClear();
    Forms::unload(this);
    Forms::show(QStringLiteral("frmWeightChoice"));
}
