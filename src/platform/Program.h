#pragma once
// The program's folder and starting other programs.
#include <QString>
#include <QStringList>
#include <memory>

namespace Program {

// The folder the executable is in (where the database and help files live).
QString folder();
// Tests point the program at another folder; an empty text restores it.
void setFolder(const QString& path);
// A file in the program's folder.
QString path(const QString& fileName);

// A part of the program loaded on first use: "tessival_charts" is the library
// libtessival_charts.so next to the executable. Loads it (it stays loaded)
// and returns the named function from it (with no name, any non-null value);
// nullptr with the reason in *why when it cannot.
using PartFunction = void (*)();
PartFunction loadPart(const QString& part, const char* function = nullptr, QString* why = nullptr);

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the program without waiting; false when it cannot be started.
    virtual bool start(const QString& program, const QStringList& args) = 0;
};
// Starts the first candidate found on PATH; false when none starts.
bool startFirst(const QStringList& candidates);
std::shared_ptr<Launcher> setLauncher(std::shared_ptr<Launcher> l);

}  // namespace Program
