#pragma once
// Modal message boxes behind one interface, so tests can script the answers.
#include <QString>
#include <QList>
#include <functional>
#include <memory>

namespace Msg {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// The title a box shows when given none.
inline const QString DefaultTitle = QStringLiteral("Tessival V1.5");

struct Box {
    QString text;   // as shown: line feed + carriage return joins become line breaks
    QString title;  // as shown
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

class Service {
public:
    virtual ~Service() = default;
    virtual Answer show(const Box& box) = 0;
};

// Shows a box through the current service and returns the answer.
Answer show(const QString& text, const QString& title = QString(), Icon icon = Icon::None,
            Buttons buttons = Buttons::Ok);
inline Answer info(const QString& text, const QString& title = QStringLiteral("Tessival")) {
    return show(text, title, Icon::Information);
}
inline Answer plain(const QString& text, const QString& title = QStringLiteral("Tessival")) {
    return show(text, title, Icon::None);
}

// Runs `then` now, or once no box is open any more: a window closed from
// behind an open box (a screen reader can press its Cancel) goes only after
// the box, and the handler that showed it, are done with it.
void whenNoBoxOpen(std::function<void()> then);

// Replaces the service (tests); returns the previous one. nullptr restores the real boxes.
std::shared_ptr<Service> setService(std::shared_ptr<Service> s);

// Lines joined the platform's way ("\n\r") become plain line breaks.
QString normaliseLines(const QString& text);

}  // namespace Msg
