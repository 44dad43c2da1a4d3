#include "Forms.h"

#include "MessageBox.h"
#include "Program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QHash>
#include <QMap>
#include <QSet>

namespace {
struct Registry {
    QHash<QString, Forms::Factory> kinds;
    QList<QPointer<Form>> loaded;  // load order
    QSet<QString> inParts;         // names a part not yet loaded will register
};
Registry& reg() {
    static Registry r;
    return r;
}
}  // namespace

Form::Form(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    watch(this);
}

Form::~Form() {
    auto& l = reg().loaded;
    l.removeAll(QPointer<Form>(this));
}

void Form::watch(QObject* o) {
    o->installEventFilter(this);
    for (QObject* c : o->children())
        if (c->isWidgetType()) watch(c);
}

void Form::childEvent(QChildEvent* e) {
    if (e->added() && e->child()->isWidgetType()) watch(e->child());
    QWidget::childEvent(e);
}

void Form::centreOnScreen() {
    // A window that chose its own size keeps it.
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

void Form::setFixedBorder() {
    adjustSize();
    setFixedSize(sizeHint().expandedTo(size()));
}

QPushButton* Form::makeButton(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void Form::setDesignFont(const QString& family, qreal pointSize) {
    if (family.isEmpty()) return;
    QFont f(family);
    if (pointSize > 0) f.setPointSizeF(pointSize);
    setFont(f);
}

void Form::orderTabs(const QStringList& names) {
    QWidget* prev = nullptr;
    for (const QString& n : names) {
        QWidget* w = findChild<QWidget*>(n);
        if (!w) continue;
        if (prev) setTabOrder(prev, w);
        prev = w;
    }
}

void Form::closeEvent(QCloseEvent* e) {
    // Closing by the title bar (or the platform) counts as an unload.
    e->accept();
    if (!m_unloading) Forms::unload(this);
}

bool Form::previewKey(QWidget* receiver, QKeyEvent* ke) {
    const int key = ke->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && ke->modifiers() == Qt::NoModifier || (enter && ke->modifiers() == Qt::KeypadModifier)) {
        // A focused button takes Enter itself; otherwise the default button.
        if (auto* b = qobject_cast<QPushButton*>(receiver); b && b->window() == this) {
            if (b->isEnabled()) b->click();
            return true;
        }
        if (m_default && m_default->isEnabled() && m_default->isVisibleTo(this)) {
            m_default->click();
            return true;
        }
    }
    if (key == Qt::Key_Escape && m_cancel && m_cancel->isEnabled() && m_cancel->isVisibleTo(this)) {
        m_cancel->click();
        return true;
    }
    if (Form_KeyDown(ke)) return true;
    const QString t = ke->text();
    if (t.size() == 1 && !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (Form_KeyPress(t.at(0))) return true;
    }
    return false;
}

bool Form::eventFilter(QObject* obj, QEvent* ev) {
    // A key's press has been dispatched in full once its release comes.
    if (ev->type() == QEvent::KeyRelease) m_lastPreviewed = nullptr;
    if (ev->type() == QEvent::KeyPress && !m_unloading) {
        auto* w = static_cast<QWidget*>(obj);
        if (w->window() != this) return false;  // a child window has its own preview
        // A key that a child passed up to this window was previewed already.
        if (ev == m_lastPreviewed && obj == this) return false;
        m_lastPreviewed = ev;
        QPointer<Form> self(this);
        bool consumed = previewKey(w, static_cast<QKeyEvent*>(ev));
        if (!self) return true;
        if (consumed) m_lastPreviewed = nullptr;  // it goes no further
        return consumed || m_unloading;
    }
    if (ev->type() == QEvent::ShortcutOverride && obj != this) {
        // Let the preview see Enter and Escape before line edits claim them.
        auto* ke = static_cast<QKeyEvent*>(ev);
        if (ke->key() == Qt::Key_Escape && m_cancel) ev->accept();
    }
    return false;
}

namespace Forms {

bool registerKind(const QString& name, Factory factory) {
    reg().kinds.insert(name, std::move(factory));
    reg().inParts.remove(name);
    return true;
}

bool registerMaker(const QString& name, Form* (*make)()) { return registerKind(name, make); }

bool registerPart(const QString& part, const QStringList& names) {
    for (const QString& name : names) {
        if (isRegistered(name)) continue;
        reg().kinds.insert(name, [part, name]() -> Form* {
            QString why;
            if (const auto registerWindows = Program::partFunction(part, "tessival_register_windows", &why)) {
                registerWindows();
                if (!reg().inParts.contains(name)) return Factory(reg().kinds.value(name))();
                why = part + QStringLiteral(" has no window ") + name;
            }
            Msg::show(QStringLiteral("The window could not be opened: ") + why, QStringLiteral("Tessival"),
                      Msg::Icon::Exclamation);
            return nullptr;
        });
        reg().inParts.insert(name);
    }
    return true;
}

bool isRegistered(const QString& name) { return reg().kinds.contains(name); }

QStringList registeredKinds() {
    QStringList names = reg().kinds.keys();
    names.sort();
    return names;
}

Form* loaded(const QString& name) {
    for (const auto& f : reg().loaded)
        if (f && !f->isUnloading() && f->objectName() == name) return f;
    return nullptr;
}

bool isLoaded(const QString& name) { return loaded(name) != nullptr; }

Form* load(const QString& name) {
    if (Form* f = loaded(name)) return f;
    auto it = reg().kinds.constFind(name);
    if (it == reg().kinds.constEnd()) return nullptr;
    const Factory make = *it;  // loading a part may register the kind anew
    Form* f = make();
    if (!f) return nullptr;
    f->setObjectName(name);
    f->watch(f);
    reg().loaded.append(f);
    QPointer<Form> guard(f);
    f->Form_Load();
    if (!guard || f->isUnloading()) return nullptr;
    return f;
}

Form* show(const QString& name) {
    Form* f = load(name);
    if (!f) return nullptr;
    if (!f->m_placed) {
        f->m_placed = true;
        f->centreOnScreen();
    }
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

Form* hide(const QString& name) {
    Form* f = load(name);
    if (f) f->hide();
    return f;
}

void unload(Form* f) {
    if (!f || f->m_unloading) return;
    f->m_unloading = true;
    QPointer<Form> guard(f);
    f->Form_Unload();
    if (!guard) return;
    reg().loaded.removeAll(QPointer<Form>(f));
    f->hide();
    // Deferred: the window may be unloading itself from one of its handlers.
    f->deleteLater();
}

void unload(const QString& name) { unload(loaded(name)); }

QList<Form*> loadedForms() {
    QList<Form*> out;
    for (const auto& f : reg().loaded)
        if (f && !f->isUnloading()) out.append(f);
    return out;
}

bool HelpKey(const QKeyEvent* e) {
    if (e->key() != Qt::Key_F1) return false;
    show(QStringLiteral("frmHelp"));
    return true;
}

void unloadAll() {
    for (Form* f : loadedForms()) unload(f);
}

}  // namespace Forms
