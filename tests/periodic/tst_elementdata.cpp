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
    auto* t = Forms::showAs<frmPeriodic>(QStringLiteral("frmPeriodic"));
    TestSupport::settle();
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

QString manual() {
    QFile f(Program::path(QStringLiteral("RegularPeriodicTable.txt")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
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
        auto row = [](const char* symbol, int box, double value) {
            const char* what = box == Density ? "density" : box == Freezing ? "freezing" : "boiling";
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(symbol), QLatin1String(what))))
                << QString::fromLatin1(symbol) << box << value;
        };
        // Degrees C. Before: Si 2357, Be 2970, Ra 1140, Fe 2750, Ni 2732, Mn 1962,
        // Co 2870, Ba 1805, As 603, Po empty; Cr 1857, Tc 2204.
        row("Si", Boiling, 3265);
        row("Be", Boiling, 2469);
        row("Ra", Boiling, 1737);
        row("Fe", Boiling, 2861);
        row("Ni", Boiling, 2913);
        row("Mn", Boiling, 2061);
        row("Co", Boiling, 2927);
        row("Ba", Boiling, 1897);
        row("Po", Boiling, 962);
        row("As", Boiling, 614);
        row("C", Boiling, 3727);
        row("Cr", Freezing, 1907);
        row("Tc", Freezing, 2157);
        row("As", Freezing, 817);
        row("He", Freezing, -272.2);
        // g/cm3; both were empty.
        row("Ra", Density, 5.5);
        row("Ac", Density, 10.0);
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
        const QString text = manual();
        QVERIFY(!text.isEmpty());
        const QString asBoiling = sheetBox(QStringLiteral("As"), Boiling);
        const QString asFreezing = sheetBox(QStringLiteral("As"), Freezing);
        QVERIFY(QLocale().toDouble(asBoiling) < QLocale().toDouble(asFreezing));
        for (const QString& number : {asBoiling, asFreezing})
            QVERIFY2(text.contains(number + QStringLiteral(" °C")), qPrintable(number));
        QVERIFY(text.contains(QStringLiteral("Arsenic")) && text.contains(QStringLiteral("sublimes")));
        // Carbon sublimes: a boiling point and no freezing point.
        QVERIFY(sheetBox(QStringLiteral("C"), Freezing).isEmpty());
        QVERIFY(!sheetBox(QStringLiteral("C"), Boiling).isEmpty());
        QVERIFY(text.contains(QStringLiteral("Carbon (graphite) also sublimes")));
        QVERIFY(text.contains(QStringLiteral("Helium does not freeze at normal pressure")));
    }

    void bondTableShowsEveryLength_data() {
        QTest::addColumn<QString>("bond");
        QTest::addColumn<double>("length");
        // pm; the first sixteen were empty, C=O was 123.
        const QList<QPair<const char*, double>> rows = {
            {"C-N", 147},  {"C=N", 129},  {"C-F", 135},   {"C-Cl", 177},  {"C-Br", 194},  {"C-I", 214},
            {"C-S", 182},  {"N-N", 145},  {"N=N", 125},   {"N-O", 140},   {"N=O", 121},   {"S-H", 134},
            {"S-S", 205},  {"Si-H", 148}, {"Si-Si", 233}, {"Si-O", 163},  {"C=O", 120},   {"H-H", 74},
            {"C≡N", 116},  {"I-I", 267}};
        for (const auto& [bond, length] : rows) QTest::newRow(bond) << QString::fromUtf8(bond) << length;
    }

    void bondTableShowsEveryLength() {
        QFETCH(QString, bond);
        QFETCH(double, length);
        auto* f = qobject_cast<TableViewerForm*>(Forms::show(QStringLiteral("frmBonds")));
        QVERIFY(f);
        QStringList found;
        for (const QString& line : f->lines())
            if (line.simplified().startsWith(bond + QLatin1Char(' '))) found << line;
        QCOMPARE(found.size(), 1);
        const QStringList cells = found.first().simplified().split(QLatin1Char(' '));
        QCOMPARE(cells.size(), 3);  // bond, energy, length: no cell empty
        QVERIFY2(near(cells.last(), length), qPrintable(found.first()));
    }
};

QTEST_MAIN(tst_ElementData)
#include "tst_elementdata.moc"
