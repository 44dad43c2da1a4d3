#include "Forms.h"
#include "TextGuard.h"

#include "MessageBox.h"
#include "Program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
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
    // Read-only boxes stay read-only for a screen reader too.
    TextGuard::installAccessible();
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

namespace {
// The window frame's margins: the frame of a window on screen, else a title
// bar and a thin border (a frame is known once shown).
QMargins frameAllowance(const QWidget* w) {
    if (QWindow* h = w->windowHandle(); h && h->isVisible() && !h->frameMargins().isNull()) return h->frameMargins();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (QWindow* h = top->windowHandle(); h && h->isVisible() && !h->frameMargins().isNull()) return h->frameMargins();
    // Title bars are often taller than the style's own: room for two lines.
    const int title = std::max(w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w), 2 * w->fontMetrics().height());
    return QMargins(6, title + 6, 6, 6);
}

// A window's content in a scroll area: never squeezed below the size it was
// laid out for, so nothing slides out of reach.
class ScrolledContent : public QWidget {
public:
    ScrolledContent(QSize placed, QWidget* parent) : QWidget(parent), m_placed(placed) {}
    QSize minimumSizeHint() const override {
        return layout() ? layout()->totalSizeHint().expandedTo(layout()->totalMinimumSize()) : m_placed;
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

private:
    QSize m_placed;
};

// A scroll area as large as its content wants, but never larger than the room.
class FittedScrollArea : public QScrollArea {
public:
    FittedScrollArea(QWidget* parent, QSize room) : QScrollArea(parent), m_room(room) {}
    QSize sizeHint() const override {
        const int f = 2 * frameWidth();
        QSize s = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QSize();
        s += QSize(f, f);
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        if (s.width() > m_room.width()) s.rheight() += bar;
        if (s.height() > m_room.height()) s.rwidth() += bar;
        return s.boundedTo(m_room);
    }
    QSize minimumSizeHint() const override { return QSize(50, 50).boundedTo(m_room); }
    void setRoom(QSize room) {
        m_room = room;
        updateGeometry();
    }

private:
    QSize m_room;
};
}  // namespace

void Form::centreOnScreen() {
    // A window that chose its own size keeps it.
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    const QMargins frame = frameAllowance(this);
    fitInto(area.size().shrunkBy(frame));
    // Centred; top-left in the area where it does not fit.
    QRect r(QPoint(), size().grownBy(frame));
    r.moveCenter(area.center());
    r.moveLeft(std::max(r.left(), area.left()));
    r.moveTop(std::max(r.top(), area.top()));
    move(r.topLeft());
}

QScrollArea* Form::scrollArea() const { return m_scroll; }

void Form::keepOnScreen() {
    m_keepQueued = false;
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s || m_unloading) return;
    const QRect area = s->availableGeometry();
    const QMargins frame = frameAllowance(this);
    fitInto(area.size().shrunkBy(frame));
    // A window that grew past the area's edge moves back inside it.
    QRect r(frameGeometry().topLeft(), size().grownBy(frame));
    if (area.contains(r)) return;
    r.moveLeft(std::max(std::min(r.left(), area.right() + 1 - r.width()), area.left()));
    r.moveTop(std::max(std::min(r.top(), area.bottom() + 1 - r.height()), area.top()));
    move(r.topLeft());
}

void Form::fitInto(QSize room) {
    if (width() <= room.width() && height() <= room.height()) return;
    const bool fixed = minimumSize() == maximumSize();
    QSize least = minimumSize();
    if (QLayout* l = layout()) least = least.expandedTo(l->totalMinimumSize());
    if (!fixed && !m_scroll && least.width() <= room.width() && least.height() <= room.height()) {
        // A sizable window whose controls fit in less room takes less.
        resize(size().boundedTo(room));
        return;
    }
    scrollContent(room);
}

