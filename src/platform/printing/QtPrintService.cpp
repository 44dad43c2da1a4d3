// Printing on a real printer: a part of its own (libtessival_print.so), so
// that Qt Print Support loads with the first print, not with the program.
// Without any printer the window is saved as a PDF file (PrintService).
#include "platform/PrintService.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

class QtService : public Print::Service {
public:
    bool hasPrinter() override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

    bool printWindow(QWidget* w) override {
        QPrinter printer(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            // Printers but no default one: the student chooses one. Files
            // are written by the program itself, which names them in full
            // and asks before replacing one.
            QPrintDialog dlg(&printer, w);
            dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
            if (dlg.exec() != QDialog::Accepted) return true;  // the student chose not to print
            if (!printer.outputFileName().isEmpty()) return false;
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

}  // namespace

extern "C" Q_DECL_EXPORT Print::Service* tessival_print_service() { return new QtService; }
