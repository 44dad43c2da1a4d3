// Damaged copies of "VeriRezi.mdb": every window that reads a damaged table
// shows the start-up message and stops, names the fault, or shows an empty
// list or cell; never a crash, a hang or a number the file does not hold.
#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include <atomic>
#include <memory>
#include <sqlite3.h>
#include <sys/stat.h>

#include "NoFileOverride.h"
#include "TestSupport.h"
#include "formulas/frmReactions.h"
#include "platform/CalculatorForm.h"
#include "refdata/periodic/ChartForm.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/ReferenceSchema.h"
#include "shell/StartUp.h"

using TestSupport::child;
using TestSupport::open;
using TestSupport::messages;

namespace {
// Calls of the SQL function evaluated(x), which gives x back, by any
// connection of this process: the crafted files' rules and indexes call it,
// and the program never runs a rule or an index of the file.
std::atomic<int> g_evaluated{0};

void evaluatedFunction(sqlite3_context* c, int, sqlite3_value** v) {
    ++g_evaluated;
    sqlite3_result_value(c, v[0]);
}

int addEvaluated(sqlite3* db, const char**, const sqlite3_api_routines*) {
    return sqlite3_create_function(db, "evaluated", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, evaluatedFunction,
                                   nullptr, nullptr);
}

// An expression that takes its time: a megabyte written out in hex, per row.
const QString Slow = QStringLiteral("length(hex(zeroblob(1000000 + evaluated(AtomicNumber)))) > 0");

// A text stored where numbers belong.
const QString Marker = QStringLiteral("twelve");
const QString Unreadable = QStringLiteral("Permission denied");

// What a student sees after driving one window: list lines (compared as a
// set: sorted lists and repeated rows move lines), boxes (compared place by
// place) and the messages shown.
struct Seen {
    QStringList lines, boxes, messages;
    qint64 ms = 0;
};

// A window that reads the database, the tables it reads and how to drive it
// as a student would, with sensible input.
struct Reader {
    QString window;
    QStringList tables;
    std::function<Seen(const QString& window)> drive;
};

QStringList lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out.append(list->item(i)->text());
    return out;
}

QString text(Form* f, const char* box) {
    if (auto* e = f->findChild<QLineEdit*>(QLatin1String(box))) return e->text();
    return QStringLiteral("<no box %1>").arg(QLatin1String(box));
}

Seen viewer(const QString& name, const char* list = "List1") { return {lines(child<QListWidget>(open(name), list))}; }

// The points of a chart, each as its label and value.
Seen chart(const QString& name) {
    auto* f = qobject_cast<ChartForm*>(open(name));
    Seen s;
    for (QAbstractSeries* a : f ? f->MSChart1->chart()->series() : QList<QAbstractSeries*>()) {
        for (const QPointF& p : static_cast<QLineSeries*>(a)->points()) {
            const QString label = f->chartTable().value(int(p.x()), {QStringLiteral("?")}).label;
            s.lines.append(label + QLatin1Char(' ') + QString::number(p.y(), 'g', 15));
        }
    }
    return s;
}

// Fills a calculator's boxes in order and presses Ok.
Seen calculator(const QString& name, const QStringList& typed, const char* check = nullptr) {
    auto* f = qobject_cast<CalculatorForm*>(open(name));
    Seen s;
    if (!f) return s;
    if (check) child<QAbstractButton>(f, check)->setChecked(true);
    for (int i = 0; i < typed.size() && i < f->inputs.size(); ++i) f->inputs.at(i)->setText(typed.at(i));
    f->cmdOk->click();
    s.boxes << f->answerBox->text() << f->workLine->text();
    return s;
}

// Iron's data sheet, opened from its button.
Seen dataSheet(const QString& name) {
    QTest::mouseClick(child<QPushButton>(open(QStringLiteral("frmPeriodic")), "cmdFe"), Qt::LeftButton);
    TestSupport::settle();
    Seen s;
    if (Form* sheet = Forms::loaded(name))
        for (int i = 1; i <= 14; ++i) s.boxes << text(sheet, qPrintable(QStringLiteral("Text%1").arg(i)));
    return s;
}

