// The solutions and energy choosers, molarity, heat transfer, and pH.
#include <QAction>
#include <QtTest>

#include "TestSupport.h"
#include "shell/frmMain.h"
#include "solutions/frmAcids.h"
#include "solutions/frmEnergy.h"
#include "solutions/frmEnergyChange.h"
#include "solutions/frmMolarity.h"
#include "solutions/frmSolutions.h"

using TestSupport::messages;

namespace {
template <class T> T* open(const char* name) {
    auto* f = qobject_cast<T*>(Forms::show(QLatin1String(name)));
    TestSupport::settle();
    return f;
}

bool shown(const char* name) {
    Form* f = Forms::loaded(QLatin1String(name));
    return f && f->isVisible();
}

frmMain* mainWindow() { return static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain"))); }

void expectOne(const QString& text, const QString& title, Msg::Icon icon) {
    QCOMPARE(messages().shown.size(), 1);
    QCOMPARE(messages().shown.first().text, text);
    QCOMPARE(messages().shown.first().title, title);
    QCOMPARE(messages().shown.first().icon, icon);
}

const QString KeyMessage = QStringLiteral("You must enter a valid numerical expression");
}  // namespace

class TestSolutions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TestSupport::standIn(QStringLiteral("frmHelp"), QStringLiteral("Tessival Help"));
    }
    void cleanup() {
        TestSupport::unloadAll();
        messages().clear();
    }

    // ---- molarity and molality

    void molarity_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("moles");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::newRow("molarity") << 0 << "2" << "0.5" << "4.000" << "2 / 0.5";
        QTest::newRow("thirds") << 0 << "1" << "3" << "0.333" << "1 / 3";
        QTest::newRow("grouped") << 0 << "5000" << "2" << "2,500.000" << "5000 / 2";
        QTest::newRow("molality") << 1 << "3" << "1.5" << "2.000" << "3 mol / 1.5 kg";
    }
    void molarity() {
        QFETCH(int, option);
        QFETCH(QString, moles);
        QFETCH(QString, amount);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        auto* f = open<frmMolarity>("frmMolarity");
        if (option == 1) f->opt2->click();
        TestSupport::type(f->Text1, moles);
        TestSupport::type(f->Text2, amount);
        TestSupport::press(f->Text2, Qt::Key_Return);
        QVERIFY(messages().shown.isEmpty());  // Enter is the default button's, not the box's
        QCOMPARE(f->Text3->text(), answer);
        QCOMPARE(f->Text4->text(), work);
    }

    void molarityOptionsRecaption() {
        auto* f = open<frmMolarity>("frmMolarity");
        QVERIFY(f->opt1->isChecked());
        QCOMPARE(f->Frame1->title(), QStringLiteral("Select one of the following"));
        QCOMPARE(f->Label2->text(), QStringLiteral("Enter the moles of solute"));
        QCOMPARE(f->Label3->text(), QStringLiteral("Enters the liters of solution."));
        QCOMPARE(f->Label4->text(), QStringLiteral("The molarity is "));
        QCOMPARE(f->Label5->text(), QStringLiteral("M"));
        TestSupport::type(f->Text1, QStringLiteral("2"));
        TestSupport::type(f->Text2, QStringLiteral("0.5"));
        f->cmdOk->click();
        f->opt2->click();
        QCOMPARE(f->Label3->text(), QStringLiteral("Enters the kilograms of solvent."));
        QCOMPARE(f->Text2->accessibleName(), QStringLiteral("Enters the kilograms of solvent."));
        QCOMPARE(f->Label4->text(), QStringLiteral("The molality is "));
        QCOMPARE(f->Text3->accessibleName(), QStringLiteral("The molality is "));
        QCOMPARE(f->Label5->text(), QStringLiteral("m"));
        QCOMPARE(f->Text1->text(), QStringLiteral("2"));
        QCOMPARE(f->Text3->text(), QStringLiteral("4.000"));
        f->opt1->click();
        QCOMPARE(f->Label3->text(), QStringLiteral("Enters the liters of solution."));
        QCOMPARE(f->Text3->text(), QStringLiteral("4.000"));
        f->cmdClear->click();
        QVERIFY(f->Text1->text().isEmpty() && f->Text4->text().isEmpty());
        QVERIFY(f->opt1->isChecked());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    void molarityChecksAndFaults_data() {
        QTest::addColumn<QString>("moles");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        const QString both = QStringLiteral("You must enter valid data into both boxes.");
        const QString fault = QStringLiteral("Data entry error");
        QTest::newRow("empty") << "" << "" << both;
        QTest::newRow("moles 0") << "0" << "2" << both;
        QTest::newRow("liters empty") << "2" << "" << both;
        QTest::newRow("liters 0") << "2" << "0" << both;
        QTest::newRow("liters 0.0 divides by zero") << "2" << "0.0" << fault;
        QTest::newRow("moles 00 passes the check") << "00" << "0.0" << fault;
        QTest::newRow("lone point") << "." << "2" << fault;
        QTest::newRow("two points") << "2" << "1.5.1" << fault;
        QTest::newRow("pasted letters") << "abc" << "2" << fault;
        QTest::newRow("overflow") << "1" + QString(200, QLatin1Char('0')) << "0." + QString(200, QLatin1Char('0')) + "1"
                                  << fault;
    }
    void molarityChecksAndFaults() {
        QFETCH(QString, moles);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        auto* f = open<frmMolarity>("frmMolarity");
        TestSupport::type(f->Text1, QStringLiteral("1"));
        TestSupport::type(f->Text2, QStringLiteral("3"));
        f->cmdOk->click();
        f->Text1->setText(moles);
        f->Text2->setText(amount);
        f->Text2->setFocus();
        f->cmdOk->click();
        expectOne(message, QStringLiteral("Tessival"), Msg::Icon::None);
        QCOMPARE(f->Text3->text(), QStringLiteral("0.333"));
        QCOMPARE(f->Text4->text(), QStringLiteral("1 / 3"));
        if (message.startsWith(QLatin1String("You must"))) QCOMPARE(f->focusWidget(), f->Text1);
    }

    void molarityKeys() {
        auto* f = open<frmMolarity>("frmMolarity");
        // Enter is not among the box's keys, yet with Ok disabled it runs Ok, and only Ok.
        TestSupport::type(f->Text2, QStringLiteral("2"));
        QVERIFY(!f->cmdOk->isEnabled());
        TestSupport::press(f->Text2, Qt::Key_Return);
        expectOne(QStringLiteral("You must enter valid data into both boxes."), QStringLiteral("Tessival"),
                  Msg::Icon::None);
        QCOMPARE(f->focusWidget(), f->Text1);
        messages().clear();
        // With Ok enabled Enter runs it once.
        TestSupport::type(f->Text1, QStringLiteral("0"));
        TestSupport::press(f->Text1, Qt::Key_Return);
        QCOMPARE(messages().shown.size(), 1);
        messages().clear();
        for (const char* key : {"-", "E", "+", "a"}) {
            TestSupport::type(f->Text1, QLatin1String(key));
            QCOMPARE(messages().lastText(), KeyMessage);
        }
        QCOMPARE(messages().shown.size(), 4);
        QCOMPARE(f->Text1->text(), QStringLiteral("0"));
    }

    void molarityRoadFromChooserAndMenu() {
        frmMain* m = mainWindow();
        m->cmdSolutions->click();
        TestSupport::settle();
        Form* c = Forms::loaded(QStringLiteral("frmSolutions"));
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Solutions"));
        // Enter in a fresh chooser opens the molarity calculator, whose load unloads the chooser.
        TestSupport::press(c->focusWidget(), Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(shown("frmMolarity"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSolutions")));
        // Escape is Cancel: the chooser comes back, created afresh.
        auto* f = Forms::get<frmMolarity>(QStringLiteral("frmMolarity"));
        TestSupport::press(f->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmMolarity")));
        QVERIFY(shown("frmSolutions"));
        // Buttons of windows not in the program yet leave the chooser as it is.
        c = Forms::loaded(QStringLiteral("frmSolutions"));
        TestSupport::child<QPushButton>(c, "cmdHenrys")->click();
        QVERIFY(c->isVisible());
        // Escape closes the chooser and leaves the main window.
        TestSupport::press(c->focusWidget(), Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSolutions")));
        QVERIFY(m->isVisible());
        // From the menu: the chooser is never seen, but Cancel shows it.
        m->findChild<QAction*>(QStringLiteral("mnuMolarityMolality"))->trigger();
        TestSupport::settle();
        QVERIFY(shown("frmMolarity"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSolutions")));
        Forms::get<frmMolarity>(QStringLiteral("frmMolarity"))->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(shown("frmSolutions"));
    }

    void molarityHelp() {
        auto* f = open<frmMolarity>("frmMolarity");
        f->cmdHelp->click();
        QCOMPARE(messages().shown.size(), 1);
        QVERIFY(messages().lastText().startsWith(QStringLiteral("Determining the concentration of a solution")));
        QVERIFY(messages().lastText().endsWith(QStringLiteral("prepare a solution correctly.")));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        TestSupport::press(f->opt1, Qt::Key_F1);
        QVERIFY(shown("frmHelp"));
    }

    // ---- heat transfer

    void heatTransfer_data() {
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("dT");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::newRow("water") << "10" << "5" << "4.18" << "209.000" << "10 * 5 * 4.18";
        QTest::newRow("cooling") << "10" << "-5" << "4.18" << "-209.000" << "10 * -5 * 4.18";
        QTest::newRow("converted numbers") << "10.0" << "05" << "0.450" << "22.500" << "10 * 5 * 0.45";
        QTest::newRow("no specific heat") << "3" << "2" << "0" << "0.000" << "3 * 2 * 0";
    }
    void heatTransfer() {
        QFETCH(QString, m);
        QFETCH(QString, dT);
        QFETCH(QString, c);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        auto* f = open<frmEnergyChange>("frmEnergyChange");
        TestSupport::type(f->Text1, m);
        TestSupport::type(f->Text2, dT);
        TestSupport::type(f->Text3, c);
        TestSupport::press(f->Text3, Qt::Key_Return);
        QVERIFY(messages().shown.isEmpty());
        QCOMPARE(f->Text4->text(), answer);
        QCOMPARE(f->Text5->text(), work);
        QCOMPARE(f->Label5->text(), QStringLiteral("Joules"));
    }

    void heatTransferChecksAndFaults_data() {
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("dT");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("message");
        const QString all = QStringLiteral("You must enter valid data into all required boxes.");
        const QString positive = QStringLiteral("You must enter a positive amount.");
        QTest::newRow("mass empty") << "" << "5" << "4.18" << all;
        QTest::newRow("change empty") << "10" << "" << "4.18" << all;
        QTest::newRow("heat empty") << "10" << "5" << "" << all;
        QTest::newRow("mass 0") << "0" << "5" << "4.18" << positive;
        QTest::newRow("mass negative pasted") << "-10" << "5" << "4.18" << positive;
        QTest::newRow("mass a lone point") << "." << "5" << "4.18" << "Type mismatch";
        QTest::newRow("lone minus") << "10" << "-" << "4.18" << "Type mismatch";
        QTest::newRow("a blank") << "10" << " " << "4.18" << "Type mismatch";
        QTest::newRow("two points") << "10" << "5" << "4..18" << "Type mismatch";
        QTest::newRow("product beyond single") << "3" + QString(37, QLatin1Char('0')) << "100" << "100" << "Overflow";
        QTest::newRow("input beyond single") << "1" << "1" << "1" + QString(40, QLatin1Char('0')) << "Overflow";
    }
    void heatTransferChecksAndFaults() {
        QFETCH(QString, m);
        QFETCH(QString, dT);
        QFETCH(QString, c);
        QFETCH(QString, message);
        auto* f = open<frmEnergyChange>("frmEnergyChange");
        TestSupport::type(f->Text1, QStringLiteral("10"));
        TestSupport::type(f->Text2, QStringLiteral("5"));
        TestSupport::type(f->Text3, QStringLiteral("4.18"));
        f->cmdOk->click();
        f->Text1->setText(m);
        f->Text2->setText(dT);
        f->Text3->setText(c);
        f->cmdOk->click();
        expectOne(message, QStringLiteral("Tessival"), Msg::Icon::None);
        QCOMPARE(f->Text4->text(), QStringLiteral("209.000"));
        QCOMPARE(f->Text5->text(), QStringLiteral("10 * 5 * 4.18"));
    }

    void heatTransferKeysAndEnabling() {
        auto* f = open<frmEnergyChange>("frmEnergyChange");
        QVERIFY(!f->cmdOk->isEnabled() && !f->cmdPrint->isEnabled());
        // "-" only in the temperature change.
        TestSupport::type(f->Text2, QStringLiteral("-5"));
        QCOMPARE(f->Text2->text(), QStringLiteral("-5"));
        QVERIFY(messages().shown.isEmpty());
        QVERIFY(!f->cmdOk->isEnabled());
        // Enter in the second box with Ok disabled runs the checks.
        TestSupport::press(f->Text2, Qt::Key_Return);
        expectOne(QStringLiteral("You must enter valid data into all required boxes."), QStringLiteral("Tessival"),
                  Msg::Icon::None);
        messages().clear();
        for (QLineEdit* box : {f->Text1, f->Text3}) {
            TestSupport::type(box, QStringLiteral("-"));
            QVERIFY(box->text().isEmpty());
        }
        QCOMPARE(messages().shown.size(), 2);
        QCOMPARE(messages().lastText(), KeyMessage);
        TestSupport::type(f->Text1, QStringLiteral("1"));
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        f->cmdClear->click();
        for (QLineEdit* b : {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5}) QVERIFY(b->text().isEmpty());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    void energyRoad() {
        frmMain* m = mainWindow();
        m->cmdHelp->click();  // "Energy"
        TestSupport::settle();
        Form* c = Forms::loaded(QStringLiteral("frmEnergy"));
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Energy Calculations"));
        TestSupport::press(c->focusWidget(), Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(shown("frmEnergyChange"));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmEnergy")) && !c->isVisible());
        auto* f = Forms::get<frmEnergyChange>(QStringLiteral("frmEnergyChange"));
        TestSupport::press(f->Text1, Qt::Key_F1);
        QVERIFY(shown("frmHelp"));
        f->cmdHelp->click();
        QVERIFY(messages().lastText().startsWith(QStringLiteral("When an object gains heat energy")));
        QVERIFY(messages().lastText().endsWith(QStringLiteral("and the specific heat.  ")));
        TestSupport::press(f->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmEnergyChange")));
        QVERIFY(c->isVisible());
        // The chooser's Cancel returns to the main window.
        TestSupport::press(c->focusWidget(), Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmEnergy")));
        QVERIFY(m->isVisible());
        // From the menu, Cancel still shows the chooser.
        m->findChild<QAction*>(QStringLiteral("mnuEnergychange"))->trigger();
        TestSupport::settle();
        QVERIFY(shown("frmEnergyChange"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmEnergy")));
        Forms::get<frmEnergyChange>(QStringLiteral("frmEnergyChange"))->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(shown("frmEnergy"));
    }

    // ---- pH and pOH

    void acids_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::newRow("pH neutral") << 0 << "1E-7" << "7.000" << "-Log(1E-7) / Log(10)";
        QTest::newRow("pH of 14") << 0 << "14" << "-1.146" << "-Log(14) / Log(10)";
        QTest::newRow("pOH") << 1 << "1E-3" << "3.000" << "-Log(1E-3) / Log(10)";
        QTest::newRow("H3O+ from pH") << 2 << "7" << "1.00E-07" << "10 ^ -(7)";
        QTest::newRow("OH- from pOH") << 3 << "2.5" << "3.16E-03" << "10 ^ -(2.5)";
        QTest::newRow("pH 0") << 2 << "0" << "1.00E+00" << "10 ^ -(0)";
    }
    void acids() {
        QFETCH(int, option);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        auto* f = open<frmAcids>("frmAcids");
        f->options[option]->click();
        TestSupport::type(f->Text1, typed);
        TestSupport::press(f->Text1, Qt::Key_Return);
        QVERIFY(messages().shown.isEmpty());
        QCOMPARE(f->Text2->text(), answer);
        QCOMPARE(f->Text3->text(), work);
    }

    void acidsOptionsRecaption() {
        auto* f = open<frmAcids>("frmAcids");
        QCOMPARE(f->windowTitle(), QStringLiteral("Acids / Bases"));
        QVERIFY(f->opt1->isChecked());
        QCOMPARE(f->Frame1->title(), QStringLiteral("Select one of the following options"));
        QCOMPARE(f->opt1->text(), QStringLiteral("Calculate pH from H3O+  ion concentration"));
        QCOMPARE(f->Label1->text(), QStringLiteral("Enter the H3O+ ion concentration"));
        QCOMPARE(f->Label2->text(), QStringLiteral(" The pH is "));
        TestSupport::type(f->Text1, QStringLiteral("1E-7"));
        f->cmdOk->click();
        const QStringList prompts{"Enter the H3O+ ion concentration", "Enter the OH-  ion concentration",
                                  "Enter the pH", "Enter the pOH"};
        const QStringList results{" The pH is ", " The pOH is ", " The H3O+  concentration is ",
                                  " The OH-  concentration is "};
        for (int i : {1, 2, 3, 0}) {
            f->cmdHelp->setFocus();
            f->options[i]->click();
            QCOMPARE(f->Label1->text(), prompts[i]);
            QCOMPARE(f->Label2->text(), results[i]);
            QCOMPARE(f->Text2->text(), QStringLiteral("7.000"));
            QCOMPARE(f->Text3->text(), QStringLiteral("-Log(1E-7) / Log(10)"));
            if (i != 0) QCOMPARE(f->focusWidget(), f->Text1);
        }
        QCOMPARE(f->focusWidget(), f->cmdHelp);  // option 1 leaves the focus where it was
    }

    void acidsChecksAndFaults_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        const QString range = QStringLiteral("You must enter a number between 0 and 14.");
        const int info = int(Msg::Icon::Information), none = int(Msg::Icon::None);
        for (int o = 0; o < 4; ++o) {
            QTest::addRow("15, option %d", o + 1) << o << "15" << range << "Tessival" << info;
            QTest::addRow("-1, option %d", o + 1) << o << "-1" << range << "Tessival" << info;
        }
        QTest::newRow("zero has no logarithm") << 0 << "0" << "Invalid procedure call or argument" << "Tessival"
                                               << none;
        QTest::newRow("lone E") << 0 << "E" << "Type mismatch" << "Tessival" << none;
        QTest::newRow("lone minus") << 1 << "-" << "Type mismatch" << "Tessival" << none;
        QTest::newRow("pasted letters") << 2 << "abc" << "Type mismatch" << "Tessival" << none;
        QTest::newRow("overflow") << 0 << "1E+999" << "Overflow" << "Tessival" << none;
    }
    void acidsChecksAndFaults() {
        QFETCH(int, option);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        auto* f = open<frmAcids>("frmAcids");
        TestSupport::type(f->Text1, QStringLiteral("1E-7"));
        f->cmdOk->click();
        f->options[option]->click();
        f->Text1->setText(typed);
        f->cmdOk->click();
        expectOne(message, title, Msg::Icon(icon));
        QCOMPARE(f->Text2->text(), QStringLiteral("7.000"));
        QCOMPARE(f->Text3->text(), QStringLiteral("-Log(1E-7) / Log(10)"));
    }

    void acidsEmptyClears() {
        auto* f = open<frmAcids>("frmAcids");
        TestSupport::type(f->Text1, QStringLiteral("1E-7"));
        f->cmdOk->click();
        f->Text1->clear();
        f->cmdHelp->setFocus();
        f->cmdOk->click();
        expectOne(QStringLiteral("You must enter valid data."), QStringLiteral("Acids"), Msg::Icon::None);
        QVERIFY(f->Text1->text().isEmpty() && f->Text2->text().isEmpty() && f->Text3->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
    }

    void acidsKeys() {
        auto* f = open<frmAcids>("frmAcids");
        QVERIFY(!f->cmdOk->isEnabled());
        TestSupport::press(f->Text1, Qt::Key_Return);  // Ok disabled: the box's Enter runs it
        expectOne(QStringLiteral("You must enter valid data."), QStringLiteral("Acids"), Msg::Icon::None);
        messages().clear();
        TestSupport::type(f->Text1, QStringLiteral("+1.5E-3"));
        QCOMPARE(f->Text1->text(), QStringLiteral("+1.5E-3"));
        QVERIFY(messages().shown.isEmpty());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        for (const char* key : {"e", "x", ","}) TestSupport::type(f->Text1, QLatin1String(key));
        QCOMPARE(messages().shown.size(), 3);
        QCOMPARE(messages().lastText(), KeyMessage);
        QCOMPARE(f->Text1->text(), QStringLiteral("+1.5E-3"));
    }

    void acidsFromMainAndBack() {
        frmMain* m = mainWindow();
        m->cmdAcids->click();
        TestSupport::settle();
        QVERIFY(shown("frmAcids"));
        auto* f = Forms::get<frmAcids>(QStringLiteral("frmAcids"));
        TestSupport::type(f->Text1, QStringLiteral("7"));
        f->cmdHelp->click();
        QVERIFY(messages().lastText().startsWith(QStringLiteral("A pH value is an indication")));
        QVERIFY(messages().lastText().contains(QStringLiteral("hydroxide ions.  The equations for pH is")));
        TestSupport::press(f->Text1, Qt::Key_F1);
        QVERIFY(shown("frmHelp"));
        f->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmAcids")));
        QVERIFY(m->isVisible());
        m->findChild<QAction*>(QStringLiteral("mnuAcids"))->trigger();
        TestSupport::settle();
        f = Forms::get<frmAcids>(QStringLiteral("frmAcids"));
        QVERIFY(f && f->isVisible());
        QVERIFY(f->Text1->text().isEmpty());
        QVERIFY(f->opt1->isChecked());
        TestSupport::press(f->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmAcids")));
    }
};

QTEST_MAIN(TestSolutions)
#include "tst_solutions.moc"
