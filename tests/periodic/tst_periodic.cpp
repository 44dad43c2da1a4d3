// The periodic table and the element data sheet, driven as a student would.
#include <QSqlQuery>
#include <QtTest>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/periodic/frmPeriodic.h"
#include "refdata/periodic/frmPeriodicData.h"
#include "shell/frmMain.h"

using TestSupport::child;

namespace {
struct Row { int number; QString symbol, name; double weight; };

// The element rows straight from the file, independent of the windows.
QList<Row> storedElements() {
    QList<Row> out;
    QSqlQuery q(ReferenceDatabase::currentDatabase());
    q.exec(QStringLiteral("SELECT AtomicNumber, Symbol, ElementName, AtomicWeight FROM GeneralInfo ORDER BY AtomicNumber"));
    while (q.next()) out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toDouble()});
    return out;
}

QString box(Form* f, int i) { return child<QLineEdit>(f, qPrintable(QStringLiteral("Text%1").arg(i)))->text(); }
QStringList boxes(Form* f) {
    QStringList out;
    for (int i = 1; i <= 14; ++i) out << box(f, i);
    return out;
}
frmPeriodicData* sheet() { return Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData")); }
void click(Form* t, const char* name) {
    QTest::mouseClick(child<QPushButton>(t, name), Qt::LeftButton);
    TestSupport::settle();
}
frmPeriodic* openTable() {
    auto* t = Forms::showAs<frmPeriodic>(QStringLiteral("frmPeriodic"));
    TestSupport::settle();
    return t;
}
bool loaded(const char* name) { return Forms::isLoaded(QLatin1String(name)); }
void key(QWidget* w, Qt::Key k) {
    TestSupport::press(w, k);
    TestSupport::settle();
}
QRgb sampled(QPushButton* b) {  // inside the border, clear of the caption
    const QImage img = b->grab().toImage();
    return img.pixelColor(img.width() / 2, img.height() - 5).rgb();
}
}  // namespace

