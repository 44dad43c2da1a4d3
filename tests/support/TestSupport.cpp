#include "TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextEdit>
#include <algorithm>

#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"
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

bool TempDatabase::damage(const QString& table, const QString& field, int rows) {
    ReferenceDatabase::closeForTests();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tmpdamage"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA page_size = 1024"));
        q.exec(QStringLiteral("VACUUM"));
        q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (\"%2\" TEXT)").arg(table, field));
        db.transaction();
        for (int i = 0; i < rows; ++i)
            q.exec(QStringLiteral("INSERT INTO \"%1\" (\"%2\") VALUES ('row %3 of a long table')").arg(table, field).arg(i));
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tmpdamage"));
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite)) return false;
    const qint64 pages = f.size() / 1024;
    for (qint64 p = pages * 2 / 3; p < pages * 2 / 3 + 3; ++p) {
        f.seek(p * 1024);
        f.write(QByteArray(1024, '\xA5'));
    }
    f.close();
    opened = ReferenceDatabase::open(path);
    return opened && pages > 40;
}

TempDatabase::~TempDatabase() {
    ReferenceDatabase::closeForTests();
    ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));
}

namespace TestSupport {

// LinkedWindows.cpp: the windows of the libraries the test links.
void registerLinkedWindows();

namespace {
std::shared_ptr<FakeMessages> g_msgs;
std::shared_ptr<FakePrinter> g_printer;
std::shared_ptr<FakeLauncher> g_launcher;

}  // namespace

void init() {
    registerLinkedWindows();
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

QStringList noise(const QString& text) {
    // Binary noise stands past the decimal point (0.350000000000023); ten
    // whole digits are the student's own large number worked on.
    static const QRegularExpression run(QStringLiteral("(?<=[.,])\\d{10,}"));
    QStringList typed;
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* line = qobject_cast<QLineEdit*>(w); line && !line->isReadOnly()) typed << line->text();
        if (auto* pane = qobject_cast<QTextEdit*>(w); pane && !pane->isReadOnly()) typed << pane->toPlainText();
    }
    QStringList found;
    for (auto m = run.globalMatch(text); m.hasNext();) {
        const QString digits = m.next().captured();
        if (std::none_of(typed.cbegin(), typed.cend(), [&digits](const QString& t) { return t.contains(digits); }))
            found << digits;
    }
    return found;
}

void expectNoNoise(const QString& text, const QString& where) {
    const QStringList found = noise(text);
    if (found.isEmpty()) return;
    const QByteArray why = (where + QStringLiteral(" shows ") + found.join(QStringLiteral(", ")) +
                            QStringLiteral(": ") + text).toUtf8();
    QTest::qFail(why.constData(), __FILE__, __LINE__);
}

QStringList shownTexts() {
    QStringList out;
    for (Form* f : Forms::loadedForms()) {
        const QString at = f->objectName() + QLatin1Char('/');
        out << at + QStringLiteral("title: ") + f->windowTitle();
        for (QLabel* l : f->findChildren<QLabel*>()) out << at + l->objectName() + QStringLiteral(": ") + l->text();
        for (QLineEdit* b : f->findChildren<QLineEdit*>())
            if (b->accessibleName() == QLatin1String("Work line"))
                out << at + b->objectName() + QStringLiteral(": ") + b->text();
    }
    return out;
}

void unloadAll() {
    for (const QString& t : shownTexts()) expectNoNoise(t, QStringLiteral("window text"));
    Forms::unloadAll();
    settle();
}

void type(QWidget* box, const QString& text) {
    for (QChar c : text) QTest::keyClick(box, c.toLatin1());
}

QStringList shapedWindows() {
    QStringList names;
    for (const QString& name : Forms::registeredKinds()) {
        Form* f = Forms::load(name);
        if (qobject_cast<CalculatorForm*>(f) || qobject_cast<ConversionForm*>(f)) names << name;
        Forms::unload(f);
    }
    return names;
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

void initWindows() {
    init();
    standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
}

void reset() {
    unloadAll();
    messages().reset();
    printer().printed.clear();
}

QRect placed(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

QString cut(QWidget* f) {
    QStringList out;
    for (QWidget* w : f->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(f)) continue;
        const QSize least = w->minimumSizeHint();
        if (!f->rect().contains(placed(w)) || w->width() < least.width() || w->height() < least.height())
            out << w->objectName();
    }
    return out.join(QLatin1Char(' '));
}

void checkPlace(QWidget* window, const QString& first, const QString& relation, const QString& second) {
    QWidget* a = window->findChild<QWidget*>(first);
    QWidget* b = window->findChild<QWidget*>(second);
    QVERIFY2(a && b, qPrintable(first + QStringLiteral(", ") + second));
    QVERIFY(a->isVisible() && b->isVisible());
    const QRect ra = placed(a), rb = placed(b);
    const QString where = QStringLiteral("%1 at %2,%3 %4x%5; %6 at %7,%8 %9x%10")
                              .arg(first).arg(ra.x()).arg(ra.y()).arg(ra.width()).arg(ra.height())
                              .arg(second).arg(rb.x()).arg(rb.y()).arg(rb.width()).arg(rb.height());
    if (relation == QLatin1String("above")) {
        QVERIFY2(ra.bottom() < rb.top(), qPrintable(where));
    } else if (relation == QLatin1String("left of")) {
        QVERIFY2(ra.right() < rb.left(), qPrintable(where));
        QVERIFY2(ra.center().y() >= rb.top() && ra.center().y() <= rb.bottom(), qPrintable(where));
    } else {
        QVERIFY2(relation == QLatin1String("inside"), qPrintable(relation));
        QVERIFY2(b->isAncestorOf(a) && rb.contains(ra), qPrintable(where));
    }
}
}  // namespace TestSupport
