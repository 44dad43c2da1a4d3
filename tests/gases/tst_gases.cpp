// The gas-laws chooser and Graham's law, driven as a student would.
#include <QAction>
#include <QtTest>

#include "TestSupport.h"
#include "gases/frmGasLaws.h"
#include "gases/frmGrahams.h"
#include "shell/frmMain.h"

using TestSupport::messages;

namespace {
frmGrahams* grahams() {
    auto* f = qobject_cast<frmGrahams*>(Forms::show(QStringLiteral("frmGrahams")));
    TestSupport::settle();
    return f;
}

bool shown(const char* name) {
    Form* f = Forms::loaded(QLatin1String(name));
    return f && f->isVisible();
}
}  // namespace

class TestGases : public QObject {
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

    void grahamsWorkedExamples_data() {
        QTest::addColumn<QString>("m1");
        QTest::addColumn<QString>("m2");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("work");
        QTest::newRow("hydrogen and oxygen") << "2" << "32" << "4.000" << "Sqr(32 / 2)";
        QTest::newRow("heavier first") << "32" << "2" << "0.250" << "Sqr(2 / 32)";
        QTest::newRow("equal weights") << "28" << "28" << "1.000" << "Sqr(28 / 28)";
        QTest::newRow("typed texts kept") << "2" << "032" << "4.000" << "Sqr(032 / 2)";
        QTest::newRow("points") << ".5" << "3." << "2.449" << "Sqr(3. / .5)";
        QTest::newRow("grouped answer") << "1" << "4000000" << "2,000.000" << "Sqr(4000000 / 1)";
    }
    void grahamsWorkedExamples() {
        QFETCH(QString, m1);
        QFETCH(QString, m2);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        frmGrahams* f = grahams();
        TestSupport::type(f->Text1, m1);
        TestSupport::type(f->Text2, m2);
        TestSupport::press(f->Text2, Qt::Key_Return);  // Ok is enabled: the default button
        QCOMPARE(f->Text5->text(), answer);
        QCOMPARE(f->Text3->text(), work);
        QVERIFY(messages().shown.isEmpty());
        // Ok by its button gives the same.
        f->cmdOk->click();
        QCOMPARE(f->Text5->text(), answer);
        QVERIFY(messages().shown.isEmpty());
    }

