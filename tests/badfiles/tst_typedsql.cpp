// Quotes and SQL fragments typed, pasted or set into every box that feeds a
// lookup: each ends in a normal refusal or answer, no query text ever holds
// what was typed, and the reference file stays as it was.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

#include "TestSupport.h"
#include "formulas/frmReactions.h"
#include "platform/CalculatorForm.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/periodic/frmPeriodic.h"

using TestSupport::child;
using TestSupport::messages;

namespace {
const QStringList Fragments = {"'", "\"", "H' OR '1'='1", "Fe'--", "'; DROP TABLE GeneralInfo; --", "25 OR 1=1",
                                "25; DELETE FROM VaporPressure", "25) UNION SELECT Symbol FROM GeneralInfo --", "%_\\*",
                                "Na'); DROP TABLE Students;--"};

// Words of the database engine's own faults: a typed text never reaches it.
const QStringList EngineWords = {"syntax error", "unrecognized token", "near \"", "no such", "SQL", "malformed"};

enum class Entry { Typed, Pasted, Set };

QByteArray digest(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

// Puts the text in the box as the student would: key by key, from the
// clipboard, or as a program sets it.
void enter(QWidget* box, const QString& text, Entry how) {
    box->setFocus();
    if (how == Entry::Typed) TestSupport::type(box, text);
    if (how == Entry::Pasted) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    if (auto* line = qobject_cast<QLineEdit*>(box); line && how == Entry::Set) line->setText(text);
    if (auto* rich = qobject_cast<QTextEdit*>(box); rich && how == Entry::Set) rich->setPlainText(text);
}

// A box that feeds a lookup, with the calculator's other boxes in order (the
// lookup box left "") and the check box to tick.
struct LookupBox {
    const char *window, *box;
    QStringList others;
    const char* check = nullptr;
};

const QList<LookupBox> Boxes = {
    {"frmDalton", "Text1", {"", "2", "101.3", "101.3"}}, {"frmCombinedLaws", "Text3", {"2", "100", "", "50", "600"}, "chk1"},
    {"frmRaoults", "Text1", {"", "10", "10", "90", "18"}}, {"fmrMoles", "txtMoles1", {""}}, {"fmrMoles", "txtMoles2", {"2"}},
    {"frmWeights", "RichTextBox1", {}}, {"frmReactions", "RichTextBox1", {}}};
}  // namespace

class TstTypedSql : public QObject {
    Q_OBJECT
    QByteArray m_digest;

    // What the window says after the entry: no fault of the engine, no query
    // holding the typed text.
    void expectPlainOutcome(const QString& where, const QString& typed) {
        for (const Msg::Box& m : messages().shown)
            for (const QString& w : EngineWords)
                QVERIFY2(!m.text.contains(w), qPrintable(where + QStringLiteral(": ") + m.text));
        // The latest query is one of the program's own fixed texts.
        static const QStringList Queries = {QString(), "SELECT * FROM VaporPressure", "SELECT * FROM MolecularWeights",
                                            "SELECT Symbol, AtomicWeight FROM GeneralInfo", "SELECT Symbol FROM GeneralInfo",
                                            "SELECT * FROM GeneralInfo WHERE Symbol = ?"};
        QVERIFY2(Queries.contains(ReferenceDatabase::sharedSql()),
                 qPrintable(where + QStringLiteral(" with ") + typed + QStringLiteral(" ran ") + ReferenceDatabase::sharedSql()));
    }

private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
        m_digest = digest(Program::path(ReferenceDatabase::FileName));
        QVERIFY(!m_digest.isEmpty());
    }
    void cleanup() {
        TestSupport::unloadAll();
        messages().clear();
    }
    void cleanupTestCase() {
        // Nothing typed changed the file, and it reads whole.
        QCOMPARE(digest(Program::path(ReferenceDatabase::FileName)), m_digest);
        int rows = 0;
        ReferenceDatabase::fullWalk(QStringLiteral("SELECT * FROM GeneralInfo"), [&](const Recordset&) { ++rows; });
        QCOMPARE(rows, 109);
    }

    void fragmentsInLookupBoxes_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("typed");
        const char* hows[] = {"typed", "pasted", "set"};
        for (int b = 0; b < Boxes.size(); ++b)
            for (int h = 0; h < 3; ++h)
                for (const QString& f : Fragments)
                    QTest::addRow("%s.%s %s %s", Boxes.at(b).window, Boxes.at(b).box, hows[h], qPrintable(f))
                        << b << h << f;
    }
    void fragmentsInLookupBoxes() {
        QFETCH(int, box);
        QFETCH(int, how);
        QFETCH(QString, typed);
        const LookupBox& lb = Boxes.at(box);
        Form* f = TestSupport::open(QLatin1String(lb.window));
        QVERIFY(f);
        if (lb.check) child<QAbstractButton>(f, lb.check)->setChecked(true);
        if (auto* c = qobject_cast<CalculatorForm*>(f))
            for (int i = 0; i < lb.others.size() && i < c->inputs.size(); ++i) c->inputs.at(i)->setText(lb.others.at(i));
        if (QLatin1String(lb.window) == QLatin1String("fmrMoles")) {
            // Iron chosen, grams to moles.
            auto* list = child<QListWidget>(f, "lstList1");
            list->setCurrentRow(25);
            QVERIFY(list->currentItem()->text().startsWith(QLatin1String("Fe ")));
            child<QAbstractButton>(f, "optMoles2")->setChecked(true);
            child<QAbstractButton>(f, "optMoles4")->setChecked(true);
        }
        QWidget* target = child<QWidget>(f, lb.box);
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->clear();
        messages().clear();
        ReferenceDatabase::sharedSql().clear();
        enter(target, typed, Entry(how));
        child<QPushButton>(f, "cmdOk")->click();
        expectPlainOutcome(QLatin1String(lb.window) + QLatin1Char('.') + QLatin1String(lb.box), typed);
    }

    // The data sheet looks up only a symbol of the table's buttons, and only bound.
    void dataSheetSymbol() {
        for (const QString& typed : Fragments + QStringList{"Fe", "fe"}) {
            SelectedSymbol = typed;
            messages().clear();
            ReferenceDatabase::sharedSql().clear();
            Form* sheet = TestSupport::open(QStringLiteral("frmPeriodicData"));
            expectPlainOutcome(QStringLiteral("frmPeriodicData"), typed);
            // Any text but a symbol is no element: a refusal, and an empty sheet.
            const bool iron = typed == QLatin1String("Fe");
            QCOMPARE(child<QLineEdit>(sheet, "Text1")->text(), iron ? QStringLiteral("Iron") : QString());
            QCOMPARE(messages().shown.size(), iron ? 0 : 1);
            if (!iron) QCOMPARE(messages().lastText(), QStringLiteral("No current record."));
            TestSupport::unloadAll();
        }
    }
};

QTEST_MAIN(TstTypedSql)
#include "tst_typedsql.moc"
