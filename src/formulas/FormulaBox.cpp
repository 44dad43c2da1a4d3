#include "FormulaBox.h"
#include "FormulaScan.h"

#include "platform/Forms.h"
#include "platform/NumberText.h"
#include "platform/TextGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <algorithm>

bool FormulaBox::admits(QChar c) {
    return c.unicode() < 128 && FormulaScan::isFormulaCharacter(char(c.unicode()));
}

QString FormulaBox::pasteRefusal(const QString& c) {
    return QStringLiteral("The character %1 cannot be part of a formula.").arg(c);
}

QString FormulaBox::pasteRefusal(QChar c) {
    const QString code = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    if (c == QLatin1Char(' ')) return QStringLiteral("A blank cannot be part of a formula.");
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) || c == QChar(0x2029))
        return QStringLiteral("A line end cannot be part of a formula.");
    if (c.isSpace()) return QStringLiteral("A blank (%1) cannot be part of a formula.").arg(code);
    if (!c.isPrint()) return pasteRefusal(code);
    return pasteRefusal(QString(c));
}

QString FormulaBox::tooLong() {
    return QStringLiteral("A formula can hold at most %1 characters.")
        .arg(Num::regional(QString::number(Limit), true));
}

FormulaBox::FormulaBox(QWidget* parent) : QTextEdit(parent) {
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
    connect(this, &QTextEdit::textChanged, this, &FormulaBox::textChange);
    // A text that arrives whole passes the box's own rule or leaves the box as it was.
    m_guard = new TextGuard(this, &FormulaBox::admits, [](QChar refused) {
        QApplication::beep();
        Form::say(refused.isNull() ? tooLong() : pasteRefusal(refused), Form::InformationStyle);
    });
    m_guard->setLimit(Limit);
}

void FormulaBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit submitted();  // the box holds one line
        return;
    }
    const QString t = e->text();
    if (t.size() == 1 && t.at(0).isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const bool full = toPlainText().size() >= Limit && !textCursor().hasSelection();
        if (!admits(t.at(0)) || full) {
            QApplication::beep();
            return;
        }
    }
    QTextEdit::keyPressEvent(e);
}

bool FormulaBox::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void FormulaBox::insertFromMimeData(const QMimeData* source) {
    // Plain text only, and only a whole formula: a pasted "CuSO4·5H2O" is not
    // weighed as CuSO45H2O. Blanks and line ends around it are copying's.
    if (!source->hasText()) return;
    const QTextCursor c = textCursor();
    m_guard->offer(c.selectionStart(), c.selectionEnd(), source->text());
}

void FormulaBox::setFormula(const QString& text) {
    m_programmatic = true;
    setPlainText(text);
    m_programmatic = false;
    format();
    m_accepted = toPlainText();
}

void FormulaBox::selectSpan(int position, int length) {
    const int n = int(toPlainText().size());
    QTextCursor c = textCursor();
    c.setPosition(std::min(position, n));
    c.setPosition(std::min(position + length, n), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void FormulaBox::textChange() {
    if (m_formatting || m_programmatic) return;
    // Keys and pastes are held before they reach the box; what gets here with
    // a character they refuse, or too long, came whole some other way.
    const QString plain = toPlainText();
    const auto refused = std::find_if(plain.cbegin(), plain.cend(), [](QChar c) { return !admits(c); });
    if (refused != plain.cend() || plain.size() > Limit) {
        refuseArrival(refused != plain.cend() ? *refused : QChar());
        return;
    }
    m_accepted = plain;
    format();
    emit edited();
}

void FormulaBox::refuseArrival(QChar refused) {
    const int caret = textCursor().position();
    m_formatting = true;
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.insertText(m_accepted);
    m_formatting = false;
    format();
    QTextCursor c = textCursor();
    c.setPosition(std::min(caret, int(m_accepted.size())));
    setTextCursor(c);
    QApplication::beep();
    const QString message = refused.isNull() ? tooLong() : pasteRefusal(refused);
    QMetaObject::invokeMethod(this, [message] { Form::say(message, Form::InformationStyle); }, Qt::QueuedConnection);
}

// Re-formats the whole box from its plain text: what the key rules refuse is
// taken out, the coefficient and hydrate counts stay on the line, other
// counts are lowered and the hydrate dot is raised. The text is written anew
// run by run in one edit (linear in its length); the caret and selection stay
// where they were.
void FormulaBox::format() {
    m_formatting = true;
    const QTextCursor caret = textCursor();
    int pos = caret.position();
    int anchor = caret.anchor();
    const QString plain = toPlainText();
    QString clean;
    clean.reserve(plain.size());
    for (int i = 0; i < plain.size(); ++i) {
        if (admits(plain.at(i))) {
            clean.append(plain.at(i));
        } else {
            if (i < caret.position()) --pos;
            if (i < caret.anchor()) --anchor;
        }
    }
    if (clean != plain) QApplication::beep();

    QTextDocument* doc = document();
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
    setTextCursor(restored);
    setCurrentCharFormat(typing);
    m_formatting = false;
}
