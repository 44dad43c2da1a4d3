#include "Program.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

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

namespace {
// Where the program is: the folder as a name that opens it, the same as the
// student reads it, or why it cannot be found.
struct Home {
    QString folder, shown, problem;
};

// The executable's folder, from the kernel's link to the running program,
// read as bytes. A name that is no text in this locale (an old archive's
// "Chimie-\xe9l\xe8ve") cannot be given to Qt's file classes as it is: the
// folder is held open and reached through its descriptor. The working folder
// never stands in for it.
Home findHome() {
    Home h;
    QByteArray exe(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", exe.data(), size_t(exe.size()));
        if (n < 0) {
            h.problem = QStringLiteral("/proc/self/exe cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return h;
        }
        if (n < exe.size()) {
            exe.truncate(n);
            break;
        }
        exe.resize(exe.size() * 2);
    }
    const qsizetype slash = exe.lastIndexOf('/');
    if (!exe.startsWith('/') || slash < 0) {
        h.problem = QStringLiteral("/proc/self/exe names no folder");
        return h;
    }
    const QByteArray bytes = slash == 0 ? QByteArray("/") : exe.left(slash);
    h.shown = QFile::decodeName(bytes);
    if (QFile::encodeName(h.shown) == bytes) {
        h.folder = h.shown;
        return h;
    }
    const int fd = ::open(bytes.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        h.problem = QStringLiteral("\"%1\" cannot be opened: %2").arg(h.shown, QString::fromLocal8Bit(std::strerror(errno)));
        return h;
    }
    h.folder = QStringLiteral("/proc/self/fd/%1").arg(fd);
    return h;
}

const Home& home() {
    static const Home h = findHome();
    return h;
}
}  // namespace

QString folder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
    return home().folder;
}

QString folderProblem() { return overrideFolder().isEmpty() ? home().problem : QString(); }

QString shownName(const QString& text) {
    const Home& h = home();
    if (h.folder.isEmpty() || h.folder == h.shown) return text;
    return QString(text).replace(h.folder, h.shown);
}

void setFolder(const QString& path) { overrideFolder() = path; }

QString path(const QString& fileName) {
    // No folder: no name at all, never one the working folder would resolve.
    const QString f = folder();
    return f.isEmpty() ? QString() : QDir(f).filePath(fileName);
}

PartFunction partFunction(const QString& part, const char* function, QString* why) {
    // Parts are the program's own, beside the executable, whatever folder tests read data from.
    if (home().folder.isEmpty()) {
        if (why) *why = QStringLiteral("the program's folder cannot be found: ") + home().problem;
        return nullptr;
    }
    QLibrary lib(QDir(home().folder).filePath(part));
    const auto f = lib.load() ? reinterpret_cast<PartFunction>(lib.resolve(function)) : nullptr;
    if (!f && why) *why = shownName(lib.errorString());
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
