#include "NumericKeyFilter.h"
#include "MessageBox.h"
#include "TextGuard.h"

#include <QKeyEvent>
#include <QLineEdit>

NumericKeyFilter::NumericKeyFilter(QLineEdit* box, const QString& allowed, const QString& message,
                                   const QString& title)
    : QObject(box), m_allowed(allowed), m_message(message), m_title(title) {
    box->installEventFilter(this);
    // Backspace and Enter are keys, never characters of a text.
    m_guard = new TextGuard(
        box, [this](QChar c) { return c != QLatin1Char('\b') && c != QLatin1Char('\r') && admits(c); },
        [this](QChar) { Msg::plain(m_message, m_title); });
}

void NumericKeyFilter::setLimit(int n) { m_guard->setLimit(n); }
int NumericKeyFilter::limit() const { return m_guard->limit(); }

NumericKeyFilter* NumericKeyFilter::attach(QLineEdit* box, const QString& allowed, const QString& message,
                                           const QString& title) {
    return new NumericKeyFilter(box, allowed, message, title);
}

bool NumericKeyFilter::admits(QChar c) const {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return true;
    return m_allowed.contains(c);
}

bool NumericKeyFilter::eventFilter(QObject* obj, QEvent* ev) {
    if (ev->type() != QEvent::KeyPress) return false;
    auto* ke = static_cast<QKeyEvent*>(ev);
    if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    QChar c;
    switch (ke->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_enter && m_enter()) return true;
        c = QLatin1Char('\r');
        break;
    case Qt::Key_Backspace: c = QLatin1Char('\b'); break;
    case Qt::Key_Escape: return false;
    default: {
        const QString t = ke->text();
        if (t.size() != 1 || !t.at(0).isPrint()) return false;  // navigation, Delete, Tab, F-keys
        c = t.at(0);
    }
    }
    if (admits(c)) {
        // A full box takes no more keys, as a box with a length limit does.
        auto* box = static_cast<QLineEdit*>(obj);
        const int limit = m_guard->limit();
        return limit > 0 && c.isPrint() && box->text().size() - box->selectedText().size() >= limit;
    }
    Msg::plain(m_message, m_title);
    return true;
}
