#include "Robot.h"

#include <atomic>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtCharts/QXYSeries>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "TextPaths.h"
#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"

namespace Robot {
namespace {

// ---------------------------------------------------------------- texts

const QStringList& pasteTable() {
    static const QStringList t = [] {
        QString digits300;
        for (int i = 0; i < 300; ++i) digits300 += QChar(u'1' + i % 9);
        QString long10k;
        for (int i = 0; i < 1000; ++i) long10k += QStringLiteral("H2O+12.5E");
        long10k.truncate(10000);
        QString digits10k;
        for (int i = 0; i < 10000; ++i) digits10k += QChar(u'0' + (i * 7 + 3) % 10);
        return QStringList{
            QString(), QStringLiteral("."), QStringLiteral("-"), QStringLiteral("E"), QStringLiteral("1E"),
            QStringLiteral("1.2.3"), QStringLiteral("1E+308"), QStringLiteral("1E-320"), QStringLiteral("-0"),
            digits300, QStringLiteral("-") + digits300, QStringLiteral("0.") + QString(299, u'0') + QStringLiteral("1"),
            QStringLiteral("abc"), QStringLiteral("Hello"), QStringLiteral("·"), QStringLiteral("₂"),
            QStringLiteral("é"), QStringLiteral("H₂O·5H₂O"), long10k, digits10k,
            QStringLiteral("inf"), QStringLiteral("-inf"), QStringLiteral("nan"), QStringLiteral("Infinity"),
            QStringLiteral("0"), QStringLiteral("0.0"), QStringLiteral(".5"), QStringLiteral("3."),
            QStringLiteral("1E38"), QStringLiteral("3.5E38"), QStringLiteral("1E39"), QStringLiteral("-1E39"),
            QStringLiteral("1E-45"), QStringLiteral("1E-46"), QStringLiteral("1e5"), QStringLiteral(" 5 "),
            QStringLiteral("5,5"), QStringLiteral("1,000"), QStringLiteral("25"), QStringLiteral("-273.15"),
            QStringLiteral("100"), QStringLiteral("6.02E23"), QStringLiteral("1E-7"), QStringLiteral("0.001"),
            QStringLiteral("H2O"), QStringLiteral("NaCl"), QStringLiteral("(NH4)2SO4"), QStringLiteral("CuSO4.5H2O"),
            QStringLiteral("2H2 + O2 => 2H2O"), QStringLiteral("Fe(((OH)3"), QStringLiteral("Xx9"), QStringLiteral("=>"),
            QStringLiteral("'; DROP TABLE GeneralInfo; --"), QStringLiteral("\"%_\\"), QStringLiteral("1\n2"),
            QStringLiteral("\t"), QStringLiteral("4294967296"), QStringLiteral("-2147483649"), QStringLiteral("32768"),
            QStringLiteral("1E+"), QStringLiteral("+5"), QStringLiteral("--5"), QStringLiteral("5-"),
        };
    }();
    return t;
}

// Numbers a fill action puts in every box: ordinary values, the edges of the
// number types, zeros and signs.
const QStringList Numbers = {
    QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0.5"), QStringLiteral("100"), QStringLiteral("1E-7"),
    QStringLiteral("6.02E23"), QStringLiteral("1E38"), QStringLiteral("3.4E38"), QStringLiteral("1E-38"),
    QStringLiteral("1E-45"), QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("273.15"),
    QStringLiteral("-273.15"), QStringLiteral("14"), QStringLiteral("7"), QStringLiteral("0.001"), QStringLiteral("1E10"),
    QStringLiteral("99999999"), QStringLiteral("1E+308"), QStringLiteral("1E-320"), QStringLiteral("25"),
    QStringLiteral("101.3"), QStringLiteral("760"), QStringLiteral("22.4"), QStringLiteral("8.314"), QStringLiteral("3E8"),
    QStringLiteral("1.5"), QStringLiteral(".5"), QStringLiteral("3."), QStringLiteral("0.0"), QStringLiteral("-0"),
    QStringLiteral("1E20"), QStringLiteral("1E-20"), QStringLiteral("65535"), QStringLiteral("32767"),
    QStringLiteral("2147483647"), QStringLiteral("1.7976931348623157E308"), QStringLiteral("4.9E-324"),
    QStringLiteral("12"), QStringLiteral("18.015"), QStringLiteral("0.082"), QStringLiteral("1000"),
};

QString preview(const QString& t) {
    QString p = t.left(24);
    p.replace(u'\n', QStringLiteral("\\n"));
    p.replace(u'\t', QStringLiteral("\\t"));
    if (t.size() > 24) p += QStringLiteral("... (%1 characters)").arg(t.size());
    return p;
}

// ---------------------------------------------------------------- keys

struct KeyDef {
    const char* name;
    int key;
    Qt::KeyboardModifiers mods;
    const char* text;
};
const KeyDef Keys[] = {
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b"},
    {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f"},
    {"Return", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {"F1", Qt::Key_F1, Qt::NoModifier, ""},
    {"Shift+F1", Qt::Key_F1, Qt::ShiftModifier, ""},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, ""},
    {"Left", Qt::Key_Left, Qt::NoModifier, ""},
    {"Right", Qt::Key_Right, Qt::NoModifier, ""},
    {"Up", Qt::Key_Up, Qt::NoModifier, ""},
    {"Down", Qt::Key_Down, Qt::NoModifier, ""},
    {"Home", Qt::Key_Home, Qt::NoModifier, ""},
    {"End", Qt::Key_End, Qt::NoModifier, ""},
    {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier, ""},
    {"PageDown", Qt::Key_PageDown, Qt::NoModifier, ""},
    {"Space", Qt::Key_Space, Qt::NoModifier, " "},
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01"},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, "\x1a"},
    {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier, "\x19"},
    {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03"},
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "\x18"},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16"},
};

// Characters typed one key at a time, in groups picked with weights.
const QString Digits = QStringLiteral("0123456789");
const QString NumberSigns = QStringLiteral(".-+Ee");
const QString Letters = QStringLiteral("aAbBcCHhOoNnlLxXzZqQsSiIfF");
const QString Signs = QStringLiteral(",*/()[]=>^_'\";:!?@#$%&<>~` \\|{}");
const QString Foreign = QStringLiteral("é·₂°µ€ñß");

// Sends one key as the platform would: shortcut override first (so window
// shortcuts and mnemonics run), then press and release to the widget.
void sendKey(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text) {
    QPointer<QWidget> guard(w);
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QSpontaneKeyEvent::setSpontaneous(&press);
    if (!qt_sendShortcutOverrideEvent(w, press.timestamp(), key, mods, text, false)) {
        if (guard) QCoreApplication::sendEvent(w, &press);
    }
    if (!guard) return;
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QSpontaneKeyEvent::setSpontaneous(&release);
    QCoreApplication::sendEvent(w, &release);
}

void typeChar(QWidget* w, QChar c) {
    int key = Qt::Key_unknown;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    const QChar up = c.toUpper();
    if (up.unicode() < 0x100 && up.unicode() >= 0x20) key = up.unicode();
    if (c.isUpper() || QStringLiteral("~!@#$%^&*()_+{}|:\"<>?").contains(c)) mods = Qt::ShiftModifier;
    sendKey(w, key, mods, QString(c));
}

// ---------------------------------------------------------------- widgets

using Names = QHash<QWidget*, QString>;

// Names of the widgets of a window: the object name where it is unique, else
// the name (or "." and the class) with a number; the window itself is "-".
Names widgetNames(Form* f) {
    const QList<QWidget*> all = f->findChildren<QWidget*>();
    QList<QString> bases;
    QHash<QString, int> count;
    for (QWidget* w : all) {
        bases << (w->objectName().isEmpty() ? QStringLiteral(".") + QLatin1String(w->metaObject()->className())
                                            : w->objectName());
        count[bases.last()]++;
    }
    Names out;
    QHash<QString, int> seen;
    for (int i = 0; i < all.size(); ++i) {
        const QString& base = bases.at(i);
        const int n = seen[base]++;
        out.insert(all.at(i), count.value(base) == 1 ? base : QStringLiteral("%1#%2").arg(base).arg(n));
    }
    out.insert(f, QStringLiteral("-"));
    return out;
}

QWidget* findWidget(Form* f, const Names& names, const QString& name) {
    if (name == QLatin1String("-")) return f;
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        if (it.value() == name) return it.key();
    return nullptr;
}

bool usable(QWidget* w, Form* f) { return w->isEnabled() && w->isVisibleTo(f); }

bool isInput(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return !e->isReadOnly() && e->isEnabled();
    if (auto* t = qobject_cast<QTextEdit*>(w)) return !t->isReadOnly() && t->isEnabled();
    return false;
}

QString textOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<QTextEdit*>(w)) return t->toPlainText();
    return QString();
}

QList<QAction*> menuItems(Form* f) {
    QList<QAction*> out;
    for (QMenuBar* bar : f->findChildren<QMenuBar*>()) {
        if (!bar->isVisibleTo(f)) continue;
        std::function<void(QWidget*)> walk = [&](QWidget* menu) {
            for (QAction* a : menu->actions()) {
                if (a->isSeparator() || !a->isEnabled() || !a->isVisible()) continue;
                if (a->menu()) walk(a->menu());
                else if (!a->objectName().isEmpty()) out.append(a);
            }
        };
        walk(bar);
    }
    return out;
}

QList<QTreeWidgetItem*> treeItems(QTreeWidget* t) {
    QList<QTreeWidgetItem*> out;
    for (QTreeWidgetItemIterator it(t); *it; ++it) out.append(*it);
    return out;
}

// ---------------------------------------------------------------- what the student sees

const QRegularExpression& badWord() {
    static const QRegularExpression re(QStringLiteral("(?<![A-Za-z])(inf|nan|infinity)(?![A-Za-z])"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}
// The words inf, nan or infinity in a text, in lower case. Words the student
// typed (`echo`) do not count: a message or a box may quote the student.
QSet<QString> badWords(const QString& s) {
    QSet<QString> out;
    // Most texts are passed over without the expression.
    if (!s.contains(QLatin1String("inf"), Qt::CaseInsensitive) && !s.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return out;
    for (auto it = badWord().globalMatch(s); it.hasNext();) out.insert(it.next().captured(1).toLower());
    return out;
}
bool bad(const QString& s, const QSet<QString>& echo = {}) {
    const QSet<QString> words = badWords(s);
    return !words.isEmpty() && !echo.contains(words);
}

// The answer of a window: its answer and work line, and every box the student
// cannot type into (results, counts, data cells), read-only text panes and lists.
QStringList answerState(Form* f) {
    QStringList out;
    QSet<QWidget*> answers;
    if (auto* c = qobject_cast<CalculatorForm*>(f)) answers = {c->answerBox, c->workLine};
    if (auto* c = qobject_cast<ConversionForm*>(f)) answers = {c->answerBox, c->workLine};
    for (QLineEdit* e : f->findChildren<QLineEdit*>()) {
        if (answers.contains(e) || e->isReadOnly() || !e->isEnabled() ||
            e->accessibleName() == QLatin1String("Work line"))
            out << e->objectName() + QStringLiteral(": ") + e->text();
    }
    for (QTextEdit* t : f->findChildren<QTextEdit*>())
        if (t->isReadOnly()) out << t->objectName() + QStringLiteral(": ") + t->toPlainText().left(200);
    for (QListWidget* l : f->findChildren<QListWidget*>()) {
        QStringList lines;
        for (int i = 0; i < l->count(); ++i) lines << l->item(i)->text();
        out << l->objectName() + QStringLiteral(": ") + lines.join(u'|');
    }
    return out;
}

struct Seen {
    QString where;
    QString text;
};

// The first visible text of a window that shows inf or nan. Editable boxes are
// read only when given: those the program changed.
std::optional<Seen> badText(Form* f, const QSet<QWidget*>& changedInputs, const QSet<QString>& echo) {
    const QString form = f->objectName();
    if (bad(f->windowTitle())) return Seen{form + QStringLiteral(" title"), f->windowTitle()};
    for (QWidget* w : f->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(f)) continue;
        QString t;
        if (auto* l = qobject_cast<QLabel*>(w)) t = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) t = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w)) t = g->title();
        else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (!isInput(e) || changedInputs.contains(e)) t = e->text();
        } else if (auto* te = qobject_cast<QTextEdit*>(w)) {
            if (!isInput(te) || changedInputs.contains(te)) t = te->toPlainText();
        } else if (auto* lw = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < lw->count(); ++i) t += lw->item(i)->text() + u'\n';
        } else if (auto* tw = qobject_cast<QTreeWidget*>(w)) {
            for (QTreeWidgetItem* it : treeItems(tw)) t += it->text(0) + u'\n';
        } else if (auto* cv = qobject_cast<QChartView*>(w)) {
            QChart* c = cv->chart();
            if (!c) continue;
            t = c->title();
            for (QAbstractSeries* s : c->series()) {
                if (auto* xy = qobject_cast<QXYSeries*>(s))
                    for (const QPointF& p : xy->points())
                        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                            return Seen{form + u'.' + w->objectName(), QStringLiteral("a point at inf or nan")};
            }
            for (QAbstractAxis* a : c->axes()) {
                t += u' ' + a->titleText();
                if (auto* va = qobject_cast<QValueAxis*>(a); va && (!std::isfinite(va->min()) || !std::isfinite(va->max())))
                    return Seen{form + u'.' + w->objectName(), QStringLiteral("an axis range of inf or nan")};
                if (auto* ca = qobject_cast<QCategoryAxis*>(a)) t += u' ' + ca->categoriesLabels().join(u' ');
            }
        }
        if (!t.isEmpty() && bad(t, isInput(w) ? echo : QSet<QString>()))
            return Seen{form + u'.' + w->objectName(), t.left(200)};
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- text that arrives whole

