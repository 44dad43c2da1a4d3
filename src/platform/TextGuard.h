#pragma once
// Holds a one-line box to the characters its keys admit when text arrives
// whole: pasted (by keys, the context menu or the middle button), dropped,
// committed by an input method, or set through the accessibility interfaces.
// A one-line text pane (a QTextEdit kept to one line) is held on the
// accessibility route and on what its own paste hands to offer().
// A text with a refused character, or one longer than the box holds, is
// refused whole: the box keeps what it held and the refusal is told once the
// event that brought the text has ended. Blanks and line ends around a text
// of more than one character are taken off; nothing inside is. The program's
// own setText is not held.
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QTextEdit;

class TextGuard : public QObject {
    Q_OBJECT
public:
    using Admits = std::function<bool(QChar)>;
    // Tells the student why a text was refused: the first refused character,
    // or QChar() for a text longer than the box holds.
    using Refuse = std::function<void(QChar)>;

    TextGuard(QLineEdit* box, Admits admits, Refuse refuse);
    TextGuard(QTextEdit* box, Admits admits, Refuse refuse);
    // A guard that admits any character and refuses only a text longer than
    // the box holds, saying so.
    static TextGuard* lengthOnly(QLineEdit* box);
    // Makes a text pane read-only on every route, a screen reader's too; its
    // caret still moves, and keys and mouse select and copy.
    static void readOnlyPane(QTextEdit* pane);
    // The guard of a box; null when it has none.
    static TextGuard* of(const QObject* box);

    // The guarded line edit; null for a text pane.
    QLineEdit* box() const;
    bool admits(QChar c) const { return m_admits(c); }
    // The most characters the box holds; 0: as many as a line edit holds.
    static constexpr int DefaultLimit = 32767;
    void setLimit(int n) { m_limit = n; }
    int limit() const { return m_limit > 0 ? m_limit : DefaultLimit; }

    // Every one-line box's screen-reader interface: a read-only or disabled
    // box takes no text, a guarded one only what its guard takes.
    static void installAccessible();

    // A text arriving whole in place of [start, end) of the box's text, as a
    // screen reader gives it. Takes it in one change, or refuses it with the
    // message and leaves the box as it was.
    bool offer(int start, int end, const QString& text);

    // What arrives between `before` and `after`: the text that took the place
    // of [from, to) of `before` and ends at the caret, or where they differ
    // when that does not fit. Blanks and line ends around a text of more than
    // one character in a known place are left off. Empty `refused` and false
    // `tooLong`: the text may stand.
    struct Verdict {
        QString text;  // `after` with the arrived part trimmed
        int caret = 0;  // just after the arrived part
        QChar refused;
        bool tooLong = false;
        bool ok() const { return refused.isNull() && !tooLong; }
    };
    Verdict judge(const QString& before, const QString& after, int caret = -1, int from = -1, int to = -1) const;

private:
    friend class GuardValidator;
    QString held() const;
    void rejected();
    void shown(const QString& text);
    void mark();
    void tell(QChar refused);

    Admits m_admits;
    Refuse m_refuse;
    int m_limit = 0;
    QString m_shown;         // the box's text as last shown
    int m_from = 0;          // the selection or caret in it
    int m_to = 0;
    QChar m_refused;         // the last verdict's refusal
    bool m_tooLong = false;
};
