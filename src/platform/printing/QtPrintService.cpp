// Printing on a real printer: a part of its own (libtessival_print.so), so
// that Qt Print Support loads with the first print, not with the program.
#include "platform/PrintService.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

// The file a window prints to without a printer: its title (a slash in it
// would name a folder) as a PDF file.
QString pdfName(QString title) {
    title.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    title = title.trimmed();
    return (title.isEmpty() ? QStringLiteral("Tessival") : title) + QStringLiteral(".pdf");
}

class QtService : public Print::Service {
public:
    bool printWindow(QWidget* w) override {
        QPrinter printer(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            // No printer: let the student choose one, or print to a PDF file.
            if (printer.outputFileName().isEmpty()) printer.setOutputFileName(pdfName(w->windowTitle()));
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

}  // namespace

extern "C" Q_DECL_EXPORT Print::Service* tessival_print_service() { return new QtService; }
