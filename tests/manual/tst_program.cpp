// The whole program: every window the main window and its choosers name is built,
// F1 in every calculator and conversion window reaches the real user manual, and the manual keeps
// its topic whoever shows it.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QRadioButton>
#include <QSet>
#include <functional>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "TestSupport.h"
#include "help/frmHelp.h"
#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"
#include "platform/ChooserForm.h"
#include "refdata/viewers/OptionHubForm.h"
#include "shell/frmMain.h"

class TstProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::init(); }
    void cleanup() { TestSupport::unloadAll(); }

    // What a window's "?" (or Description) says, and the captions beside its
    // answer, teach true chemistry: no row's wrong words stay, its right ones show.
    void sentencesTeachTrueChemistry_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");  // a button showing a message, or a label
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("right");
        auto row = [](const char* tag, const char* window, const char* control, const char* wrong, const char* right) {
            QTest::newRow(tag) << QString::fromLatin1(window) << QString::fromLatin1(control)
                               << QString::fromUtf8(wrong) << QString::fromUtf8(right);
        };
        row("molarity is per litre of solution", "frmMolarity", "cmdHelp", "moles per liter of solvent",
            "moles per liter of solution");
        row("every equilibrium has its K", "frmEquilibriumConstant", "cmdHelp",
            "constant is equal to 1, then the reaction is at equilibrium", "Every reaction at equilibrium has its constant");
        row("acids go below 0", "frmAcids", "cmdHelp", "low (0-6)", "below 7");
        row("Graham's help says what the window computes", "frmGrahams", "cmdHelp", "larger weight by the smaller",
            "weight in box two by the weight in box one");
        row("Graham's caption says what the window computes", "frmGrahams", "Label6", "The diffusion rate is",
            "Rate of #1 / rate of #2 is");
        row("Raoult's answer in kPa", "frmRaoults", "Label8", "", "kPa");
        row("affinity is not electronegativity", "frmPTable4", "cmdDescription", "electronegativity", "energy");
        row("the solubility products' column holds Ksp", "frmSolConstants", "Label1", "Solubility", "Ksp");
        row("the ionization reactant box takes the starting concentration", "frmionizationConstant", "Label1", "",
            "starting concentration of the reactant");
        row("the ionization products are at equilibrium", "frmionizationConstant", "Label2", "",
            "equilibrium concentration");
        row("the ionization help says which concentration to type", "frmionizationConstant", "cmdHelp",
            "ionic molecule", "starting (initial)");
        row("the freezing-point box asks for the solvent's constant", "frmFreezing", "Label2", "temperature changes",
            "constant");
        row("an ionic solute changes the freezing point more", "frmFreezing", "cmdHelp",
            "molality determine the total temperature change", "number of ions");
        row("the combined gas law multiplies", "frmCombinedLaws", "cmdHelp", "add two ratios", "multiply it by two ratios");
        row("22.4 liters only at STP", "frmMassVolume", "cmdHelp", "volume of 22.4 liters. ", "22.4 liters at STP");
        row("the solid is not in Ksp", "frmSolubilityConstants", "cmdHelp", "molarity of the reactant and its products",
            "does not appear in Ksp");
        row("an age needs the amount left", "frmHalfLife", "cmdHelp", "half life and the original amount allows",
            "the amount left");
        row("isotopes count by their fraction", "frmAverageMass", "cmdHelp", "times the percent", "divided by 100");
        row("the heat typed is the equation's", "frmMassEnergy", "cmdHelp", "is for a mole of the substance",
            "divides it by the coefficient");
        row("density is not thickness", "frmDensity", "cmdHelp", "thickness", "closely the matter");
        row("metric steps are powers of ten", "frmMetrics", "cmdHelp", "multiples of 10", "powers of 10");
        row("the last significant figure is estimated", "frmSigfig", "cmdHelp", "It is not a guess", "estimated digit");
        row("gas laws need kelvins", "frmTemperatures", "cmdHelp", "work better mathematically", "only work when");
        row("water vapor adds pressure", "frmDalton", "cmdHelp", "on the volume", "pressure of the water vapor");
        row("the specific heat's unit", "frmEnergyChange", "Label3", "", "J/(g");
    }
    void sentencesTeachTrueChemistry() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, wrong);
        QFETCH(QString, right);
        Form* f = Forms::show(window);
        QVERIFY(f);
        TestSupport::settle();
        QString text;
        if (auto* l = f->findChild<QLabel*>(control)) {
            text = l->text();
        } else {
            auto* b = f->findChild<QPushButton*>(control);
            QVERIFY(b);
            TestSupport::messages().clear();
            b->click();
            QCOMPARE(TestSupport::messages().shown.size(), 1);
            text = TestSupport::messages().lastText();
        }
        if (!wrong.isEmpty()) QVERIFY2(!text.contains(wrong), qPrintable(text));
        QVERIFY2(text.contains(right), qPrintable(text));
    }

    // Every window of the program opens: the bindings of its design and every
    // name it writes as text (tab order, rows of buttons, default button) are
    // checked at the first open, which stops the program naming the window and
    // the name. No button of it stands over another.
    void everyWindowOpensWithEveryNameFound() {
        for (const QString& window : Forms::registeredKinds()) {
            Form* f = Forms::show(window);
            QVERIFY2(f && f->isVisible(), qPrintable(window));
            TestSupport::settle();
            QList<QPushButton*> buttons;
            for (QPushButton* b : f->findChildren<QPushButton*>())
                if (b->isVisibleTo(f)) buttons.append(b);
            for (qsizetype i = 0; i < buttons.size(); ++i)
                for (qsizetype j = i + 1; j < buttons.size(); ++j) {
                    const QRect a(buttons[i]->mapTo(f, QPoint()), buttons[i]->size());
                    const QRect b(buttons[j]->mapTo(f, QPoint()), buttons[j]->size());
                    QVERIFY2(!a.intersects(b), qPrintable(window + ": " + buttons[i]->objectName() + " over " +
                                                          buttons[j]->objectName()));
                }
            TestSupport::unloadAll();
        }
    }

    // F1 in every calculator and conversion window, in the main window, the
    // weigher and the periodic table shows the manual without a topic.
    void f1ShowsTheManual() {
        const QStringList others{QStringLiteral("frmMain"), QStringLiteral("frmWeights"), QStringLiteral("frmPeriodic")};
        int calculators = 0, conversions = 0, named = 0;
        for (const QString& name : Forms::registeredKinds()) {
            Form* f = Forms::show(name);
            if (!qobject_cast<AnswerForm*>(f) && !others.contains(name)) {
                TestSupport::unloadAll();
                continue;
            }
            calculators += qobject_cast<CalculatorForm*>(f) != nullptr;
            conversions += qobject_cast<ConversionForm*>(f) != nullptr;
            named += others.contains(name);
            QWidget* focus = f->findChild<QLineEdit*>();
            QTest::keyClick(focus ? focus : static_cast<QWidget*>(f), Qt::Key_F1);
            auto* help = Forms::get<frmHelp>(QStringLiteral("frmHelp"));
            QVERIFY2(help && help->isVisible(), qPrintable(name));
            QCOMPARE(help->windowTitle(), QStringLiteral("Tessival Help"));
            QVERIFY(help->RTB1->toPlainText().isEmpty());
            // The window stays open behind it.
            QVERIFY(Forms::loaded(name) == f && f->isVisible());
            TestSupport::unloadAll();
        }
        QVERIFY(calculators >= 5);
        QVERIFY(conversions >= 4);
        QCOMPARE(named, others.size());
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

    // Every button and menu item of the main window, and every button of each
    // chooser they reach, opens a window (or shows its message, starts the
    // calculator, or ends the program): none names a window that is not built.
    void everyWindowTheMainWindowNamesIsBuilt() {
        auto visible = [] {
            QSet<QString> names;
            for (Form* f : Forms::loadedForms())
                if (f->isVisible()) names << f->formName();
            return names;
        };
        // Runs `act` on a fresh program with `window` shown; the windows it brought up.
        auto run = [&](const QString& window, const std::function<void(Form*)>& act) {
            TestSupport::unloadAll();
            TestSupport::messages().clear();
            TestSupport::launcher().started.clear();
            Form* f = Forms::show(window);
            TestSupport::settle();
            const QSet<QString> before = visible();
            act(f);
            TestSupport::settle();
            return visible() - before;
        };

        QStringList choosers;
        auto mainItem = [&](const QString& what, const std::function<void(frmMain*)>& act) {
            const QSet<QString> opened = run(QStringLiteral("frmMain"), [&](Form* f) { act(static_cast<frmMain*>(f)); });
            const bool other = !TestSupport::messages().shown.isEmpty() || !TestSupport::launcher().started.isEmpty() ||
                               !Forms::isLoaded(QStringLiteral("frmMain"));
            QVERIFY2(!opened.isEmpty() || other, qPrintable(what + QStringLiteral(" opens nothing")));
            for (const QString& name : opened) {
                Form* shown = Forms::loaded(name);
                if ((qobject_cast<ChooserForm*>(shown) || qobject_cast<OptionHubForm*>(shown)) && !choosers.contains(name))
                    choosers << name;
            }
        };
        int items = 0;
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        QStringList buttons, actions;
        for (QPushButton* b : m->findChildren<QPushButton*>()) buttons << b->objectName();
        for (QAction* a : m->menuBar->findChildren<QAction*>())
            if (!a->menu() && !a->objectName().isEmpty() && !a->isSeparator()) actions << a->objectName();
        QCOMPARE(buttons.size(), 22);
        for (const QString& b : std::as_const(buttons)) {
            ++items;
            mainItem(b, [&b](frmMain* f) { f->findChild<QPushButton*>(b)->click(); });
        }
        for (const QString& a : std::as_const(actions)) {
            ++items;
            mainItem(a, [&a](frmMain* f) { f->menuItem(a)->trigger(); });
        }
        QVERIFY(items > 70);
        // The choosers the main window reaches: each button but Cancel opens a window.
        QVERIFY(choosers.size() >= 10);
        for (const QString& chooser : std::as_const(choosers)) {
            Form* c = Forms::show(chooser);
            QStringList targets;
            if (auto* hub = qobject_cast<OptionHubForm*>(c))
                for (QRadioButton* o : hub->options) targets << o->objectName();
            else
                for (QPushButton* b : static_cast<ChooserForm*>(c)->buttons) targets << b->objectName();
            QVERIFY2(!targets.isEmpty(), qPrintable(chooser));
            for (const QString& t : std::as_const(targets)) {
                const QSet<QString> opened = run(chooser, [&t](Form* f) {
                    if (auto* hub = qobject_cast<OptionHubForm*>(f)) {
                        f->findChild<QRadioButton*>(t)->setChecked(true);
                        hub->cmdOK->click();
                    } else {
                        f->findChild<QPushButton*>(t)->click();
                    }
                });
                QVERIFY2(opened.size() == 1, qPrintable(chooser + QLatin1Char(' ') + t + QStringLiteral(" opens nothing")));
                QVERIFY(Forms::isRegistered(*opened.begin()));
            }
        }
    }
};

QTEST_MAIN(TstProgram)
#include "tst_program.moc"