// Water, a group in parentheses and a hydrate.
Seen weigher(const QString& name) {
    Form* f = open(name);
    Seen s;
    for (const char* formula : {"H2O", "Ca(OH)2", "CuSO4.5H2O"}) {
        child<QPushButton>(f, "cmdClear")->click();
        TestSupport::type(child<QTextEdit>(f, "RichTextBox1"), QLatin1String(formula));
        child<QPushButton>(f, "cmdOk")->click();
        s.boxes << text(f, "txtWeights2") << text(f, "Text1");
    }
    return s;
}

// Two grams of iron in moles, iron chosen from the list.
Seen moles(const QString& name) {
    auto* f = qobject_cast<CalculatorForm*>(open(name));
    Seen s;
    auto* list = child<QListWidget>(f, "lstList1");
    s.lines = lines(list);
    const auto iron = std::find_if(s.lines.cbegin(), s.lines.cend(), [](const QString& l) { return l.startsWith(QLatin1String("Fe ")); });
    // With no iron in the list there is no sensible input to give.
    if (iron == s.lines.cend()) return s;
    TestSupport::type(child<QLineEdit>(f, "txtMoles1"), QStringLiteral("2"));
    child<QAbstractButton>(f, "optMoles2")->setChecked(true);
    child<QAbstractButton>(f, "optMoles4")->setChecked(true);
    list->setCurrentRow(int(iron - s.lines.cbegin()));
    // A weight that could not be read has been named: Ok would only repeat it.
    if (!TestSupport::messages().shown.isEmpty()) return s;
    f->cmdOk->click();
    s.boxes << text(f, "txtMoles2") << f->answerBox->text() << f->workLine->text();
    return s;
}

// Three protons: hydrogen, helium, lithium.
Seen atomBuilder(const QString& name) {
    Form* f = open(name);
    Seen s;
    for (int i = 0; i < 3; ++i) {
        child<QPushButton>(f, "cmdProton")->click();
        s.boxes << text(f, "Text1");
    }
    return s;
}

// The rows in use after a reaction: each element with its count, both sides.
Seen reactions(const QString& name) {
    auto* f = qobject_cast<frmReactions*>(open(name));
    Seen s;
    if (!f) return s;
    TestSupport::type(f->RichTextBox1, QStringLiteral("2H2 + O2 => 2H2O"));
    f->cmdOk->click();
    for (int i = 0; i < f->Label2.size(); ++i)
        if (!f->Label2.at(i)->text().isEmpty()) s.boxes << f->Label2.at(i)->text() + f->Text1.at(i)->text();
    for (int i = 0; i < f->Label3.size(); ++i)
        if (!f->Label3.at(i)->text().isEmpty()) s.boxes << f->Label3.at(i)->text() + f->Text2.at(i)->text();
    return s;
}

