// The periodic table and the element data sheet, driven as a student would.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "TestSupport.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/periodic/frmPeriodic.h"
#include "refdata/periodic/frmPeriodicData.h"
#include "shell/frmMain.h"

using TestSupport::child;

namespace {
struct Row {
    int number;
    QString symbol, name;
    double weight;
};

// The element rows straight from the file, independent of the windows.
QList<Row> storedElements() {
    QList<Row> out;
    QSqlQuery q(ReferenceDatabase::currentDatabase());
    q.exec(QStringLiteral("SELECT AtomicNumber, Symbol, ElementName, AtomicWeight FROM GeneralInfo ORDER BY AtomicNumber"));
    while (q.next()) out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toDouble()});
    return out;
}

QString box(Form* f, int i) { return child<QLineEdit>(f, qPrintable(QStringLiteral("Text%1").arg(i)))->text(); }

frmPeriodic* openTable() {
    auto* t = Forms::showAs<frmPeriodic>(QStringLiteral("frmPeriodic"));
    TestSupport::settle();
    return t;
}

const QString GeneralInfoTable = QStringLiteral(
    "CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT, ElementName TEXT, AtomicWeight REAL, State TEXT, "
    "Charge TEXT, Configuration TEXT, GroupName TEXT, Density REAL, FreezingPoint REAL, BoilingPoint REAL)");
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

    void gridPlacesEveryElement() {
        frmPeriodic* t = openTable();
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->windowTitle(), QString());
        QVERIFY(!(t->windowFlags() & Qt::WindowTitleHint));
        QCOMPARE(t->ElementButtons.size(), 109);

        // Period, column and symbol of each element, by atomic number.
        const QList<Row> rows = storedElements();
        QCOMPARE(rows.size(), 109);
        auto place = [](int z, int* period, int* column) {
            static const int starts[] = {1, 3, 11, 19, 37, 55, 87, 119};
            if (z >= 58 && z <= 71) { *period = 8; *column = z - 58 + 5; return; }
            if (z >= 90 && z <= 103) { *period = 9; *column = z - 90 + 5; return; }
            int p = 0;
            while (z >= starts[p + 1]) ++p;
            *period = p + 1;
            const int offset = z - starts[p];
            if (*period == 1) *column = offset == 0 ? 1 : 18;
            else if (*period <= 3) *column = offset < 2 ? offset + 1 : offset + 11;
            else if (*period <= 5) *column = offset + 1;
            else *column = offset < 3 ? offset + 1 : (z > 71 && z < 90 ? z - 72 + 4 : z - 104 + 4);
        };
        const QPoint origin = t->ElementButtons.first()->pos();  // H: period 1, column 1
        for (int i = 0; i < 109; ++i) {
            QPushButton* b = t->ElementButtons.at(i);
            const Row& r = rows.at(i);
            QCOMPARE(b->text(), r.symbol);
            int period = 0, column = 0;
            place(r.number, &period, &column);
            const int x = origin.x() + qRound((column - 1) * 510 / 15.0);
            const int y = period <= 7 ? origin.y() + qRound((period - 1) * 510 / 15.0)
                                      : qRound((period == 8 ? 4380 : 4890) / 15.0);
            QVERIFY2(qAbs(b->x() - x) <= 1 && qAbs(b->y() - y) <= 1,
                     qPrintable(QStringLiteral("%1 at %2,%3, expected %4,%5").arg(r.symbol).arg(b->x()).arg(b->y()).arg(x).arg(y)));
            QCOMPARE(b->size(), QSize(33, 33));
        }
        QCOMPARE(origin, QPoint(36, 42));
        // Controls keep their names; elements 104-109 show today's symbols.
        const QStringList late = {"cmdRf", "cmdHa", "cmdUnh", "cmdUns", "cmdUno", "cmdUne"};
        const QStringList shown = {"Rf", "Db", "Sg", "Bh", "Hs", "Mt"};
        for (int i = 0; i < 6; ++i) QCOMPARE(child<QPushButton>(t, qPrintable(late[i]))->text(), shown[i]);
        QVERIFY(child<QPushButton>(t, "cmdH") && child<QPushButton>(t, "cmdLr"));
    }

    void buttonsShowTheirClassColour() {
        frmPeriodic* t = openTable();
        const QHash<QString, QColor> special = {
            {"H", QColor(0, 255, 0)},     {"Rn", QColor(0, 255, 0)},     {"Cl", QColor(0, 255, 0)},
            {"Br", QColor(0, 192, 192)},  {"Hg", QColor(0, 192, 192)},   {"Pm", QColor(255, 255, 0)},
            {"Np", QColor(255, 255, 0)},  {"Mt", QColor(255, 255, 0)},   {"Rf", QColor(255, 255, 0)},
            {"B", QColor(128, 128, 255)}, {"At", QColor(128, 128, 255)}, {"Po", QColor(128, 128, 255)},
        };
        int counts[5] = {};
        for (QPushButton* b : t->ElementButtons) {
            const QImage img = b->grab().toImage();
            // Sample inside the border, clear of the caption.
            const QColor seen = img.pixelColor(img.width() / 2, img.height() - 5);
            const QColor want = special.value(b->text(), QColor());
            if (want.isValid()) QCOMPARE(seen.rgb(), want.rgb());
            for (int k = 0; k < 5; ++k)
                if (seen.rgb() == frmPeriodic::buttonColour(frmPeriodic::ElementClass(k)).rgb()) ++counts[k];
        }
        using K = frmPeriodic::ElementClass;
        QCOMPARE(counts[int(K::Solid)], 70);
        QCOMPARE(counts[int(K::Gas)], 11);
        QCOMPARE(counts[int(K::Liquid)], 2);
        QCOMPARE(counts[int(K::Synthetic)], 18);
        QCOMPARE(counts[int(K::Metalloid)], 8);
        // Fe is an ordinary solid.
        const QImage fe = child<QPushButton>(t, "cmdFe")->grab().toImage();
        QCOMPARE(fe.pixelColor(fe.width() / 2, fe.height() - 5).rgb(), QColor(224, 224, 224).rgb());
        QCOMPARE(t->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    void labelsAndLegend() {
        frmPeriodic* t = openTable();
        QCOMPARE(t->Label28->text(), QStringLiteral("Periodic Table Of The Elements"));
        QCOMPARE(t->Label28->toolTip(), QStringLiteral("Click on an element to see its vital data."));
        QCOMPARE(t->Label28->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(t->Label28->font().bold());
        QCOMPARE(t->Label28->font().pointSizeF(), 20.25);
        QCOMPARE(t->ElementButtons.first()->font().pointSizeF(), 8.25);
        QCOMPARE(t->GroupLabels.size(), 18);
        for (int g = 0; g < 18; ++g) {
            QLabel* l = t->GroupLabels[g];
            QCOMPARE(l->text(), QString::number(g + 1));
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            // Over its column, above the column's top button.
            const int left = qRound((540 + 510 * g) / 15.0);
            QVERIFY(qAbs(l->x() - left) <= 1);
        }
        QCOMPARE(t->GroupLabels[0]->geometry().bottom() < child<QPushButton>(t, "cmdH")->y(), true);
        QCOMPARE(t->GroupLabels[17]->geometry().bottom() < child<QPushButton>(t, "cmdHe")->y(), true);
        QCOMPARE(t->GroupLabels[5]->geometry().bottom() < child<QPushButton>(t, "cmdCr")->y(), true);
        for (int p = 0; p < 7; ++p) {
            QCOMPARE(t->PeriodLabels[p]->text(), QString::number(p + 1));
            QCOMPARE(t->PeriodLabels[p]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(t->PeriodLabels[p]->y(), qRound((630 + 510 * p) / 15.0));
        }
        QCOMPARE(t->lblLanthanides->text(), QStringLiteral("*Lanthanide Series"));
        QCOMPARE(t->lblActinides->text(), QStringLiteral("#Actinide Series"));
        QCOMPARE(t->lblLanthanides->y(), child<QPushButton>(t, "cmdCe")->y());
        QCOMPARE(t->lblActinides->y(), child<QPushButton>(t, "cmdTh")->y());
        QVERIFY(t->lblLanthanides->geometry().right() < child<QPushButton>(t, "cmdCe")->x());

        const QStringList texts = {"Gray = solids", "Liquids", "Gases", "Synthetic", "Metalloids"};
        const QList<QColor> colours = {QColor(64, 64, 64), QColor(0, 192, 192), QColor(0, 255, 0),
                                       QColor(255, 255, 0), QColor(0, 0, 255)};
        QCOMPARE(t->LegendLabels.size(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(t->LegendLabels[i]->text(), texts[i]);
            QCOMPARE(t->LegendLabels[i]->palette().color(QPalette::WindowText), colours[i]);
            if (i) QVERIFY(t->LegendLabels[i]->x() > t->LegendLabels[i - 1]->geometry().right());
            QVERIFY(t->LegendLabels[i]->y() > child<QPushButton>(t, "cmdTh")->geometry().bottom());
        }
        // Nothing overlaps anything else.
        QList<QWidget*> all;
        for (QWidget* w : t->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) all.append(w);
        for (int i = 0; i < all.size(); ++i)
            for (int j = i + 1; j < all.size(); ++j)
                QVERIFY2(!all[i]->geometry().intersects(all[j]->geometry()),
                         qPrintable(all[i]->objectName() + " overlaps " + all[j]->objectName()));
        for (QWidget* w : all) QVERIFY2(t->rect().contains(w->geometry()), qPrintable(w->objectName()));
        // Every text fits its place.
        for (QWidget* w : all)
            if (auto* l = qobject_cast<QLabel*>(w))
                QVERIFY2(l->sizeHint().width() <= l->width() + 2 && l->fontMetrics().height() <= l->height() + 2,
                         qPrintable(l->text()));

        QPushButton* c = t->cmdCancel;
        QCOMPARE(c->text(), QStringLiteral("Cancel"));
        QCOMPARE(c->toolTip(), QStringLiteral("Close the screen and return to the main screen."));
        QVERIFY(c->geometry().bottom() > t->ElementButtons.last()->geometry().bottom());
        QVERIFY(c->x() < t->ElementButtons.first()->x());
    }

    void everyButtonOpensItsOwnSheet() {
        frmPeriodic* t = openTable();
        const QList<Row> rows = storedElements();
        frmPeriodicData* first = nullptr;
        for (int i = 0; i < 109; ++i) {
            QPushButton* b = t->ElementButtons.at(i);
            QTest::mouseClick(b, Qt::LeftButton);
            TestSupport::settle();
            QCOMPARE(SelectedSymbol, rows[i].symbol);
            auto* s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
            QVERIFY2(s && s->isVisible(), qPrintable(rows[i].symbol));
            if (!first) first = s;
            QCOMPARE(s, first);  // one sheet, refilled
            QCOMPARE(box(s, 1), rows[i].name);
            QCOMPARE(box(s, 2), rows[i].symbol);
            QCOMPARE(box(s, 3), QString::number(rows[i].number));
            QCOMPARE(box(s, 4), Num::text(rows[i].weight));
            QCOMPARE(box(s, 9), QString::number(rows[i].number));
            QCOMPARE(box(s, 10), QString::number(rows[i].number));
            QCOMPARE(box(s, 11), QString::number(qRound(rows[i].weight) - rows[i].number));
            QVERIFY(!box(s, 5).isEmpty());
            QVERIFY(!box(s, 8).isEmpty());
        }
        QVERIFY(t->isVisible());  // the table stays open
        QVERIFY(TestSupport::messages().shown.isEmpty());
    }

    void sheetShowsTheRow() {
        frmPeriodic* t = openTable();
        QTest::mouseClick(child<QPushButton>(t, "cmdH"), Qt::LeftButton);
        auto* s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("Periodic Table Data"));
        const QStringList h = {"Hydrogen", "H", "1", "1.008", "Gas", "-1,+1", "1s1",
                               "Nonmetal", "1", "1", "0", "8.988E-05", "-259.14", "-252.87"};
        for (int i = 1; i <= 14; ++i) QCOMPARE(box(s, i), h[i - 1]);
        const QStringList prompts = {"Name", "Symbol", "Atomic Number", "Atomic Weight", "State", "Charge",
                                     "Configuration", "Group Name", "Protons", "Electrons", "Neutrons",
                                     "Density", "Freezing Point", "Boiling Point"};
        for (int i = 1; i <= 14; ++i) {
            QLineEdit* e = s->Text[i];
            QCOMPARE(e->accessibleName(), prompts[i - 1]);
            QCOMPARE(s->Label[i]->text(), prompts[i - 1]);
            QCOMPARE(s->Label[i]->buddy(), e);
            QVERIFY(s->Label[i]->geometry().right() < e->x());
            QVERIFY(qAbs(s->Label[i]->geometry().center().y() - e->geometry().center().y()) <= 3);
        }
        // Two columns: Text1-7 left, Text8-14 right, each top to bottom.
        for (int i = 1; i <= 14; ++i) {
            if (i != 1 && i != 8) QVERIFY(s->Text[i]->y() > s->Text[i - 1]->y());
            if (i <= 7) QVERIFY(s->Text[i]->geometry().right() < s->Text[i + 7]->x());
        }
        // Lithium: 6.94 rounds to 7, less 3.
        QTest::mouseClick(child<QPushButton>(t, "cmdLi"), Qt::LeftButton);
        QCOMPARE(box(s, 4), QStringLiteral("6.94"));
        QCOMPARE(box(s, 11), QStringLiteral("4"));

        TestSupport::printer().printed.clear();
        QTest::mouseClick(s->cmdPrint, Qt::LeftButton);
        QCOMPARE(TestSupport::printer().printed.size(), 1);
        QCOMPARE(TestSupport::printer().printed.first(), static_cast<QWidget*>(s));
        QVERIFY(TestSupport::messages().shown.isEmpty());
    }

    void switchingRefillsEveryBox() {
        frmPeriodic* t = openTable();
        QTest::mouseClick(child<QPushButton>(t, "cmdH"), Qt::LeftButton);
        auto* s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
        QCOMPARE(box(s, 6), QStringLiteral("-1,+1"));
        // Helium has no charge: the box must not keep hydrogen's.
        QTest::mouseClick(child<QPushButton>(t, "cmdHe"), Qt::LeftButton);
        TestSupport::settle();
        QCOMPARE(Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData")), s);
        QCOMPARE(box(s, 1), QStringLiteral("Helium"));
        QCOMPARE(box(s, 6), QString());
        QCOMPARE(box(s, 11), QStringLiteral("2"));
        // Meitnerium: no configuration, density or temperatures.
        QTest::mouseClick(child<QPushButton>(t, "cmdUne"), Qt::LeftButton);
        QCOMPARE(box(s, 1), QStringLiteral("Meitnerium"));
        for (int i : {6, 7, 12, 13, 14}) QCOMPARE(box(s, i), QString());
        QCOMPARE(box(s, 11), QStringLiteral("167"));
        // Cancel closes the sheet only; the next click opens a fresh one.
        QTest::mouseClick(s->cmdCancel, Qt::LeftButton);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPeriodicData")));
        QVERIFY(t->isVisible());
        QTest::mouseClick(child<QPushButton>(t, "cmdNe"), Qt::LeftButton);
        s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
        QCOMPARE(box(s, 1), QStringLiteral("Neon"));
        QVERIFY(TestSupport::messages().shown.isEmpty());
    }

    void quotedSymbolNeverReachesSql() {
        frmPeriodic* t = openTable();
        QPushButton* h = child<QPushButton>(t, "cmdH");
        h->setText(QStringLiteral("H' OR '1'='1"));
        ReferenceDatabase::sharedSql() = QStringLiteral("untouched");
        QTest::mouseClick(h, Qt::LeftButton);
        auto* s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
        QVERIFY(s);
        QVERIFY(!ReferenceDatabase::sharedSql().contains(QLatin1Char('\'')));
        for (int i = 1; i <= 14; ++i) QCOMPARE(box(s, i), QString());
        QCOMPARE(TestSupport::messages().shown.size(), 1);
        QCOMPARE(TestSupport::messages().shown[0].text, QStringLiteral("No current record."));
        QCOMPARE(TestSupport::messages().shown[0].title, QStringLiteral("Periodic Data"));
        QCOMPARE(TestSupport::messages().shown[0].icon, Msg::Icon::Information);
        // With the sheet open, a good element refills it.
        QTest::mouseClick(child<QPushButton>(t, "cmdO"), Qt::LeftButton);
        QCOMPARE(box(s, 1), QStringLiteral("Oxygen"));
    }

    void emptyValuesLeaveEmptyBoxes() {
        TempDatabase db({GeneralInfoTable,
                         "INSERT INTO GeneralInfo VALUES (1, 'H', 'Hydrogen', 1.008, NULL, '', NULL, NULL, NULL, '', NULL)",
                         "INSERT INTO GeneralInfo VALUES (2, 'He', NULL, NULL, 'Gas', NULL, '1s2', 'Noble Gas', 0.0001786, NULL, -268.93)"});
        QVERIFY(db.opened);
        frmPeriodic* t = openTable();
        QTest::mouseClick(child<QPushButton>(t, "cmdH"), Qt::LeftButton);
        auto* s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
        QVERIFY(s);
        const QStringList h = {"Hydrogen", "H", "1", "1.008", "", "", "", "", "1", "1", "0", "", "", ""};
        for (int i = 1; i <= 14; ++i) QCOMPARE(box(s, i), h[i - 1]);
        // No weight: no neutron count, and nothing else missing.
        QTest::mouseClick(child<QPushButton>(t, "cmdHe"), Qt::LeftButton);
        const QStringList he = {"", "He", "2", "", "Gas", "", "1s2", "Noble Gas", "2", "2", "", "0.0001786", "", "-268.93"};
        for (int i = 1; i <= 14; ++i) QCOMPARE(box(s, i), he[i - 1]);
        // An element the file lacks: one message, an empty sheet.
        QTest::mouseClick(child<QPushButton>(t, "cmdFe"), Qt::LeftButton);
        for (int i = 1; i <= 14; ++i) QCOMPARE(box(s, i), QString());
        QCOMPARE(TestSupport::messages().shown.size(), 1);
        QCOMPARE(TestSupport::messages().lastText(), QStringLiteral("No current record."));
    }

    void keysAndClosing() {
        auto* main = Forms::show(QStringLiteral("frmMain"));
        QVERIFY(main);
        frmPeriodic* t = openTable();
        // Focus starts on Cancel; Enter there closes the table.
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : t->focusWidget(),
                 static_cast<QWidget*>(t->cmdCancel));
        TestSupport::press(t->cmdCancel, Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPeriodic")));
        QVERIFY(main->isVisible());

        // Enter on a focused element clicks it; Escape closes the table but not the sheet.
        t = openTable();
        QPushButton* c = child<QPushButton>(t, "cmdC");
        c->setFocus();
        TestSupport::press(c, Qt::Key_Return);
        auto* s = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"));
        QVERIFY(s);
        QCOMPARE(box(s, 1), QStringLiteral("Carbon"));
        TestSupport::press(c, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPeriodic")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmPeriodicData")));

        // F1 does nothing in the sheet; Escape closes it.
        TestSupport::press(s->Text[1], Qt::Key_F1);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
        TestSupport::press(s->Text[1], Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPeriodicData")));

        // F1 in the table shows the manual, wherever the focus is.
        t = openTable();
        TestSupport::press(child<QPushButton>(t, "cmdKr"), Qt::Key_F1);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmHelp")));
        QVERIFY(t->isVisible());

        // Cancel unloads the table only.
        Forms::unload(QStringLiteral("frmHelp"));
        QTest::mouseClick(t->cmdCancel, Qt::LeftButton);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPeriodic")));
        QCOMPARE(Forms::loadedForms().size(), 1);
        QVERIFY(main->isVisible());
    }

    void menuOpensTheTable() {
        auto* main = Forms::showAs<frmMain>(QStringLiteral("frmMain"));
        QVERIFY(main);
        QAction* a = main->menuItem(QStringLiteral("mnuRegularTable"));
        QVERIFY(a);
        a->trigger();
        TestSupport::settle();
        auto* t = Forms::get<frmPeriodic>(QStringLiteral("frmPeriodic"));
        QVERIFY(t && t->isVisible());
        QTest::mouseClick(t->cmdCancel, Qt::LeftButton);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPeriodic")));
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(TestPeriodic)
#include "tst_periodic.moc"
