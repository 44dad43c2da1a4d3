// The water vapour-pressure lookup and the three windows that use it:
// Dalton's law, the combined gas law and Raoult's law, driven as a student would.
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QtTest>

#include "TestSupport.h"
#include "gases/WaterVapourLookup.h"
#include "gases/frmCombinedLaws.h"
#include "gases/frmDalton.h"
#include "gases/frmRaoults.h"
#include "refdata/ReferenceDatabase.h"
#include "shell/frmMain.h"

using TestSupport::messages;
using TestSupport::shown;

namespace {
const QString Required = QStringLiteral("You must enter valid data into all required boxes.");
const QString NoDryGas =
    QStringLiteral("The total pressure must be larger than the water vapor pressure at this temperature.");
const QString NoOriginalGas =
    QStringLiteral("The original pressure must be larger than the water vapor pressure at this temperature.");
const QString Kelvin = QStringLiteral("The temperature in Kelvin must be larger than 0.");
const QString Positive = QStringLiteral("You must enter a positive number.");

QString noEntry(const QString& t) {
    return QStringLiteral("The water vapor pressure table has no entry for ") + t +
           QStringLiteral(" degrees Celsius. It lists whole degrees from 0 to 100.");
}

template <class T> T* open(const char* name) {
    auto* f = qobject_cast<T*>(Forms::show(QLatin1String(name)));
    TestSupport::settle();
    return f;
}

// The one message shown, with its title and icon ("" expects none).
void expectMessage(const QString& text, const QString& title, Msg::Icon icon) {
    if (text.isEmpty()) {
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        return;
    }
    QCOMPARE(messages().shown.size(), 1);
    QCOMPARE(messages().lastText(), text);
    QCOMPARE(messages().shown.last().title, title);
    QCOMPARE(messages().shown.last().icon, icon);
}

Msg::Icon infoIf(bool info) { return info ? Msg::Icon::Information : Msg::Icon::None; }

void fill(const QList<QLineEdit*>& boxes, const QStringList& texts) {
    for (int i = 0; i < boxes.size(); ++i) boxes.at(i)->setText(texts.value(i));
}

// A scratch reference database whose VaporPressure table is built by `vapour`.
QStringList scratch(const QStringList& vapour) {
    return QStringList{QStringLiteral("CREATE TABLE GeneralInfo (AtomicNumber INTEGER, Symbol TEXT)"),
                       QStringLiteral("INSERT INTO GeneralInfo VALUES (1, 'H')")} +
           vapour;
}
}  // namespace

