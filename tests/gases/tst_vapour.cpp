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

    // Temperatures are read as numbers: every whole degree 0 to 100, nothing between.
    void lookupKeys() {
        const QList<std::pair<const char*, float>> typed = {
            {"25", 3.17f}, {"25.0", 3.17f}, {"025", 3.17f}, {" 25 ", 3.17f}, {"-0", 0.6112f}, {"100", 101.4f},
            {"101", 0}, {"25.5", 0}, {"-1", 0}};
        for (const auto& [t, kPa] : typed) {
            const std::optional<float> p = WaterVapourLookup::pressure(QLatin1String(t));
            QCOMPARE(p.value_or(0), kPa);
            QCOMPARE(p.has_value(), kPa != 0);
            QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
        }
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
        auto* c = open<frmCombinedLaws>("frmCombinedLaws");
        c->chk1->setChecked(true);
        const QList<std::pair<const char*, QStringList>> windows = {
            {"frmDalton", {"20", "2", "101.3", "101.3"}},
            {"frmCombinedLaws", {"2", "100", "298", "50", "600"}},
            {"frmRaoults", {"25", "10", "10", "90", "18"}}};
        QList<CalculatorForm*> forms;
        QStringList shownBefore;
        for (const auto& [name, example] : windows) {
            forms << open<CalculatorForm>(name);
            fill(forms.last()->inputs, example);
            forms.last()->cmdOk->click();
            shownBefore << forms.last()->answerBox->text() + " | " + forms.last()->workLine->text();
        }
        QVERIFY(messages().shown.isEmpty());
        TempDatabase db(scratch({}));
        for (int i = 0; i < forms.size(); ++i) {
            messages().clear();
            forms.at(i)->cmdOk->click();
            expectMessage(QStringLiteral("no such table: VaporPressure"), QStringLiteral("Tessival"), Msg::Icon::None);
            QCOMPARE(forms.at(i)->answerBox->text() + " | " + forms.at(i)->workLine->text(), shownBefore.at(i));
        }
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

    // Each row starts from the window's worked example (with the pressure
    // option or the water check when `mode` is set), which a refused row keeps.
    void calculations_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("mode");
        QTest::addColumn<QStringList>("in");
        for (const char* c : {"answer", "work", "message", "title"}) QTest::addColumn<QString>(c);
        QTest::addColumn<bool>("info");
        const QString tess = QStringLiteral("Tessival"), laws = QStringLiteral("Combined Laws");
        QString window, a, w, title = tess;
        bool mode = false;
        auto row = [&](const char* name, const QStringList& in, const QString& message = QString(),
                       const QString& answer = QString(), const QString& work = QString(), bool info = true) {
            QTest::newRow(qPrintable(window + ": " + name))
                << window << mode << in << (answer.isNull() ? a : answer) << (work.isNull() ? w : work) << message
                << title << (info && !message.isEmpty());
        };
        window = "frmDalton", a = "1.954", w = "2 x 98.961 / 101.3 ";
        row("101.3 kPa", {"20", "2", "101.3", "101.3"}, "", a, w);
        row("another final pressure", {"20", "2", "101.3", "50"}, "", "3.958", "2 x 98.961 / 50 ");
        row("final .5", {"20", "2", "101.3", ".5"}, "", "395.844", "2 x 98.961 / .5 ");
        row("23 found", {"23", "2", "101.3", "101.3"}, "", "1.945", "2 x 98.489 / 101.3 ");
        row("20.0 as 20", {"20.0", "2", "101.3", "101.3"}, "", a, w);
        row("-0 as 0", {"-0", "2", "101.3", "101.3"}, "", "1.988", "2 x 100.6888 / 101.3 ");
        for (const char* t : {"101", "25.5", "-5"}) row(t, {t, "2", "101.3", "101.3"}, noEntry(QLatin1String(t)));
        row("total below vapour", {"20", "2", "2", "101.3"}, NoDryGas);
        row("total equals vapour", {"20", "2", "2.339", "101.3"}, NoDryGas);
        for (int i = 0; i < 4; ++i) {
            QStringList in{"20", "2", "101.3", "101.3"};
            in[i].clear();
            row(qPrintable(QStringLiteral("box %1 empty").arg(i + 1)), in, Required, a, w, false);
        }
        row("final 0", {"20", "2", "101.3", "0"}, Required, a, w, false);
        row("final 0.0", {"20", "2", "101.3", "0.0"}, Required, a, w, false);
        row("total no number", {"20", "2", "1.2.3", "101.3"}, "Type mismatch", a, w, false);
        row("temperature no number", {"-", "2", "101.3", "101.3"}, "Type mismatch", a, w, false);
        // Calculate pressure: Text2 is the total pressure, Text3 and Text5 are hidden.
        mode = true, a = "98.961", w = "101.3 - 2.339";
        row("pressure at 25", {"25", "100", "", ""}, "", "96.830", "100 - 3.17");
        row("hidden boxes neither block nor feed", {"25.0", "100", "0", "0"}, "", "96.830", "100 - 3.17");
        row("pressure, not listed", {"101", "101.3", "", ""}, noEntry("101"));
        row("pressure, total too low", {"20", "1", "", ""}, NoDryGas);
        row("pressure, temperature empty", {"", "101.3", "", ""}, Required, a, w, false);
        row("pressure, total empty", {"20", "", "", ""}, Required, a, w, false);
        row("pressure, total 0", {"20", "0", "", ""}, Required, a, w, false);

        window = "frmCombinedLaws", mode = false, a = "8.00", w = "2 * 100 / 50 * 600 / 300";
        row("worked example", {"2", "100", "300", "50", "600"}, "", a, w);
        row("V1 from its number, T1 as typed", {"02", "100", "0300", "50", "600"}, "", a, "2 * 100 / 50 * 600 / 0300");
        row("unchanged", {"3", "100", "300", "100", "300"}, "", "3.00", "3 * 100 / 100 * 300 / 300");
        row("no lookup when dry", {"2", "100", "298.15", "50", "600"}, "", "8.05", "2 * 100 / 50 * 600 / 298.15");
        title = laws;
        for (int i = 0; i < 5; ++i) {
            QStringList in{"2", "100", "300", "50", "600"};
            in[i].clear();
            row(qPrintable(QStringLiteral("box %1 empty").arg(i + 1)), in, Required, a, w, false);
        }
        row("T1 0", {"2", "100", "0", "50", "600"}, Kelvin);
        row("T2 0.0", {"2", "100", "300", "50", "0.0"}, Kelvin);
        row("T2 negative", {"2", "100", "300", "50", "-1"}, Kelvin);
        title = tess;
        row("P2 0", {"2", "100", "300", "0", "600"}, "Division by zero", a, w, false);
        row("no number", {"2", "1.2.3", "300", "50", "600"}, "Type mismatch", a, w, false);
        mode = true, a = "7.80", w = "2 * 96.83 / 50 * 600 / 298";
        row("over water at 323.0 K", {"2", "100", "323.0", "50", "600"}, "", "6.51", "2 * 87.65 / 50 * 600 / 323.0");
        row("over water, 298.15 K not listed", {"2", "100", "298.15", "50", "600"}, noEntry("25.15"));
        row("over water, 200 K not listed", {"2", "100", "200", "50", "600"}, noEntry("-73"));
        title = laws;
        row("over water, pressure too low", {"2", "3", "298", "50", "600"}, NoOriginalGas);
        row("over water, T1 negative", {"2", "100", "-5", "50", "600"}, Kelvin);

        window = "frmRaoults", mode = false, a = "2.642", w = "3.17 * 5 / (1 + 5)", title = tess;
        row("worked example", {"25", "10", "10", "90", "18"}, "", a, w);
        // 5 g glucose in 100 g water at 20 C: 2.339 x 5.5556 / (0.027778 + 5.5556) = 2.3274 kPa.
        row("glucose by hand", {"20", "5", "180", "100", "18"}, "", "2.327",
            "2.339 * 5.555555 / (0.02777778 + 5.555555)");
        row("25.0 as 25", {"25.0", "10", "10", "90", "18"}, "", a, w);
        row("not listed", {"101", "10", "10", "90", "18"}, noEntry("101"));
        row("negative not listed", {"-3", "10", "10", "90", "18"}, noEntry("-3"));
        row("temperature empty", {"", "10", "10", "90", "18"}, "You must enter a temperature.");
        row("solute mass empty", {"25", "", "10", "90", "18"}, "You must enter a mass for solutes.");
        row("solute mass 0", {"25", "0", "", "", ""}, Positive);
        row("solute weight empty", {"25", "10", "", "90", "18"}, "You must enter the molecular weight of the solute.");
        row("solute weight 0.0", {"25", "10", "0.0", "90", "18"}, Positive);
        row("solvent mass empty", {"25", "10", "10", "", "18"}, "You must enter the mass of the solvent.");
        row("solvent mass negative", {"25", "10", "10", "-90", "18"}, Positive);
        row("solvent weight empty", {"25", "10", "10", "90", ""}, "You must enter the molecular weight of the solvent.");
        row("solvent weight 0", {"25", "10", "10", "90", "0"}, Positive);
        row("temperature no number", {"1.2.3", "10", "10", "90", "18"}, "Error in data entry.", a, w, false);
    }
    void calculations() {
        QFETCH(QString, window);
        QFETCH(bool, mode);
        QFETCH(QStringList, in);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(bool, info);
        auto* f = qobject_cast<CalculatorForm*>(Forms::show(window));
        static const QHash<QString, QStringList> examples = {
            {"frmDalton", {"20", "2", "101.3", "101.3"}}, {"frmDaltonmode", {"20", "101.3", "", ""}},
            {"frmCombinedLaws", {"2", "100", "300", "50", "600"}}, {"frmCombinedLawsmode", {"2", "100", "298", "50", "600"}},
            {"frmRaoults", {"25", "10", "10", "90", "18"}}};
        if (mode) f->findChild<QAbstractButton*>(window == "frmDalton" ? "opt2" : "chk1")->setChecked(true);
        fill(f->inputs, examples.value(window + (mode ? "mode" : "")));
        f->cmdOk->click();
        fill(f->inputs, in);
        QVERIFY(messages().shown.isEmpty());
        TestSupport::press(f->inputs.last(), Qt::Key_Return);
        expectMessage(message, title, infoIf(info));
        QCOMPARE(f->answerBox->text(), answer);
        QCOMPARE(f->workLine->text(), work);
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

    void combinedCheckBoxAndClear() {
        auto* f = open<frmCombinedLaws>("frmCombinedLaws");
        QCOMPARE(f->windowTitle(), QStringLiteral("Combined Gas Laws"));
        QCOMPARE(f->chk1->text(), QStringLiteral("Check if collected over water."));
        QVERIFY(!f->chk1->isChecked());
        QCOMPARE(f->Label8->text(), QStringLiteral("The new volume is"));
        fill(f->inputs, {"2", "100", "298", "50", "600"});
        f->cmdOk->click();
        QCOMPARE(f->Text7->text(), QStringLiteral("8.05"));
        QCOMPARE(f->Label8->text(), QStringLiteral("The new volume is "));
        // Another correction: the answer no longer holds.
        QTest::keyClick(f->chk1, Qt::Key_Space);
        QVERIFY(f->chk1->isChecked() && f->Text7->text().isEmpty() && f->Text6->text().isEmpty());
        f->cmdOk->click();
        QCOMPARE(f->Text7->text(), QStringLiteral("7.80"));
        f->cmdClear->click();
        QVERIFY(!f->chk1->isChecked());
        for (QLineEdit* b : {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5, f->Text7, f->Text6})
            QVERIFY(b->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
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
        for (const char* c : {"window", "button", "menu", "firstCheck", "help"}) QTest::addColumn<QString>(c);
        QTest::newRow("Dalton") << "frmDalton" << "cmdDaltons" << "mnuDaltons" << Required
                                << "In a mixture of gases|on the volume. ";
        QTest::newRow("combined") << "frmCombinedLaws" << "cmdCombined" << "mnuCombined" << Required
                                  << "The Combined Gas law literally|one caused by Boyles law. ";
        QTest::newRow("Raoult") << "frmRaoults" << "cmdRaoults" << "mnuRaoults" << "You must enter a temperature."
                                << "When you add a solute|Knowing the  mole fraction|particular  temperature|"
                                   "new vapor pressure of the solvent. ";
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
        const QStringList parts = help.split(QLatin1Char('|'));
        QVERIFY(messages().lastText().startsWith(parts.first()) && messages().lastText().endsWith(parts.last()));
        for (const QString& p : parts) QVERIFY2(messages().lastText().contains(p), qPrintable(p));
        expectMessage(messages().lastText(), QStringLiteral("Tessival"), Msg::Icon::Information);
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
};

QTEST_MAIN(TestVapour)
#include "tst_vapour.moc"
