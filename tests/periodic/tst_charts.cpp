// The element charts and the table chooser.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/periodic/ChartForm.h"
#include "refdata/periodic/frmTableChoice.h"
#include "shell/frmMain.h"

using TestSupport::child;

namespace {
struct Seen {
    QString title, xTitle, yTitle;
    QStringList labels;
    QMap<int, double> points;  // category index -> value
    int lines = 0;
    bool labelsOnPoints = false;
    int misplaced = 0;  // labels off their point, points off a category
};

Seen seen(ChartForm* f) {
    Seen s;
    QChart* c = f->MSChart1->chart();
    s.title = c->title();
    for (QAbstractAxis* a : c->axes(Qt::Horizontal)) {
        s.xTitle = a->titleText();
        if (auto* cat = qobject_cast<QCategoryAxis*>(a)) {
            const QStringList all = cat->categoriesLabels();
            for (int i = 0; i < all.size(); ++i) {
                // Each label stands on its category's point.
                if (cat->endValue(all[i]) != i) ++s.misplaced;
                s.labels.append(QString(all[i]).remove(QChar(0x200B)));
            }
            s.labelsOnPoints = cat->labelsPosition() == QCategoryAxis::AxisLabelsPositionOnValue;
        }
    }
    for (QAbstractAxis* a : c->axes(Qt::Vertical)) s.yTitle = a->titleText();
    for (QAbstractSeries* series : c->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        if (!line) continue;
        ++s.lines;
        for (const QPointF& p : line->points()) {
            const int x = qRound(p.x());
            if (s.points.contains(x) || p.x() != x) ++s.misplaced;
            s.points.insert(x, p.y());
        }
    }
    return s;
}

// The leading rows of a table as stored, read past the windows.
struct Stored {
    QStringList labels;
    QMap<int, double> values;
    int rows = 0;
};
Stored stored(const QString& table, const QString& field, int n) {
    Stored out;
    QSqlQuery q(ReferenceDatabase::currentDatabase());
    q.exec(QStringLiteral("SELECT * FROM ") + table);
    int i = 0;
    while (q.next()) {
        ++out.rows;
        if (i >= n) continue;
        out.labels.append(QStringLiteral(" ") + q.record().value(QStringLiteral("AtomicNumber")).toString());
        const QVariant v = q.record().value(field);
        if (!v.isNull()) out.values.insert(i, v.toDouble());
        ++i;
    }
    return out;
}

ChartForm* chartWindow(const char* name) { return Forms::get<ChartForm>(QLatin1String(name)); }
}  // namespace

