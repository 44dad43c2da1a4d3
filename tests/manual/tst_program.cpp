// The whole program: every window the main window names exists once built,
// F1 in every calculator reaches the real user manual, and the manual keeps
// its topic whoever shows it.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "TestSupport.h"
#include "help/frmHelp.h"
#include "platform/CalculatorForm.h"
#include "shell/frmMain.h"

class TstProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::init(); }
    void cleanup() { TestSupport::unloadAll(); }

    void f1InEveryCalculatorShowsTheManual() {
        int calculators = 0;
        for (const QString& name : Forms::registeredKinds()) {
            auto* calc = qobject_cast<CalculatorForm*>(Forms::show(name));
            if (!calc) {
                TestSupport::unloadAll();
                continue;
            }
            ++calculators;
            QWidget* focus = calc->findChild<QLineEdit*>();
            QTest::keyClick(focus ? focus : static_cast<QWidget*>(calc), Qt::Key_F1);
            auto* help = Forms::get<frmHelp>(QStringLiteral("frmHelp"));
            QVERIFY2(help && help->isVisible(), qPrintable(name));
            QCOMPARE(help->windowTitle(), QStringLiteral("Tessival Help"));
            QVERIFY(help->RTB1->toPlainText().isEmpty());
            // The calculator stays open behind it.
            QVERIFY(Forms::loaded(name) == calc && calc->isVisible());
            TestSupport::unloadAll();
        }
        QVERIFY(calculators >= 5);
    }

    void theManualKeepsItsTopicWhoeverShowsIt() {
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        m->menuItem(QStringLiteral("mnuAssistance"))->trigger();
        auto* help = Forms::get<frmHelp>(QStringLiteral("frmHelp"));
        QVERIFY(help);
        help->TreeView1->expandAll();
        QList<QTreeWidgetItem*> graham = help->TreeView1->findItems(QStringLiteral("Graham's Law"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(graham.size(), 1);
        help->TreeView1->setCurrentItem(graham.first());
        help->TreeView1_DblClick();
        const QString topic = help->RTB1->toPlainText();
        QVERIFY(topic.contains(QStringLiteral("Sqr(32 / 2)")));
        // F1 in a calculator brings the same viewer with the same topic.
        Form* calc = Forms::show(QStringLiteral("frmGrahams"));
        QTest::keyClick(calc->findChild<QLineEdit*>(QStringLiteral("Text1")), Qt::Key_F1);
        QCOMPARE(Forms::get<frmHelp>(QStringLiteral("frmHelp")), help);
        QCOMPARE(help->RTB1->toPlainText(), topic);
        QVERIFY(help->TreeView1->currentItem() == graham.first());
    }

    void everyWindowTheMainWindowNamesIsBuilt() {
        // The windows of this program's subjects so far; the others open nothing yet.
        for (const char* name : {"frmGasLaws", "frmGrahams", "frmSolutions", "frmMolarity", "frmEnergy",
                                 "frmEnergyChange", "frmAcids", "frmGeneralChoice", "frmSigfig", "frmHelp",
                                 "frmConstants", "frmSpecificHeats", "frmSolConstants", "frmIonization",
                                 "frmMiscellaneous", "frmThermodynamics", "frmVaporPressure", "frmStandard",
                                 "frmEnthalpies", "frmelectronegativities", "frmAtomicData", "frmTableChoice",
                                 "frmPeriodic", "frmPTable2", "frmPTable3", "frmPTable4", "frmPTable5",
                                 "frmPTable6", "frmPTable7", "frmWeightChoice", "frmWeights",
                                 "frmWeightCalculations", "frmAbout", "frmSplash"})
            QVERIFY2(Forms::isRegistered(QLatin1String(name)), name);
    }
};

QTEST_MAIN(TstProgram)
#include "tst_program.moc"
