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

// Parts of the program loaded on first use sit next to the executable:
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
