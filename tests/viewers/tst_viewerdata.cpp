// The reference tables in the built VeriRezi.mdb, and how their viewers show them.
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/viewers/TableViewerForm.h"

namespace {

QList<QSqlRecord> rowsOf(const QString& sql) {
    QList<QSqlRecord> out;
    QSqlQuery q(ReferenceDatabase::currentDatabase());
    if (!q.exec(sql)) return out;
    while (q.next()) out.append(q.record());
    return out;
}

// What a student should read in a cell, as SQL over the stored value: the
// expected lines come from the data, not from the program's formatting.
// A name, whole and trimmed.
QString name(const QString& f) { return QStringLiteral("coalesce(trim(%1), '')").arg(f); }
// A text cut to its cell.
QString text(const QString& f, int width) {
    return QStringLiteral("coalesce(trim(substr(%1, 1, %2)), '')").arg(f).arg(width);
}
// A stored value's significant digits (up to 15) and the exponent of its first.
QString exponentForm(const QString& f) { return QStringLiteral("printf('%.14e', abs(%1))").arg(f); }
QString sig(const QString& f) {
    return QStringLiteral("min(4, length(rtrim(replace(substr(%1, 1, 16), '.', ''), '0')))").arg(exponentForm(f));
}
// The decimals that show those digits, up to four: 2.376 shows 2.376 where two decimals are asked for.
QString kept(const QString& f) {
    return QStringLiteral("max(0, %1 - 1 - CAST(substr(%2, 18) AS INTEGER))").arg(sig(f), exponentForm(f));
}
// Two decimals or the stored ones, grouped in thousands.
QString standard(const QString& f) {
    const QString fixed = QStringLiteral("printf('%.*f', max(2, %1), %2)").arg(kept(f), f);
    const QString whole = QStringLiteral("CAST(substr(%1, 1, instr(%1, '.') - 1) AS INTEGER)").arg(fixed);
    return QStringLiteral("CASE WHEN %1 IS NULL THEN '' WHEN abs(%2) >= 1000 "
                          "THEN printf('%,d', %2) || substr(%3, instr(%3, '.')) ELSE %3 END")
        .arg(f, whole, fixed);
}
// One digit, two decimals or the stored ones, and the exponent: 6.02E+23.
QString scientific(const QString& f) {
    return QStringLiteral("coalesce(printf('%.*E', max(2, %1 - 1), %2), '')").arg(sig(f), f);
}
// Plain digits.
QString general(const QString& f) { return QStringLiteral("coalesce(printf('%.15g', %1), '')").arg(f); }
// Up to `decimals` decimals or the stored ones, no leading zero, the point
// kept: ".8", "-.76", "1.".
QString upTo(const QString& f, int decimals) {
    const QString s = QStringLiteral("rtrim(printf('%.*f', max(%1, %2), %3), '0')").arg(decimals).arg(kept(f), f);
    return QStringLiteral("CASE WHEN %1 IS NULL THEN '' WHEN %2 LIKE '0.%' THEN substr(%2, 2) "
                          "WHEN %2 LIKE '-0.%' THEN '-' || substr(%2, 3) ELSE %2 END")
        .arg(f, s);
}

struct Viewer {
    const char* window;
    const char* table;
    QStringList cells;  // SQL for each cell's text, in line order
};
const QList<Viewer>& viewers() {
    static const QList<Viewer> all = {
        {"frmConstants", "Constants", {name("Constant"), scientific("value")}},
        {"frmSpecificHeats", "SpecificHeats", {name("Substance"), standard("SpecificHeat")}},
        {"frmSolConstants", "SolubilityConstants", {name("Substance"), scientific("Ksp")}},
        {"frmIonization", "IonizationEnergy", {name("Substance"), standard("FIE")}},
        {"frmThermodynamics", "ThermodynamicData", {name("Substance"), standard("Hf"), standard("Gf"), standard("S")}},
        {"frmVaporPressure", "VaporPressure", {general("Temperature"), standard("Pressure")}},
        // A potential of 0 shows as 0.000.
        {"frmStandard", "StandardReductions",
         {name("HalfReaction"), "CASE WHEN Volts = 0 THEN '0.000' ELSE " + upTo("Volts", 4) + " END"}},
        {"frmEnthalpies", "Enthalpies", {name("Element"), standard("EofFusion"), standard("EofVaporization")}},
        {"frmelectronegativities", "Electronegativities", {name("Element"), standard("Electronegativity")}},
        {"frmRadii", "AtomicRadii", {name("Substance"), standard("AtomicRadii")}},
        {"frmBonds", "Bonds", {name("Bond"), standard("Energy"), standard("Length")}},
        {"frmExtraData", "GasDensity", {name("Gas"), standard("Density")}},
        {"frmExtra2", "WaterDensity", {general("Temperature"), upTo("Density", 5)}},
        {"frmAffinities", "Affinities", {name("Element"), standard("Affinity")}},
        {"frmCharacter", "Character", {standard("Difference"), standard("Ionic"), standard("Covalent")}},
        {"frmHalfLives", "HalfLives", {name("Substance"), text("HalfLife", 12), text("DecayMode", 12)}}};
    return all;
}

}  // namespace

