#pragma once
// Windows with default instances: one per kind, created and loaded on first
// show or hide, freed on unload, loaded afresh when shown again.
#include <QWidget>
#include <QPointer>
#include <functional>
#include <type_traits>
#include <QStringList>

#include "platform/MessageBox.h"

class QPushButton;
class QKeyEvent;
class QScrollArea;
class Form;
namespace Forms {
Form* load(const QString& name);
Form* show(const QString& name);
void unload(Form* form);
}

class Form : public QWidget {
    Q_OBJECT
public:
    // Style of one message box.
    struct Style {
        Msg::Icon icon = Msg::Icon::None;
        QString title = QStringLiteral("Tessival");
    };
    // The program's title with an icon: the styles most messages use.
    static const Style InformationStyle;
    static const Style ExclamationStyle;
    static const Style CriticalStyle;

    // What a window's load or leaving does to another window.
    enum class Action { Show, Hide, Unload };
    struct Step {
        QString window;  // empty: this window
        Action action;
    };

    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Shows a message in a style.
    static void say(const QString& text, const Style& style);
    // One load step of a window.
    static void doStep(const Step& s, Form* self);
    // ReturnToParent: shows `parent` and unloads `self`, in the given order;
    // with no parent it only unloads.
    static void returnToParent(Form* self, const QString& parent, bool unloadFirst);

    // The kind's name, as registered ("frmMain").
    QString formName() const { return objectName(); }

    // Runs once the window's constructor has finished, before Form_Load: every
    // member a design row bound still points at the one control of its name
    // (a member's own initialiser runs after the shape and would empty it), no
    // member or control is bound twice, and every name written as text found
    // its control; a broken binding or name is a fault of the program,
    // reported as such. Then the shape finishes the window.
    void constructed();
    // The controls the window's members were bound to, in binding order.
    QList<QWidget*> boundControls() const;
    // Load handler, run once after construction.
    virtual void Form_Load() {}
    // Runs while the window is being unloaded (all closing paths).
    virtual void Form_Unload() {}
    // Key preview: runs before the focused control. Return true to consume.
    virtual bool Form_KeyDown(QKeyEvent*) { return false; }
    // Character keys (after Form_KeyDown), with the character code. True consumes.
    virtual bool Form_KeyPress(QChar) { return false; }

    void setDefaultButton(QPushButton* b);
    void setCancelButton(QPushButton* b);
    QPushButton* defaultButton() const;

    // Places the window inside the screen's available area (called before
    // the first show): centred, or at its top-left where it does not fit. A
    // window larger than the area shows its content in a scroll area.
    void centreOnScreen();
    // The scroll area holding the content of a window larger than the screen.
    QScrollArea* scrollArea() const;
    // Fixed single border: the user cannot resize the window.
    void setFixedBorder();

    // Pieces of the window shapes: a named button that is not auto-default,
    // a design's font (an empty family keeps the platform's), and the tab
    // order along controls (by name: each name is checked as named() does).
    QPushButton* makeButton(const QString& name, const QString& caption);
    void setDesignFont(const QString& family, qreal pointSize);
    void orderTabs(const QStringList& names);
    void orderTabs(const QList<QWidget*>& widgets);
    void orderTabs(std::initializer_list<QWidget*> widgets) { orderTabs(QList<QWidget*>(widgets)); }
    // The name of a control no member keeps: NAMED(cmdExchange).
    struct Named {
        QString name;
    };
    // A control's name in a design row and, where the window keeps the
    // control in a member, that member: BIND(w, Text2) writes the name once.
    // A plain text is no row: a row is BIND(w, Text2) or NAMED(Text2), so a
    // row that forgets its member's BIND does not compile.
    template <class T> struct Bound {
        QString name;
        T** member = nullptr;
        Bound() = default;
        Bound(const Named& n) : name(n.name) {}
        explicit Bound(const QString& n) : name(n) {}  // a name the shape makes up
        Bound(const QString& n, T** m) : name(n), member(m) {}
        bool isEmpty() const { return name.isEmpty(); }
        operator const QString&() const { return name; }
    };
    // Names the control after its row and points the row's member at it; the
    // binding is checked once the window's constructor has finished.
    template <class T> T* bind(const Bound<T>& b, T* control) {
        control->setObjectName(b.name);
        if (b.member) {
            *b.member = control;
            m_bindings.append(Binding{b.name, control, b.member, [m = b.member] { return static_cast<QWidget*>(*m); }});
        }
        return control;
    }
    // The one control of a name a design writes as text (in a tab order, a
    // row of buttons, a default button: `list` says which). A name that is not
    // one control of the window of that class is a fault of the program,
    // reported with the bindings' once the window's constructor has finished.
    template <class T = QWidget> T* named(const QString& name, const char* list) {
        return static_cast<T*>(findNamed(name, list, T::staticMetaObject));
    }