class TestPeriodic : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"));
    }
    void cleanup() {
        TestSupport::unloadAll();
        TestSupport::messages().clear();
        TestSupport::printer().printed.clear();
    }

    void everyElementButton() {
        frmPeriodic* t = openTable();
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->windowTitle(), QString());
        QVERIFY(!(t->windowFlags() & Qt::WindowTitleHint));
        QCOMPARE(t->palette().color(QPalette::Window), QColor(192, 192, 192));
        const QList<Row> rows = storedElements();
        QCOMPARE(rows.size(), 109);
        QCOMPARE(t->ElementButtons.size(), 109);

        // Column and period of element z; periods 8 and 9 are the two series rows.
        auto place = [](int z) -> QPoint {
            if (z >= 58 && z <= 71) return {z - 53, 8};
            if (z >= 90 && z <= 103) return {z - 85, 9};
            static const int starts[] = {1, 3, 11, 19, 37, 55, 87, 119};
            int p = 0;
            while (z >= starts[p + 1]) ++p;
            const int o = z - starts[p];
            if (p == 0) return {o ? 18 : 1, 1};
            if (p <= 2) return {o < 2 ? o + 1 : o + 11, p + 1};
            if (p <= 4) return {o + 1, p + 1};
            return {o < 3 ? o + 1 : z - (z < 90 ? 68 : 100), p + 1};
        };
        const QPoint origin = t->ElementButtons.first()->pos();
        const QList<QPair<QRgb, QStringList>> special = {
            {qRgb(0, 255, 0), {"H", "Rn", "Cl"}}, {qRgb(0, 192, 192), {"Br", "Hg"}},
            {qRgb(255, 255, 0), {"Pm", "Np", "Mt", "Rf"}}, {qRgb(128, 128, 255), {"B", "At", "Po"}},
            {qRgb(224, 224, 224), {"Fe"}}};
        QList<int> counts(5, 0);
        frmPeriodicData* first = nullptr;
        for (int i = 0; i < 109; ++i) {
            QPushButton* b = t->ElementButtons.at(i);
            const Row& r = rows.at(i);
            QCOMPARE(b->text(), r.symbol);
            const QPoint cell = place(r.number);
            const int x = origin.x() + (cell.x() - 1) * 34;
            const int y = cell.y() <= 7 ? origin.y() + (cell.y() - 1) * 34 : (cell.y() == 8 ? 292 : 326);
            QVERIFY2(qAbs(b->x() - x) <= 1 && qAbs(b->y() - y) <= 1,
                     qPrintable(QStringLiteral("%1 at %2,%3, expected %4,%5").arg(r.symbol).arg(b->x()).arg(b->y()).arg(x).arg(y)));
            const QRgb seen = sampled(b);
            for (const auto& [rgb, symbols] : special)
                if (symbols.contains(r.symbol)) QCOMPARE(seen, rgb);
            for (int k = 0; k < 5; ++k)
                if (seen == frmPeriodic::buttonColour(frmPeriodic::ElementClass(k)).rgb()) ++counts[k];

            // Each button fills the one data sheet with its own row.
            QTest::mouseClick(b, Qt::LeftButton);
            TestSupport::settle();
            QCOMPARE(SelectedSymbol, r.symbol);
            frmPeriodicData* s = sheet();
            QVERIFY2(s && s->isVisible(), qPrintable(r.symbol));
            if (!first) first = s;
            QCOMPARE(s, first);
            const QString z = QString::number(r.number);
            QCOMPARE(QStringList({box(s, 1), box(s, 2), box(s, 3), box(s, 4), box(s, 9), box(s, 10), box(s, 11)}),
                     QStringList({r.name, r.symbol, z, Num::text(r.weight), z, z,
                                  QString::number(qRound(r.weight) - r.number)}));
            QVERIFY(!box(s, 5).isEmpty() && !box(s, 8).isEmpty());
        }
        QVERIFY(t->isVisible());  // the table stays open
        QVERIFY(TestSupport::messages().shown.isEmpty());
        using K = frmPeriodic::ElementClass;
        QList<int> want(5, 0);
        want[int(K::Solid)] = 70, want[int(K::Gas)] = 11, want[int(K::Liquid)] = 2;
        want[int(K::Synthetic)] = 18, want[int(K::Metalloid)] = 8;
        QCOMPARE(counts, want);
        // Controls keep their names; elements 104-109 show today's symbols.
        for (auto [name, shown] : {std::pair{"cmdRf", "Rf"}, {"cmdHa", "Db"}, {"cmdUnh", "Sg"}, {"cmdUns", "Bh"},
                                   {"cmdUno", "Hs"}, {"cmdUne", "Mt"}})
            QCOMPARE(child<QPushButton>(t, name)->text(), QString(shown));
    }

    void labelsAndLegend() {
        frmPeriodic* t = openTable();
        QCOMPARE(t->Label28->text(), QStringLiteral("Periodic Table Of The Elements"));
        QVERIFY(t->Label28->font().bold());
        QCOMPARE(t->Label28->toolTip(), QStringLiteral("Click on an element to see its vital data."));
        QCOMPARE(t->Label28->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(t->GroupLabels.size(), 18);
        for (int i = 0; i < 18; ++i) {
            QCOMPARE(t->GroupLabels[i]->text(), QString::number(i + 1));
            QCOMPARE(t->GroupLabels[i]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            if (i >= 7) continue;
            QCOMPARE(t->PeriodLabels[i]->text(), QString::number(i + 1));
            QCOMPARE(t->PeriodLabels[i]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        }
        QCOMPARE(t->lblLanthanides->text(), QStringLiteral("*Lanthanide Series"));
        QCOMPARE(t->lblActinides->text(), QStringLiteral("#Actinide Series"));
        const QList<QPair<QString, QColor>> legend = {{"Gray = solids", QColor(64, 64, 64)}, {"Liquids", QColor(0, 192, 192)},
            {"Gases", QColor(0, 255, 0)}, {"Synthetic", QColor(255, 255, 0)}, {"Metalloids", QColor(0, 0, 255)}};
        QCOMPARE(t->LegendLabels.size(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(qMakePair(t->LegendLabels[i]->text(), t->LegendLabels[i]->palette().color(QPalette::WindowText)), legend[i]);
        QCOMPARE(t->cmdCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(t->cmdCancel->toolTip(), QStringLiteral("Close the screen and return to the main screen."));
        // Nothing overlaps, everything lies inside the window, every text fits its place.
        const QList<QWidget*> all = t->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < all.size(); ++i) {
            QVERIFY2(t->rect().contains(all[i]->geometry()), qPrintable(all[i]->objectName()));
            for (int j = i + 1; j < all.size(); ++j)
                QVERIFY2(!all[i]->geometry().intersects(all[j]->geometry()),
                         qPrintable(all[i]->objectName() + " overlaps " + all[j]->objectName()));
            if (auto* l = qobject_cast<QLabel*>(all[i]))
                QVERIFY2(l->sizeHint().width() <= l->width() + 2 && l->fontMetrics().height() <= l->height() + 2,
                         qPrintable(l->text()));
        }
    }

    void sheetShowsAndRefillsTheRow() {
        frmPeriodic* t = openTable();
        click(t, "cmdH");
        frmPeriodicData* s = sheet();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("Periodic Table Data"));
        QCOMPARE(boxes(s), QStringList({"Hydrogen", "H", "1", "1.008", "Gas", "-1,+1", "1s1", "Nonmetal", "1", "1",
                                        "0", "8.988E-05", "-259.14", "-252.87"}));
        const QStringList prompts = {"Name", "Symbol", "Atomic Number", "Atomic Weight", "State", "Charge",
                                     "Configuration", "Group Name", "Protons", "Electrons", "Neutrons",
                                     "Density", "Freezing Point", "Boiling Point"};
        for (int i = 1; i <= 14; ++i) {
            QCOMPARE(s->Text[i]->accessibleName(), prompts[i - 1]);
            QCOMPARE(s->Label[i]->text(), prompts[i - 1]);
            QCOMPARE(s->Label[i]->buddy(), s->Text[i]);
        }
        // Helium has no charge: the box must not keep hydrogen's.
        click(t, "cmdHe");
        QCOMPARE(box(s, 6), QString());
        // Meitnerium: no configuration, density or temperatures.
        click(t, "cmdUne");
        for (int i : {6, 7, 12, 13, 14}) QCOMPARE(box(s, i), QString());

        QTest::mouseClick(s->cmdPrint, Qt::LeftButton);
        QCOMPARE(TestSupport::printer().printed, QList<QWidget*>({s}));
        // Cancel closes the sheet only; the next click opens a fresh one.
        QTest::mouseClick(s->cmdCancel, Qt::LeftButton);
        TestSupport::settle();
        QVERIFY(!loaded("frmPeriodicData") && t->isVisible());
        click(t, "cmdNe");
        QCOMPARE(box(sheet(), 1), QStringLiteral("Neon"));
        QVERIFY(TestSupport::messages().shown.isEmpty());
    }

    void quotedSymbolNeverReachesSql() {
        frmPeriodic* t = openTable();
        QPushButton* h = child<QPushButton>(t, "cmdH");
        h->setText(QStringLiteral("H' OR '1'='1"));
        ReferenceDatabase::sharedSql() = QStringLiteral("untouched");
        QTest::mouseClick(h, Qt::LeftButton);
        frmPeriodicData* s = sheet();
        QVERIFY(s);
        QVERIFY(!ReferenceDatabase::sharedSql().contains(QLatin1Char('\'')));
        QCOMPARE(boxes(s), QStringList(14));
        const auto& shown = TestSupport::messages().shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("No current record."));
        QCOMPARE(shown[0].title, QStringLiteral("Periodic Data"));
        QCOMPARE(shown[0].icon, Msg::Icon::Information);
        // With the sheet open, a good element refills it.
        click(t, "cmdO");
        QCOMPARE(box(s, 1), QStringLiteral("Oxygen"));
    }

    void emptyValuesLeaveEmptyBoxes() {
        TempDatabase db({"CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, ElementName TEXT, AtomicWeight REAL, "
                         "State TEXT, Charge TEXT, Configuration TEXT, GroupName TEXT, Density REAL, FreezingPoint REAL, "
                         "BoilingPoint REAL)",
                         "INSERT INTO GeneralInfo VALUES (1, 'H', 'Hydrogen', 1.008, NULL, '', NULL, NULL, NULL, '', NULL)",
                         "INSERT INTO GeneralInfo VALUES (2, 'He', NULL, NULL, 'Gas', NULL, '1s2', 'Noble Gas', 0.0001786, NULL, -268.93)"});
        QVERIFY(db.opened);
        frmPeriodic* t = openTable();
        click(t, "cmdH");
        frmPeriodicData* s = sheet();
        QVERIFY(s);
        QCOMPARE(boxes(s), QStringList({"Hydrogen", "H", "1", "1.008", "", "", "", "", "1", "1", "0", "", "", ""}));
        // No weight: no neutron count, and nothing else missing.
        click(t, "cmdHe");
        QCOMPARE(boxes(s), QStringList({"", "He", "2", "", "Gas", "", "1s2", "Noble Gas", "2", "2", "", "0.0001786", "",
                                        "-268.93"}));
        QVERIFY(TestSupport::messages().shown.isEmpty());
    }

    // Values that cannot be shown (infinities, bytes) leave their boxes empty; nothing else is lost.
    void unshowableValuesLeaveEmptyBoxes() {
        TempDatabase db({"CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, ElementName TEXT, AtomicWeight REAL, "
                         "State TEXT, Charge TEXT, Configuration TEXT, GroupName TEXT, Density REAL, FreezingPoint REAL, "
                         "BoilingPoint REAL)",
                         "INSERT INTO GeneralInfo VALUES (1, 'H', 'Hydrogen', 9e999, 'Gas', x'00ff', '1s1', 'Nonmetal', "
                         "-9e999, -259.14, 9e999)"});
        QVERIFY(db.opened);
        frmPeriodic* t = openTable();
        click(t, "cmdH");
        frmPeriodicData* s = sheet();
        QVERIFY(s && s->isVisible());
        QCOMPARE(boxes(s), QStringList({"Hydrogen", "H", "1", "", "Gas", "", "1s1", "Nonmetal", "1", "1", "", "", "-259.14", ""}));
        QVERIFY(TestSupport::messages().shown.isEmpty());
    }

    void keysAndClosing() {
        auto* main = Forms::showAs<frmMain>(QStringLiteral("frmMain"));
        QVERIFY(main);
        frmPeriodic* t = openTable();
        // Focus starts on Cancel; Enter there closes the table.
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : t->focusWidget(),
                 static_cast<QWidget*>(t->cmdCancel));
        key(t->cmdCancel, Qt::Key_Return);
        QVERIFY(!loaded("frmPeriodic") && main->isVisible());

        // Enter on a focused element clicks it; Escape closes the table but not the sheet.
        t = openTable();
        QPushButton* c = child<QPushButton>(t, "cmdC");
        c->setFocus();
        key(c, Qt::Key_Return);
        frmPeriodicData* s = sheet();
        QVERIFY(s);
        QCOMPARE(box(s, 1), QStringLiteral("Carbon"));
        key(c, Qt::Key_Escape);
        QVERIFY(!loaded("frmPeriodic") && loaded("frmPeriodicData"));

        // F1 does nothing in the sheet; Escape closes it.
        key(s->Text[1], Qt::Key_F1);
        QVERIFY(!loaded("frmHelp"));
        key(s->Text[1], Qt::Key_Escape);
        QVERIFY(!loaded("frmPeriodicData"));

        // The menu opens the table; F1 there shows the manual, wherever the focus is.
        QAction* a = main->menuItem(QStringLiteral("mnuRegularTable"));
        QVERIFY(a);
        a->trigger();
        TestSupport::settle();
        t = Forms::get<frmPeriodic>(QStringLiteral("frmPeriodic"));
        QVERIFY(t && t->isVisible());
        key(child<QPushButton>(t, "cmdKr"), Qt::Key_F1);
        QVERIFY(loaded("frmHelp") && t->isVisible());

        // Cancel unloads the table only.
        Forms::unload(QStringLiteral("frmHelp"));
        QTest::mouseClick(t->cmdCancel, Qt::LeftButton);
        TestSupport::settle();
        QVERIFY(!loaded("frmPeriodic"));
        QCOMPARE(Forms::loadedForms().size(), 1);
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(TestPeriodic)
#include "tst_periodic.moc"
