#include "PrintService.h"
#include "MessageBox.h"

#include "Program.h"

#include <QtGlobal>

namespace Print {
namespace {

// Qt Print Support loads with the first print: the printer service is a part
// of its own (platform/printing).
class PartService : public Service {
public:
    bool printWindow(QWidget* w) override {
        if (!m_printer) {
            QString why;
            auto make = reinterpret_cast<Service* (*)()>(
                Program::partFunction(QStringLiteral("tessival_print"), "tessival_print_service", &why));
            if (!make) {
                qWarning("Printing is not available: %s", qPrintable(why));
                return false;
            }
            m_printer.reset(make());
        }
        return m_printer->printWindow(w);
    }

private:
    std::unique_ptr<Service> m_printer;
};

std::shared_ptr<Service>& current() {
    static std::shared_ptr<Service> s = std::make_shared<PartService>();
    return s;
}

}  // namespace

void printWindow(QWidget* window) {
    std::shared_ptr<Service> s = current();
    if (!s->printWindow(window))
        Msg::show(QStringLiteral("The window could not be printed. Please check the printer."),
                  QStringLiteral("Tessival"), Msg::Icon::Exclamation);
}

std::shared_ptr<Service> setService(std::shared_ptr<Service> s) {
    auto old = current();
    current() = s ? std::move(s) : std::make_shared<PartService>();
    return old;
}

}  // namespace Print
