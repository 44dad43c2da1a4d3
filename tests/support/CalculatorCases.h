#pragma once
// One row runner for the calculators. A row chooses an option (an index of the
// window's options; -1, or 0 in a window without any: none), enters texts
// into the boxes and sends them, and names the answer, the work line and the
// messages in order (seen(): "i:", "!:" or "x:" before a message with the
// information, exclamation or critical icon) with their title ("": the run's).
// Each row starts from a first answer, which a refused row keeps: a row
// written as keeping it whose texts changed a box expects it gone.
#include <QStringList>
#include <functional>

#include "platform/MessageBox.h"

class CalculatorForm;
class QTestData;

namespace CalculatorCases {

void columns();
// A table's own columns follow: row(...) << window.
QTestData& row(const char* name, int option, const QStringList& typed, const QString& answer, const QString& work,
               const QStringList& said = {}, const QString& title = QString());
QString seen(const QString& text, Msg::Icon icon);
// No message for an empty text, else the one message.
QStringList said(const QString& text, Msg::Icon icon);

struct Run {
    const char* window;
    // The first answer's texts under each option (one list serves every option):
    // the input boxes' in order, or "Name=text" pairs, which empty every input
    // box first (for the first answer and the rows alike).
    QList<QStringList> first;
    bool typeFirst = false;  // typed key by key, not set as a paste
    enum Press { EnterInFirstBox, EnterInLastTyped, EnterInLastBox, Ok } press = EnterInFirstBox;
    QString title = QStringLiteral("Tessival");
    // More of the answer, each after " | ": a second answer box, a caption.
    const char* secondAnswer = nullptr;
    const char* caption = nullptr;
    bool listed = false;  // a message that is no fault's description is one the window lists; a fault's is not
    std::function<void(CalculatorForm*, int option)> choose;  // instead of checking the option
    std::function<void(CalculatorForm*)> after;               // a check of the window's own
};
// Runs the current row of a table made by columns() and row().
void run(const Run& r);

// The same rows for a conversion window: the option is a direction (-1:
// none), the one typed text goes into its box, the work is the work line or,
// in a window without one, the unit; the table adds a "button" column, the
// conversion button the row presses.
struct Conversion {
    const char* window;
    QString first;            // converted first, by firstButton
    const char* firstButton;
    QString title = QStringLiteral("Tessival");
    bool listed = false;
};
void convert(const Conversion& c);

}  // namespace CalculatorCases
