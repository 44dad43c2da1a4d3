#pragma once
// One row runner for the calculators: a row chooses an option, enters texts
// into the boxes, presses Ok, and names the answer, the work line and the
// messages the student sees. Each row starts from a first answer, which a
// refused row keeps: a row written as keeping it, whose texts changed a box,
// expects it gone (an answer belongs to the boxes beside it).
#include <QStringList>
#include <functional>

#include "platform/MessageBox.h"

class QTestData;

class CalculatorForm;

namespace CalculatorCases {

// The columns of a row table: option (an index of the window's options, -1:
// none chosen; 0 in a window without options: none), typed, answer, work, said (the messages in order, each as
// seen(): its text, after "i:", "!:" or "x:" for the information,
// exclamation or critical icon), title (empty: the run's).
void columns();
// A table's own columns follow (row(...) << window).
QTestData& row(const char* name, int option, const QStringList& typed, const QString& answer, const QString& work,
               const QStringList& said = {}, const QString& title = QString());
// A message as a row names it.
QString seen(const QString& text, Msg::Icon icon);
// No message for an empty text, else the one message.
QStringList said(const QString& text, Msg::Icon icon);

struct Run {
    const char* window;
    // The texts of the first answer under each option (one list serves every
    // option). Texts are the input boxes' in order, or "Name=text" pairs: then
    // every input box is emptied before the pairs are set, for the first
    // answer and the row alike.
    QList<QStringList> first;
    // The first answer's texts are typed key by key, not set as a paste.
    bool typeFirst = false;
    // How the row's texts are sent: Enter in the first or the last box typed, or Ok.
    enum Press { EnterInFirstBox, EnterInLastTyped, EnterInLastBox, Ok } press = EnterInFirstBox;
    QString title = QStringLiteral("Tessival");
    // More of the answer, each after " | ": a second answer box, a caption.
    const char* secondAnswer = nullptr;
    const char* caption = nullptr;
    // Every message but a fault's description is one the window lists.
    bool listed = false;
    // Chooses the row's option (default: checks that option).
    std::function<void(CalculatorForm*, int option)> choose;
    // A check of the window's own, once the row's answer is compared.
    std::function<void(CalculatorForm*)> after;
};
// Runs the current row of the table made by columns() and row().
void run(const Run& r);

}  // namespace CalculatorCases
