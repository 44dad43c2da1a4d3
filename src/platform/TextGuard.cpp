#include "TextGuard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>
#include <algorithm>

// The box's validator: QLineEdit asks it after a paste, a drop, a middle-button
// paste and an input method's commit, and undoes the change on Invalid
// (inputRejected follows). It only judges; the message comes afterwards.
class GuardValidator : public QValidator {
public:
    explicit GuardValidator(TextGuard* g) : QValidator(g), m_guard(g) {}
    State validate(QString& input, int& pos) const override {
        // setText leaves no step to undo: the program's own write, not held.
        if (!m_guard->box()->isUndoAvailable()) return Acceptable;
        const TextGuard::Verdict v = m_guard->judge(m_guard->m_shown, input, pos, m_guard->m_from, m_guard->m_to);
        m_guard->m_refused = v.refused;
        m_guard->m_tooLong = v.tooLong;
        if (!v.ok()) return Invalid;
        if (v.text != input) {
            input = v.text;
            pos = v.caret;
        }
        return Acceptable;
    }

private:
    TextGuard* m_guard;
};

namespace {

// What a screen reader sees of a guarded box and how it edits it: as Qt's
// own line edit, but text it sets or inserts passes the guard.
class GuardedLineAccessible : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
public:
    GuardedLineAccessible(QLineEdit* box, TextGuard* guard)
        : QAccessibleWidget(box, QAccessible::EditableText), m_guard(guard) {}

    QLineEdit* line() const { return static_cast<QLineEdit*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !line()->isReadOnly();
        s.readOnly = line()->isReadOnly();
        s.selectableText = true;
        s.focusable = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return line()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (m_guard && !line()->isReadOnly()) m_guard->offer(0, int(line()->text().size()), text);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Text interface
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !line()->hasSelectedText()) return;
        *start = line()->selectionStart();
        *end = line()->selectionEnd();
    }
    int selectionCount() const override { return line()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) line()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) line()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return line()->cursorPosition(); }
    void setCursorPosition(int position) override { line()->setCursorPosition(position); }
    QString text(int start, int end) const override { return line()->text().mid(start, end - start); }
    int characterCount() const override { return int(line()->text().size()); }
    QRect characterRect(int offset) const override {
        const QFontMetrics fm(line()->font());
        const QString shown = line()->displayText();
        const QRect area = line()->contentsRect();
        const int x = area.left() + 2 + fm.horizontalAdvance(shown.left(offset));
        const QRect r(x, area.top() + (area.height() - fm.height()) / 2, fm.horizontalAdvance(shown.mid(offset, 1)),
                      fm.height());
        return QRect(line()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return line()->cursorPositionAt(line()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        line()->setCursorPosition(end);
        line()->setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

    // Editable text interface
    void deleteText(int start, int end) override {
        if (m_guard) m_guard->offer(start, end, QString());
    }
    void insertText(int offset, const QString& text) override {
        if (m_guard) m_guard->offer(offset, offset, text);
    }
    void replaceText(int start, int end, const QString& text) override {
        if (m_guard) m_guard->offer(start, end, text);
    }

private:
    QPointer<TextGuard> m_guard;
};

QAccessibleInterface* guardedFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLineEdit") || !object) return nullptr;
    TextGuard* g = TextGuard::of(object);
    return g ? new GuardedLineAccessible(static_cast<QLineEdit*>(object), g) : nullptr;
}

}  // namespace

TextGuard::TextGuard(QLineEdit* box, Admits admits, Refuse refuse)
    : QObject(box), m_admits(std::move(admits)), m_refuse(std::move(refuse)), m_shown(box->text()) {
    static const bool installed = (QAccessible::installFactory(guardedFactory), true);
    Q_UNUSED(installed);
    box->setValidator(new GuardValidator(this));
    connect(box, &QLineEdit::inputRejected, this, &TextGuard::rejected);
    connect(box, &QLineEdit::textChanged, this, &TextGuard::shown);
    connect(box, &QLineEdit::cursorPositionChanged, this, &TextGuard::mark);
    connect(box, &QLineEdit::selectionChanged, this, &TextGuard::mark);
    mark();
    // An interface made before the guard (naming the box makes one) is Qt's own.
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
        i && !dynamic_cast<GuardedLineAccessible*>(i))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

TextGuard* TextGuard::of(const QObject* box) {
    return box ? box->findChild<TextGuard*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QLineEdit* TextGuard::box() const { return static_cast<QLineEdit*>(parent()); }

TextGuard::Verdict TextGuard::judge(const QString& before, const QString& after, int caret, int from,
                                    int to) const {
    const qsizetype nb = before.size(), na = after.size(), m = std::min(nb, na);
    qsizetype p = 0, s = 0;
    // Where the text went: in place of [from, to) of the text before, ending at the caret.
    const bool placed = from >= 0 && from <= to && to <= nb && caret >= from && caret <= na && na - caret == nb - to &&
                        QStringView(after).left(from) == QStringView(before).left(from) &&
                        QStringView(after).mid(caret) == QStringView(before).mid(to);
    if (placed) {
        p = from;
        s = nb - to;
    } else {
        while (p < m && before.at(p) == after.at(p)) ++p;
        while (s < m - p && before.at(nb - 1 - s) == after.at(na - 1 - s)) ++s;
    }
    QString arrived = after.mid(p, na - p - s);
    Verdict v;
    v.text = after;
    if (placed && arrived.size() > 1) {
        // A copied text brings blanks and line ends around it: not the student's.
        const QString trimmed = arrived.trimmed();
        if (trimmed.size() != arrived.size()) {
            v.text = after.left(p) + trimmed + after.right(s);
            arrived = trimmed;
        }
    }
    v.caret = int(p + arrived.size());
    for (const QChar c : std::as_const(arrived)) {
        if (!m_admits(c)) {
            v.refused = c;
            return v;
        }
    }
    if (m_limit > 0 && v.text.size() > m_limit && v.text.size() > nb) v.tooLong = true;
    return v;
}

bool TextGuard::offer(int start, int end, const QString& text) {
    QLineEdit* b = box();
    if (b->isReadOnly() || !b->isEnabled()) return false;
    const QString before = b->text();
    start = std::clamp(start, 0, int(before.size()));
    end = std::clamp(end, start, int(before.size()));
    QString after = before;
    after.replace(start, end - start, text);
    const Verdict v = judge(before, after, start + int(text.size()), start, end);
    if (!v.ok()) {
        tell(v.tooLong ? QChar() : v.refused);
        return false;
    }
    if (v.text == before) return true;
    b->setText(v.text);
    b->setCursorPosition(v.caret);
    return true;
}

void TextGuard::rejected() { tell(m_tooLong ? QChar() : m_refused); }

// The message waits until the event that brought the text has ended: no
// message box opens inside a paste, a drop or an input method's commit.
void TextGuard::tell(QChar refused) {
    QMetaObject::invokeMethod(
        this, [this, refused] { m_refuse(refused); }, Qt::QueuedConnection);
}

void TextGuard::shown(const QString& text) {
    m_shown = text;
    mark();
}

// Where the next text goes: in place of the selection, or at the caret.
void TextGuard::mark() {
    const QLineEdit* b = box();
    if (b->text() != m_shown) return;  // the caret moves with a change still being judged
    if (b->hasSelectedText()) {
        m_from = b->selectionStart();
        m_to = b->selectionEnd();
    } else {
        m_from = m_to = b->cursorPosition();
    }
}