// Verbs that bring a whole text into a box other than by Ctrl+V: drag and
// drop, an input method's commit, a rich-text clipboard (HTML with a plain
// part), a screen reader's set-text of the whole box and its insert at the caret.
const QStringList WholeTextVerbs = {QStringLiteral("drop"), QStringLiteral("commit"), QStringLiteral("richpaste"),
                                    QStringLiteral("axset"), QStringLiteral("axinsert")};

QString pickWholeText(const QString& box, int verb, int text) {
    return QStringLiteral("%1 %2 %3  # %4").arg(WholeTextVerbs.at(verb % WholeTextVerbs.size()), box).arg(text).arg(
        preview(pastes().value(text)));
}

// Performs a whole-text verb on the box; false for another verb.
bool performWholeText(const QString& verb, QWidget* w, const QString& text) {
    const int at = verb == QLatin1String("axinsert") ? [w] {
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->cursorPosition();
        if (auto* t = qobject_cast<QTextEdit*>(w)) return t->textCursor().position();
        return 0;
    }() : 0;
    if (verb == QLatin1String("drop")) TextPaths::drop(w, text, QStringLiteral("<i>%1</i>").arg(text.toHtmlEscaped()));
    else if (verb == QLatin1String("commit")) TextPaths::commit(w, text);
    else if (verb == QLatin1String("richpaste")) {
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<p><b>%1</b></p>").arg(text.toHtmlEscaped()));
        data->setText(text);
        QApplication::clipboard()->setMimeData(data);
        sendKey(w, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    } else if (verb == QLatin1String("axset")) TextPaths::accessibleSet(w, text);
    else if (verb == QLatin1String("axinsert")) TextPaths::accessibleInsert(w, at, text);
    else return false;
    return true;
}

// Presses a button as a screen reader does, through its accessibility
// interface. The press ends a moment later (an animated click), so the events
// run in an event loop of their own, as in the program, until the button is
// up again; one still down after a minute is noted in g_stuckPress.
QString g_stuckPress;
bool pressAccessibly(QAbstractButton* b) {
    QAccessibleInterface* i = b ? QAccessible::queryAccessibleInterface(b) : nullptr;
    QAccessibleActionInterface* a = i ? i->actionInterface() : nullptr;
    if (!a) return false;
    QPointer<QAbstractButton> button(b);
    a->doAction(QAccessibleActionInterface::pressAction());
    if (!button || !button->isDown()) return true;
    QEventLoop loop;
    QObject::connect(button, &QAbstractButton::released, &loop, &QEventLoop::quit);
    QObject::connect(button, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    if (button && button->isDown() && g_stuckPress.isEmpty())
        g_stuckPress = QStringLiteral("%1 was pressed through its accessibility interface and is still down a minute later")
                           .arg(button->objectName());
    return true;
}

// Set when a press waiting behind a message box was made during the action.
bool g_pressedBehind = false;

// What a text-entering action brings into its box ("type", "paste" and the
// whole-text verbs); nothing for other actions.
std::optional<QString> enteredBy(const QString& line) {
    const QString verb = line.section(u' ', 0, 0);
    if (verb == QLatin1String("type")) {
        const QString code = line.section(u' ', 2, 2);
        return QString(QChar(char16_t(code.mid(2).toUInt(nullptr, 16))));
    }
    if (verb == QLatin1String("paste") || WholeTextVerbs.contains(verb))
        return pastes().value(line.section(QLatin1String("  #"), 0, 0).section(u' ', 2, 2).toInt());
    return std::nullopt;
}

// A box after a text-entering action holds what it held, or that text with
// one stretch replaced by the entered text whole (blanks and line ends around
// a text may be left off). Anything else is a text stripped, cut or joined.
bool heldWhole(const QString& before, const QString& after, const QString& entered) {
    if (after == before) return true;
    qsizetype common = 0;
    while (common < before.size() && common < after.size() && before.at(common) == after.at(common)) ++common;
    for (const QString& e : {entered, entered.trimmed()}) {
        // An empty text only takes out a selection.
        for (qsizetype i = e.isEmpty() ? common : after.indexOf(e); i >= 0 && i <= common; i = after.indexOf(e, i + 1)) {
            const qsizetype rest = after.size() - i - e.size();
            if (rest <= before.size() - i && before.endsWith(QStringView(after).right(rest))) return true;
            if (e.isEmpty()) break;
        }
    }
    return false;
}

// The first answer box or list cell of a window that shows a number of more
// than 20 digits (a blank ends a number). Editable boxes are read only when
// given: those the program changed.
std::optional<Seen> longNumber(Form* f, const QSet<QWidget*>& changedInputs) {
    const auto tooLong = [](const QString& text) {
        int run = 0;
        for (QChar c : text) {
            if (c.isSpace()) run = 0;
            else if (c.isDigit() && ++run > 20) return true;
        }
        return false;
    };
    for (QLineEdit* e : f->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(f) || (isInput(e) && !changedInputs.contains(e)) ||
            e->accessibleName() == QLatin1String("Work line"))
            continue;
        if (tooLong(e->text())) return Seen{f->objectName() + u'.' + e->objectName(), e->text().left(200)};
    }
    for (QListWidget* l : f->findChildren<QListWidget*>())
        for (int i = 0; i < l->count(); ++i)
            if (tooLong(l->item(i)->text())) return Seen{f->objectName() + u'.' + l->objectName(), l->item(i)->text()};
    return std::nullopt;
}

// ---------------------------------------------------------------- warnings and crashes

QStringList g_warnings;
bool g_collect = false;
QtMessageHandler g_previous = nullptr;

// What the offscreen platform says of itself.
bool noise(const QString& m) {
    return m.contains(QLatin1String("This plugin does not support")) || m.contains(QLatin1String("does not support raise()")) ||
           m.contains(QLatin1String("propagateSizeHints")) ||
           m.contains(QLatin1String("does not support activateWindow"));
}

// QtTest's watchdog, from its own thread, when the run's time limit is out.
std::atomic<bool> g_timedOut{false};
std::string g_limit = "QtTest's default";
std::string g_window;

void collect(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (type == QtFatalMsg && msg == QLatin1String("Test function timed out")) {
        g_timedOut = true;
        std::fprintf(stderr,
                     "\nrobot: the time limit of the whole run (%s) ran out while %s was being driven; it counts over "
                     "every window of the run, so this is no fault of that window. A longer run needs a longer limit "
                     "(TESSIVAL_ROBOT_LIMIT=<seconds>).\n",
                     g_limit.c_str(), g_window.empty() ? "no window" : g_window.c_str());
        std::fflush(stderr);
        if (g_previous) g_previous(type, ctx, msg);
        return;
    }
    if (type != QtDebugMsg && type != QtInfoMsg && g_collect) {
        if (!noise(msg)) g_warnings.append(msg);
        return;
    }
    if (noise(msg)) return;
    if (g_previous) g_previous(type, ctx, msg);
}

// What a crash report prints: the window, the seed and the actions so far.
quint64 g_seed = 0;
std::vector<std::string> g_lines;

void report() {
    if (g_window.empty() || g_timedOut) return;
    std::fprintf(stderr, "\nrobot: the program died in window %s (window seed %llu) at action %zu.\n", g_window.c_str(),
                 static_cast<unsigned long long>(g_seed), g_lines.size());
    std::fprintf(stderr, "robot: the actions, replayed with TESSIVAL_ROBOT_REPLAY=<file holding these lines> "
                         "./tst_robot replay:\nwindow %s\n", g_window.c_str());
    for (const std::string& l : g_lines) std::fprintf(stderr, "%s\n", l.c_str());
    std::fflush(stderr);
    g_window.clear();
}

struct sigaction g_old[32];
void onSignal(int sig) {
    report();
    sigaction(sig, &g_old[sig], nullptr);
    raise(sig);
}

// Delivers what the action posted; every few actions the window system's
// events too, so the windows are painted.
void settle(bool paint = true) {
    if (paint) QCoreApplication::processEvents();
    else {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

constexpr int KeepOpen = 6;

// Windows whose answer changes with a message by decision, and why.
struct Allowance {
    const char* window;
    const char* message;  // the message begins so ("": any)
    bool emptiedOnly;     // the answer may only be emptied
    const char* why;
};
const Allowance Allowances[] = {
    {"frmWeights", "", true, "a failed weighing empties the weights: none stands beside a formula it did not weigh"},
    {"frmAcids", "You must enter valid data.", true, "an empty box is refused and the window cleared, as its manual says"},
    {"frmReactions", "You must ", true, "a refused equation empties both frames: no counts stand beside an equation not counted"},
    {"frmReactions", "Left side, molecule", false, "each side is listed on its own; a side that cannot be counted lists nothing"},
    {"frmReactions", "Right side, molecule", false, "each side is listed on its own; a side that cannot be counted lists nothing"},
    {"frmWeights", "The character ", false,
     "a formula set whole with a refused character is refused and the formula kept; Enter then weighs the formula kept"},
    {"frmSigfig", "", true, "a new number empties the count of the last one"},
    {"frmSigfig", "Type mismatch", false, "a count stopped by a character that is no digit shows the count reached before it"},
};

bool allowed(const QString& window, const QList<Msg::Box>& shown, const QStringList& before, const QStringList& after) {
    for (const Allowance& a : Allowances) {
        if (window != QLatin1String(a.window)) continue;
        if (!std::all_of(shown.begin(), shown.end(),
                         [&a](const Msg::Box& b) { return b.text.startsWith(QLatin1String(a.message)); }))
            continue;
        if (!a.emptiedOnly) return true;
        bool emptied = before.size() == after.size();
        for (int i = 0; emptied && i < after.size(); ++i)
            emptied = after.at(i) == before.at(i) || after.at(i).endsWith(QLatin1String(": "));
        if (emptied) return true;
    }
    return false;
}

}  // namespace

extern "C" void __sanitizer_set_death_callback(void (*)(void)) __attribute__((weak));

// Under the undefined-behaviour sanitizer the first report ends the run, by
// abort, so that the crash report above names the actions (the environment's
// UBSAN_OPTIONS still decide).
extern "C" __attribute__((used, visibility("default"))) const char* __ubsan_default_options() {
    return "halt_on_error=1:abort_on_error=1:print_stacktrace=1";
}

void install() {
    g_previous = qInstallMessageHandler(collect);
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) {
        struct sigaction sa = {};
        sa.sa_handler = onSignal;
        sigemptyset(&sa.sa_mask);
        sigaction(sig, &sa, &g_old[sig]);
    }
    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(report);
}

void setRunLimit(const QString& description) { g_limit = description.toStdString(); }

const QStringList& pastes() { return pasteTable(); }

quint64 windowSeed(quint64 seed, const QString& window) {
    quint64 h = 1469598103934665603ull;
    for (QChar c : window) h = (h ^ c.unicode()) * 1099511628211ull;
    quint64 z = seed + h + 0x9e3779b97f4a7c15ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

Runner::Runner(const QString& window, quint64 seed) : m_window(window), m_rng(seed) {
    g_window = window.toStdString();
    g_seed = seed;
    g_lines.clear();
}

Runner::~Runner() {
    g_window.clear();
    TestSupport::messages().whileOpen = nullptr;
}

bool Runner::open(Failure& fail) {
    TestSupport::messages().whileOpen = nullptr;  // a press waiting behind a box of the last window
    Forms::unloadAll();
    TestSupport::settle();
    TestSupport::messages().clear();
    g_warnings.clear();
    g_collect = true;
    Form* f = Forms::show(m_window);
    settle();
    g_collect = false;
    m_form = f;
    if (!f || !f->isVisible()) {
        fail = {QStringLiteral("does not open"), QStringLiteral("%1 did not open").arg(m_window), int(m_log.size())};
        return false;
    }
    if (!g_warnings.isEmpty()) {
        fail = {QStringLiteral("warning"), QStringLiteral("opening warned: ") + g_warnings.join(u'\n'),
                int(m_log.size())};
        return false;
    }
    m_baseline.clear();
    for (Form* o : Forms::loadedForms())
        if (o != f) m_baseline.append(o);
    QApplication::setActiveWindow(f);
    return true;
}

bool Runner::tidy(Failure& fail) {
    const auto alive = [this] { return m_form && Forms::loaded(m_window) == m_form && m_form->isVisible(); };
    bool gone = !alive();
    // Windows the action opened stay for a few actions (the next click may
    // reach them again, as a student's would); then they are unloaded.
    QList<Form*> opened;
    for (Form* o : Forms::loadedForms())
        if (o != m_form && (o->isVisible() || !m_baseline.contains(QPointer<Form>(o)))) opened.append(o);
    if (gone || opened.size() > KeepOpen) {
        for (Form* o : opened) Forms::unload(o);
        settle();
    }
    gone = gone || !alive();
    if (gone) {
        ++m_stats.reopens;
        return open(fail);
    }
    if (QApplication::activeWindow() != m_form) QApplication::setActiveWindow(m_form);
    return true;
}

namespace {
// The part of an action line that tells whether it leaves the window.
QString signature(const QString& line) {
    const QStringList p = line.split(u' ');
    if (p.value(0) == QLatin1String("key")) return p.mid(0, 3).join(u' ');
    return p.value(0) + u' ' + p.value(1);
}
}  // namespace

void Runner::refreshNames() {
    // The names stay while the window keeps the same widgets.
    const QList<QWidget*> all = m_form ? m_form->findChildren<QWidget*>() : QList<QWidget*>();
    bool same = m_named.size() == all.size();
    for (int i = 0; same && i < all.size(); ++i) same = m_named.at(i) == all.at(i);
    if (same && !all.isEmpty()) return;
    m_names = m_form ? widgetNames(m_form) : Names();
    m_named.clear();
    for (QWidget* w : all) m_named.append(w);
}

QString Runner::pick() {
    Form* f = m_form;
    const auto& names = m_names;
    QList<QWidget*> inputs, focusable, toggles, lists, buttons, plain, shownBoxes;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        QWidget* w = it.key();
        // Boxes the student only reads (answers, work lines, constants), enabled or not.
        if (w != f && w->isVisibleTo(f) && !isInput(w) && (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w)))
            shownBoxes.append(w);
        if (w == f || !usable(w, f)) continue;
        if (isInput(w)) inputs.append(w);
        if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) toggles.append(w);
        else if (qobject_cast<QPushButton*>(w)) buttons.append(w);
        if ((qobject_cast<QListWidget*>(w) && static_cast<QListWidget*>(w)->count() > 0) ||
            (qobject_cast<QTreeWidget*>(w) && static_cast<QTreeWidget*>(w)->topLevelItemCount() > 0))
            lists.append(w);
        if (w->focusPolicy() & Qt::TabFocus) focusable.append(w);
        if (qobject_cast<QLabel*>(w) || qobject_cast<QChartView*>(w) || w->metaObject()->className() == QByteArray("PictureBox"))
            plain.append(w);
    }
    // Hash order is not stable: sort by name.
    auto byName = [&names](QList<QWidget*>& l) {
        std::sort(l.begin(), l.end(), [&names](QWidget* a, QWidget* b) { return names.value(a) < names.value(b); });
    };
    for (auto* l : {&inputs, &focusable, &toggles, &lists, &buttons, &plain, &shownBoxes}) byName(*l);
    if (focusable.isEmpty()) focusable.append(f);
    plain.append(f);
    const QList<QAction*> menu = menuItems(f);

    auto rnd = [this](int n) { return n <= 0 ? 0 : int(m_rng() % quint64(n)); };
    auto any = [&](const QList<QWidget*>& l) { return l.at(rnd(l.size())); };
    // A key goes to an input box mostly, else to anything that takes the focus.
    auto keyTarget = [&]() -> QWidget* {
        if (!inputs.isEmpty() && rnd(100) < 75) return any(inputs);
        return any(focusable);
    };

    struct Kind {
        int weight;
        std::function<QString()> make;
    };
    QList<Kind> kinds;
    kinds.append({inputs.isEmpty() ? 8 : 30, [&] {
                      const int g = rnd(100);
                      const QString& set = g < 35 ? Digits : g < 60 ? NumberSigns : g < 80 ? Letters : g < 95 ? Signs : Foreign;
                      const QChar c = set.at(rnd(set.size()));
                      return QStringLiteral("type %1 U+%2").arg(names.value(keyTarget())).arg(c.unicode(), 4, 16, QLatin1Char('0'));
                  }});
    kinds.append({14, [&] {
                      if (rnd(100) < 4) return QStringLiteral("key %1 Alt+%2").arg(names.value(keyTarget())).arg(QChar(u'A' + rnd(26)));
                      const KeyDef& k = Keys[rnd(int(std::size(Keys)))];
                      return QStringLiteral("key %1 %2").arg(names.value(keyTarget()), QLatin1String(k.name));
                  }});
    if (!inputs.isEmpty())
        kinds.append({12, [&] {
                          const int n = rnd(pastes().size());
                          return QStringLiteral("paste %1 %2%3  # %4")
                              .arg(names.value(any(inputs)))
                              .arg(n)
                              .arg(rnd(2) ? QStringLiteral(" replace") : QString(), preview(pastes().at(n)));
                      }});
    if (!inputs.isEmpty())
        kinds.append({8, [&] {
                          return pickWholeText(names.value(any(inputs)), rnd(int(WholeTextVerbs.size())),
                                               rnd(int(pastes().size())));
                      }});
    // A screen reader, a drop or a paste aimed at a box the student only reads.
    if (!shownBoxes.isEmpty())
        kinds.append({2, [&] {
                          return pickWholeText(names.value(any(shownBoxes)), rnd(int(WholeTextVerbs.size())),
                                               rnd(int(pastes().size())));
                      }});
    // Every box filled with a number and Enter pressed: reaches the formulas more often than single keys.
    if (!inputs.isEmpty()) kinds.append({8, [&] { return QStringLiteral("fill %1").arg(rnd(1 << 20)); }});
    if (!toggles.isEmpty())
        kinds.append({10, [&] {
                          QWidget* w = any(toggles);
                          if (rnd(2)) return QStringLiteral("click %1").arg(names.value(w));
                          return QStringLiteral("set %1 %2").arg(names.value(w)).arg(rnd(4) ? 1 : 0);
                      }});
    if (!lists.isEmpty())
        kinds.append({6, [&] {
                          QWidget* w = any(lists);
                          int count = 0;
                          if (auto* l = qobject_cast<QListWidget*>(w)) count = l->count();
                          else count = int(treeItems(static_cast<QTreeWidget*>(w)).size());
                          return QStringLiteral("%1 %2 %3")
                              .arg(rnd(3) ? QStringLiteral("row") : QStringLiteral("dclick"), names.value(w))
                              .arg(rnd(count));
                      }});
    if (!buttons.isEmpty()) kinds.append({22, [&] { return QStringLiteral("click %1").arg(names.value(any(buttons))); }});
    // A screen reader presses a button, now or behind the next message box.
    if (!buttons.isEmpty()) kinds.append({2, [&] { return QStringLiteral("axpress %1").arg(names.value(any(buttons))); }});
    if (!buttons.isEmpty()) kinds.append({3, [&] { return QStringLiteral("behind %1").arg(names.value(any(buttons))); }});
    if (!menu.isEmpty()) kinds.append({6, [&] { return QStringLiteral("menu %1").arg(menu.at(rnd(menu.size()))->objectName()); }});
    kinds.append({2, [&] { return QStringLiteral("mouse %1").arg(names.value(any(plain))); }});
    kinds.append({1, [&] { return QStringLiteral("printer %1").arg(rnd(3) ? 1 : 0); }});
    kinds.append({1, [&] { return QStringLiteral("close -"); }});  // the title bar's close button, or Alt+F4

    int total = 0;
    for (const Kind& k : kinds) total += k.weight;
    QString line;
    for (int attempt = 0; attempt < 10; ++attempt) {
        int r = rnd(total);
        for (const Kind& k : kinds) {
            if (r < k.weight) {
                line = k.make();
                break;
            }
            r -= k.weight;
        }
        // Actions that leave the window come seldom, those that open another
        // window less often than others: loading windows costs.
        const QString sig = signature(line);
        if (m_leaving.contains(sig) ? rnd(100) < 1 : !m_opening.contains(sig) || rnd(100) < 5) break;
    }
    return line;
}

