#include "PrintService.h"
#include "MessageBox.h"

#include "Program.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QWidget>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Print {
namespace {

// Qt Print Support loads with the first print: the printer service is a part
// of its own (platform/printing).
class PartService : public Service {
public:
    bool hasPrinter() override { return load() && m_printer->hasPrinter(); }
    bool printWindow(QWidget* w) override { return load() && m_printer->printWindow(w); }

private:
    bool load() {
        if (m_printer) return true;
        QString why;
        auto make = reinterpret_cast<Service* (*)()>(
            Program::partFunction(QStringLiteral("tessival_print"), "tessival_print_service", &why));
        if (!make) {
            qWarning("Printing is not available: %s", qPrintable(why));
            return false;
        }
        m_printer.reset(make());
        return true;
    }
    std::unique_ptr<Service> m_printer;
};

std::shared_ptr<Service>& current() {
    static std::shared_ptr<Service> s = std::make_shared<PartService>();
    return s;
}

const QString Title = QStringLiteral("Tessival");

// The process's file-creation mask, read without changing it where the
// system tells it (/proc/self/status), else set and put back at once.
mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (!line.startsWith("Umask:")) continue;
            bool ok = false;
            const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok) return mode_t(mask & 0777);
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// Writes the bytes to a new file beside `path` and renames it over `path`:
// the old file stays whole until the new one is complete, and a link at
// `path` is replaced, never written through. False with the system's reason.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* why) {
    const QFileInfo fi(path);
    const QByteArray target = QFile::encodeName(fi.absoluteFilePath());
    QByteArray temp = QFile::encodeName(fi.absolutePath() + QStringLiteral("/.") + fi.fileName()) + ".XXXXXX";
    auto fail = [why](int error) {
        *why = QString::fromLocal8Bit(std::strerror(error));
        return false;
    };
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail(errno);
    int error = 0;
    struct stat old {};
    // A file replaced keeps its mode; a new one gets what the umask allows.
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(fd, mode) != 0) error = errno;
    for (qsizetype done = 0; !error && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : ENOSPC;
        else done += n;
    }
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temp.constData(), target.constData()) != 0) error = errno;
    if (error) {
        ::unlink(temp.constData());
        return fail(error);
    }
    return true;
}

// No printer: the window goes to a PDF file the student sees named in full,
// and a file already there is replaced only when the student says so.
void saveAsPdf(QWidget* window) {
    const QString path = pdfFile(window->windowTitle());
    const QString shown = QDir::toNativeSeparators(path);
    if (Msg::show(QStringLiteral("There is no printer. The window will be saved as the PDF file \"%1\".").arg(shown),
                  Title, Msg::Icon::Information, Msg::Buttons::OkCancel) != Msg::Answer::Ok)
        return;
    const QFileInfo fi(path);
    QString why;
    if (fi.isSymLink()) {
        // Written through, a link would replace a file the student never saw named.
        why = QStringLiteral("it is a link to \"%1\"").arg(QDir::toNativeSeparators(fi.symLinkTarget()));
    } else if (fi.isDir()) {
        why = QStringLiteral("a folder of that name is there");
    } else if (fi.exists() &&
               Msg::show(QStringLiteral("The file \"%1\" is there already. Do you want to replace it?").arg(shown), Title,
                         Msg::Icon::Question, Msg::Buttons::YesNo) != Msg::Answer::Yes) {
        return;
    }
    if (why.isEmpty() && writePdf(window, path, &why)) return;
    Msg::show(QStringLiteral("The window could not be saved as \"%1\": %2.").arg(shown, why), Title,
              Msg::Icon::Exclamation);
}

}  // namespace

QString pdfFile(const QString& title) {
    // A slash in the title would name a folder.
    QString name = title;
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    name = name.trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name.prepend(QStringLiteral("Tessival"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).absoluteFilePath(name + QStringLiteral(".pdf"));
}

bool writePdf(QWidget* w, const QString& path, QString* why) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(w->windowTitle());
        writer.setCreator(Title);
        writer.setResolution(300);
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
        QPainter p;
        if (!p.begin(&writer)) {
            *why = QStringLiteral("the PDF image could not be drawn");
            return false;
        }
        // The window at its printed size, scaled down where it is wider or
        // taller than the page, keeping its shape.
        const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
        double scale = writer.resolution() / double(w->logicalDpiX());
        scale = std::min({scale, page.width() / double(w->width()), page.height() / double(w->height())});
        p.scale(scale, scale);
        w->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
        p.end();
    }
    return replaceFile(path, pdf.data(), why);
}

void printWindow(QWidget* window) {
    std::shared_ptr<Service> s = current();
    if (!s->hasPrinter()) {
        saveAsPdf(window);
        return;
    }
    if (!s->printWindow(window))
        Msg::show(QStringLiteral("The window could not be printed. Please check the printer."), Title,
                  Msg::Icon::Exclamation);
}

std::shared_ptr<Service> setService(std::shared_ptr<Service> s) {
    auto old = current();
    current() = s ? std::move(s) : std::make_shared<PartService>();
    return old;
}

}  // namespace Print
