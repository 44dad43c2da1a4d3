#pragma once
// Hears the accessibility events as a screen reader's bridge does, for as
// long as it lives: each event resolved to the object it names, read at once
// (the bridge reads a node's name and state when the event arrives).
#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class ScreenReader {
public:
    struct Heard {
        QAccessible::Event type;
        QPointer<QObject> object;     // the widget the event came from
        int child = -1;               // the child of its interface, or -1
        QString name;                 // what the event resolves to, by name
        QAccessible::State state;     // and its state
        QPointer<QWidget> focus;      // the widget with the keyboard focus then
        int caret = -1;               // a caret move or a text selection: where the caret went
        QAccessibleInterface* target = nullptr;  // valid while the tree is as it was
    };

    // Turns the platform's accessibility on, as a screen reader's bridge
    // does when it starts, and listens in the bridge's place.
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    QList<Heard> heard;
    // Reads the text each event names, as a bridge does (at most 4,096 characters).
    bool readsText = false;

    QList<Heard> of(QAccessible::Event type) const {
        QList<Heard> out;
        for (const Heard& h : heard)
            if (h.type == type) out << h;
        return out;
    }
    void clear() { heard.clear(); }

private:
    static void hear(QAccessibleEvent* e);

    QAccessible::UpdateHandler m_previous = nullptr;
    static inline ScreenReader* s_reader = nullptr;
};
