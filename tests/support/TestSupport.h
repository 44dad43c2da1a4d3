#pragma once
// Scripted stand-ins for message boxes, the printer and program starts, and
// helpers to drive windows as a student would.
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <utility>

#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/PrintService.h"
#include "platform/Program.h"

namespace TestSupport {
// Fails the running test when a text the program wrote shows ten or more
// decimals that no input box holds as typed: a binary value printed whole
// ("0.350000000000023"), not a number the student entered.
void expectNoNoise(const QString& text, const QString& where);
}  // namespace TestSupport

class FakeMessages : public Msg::Service {
public:
    QList<Msg::Box> shown;
    QList<Msg::Answer> answers;  // taken in order; Ok when exhausted
    // Runs once while the next box is open, as a student's hand behind it.
    std::function<void()> whileOpen;
    Msg::Answer show(const Msg::Box& box) override {
        TestSupport::expectNoNoise(box.text, QStringLiteral("message"));
        shown.append(box);
        if (whileOpen) std::exchange(whileOpen, nullptr)();
        return answers.isEmpty() ? Msg::Answer::Ok : answers.takeFirst();
    }
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear() { shown.clear(); }
    void reset() {
        shown.clear();
        answers.clear();
        whileOpen = nullptr;
    }
};

class FakePrinter : public Print::Service {
public:
    QList<QWidget*> printed;
    bool succeed = true;
    bool printWindow(QWidget* w) override {
        printed.append(w);
        return succeed;
    }
};

class FakeLauncher : public Program::Launcher {
public:
    QStringList available;  // programs that "exist"
    QStringList started;
    bool start(const QString& program, const QStringList&) override {
        if (!available.contains(program)) return false;
        started.append(program);
        return true;
    }
};

// Points the program at a database built from the given statements for as
// long as it lives, then back at the real one.
class TempDatabase {
public:
    explicit TempDatabase(const QStringList& statements);
    ~TempDatabase();
    // Fills `table` (made of one text column `field`) with `rows` long rows
    // and overwrites pages in the last third of the file with garbage, so a
    // read of that table fails part-way ("database disk image is malformed").
    bool damage(const QString& table, const QString& field, int rows = 2000);
    QTemporaryDir dir;
    QString path;
    bool opened = false;
};

namespace TestSupport {
// Pins the locale (en_US), installs the fakes and opens the database.
void init();
FakeMessages& messages();
FakePrinter& printer();
FakeLauncher& launcher();
// Unloads every window and lets deferred deletions run; first the captions,
// prompts and work lines of every loaded window must show no binary noise.
void unloadAll();
// The runs of ten or more decimals in `text` that no input box holds as typed.
QStringList noise(const QString& text);
// The captions, prompts, titles and work lines of the loaded windows, each
// as "window/control: text".
QStringList shownTexts();
// Runs deferred deletions and posted events.
void settle();
// A window suite's start: init() and a stand-in help window.
void initWindows();
// Between window tests: unloads every window, forgets messages and printed pages.
void reset();

// Types text key by key into a box (through its key filter).
void type(QWidget* box, const QString& text);
// Presses a key in the widget that would have it.
void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);

// Whether the window is loaded and on screen.
bool shown(const char* name);
// The registered windows built on the calculator or the conversion shape.
QStringList shapedWindows();

// Registers a plain window under the name where no real one is built in.
void standIn(const QString& name, const QString& caption = QString());

// Shows a window by name, as T, once its posted events have run.
template <class T = Form> T* open(const QString& name) {
    T* f = Forms::showAs<T>(name);
    settle();
    return f;
}

// Exactly one message was shown, with this text, title and icon.
inline void expectOne(const QString& text, const QString& title, Msg::Icon icon) {
    QCOMPARE(messages().shown.size(), 1);
    QCOMPARE(messages().lastText(), text);
    QCOMPARE(messages().shown.last().title, title);
    QCOMPARE(messages().shown.last().icon, icon);
}

// Where a control stands in its window.
QRect placed(const QWidget* w);
// The visible named controls of window `f` that stand partly outside it or
// below their smallest size, by name ("" when none is cut).
QString cut(QWidget* f);
// Control `first` of the window stands "above", "left of" (beside, at its
// height) or "inside" control `second`.
void checkPlace(QWidget* window, const QString& first, const QString& relation, const QString& second);

template <class T> T* child(QWidget* form, const char* name) {
    T* c = form->findChild<T*>(QLatin1String(name));
    if (!c) qWarning("no control %s in %s", name, qPrintable(form->objectName()));
    return c;
}
}  // namespace TestSupport
