#pragma once
// How a window is reached from its chooser and from the main window's menu,
// how it is left, and what each step does to the chooser.
#include <QAction>

#include "TestSupport.h"

namespace Roads {

// "shown", "hidden" or "unloaded".
inline QString state(const QString& name) {
    Form* f = Forms::loaded(name);
    return !f ? QStringLiteral("unloaded") : f->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden");
}

struct Road {
    QString window;
    QString opener;   // the main window's button that shows the chooser
    QString chooser;
    QString button;   // the chooser's button for the window
    QString item;     // the main window's menu item for the window
    QString cancel = QStringLiteral("cmdCancel");
    bool escapeLeaves = true;  // false: Escape does nothing and the cancel button is pressed
};

// Six steps from a fresh main window: the chooser's button; Escape; the menu
// item; the cancel button; the menu item with no chooser loaded; Escape. Gives
// the chooser's state after each, space-separated; a window that is not shown
// after an opening step, or is still loaded after a leaving one, says so, and
// so does any message shown on the way.
inline QString drive(const Road& r) {
    TestSupport::unloadAll();
    TestSupport::messages().clear();
    Form* main = Forms::show(QStringLiteral("frmMain"));
    QStringList states;
    auto after = [&](bool opened) {
        TestSupport::settle();
        if (state(r.window) != (opened ? QStringLiteral("shown") : QStringLiteral("unloaded")))
            states << QStringLiteral("(window %1)").arg(state(r.window));
        states << state(r.chooser);
    };
    auto leave = [&](bool escape) {
        Form* f = Forms::loaded(r.window);
        if (!f) return;
        if (escape) {
            TestSupport::press(f->focusWidget() ? f->focusWidget() : f, Qt::Key_Escape);
            TestSupport::settle();
            if (r.escapeLeaves) return;
            if (!Forms::isLoaded(r.window)) states << QStringLiteral("(Escape left)");
        }
        if (auto* b = f->findChild<QPushButton*>(r.cancel)) b->click();
    };
    main->findChild<QPushButton*>(r.opener)->click();
    TestSupport::settle();
    Forms::loaded(r.chooser)->findChild<QPushButton*>(r.button)->click();
    after(true);
    leave(true);
    after(false);
    main->findChild<QAction*>(r.item)->trigger();
    after(true);
    leave(false);
    after(false);
    Forms::unload(r.chooser);
    TestSupport::settle();
    main->findChild<QAction*>(r.item)->trigger();
    after(true);
    leave(true);
    after(false);
    if (!main->isVisible()) states << QStringLiteral("(main window gone)");
    for (const Msg::Box& b : TestSupport::messages().shown) states << QStringLiteral("(said %1)").arg(b.text);
    TestSupport::messages().clear();
    return states.join(QLatin1Char(' '));
}

// A fresh window: whether Ok and Print are enabled, then what Enter in
// `enterBox` shows (Ok runs though disabled, or the key filter refuses Enter,
// or nothing), then Ok and Print after "1" is typed into `enterBox`, then
// after "1" is typed into `enabler`. As "off|<message>|off|on". The window is
// unloaded again.
inline QString firstKeys(const QString& window, const QString& enterBox, const QString& enabler) {
    TestSupport::unloadAll();
    TestSupport::messages().clear();
    Form* f = TestSupport::open(window);
    auto buttons = [f] {
        const bool ok = f->findChild<QPushButton*>(QStringLiteral("cmdOk"))->isEnabled();
        const bool print = f->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->isEnabled();
        return ok && print ? QStringLiteral("on") : !ok && !print ? QStringLiteral("off") : QStringLiteral("mixed");
    };
    QStringList seen{buttons()};
    auto* box = f->findChild<QLineEdit*>(enterBox);
    TestSupport::press(box, Qt::Key_Return);
    QStringList said;
    for (const Msg::Box& b : TestSupport::messages().shown) said << b.text;
    seen << said.join(QLatin1Char('+'));
    TestSupport::type(box, QStringLiteral("1"));
    seen << buttons();
    TestSupport::type(f->findChild<QLineEdit*>(enabler), QStringLiteral("1"));
    seen << buttons();
    TestSupport::messages().clear();
    TestSupport::unloadAll();
    return seen.join(QLatin1Char('|'));
}

}  // namespace Roads
