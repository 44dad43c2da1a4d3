#pragma once
// Printing an image of a window, behind one interface that tests replace.
#include <QString>
#include <memory>

class QWidget;

namespace Print {

class Service {
public:
    virtual ~Service() = default;
    // True when the image went to a printer (or file); false on failure or cancel.
    virtual bool printWindow(QWidget* window) = 0;
};

// Prints the window through the current service; a failure shows a message.
void printWindow(QWidget* window);
std::shared_ptr<Service> setService(std::shared_ptr<Service> s);

}  // namespace Print
