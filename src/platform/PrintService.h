#pragma once
// Printing an image of a window, behind one interface that tests replace.
// Without a printer the image is saved as a PDF file.
#include <QString>
#include <memory>

class QWidget;

namespace Print {

class Service {
public:
    virtual ~Service() = default;
    // Whether a printer can take the image; without one it goes to a PDF file.
    virtual bool hasPrinter() { return true; }
    // True when the image went to a printer; false on failure or cancel.
    virtual bool printWindow(QWidget* window) = 0;
};

// Prints the window through the current service, or saves it as a PDF file
// when there is no printer; a failure shows a message.
void printWindow(QWidget* window);
std::shared_ptr<Service> setService(std::shared_ptr<Service> s);

// The absolute name of the PDF file a window is saved as: its title in the
// user's documents folder, or in the home folder where there is none.
QString pdfFile(const QString& title);
// Writes the window's image as a PDF file; the file is replaced as a whole
// or not at all, and keeps its mode; a new file gets the mode the user's
// umask allows. False with the reason when it cannot be written.
bool writePdf(QWidget* window, const QString& path, QString* why);

}  // namespace Print
