// The handbook values a student reads on the element data sheet and in the bond
// table: the melting points, boiling points and densities of libelemental 2.0.2
// (data/10-generalinfo.sql) and the bond lengths of data/30-bonds.sql, each
// within 1 %. The values these replaced all lie further off.
#include <QFile>
#include <QLocale>
#include <QtTest>

#include "TestSupport.h"
#include "platform/Program.h"
#include "refdata/periodic/frmPeriodic.h"
#include "refdata/periodic/frmPeriodicData.h"
#include "refdata/viewers/TableViewerForm.h"

using TestSupport::child;

namespace {
// The sheet's boxes.
constexpr int Density = 12, Freezing = 13, Boiling = 14;

QString sheetBox(const QString& symbol, int box) {
    auto* t = TestSupport::open(QStringLiteral("frmPeriodic"));
    QTest::mouseClick(child<QPushButton>(t, qPrintable(QStringLiteral("cmd") + symbol)), Qt::LeftButton);
    TestSupport::settle();
    auto* s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
    return s ? child<QLineEdit>(s, qPrintable(QStringLiteral("Text%1").arg(box)))->text() : QStringLiteral("(no sheet)");
}

bool near(const QString& text, double value) {
    bool ok = false;
    const double shown = QLocale().toDouble(text, &ok);
    return ok && qAbs(shown - value) <= 0.01 * qAbs(value);
}
}  // namespace

class tst_ElementData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"));
    }
    void cleanup() { TestSupport::unloadAll(); }

    void sheetShowsTheHandbookValue_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("box");
        QTest::addColumn<double>("value");
        // Degrees C, before: Si 2357, Be 2970, Ra 1140, Fe 2750, Ni 2732, Mn 1962, Co 2870, Ba 1805, As 603,
        // Po empty; Cr 1857, Tc 2204. g/cm3: both empty.
        const struct { const char* symbol; int box; double value; } rows[] = {
            {"Si", Boiling, 3265}, {"Be", Boiling, 2469}, {"Ra", Boiling, 1737}, {"Fe", Boiling, 2861},
            {"Ni", Boiling, 2913}, {"Mn", Boiling, 2061}, {"Co", Boiling, 2927}, {"Ba", Boiling, 1897},
            {"Po", Boiling, 962},  {"As", Boiling, 614},  {"Cr", Freezing, 1907}, {"Tc", Freezing, 2157},
            {"As", Freezing, 817}, {"He", Freezing, -272.2}, {"Ra", Density, 5.5}, {"Ac", Density, 10.0}};
        for (const auto& r : rows)
            QTest::addRow("%s %s", r.symbol, r.box == Density ? "density" : r.box == Freezing ? "freezing" : "boiling")
                << QString::fromLatin1(r.symbol) << r.box << r.value;
    }

    void sheetShowsTheHandbookValue() {
        QFETCH(QString, symbol);
        QFETCH(int, box);
        QFETCH(double, value);
        const QString shown = sheetBox(symbol, box);
        QVERIFY2(near(shown, value), qPrintable(QStringLiteral("shows \"%1\", handbook %2").arg(shown).arg(value)));
        QVERIFY(TestSupport::messages().shown.isEmpty());
    }

    // Values that look wrong on the sheet are explained in the manual topic the
    // student opens from it, with the numbers the sheet shows.
    void manualExplainsTheOddValues() {
        QFile f(Program::path(QStringLiteral("RegularPeriodicTable.txt")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        // Arsenic boils (sublimes) below its freezing point; carbon sublimes: a boiling point and no freezing point.
        QVERIFY(sheetBox(QStringLiteral("C"), Freezing).isEmpty() && !sheetBox(QStringLiteral("C"), Boiling).isEmpty());
        for (const QString& phrase : {sheetBox(QStringLiteral("As"), Boiling) + " °C", sheetBox(QStringLiteral("As"), Freezing) + " °C",
                                      QStringLiteral("Arsenic"), QStringLiteral("sublimes"), QStringLiteral("Carbon (graphite) also sublimes"),
                                      QStringLiteral("Helium does not freeze at normal pressure")})
            QVERIFY2(text.contains(phrase), qPrintable(phrase));
    }

    // pm; sixteen lengths were empty, C=O was 123.
    void bondTableShowsEveryLength() {
        auto* f = qobject_cast<TableViewerForm*>(Forms::show(QStringLiteral("frmBonds")));
        QVERIFY(f);
        QHash<QString, QString> length;
        for (const QString& line : f->lines()) {
            const QStringList cells = line.simplified().split(QLatin1Char(' '));
            QVERIFY2(cells.size() == 3, qPrintable(line));  // bond, energy, length: no cell empty
            length.insert(cells.first(), cells.last());
        }
        QCOMPARE(length.size(), 38);
        const QList<QPair<const char*, double>> named = {
            {"C-N", 147}, {"C-Cl", 177}, {"N-N", 145}, {"S-S", 205}, {"Si-O", 163}, {"C=O", 120}, {"C≡N", 116}};
        for (const auto& [bond, pm] : named)
            QVERIFY2(near(length.value(QString::fromUtf8(bond)), pm), bond);
    }
};

QTEST_MAIN(tst_ElementData)
#include "tst_elementdata.moc"