class TestCharts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"));
    }
    void cleanup() {
        TestSupport::unloadAll();
        TestSupport::messages().clear();
    }

    void chartsPlotStoredRows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("yTitle");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("description");
        QTest::newRow("radii") << "frmPTable2" << "mnuAtomicRadii" << "Periodic Table - Atomic Radii" << "AtomicRadii"
                               << "AtomicRadii" << 93 << "Atomic Number v. Atomic Radius" << "Atomic Radius"
                               << "As the attraction for electrons changes, so does the radius of the atom."
                               << "The atomic radius is a function of the attraction between the nucleus and the electrons. "
                                  "The stronger the attraction the smaller the radius and the weaker the attraction, the "
                                  "larger the radius. The radius shows a distinct periodic pattern. There are ups and downs "
                                  "corresponding to the different periods of the table. The more energy levels an element "
                                  "has, the weaker the attraction and the larger the radius. ";
        QTest::newRow("electronegativity")
            << "frmPTable3" << "mnuElectronegativity" << "Periodic Table - Electronegativity" << "Electronegativities"
            << "Electronegativity" << 95 << "Atomic Number v. Electronegativity" << "Electronegativity"
            << "Atoms tend to attract electrons from the atom they are bonded to."
            << "Electronegativity is the attraction that an atom has for an electron when it is bonded to another atom.  ";
        QTest::newRow("affinity") << "frmPTable4" << "mnuAffinity" << "Periodic Table - Affinities" << "Affinities"
                                  << "Affinity" << 88 << "Atomic Number v. Affinity" << "Affinity"
                                  << "Atoms try to attract electrons in order to fill their outer energy levels."
                                  << "Affinity is the attraction that an atom has for an electron. The stronger the "
                                     "attraction, the higher  the electronegativity value. Atoms try to fill their outer "
                                     "energy levels in order to become more stable. ";
        QTest::newRow("ionization")
            << "frmPTable5" << "mnuIonization" << "Periodic Table - Ionization Energies" << "IonizationEnergy" << "FIE"
            << 103 << "Atomic Number v. Ionization Energy" << "Ionization Energy"
            << "The ionization energy is a measure of how tightly the electron is held to the atom."
            << "Ionization energy is the energy required to remove an electron. The more tightly held the electron,  the "
               "higher the ionization energy. ";
        QTest::newRow("density") << "frmPTable6" << "mnuDensityTable" << "Periodic Table - Density" << "GeneralInfo"
                                 << "Density" << 103 << "Atomic Number v. Density" << "Density"
                                 << "As you go through the periodic table, you have more particles in a small volume."
                                 << "Density is the mass divided by the volume. The more atomic particles in a tiny "
                                    "volume like an atom, the higher the density.  ";
        QTest::newRow("boiling") << "frmPTable7" << "mnuBoilingPointTable" << "Periodic Table - Boiling Point"
                                 << "GeneralInfo" << "BoilingPoint" << 103 << "Atomic Number v. Boiling Point"
                                 << "Booiling point"
                                 << "The ups and downs in boiling point illustrate the periodic nature of the table."
                                 << "The boiling point is another property of an element that shows a periodic nature.  ";
    }
    void chartsPlotStoredRows() {
        QFETCH(QString, window);
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(int, n);
        QFETCH(QString, title);
        QFETCH(QString, yTitle);
        QFETCH(QString, tip);
        QFETCH(QString, description);

        auto* main = Forms::showAs<frmMain>(QStringLiteral("frmMain"));
        QAction* item = main->menuItem(menu);
        QVERIFY(item);
        item->trigger();
        TestSupport::settle();
        auto* f = Forms::get<ChartForm>(window);
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->windowTitle(), caption);
        QCOMPARE(f->MSChart1->toolTip(), tip);

        const Seen s = seen(f);
        const Stored want = stored(table, field, n);
        QVERIFY(want.rows >= qMin(n, 88));  // the file holds enough rows to chart
        QCOMPARE(s.title, title);
        QCOMPARE(s.xTitle, QStringLiteral("Atomic Number"));
        QCOMPARE(s.yTitle, yTitle);
        QCOMPARE(s.labels.size(), qMin(n, want.rows));
        QCOMPARE(s.labels, want.labels);
        QCOMPARE(s.labels.first(), QStringLiteral(" 1"));
        QVERIFY(s.labelsOnPoints);
        QCOMPARE(s.misplaced, 0);
        QCOMPARE(s.points.keys(), want.values.keys());
        for (auto it = want.values.cbegin(); it != want.values.cend(); ++it) QCOMPARE(s.points.value(it.key()), it.value());
        // Rows past the count are not charted.
        if (want.rows > n) QVERIFY(!s.points.contains(n));
        QVERIFY(TestSupport::messages().shown.isEmpty());

        // The buttons: Cancel, then Description to its right.
        QCOMPARE(f->cmdCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(f->cmdDescription->text(), QStringLiteral("Description"));
        QVERIFY(f->cmdDescription->x() > f->cmdCancel->geometry().right());
        QVERIFY(f->MSChart1->geometry().bottom() < f->cmdCancel->y());
        QTest::mouseClick(f->cmdDescription, Qt::LeftButton);
        QCOMPARE(TestSupport::messages().shown.size(), 1);
        QCOMPARE(TestSupport::messages().shown[0].text, description);
        QCOMPARE(TestSupport::messages().shown[0].title, QStringLiteral("Tessival"));
        QCOMPARE(TestSupport::messages().shown[0].icon, Msg::Icon::Information);
        QVERIFY(f->isVisible());

        // F1 does nothing here; Cancel goes to the chooser although the menu opened the chart.
        TestSupport::press(f->cmdCancel, Qt::Key_F1);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTableChoice")));
        QTest::mouseClick(f->cmdCancel, Qt::LeftButton);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(window));
        auto* chooser = Forms::get<frmTableChoice>(QStringLiteral("frmTableChoice"));
        QVERIFY(chooser && chooser->isVisible());
        QVERIFY(main->isVisible());
    }

    void keysOfTheCharts() {
        for (const char* name : {"frmPTable2", "frmPTable3", "frmPTable4", "frmPTable6", "frmPTable7"}) {
            ChartForm* f = Forms::showAs<ChartForm>(QLatin1String(name));
            QVERIFY(f);
            // Enter is not Cancel here.
            TestSupport::press(f->MSChart1, Qt::Key_Return);
            TestSupport::settle();
            QVERIFY2(Forms::isLoaded(QLatin1String(name)), name);
            TestSupport::press(f->MSChart1, Qt::Key_Escape);
            TestSupport::settle();
            QVERIFY2(!Forms::isLoaded(QLatin1String(name)), name);
            QVERIFY(Forms::loaded(QStringLiteral("frmTableChoice"))->isVisible());
            TestSupport::unloadAll();
        }
        // The ionization chart's Cancel is also its default button.
        ChartForm* f = Forms::showAs<ChartForm>(QStringLiteral("frmPTable5"));
        f->cmdDescription->setFocus();
        TestSupport::press(f->cmdDescription, Qt::Key_Return);
        QCOMPARE(TestSupport::messages().shown.size(), 1);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmPTable5")));
        TestSupport::press(f->MSChart1, Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPTable5")));
        QVERIFY(Forms::loaded(QStringLiteral("frmTableChoice"))->isVisible());
    }

    void chooserOpensEveryChart() {
        auto* main = Forms::show(QStringLiteral("frmMain"));
        QTest::mouseClick(child<QPushButton>(main, "cmdPeriodic"), Qt::LeftButton);
        auto* c = Forms::get<frmTableChoice>(QStringLiteral("frmTableChoice"));
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Versions of Periodic Table"));
        const QList<QPushButton*> order = {c->cmdRegular, c->cmdAtomicRadii, c->cmdElectronegativity, c->cmdAffinity,
                                           c->cmdIonization, c->cmdDensity, c->cmdBoing, c->cmdCancel};
        const QStringList captions = {"Regular Periodic Table", "Atomic Radii Table", "Electronegativity Table",
                                      "Affinity Table", "Ionization Table", "Density Table", "Boiling Point Table",
                                      "Cancel"};
        const QStringList opens = {"frmPeriodic", "frmPTable2", "frmPTable3", "frmPTable4",
                                   "frmPTable5", "frmPTable6", "frmPTable7"};
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(order[i]->text(), captions[i]);
            if (i) {
                QVERIFY(order[i]->y() > order[i - 1]->geometry().bottom());
                QCOMPARE(order[i]->x(), order[0]->x());
            }
        }
        for (int i = 0; i < opens.size(); ++i) {
            QTest::mouseClick(order[i], Qt::LeftButton);
            TestSupport::settle();
            QVERIFY2(Forms::isLoaded(opens[i]) && Forms::loaded(opens[i])->isVisible(), qPrintable(opens[i]));
            QVERIFY(c->isVisible());  // the chooser stays
        }
        QVERIFY(TestSupport::messages().shown.isEmpty());

        // Pressing a chart's button again brings it forward without reading again.
        ChartForm* radii = chartWindow("frmPTable2");
        ReferenceDatabase::sharedSql() = QStringLiteral("marker");
        QTest::mouseClick(c->cmdAtomicRadii, Qt::LeftButton);
        TestSupport::settle();
        QCOMPARE(chartWindow("frmPTable2"), radii);
        QCOMPARE(ReferenceDatabase::sharedSql(), QStringLiteral("marker"));

        // Cancel closes the chooser and shows the main window; the charts stay.
        QTest::mouseClick(c->cmdCancel, Qt::LeftButton);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTableChoice")));
        QVERIFY(main->isVisible());
        QVERIFY(radii->isVisible());
    }

    void chooserKeys() {
        auto* c = Forms::showAs<frmTableChoice>(QStringLiteral("frmTableChoice"));
        // Enter runs the default button unless another button has the focus.
        c->cmdRegular->setFocus();
        TestSupport::press(c->cmdRegular, Qt::Key_Return);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmPeriodic")));
        QVERIFY(c->isVisible());
        TestSupport::press(c->cmdDensity, Qt::Key_F1);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
        TestSupport::press(c->cmdDensity, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTableChoice")));
        QVERIFY(Forms::loaded(QStringLiteral("frmMain"))->isVisible());
        QVERIFY(Forms::loaded(QStringLiteral("frmPeriodic"))->isVisible());
    }

    void shortAndBrokenTablesChartWhatExists() {
        TempDatabase db({
            "CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, ElementName TEXT, AtomicWeight REAL, "
            "State TEXT, Charge TEXT, Configuration TEXT, GroupName TEXT, Density REAL, FreezingPoint REAL, BoilingPoint REAL)",
            "INSERT INTO GeneralInfo VALUES (1, 'H', 'Hydrogen', 1.008, 'Gas', NULL, NULL, NULL, 0.00009, NULL, -252.87)",
            "INSERT INTO GeneralInfo VALUES (2, 'He', 'Helium', 4.0026, 'Gas', NULL, NULL, NULL, NULL, NULL, 'n/a')",
            "INSERT INTO GeneralInfo VALUES (3, 'Li', 'Lithium', 6.94, 'Solid', NULL, NULL, NULL, 0.534, NULL, 1342)",
            "CREATE TABLE AtomicRadii (Substance TEXT, AtomicRadii INTEGER)",
            "INSERT INTO AtomicRadii VALUES ('Hydrogen', 37)",
            "INSERT INTO AtomicRadii VALUES ('Helium', 32)",
            "CREATE TABLE Electronegativities (Element TEXT, AtomicNumber INTEGER)",
            "INSERT INTO Electronegativities VALUES ('Hydrogen', 1)",
            "CREATE TABLE Affinities (Element TEXT, Affinity REAL, AtomicNumber INTEGER)",
        });
        QVERIFY(db.opened);
        for (const char* name : {"frmPTable2", "frmPTable3", "frmPTable4", "frmPTable5", "frmPTable6", "frmPTable7"})
            QVERIFY2(Forms::show(QLatin1String(name)), name);
        TestSupport::settle();

        Seen radii = seen(chartWindow("frmPTable2"));  // no atomic numbers: blank labels
        QCOMPARE(radii.labels, QStringList({" ", " "}));
        QCOMPARE(radii.points, (QMap<int, double>{{0, 37}, {1, 32}}));
        QCOMPARE(radii.title, QStringLiteral("Atomic Number v. Atomic Radius"));
        QCOMPARE(radii.misplaced, 0);

        Seen en = seen(chartWindow("frmPTable3"));  // no value field
        QCOMPARE(en.labels, QStringList({" 1"}));
        QVERIFY(en.points.isEmpty());
        Seen aff = seen(chartWindow("frmPTable4"));  // no rows
        QVERIFY(aff.labels.isEmpty() && aff.points.isEmpty());
        Seen ion = seen(chartWindow("frmPTable5"));  // no table
        QVERIFY(ion.labels.isEmpty() && ion.points.isEmpty());
        QCOMPARE(ion.yTitle, QStringLiteral("Ionization Energy"));

        // A missing value is a gap in the line.
        Seen dens = seen(chartWindow("frmPTable6"));
        QCOMPARE(dens.labels, QStringList({" 1", " 2", " 3"}));
        QCOMPARE(dens.points, (QMap<int, double>{{0, 0.00009}, {2, 0.534}}));
        QCOMPARE(dens.lines, 2);
        Seen boil = seen(chartWindow("frmPTable7"));
        QCOMPARE(boil.points, (QMap<int, double>{{0, -252.87}, {2, 1342}}));

        QVERIFY(TestSupport::messages().shown.isEmpty());
        for (const char* name : {"frmPTable2", "frmPTable3", "frmPTable4", "frmPTable5", "frmPTable6", "frmPTable7"})
            QVERIFY2(Forms::loaded(QLatin1String(name))->isVisible(), name);
    }
};

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
