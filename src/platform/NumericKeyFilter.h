#pragma once
// Key filter of a numeric input box: digits always pass; each box admits its
// own subset of ".", "E", "e", "+", "-", Backspace and Enter. Any other
// character is dropped after a message. Editing and navigation keys pass.
// Text that arrives whole (pasted, dropped, committed, set by a screen reader)
// is held to the same characters: one it refuses, and the whole text is
// refused with the same message.
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class TextGuard;

class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    // `allowed` lists the admitted signs; "\b" stands for Backspace, "\r" for Enter.
    NumericKeyFilter(QLineEdit* box, const QString& allowed,
                     const QString& message = QStringLiteral("You must enter a valid numerical expression"),
                     const QString& title = QStringLiteral("Tessival"));
    static NumericKeyFilter* attach(QLineEdit* box, const QString& allowed,
                                    const QString& message = QStringLiteral("You must enter a valid numerical expression"),
                                    const QString& title = QStringLiteral("Tessival"));

    QString allowed() const { return m_allowed; }
    // Whether a character passes this box's filter.
    bool admits(QChar c) const;
    // Runs before the filter on Enter (the box's Enter handler); true consumes the key.
    void setEnterHandler(std::function<bool()> h) { m_enter = std::move(h); }
    // The most characters the box holds: a key beyond is dropped, a longer
    // text arriving whole is refused with the message; 0: no limit.
    void setLimit(int n);
    int limit() const;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    QString m_allowed;
    QString m_message;
    QString m_title;
    std::function<bool()> m_enter;
    TextGuard* m_guard;
};