bool Runner::perform(const QString& full) {
    const QString line = full.section(QLatin1String("  #"), 0, 0).trimmed();
    const QStringList p = line.split(u' ', Qt::SkipEmptyParts);
    if (p.isEmpty()) return false;
    const QString& verb = p.at(0);
    if (verb == QLatin1String("printer")) {
        TestSupport::printer().succeed = p.value(1) == QLatin1String("1");
        return true;
    }
    Form* f = m_form;
    if (!f) return false;
    if (verb == QLatin1String("menu")) {
        for (QAction* a : menuItems(f))
            if (a->objectName() == p.value(1)) {
                a->trigger();
                return true;
            }
        return false;
    }
    if (verb == QLatin1String("fill")) {
        // Each visible box (by name) gets a number picked from the action's number; Enter in the last.
        QList<QWidget*> boxes;
        for (auto it = m_names.cbegin(); it != m_names.cend(); ++it)
            if (it.key() != f && isInput(it.key()) && it.key()->isVisibleTo(f)) boxes.append(it.key());
        std::sort(boxes.begin(), boxes.end(), [this](QWidget* a, QWidget* b) { return m_names.value(a) < m_names.value(b); });
        quint64 n = p.value(1).toULongLong();
        for (QWidget* b : std::as_const(boxes)) {
            n = n * 6364136223846793005ull + 1442695040888963407ull;
            const QString number = Numbers.at(int((n >> 33) % quint64(Numbers.size())));
            if (auto* e = qobject_cast<QLineEdit*>(b)) e->setText(number);
            else if (auto* t = qobject_cast<QTextEdit*>(b)) t->setPlainText(number);
        }
        if (!boxes.isEmpty() && boxes.last()) {
            QPointer<QWidget> last = boxes.last();
            if (QApplication::activeWindow() != f) QApplication::setActiveWindow(f);
            last->setFocus(Qt::OtherFocusReason);
            sendKey(last, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        }
        return true;
    }
    if (verb == QLatin1String("close")) return f->close();
    QWidget* w = findWidget(f, m_names, p.value(1));
    if (!w || !w->isVisibleTo(f)) return false;
    auto focus = [f, w] {
        if (QApplication::activeWindow() != f) QApplication::setActiveWindow(f);
        if (w != f && w->focusPolicy() != Qt::NoFocus && w->isEnabled()) w->setFocus(Qt::OtherFocusReason);
    };
    if (verb == QLatin1String("type")) {
        focus();
        typeChar(w, QChar(char16_t(p.value(2).mid(2).toUInt(nullptr, 16))));
    } else if (verb == QLatin1String("key")) {
        focus();
        const QString name = p.value(2);
        if (name.startsWith(QLatin1String("Alt+"))) {
            const QChar c = name.at(4);
            sendKey(w, Qt::Key_A + (c.unicode() - u'A'), Qt::AltModifier, QString(c.toLower()));
        } else {
            for (const KeyDef& k : Keys)
                if (name == QLatin1String(k.name)) sendKey(w, k.key, k.mods, QString::fromLatin1(k.text));
        }
    } else if (verb == QLatin1String("paste")) {
        focus();
        QApplication::clipboard()->setText(pastes().value(p.value(2).toInt()));
        if (p.value(3) == QLatin1String("replace")) sendKey(w, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
        if (QPointer<QWidget> g(w); g) sendKey(w, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    } else if (WholeTextVerbs.contains(verb)) {
        focus();
        performWholeText(verb, w, pastes().value(p.value(2).toInt()));
    } else if (verb == QLatin1String("click")) {
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (!b || !b->isEnabled()) return false;
        b->click();
    } else if (verb == QLatin1String("axpress")) {
        return pressAccessibly(qobject_cast<QAbstractButton*>(w));
    } else if (verb == QLatin1String("behind")) {
        // The next message box, in this action or a later one, has the
        // button pressed behind it while it is open.
        QPointer<QAbstractButton> b = qobject_cast<QAbstractButton*>(w);
        if (!b) return false;
        TestSupport::messages().whileOpen = [b] {
            if (b && pressAccessibly(b)) g_pressedBehind = true;
        };
    } else if (verb == QLatin1String("set")) {
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (!b || !b->isEnabled()) return false;
        b->setChecked(p.value(2) == QLatin1String("1"));
    } else if (verb == QLatin1String("mouse")) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    } else if (verb == QLatin1String("row") || verb == QLatin1String("dclick")) {
        const int n = p.value(2).toInt();
        QAbstractItemView* view = nullptr;
        QRect rect;
        if (auto* l = qobject_cast<QListWidget*>(w)) {
            if (n >= l->count()) return false;
            l->setCurrentRow(n);
            l->scrollToItem(l->item(n));
            view = l;
            rect = l->visualItemRect(l->item(n));
        } else if (auto* t = qobject_cast<QTreeWidget*>(w)) {
            const auto items = treeItems(t);
            if (n >= items.size()) return false;
            t->scrollToItem(items.at(n));
            t->setCurrentItem(items.at(n));
            view = t;
            rect = t->visualItemRect(items.at(n));
        }
        if (!view) return false;
        if (verb == QLatin1String("dclick") && rect.isValid()) {
            focus();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
            if (QPointer<QAbstractItemView> g(view); g)
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        }
    } else {
        return false;
    }
    return true;
}

// The box a text-entering action aimed at holds what it held or that text
// with the entered text taken whole; the window's own writes happen on other actions.
Failure checkHeldWhole(const QString& line, QWidget* aimed, const QHash<QWidget*, QString>& before) {
    Failure fail;
    const std::optional<QString> entered = enteredBy(line);
    if (!entered || !aimed || !isInput(aimed) || !before.contains(aimed)) return fail;
    const QString was = before.value(aimed), now = textOf(aimed);
    if (heldWhole(was, now, *entered)) return fail;
    fail.kind = QStringLiteral("text not held whole");
    fail.detail = QStringLiteral("the box held \"%1\", was given \"%2\" and holds \"%3\"")
                      .arg(preview(was), preview(*entered), preview(now));
    return fail;
}

Failure Runner::step(const QString& line) {
    Failure fail;
    fail.step = int(m_log.size()) - 1;
    Form* f = m_form;
    const QStringList before = f ? answerState(f) : QStringList();
    // Every editable box on screen, to tell the program's changes from the robot's typing.
    QHash<QWidget*, QString> typed;
    for (Form* o : Forms::loadedForms())
        if (o->isVisible())
            for (QWidget* w : o->findChildren<QWidget*>())
                if (isInput(w)) typed.insert(w, textOf(w));
    const QString target = line.section(u' ', 1, 1);
    const QPointer<QWidget> aimed = f ? findWidget(f, m_names, target) : nullptr;
    // What a box the student only reads showed before a text was aimed at it.
    const std::optional<QString> shownBefore =
        aimed && !isInput(aimed) ? std::optional<QString>(textOf(aimed)) : std::nullopt;
    // What the student has typed or pastes now.
    QSet<QString> echo;
    for (const QString& text : std::as_const(typed)) echo.unite(badWords(text));
    if (line.startsWith(QLatin1String("paste ")) || WholeTextVerbs.contains(line.section(u' ', 0, 0)))
        echo.unite(badWords(pastes().value(line.section(u' ', 2, 2).toInt())));

    const QList<Form*> loadedBefore = Forms::loadedForms();
    TestSupport::messages().clear();
    TestSupport::printer().printed.clear();
    g_warnings.clear();
    g_collect = true;
    g_pressedBehind = false;
    g_stuckPress.clear();
    QElapsedTimer t;
    t.start();
    perform(line);
    settle(m_stats.actions % 32 == 0);
    const qint64 us = t.nsecsElapsed() / 1000;
    g_collect = false;
    ++m_stats.actions;
    if (us > m_stats.slowestUs) {
        m_stats.slowestUs = us;
        m_stats.slowestAction = line;
    }
    if (aimed && isInput(aimed)) echo.unite(badWords(textOf(aimed)));
    static const bool trace = qEnvironmentVariableIsSet("TESSIVAL_ROBOT_TRACE");
    if (trace) {
        QStringList seen = m_form ? answerState(m_form) : QStringList{QStringLiteral("(closed)")};
        for (const Msg::Box& b : TestSupport::messages().shown) seen << QStringLiteral("message: ") + b.text;
        std::fprintf(stderr, "%s\n    %s\n", qPrintable(line), qPrintable(seen.join(QStringLiteral("\n    ")).left(600)));
    }
    const QList<Msg::Box> shown = TestSupport::messages().shown;
    m_stats.messages += int(shown.size());
    if (!g_stuckPress.isEmpty()) {
        fail.kind = QStringLiteral("press never ends");
        fail.detail = g_stuckPress;
        return fail;
    }

    for (const Msg::Box& b : shown)
        if (b.text.trimmed().isEmpty()) {
            fail.kind = QStringLiteral("empty message");
            fail.detail = QStringLiteral("a message box titled \"%1\" says nothing").arg(b.title);
            return fail;
        }
    for (const Msg::Box& b : shown)
        if (bad(b.text, echo) || bad(b.title)) {
            fail.kind = QStringLiteral("inf or nan shown");
            fail.detail = QStringLiteral("message box: ") + b.text.left(300);
            return fail;
        }
    for (Form* o : Forms::loadedForms()) {
        if (!o->isVisible()) continue;
        QSet<QWidget*> changed;
        for (QWidget* w : o->findChildren<QWidget*>())
            if (isInput(w) && w != aimed.data() && (!typed.contains(w) || typed.value(w) != textOf(w))) changed.insert(w);
        if (auto seen = badText(o, changed, echo)) {
            fail.kind = QStringLiteral("inf or nan shown");
            fail.detail = seen->where + QStringLiteral(" shows \"") + seen->text + u'"';
            return fail;
        }
        if (auto seen = longNumber(o, changed)) {
            fail.kind = QStringLiteral("long number shown");
            fail.detail = seen->where + QStringLiteral(" shows \"") + seen->text + u'"';
            return fail;
        }
    }
    if (aimed && !isInput(aimed) && !g_pressedBehind && WholeTextVerbs.contains(line.section(u' ', 0, 0)) &&
        shownBefore.has_value() && textOf(aimed) != *shownBefore) {
        fail.kind = QStringLiteral("read-only box changed");
        fail.detail = QStringLiteral("%1 held \"%2\" and holds \"%3\"")
                          .arg(target, preview(*shownBefore), preview(textOf(aimed)));
        return fail;
    }
    // A button pressed behind the box (Clear, Cancel) may empty or close it.
    if (Failure held = g_pressedBehind ? Failure() : checkHeldWhole(line, aimed, typed); held) {
        held.step = fail.step;
        return held;
    }
    if (!g_warnings.isEmpty()) {
        fail.kind = QStringLiteral("warning");
        fail.detail = g_warnings.join(u'\n').left(600);
        return fail;
    }
    // A button pressed behind a message box may change the answer as a press does.
    if (!shown.isEmpty() && !g_pressedBehind && f && m_form == f && Forms::loaded(m_window) == f) {
        const QStringList after = answerState(f);
        // An answer belongs to the boxes beside it: an action that changed a
        // box's text (and then met a message) leaves it emptied, nothing else.
        bool edited = false;
        for (QWidget* w : f->findChildren<QWidget*>())
            if (isInput(w) && typed.contains(w) && typed.value(w) != textOf(w)) edited = true;
        bool emptiedOnly = before.size() == after.size();
        for (int i = 0; emptiedOnly && i < after.size(); ++i)
            emptiedOnly = after.at(i) == before.at(i) || after.at(i).endsWith(QLatin1String(": "));
        if (after != before && !(edited && emptiedOnly) && !allowed(m_window, shown, before, after)) {
            QStringList diff;
            for (int i = 0; i < qMax(before.size(), after.size()); ++i)
                if (before.value(i) != after.value(i))
                    diff << QStringLiteral("  was \"%1\"\n  now \"%2\"").arg(before.value(i).left(120), after.value(i).left(120));
            fail.kind = QStringLiteral("state changed");
            fail.detail = QStringLiteral("after the message \"%1\" the answer changed:\n%2")
                              .arg(shown.first().text.left(200), diff.join(u'\n'));
            return fail;
        }
    }
    const bool stayed = m_form == f && f && Forms::loaded(m_window) == f && f->isVisible();
    if (!stayed) m_leaving.insert(signature(line));
    for (Form* o : Forms::loadedForms())
        if (!loadedBefore.contains(o)) m_opening.insert(signature(line));
    if (!tidy(fail)) {
        fail.step = int(m_log.size()) - 1;
        fail.detail += QStringLiteral(" (opened again after the action)");
        return fail;
    }
    return Failure{};
}

Failure Runner::run(int actions) {
    Failure fail;
    if (!open(fail)) return fail;
    // First every button, option, check box and menu item once, in name order.
    refreshNames();
    QStringList sweep;
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it)
        if (qobject_cast<QAbstractButton*>(it.key()) && usable(it.key(), m_form)) sweep << QStringLiteral("click ") + it.value();
    sweep.sort();
    for (QAction* a : menuItems(m_form)) sweep << QStringLiteral("menu ") + a->objectName();
    for (int i = 0; i < actions; ++i) {
        refreshNames();
        const QString line = sweep.isEmpty() ? pick() : sweep.takeFirst();
        m_log.append(line);
        g_lines.push_back(line.toStdString());
        const int reopens = m_stats.reopens;
        fail = step(line);
        if (fail) return fail;
        if (m_stats.reopens != reopens) m_log.append(QStringLiteral("# reopened"));
    }
    return Failure{};
}

Failure Runner::replay(const QStringList& lines) {
    Failure fail;
    if (!open(fail)) return fail;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#') || line.startsWith(QLatin1String("window "))) continue;
        m_log.append(line);
        g_lines.push_back(line.toStdString());
        refreshNames();
        fail = step(line);
        if (fail) return fail;
    }
    return Failure{};
}