QList<Reader> makeReaders() {
    QList<Reader> r;
    const char* const viewers[][2] = {
        {"frmConstants", "Constants"}, {"frmSpecificHeats", "SpecificHeats"}, {"frmSolConstants", "SolubilityConstants"},
        {"frmIonization", "IonizationEnergy"}, {"frmThermodynamics", "ThermodynamicData"},
        {"frmVaporPressure", "VaporPressure"}, {"frmStandard", "StandardReductions"}, {"frmEnthalpies", "Enthalpies"},
        {"frmelectronegativities", "Electronegativities"}, {"frmRadii", "AtomicRadii"}, {"frmBonds", "Bonds"},
        {"frmExtraData", "GasDensity"}, {"frmExtra2", "WaterDensity"}, {"frmAffinities", "Affinities"},
        {"frmCharacter", "Character"}, {"frmHalfLives", "HalfLives"}};
    for (const auto& v : viewers) r << Reader{v[0], {v[1]}, [](const QString& n) { return viewer(n); }};
    const char* const charts[][2] = {
        {"frmPTable2", "AtomicRadii"}, {"frmPTable3", "Electronegativities"}, {"frmPTable4", "Affinities"},
        {"frmPTable5", "IonizationEnergy"}, {"frmPTable6", "GeneralInfo"}, {"frmPTable7", "GeneralInfo"}};
    for (const auto& c : charts) r << Reader{c[0], {c[1]}, chart};
    const QStringList general{QStringLiteral("GeneralInfo")}, vapour{QStringLiteral("VaporPressure")};
    return r << Reader{"frmPeriodicData", general, dataSheet}
             << Reader{"frmWeights", general + QStringList{QStringLiteral("MolecularWeights")}, weigher}
             << Reader{"fmrMoles", general, moles} << Reader{"frmBuildAtoms", general, atomBuilder}
             << Reader{"frmReactions", general, reactions}
             << Reader{"frmDalton", vapour, [](const QString& n) { return calculator(n, {"20", "2", "101.3", "101.3"}); }}
             << Reader{"frmCombinedLaws", vapour,
                       [](const QString& n) { return calculator(n, {"2", "100", "298", "50", "600"}, "chk1"); }}
             << Reader{"frmRaoults", vapour, [](const QString& n) { return calculator(n, {"25", "10", "10", "90", "18"}); }}
             << Reader{"frmFreezing", {"Temperatures"}, [](const QString& n) { return viewer(n, "lstList1"); }};
}

// Every window that reads the database: viewers, charts, data sheet, weigher,
// mole calculator, atom builder, reactions, water-vapour and freezing-point windows.
const QList<Reader>& readers() {
    static const QList<Reader> r = makeReaders();
    return r;
}

// Drives one reader, timing it and collecting its messages.
Seen run(const Reader& r) {
    TestSupport::messages().clear();
    QElapsedTimer t;
    t.start();
    Seen s = r.drive(r.window);
    s.ms = t.elapsed();
    for (const Msg::Box& b : TestSupport::messages().shown) s.messages.append(b.text);
    TestSupport::messages().clear();
    return s;
}

// Opens: the program starts and the readers of the damaged tables are judged;
// Whole: it starts and every reader shows what it shows with the whole file.
enum class Start { Opens, Whole, Refused, Either, Missing };

// Spoils the file at `path`; may move it to another folder.
using Damage = std::function<bool(QString& folder, const QString& path)>;

struct Case {
    QString name;
    QStringList tables;  // whose readers are driven; empty: every reader
    Start start = Start::Opens;
    QString reason;      // why a refused file cannot be opened ("" any)
    Damage make;
};

struct Table {
    QString name;
    QStringList fields, numbers;  // numbers: its REAL and INTEGER fields
};

QString quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

// Works on the file over a connection apart from the program's.
bool onFile(const QString& path, bool readOnly, const std::function<bool(QSqlQuery&)>& work) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("badfiles"));
        db.setDatabaseName(path);
        if (readOnly) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            ok = work(q);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("badfiles"));
    return ok;
}

// The tables of the file and their fields, as built from data/.
QList<Table> tables(const QString& path) {
    QList<Table> out;
    onFile(path, true, [&out](QSqlQuery& q) {
        q.exec(QStringLiteral("SELECT m.name, p.name, p.type IN ('REAL', 'INTEGER') FROM sqlite_master m, "
                              "pragma_table_info(m.name) p WHERE m.type = 'table' ORDER BY m.rowid, p.cid"));
        while (q.next()) {
            if (out.isEmpty() || out.last().name != q.value(0).toString()) out.append({q.value(0).toString(), {}, {}});
            out.last().fields << q.value(1).toString();
            if (q.value(2).toBool()) out.last().numbers << q.value(1).toString();
        }
        return true;
    });
    return out;
}