void Form::scrollContent(QSize room) {
    if (m_scroll) {
        // Already scrolling: the window takes the room it may have.
        static_cast<FittedScrollArea*>(m_scroll.data())->setRoom(room);
        if (layout()) layout()->activate();
        const QSize fits = layout() ? layout()->totalSizeHint().boundedTo(room) : room;
        if (minimumSize() == maximumSize()) setFixedSize(fits);
        else resize(fits);
        return;
    }
    const bool fixed = minimumSize() == maximumSize();
    // The content moves into a scroll area; a menu bar stays at the top.
    const QSize placed = childrenRect().united(rect()).size();
    QWidget* focused = focusWidget();
    // Made inside the window, so moving the controls keeps their tab order.
    auto* content = new ScrolledContent(placed, this);
    content->setObjectName(QStringLiteral("scrolledContent"));
    QWidget* menu = nullptr;
    if (QLayout* l = layout()) {
        menu = l->menuBar();
        l->setMenuBar(nullptr);
        content->setLayout(l);  // takes the layout and the widgets it holds
    }
    for (QWidget* c : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c == menu || c == content || c->isWindow()) continue;
        // A control on screen is shown again; one never shown shows with the window.
        const bool shown = c->isVisible();
        c->setParent(content);
        if (shown) c->show();
    }
    if (menu) room.rheight() -= menu->sizeHint().height();
    auto* area = new FittedScrollArea(this, room);
    area->setObjectName(QStringLiteral("scrollArea"));
    area->setAccessibleName(windowTitle());
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    if (menu) v->setMenuBar(menu);
    v->addWidget(area);
    m_scroll = area;
    area->setFocusPolicy(Qt::NoFocus);
    if (focused && focused->window() == this) focused->setFocus();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    v->activate();
    const QSize fits = v->totalSizeHint();
    if (fixed) setFixedSize(fits);
    else resize(fits);
    // A focused control scrolls into view.
    connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        if (!now || !area->widget() || !area->widget()->isAncestorOf(now)) return;
        // The whole control, not only its text cursor.
        const QPoint c = now->mapTo(area->widget(), now->rect().center());
        area->ensureVisible(c.x(), c.y(), now->width() / 2 + 1, now->height() / 2 + 1);
    });
}

void Form::constructed() {
    QHash<const void*, int> members;
    QHash<QWidget*, int> controls;
    for (const Binding& b : std::as_const(m_bindings)) {
        ++members[b.member];
        ++controls[b.control];
    }
    for (const Binding& b : std::as_const(m_bindings)) {
        const char* fault = nullptr;
        if (members.value(b.member) > 1) fault = "is bound twice";
        else if (controls.value(b.control) > 1) fault = "shares its control with another member";
        else if (!b.read()) fault = "is empty after construction (an initialiser of its own?)";
        else if (b.read() != b.control) fault = "points at another control than the one made for it";
        else if (findChildren<QWidget*>(b.name) != QList<QWidget*>{b.control}) fault = "is not the one control of its name";
        if (fault) qFatal("%s: the member %s %s", qPrintable(objectName()), qPrintable(b.name), fault);
    }
    if (!m_nameFaults.isEmpty()) qFatal("%s: %s", qPrintable(objectName()), qPrintable(m_nameFaults.first()));
    finishShape();
}

QList<QWidget*> Form::boundControls() const {
    QList<QWidget*> all;
    for (const Binding& b : m_bindings) all.append(b.control);
    return all;
}

void Form::setFixedBorder() {
    adjustSize();
    setFixedSize(sizeHint().expandedTo(size()));
}

void Form::answerFollows(QWidget* box) {
    const auto changed = [this] {
        if (!m_ownWrite) emptyAnswer();
    };
    if (auto* e = qobject_cast<QLineEdit*>(box)) connect(e, &QLineEdit::textChanged, this, changed);
    else if (auto* t = qobject_cast<QTextEdit*>(box)) connect(t, &QTextEdit::textChanged, this, changed);
}

void Form::answerShownIn(QWidget* part) {
    if (part && !m_answerParts.contains(part)) m_answerParts.append(part);
}

void Form::emptyAnswer() {
    for (const QPointer<QWidget>& p : std::as_const(m_answerParts)) {
        if (auto* e = qobject_cast<QLineEdit*>(p.data())) e->clear();
        else if (auto* l = qobject_cast<QLabel*>(p.data())) l->clear();
    }
}

