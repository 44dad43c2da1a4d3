#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <utility>

namespace Msg {
namespace {

class QtService : public Service {
public:
    Answer show(const Box& b) override {
        // On the heap: the window behind the box may go while it is open (a
        // screen reader can press Cancel there), and takes its child boxes along.
        QPointer<QMessageBox> box = new QMessageBox(QApplication::activeWindow());
        const auto gone = qScopeGuard([&box] { delete box; });
        box->setWindowTitle(b.title);
        box->setText(b.text);
        switch (b.icon) {
        case Icon::Information: box->setIcon(QMessageBox::Information); break;
        case Icon::Exclamation: box->setIcon(QMessageBox::Warning); break;
        case Icon::Critical: box->setIcon(QMessageBox::Critical); break;
        case Icon::Question: box->setIcon(QMessageBox::Question); break;
        case Icon::None: box->setIcon(QMessageBox::NoIcon); break;
        }
        QMessageBox::StandardButtons sb;
        switch (b.buttons) {
        case Buttons::Ok: sb = QMessageBox::Ok; break;
        case Buttons::OkCancel: sb = QMessageBox::Ok | QMessageBox::Cancel; break;
        case Buttons::YesNo: sb = QMessageBox::Yes | QMessageBox::No; break;
        case Buttons::YesNoCancel: sb = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
        case Buttons::RetryCancel: sb = QMessageBox::Retry | QMessageBox::Cancel; break;
        }
        box->setStandardButtons(sb);
        const int answer = box->exec();
        // A box that went with its window was answered as Escape answers it.
        if (!box) return b.buttons == Buttons::Ok ? Answer::Ok : b.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
        switch (answer) {
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Retry: return Answer::Retry;
        default: return b.buttons == Buttons::Ok || b.buttons == Buttons::OkCancel ? Answer::Ok : Answer::Cancel;
        }
    }
};

int g_openBoxes = 0;

QList<std::function<void()>>& waiting() {
    static QList<std::function<void()>> w;
    return w;
}

std::shared_ptr<Service>& current() {
    static std::shared_ptr<Service> s = std::make_shared<QtService>();
    return s;
}

}  // namespace

QString normaliseLines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons) {
    Box b{normaliseLines(text), title.isEmpty() ? DefaultTitle : title, icon, buttons};
    std::shared_ptr<Service> s = current();  // keep alive while the box is up
    ++g_openBoxes;
    const auto closed = qScopeGuard([] {
        if (--g_openBoxes > 0) return;
        for (const std::function<void()>& then : std::exchange(waiting(), {})) then();
    });
    return s->show(b);
}

void whenNoBoxOpen(std::function<void()> then) {
    if (g_openBoxes == 0) then();
    else waiting().append(std::move(then));
}

std::shared_ptr<Service> setService(std::shared_ptr<Service> s) {
    auto old = current();
    current() = s ? std::move(s) : std::make_shared<QtService>();
    return old;
}

}  // namespace Msg