// False with a warning when a statement fails.
bool edit(const QString& path, const QStringList& statements) {
    return onFile(path, false, [&statements](QSqlQuery& q) {
        for (const QString& s : statements) {
            if (q.exec(s)) continue;
            qWarning("%s: %s", qPrintable(s), qPrintable(q.lastError().text()));
            return false;
        }
        return true;
    });
}

// Overwrites whole pages of the file with bytes from a fixed seed.
bool scramblePages(const QString& path, const QList<int>& pages, quint32 seed) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite)) return false;
    for (int p : pages) {
        if ((p + 1) * 4096 > f.size()) return false;
        QByteArray bytes(4096, 0);
        for (char& b : bytes) b = char((seed = seed * 1103515245u + 12345u) >> 24);
        f.seek(p * 4096);
        f.write(bytes);
    }
    return true;
}

// The first line of `damaged` that is not a line of `good` with, at most, some
// of its cells left empty (its words a subsequence of a good line's words).
QString inventedLine(const QStringList& damaged, const QStringList& good) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<QStringList> goodWords;
    for (const QString& g : good) goodWords.append(g.split(blanks, Qt::SkipEmptyParts));
    for (const QString& line : damaged) {
        const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        const bool found = good.contains(line) || std::any_of(goodWords.cbegin(), goodWords.cend(), [&](const QStringList& g) {
            int j = 0;
            for (int i = 0; i < g.size() && j < words.size(); ++i) j += g.at(i) == words.at(j);
            return j == words.size();
        });
        if (!found) return line;
    }
    return QString();
}

// Messages that name a fault of the file rather than of the student's input
// (the mole calculator's "List Selection Error" for a stored weight it cannot read).
bool namesAFault(const QString& message) {
    static const QStringList faults = {
        "malformed", "no such table", "no such column", "not a database", "Type mismatch", "No current record",
        "Invalid use of Null", "could not be read", "Item not found", "I/O error", "element table", "List Selection Error"};
    return std::any_of(faults.cbegin(), faults.cend(), [&](const QString& f) { return message.contains(f); });
}
}  // namespace

class TstBadFiles : public QObject {
    Q_OBJECT
    QString m_real;
    QList<Table> m_tables;
    QHash<QString, Seen> m_good;
    QList<Case> m_cases;
    std::unique_ptr<QProcess> m_holder;

    // A copy of the real file in `dir`, spoiled by `c`, and the program started
    // on it (with no right to read what the file's rights forbid). The time
    // start-up took, or -1 when the damage could not be made.
    qint64 startOn(const Case& c, QTemporaryDir& dir, bool& started) {
        QString folder = dir.path();
        const QString path = dir.filePath(ReferenceDatabase::FileName);
        if (!QFile::copy(m_real, path)) return -1;
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (c.make && !c.make(folder, path)) return -1;
        g_evaluated = 0;
        ReferenceDatabase::closeForTests();
        Program::setFolder(folder);
        messages().clear();
        NoFileOverride noOverride;
        QElapsedTimer t;
        t.start();
        started = StartUp();
        return t.elapsed();
    }

    // Another program holds the file locked for writing: an ordinary connection cannot read it.
    bool lock(const QString& path) {
        m_holder = std::make_unique<QProcess>();
        m_holder->start(QStringLiteral(SQLITE3_PROGRAM), {path});
        m_holder->write("BEGIN EXCLUSIVE;\nSELECT 'locked';\n");
        return m_holder->waitForReadyRead(60000) && m_holder->readAll().trimmed() == "locked" &&
               !edit(path, {QStringLiteral("PRAGMA busy_timeout = 0"), QStringLiteral("SELECT COUNT(*) FROM GeneralInfo")});
    }