void Form::say(const QString& text, const Style& style) { Msg::show(text, style.title, style.icon); }

void Form::doStep(const Step& s, Form* self) {
    switch (s.action) {
    case Action::Show:
        if (s.window.isEmpty()) self->show(); else Forms::show(s.window);
        break;
    case Action::Hide:
        if (s.window.isEmpty()) self->hide(); else Forms::hide(s.window);
        break;
    case Action::Unload:
        if (s.window.isEmpty()) Forms::unload(self); else Forms::unload(s.window);
        break;
    }
}

void Form::returnToParent(Form* self, const QString& parent, bool unloadFirst) {
    // The parent ends shown and usable in either order.
    if (parent.isEmpty()) {
        Forms::unload(self);
    } else if (unloadFirst) {
        Forms::unload(self);
        Forms::show(parent);
    } else {
        Forms::show(parent);
        Forms::unload(self);
    }
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
    QList<QWidget*> widgets;
    for (const QString& n : names)
        if (QWidget* w = named(n, "tab order")) widgets.append(w);
    orderTabs(widgets);
}

QWidget* Form::findNamed(const QString& name, const char* list, const QMetaObject& kind) {
    // An empty name would match every control.
    const QList<QWidget*> found = name.isEmpty() ? QList<QWidget*>() : findChildren<QWidget*>(name);
    if (found.size() == 1 && kind.cast(found.first())) return found.first();
    const QString what = &kind == &QWidget::staticMetaObject ? QStringLiteral("control") : QLatin1String(kind.className());
    m_nameFaults.append(QStringLiteral("the %1 names \"%2\", which is not one %3 of the window")
                            .arg(QLatin1String(list), name, what));
    return nullptr;
}

void Form::setDefaultButton(QPushButton* b) { m_default = b; }

void Form::setCancelButton(QPushButton* b) { m_cancel = b; }

QPushButton* Form::defaultButton() const { return m_default; }

void Form::orderTabs(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i) setTabOrder(widgets.at(i - 1), widgets.at(i));
}

void Form::closeEvent(QCloseEvent* e) {
    // Closing by the title bar (or the platform) counts as an unload.
    e->accept();
    if (!m_unloading) Forms::unload(this);
}

bool Form::previewKey(QWidget* receiver, QKeyEvent* ke) {
    const int key = ke->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && (ke->modifiers() == Qt::NoModifier || ke->modifiers() == Qt::KeypadModifier)) {
        // A focused button takes Enter itself; otherwise the default button.
        if (auto* b = qobject_cast<QPushButton*>(receiver); b && b->window() == this) {
            if (m_enterFocused && b->isEnabled()) b->click();
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
    if (m_f1Manual && Forms::HelpKey(ke)) return true;
    if (Form_KeyDown(ke)) return true;
    const QString t = ke->text();
    if (t.size() == 1 && !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (Form_KeyPress(t.at(0))) return true;
    }
    return false;
}

bool Form::eventFilter(QObject* obj, QEvent* ev) {
    // A placed window that grows is kept inside the screen.
    if (obj == this && ev->type() == QEvent::Resize && m_placed && !m_keepQueued) {
        m_keepQueued = true;
        QMetaObject::invokeMethod(this, &Form::keepOnScreen, Qt::QueuedConnection);
    }
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
    // An input method writes only where the student may type.
    if (ev->type() == QEvent::InputMethod) {
        if (auto* e = qobject_cast<QLineEdit*>(obj); e && (e->isReadOnly() || !e->isEnabled())) return true;
        if (auto* t = qobject_cast<QTextEdit*>(obj); t && (t->isReadOnly() || !t->isEnabled())) return true;
    }
    if (ev->type() == QEvent::ShortcutOverride && obj != this) {
        // With a cancel button, Escape comes to the preview as a key press
        // rather than to a shortcut of the same key.
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
    f->constructed();
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
    // Deferred: the window may be unloading itself from one of its handlers,
    // or from behind a box one of them shows.
    Msg::whenNoBoxOpen([f = QPointer<Form>(f)] {
        if (f) f->deleteLater();
    });
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
