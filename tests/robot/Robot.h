#pragma once
// A robot that drives one window as a careless student would: it types keys
// of every kind, pastes odd texts, flips options and check boxes, picks list
// lines, presses buttons and menu items (also as a screen reader does, behind
// an open message box), and clicks about. After every action
// it checks what the student sees (no "inf" or "nan", no Qt warning, a box
// holds its text or the entered text whole, and after a message box the
// answer and work line as they were before the action).
//
// Every action is one line of text ("press cmdOk", "paste Text1 12"), so a
// run can be written down and replayed exactly.
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <random>

class Form;
class QWidget;

namespace Robot {

// The texts a paste action puts in the clipboard, by number.
const QStringList& pastes();

struct Failure {
    QString kind;    // "inf or nan shown", "state changed", "warning", "does not open"
    QString detail;
    int step = -1;   // index of the action in the list that failed
    explicit operator bool() const { return !kind.isEmpty(); }
};

struct Stats {
    int actions = 0;
    int reopens = 0;
    int messages = 0;
    qint64 slowestUs = 0;
    QString slowestAction;
};

class Runner {
public:
    Runner(const QString& window, quint64 seed);
    ~Runner();

    // Random actions; stops at the first failure.
    Failure run(int actions);
    // The given action lines; stops at the first failure.
    Failure replay(const QStringList& lines);

    const QStringList& log() const { return m_log; }
    const Stats& stats() const { return m_stats; }
    QString window() const { return m_window; }

private:
    bool open(Failure& f);
    QString pick();
    Failure step(const QString& line);
    bool perform(const QString& line);
    // Unloads the windows the actions opened; opens the window again when it went.
    bool tidy(Failure& fail);

    QString m_window;
    std::mt19937_64 m_rng;
    QPointer<Form> m_form;
    QList<QPointer<Form>> m_baseline;  // loaded (hidden) with the window under test
    void refreshNames();
    QHash<QWidget*, QString> m_names;  // the window's widgets by name
    QList<QPointer<QWidget>> m_named;  // the widgets they were given for
    QStringList m_log;
    Stats m_stats;
    // Actions that closed or replaced the window: picked rarely, as reopening costs.
    QSet<QString> m_leaving;
    QSet<QString> m_opening;  // and actions that opened another window
};

// Seed of one window's run from the suite's seed.
quint64 windowSeed(quint64 seed, const QString& window);

// A shorter action list that fails in the same way (in-process; windows unloaded between tries).
QStringList shorten(const QString& window, const QStringList& lines, const Failure& failure);

// Installs the warning collector and the crash report (call once).
void install();
// How the run's time limit was set, named when QtTest's watchdog ends the
// run: the limit counts over every window of the run, so the window being
// driven when it runs out is not at fault.
void setRunLimit(const QString& description);

}  // namespace Robot
