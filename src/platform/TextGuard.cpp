#include "TextGuard.h"
#include "MessageBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLocale>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QPointer>
#include <QValidator>
#include <algorithm>
#include <limits>

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

// What a screen reader sees of a one-line box and how it edits it: as Qt's
// own line edit, but a read-only or disabled box takes nothing, text set or
// inserted in a guarded box passes its guard, and a text longer than any
// other box holds is refused whole, not cut.
class LineAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit LineAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QLineEdit* line() const { return static_cast<QLineEdit*>(widget()); }
    bool writable() const { return !line()->isReadOnly() && line()->isEnabled(); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = writable();
        s.readOnly = !writable();
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
        edit(0, int(line()->text().size()), text);
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
    void deleteText(int start, int end) override { edit(start, end, QString()); }
    void insertText(int offset, const QString& text) override { edit(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override { edit(start, end, text); }

private:
    void edit(int start, int end, const QString& text) {
        if (!writable()) return;
        if (TextGuard* g = TextGuard::of(line())) {
            g->offer(start, end, text);
            return;
        }
        // A box without a guard: whole or not at all, as its validator allows.
        QLineEdit* b = line();
        QString after = b->text();
        start = std::clamp(start, 0, int(after.size()));
        end = std::clamp(end, start, int(after.size()));
        after.replace(start, end - start, text);
        if (after.size() > b->maxLength()) return;
        int pos = start + int(text.size());
        if (const QValidator* v = b->validator(); v && v->validate(after, pos) != QValidator::Acceptable) return;
        b->setText(after);
        b->setCursorPosition(pos);
    }
};

// What a screen reader sees of a text pane: a read-only one (the help topic)
// gives its text to read, select and find, and no way to write in it; a
// guarded one-line pane (the formula box) takes what its guard takes.
class PaneAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit PaneAccessible(QTextEdit* pane) : QAccessibleWidget(pane, QAccessible::EditableText) {}

    QTextEdit* pane() const { return static_cast<QTextEdit*>(widget()); }
    QString plain() const { return pane()->document()->toPlainText(); }
    TextGuard* guard() const { return TextGuard::of(pane()); }
    bool writable() const { return guard() && !pane()->isReadOnly() && pane()->isEnabled(); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = !writable();
        s.editable = writable();
        s.selectableText = true;
        s.multiLine = !guard();
        s.focusable = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return plain();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) QAccessibleWidget::setText(t, text);
        else edit(0, characterCount(), text);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface && guard())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Editable text interface: one change, or none when the guard refuses.
    void deleteText(int start, int end) override { edit(start, end, QString()); }
    void insertText(int offset, const QString& text) override { edit(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override { edit(start, end, text); }
    void edit(int start, int end, const QString& text) {
        if (writable()) guard()->offer(start, end, text);
    }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor c = pane()->textCursor();
        *start = *end = 0;
        if (index != 0 || !c.hasSelection()) return;
        *start = c.selectionStart();
        *end = c.selectionEnd();
    }
    int selectionCount() const override { return pane()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index != 0) return;
        QTextCursor c = pane()->textCursor();
        c.clearSelection();
        pane()->setTextCursor(c);
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0) return;
        QTextCursor c = pane()->textCursor();
        c.setPosition(clamp(start));
        c.setPosition(clamp(end), QTextCursor::KeepAnchor);
        pane()->setTextCursor(c);
    }
    int cursorPosition() const override { return pane()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor c = pane()->textCursor();
        c.setPosition(clamp(position));
        pane()->setTextCursor(c);
    }
    QString text(int start, int end) const override { return plain().mid(start, end - start); }
    int characterCount() const override { return std::max(pane()->document()->characterCount() - 1, 0); }
    QRect characterRect(int offset) const override {
        QTextCursor c(pane()->document());
        c.setPosition(clamp(offset));
        const QRect r = pane()->cursorRect(c);
        return QRect(pane()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return pane()->cursorForPosition(pane()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override {
        setCursorPosition(start);
        pane()->ensureCursorVisible();
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

private:
    int clamp(int position) const { return std::clamp(position, 0, characterCount()); }
};

QAccessibleInterface* lineFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("QLineEdit")) return new LineAccessible(static_cast<QLineEdit*>(object));
    // A pane read-only from the start (a text browser too) stays so; Qt's own would insert in it.
    // A guarded pane takes only what its guard takes.
    auto* pane = qobject_cast<QTextEdit*>(object);
    if (pane && className == QLatin1String(object->metaObject()->className()) &&
        (pane->isReadOnly() || TextGuard::of(pane)))
        return new PaneAccessible(pane);
    return nullptr;
}

// Installs the factory and drops an interface Qt made for the box before it
// (or while a pane could be written in): Qt's own edits in two steps.
template <class Ours> void ownAccessible(QWidget* box) {
    TextGuard::installAccessible();
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box); i && !dynamic_cast<Ours*>(i))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

}  // namespace

