#include "BadFiles.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTextEdit>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include "TestSupport.h"
#include "formulas/frmReactions.h"
#include "platform/CalculatorForm.h"
#include "refdata/periodic/ChartForm.h"

namespace BadFiles {

using TestSupport::child;

QStringList lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out.append(list->item(i)->text());
    return out;
}

namespace {

Form* open(const QString& name) {
    Form* f = Forms::show(name);
    TestSupport::settle();
    return f;
}

QString text(Form* f, const char* box) {
    if (auto* e = f->findChild<QLineEdit*>(QLatin1String(box))) return e->text();
    return QStringLiteral("<no box %1>").arg(QLatin1String(box));
}

Seen viewer(const QString& name, const char* list = "List1") {
    Seen s;
    s.lines = lines(child<QListWidget>(open(name), list));
    return s;
}

// The points of a chart, each as its label and value.
Seen chart(const QString& name) {
    auto* f = qobject_cast<ChartForm*>(open(name));
    Seen s;
    if (!f) return s;
    for (QAbstractSeries* a : f->MSChart1->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(a);
        if (!line) continue;
        for (const QPointF& p : line->points()) {
            const int x = int(p.x());
            const QString label = x >= 0 && x < f->chartTable().size() ? f->chartTable().at(x).label : QStringLiteral("?");
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

Seen dataSheet() {
    Form* table = open(QStringLiteral("frmPeriodic"));
    QTest::mouseClick(child<QPushButton>(table, "cmdFe"), Qt::LeftButton);
    TestSupport::settle();
    Seen s;
    Form* sheet = Forms::loaded(QStringLiteral("frmPeriodicData"));
    if (!sheet) return s;
    for (int i = 1; i <= 14; ++i) s.boxes << text(sheet, qPrintable(QStringLiteral("Text%1").arg(i)));
    return s;
}

// Water and a group in parentheses.
Seen weigher() {
    Form* f = open(QStringLiteral("frmWeights"));
    Seen s;
    auto* box = child<QTextEdit>(f, "RichTextBox1");
    for (const char* formula : {"H2O", "Ca(OH)2", "CuSO4.5H2O"}) {
        child<QPushButton>(f, "cmdClear")->click();
        TestSupport::type(box, QLatin1String(formula));
        child<QPushButton>(f, "cmdOk")->click();
        s.boxes << text(f, "txtWeights2") << text(f, "Text1");
    }
    return s;
}

// Two grams of iron in moles, iron chosen from the list.
Seen moles() {
    auto* f = qobject_cast<CalculatorForm*>(open(QStringLiteral("fmrMoles")));
    Seen s;
    auto* list = child<QListWidget>(f, "lstList1");
    s.lines = lines(list);
    int iron = -1;
    for (int i = 0; i < list->count() && iron < 0; ++i)
        if (list->item(i)->text().startsWith(QLatin1String("Fe "))) iron = i;
    // With no iron in the list there is no sensible input to give.
    if (iron < 0) return s;
    TestSupport::type(child<QLineEdit>(f, "txtMoles1"), QStringLiteral("2"));
    child<QAbstractButton>(f, "optMoles2")->setChecked(true);
    child<QAbstractButton>(f, "optMoles4")->setChecked(true);
    list->setCurrentRow(iron);
    // A weight that could not be read has been named: Ok would only repeat it.
    if (!TestSupport::messages().shown.isEmpty()) return s;
    f->cmdOk->click();
    s.boxes << text(f, "txtMoles2") << f->answerBox->text() << f->workLine->text();
    return s;
}

// Three protons: hydrogen, helium, lithium.
Seen atomBuilder() {
    Form* f = open(QStringLiteral("frmBuildAtoms"));
    Seen s;
    for (int i = 0; i < 3; ++i) {
        child<QPushButton>(f, "cmdProton")->click();
        s.boxes << text(f, "Text1");
    }
    return s;
}

Seen reactions() {
    auto* f = qobject_cast<frmReactions*>(open(QStringLiteral("frmReactions")));
    Seen s;
    if (!f) return s;
    TestSupport::type(f->RichTextBox1, QStringLiteral("2H2 + O2 => 2H2O"));
    f->cmdOk->click();
    // The rows in use: each element with its count.
    for (int i = 0; i < f->Label2.size(); ++i)
        if (!f->Label2.at(i)->text().isEmpty()) s.boxes << f->Label2.at(i)->text() + f->Text1.at(i)->text();
    for (int i = 0; i < f->Label3.size(); ++i)
        if (!f->Label3.at(i)->text().isEmpty()) s.boxes << f->Label3.at(i)->text() + f->Text2.at(i)->text();
    return s;
}

QList<Reader> makeReaders() {
    QList<Reader> r;
    const QList<std::pair<const char*, const char*>> viewers = {
        {"frmConstants", "Constants"},           {"frmSpecificHeats", "SpecificHeats"},
        {"frmSolConstants", "SolubilityConstants"}, {"frmIonization", "IonizationEnergy"},
        {"frmThermodynamics", "ThermodynamicData"}, {"frmVaporPressure", "VaporPressure"},
        {"frmStandard", "StandardReductions"},   {"frmEnthalpies", "Enthalpies"},
        {"frmelectronegativities", "Electronegativities"}, {"frmRadii", "AtomicRadii"},
        {"frmBonds", "Bonds"},                   {"frmExtraData", "GasDensity"},
        {"frmExtra2", "WaterDensity"},           {"frmAffinities", "Affinities"},
        {"frmCharacter", "Character"},           {"frmHalfLives", "HalfLives"},
    };
    for (const auto& [w, t] : viewers) {
        const QString name = QLatin1String(w);
        r.append({name, {QLatin1String(t)}, [name] { return viewer(name); }});
    }
    const QList<std::pair<const char*, const char*>> charts = {
        {"frmPTable2", "AtomicRadii"}, {"frmPTable3", "Electronegativities"}, {"frmPTable4", "Affinities"},
        {"frmPTable5", "IonizationEnergy"}, {"frmPTable6", "GeneralInfo"}, {"frmPTable7", "GeneralInfo"},
    };
    for (const auto& [w, t] : charts) {
        const QString name = QLatin1String(w);
        r.append({name, {QLatin1String(t)}, [name] { return chart(name); }});
    }
    const QString general = QStringLiteral("GeneralInfo");
    r.append({QStringLiteral("frmPeriodicData"), {general}, dataSheet});
    r.append({QStringLiteral("frmWeights"), {general, QStringLiteral("MolecularWeights")}, weigher});
    r.append({QStringLiteral("fmrMoles"), {general}, moles});
    r.append({QStringLiteral("frmBuildAtoms"), {general}, atomBuilder});
    r.append({QStringLiteral("frmReactions"), {general}, reactions});
    const QString vapour = QStringLiteral("VaporPressure");
    r.append({QStringLiteral("frmDalton"), {vapour}, [] {
                  return calculator(QStringLiteral("frmDalton"), {"20", "2", "101.3", "101.3"});
              }});
    r.append({QStringLiteral("frmCombinedLaws"), {vapour}, [] {
                  return calculator(QStringLiteral("frmCombinedLaws"), {"2", "100", "298", "50", "600"}, "chk1");
              }});
    r.append({QStringLiteral("frmRaoults"), {vapour}, [] {
                  return calculator(QStringLiteral("frmRaoults"), {"25", "10", "10", "90", "18"});
              }});
    r.append({QStringLiteral("frmFreezing"), {QStringLiteral("Temperatures")},
              [] { return viewer(QStringLiteral("frmFreezing"), "lstList1"); }});
    return r;
}

}  // namespace

const QList<Reader>& readers() {
    static const QList<Reader> r = makeReaders();
    return r;
}

Seen run(const Reader& r) {
    TestSupport::messages().clear();
    QElapsedTimer t;
    t.start();
    Seen s = r.drive();
    s.ms = t.elapsed();
    for (const Msg::Box& b : TestSupport::messages().shown) s.messages.append(b.text);
    TestSupport::messages().clear();
    return s;
}

QList<Table> tables(const QString& path) {
    QList<Table> out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("badfiles-schema"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
            while (q.next()) out.append({q.value(0).toString(), {}});
            for (Table& t : out) {
                const QSqlRecord rec = db.record(t.name);
                for (int i = 0; i < rec.count(); ++i) t.fields.append(rec.fieldName(i));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("badfiles-schema"));
    return out;
}

bool edit(const QString& path, const QStringList& statements) {
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("badfiles-edit"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& s : statements) {
            if (!ok) break;
            if (!q.exec(s)) {
                qWarning("%s: %s", qPrintable(s), qPrintable(q.lastError().text()));
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("badfiles-edit"));
    return ok;
}

bool scramblePages(const QString& path, const QList<int>& pages, quint32 seed) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite)) return false;
    const qint64 pageSize = 4096;
    for (int p : pages) {
        if ((p + 1) * pageSize > f.size()) return false;
        QByteArray bytes(pageSize, 0);
        for (char& b : bytes) b = char((seed = seed * 1103515245u + 12345u) >> 24);
        f.seek(p * pageSize);
        f.write(bytes);
    }
    return true;
}

QString inventedLine(const QStringList& damaged, const QStringList& good) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QSet<QString> exact(good.begin(), good.end());
    QList<QStringList> goodWords;
    for (const QString& g : good) goodWords.append(g.split(blanks, Qt::SkipEmptyParts));
    for (const QString& line : damaged) {
        if (exact.contains(line)) continue;
        const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        bool found = false;
        for (const QStringList& g : goodWords) {
            int j = 0;
            for (int i = 0; i < g.size() && j < words.size(); ++i)
                if (g.at(i) == words.at(j)) ++j;
            if (j == words.size()) {
                found = true;
                break;
            }
        }
        if (!found) return line;
    }
    return QString();
}

bool namesAFault(const QString& message) {
    static const QStringList faults = {
        QStringLiteral("malformed"),          QStringLiteral("no such table"),
        QStringLiteral("no such column"),     QStringLiteral("not a database"),
        QStringLiteral("Type mismatch"),      QStringLiteral("No current record"),
        QStringLiteral("Invalid use of Null"), QStringLiteral("could not be read"),
        QStringLiteral("Item not found"),     QStringLiteral("I/O error"),
        QStringLiteral("element table"),
        // The mole calculator's message for a stored weight it cannot read.
        QStringLiteral("List Selection Error"),
    };
    for (const QString& f : faults)
        if (message.contains(f)) return true;
    return false;
}

}  // namespace BadFiles
