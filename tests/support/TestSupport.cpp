#include "TestSupport.h"

#include <QApplication>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "refdata/ReferenceDatabase.h"

TempDatabase::TempDatabase(const QStringList& statements) {
    path = dir.filePath(QStringLiteral("VeriRezi.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tmpwrite"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        for (const QString& s : statements)
            if (!q.exec(s)) qWarning("setup failed: %s", qPrintable(s));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tmpwrite"));
    ReferenceDatabase::closeForTests();
    opened = ReferenceDatabase::open(path);
}

TempDatabase::~TempDatabase() {
    ReferenceDatabase::closeForTests();
    ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));
}

namespace TestSupport {

namespace {
std::shared_ptr<FakeMessages> g_msgs;
std::shared_ptr<FakePrinter> g_printer;
std::shared_ptr<FakeLauncher> g_launcher;
}  // namespace

void init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    g_msgs = std::make_shared<FakeMessages>();
    g_printer = std::make_shared<FakePrinter>();
    g_launcher = std::make_shared<FakeLauncher>();
    Msg::setService(g_msgs);
    Print::setService(g_printer);
    Program::setLauncher(g_launcher);
    if (!ReferenceDatabase::isOpen())
        ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));
}

FakeMessages& messages() { return *g_msgs; }
FakePrinter& printer() { return *g_printer; }
FakeLauncher& launcher() { return *g_launcher; }

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void unloadAll() {
    Forms::unloadAll();
    settle();
}

void type(QWidget* box, const QString& text) {
    for (QChar c : text) QTest::keyClick(box, c.toLatin1());
}

bool shown(const char* name) {
    Form* f = Forms::loaded(QLatin1String(name));
    return f && f->isVisible();
}

void standIn(const QString& name, const QString& caption) {
    if (Forms::isRegistered(name)) return;
    Forms::registerKind(name, [caption] {
        auto* f = new Form;
        f->setWindowTitle(caption);
        return f;
    });
}

void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods) { QTest::keyClick(w, key, mods); }

}  // namespace TestSupport
