#include "Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>

namespace Program {
namespace {
QString& overrideFolder() {
    static QString f;
    return f;
}

class ProcessLauncher : public Launcher {
public:
    bool start(const QString& program, const QStringList& args) override {
        const QString exe = QStandardPaths::findExecutable(program);
        if (exe.isEmpty()) return false;
        return QProcess::startDetached(exe, args);
    }
};

std::shared_ptr<Launcher>& current() {
    static std::shared_ptr<Launcher> l = std::make_shared<ProcessLauncher>();
    return l;
}
}  // namespace

QString folder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
    return QCoreApplication::applicationDirPath();
}

void setFolder(const QString& path) { overrideFolder() = path; }

QString path(const QString& fileName) { return QDir(folder()).filePath(fileName); }

namespace {
QString partPath(const QString& part) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + part; }
}  // namespace

PartFunction partFunction(const QString& part, const char* function, QString* why) {
    QLibrary lib(partPath(part));
    const auto f = lib.load() ? reinterpret_cast<PartFunction>(lib.resolve(function)) : nullptr;
    if (!f && why) *why = lib.errorString();
    return f;
}

bool startFirst(const QStringList& candidates) {
    for (const QString& c : candidates)
        if (current()->start(c, {})) return true;
    return false;
}

std::shared_ptr<Launcher> setLauncher(std::shared_ptr<Launcher> l) {
    auto old = current();
    current() = l ? std::move(l) : std::make_shared<ProcessLauncher>();
    return old;
}

}  // namespace Program
