#pragma once
// The ways a text reaches a box whole, as a student's desktop delivers them:
// Ctrl+V, the context menu's Paste, a rich-text clipboard, the middle button,
// drag and drop, an input method's commit and a screen reader's set-text or
// insert. Each works on a QLineEdit and on a QTextEdit.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <memory>

namespace TextPaths {

enum class Path { KeyPaste, MenuPaste, RichPaste, MiddleClick, Drop, Commit, AccessibleSet, AccessibleInsert };

inline const char* name(Path p) {
    switch (p) {
    case Path::KeyPaste: return "Ctrl+V";
    case Path::MenuPaste: return "context menu Paste";
    case Path::RichPaste: return "rich-text clipboard";
    case Path::MiddleClick: return "middle button";
    case Path::Drop: return "drag and drop";
    case Path::Commit: return "input method commit";
    case Path::AccessibleSet: return "accessible set-text";
    case Path::AccessibleInsert: return "accessible insert";
    }
    return "";
}

inline QList<Path> all() {
    QList<Path> out{Path::KeyPaste, Path::MenuPaste, Path::RichPaste, Path::Drop,
                    Path::Commit,   Path::AccessibleSet, Path::AccessibleInsert};
    if (QApplication::clipboard()->supportsSelection()) out.insert(3, Path::MiddleClick);
    return out;
}

// The widget that takes mouse and drag events.
inline QWidget* surface(QWidget* box) {
    if (auto* a = qobject_cast<QAbstractScrollArea*>(box)) return a->viewport();
    return box;
}

inline QString textOf(QWidget* box) {
    if (auto* e = qobject_cast<QLineEdit*>(box)) return e->text();
    if (auto* t = qobject_cast<QTextEdit*>(box)) return t->toPlainText();
    return QString();
}

inline void menuPaste(QWidget* box) {
    if (!box->isEnabled()) return;  // a disabled box opens no menu
    std::unique_ptr<QMenu> menu;
    if (auto* e = qobject_cast<QLineEdit*>(box)) menu.reset(e->createStandardContextMenu());
    else if (auto* t = qobject_cast<QTextEdit*>(box)) menu.reset(t->createStandardContextMenu());
    if (!menu) return;
    for (QAction* a : menu->actions())
        if (QString(a->text()).remove(u'&').startsWith(QLatin1String("Paste")) && a->isEnabled()) a->trigger();
}

inline void drop(QWidget* box, const QString& text, const QString& html = QString()) {
    QWidget* s = surface(box);
    QMimeData data;
    data.setText(text);
    if (!html.isEmpty()) data.setHtml(html);
    const QPoint at(qMax(1, s->width() - 4), s->height() / 2);  // after the text
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &move);
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &dropped);
}

inline void commit(QWidget* box, const QString& text) {
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(box, &e);
}

// Through the accessibility interfaces, as a screen reader sets a box.
inline bool accessibleSet(QWidget* box, const QString& text) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
    if (!i) return false;
    i->setText(QAccessible::Value, text);
    return true;
}
inline bool accessibleInsert(QWidget* box, int at, const QString& text) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
    QAccessibleEditableTextInterface* e = i ? i->editableTextInterface() : nullptr;
    if (!e) return false;
    e->insertText(at, text);
    return true;
}

inline bool accessibleReplace(QWidget* box, const QString& text) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
    QAccessibleEditableTextInterface* e = i ? i->editableTextInterface() : nullptr;
    if (!e) return false;
    e->replaceText(0, int(textOf(box).size()), text);
    return true;
}

// Enters the text by the path; the caret stands at the end of the box first.
// With `whole` the text is to take the place of the box's: all of it is
// selected first, a screen reader sets or replaces the whole text, and the
// middle button and a drop put it where they point.
inline void enter(QWidget* box, Path p, const QString& text, bool whole = false) {
    box->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(box)) whole ? e->selectAll() : e->end(false);
    if (auto* t = qobject_cast<QTextEdit*>(box)) whole ? t->selectAll() : t->moveCursor(QTextCursor::End);
    if (whole && p == Path::AccessibleSet) {
        accessibleSet(box, text);
        return;
    }
    if (whole && p == Path::AccessibleInsert) {
        accessibleReplace(box, text);
        return;
    }
    switch (p) {
    case Path::KeyPaste:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Path::MenuPaste:
        QApplication::clipboard()->setText(text);
        menuPaste(box);
        break;
    case Path::RichPaste: {
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<p><b>%1</b></p>").arg(text.toHtmlEscaped()));
        data->setText(text);
        QApplication::clipboard()->setMimeData(data);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    case Path::MiddleClick: {
        QApplication::clipboard()->setText(text, QClipboard::Selection);
        QWidget* s = surface(box);
        QTest::mouseClick(s, Qt::MiddleButton, Qt::NoModifier, QPoint(qMax(1, s->width() - 4), s->height() / 2));
        break;
    }
    case Path::Drop: drop(box, text, QStringLiteral("<i>%1</i>").arg(text.toHtmlEscaped())); break;
    case Path::Commit: commit(box, text); break;
    case Path::AccessibleSet: accessibleSet(box, textOf(box) + text); break;
    case Path::AccessibleInsert: accessibleInsert(box, int(textOf(box).size()), text); break;
    }
}

}  // namespace TextPaths
