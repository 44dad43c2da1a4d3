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

const QStringList AllViewers = {
    "frmConstants", "frmSpecificHeats", "frmSolConstants", "frmIonization", "frmThermodynamics",
    "frmVaporPressure", "frmStandard", "frmEnthalpies", "frmelectronegativities", "frmRadii",
    "frmBonds", "frmExtraData", "frmExtra2", "frmAffinities", "frmCharacter", "frmHalfLives"};

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
        for (const QString& w : AllViewers) QTest::newRow(qPrintable(w)) << w;
    }

    // One line per row; names fit their cells and never read as numbers; every
    // formatted number stands whole in its row's line.
    void everyViewerListsEveryRowWhole() {
        QFETCH(QString, window);
        auto* f = qobject_cast<TableViewerForm*>(Forms::show(window));
        QVERIFY(f);
        const QList<QSqlRecord> rows = rowsOf("SELECT * FROM " + f->design().table);
        QVERIFY2(!rows.isEmpty(), qPrintable(f->design().table));
        QCOMPARE(f->List1->count(), rows.size());
        QStringList lines = f->lines();
        const QList<FixedColumnLine::Cell>& cells = f->design().cells;
        for (const QSqlRecord& r : rows) {
            QStringList expected;
            for (const FixedColumnLine::Cell& c : cells) {
                QVERIFY2(r.indexOf(c.field) >= 0, qPrintable(f->design().table + "." + c.field));
                const QVariant v = r.value(c.field);
                bool numeric = false;
                const QString text = Picture::format(v, c.picture, &numeric);
                if (c.picture.startsWith(QLatin1Char('0')) && !v.isNull()) {
                    QVERIFY2(!numeric, qPrintable(window + ": a name reads as a number: " + text));
                    QVERIFY2(text.size() <= c.width, qPrintable(window + ": a name is cut: " + text));
                }
                expected.append(numeric ? text : Picture::fit(text, c.width).trimmed());
            }
            if (window == QLatin1String("frmStandard") && r.value("Volts").toDouble() == 0.0)
                expected.last() = QStringLiteral("0.000");
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