TextGuard::TextGuard(QLineEdit* box, Admits admits, Refuse refuse)
    : QObject(box), m_admits(std::move(admits)), m_refuse(std::move(refuse)), m_shown(box->text()) {
    // The guard holds the length: the box's own limit would cut a text in silence.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setValidator(new GuardValidator(this));
    connect(box, &QLineEdit::inputRejected, this, &TextGuard::rejected);
    connect(box, &QLineEdit::textChanged, this, &TextGuard::shown);
    connect(box, &QLineEdit::cursorPositionChanged, this, &TextGuard::mark);
    connect(box, &QLineEdit::selectionChanged, this, &TextGuard::mark);
    mark();
    ownAccessible<LineAccessible>(box);
}

TextGuard::TextGuard(QTextEdit* box, Admits admits, Refuse refuse)
    : QObject(box), m_admits(std::move(admits)), m_refuse(std::move(refuse)) {
    ownAccessible<PaneAccessible>(box);
}

void TextGuard::installAccessible() {
    static const bool installed = (QAccessible::installFactory(lineFactory), true);
    Q_UNUSED(installed);
}

void TextGuard::readOnlyPane(QTextEdit* pane) {
    pane->setReadOnly(true);
    // Its text stays as it is, yet the caret moves with the arrow keys (a
    // screen reader reads by following it), Shift with them selects, and
    // Ctrl+C copies, by keys as by the mouse.
    pane->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    ownAccessible<PaneAccessible>(pane);
}

TextGuard* TextGuard::lengthOnly(QLineEdit* box) {
    return new TextGuard(box, [](QChar) { return true; }, [](QChar) {
        Msg::info(QStringLiteral("A box holds at most %1 characters.").arg(QLocale().toString(DefaultLimit)));
    });
}

TextGuard* TextGuard::of(const QObject* box) {
    return box ? box->findChild<TextGuard*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QLineEdit* TextGuard::box() const { return qobject_cast<QLineEdit*>(parent()); }

QString TextGuard::held() const {
    if (const QLineEdit* line = box()) return line->text();
    const auto* pane = qobject_cast<const QTextEdit*>(parent());
    return pane ? pane->toPlainText() : QString();
}

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
    if (v.text.size() > limit() && v.text.size() > nb) v.tooLong = true;
    return v;
}

bool TextGuard::offer(int start, int end, const QString& text) {
    auto* w = static_cast<QWidget*>(parent());
    auto* pane = qobject_cast<QTextEdit*>(w);
    if ((box() && box()->isReadOnly()) || (pane && pane->isReadOnly()) || !w->isEnabled()) return false;
    const QString before = held();
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
    if (QLineEdit* b = box()) {
        b->setText(v.text);
        b->setCursorPosition(v.caret);
        return true;
    }
    // One edit: the pane sees its text change once, from what it held to
    // what it takes, never the empty text between.
    QTextCursor c(pane->document());
    c.beginEditBlock();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.insertText(v.text.mid(start, v.caret - start));
    c.endEditBlock();
    QTextCursor caret = pane->textCursor();
    caret.setPosition(std::min(v.caret, int(pane->toPlainText().size())));
    pane->setTextCursor(caret);
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
