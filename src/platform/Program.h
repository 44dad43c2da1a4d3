#pragma once
// The program's folder and starting other programs.
#include <QString>
#include <QStringList>
#include <memory>

namespace Program {

// The folder the executable is in (where the database and help files live),
// found from the running program's own path, never the working folder; empty
// when it cannot be found. A folder whose name is not text in this locale is
// reached through a name of the form "/proc/self/fd/N".
QString folder();
// Why the folder cannot be found; empty when it is.
QString folderProblem();
// A text naming files of the folder as the student knows the folder's name.
QString shownName(const QString& text);
// Tests point the program at another folder; an empty text restores it.
void setFolder(const QString& path);
// A file in the program's folder; empty when the folder cannot be found.
QString path(const QString& fileName);

// Parts of the program loaded on first use sit next to the executable (the
// folder found above, even where tests read data from another):
// "tessival_charts" is libtessival_charts.so there. A function of a part,
// loading the part (it stays loaded); nullptr, with the reason in *why, when
// the part or the function is missing.
using PartFunction = void (*)();
PartFunction partFunction(const QString& part, const char* function, QString* why = nullptr);

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