class TestVapour : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
    }
    void cleanup() {
        TestSupport::unloadAll();
        messages().clear();
        TestSupport::printer().printed.clear();
    }

    // Typed temperatures are read as numbers: every whole degree 0 to 100, nothing between.
    void lookupTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("kPa");  // 0: no row
        QTest::newRow("25") << "25" << 3.17;
        QTest::newRow("25.0") << "25.0" << 3.17;
        QTest::newRow("025") << "025" << 3.17;
        QTest::newRow("blanks") << " 25 " << 3.17;
        QTest::newRow("-0") << "-0" << 0.6112;
        QTest::newRow("0") << "0" << 0.6112;
        QTest::newRow("20") << "20" << 2.339;
        QTest::newRow("100") << "100" << 101.4;
        QTest::newRow("101") << "101" << 0.0;
        QTest::newRow("25.5") << "25.5" << 0.0;
        QTest::newRow("-1") << "-1" << 0.0;
    }
    void lookupTyped() {
        QFETCH(QString, typed);
        QFETCH(double, kPa);
        const std::optional<float> p = WaterVapourLookup::pressure(typed);
        if (kPa == 0) {
            QVERIFY(!p);
        } else {
            QVERIFY(p);
            QCOMPARE(*p, static_cast<float>(kPa));
        }
        QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
    }

    void lookupComputedAndNoNumber() {
        QCOMPARE(WaterVapourLookup::pressure(298 - 273.0), std::optional<float>(3.17f));
        QVERIFY(!WaterVapourLookup::pressure(298.15 - 273.0));
        for (const char* t : {"1.2.3", "-", "", "abc"}) {
            try {
                WaterVapourLookup::pressure(QLatin1String(t));
                QFAIL(t);
            } catch (const RuntimeFault& f) {
                QCOMPARE(f.kind(), RuntimeFault::TypeMismatch);
            }
        }
    }

    // A table that cannot be read is a fault with a description, never a value.
    void lookupOverScratchTables_data() {
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QString>("fault");  // empty: 25 degrees gives `kPa`
        QTest::addColumn<double>("kPa");
        QTest::newRow("missing table") << QStringList{} << "no such table: VaporPressure" << 0.0;
        QTest::newRow("empty table") << QStringList{"CREATE TABLE VaporPressure (Temperature INTEGER, Pressure REAL)"}
                                     << "No current record." << 0.0;
        QTest::newRow("no pressure field")
            << QStringList{"CREATE TABLE VaporPressure (Temperature INTEGER, Kpa REAL)",
                           "INSERT INTO VaporPressure VALUES (25, 3.17)"}
            << "Item not found in this collection." << 0.0;
        QTest::newRow("temperature no number")
            << QStringList{"CREATE TABLE VaporPressure (Temperature TEXT, Pressure REAL)",
                           "INSERT INTO VaporPressure VALUES ('warm', 3.17)"}
            << "Type mismatch" << 0.0;
        QTest::newRow("null pressure found")
            << QStringList{"CREATE TABLE VaporPressure (Temperature INTEGER, Pressure REAL)",
                           "INSERT INTO VaporPressure VALUES (25, NULL)"}
            << "Invalid use of Null" << 0.0;
        QTest::newRow("first of two rows, null temperature skipped")
            << QStringList{"CREATE TABLE VaporPressure (Temperature REAL, Pressure REAL)",
                           "INSERT INTO VaporPressure VALUES (NULL, 9.5)", "INSERT INTO VaporPressure VALUES (25.0, 4.5)",
                           "INSERT INTO VaporPressure VALUES (25, 5.5)"}
            << "" << 4.5;
    }
    void lookupOverScratchTables() {
        QFETCH(QStringList, tables);
        QFETCH(QString, fault);
        QFETCH(double, kPa);
        QCOMPARE(WaterVapourLookup::pressure(QStringLiteral("25")), std::optional<float>(3.17f));  // cached
        {
            TempDatabase db(scratch(tables));
            QVERIFY(db.opened);
            for (int twice = 0; twice < 2; ++twice) {
                try {
                    const std::optional<float> p = WaterVapourLookup::pressure(QStringLiteral("25"));
                    QVERIFY2(fault.isEmpty(), qPrintable(fault));
                    QCOMPARE(p, std::optional<float>(static_cast<float>(kPa)));
                } catch (const DbError& e) {
                    QCOMPARE(e.description(), fault);
                }
                QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
            }
        }
        // The real table is read again once it is back.
        QCOMPARE(WaterVapourLookup::pressure(QStringLiteral("25")), std::optional<float>(3.17f));
    }

    // Each window reports a broken table with its description and keeps what it showed;
    // the combined law reads the table only for a gas collected over water.
    void windowsOverBrokenTable() {
        auto* d = open<frmDalton>("frmDalton");
        fill({d->Text1, d->Text2, d->Text3, d->Text5}, {"20", "2", "101.3", "101.3"});
        d->cmdOk->click();
        auto* c = open<frmCombinedLaws>("frmCombinedLaws");
        fill({c->Text1, c->Text2, c->Text3, c->Text4, c->Text5}, {"2", "100", "298", "50", "600"});
        c->chk1->setChecked(true);
        c->cmdOk->click();
        auto* r = open<frmRaoults>("frmRaoults");
        fill({r->Text1, r->Text2, r->Text3, r->Text4, r->Text5}, {"25", "10", "10", "90", "18"});
        r->cmdOk->click();
        QVERIFY(messages().shown.isEmpty());
        TempDatabase db(scratch({}));
        for (QPushButton* ok : {d->cmdOk, c->cmdOk, r->cmdOk}) {
            messages().clear();
            ok->click();
            expectMessage(QStringLiteral("no such table: VaporPressure"), QStringLiteral("Tessival"), Msg::Icon::None);
        }
        QCOMPARE(d->Text6->text(), QStringLiteral("1.954"));
        QCOMPARE(c->Text7->text(), QStringLiteral("7.80"));
        QCOMPARE(c->Text6->text(), QStringLiteral("2 * 96.83 / 50 * 600 / 298"));
        QCOMPARE(r->Text6->text(), QStringLiteral("2.642"));
        QCOMPARE(r->Text7->text(), QStringLiteral("3.17 * 5 / (1 + 5)"));
        messages().clear();
        c->chk1->setChecked(false);
        c->cmdOk->click();
        expectMessage(QString(), QString(), Msg::Icon::None);
        QCOMPARE(c->Text7->text(), QStringLiteral("8.05"));
    }

    // Not a check: prints the time of a first read and of a lookup after it.
    void lookupTime() {
        ReferenceDatabase::closeForTests();
        QVERIFY(ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName)));
        QElapsedTimer t;
        t.start();
        QVERIFY(WaterVapourLookup::pressure(QStringLiteral("25")));
        const qint64 first = t.nsecsElapsed();
        const int n = 100000;
        t.restart();
        for (int i = 0; i < n; ++i) QVERIFY(WaterVapourLookup::pressure(static_cast<double>(i % 101)));
        qInfo("vapour-pressure lookup: first read %.1f us, then %.3f us each", first / 1000.0,
              t.nsecsElapsed() / 1000.0 / n);
    }

    // Dalton, both options. Each row starts from the option's own worked
    // example, which a refused row leaves in place.
    void daltonRows_data() {
        for (const char* c : {"t", "volume", "total", "final", "answer", "work", "message"})
            QTest::addColumn<QString>(c);
        QTest::addColumn<bool>("pressure");
        QTest::addColumn<bool>("info");
        const QString a = QStringLiteral("1.954"), w = QStringLiteral("2 x 98.961 / 101.3 ");
        auto row = [](const char* name, const QString& t, const QString& v, const QString& total,
                      const QString& final, const QString& answer, const QString& work, const QString& message,
                      bool info = false) {
            QTest::newRow(name) << t << v << total << final << answer << work << message << false << info;
        };
        row("101.3 kPa", "20", "2", "101.3", "101.3", a, w, "");
        row("another final pressure", "20", "2", "101.3", "50", "3.958", "2 x 98.961 / 50 ", "");
        row("final .5", "20", "2", "101.3", ".5", "395.844", "2 x 98.961 / .5 ", "");
        row("23 found", "23", "2", "101.3", "101.3", "1.945", "2 x 98.489 / 101.3 ", "");
        row("20.0 as 20", "20.0", "2", "101.3", "101.3", a, w, "");
        row("-0 as 0", "-0", "2", "101.3", "101.3", "1.988", "2 x 100.6888 / 101.3 ", "");
        row("101 not listed", "101", "2", "101.3", "101.3", a, w, noEntry("101"), true);
        row("25.5 not listed", "25.5", "2", "101.3", "101.3", a, w, noEntry("25.5"), true);
        row("-5 not listed", "-5", "2", "101.3", "101.3", a, w, noEntry("-5"), true);
        row("total below vapour", "20", "2", "2", "101.3", a, w, NoDryGas, true);
        row("total equals vapour", "20", "2", "2.339", "101.3", a, w, NoDryGas, true);
        row("temperature empty", "", "2", "101.3", "101.3", a, w, Required);
        row("volume empty", "20", "", "101.3", "101.3", a, w, Required);
        row("total empty", "20", "2", "", "101.3", a, w, Required);
        row("final empty", "20", "2", "101.3", "", a, w, Required);
        row("final 0", "20", "2", "101.3", "0", a, w, Required);
        row("final 0.0", "20", "2", "101.3", "0.0", a, w, Required);
        row("total no number", "20", "2", "1.2.3", "101.3", a, w, "Type mismatch");
        row("temperature no number", "-", "2", "101.3", "101.3", a, w, "Type mismatch");
        const QString pa = QStringLiteral("98.961"), pw = QStringLiteral("101.3 - 2.339");
        auto prow = [](const char* name, const QString& t, const QString& total, const QString& hidden,
                       const QString& answer, const QString& work, const QString& message, bool info = false) {
            QTest::newRow(name) << t << total << hidden << hidden << answer << work << message << true << info;
        };
        prow("pressure at 20", "20", "101.3", "", pa, pw, "");
        prow("pressure at 25", "25", "100", "", "96.830", "100 - 3.17", "");
        prow("hidden boxes neither block nor feed", "25", "100", "0", "96.830", "100 - 3.17", "");
        prow("pressure, 25.0", "25.0", "100", "", "96.830", "100 - 3.17", "");
        prow("pressure, not listed", "101", "101.3", "", pa, pw, noEntry("101"), true);
        prow("pressure, total too low", "20", "1", "", pa, pw, NoDryGas, true);
        prow("pressure, temperature empty", "", "101.3", "", pa, pw, Required);
        prow("pressure, total empty", "20", "", "", pa, pw, Required);
        prow("pressure, total 0", "20", "0", "", pa, pw, Required);
    }
    void daltonRows() {
        QFETCH(QString, t);
        QFETCH(QString, volume);
        QFETCH(QString, total);
        QFETCH(QString, final);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        QFETCH(QString, message);
        QFETCH(bool, pressure);
        QFETCH(bool, info);
        auto* f = open<frmDalton>("frmDalton");
        if (pressure) {
            f->opt2->setChecked(true);
            fill({f->Text1, f->Text2}, {"20", "101.3"});
            f->cmdOk->click();
            // Under this option Text2 is the total pressure; Text3 and Text5 are hidden.
            fill({f->Text1, f->Text2, f->Text3, f->Text5}, {t, volume, total, final});
        } else {
            fill({f->Text1, f->Text2, f->Text3, f->Text5}, {"20", "2", "101.3", "101.3"});
            f->cmdOk->click();
            fill({f->Text1, f->Text2, f->Text3, f->Text5}, {t, volume, total, final});
        }
        QVERIFY(messages().shown.isEmpty());
        TestSupport::press(f->Text1, Qt::Key_Return);
        expectMessage(message, QStringLiteral("Tessival"), infoIf(info));
        QCOMPARE(f->Text6->text(), answer);
        QCOMPARE(f->Text7->text(), work);
    }

    void daltonOptions() {
        auto* f = open<frmDalton>("frmDalton");
        QCOMPARE(f->windowTitle(), QStringLiteral("Dalton's Law Of Partial Pressure"));
        QCOMPARE(f->Frame1->title(), QStringLiteral("Select one of the following"));
        QVERIFY(f->opt1->isChecked());
        auto captions = [f] {
            QStringList c;
            for (QLabel* l : {f->Label1, f->Label2, f->Label3, f->Label5, f->Label6, f->Label7}) c << l->text();
            return c;
        };
        const QStringList volume{"Enter the initial temperature in Celsius.", "Enter the initial volume in liters",
                                 "Enter the total gas pressure in kPa.", "Enter the final pressure in kPa",
                                 "The final volume is ", "Liters"};
        QCOMPARE(captions(), volume);
        fill({f->Text1, f->Text2, f->Text3, f->Text5}, {"20", "2", "101.3", "101.3"});
        f->cmdOk->click();
        f->Text3->setFocus();
        f->opt2->setChecked(true);
        QCOMPARE(captions(), (QStringList{"Enter the initial temperature in Celsius.",
                                          "Enter the total gas pressure in kPa.", "", "", "The final pressure is ",
                                          "kPa"}));
        QCOMPARE(f->Text2->accessibleName(), QStringLiteral("Enter the total gas pressure in kPa."));
        QCOMPARE(f->Text6->accessibleName(), QStringLiteral("The final pressure is "));
        // The volume is no pressure: the box starts empty, the answer goes.
        QCOMPARE(f->Text1->text(), QStringLiteral("20"));
        QVERIFY(f->Text2->text().isEmpty() && f->Text6->text().isEmpty() && f->Text7->text().isEmpty());
        QVERIFY(f->Text2->isVisible() && !f->Text3->isVisible() && !f->Text5->isVisible());
        QVERIFY(!f->Label3->isVisible() && !f->Label5->isVisible() && !f->Text5->isEnabled());
        QCOMPARE(f->focusWidget(), f->Text1);
        f->Text2->setText(QStringLiteral("101.3"));
        f->Text2->setFocus();
        f->opt1->setChecked(true);
        QCOMPARE(captions(), volume);
        QCOMPARE(f->Text2->accessibleName(), QStringLiteral("Enter the initial volume in liters"));
        QCOMPARE(f->focusWidget(), f->Text2);
        QVERIFY(f->Text2->text().isEmpty() && f->Text5->text().isEmpty());
        QCOMPARE(f->Text3->text(), QStringLiteral("101.3"));  // still the total pressure
        QVERIFY(f->Text3->isVisible() && f->Text5->isVisible() && f->Text5->isEnabled());
        // Clear keeps the option and its captions.
        f->opt2->setChecked(true);
        f->cmdClear->click();
        QVERIFY(f->opt2->isChecked() && !f->Text3->isVisible());
        QCOMPARE(f->Label2->text(), QStringLiteral("Enter the total gas pressure in kPa."));
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    // The combined law. Each row starts from 2 L, 100 kPa, 300 K to 50 kPa, 600 K.
    void combinedRows_data() {
        for (const char* c : {"v1", "p1", "t1", "p2", "t2", "answer", "work", "message", "title"})
            QTest::addColumn<QString>(c);
        QTest::addColumn<bool>("water");
        QTest::addColumn<bool>("info");
        const QString a = QStringLiteral("8.00"), w = QStringLiteral("2 * 100 / 50 * 600 / 300");
        const QString laws = QStringLiteral("Combined Laws"), tess = QStringLiteral("Tessival");
        auto row = [&](const char* name, bool water, const QStringList& in, const QString& answer,
                       const QString& work, const QString& message = QString(), const QString& title = QString(),
                       bool info = false) {
            QTest::newRow(name) << in[0] << in[1] << in[2] << in[3] << in[4] << answer << work << message << title
                                << water << info;
        };
        row("worked example", false, {"2", "100", "300", "50", "600"}, a, w);
        row("V1 from its number, T1 as typed", false, {"02", "100", "0300", "50", "600"}, a,
            "2 * 100 / 50 * 600 / 0300");
        row("unchanged", false, {"3", "100", "300", "100", "300"}, "3.00", "3 * 100 / 100 * 300 / 300");
        row("no lookup when dry", false, {"2", "100", "298.15", "50", "600"}, "8.05",
            "2 * 100 / 50 * 600 / 298.15");
        row("over water at 298 K", true, {"2", "100", "298", "50", "600"}, "7.80", "2 * 96.83 / 50 * 600 / 298");
        row("over water at 323.0 K", true, {"2", "100", "323.0", "50", "600"}, "6.51",
            "2 * 87.65 / 50 * 600 / 323.0");
        row("over water, 298.15 K not listed", true, {"2", "100", "298.15", "50", "600"}, a, w, noEntry("25.15"),
            tess, true);
        row("over water, 200 K not listed", true, {"2", "100", "200", "50", "600"}, a, w, noEntry("-73"), tess, true);
        row("over water, pressure too low", true, {"2", "3", "298", "50", "600"}, a, w, NoOriginalGas, laws, true);
        const QStringList full{"2", "100", "300", "50", "600"};
        for (int i = 0; i < 5; ++i) {
            QStringList in = full;
            in[i].clear();
            row(qPrintable(QStringLiteral("box %1 empty").arg(i + 1)), false, in, a, w, Required, laws);
        }
        row("T1 0", false, {"2", "100", "0", "50", "600"}, a, w, Kelvin, laws, true);
        row("T1 negative", true, {"2", "100", "-5", "50", "600"}, a, w, Kelvin, laws, true);
        row("T2 0.0", false, {"2", "100", "300", "50", "0.0"}, a, w, Kelvin, laws, true);
        row("T2 negative", false, {"2", "100", "300", "50", "-1"}, a, w, Kelvin, laws, true);
        row("P2 0", false, {"2", "100", "300", "0", "600"}, a, w, "Division by zero", tess);
        row("no number", false, {"2", "1.2.3", "300", "50", "600"}, a, w, "Type mismatch", tess);
    }
    void combinedRows() {
        QFETCH(QString, v1);
        QFETCH(QString, p1);
        QFETCH(QString, t1);
        QFETCH(QString, p2);
        QFETCH(QString, t2);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(bool, water);
        QFETCH(bool, info);
        auto* f = open<frmCombinedLaws>("frmCombinedLaws");
        const QList<QLineEdit*> boxes{f->Text1, f->Text2, f->Text3, f->Text4, f->Text5};
        QCOMPARE(f->Label8->text(), QStringLiteral("The new volume is"));
        fill(boxes, {"2", "100", "300", "50", "600"});
        f->cmdOk->click();
        QCOMPARE(f->Label8->text(), QStringLiteral("The new volume is "));
        f->chk1->setChecked(water);
        if (water) {  // a new correction empties the answer: put it back
            QVERIFY(f->Text7->text().isEmpty() && f->Text6->text().isEmpty());
            f->chk1->setChecked(false);
            f->cmdOk->click();
            f->chk1->blockSignals(true);
            f->chk1->setChecked(true);
            f->chk1->blockSignals(false);
        }
        fill(boxes, {v1, p1, t1, p2, t2});
        QVERIFY(messages().shown.isEmpty());
        TestSupport::press(f->Text5, Qt::Key_Return);
        expectMessage(message, title, infoIf(info));
        QCOMPARE(f->Text7->text(), answer);
        QCOMPARE(f->Text6->text(), work);
    }

    void combinedCheckBoxAndClear() {
        auto* f = open<frmCombinedLaws>("frmCombinedLaws");
        QCOMPARE(f->windowTitle(), QStringLiteral("Combined Gas Laws"));
        QCOMPARE(f->chk1->text(), QStringLiteral("Check if collected over water."));
        QVERIFY(!f->chk1->isChecked());
        QCOMPARE(f->Label7->text(), QStringLiteral("Liters"));
        fill({f->Text1, f->Text2, f->Text3, f->Text4, f->Text5}, {"2", "100", "298", "50", "600"});
        QTest::keyClick(f->chk1, Qt::Key_Space);
        QVERIFY(f->chk1->isChecked());
        f->cmdOk->click();
        QCOMPARE(f->Text7->text(), QStringLiteral("7.80"));
        f->cmdClear->click();
        QVERIFY(!f->chk1->isChecked());
        for (QLineEdit* b : {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5, f->Text7, f->Text6})
            QVERIFY(b->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
    }

    // Raoult. Each row starts from 1 mol of solute in 5 mol of water at 25 degrees.
    void raoultRows_data() {
        for (const char* c : {"t", "ms", "ws", "mv", "wv", "answer", "work", "message"}) QTest::addColumn<QString>(c);
        const QString a = QStringLiteral("2.642"), w = QStringLiteral("3.17 * 5 / (1 + 5)");
        auto row = [](const char* name, const QStringList& in, const QString& answer, const QString& work,
                      const QString& message = QString()) {
            QTest::newRow(name) << in[0] << in[1] << in[2] << in[3] << in[4] << answer << work << message;
        };
        row("worked example", {"25", "10", "10", "90", "18"}, a, w);
        // 5 g glucose in 100 g water at 20 C: 2.339 x 5.5556 / (0.027778 + 5.5556) = 2.3274 kPa.
        row("glucose by hand", {"20", "5", "180", "100", "18"}, "2.327", "2.339 * 5.555555 / (0.02777778 + 5.555555)");
        row("25.0 as 25", {"25.0", "10", "10", "90", "18"}, a, w);
        row("not listed", {"101", "10", "10", "90", "18"}, a, w, noEntry("101"));
        row("negative not listed", {"-3", "10", "10", "90", "18"}, a, w, noEntry("-3"));
        row("temperature empty", {"", "10", "10", "90", "18"}, a, w, "You must enter a temperature.");
        row("solute mass empty", {"25", "", "10", "90", "18"}, a, w, "You must enter a mass for solutes.");
        row("solute mass 0", {"25", "0", "", "", ""}, a, w, Positive);
        row("solute weight empty", {"25", "10", "", "90", "18"}, a, w,
            "You must enter the molecular weight of the solute.");
        row("solute weight 0.0", {"25", "10", "0.0", "90", "18"}, a, w, Positive);
        row("solvent mass empty", {"25", "10", "10", "", "18"}, a, w, "You must enter the mass of the solvent.");
        row("solvent mass negative", {"25", "10", "10", "-90", "18"}, a, w, Positive);
        row("solvent weight empty", {"25", "10", "10", "90", ""}, a, w,
            "You must enter the molecular weight of the solvent.");
        row("solvent weight 0", {"25", "10", "10", "90", "0"}, a, w, Positive);
        row("temperature no number", {"1.2.3", "10", "10", "90", "18"}, a, w, "Error in data entry.");
    }
    void raoultRows() {
        QFETCH(QString, t);
        QFETCH(QString, ms);
        QFETCH(QString, ws);
        QFETCH(QString, mv);
        QFETCH(QString, wv);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        QFETCH(QString, message);
        auto* f = open<frmRaoults>("frmRaoults");
        const QList<QLineEdit*> boxes{f->Text1, f->Text2, f->Text3, f->Text4, f->Text5};
        fill(boxes, {"25", "10", "10", "90", "18"});
        f->cmdOk->click();
        fill(boxes, {t, ms, ws, mv, wv});
        QVERIFY(messages().shown.isEmpty());
        TestSupport::press(f->Text3, Qt::Key_Return);
        expectMessage(message, QStringLiteral("Tessival"), infoIf(message != QLatin1String("Error in data entry.")));
        QCOMPARE(f->Text6->text(), answer);
        QCOMPARE(f->Text7->text(), work);
    }

    // Key filters: "-" only in the temperature boxes; the combined law titles its own.
    void keyFilters_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("minus");  // boxes that take "-"
        QTest::addColumn<QStringList>("plain");
        QTest::addColumn<QString>("title");
        QTest::newRow("Dalton") << "frmDalton" << QStringList{"Text1"} << QStringList{"Text2", "Text3", "Text5"}
                                << "Tessival";
        QTest::newRow("combined") << "frmCombinedLaws" << QStringList{"Text3", "Text5"}
                                  << QStringList{"Text1", "Text2", "Text4"} << "Combined Laws";
        QTest::newRow("Raoult") << "frmRaoults" << QStringList{"Text1"}
                                << QStringList{"Text2", "Text3", "Text4", "Text5"} << "Tessival";
    }
    void keyFilters() {
        QFETCH(QString, window);
        QFETCH(QStringList, minus);
        QFETCH(QStringList, plain);
        QFETCH(QString, title);
        Form* f = Forms::show(window);
        for (const QString& name : minus + plain) {
            auto* box = f->findChild<QLineEdit*>(name);
            box->clear();
            messages().clear();
            TestSupport::type(box, QStringLiteral("-1.5"));
            for (const char* bad : {"e", "+", "x", ","}) TestSupport::type(box, QLatin1String(bad));
            if (minus.contains(name)) {
                QCOMPARE(box->text(), QStringLiteral("-1.5"));
                QCOMPARE(messages().shown.size(), 4);
            } else {
                QCOMPARE(box->text(), QStringLiteral("1.5"));
                QCOMPARE(messages().shown.size(), 5);
            }
            QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid numerical expression"));
            QCOMPARE(messages().shown.last().title, title);
            QCOMPARE(messages().shown.last().icon, Msg::Icon::None);
        }
    }

    // Opening from the chooser and the menu, enabling, Enter, help, Print, Escape and Cancel.
    void windowsRoundTrip_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("firstCheck");
        QTest::addColumn<QString>("help");
        QTest::newRow("Dalton") << "frmDalton" << "cmdDaltons" << "mnuDaltons" << Required
                                << "In a mixture of gases, each gas exerts a pressure the same as if it were the only "
                                   "gas in the container. Many times gas is collected by a method called water "
                                   "displacement and so we need to remove the effect of the water on the volume. ";
        QTest::newRow("combined") << "frmCombinedLaws" << "cmdCombined" << "mnuCombined" << Required
                                  << "The Combined Gas law literally combines Charles law and Boyles law into one. "
                                     "You start with an original volume and add two ratios. One applies Charles law "
                                     "and the other applies Boyles law. The end result is a new volume with two "
                                     "changes - one caused by Charles law and one caused by Boyles law. ";
        QTest::newRow("Raoult") << "frmRaoults" << "cmdRaoults" << "mnuRaoults" << "You must enter a temperature."
                                << "When you add a solute to a solvent like water, you affect the rate at which the "
                                   "water molecules can evaporate. The solute molecules block part of the surface area "
                                   "through which the solvent molecules can leave. Knowing the  mole fraction of the "
                                   "solvent and the vapor pressure of the solvent at a particular  temperature, you "
                                   "can calculate the new vapor pressure of the solvent. ";
    }
    void windowsRoundTrip() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, menu);
        QFETCH(QString, firstCheck);
        QFETCH(QString, help);
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        m->cmdGases->click();
        TestSupport::settle();
        Form* chooser = Forms::loaded(QStringLiteral("frmGasLaws"));
        chooser->findChild<QPushButton*>(button)->click();
        TestSupport::settle();
        auto* f = qobject_cast<CalculatorForm*>(Forms::loaded(window));
        QVERIFY(f && f->isVisible() && !chooser->isVisible());
        QVERIFY(!f->cmdOk->isEnabled() && !f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->inputs.first());
        // Another box enables nothing; Enter there runs Ok all the same.
        TestSupport::type(f->inputs.at(1), QStringLiteral("2"));
        QVERIFY(!f->cmdOk->isEnabled());
        TestSupport::press(f->inputs.at(1), Qt::Key_Return);
        expectMessage(firstCheck, f == Forms::loaded(QStringLiteral("frmCombinedLaws")) ? "Combined Laws" : "Tessival",
                      infoIf(window == QLatin1String("frmRaoults")));
        messages().clear();
        TestSupport::type(f->inputs.first(), QStringLiteral("2"));
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        f->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed, QList<QWidget*>{f});
        f->cmdHelp->click();
        expectMessage(help, QStringLiteral("Tessival"), Msg::Icon::Information);
        messages().clear();
        TestSupport::press(f->inputs.at(1), Qt::Key_F1);
        QVERIFY(shown("frmHelp") && f->isVisible());
        QVERIFY(messages().shown.isEmpty());
        TestSupport::press(f->inputs.first(), Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(window) && chooser->isVisible());
        // From the menu: Cancel returns to the chooser too, and the window starts afresh.
        Forms::unload(chooser);
        TestSupport::settle();
        m->findChild<QAction*>(menu)->trigger();
        TestSupport::settle();
        f = qobject_cast<CalculatorForm*>(Forms::loaded(window));
        QVERIFY(f && f->isVisible() && !Forms::isLoaded(QStringLiteral("frmGasLaws")));
        QVERIFY(f->inputs.first()->text().isEmpty() && !f->cmdOk->isEnabled());
        f->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(window) && shown("frmGasLaws"));
    }

    // Every message a window can show is in its list, for the user manual.
    void messageLists() {
        const QString entry = noEntry(QStringLiteral("<t>"));
        const QList<std::pair<const char*, QStringList>> expected = {
            {"frmDalton", {Required, entry, NoDryGas}},
            {"frmCombinedLaws", {Required, Kelvin, entry, NoOriginalGas}},
            {"frmRaoults", {"You must enter a temperature.", Positive, entry, "Error in data entry."}},
        };
        for (const auto& [window, texts] : expected) {
            const QStringList listed = Forms::show(QLatin1String(window))->messageTexts();
            for (const QString& t : texts) QVERIFY2(listed.contains(t), qPrintable(window + (": " + t)));
        }
        // The manual quotes no message its window cannot show.
        const QList<std::pair<const char*, const char*>> topics = {
            {"Dalton'sLaw.txt", "frmDalton"}, {"CombinedGasLaw.txt", "frmCombinedLaws"},
            {"Raoult'sLaw.txt", "frmRaoults"}};
        for (const auto& [topic, window] : topics) {
            QFile file(Program::path(QString::fromUtf8(topic)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            const int from = text.indexOf(QStringLiteral("## Checks"));
            QVERIFY(from >= 0);
            const QString checks = text.mid(from, text.indexOf(QStringLiteral("\n## "), from + 1) - from);
            const QStringList listed = Forms::show(QLatin1String(window))->messageTexts();
            static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
            int count = 0;
            for (const QRegularExpressionMatch& m : quoted.globalMatch(checks)) {
                ++count;
                QVERIFY2(listed.contains(m.captured(1)), qPrintable(QLatin1String(topic) + ": " + m.captured(1)));
            }
            QVERIFY(count >= 3);
        }
    }
};

QTEST_MAIN(TestVapour)
#include "tst_vapour.moc"
