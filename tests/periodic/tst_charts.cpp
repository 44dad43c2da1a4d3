// The element charts and the table chooser.
#include <QGraphicsTextItem>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QSqlRecord>
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
    int lines = 0, misplaced = 0;  // misplaced: labels off their point, points off a category
    bool labelsOnPoints = false;
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

struct ChartCase {
    const char *window, *menu, *caption, *table, *field;
    int n;
    const char *title, *yTitle, *tip, *description;
};
const ChartCase Charts[] = {
    {"frmPTable2", "mnuAtomicRadii", "Periodic Table - Atomic Radii", "AtomicRadii", "AtomicRadii", 93,
     "Atomic Number v. Atomic Radius", "Atomic Radius",
     "As the attraction for electrons changes, so does the radius of the atom.", "The atomic radius is a function "
     "of the attraction between the nucleus and the electrons. The stronger the attraction the smaller the radius "
     "and the weaker the attraction, the larger the radius. The radius shows a distinct periodic pattern. There are "
     "ups and downs corresponding to the different periods of the table. The more energy levels an element has, the "
     "weaker the attraction and the larger the radius. "},
    {"frmPTable3", "mnuElectronegativity", "Periodic Table - Electronegativity", "Electronegativities",
     "Electronegativity", 95, "Atomic Number v. Electronegativity", "Electronegativity",
     "Atoms tend to attract electrons from the atom they are bonded to.", "Electronegativity is the attraction that "
     "an atom has for an electron when it is bonded to another atom.  "},
    {"frmPTable4", "mnuAffinity", "Periodic Table - Affinities", "Affinities", "Affinity", 88,
     "Atomic Number v. Affinity", "Affinity",
     "Atoms try to attract electrons in order to fill their outer energy levels.", "Affinity is the attraction that "
     "an atom has for an electron. The stronger the attraction, the more energy  is released when the atom gains an electron. Atoms try "
     "to fill their outer energy levels in order to become more stable. "},
    {"frmPTable5", "mnuIonization", "Periodic Table - Ionization Energies", "IonizationEnergy", "FIE", 103,
     "Atomic Number v. Ionization Energy", "Ionization Energy",
     "The ionization energy is a measure of how tightly the electron is held to the atom.", "Ionization energy is "
     "the energy required to remove an electron. The more tightly held the electron,  the higher the ionization "
     "energy. "},
    {"frmPTable6", "mnuDensityTable", "Periodic Table - Density", "GeneralInfo", "Density", 103,
     "Atomic Number v. Density", "Density",
     "As you go through the periodic table, you have more particles in a small volume.", "Density is the mass "
     "divided by the volume. The more atomic particles in a tiny volume like an atom, the higher the density.  "},
    {"frmPTable7", "mnuBoilingPointTable", "Periodic Table - Boiling Point", "GeneralInfo", "BoilingPoint", 103,
     "Atomic Number v. Boiling Point", "Booiling point",
     "The ups and downs in boiling point illustrate the periodic nature of the table.", "The boiling point is "
     "another property of an element that shows a periodic nature.  "},
};

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
        QTest::addColumn<int>("i");
        for (int i = 0; i < 6; ++i) QTest::newRow(Charts[i].window) << i;
    }
    void chartsPlotStoredRows() {
        QFETCH(int, i);
        const ChartCase& k = Charts[i];
        const QString window = k.window;
        const int n = k.n;
        auto* main = Forms::showAs<frmMain>(QStringLiteral("frmMain"));
        QAction* item = main->menuItem(QLatin1String(k.menu));
        QVERIFY(item);
        item->trigger();
        TestSupport::settle();
        auto* f = Forms::get<ChartForm>(window);
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->windowTitle(), QString(k.caption));
        QCOMPARE(f->MSChart1->toolTip(), QString(k.tip));

        const Seen s = seen(f);
        const Stored want = stored(QLatin1String(k.table), QLatin1String(k.field), n);
        QVERIFY(want.rows >= qMin(n, 88));  // the file holds enough rows to chart
        QCOMPARE(s.title, QString(k.title));
        QCOMPARE(s.xTitle, QStringLiteral("Atomic Number"));
        QCOMPARE(s.yTitle, QString(k.yTitle));
        QCOMPARE(s.labels, want.labels);
        QCOMPARE(s.labels.first(), QStringLiteral(" 1"));
        QVERIFY(s.labelsOnPoints);
        QCOMPARE(s.misplaced, 0);
        QCOMPARE(s.points, want.values);  // rows past the count are not charted
        QVERIFY(TestSupport::messages().shown.isEmpty());

        QCOMPARE(f->cmdCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(f->cmdDescription->text(), QStringLiteral("Description"));
        const auto& shown = TestSupport::messages().shown;
        QTest::mouseClick(f->cmdDescription, Qt::LeftButton);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString(k.description));
        QCOMPARE(shown[0].title, QStringLiteral("Tessival"));
        QCOMPARE(shown[0].icon, Msg::Icon::Information);
        QVERIFY(f->isVisible());

        // F1 does nothing; Enter is Cancel on the ionization chart only, unless a button has the focus.
        TestSupport::press(f->cmdCancel, Qt::Key_F1);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
        const bool enterCancels = window == QLatin1String("frmPTable5");
        if (enterCancels) {
            f->cmdDescription->setFocus();
            TestSupport::press(f->cmdDescription, Qt::Key_Return);
            QCOMPARE(shown.size(), 2);
        }
        TestSupport::press(f->MSChart1, Qt::Key_Return);
        TestSupport::settle();
        QCOMPARE(Forms::isLoaded(window), !enterCancels);
        // Cancel, or Escape, goes to the chooser although the menu opened the chart.
        if (!enterCancels) {
            QVERIFY(!Forms::isLoaded(QStringLiteral("frmTableChoice")));
            if (i % 2) TestSupport::press(f->MSChart1, Qt::Key_Escape);
            else QTest::mouseClick(f->cmdCancel, Qt::LeftButton);
            TestSupport::settle();
        }
        QVERIFY(!Forms::isLoaded(window));
        auto* chooser = Forms::get<frmTableChoice>(QStringLiteral("frmTableChoice"));
        QVERIFY(chooser && chooser->isVisible());
        QVERIFY(main->isVisible());
    }

    // The value axis writes its numbers with the locale's decimal mark, as
    // the answers and tables do.
    void axisNumbersFollowTheLocale_data() {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("locale");
        for (const char* l : {"en_US", "de_DE", "fr_FR", "ar_EG"})
            for (int i = 0; i < 6; ++i) QTest::addRow("%s %s", Charts[i].window, l) << i << QString::fromLatin1(l);
    }
    void axisNumbersFollowTheLocale() {
        QFETCH(int, i);
        QFETCH(QString, locale);
        const QLocale loc(locale);
        QLocale::setDefault(loc);
        auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
        auto* f = TestSupport::open<ChartForm>(QLatin1String(Charts[i].window));
        QVERIFY(f);
        f->MSChart1->grab();  // laid out as shown
        QStringList numbers;
        for (QGraphicsItem* item : f->MSChart1->scene()->items()) {
            auto* t = dynamic_cast<QGraphicsTextItem*>(item);
            if (!t || !t->isVisible()) continue;
            const QString text = t->toPlainText().trimmed();
            bool ok = false;
            loc.toDouble(text, &ok);
            // The value labels: numbers with decimals (atomic numbers are whole).
            if (ok && text.contains(loc.decimalPoint())) numbers << text;
            else
                QVERIFY2(!QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]+$")).match(text).hasMatch() ||
                             loc.decimalPoint() == QLatin1String("."),
                         qPrintable(text));
        }
        QVERIFY2(numbers.size() >= 3, qPrintable(numbers.join(u' ')));
    }

    void chooserOpensEveryChart() {
        auto* main = Forms::show(QStringLiteral("frmMain"));
        QTest::mouseClick(child<QPushButton>(main, "cmdPeriodic"), Qt::LeftButton);
        auto* c = Forms::get<frmTableChoice>(QStringLiteral("frmTableChoice"));
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Versions of Periodic Table"));
        QCOMPARE(c->cmdCancel->text(), QStringLiteral("Cancel"));
        const QList<std::tuple<QPushButton*, QString, QString>> buttons = {
            {c->cmdRegular, "Regular Periodic Table", "frmPeriodic"}, {c->cmdAtomicRadii, "Atomic Radii Table", "frmPTable2"},
            {c->cmdElectronegativity, "Electronegativity Table", "frmPTable3"}, {c->cmdAffinity, "Affinity Table", "frmPTable4"},
            {c->cmdIonization, "Ionization Table", "frmPTable5"}, {c->cmdDensity, "Density Table", "frmPTable6"},
            {c->cmdBoing, "Boiling Point Table", "frmPTable7"}};
        for (const auto& [button, caption, opens] : buttons) {
            QCOMPARE(button->text(), caption);
            QTest::mouseClick(button, Qt::LeftButton);
            TestSupport::settle();
            QVERIFY2(Forms::isLoaded(opens) && Forms::loaded(opens)->isVisible(), qPrintable(opens));
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
        QVERIFY(Forms::isLoaded(QStringLiteral("frmPeriodic")) && c->isVisible());
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
            "INSERT INTO GeneralInfo VALUES (1, 'H', 'Hydrogen', 1.008, 'Gas', NULL, NULL, NULL, 0.00009, NULL, -252.87), "
            "(2, 'He', 'Helium', 4.0026, 'Gas', NULL, NULL, NULL, NULL, NULL, 'n/a'), "
            "(3, 'Li', 'Lithium', 6.94, 'Solid', NULL, NULL, NULL, 0.534, NULL, 1342), "
            "(4, 'Be', 'Beryllium', 9.0122, 'Solid', NULL, NULL, NULL, 9e999, NULL, -9e999)",
            "CREATE TABLE AtomicRadii (Substance TEXT, AtomicRadii INTEGER)",
            "INSERT INTO AtomicRadii VALUES ('Hydrogen', 37), ('Helium', 32)",
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
        // So is a value that cannot be plotted (a stored infinity).
        QCOMPARE(dens.labels, QStringList({" 1", " 2", " 3", " 4"}));
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
