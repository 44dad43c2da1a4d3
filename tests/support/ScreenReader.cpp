#include "ScreenReader.h"

#include <QApplication>
#include <algorithm>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {
QPlatformAccessibility* platformAccessibility() {
    QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    return platform ? platform->accessibility() : nullptr;
}
}  // namespace

ScreenReader::ScreenReader() {
    s_reader = this;
    m_previous = QAccessible::installUpdateHandler(&ScreenReader::hear);
    if (QPlatformAccessibility* a = platformAccessibility()) a->setActive(true);
    if (!QAccessible::isActive()) qWarning("the platform's accessibility cannot be turned on");
}

ScreenReader::~ScreenReader() {
    if (QPlatformAccessibility* a = platformAccessibility()) a->setActive(false);
    QAccessible::installUpdateHandler(m_previous);
    s_reader = nullptr;
}

void ScreenReader::hear(QAccessibleEvent* e) {
    if (!s_reader) return;
    Heard h;
    h.type = e->type();
    h.object = e->object();
    h.child = e->child();
    h.focus = QApplication::focusWidget();
    if (QAccessibleInterface* i = e->accessibleInterface()) {
        h.target = i;
        h.name = i->text(QAccessible::Name);
        h.state = i->state();
        if (QAccessibleTextInterface* t = s_reader->readsText ? i->textInterface() : nullptr)
            t->text(0, std::min(t->characterCount(), 4096));
    }
    if (e->type() == QAccessible::TextCaretMoved || e->type() == QAccessible::TextSelectionChanged)
        h.caret = static_cast<QAccessibleTextCursorEvent*>(e)->cursorPosition();
    s_reader->heard << h;
}