    // What each reader of the damaged tables shows, against what it shows
    // with the whole file.
    void checkReaders(const Case& c) {
        for (const Reader& r : readers()) {
            bool reads = c.tables.isEmpty();
            for (const QString& t : c.tables) reads = reads || r.tables.contains(t);
            if (!reads) continue;
            const Seen s = run(r);
            const Seen& g = m_good[r.window];
            const QByteArray where = (c.name + QStringLiteral(" / ") + r.window).toUtf8();
            TestSupport::unloadAll();
            if (c.start == Start::Whole) {
                QVERIFY2(s.messages.isEmpty(), where + ": " + s.messages.join(QLatin1Char('|')).toUtf8());
                QCOMPARE(s.lines, g.lines);
                QCOMPARE(s.boxes, g.boxes);
            }
            for (const QString& m : s.messages) QVERIFY2(namesAFault(m), where + ": " + m.toUtf8());
            const QString invented = inventedLine(s.lines, g.lines);
            QVERIFY2(invented.isEmpty(), where + " shows a line the file does not hold: " + invented.toUtf8());
            for (int i = 0; i < s.boxes.size(); ++i)
                QVERIFY2(s.boxes.at(i).isEmpty() || s.boxes.at(i) == g.boxes.value(i),
                         where + " shows " + s.boxes.at(i).toUtf8() + " for " + g.boxes.value(i).toUtf8());
            for (const QString& t : s.lines + s.boxes) QVERIFY2(!t.contains(Marker), where + ": " + t.toUtf8());
            // An answer that went missing is explained.
            const bool answered = !s.boxes.join(QString()).isEmpty();
            const bool emptyList = s.lines.join(QString()).trimmed().isEmpty();
            if (!g.boxes.isEmpty() && !answered && !(emptyList && !g.lines.isEmpty()))
                QVERIFY2(!s.messages.isEmpty(), where + " shows no answer and says nothing");
            qInfo("%s: %lld of %lld lines, %lld of %lld boxes filled; %s (%lld ms)", where.constData(), s.lines.size(),
                  g.lines.size(), s.boxes.size() - s.boxes.count(QString()), g.boxes.size(),
                  qPrintable(s.messages.join(QStringLiteral(" | ")).left(120)), s.ms);
        }
    }