    void grahamsChecksInOrder_data() {
        QTest::addColumn<QString>("m1");
        QTest::addColumn<QString>("m2");
        QTest::addColumn<QString>("message");
        const QString positive = QStringLiteral("You must enter a number larger than 0.");
        QTest::newRow("both empty") << "" << "" << "You must enter a valid molecular weight in box one.";
        QTest::newRow("first empty") << "" << "32" << "You must enter a valid molecular weight in box one.";
        QTest::newRow("first zero") << "0" << "" << positive;
        QTest::newRow("first 0.0") << "0.0" << "32" << positive;
        QTest::newRow("first negative pasted") << "-2" << "32" << positive;
        QTest::newRow("second empty") << "2" << "" << "You must enter a valid molecular weight in box two.";
        QTest::newRow("second zero") << "2" << "0" << positive;
        QTest::newRow("second negative pasted") << "2" << "-32" << positive;
    }
    void grahamsChecksInOrder() {
        QFETCH(QString, m1);
        QFETCH(QString, m2);
        QFETCH(QString, message);
        frmGrahams* f = grahams();
        TestSupport::type(f->Text1, QStringLiteral("2"));
        TestSupport::type(f->Text2, QStringLiteral("32"));
        f->cmdOk->click();
        f->Text1->setText(m1);
        f->Text2->setText(m2);
        messages().clear();
        f->cmdOk->click();
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().shown.first().text, message);
        QCOMPARE(messages().shown.first().title, QStringLiteral("Tessival"));
        QCOMPARE(messages().shown.first().icon, Msg::Icon::Information);
        QCOMPARE(f->Text5->text(), QStringLiteral("4.000"));
        QCOMPARE(f->Text3->text(), QStringLiteral("Sqr(32 / 2)"));
    }

    void grahamsFaultsLeaveWindowAsItWas_data() {
        QTest::addColumn<QString>("m1");
        QTest::addColumn<QString>("m2");
        QTest::newRow("two points") << "1.2.3" << "32";
        QTest::newRow("pasted letters") << "2" << "abc";
        QTest::newRow("lone point") << "." << "32";
        QTest::newRow("beyond single") << "1" + QString(39, QLatin1Char('0')) << "32";
        // Both weights fit in single precision; the rate does not.
        QTest::newRow("rate overflows") << "0." + QString(44, QLatin1Char('0')) + "1"
                                        << "3" + QString(38, QLatin1Char('0'));
    }
    void grahamsFaultsLeaveWindowAsItWas() {
        QFETCH(QString, m1);
        QFETCH(QString, m2);
        frmGrahams* f = grahams();
        TestSupport::type(f->Text1, QStringLiteral("2"));
        TestSupport::type(f->Text2, QStringLiteral("32"));
        f->cmdOk->click();
        f->Text1->setText(m1);
        f->Text2->setText(m2);
        f->cmdOk->click();
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), QStringLiteral("Data entry error"));
        QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::None);
        QCOMPARE(f->Text5->text(), QStringLiteral("4.000"));
        QCOMPARE(f->Text3->text(), QStringLiteral("Sqr(32 / 2)"));
    }

    void grahamsKeyFilter_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("minus") << "-";
        QTest::newRow("plus") << "+";
        QTest::newRow("E") << "E";
        QTest::newRow("e") << "e";
        QTest::newRow("letter") << "x";
        QTest::newRow("comma") << ",";
        QTest::newRow("blank") << " ";
    }
    void grahamsKeyFilter() {
        QFETCH(QString, key);
        frmGrahams* f = grahams();
        for (QLineEdit* box : {f->Text1, f->Text2}) {
            messages().clear();
            TestSupport::type(box, QStringLiteral("1.5"));
            TestSupport::type(box, key);
            QCOMPARE(box->text(), QStringLiteral("1.5"));
            QCOMPARE(messages().shown.size(), 1);
            QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid numerical expression"));
            QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
            QCOMPARE(messages().shown.last().icon, Msg::Icon::None);
            TestSupport::press(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), QStringLiteral("1."));
            QCOMPARE(messages().shown.size(), 1);
        }
    }

    void grahamsOkAndPrintEnabledByFirstBoxOnly() {
        frmGrahams* f = grahams();
        QVERIFY(!f->cmdOk->isEnabled());
        QVERIFY(!f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->Text1);
        TestSupport::type(f->Text2, QStringLiteral("32"));
        QVERIFY(!f->cmdOk->isEnabled());
        QVERIFY(!f->cmdPrint->isEnabled());
        TestSupport::type(f->Text1, QStringLiteral("2"));
        QVERIFY(f->cmdOk->isEnabled());
        QVERIFY(f->cmdPrint->isEnabled());
        f->cmdOk->click();
        f->cmdClear->click();
        for (QLineEdit* b : {f->Text1, f->Text2, f->Text5, f->Text3}) QVERIFY(b->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
        QVERIFY(f->cmdOk->isEnabled());
        QVERIFY(f->cmdPrint->isEnabled());
        f->cmdOk->click();
        QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid molecular weight in box one."));
        f->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed, QList<QWidget*>{f});
    }

    void grahamsEnterWhileOkDisabledRunsOkOnce() {
        frmGrahams* f = grahams();
        TestSupport::type(f->Text2, QStringLiteral("32"));
        QVERIFY(!f->cmdOk->isEnabled());
        TestSupport::press(f->Text2, Qt::Key_Return);
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid molecular weight in box one."));
        QCOMPARE(f->Text2->text(), QStringLiteral("32"));
    }

    void grahamsEscapeDoesNothingCancelReturns() {
        frmGrahams* f = grahams();
        TestSupport::type(f->Text1, QStringLiteral("2"));
        TestSupport::press(f->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(shown("frmGrahams"));
        QCOMPARE(f->Text1->text(), QStringLiteral("2"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGasLaws")));
        f->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGrahams")));
        QVERIFY(shown("frmGasLaws"));
        // Opened again, it starts from its design state.
        f = grahams();
        QVERIFY(f->Text1->text().isEmpty());
        QVERIFY(!f->cmdOk->isEnabled());
    }

    void grahamsHelpKeyAndParagraph() {
        frmGrahams* f = grahams();
        TestSupport::press(f->Text2, Qt::Key_F1);
        QVERIFY(shown("frmHelp"));
        QVERIFY(shown("frmGrahams"));
        QVERIFY(messages().shown.isEmpty());
        f->cmdHelp->click();
        QCOMPARE(messages().shown.size(), 1);
        QVERIFY(messages().lastText().startsWith(QStringLiteral("When two gases are introduced into a vacuum")));
        QVERIFY(messages().lastText().endsWith(QStringLiteral("the lighter gas to the hevier gas.")));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
        QCOMPARE(f->cmdHelp->toolTip(), QStringLiteral("Press for help"));
    }

    void grahamsTextsAndTabOrder() {
        frmGrahams* f = grahams();
        QCOMPARE(f->windowTitle(), QStringLiteral("Graham's Law"));
        QCOMPARE(f->Label2->text(), QStringLiteral("Enter the molecular weight for molecule #1"));
        QCOMPARE(f->Label2->buddy(), f->Text1);
        QCOMPARE(f->Text1->accessibleName(), f->Label2->text());
        QCOMPARE(f->Text1->toolTip(), QStringLiteral("Enter the weight for a complete molecule  (Br2 not just Br)."));
        QCOMPARE(f->Text2->toolTip(), QStringLiteral("Enter the molecular weight for a complete molecule."));
        QCOMPARE(f->Label6->text(), QStringLiteral("The diffusion rate is "));
        QCOMPARE(f->Text5->accessibleName(), QStringLiteral("The diffusion rate is "));
        QCOMPARE(f->Text3->accessibleName(), QStringLiteral("Work line"));
        QVERIFY(!f->Text5->isEnabled());
        QVERIFY(!f->Text3->isEnabled());
        TestSupport::type(f->Text1, QStringLiteral("2"));
        QWidget* w = f->Text1;
        QStringList chain;
        for (int i = 0; i < 5; ++i) {
            chain << w->objectName();
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) w = w->nextInFocusChain();
        }
        QCOMPARE(chain, (QStringList{"Text1", "Text2", "cmdOk", "cmdClear", "cmdCancel"}));
    }

    void chooserFromMainWindow() {
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        m->cmdGases->click();
        TestSupport::settle();
        Form* c = Forms::loaded(QStringLiteral("frmGasLaws"));
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Gas Laws"));
        QCOMPARE(c->focusWidget()->objectName(), QStringLiteral("cmdCancel"));
        // A calculator that is not part of the program yet: nothing happens.
        TestSupport::child<QPushButton>(c, "cmdCharles")->click();
        TestSupport::settle();
        QVERIFY(c->isVisible());
        TestSupport::child<QPushButton>(c, "cmdGrahams")->click();
        TestSupport::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmGasLaws")));
        QVERIFY(!c->isVisible());
        QVERIFY(shown("frmGrahams"));
        QVERIFY(m->isVisible());
        // "Gases" again brings the hidden chooser back; the calculator stays.
        m->cmdGases->click();
        QVERIFY(c->isVisible());
        QVERIFY(shown("frmGrahams"));
    }

    void chooserKeys() {
        Forms::show(QStringLiteral("frmMain"));
        Form* c = Forms::show(QStringLiteral("frmGasLaws"));
        // Enter at once chooses the focused Cancel.
        TestSupport::press(c->focusWidget(), Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGasLaws")));
        QVERIFY(shown("frmMain"));
        c = Forms::show(QStringLiteral("frmGasLaws"));
        auto* g = TestSupport::child<QPushButton>(c, "cmdGrahams");
        g->setFocus();
        TestSupport::press(g, Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(shown("frmGrahams"));
        QVERIFY(!c->isVisible());
        c = Forms::show(QStringLiteral("frmGasLaws"));
        TestSupport::press(c->focusWidget(), Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGasLaws")));
        QVERIFY(shown("frmMain"));
        QVERIFY(shown("frmGrahams"));
    }

    void menuOpensCalculatorWhichReturnsToChooser() {
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        QAction* a = m->findChild<QAction*>(QStringLiteral("mnuGrahams"));
        QVERIFY(a);
        a->trigger();
        TestSupport::settle();
        auto* f = Forms::get<frmGrahams>(QStringLiteral("frmGrahams"));
        QVERIFY(f && f->isVisible());
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGasLaws")));
        TestSupport::type(f->Text1, QStringLiteral("2"));
        // Picked from the chooser while open: brought forward unchanged.
        Form* c = Forms::show(QStringLiteral("frmGasLaws"));
        TestSupport::child<QPushButton>(c, "cmdGrahams")->click();
        TestSupport::settle();
        QCOMPARE(Forms::get<frmGrahams>(QStringLiteral("frmGrahams")), f);
        QCOMPARE(f->Text1->text(), QStringLiteral("2"));
        QVERIFY(!c->isVisible());
        f->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(shown("frmGasLaws"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGrahams")));
    }
};

QTEST_MAIN(TestGases)
#include "tst_gases.moc"