    bool isUnloading() const { return m_unloading; }
    // F1, whatever shift keys are held, shows the user manual (before Form_KeyDown).
    void showManualOnF1() { m_f1Manual = true; }
    // Whether Enter on a focused button of the window presses it (else Enter
    // on a button presses nothing, not even the default button).
    void setEnterPressesFocusedButton(bool on) { m_enterFocused = on; }

    // An answer belongs to the boxes beside it: any change of a box's text
    // (a key, a paste, a deletion, a screen reader's set-text) empties every
    // part of the answer, except while the window writes itself (OwnWrite).
    // `box` is a QLineEdit or a QTextEdit; a part is a QLineEdit or a QLabel.
    void answerFollows(QWidget* box);
    void answerShownIn(QWidget* part);
    // Empties the parts of the answer; a window with more to empty adds to it.
    virtual void emptyAnswer();
    // Held while the window computes or writes its own boxes.
    class OwnWrite {
    public:
        explicit OwnWrite(Form* f) : m_form(f), m_was(f->m_ownWrite) { f->m_ownWrite = true; }
        ~OwnWrite() { m_form->m_ownWrite = m_was; }
        OwnWrite(const OwnWrite&) = delete;
        OwnWrite& operator=(const OwnWrite&) = delete;

    private:
        Form* m_form;
        bool m_was;
    };

    // The message texts the window declares (for the user manual's checks);
    // tests/support/MessageTexts.h lists those it shows outside them.
    virtual QStringList messageTexts() const { return {}; }

protected:
    // Runs at the end of constructed(), after the bindings were checked.
    virtual void finishShape() {}
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void childEvent(QChildEvent* e) override;

private:
    friend Form* Forms::load(const QString&);
    friend Form* Forms::show(const QString&);
    friend void Forms::unload(Form*);
    void watch(QObject* o);
    QWidget* findNamed(const QString& name, const char* list, const QMetaObject& kind);
    void keepOnScreen();
    void fitInto(QSize room);
    void scrollContent(QSize room);
    bool previewKey(QWidget* receiver, QKeyEvent* ke);

    struct Binding {
        QString name;
        QWidget* control;
        const void* member;
        std::function<QWidget*()> read;
    };
    QList<Binding> m_bindings;
    QStringList m_nameFaults;
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
    QPointer<QScrollArea> m_scroll;
    bool m_unloading = false;
    bool m_f1Manual = false;
    bool m_enterFocused = true;
    bool m_ownWrite = false;
    QList<QPointer<QWidget>> m_answerParts;
    bool m_placed = false;
    bool m_keepQueued = false;
    const QEvent* m_lastPreviewed = nullptr;
};

inline const Form::Style Form::InformationStyle{Msg::Icon::Information};
inline const Form::Style Form::ExclamationStyle{Msg::Icon::Exclamation};
inline const Form::Style Form::CriticalStyle{Msg::Icon::Critical};

namespace Forms {
using Factory = std::function<Form*()>;

// Registers a window kind under its name; returns true (for static use).
bool registerKind(const QString& name, Factory factory);
// The same for a plain function (TESSIVAL_REGISTER): registering runs no code
// of the window's own.
bool registerMaker(const QString& name, Form* (*make)());
bool isRegistered(const QString& name);
// Windows of a part loaded on first use: known by name now; the first load
// of one loads the part and runs its tessival_register_windows, which
// registers them. Names registered already (the part is linked in) are left.
bool registerPart(const QString& part, const QStringList& names);
// Every registered kind's name, sorted.
QStringList registeredKinds();

// The loaded instance, or nullptr.
Form* loaded(const QString& name);
bool isLoaded(const QString& name);
// Loads the kind if needed (running Form_Load) without showing it.
Form* load(const QString& name);
// Loads if needed, shows modeless, brings to the front. nullptr for an unknown kind.
Form* show(const QString& name);
// Loads if needed and hides.
Form* hide(const QString& name);
// Unloads (hides and frees later); nothing when not loaded.
void unload(const QString& name);
void unload(Form* form);
// Every loaded window, in load order.
QList<Form*> loadedForms();
// Unloads every loaded window.
void unloadAll();

// F1, whatever shift keys are held, shows the user manual without a topic.
// True when the key was F1.
bool HelpKey(const QKeyEvent* e);

template <class T> T* get(const QString& name) { return qobject_cast<T*>(loaded(name)); }
template <class T> T* showAs(const QString& name) { return qobject_cast<T*>(show(name)); }

// What registers a window class: makes one.
template <class T> Form* make() { return new T; }
}  // namespace Forms

// A design row's name bound to the window's member of that name:
// BIND(w, Text2) in a design made for window `w`.
#define BIND(window, member) Form::Bound<std::remove_pointer_t<decltype((window).member)>>(QStringLiteral(#member), &(window).member)
// A design row's name for a control the window keeps in no member.
#define NAMED(name) Form::Named{QStringLiteral(#name)}

// Registers a window class under its own name, inside a subject's
// registration function: TESSIVAL_REGISTER(frmBoyles);
#define TESSIVAL_REGISTER(Class) Forms::registerMaker(QStringLiteral(#Class), &Forms::make<Class>)