    void addFileCases() {
        auto write = [](const QByteArray& bytes) {
            return [bytes](QString&, const QString& path) {
                QFile f(path);
                return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
            };
        };
        auto truncate = [](qint64 size) { return [size](QString&, const QString& path) { return QFile::resize(path, size); }; };
        auto scramble = [](QList<int> pages, quint32 seed) {
            return [pages, seed](QString&, const QString& path) { return scramblePages(path, pages, seed); };
        };
        auto sql = [](const QStringList& statements) { return [statements](QString&, const QString& path) { return edit(path, statements); }; };
        const qint64 size = QFileInfo(m_real).size();
        const int pages = int(size / 4096);
        m_cases << Case{"missing", {}, Start::Missing, {}, [](QString&, const QString& path) { return QFile::remove(path); }}
                << Case{"zero bytes", {}, Start::Refused, "the file is empty", write({})}
                << Case{"text", {}, Start::Refused, "file is not a database",
                        write(QByteArray("Reference data of the elements.\n").repeated(500))}
                << Case{"header only", {}, Start::Refused, {}, truncate(100)}
                << Case{"truncated to half", {}, Start::Either, {}, truncate(size / 2)}
                << Case{"last page cut", {}, Start::Either, {}, truncate(size - 4096)}
                << Case{"random page 2", {}, Start::Either, {}, scramble({1}, 1)}
                << Case{"random pages in the last third", {}, Start::Either, {},
                        scramble({pages * 2 / 3, pages * 2 / 3 + 1, pages - 1}, 7)}
                << Case{"folder", {}, Start::Refused, "it is a folder, not a file",
                        [](QString& folder, const QString& path) {
                            return QFile::remove(path) && QDir(folder).mkdir(ReferenceDatabase::FileName);
                        }}
                << Case{"pipe", {}, Start::Refused, "it is not a regular file",
                        [](QString&, const QString& path) {
                            return QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
                        }}
                << Case{"unreadable", {}, Start::Refused, Unreadable,
                        [](QString&, const QString& path) { return QFile::setPermissions(path, {}); }}
                << Case{"no element table", {}, Start::Refused, "no such table: GeneralInfo", sql({"DROP TABLE GeneralInfo"})}
                << Case{"element table empty", {}, Start::Refused, "its element table is empty", sql({"DELETE FROM GeneralInfo"})}
                // A view may never end: the file is refused before anything reads one.
                << Case{"element table a view without end", {}, Start::Refused, "\"GeneralInfo\" is a view, not a table",
                        sql({"ALTER TABLE GeneralInfo RENAME TO Elements",
                             "CREATE VIEW GeneralInfo AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                             "SELECT Elements.* FROM Elements, n"})}
                << Case{"constants a view without end", {}, Start::Refused, "\"Constants\" is a view, not a table",
                        sql({"DROP TABLE Constants",
                             "CREATE VIEW Constants AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                             "SELECT 'c' || i AS Name, i AS Constant FROM n"})}
                // Found whatever its folder is called.
                << Case{"folder name that means something in an address", {}, Start::Whole, {},
                        [](QString& folder, const QString& path) {
                            folder += QStringLiteral("/a b?c#d%20e&f;g=h ü");
                            return QDir().mkpath(folder) && QFile::rename(path, QDir(folder).filePath(ReferenceDatabase::FileName));
                        }}
                // Start-up and every reader read it whole, at once.
                << Case{"locked by another program", {}, Start::Whole, {},
                        [this](QString&, const QString& path) { return lock(path); }};
        // The file's own rules, indexes and tables are never made in the copy.
        const QString general = QStringLiteral("AtomicNumber INTEGER, Symbol TEXT, ElementName TEXT, AtomicWeight REAL, "
                                               "State TEXT, Charge TEXT, Configuration TEXT, GroupName TEXT, %1, "
                                               "FreezingPoint REAL, BoilingPoint REAL%2");
        const QString others = QStringLiteral("AtomicNumber, Symbol, ElementName, AtomicWeight, State, Charge, "
                                              "Configuration, GroupName, FreezingPoint, BoilingPoint");
        auto remade = [&](const QString& density, const QString& rule, const QString& fields) {
            return sql({"CREATE TABLE Remade (" + general.arg(density, rule) + ")",
                        QStringLiteral("INSERT INTO Remade (%1) SELECT %1 FROM GeneralInfo ORDER BY rowid").arg(fields),
                        "DROP TABLE GeneralInfo", "ALTER TABLE Remade RENAME TO GeneralInfo"});
        };
        QStringList unknown{QStringLiteral("BEGIN")};
        for (int i = 1; i <= 2000; ++i)
            unknown << QStringLiteral("CREATE TABLE Notes%1 (Line INTEGER CHECK (evaluated(Line) > 0))").arg(i)
                    << QStringLiteral("INSERT INTO Notes%1 VALUES (%1)").arg(i);
        unknown << QStringLiteral("COMMIT");
        m_cases << Case{"a slow rule on the element table", {"GeneralInfo"}, Start::Whole, {},
                        remade("Density REAL", ", CHECK (" + Slow + ")", others + ", Density")}
                << Case{"an index on a slow expression", {"GeneralInfo"}, Start::Whole, {},
                        sql({"CREATE INDEX SlowIndex ON GeneralInfo (length(hex(zeroblob(1000000 + evaluated(AtomicNumber)))))"})}
                << Case{"a partial index with a slow condition", {"GeneralInfo"}, Start::Whole, {},
                        sql({"CREATE INDEX SlowPart ON GeneralInfo (Symbol) WHERE " + Slow})}
                << Case{"2,000 tables of no use to the program", {}, Start::Whole, {}, sql(unknown)}
                << Case{"a field the file computes", {}, Start::Refused,
                        "\"GeneralInfo\" could not be read: its field \"Density\" is computed, not stored",
                        remade("Density REAL GENERATED ALWAYS AS (evaluated(AtomicWeight)) VIRTUAL", {}, others)}
                << Case{"constants stored without row numbers", {"Constants"}, Start::Opens, {},
                        sql({"CREATE TABLE Remade (Row INTEGER PRIMARY KEY, Constant TEXT, value REAL) WITHOUT ROWID",
                             "INSERT INTO Remade SELECT rowid, Constant, value FROM Constants",
                             "DROP TABLE Constants", "ALTER TABLE Remade RENAME TO Constants"})};
        for (const Table& t : std::as_const(m_tables)) {
            const QString table = quoted(t.name);
            auto update = [&](const char* what, const QString& format, const QStringList& fields) {
                QStringList sets;
                for (const QString& field : fields) sets << format.arg(quoted(field));
                m_cases << Case{t.name + QLatin1Char(' ') + QLatin1String(what), {t.name}, Start::Opens, {},
                                sql({QStringLiteral("UPDATE %1 SET %2").arg(table, sets.join(QStringLiteral(", ")))})};
            };
            // A file without the element table is refused (above).
            if (t.name != QLatin1String("GeneralInfo"))
                m_cases << Case{t.name + QStringLiteral(" dropped"), {t.name}, Start::Opens, {}, sql({"DROP TABLE " + table})};
            for (const QString& field : t.fields)
                m_cases << Case{t.name + QStringLiteral(" without ") + field, {t.name}, Start::Opens, {},
                                sql({QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, quoted(field))})};
            update("bytes", QStringLiteral("%1 = X'00FFFE41'"), t.fields);
            update("NULLs", QStringLiteral("%1 = NULL"), t.fields);
            if (!t.numbers.isEmpty()) {
                update("infinities", QStringLiteral("%1 = CASE WHEN rowid % 2 THEN 9e999 ELSE -9e999 END"), t.numbers);
                update("text in numbers", QStringLiteral("%1 = '") + Marker + QLatin1Char('\''), t.numbers);
            }
            // The stored rows over and over, in their order, to 100,000 rows.
            QStringList grow{QStringLiteral("BEGIN")};
            for (int i = 0; i < 17; ++i)
                grow << QStringLiteral("INSERT INTO %1 SELECT * FROM %1 WHERE (SELECT COUNT(*) FROM %1) < 100000 ORDER BY rowid").arg(table);
            grow << QStringLiteral("DELETE FROM %1 WHERE rowid > 100000").arg(table) << QStringLiteral("COMMIT");
            m_cases << Case{t.name + QStringLiteral(" 100,000 rows"), {t.name}, Start::Opens, {}, sql(grow)};
        }
    }

private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
        QCOMPARE(sqlite3_auto_extension(reinterpret_cast<void (*)()>(addEvaluated)), SQLITE_OK);
        m_real = Program::path(ReferenceDatabase::FileName);
        m_tables = tables(m_real);
        QVERIFY(m_tables.size() >= 19);
        // What each window shows with the whole file, started from a copy.
        QTemporaryDir dir;
        bool started = false;
        QVERIFY(startOn({}, dir, started) >= 0 && started);
        for (const Reader& r : readers()) {
            const Seen s = run(r);
            TestSupport::unloadAll();
            QVERIFY2(s.messages.isEmpty(), qPrintable(r.window + QStringLiteral(": ") + s.messages.join(QLatin1Char('|'))));
            QVERIFY2(!(s.lines + s.boxes).join(QString()).trimmed().isEmpty(), qPrintable(r.window));
            for (const QString& b : s.boxes) QVERIFY2(!b.isEmpty(), qPrintable(r.window + QStringLiteral(" has an empty box")));
            m_good.insert(r.window, s);
        }
        addFileCases();
    }

    void cleanup() {
        if (m_holder) {
            m_holder->write("ROLLBACK;\n.quit\n");
            m_holder->closeWriteChannel();
            QVERIFY(m_holder->waitForFinished(60000));
            m_holder.reset();
        }
        TestSupport::unloadAll();
        messages().clear();
        ReferenceDatabase::closeForTests();
        Program::setFolder(QString());
        QVERIFY(ReferenceDatabase::open(m_real));
    }

    // The number fields the cells go by are the file's REAL and INTEGER columns.
    void numberFieldsFollowTheFile() {
        for (const Table& t : std::as_const(m_tables))
            for (const QString& field : t.fields)
                QVERIFY2(ReferenceSchema::isNumber(t.name, field) == t.numbers.contains(field), qPrintable(t.name + '.' + field));
    }

    // The program's own schema, from which the copy is made, is the file's as built.
    void schemaFollowsTheFile() {
        QStringList file, program;
        onFile(m_real, true, [&file](QSqlQuery& q) {
            q.exec(QStringLiteral("SELECT m.name, p.name, p.type FROM sqlite_master m, pragma_table_info(m.name) p "
                                  "WHERE m.type = 'table' ORDER BY m.rowid, p.cid"));
            while (q.next()) file << q.value(0).toString() + '.' + q.value(1).toString() + ' ' + q.value(2).toString();
            return true;
        });
        for (const ReferenceSchema::Table& t : ReferenceSchema::tables())
            for (const ReferenceSchema::Field& f : t.fields) program << t.name + '.' + f.name + ' ' + f.type;
        QCOMPARE(program, file);
    }

    // Every window that reads a table when it opens is among the readers driven here.
    void everyReaderIsDriven() {
        QSet<QString> driven;
        for (const Reader& r : readers()) driven.insert(r.window);
        for (const QString& name : Forms::registeredKinds()) {
            ReferenceDatabase::sharedSql().clear();
            Forms::show(name);
            TestSupport::unloadAll();
            if (!ReferenceDatabase::sharedSql().isEmpty())
                QVERIFY2(driven.contains(name), qPrintable(name + QStringLiteral(" reads ") + ReferenceDatabase::sharedSql()));
        }
        messages().clear();
    }

    // The damage of one case, as the student meets it.
    void damagedFile_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_cases.size(); ++i) QTest::newRow(qPrintable(m_cases.at(i).name)) << i;
    }
    void damagedFile() {
        QFETCH(int, index);
        const Case& c = m_cases.at(index);
        QTemporaryDir dir;
        bool started = false;
        const qint64 ms = startOn(c, dir, started);
        QVERIFY(ms >= 0);
        QCOMPARE(g_evaluated.load(), 0);
        const QString path = dir.filePath(ReferenceDatabase::FileName);
        if (c.reason == Unreadable && started) QSKIP("this process reads files whatever their rights");
        if (c.start == Start::Opens || c.start == Start::Whole) QVERIFY2(started, qPrintable(messages().lastText()));
        if (c.start == Start::Missing || c.start == Start::Refused) QVERIFY(!started);
        if (!started) {
            // One message, then the program ends: only a missing file is called missing.
            QCOMPARE(messages().shown.size(), 1);
            const Msg::Box box = messages().shown.first();
            QCOMPARE(box.title, QStringLiteral("Tessival"));
            QCOMPARE(box.icon, Msg::Icon::None);
            QCOMPARE(box.buttons, Msg::Buttons::Ok);
            if (c.start == Start::Missing) {
                QCOMPARE(box.text, QStringLiteral("Cannot locate the database. Please check to make sure it is installed "
                                                  "in the correct location."));
            } else {
                const QString prefix = ReferenceDatabase::cannotOpenMessage(path, QString()).section(QLatin1Char(':'), 0, -2);
                QVERIFY2(box.text.startsWith(prefix), qPrintable(box.text));
                if (!c.reason.isEmpty()) QCOMPARE(box.text, ReferenceDatabase::cannotOpenMessage(path, c.reason));
            }
            QVERIFY(!ReferenceDatabase::isOpen());
            qInfo("%s: start-up refused: %s", qPrintable(c.name), qPrintable(box.text));
            return;
        }
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        TestSupport::unloadAll();
        checkReaders(c);
        QCOMPARE(g_evaluated.load(), 0);
    }
};

QTEST_MAIN(TstBadFiles)
#include "tst_badfiles.moc"
