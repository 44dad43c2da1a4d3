#include "PrintService.h"
#include "MessageBox.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace Print {
namespace {

class QtService : public Service {
public:
    bool printWindow(QWidget* w) override {
        QPrinter printer(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            // No printer: let the student choose one, or print to a PDF file.
            if (printer.outputFileName().isEmpty())
                printer.setOutputFileName(w->windowTitle().isEmpty() ? QStringLiteral("Tessival.pdf")
                                                                     : w->windowTitle() + QStringLiteral(".pdf"));
            QPrintDialog dlg(&printer, w);
            if (dlg.exec() != QDialog::Accepted) return true;  // the student chose not to print
        }
        QPainter p;
        if (!p.begin(&printer)) return false;
        // Scale the window from screen pixels to printer dots, keeping its shape.
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const double dotsPerPixel = printer.resolution() / double(w->logicalDpiX());
        double scale = dotsPerPixel;
        if (w->width() * scale > page.width()) scale = page.width() / double(w->width());
        p.scale(scale, scale);
        w->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
        return p.end();
    }
};

std::shared_ptr<Service>& current() {
    static std::shared_ptr<Service> s = std::make_shared<QtService>();
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
    current() = s ? std::move(s) : std::make_shared<QtService>();
    return old;
}

}  // namespace Print