QStringList shorten(const QString& window, const QStringList& lines, const Failure& failure) {
    QStringList acts;
    for (const QString& l : lines)
        if (!l.startsWith(u'#')) acts << l;
    int tries = 0;
    auto fails = [&](const QStringList& list) {
        ++tries;
        TestSupport::unloadAll();
        Runner r(window, 0);
        const Failure g = r.replay(list);
        TestSupport::unloadAll();
        return g.kind == failure.kind;
    };
    auto budget = [&] { return tries < 200; };
    // The actions since the window last opened, when they fail alone.
    const int reopened = int(lines.lastIndexOf(QStringLiteral("# reopened")));
    if (reopened >= 0) {
        QStringList tail;
        for (int i = reopened + 1; i < lines.size(); ++i)
            if (!lines.at(i).startsWith(u'#')) tail << lines.at(i);
        if (fails(tail)) acts = tail;
    }
    // Then drop pieces, halves first, while it still fails.
    for (int chunk = qMax(1, int(acts.size()) / 2); chunk >= 1 && budget(); chunk /= 2) {
        for (int at = 0; at + 1 < acts.size() && budget();) {
            QStringList fewer = acts;
            const int n = qMin(chunk, int(acts.size()) - 1 - at);  // the failing action stays
            if (n <= 0) break;
            fewer.remove(at, n);
            if (fails(fewer)) acts = fewer;
            else at += n;
        }
    }
    return acts;
}

}  // namespace Robot