class tst_ViewerData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        QVERIFY(ReferenceDatabase::isOpen());
    }
    void cleanup() { TestSupport::unloadAll(); }

    void everyViewerListsEveryRowWhole_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("cells");
        for (const Viewer& v : viewers()) QTest::newRow(v.window) << v.window << v.table << v.cells;
    }

    // One line per row, each holding its cells' texts in order; names stand
    // whole and never read as numbers.
    void everyViewerListsEveryRowWhole() {
        QFETCH(QString, window);
        QFETCH(QString, table);
        QFETCH(QStringList, cells);
        auto* f = qobject_cast<TableViewerForm*>(Forms::show(window));
        QVERIFY(f);
        const QList<QSqlRecord> rows = rowsOf("SELECT " + cells.join(", ") + " FROM " + table);
        QVERIFY2(!rows.isEmpty(), qPrintable(table));
        QCOMPARE(f->List1->count(), rows.size());
        static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
        QStringList lines = f->lines();
        for (const QSqlRecord& r : rows) {
            QStringList expected;
            for (int c = 0; c < cells.size(); ++c) {
                expected.append(r.value(c).toString());
                if (cells.at(c).startsWith(QLatin1String("coalesce(trim(")) && !expected.last().isEmpty())
                    QVERIFY2(!number.match(expected.last()).hasMatch(),
                             qPrintable(window + ": a name reads as a number: " + expected.last()));
            }
            int found = -1;
            for (int i = 0; i < lines.size() && found < 0; ++i) {
                int at = 0;
                bool all = lines.at(i).startsWith(expected.first());
                for (const QString& e : expected) {
                    if (!all) break;
                    at = lines.at(i).indexOf(e, at);
                    all = at >= 0;
                    at += e.size();
                }
                if (all) found = i;
            }
            QVERIFY2(found >= 0, qPrintable(window + ": no whole line for " + expected.join(QLatin1Char('|'))));
            lines.removeAt(found);
        }
    }

    void valuesInPhysicalRange_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<bool>("mayBeEmpty");
        auto row = [](const char* t, const char* f, double lo, double hi, bool empty) {
            QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(t, f))) << QString(t) << QString(f) << lo << hi << empty;
        };
        row("Constants", "value", 1e-40, 1e30, false);
        row("SpecificHeats", "SpecificHeat", 0.1, 15.0, false);             // J/g*C; hydrogen 14.3
        row("SolubilityConstants", "Ksp", 1e-60, 1.0, false);
        row("IonizationEnergy", "FIE", 350.0, 2400.0, true);                // kJ/mol: Cs 376 to He 2372
        row("ThermodynamicData", "Hf", -4000.0, 1000.0, false);             // kJ/mol
        row("ThermodynamicData", "Gf", -4000.0, 1000.0, false);
        row("ThermodynamicData", "S", 0.0, 1000.0, false);                  // J/mol*K, never negative
        row("StandardReductions", "Volts", -3.1, 3.1, false);               // Li to F2
        row("Enthalpies", "EofFusion", 0.0, 120.0, true);                   // kJ/mol
        row("Enthalpies", "EofVaporization", 0.0, 900.0, true);
        row("Electronegativities", "Electronegativity", 0.7, 4.0, true);   // Pauling: Fr/Cs to F
        row("AtomicRadii", "AtomicRadii", 25.0, 300.0, true);               // pm
        row("Affinities", "Affinity", -100.0, 350.0, true);                 // kJ/mol; Cl 349
        row("Bonds", "Energy", 100.0, 1100.0, false);                       // kJ/mol; C≡O 1072
        row("Bonds", "Length", 50.0, 300.0, true);                          // pm
        row("Character", "Difference", 0.0, 4.0, false);
        row("Character", "Ionic", 0.0, 100.0, false);
        row("GasDensity", "Density", 0.05, 15.0, false);                    // g/L at STP
        row("WaterDensity", "Temperature", 0.0, 100.0, false);              // liquid water, C
        row("WaterDensity", "Density", 0.95, 1.0, false);                   // g/mL
        row("VaporPressure", "Temperature", 0.0, 100.0, false);
        row("VaporPressure", "Pressure", 0.6, 102.0, false);                // kPa
    }

    void valuesInPhysicalRange() {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(bool, mayBeEmpty);
        const QList<QSqlRecord> rows = rowsOf("SELECT * FROM " + table);
        QVERIFY2(!rows.isEmpty(), qPrintable(table));
        int values = 0;
        for (const QSqlRecord& r : rows) {
            QVERIFY2(r.indexOf(field) >= 0, qPrintable(field));
            const QVariant v = r.value(field);
            if (v.isNull()) {
                QVERIFY2(mayBeEmpty, qPrintable(QStringLiteral("empty %1 in row %2").arg(field, r.value(0).toString())));
                continue;
            }
            double d = 0;
            QVERIFY2(Picture::readsAsNumber(v, &d), qPrintable(v.toString()));
            QVERIFY2(d >= low && d <= high,
                     qPrintable(QStringLiteral("%1 = %2 (row %3)").arg(field).arg(d).arg(r.value(0).toString())));
            ++values;
        }
        QVERIFY(values > 0);
    }

    void perElementTables_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("nameField");
        QTest::addColumn<QString>("generalField");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("IonizationEnergy") << "IonizationEnergy" << "Substance" << "Symbol" << 103;
        QTest::newRow("Electronegativities") << "Electronegativities" << "Element" << "ElementName" << 95;
        QTest::newRow("AtomicRadii") << "AtomicRadii" << "Substance" << "ElementName" << 93;
        QTest::newRow("Affinities") << "Affinities" << "Element" << "ElementName" << 88;
    }

    // One row per element from hydrogen on, in ascending atomic number, named as
    // the element table names it.
    void perElementTables() {
        QFETCH(QString, table);
        QFETCH(QString, nameField);
        QFETCH(QString, generalField);
        QFETCH(int, atLeast);
        QHash<int, QString> general;
        for (const QSqlRecord& r : rowsOf(QStringLiteral("SELECT * FROM GeneralInfo")))
            general.insert(r.value("AtomicNumber").toInt(), r.value(generalField).toString());
        const QList<QSqlRecord> rows = rowsOf("SELECT * FROM " + table);
        QVERIFY2(rows.size() >= atLeast, qPrintable(QString::number(rows.size())));
        QStringList mismatches;
        for (int i = 0; i < rows.size(); ++i) {
            const int z = rows.at(i).value("AtomicNumber").toInt();
            QCOMPARE(z, i + 1);
            const QString name = rows.at(i).value(nameField).toString();
            if (name != general.value(z)) mismatches.append(QStringLiteral("%1: %2 / %3").arg(z).arg(name, general.value(z)));
        }
        QVERIFY2(mismatches.isEmpty(), qPrintable(table + " vs GeneralInfo." + generalField + ": " + mismatches.join("; ")));
    }

    void vaporPressureRisesWithTemperature() {
        const QList<QSqlRecord> rows = rowsOf(QStringLiteral("SELECT * FROM VaporPressure"));
        QVERIFY(rows.size() > 1);
        QList<QPair<double, double>> points;
        for (const QSqlRecord& r : rows) points.append({r.value("Temperature").toDouble(), r.value("Pressure").toDouble()});
        std::sort(points.begin(), points.end());
        for (int i = 1; i < points.size(); ++i) {
            QVERIFY(points.at(i).first > points.at(i - 1).first);  // one row per temperature
            QVERIFY(points.at(i).second > points.at(i - 1).second);
        }
    }

    void bondCharacterAddsToHundred() {
        for (const QSqlRecord& r : rowsOf(QStringLiteral("SELECT * FROM Character")))
            QCOMPARE(r.value("Ionic").toDouble() + r.value("Covalent").toDouble(), 100.0);
    }

    void halfLivesCarryTheirUnit() {
        static const QRegularExpression life(QStringLiteral("^\\d+(\\.\\d+)?(E\\d+)? (s|min|h|d|y)$"));
        const QList<QSqlRecord> rows = rowsOf(QStringLiteral("SELECT * FROM HalfLives"));
        QVERIFY(!rows.isEmpty());
        for (const QSqlRecord& r : rows) {
            QVERIFY2(life.match(r.value("HalfLife").toString()).hasMatch(), qPrintable(r.value("HalfLife").toString()));
            QVERIFY(!r.value("DecayMode").toString().isEmpty());
            QVERIFY(r.value("Substance").toString().contains(QRegularExpression(QStringLiteral("^[A-Z][a-z]?-\\d+m?$"))));
        }
    }
};

QTEST_MAIN(tst_ViewerData)
#include "tst_viewerdata.moc"
