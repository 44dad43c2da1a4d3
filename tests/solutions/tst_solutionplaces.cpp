// The solution calculators that add controls of their own to the calculator
// shape: where the student sees each of them, that the fixed border holds all
// of them (also a solvent list widened by its data), and which boxes enable
// Ok and Print.
#include <QtTest>

#include "TestSupport.h"
#include "platform/CalculatorForm.h"
#include "solutions/frmFreezing.h"

using TestSupport::messages;

namespace {
template <class T = CalculatorForm> T* open(const char* name) { return TestSupport::open<T>(QLatin1String(name)); }

using TestSupport::placed;

QWidget* control(QWidget* f, const QString& name) {
    QWidget* w = f->findChild<QWidget*>(name);
    if (!w) qWarning("no control %s", qPrintable(name));
    return w;
}
}  // namespace

class TestSolutionPlaces : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // "above": the first ends before the second begins; "left of": the same
    // row, the first ends before the second begins; "inside": within the frame.
    void placesOnScreen_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QString>("second");
        auto row = [](const char* window, const char* first, const char* relation, const char* second) {
            QTest::addRow("%s %s %s %s", window, first, relation, second) << window << first << relation << second;
        };
        // The solvent list and its heading at the top, the options under them.
        row("frmFreezing", "Label6", "above", "lstList1");
        row("frmFreezing", "lstList1", "above", "Frame1");
        row("frmFreezing", "Frame1", "above", "Text1");
        row("frmFreezing", "Text3", "above", "Text4");
        row("frmFreezing", "Text4", "left of", "Label1");
        row("frmFreezing", "Label1", "left of", "cmdHelp");
        // A rule between the four data boxes and the ratio.
        row("frmTitration", "Frame1", "above", "Label1");
        row("frmTitration", "Label1", "above", "Text1");
        row("frmTitration", "Text4", "above", "Line1");
        row("frmTitration", "Line1", "above", "Text6");
        row("frmTitration", "Text6", "above", "Text5");
        row("frmTitration", "cmdHelp", "left of", "Text5");
        row("frmTitration", "cmdHelp", "above", "cmdOk");
        // Reactants, then products, each in its frame, under the heading.
        row("frmEquilibriumConstant", "Label1", "above", "Frame1");
        row("frmEquilibriumConstant", "Frame1", "above", "Frame2");
        row("frmEquilibriumConstant", "Frame2", "above", "Text1");
        row("frmEquilibriumConstant", "Text2", "inside", "Frame1");
        row("frmEquilibriumConstant", "Text4", "inside", "Frame1");
        row("frmEquilibriumConstant", "Text8", "inside", "Frame2");
        row("frmEquilibriumConstant", "Text12", "inside", "Frame2");
        row("frmEquilibriumConstant", "Text2", "left of", "Text5");
        row("frmEquilibriumConstant", "Text3", "left of", "Text4");
        row("frmEquilibriumConstant", "cmdHelp", "left of", "Text1");
        // The percent beside the fraction, "?" beside the last box; Print second.
        row("frmMoleFraction", "Label5", "above", "Text1");
        row("frmMoleFraction", "Text4", "left of", "cmdHelp");
        row("frmMoleFraction", "cmdHelp", "above", "Label7");
        row("frmMoleFraction", "Text6", "left of", "Label7");
        row("frmMoleFraction", "Label7", "left of", "Text7");
        row("frmMoleFraction", "cmdCancel", "left of", "cmdPrint");
        row("frmMoleFraction", "cmdPrint", "left of", "cmdClear");
        row("frmMoleFraction", "cmdClear", "left of", "cmdOk");
        row("frmMoleFraction", "cmdOk", "above", "Text5");
    }
    void placesOnScreen() {
        QFETCH(QString, window);
        QFETCH(QString, first);
        QFETCH(QString, relation);
        QFETCH(QString, second);
        Form* f = TestSupport::open(window);
        QVERIFY(f && f->isVisible());
        TestSupport::checkPlace(f, first, relation, second);
    }

    // "?" stands at the left end of the result row, before its caption, as in
    // the gas windows.
    void helpLeftOfTheResult_data() {
        QTest::addColumn<QString>("window");
        for (const char* w : {"frmSolubilityConstants", "frmEquilibriumConstant", "frmionizationConstant",
                              "frmTitration", "frmEnergyChange", "frmThermoData", "frmFaradays", "frmChangeOfState",
                              "frmHalfLife"})
            QTest::newRow(w) << w;
    }
    void helpLeftOfTheResult() {
        QFETCH(QString, window);
        auto* f = open(qPrintable(window));
        QVERIFY(f && f->isVisible());
        const QRect help = placed(f->cmdHelp), caption = placed(f->resultLabel), answer = placed(f->answerBox);
        QVERIFY(f->cmdHelp->isVisible());
        const auto at = [](const QRect& r) { return QStringLiteral("%1..%2").arg(r.left()).arg(r.right()); };
        QVERIFY2(help.right() < caption.left() && help.right() < answer.left(),
                 qPrintable(QStringLiteral("? %1, caption %2, answer %3").arg(at(help), at(caption), at(answer))));
        QVERIFY(help.top() <= answer.center().y() && answer.center().y() <= help.bottom());
        QVERIFY(f->rect().contains(help));
    }

    // The shape fixes the border once the window has added its controls: the
    // student can neither shrink the window over a control nor stretch it, and
    // the large bold "?" of the equilibrium windows has its full height.
    void bordersHoldEveryControl_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("largeHelp");
        QTest::newRow("titration") << "frmTitration" << true;
        QTest::newRow("equilibrium constant") << "frmEquilibriumConstant" << true;
        QTest::newRow("solubility product") << "frmSolubilityConstants" << true;
        QTest::newRow("ionization constant") << "frmionizationConstant" << true;
        QTest::newRow("mole fraction") << "frmMoleFraction" << false;
        QTest::newRow("freezing point") << "frmFreezing" << false;
    }
    void bordersHoldEveryControl() {
        QFETCH(QString, window);
        QFETCH(bool, largeHelp);
        auto* f = TestSupport::open<CalculatorForm>(window);
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(f->size(), f->minimumSize());
        QVERIFY(f->width() >= f->sizeHint().width() && f->height() >= f->sizeHint().height());
        QCOMPARE(TestSupport::cut(f), QString());
        QCOMPARE(f->cmdHelp->font().bold(), largeHelp);
        QCOMPARE(f->cmdHelp->font().pointSizeF() == 18, largeHelp);
        QVERIFY(f->cmdHelp->height() >= f->cmdHelp->sizeHint().height());
    }

    // The freezing window's border is fixed after the load has filled the list:
    // a longer stored name widens the list and the window, and no line is cut.
    void freezingListWidensTheWindow() {
        auto* stock = open<frmFreezing>("frmFreezing");
        const int stockWidth = stock->width();
        TestSupport::unloadAll();

        const QString name = QStringLiteral("A substance name of forty characters....");
        TempDatabase db({"CREATE TABLE GeneralInfo (Symbol TEXT)", "INSERT INTO GeneralInfo VALUES ('H')",
                         "CREATE TABLE Temperatures (Compound TEXT, FreezingPoint REAL, FPDepression REAL, "
                         "BoilingPoint REAL, BPElevation REAL)",
                         "INSERT INTO Temperatures VALUES ('Water', 0, 1.86, 100, 0.512), ('" + name +
                             "', -114.1, 1.99, 78.4, 1.22)"});
        QVERIFY(db.opened);
        auto* f = open<frmFreezing>("frmFreezing");
        QVERIFY(f && f->isVisible());
        QVERIFY(messages().shown.isEmpty());
        QCOMPARE(f->lines().size(), 2);
        QVERIFY(f->lines().at(1).startsWith(name));
        QVERIFY2(f->width() > stockWidth, qPrintable(QStringLiteral("%1 <= %2").arg(f->width()).arg(stockWidth)));
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(TestSupport::cut(f), QString());
        const QFontMetricsF fm(f->lstList1->font());
        for (const QString& line : f->lines())
            QVERIFY2(fm.horizontalAdvance(line) <= f->lstList1->viewport()->width(), qPrintable(line));
        TestSupport::unloadAll();
    }

    // Any of titration's four data boxes enables Ok and Print; the ratio does not.
    void titrationEnablingBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("enables");
        QTest::newRow("acid concentration") << "Text1" << true;
        QTest::newRow("acid volume") << "Text2" << true;
        QTest::newRow("base concentration") << "Text3" << true;
        QTest::newRow("base volume") << "Text4" << true;
        QTest::newRow("ratio") << "Text6" << false;
    }
    void titrationEnablingBoxes() {
        QFETCH(QString, box);
        QFETCH(bool, enables);
        CalculatorForm* f = open("frmTitration");
        QVERIFY(!f->cmdOk->isEnabled() && !f->cmdPrint->isEnabled());
        TestSupport::type(control(f, box), QStringLiteral("2"));
        QCOMPARE(qobject_cast<QLineEdit*>(control(f, box))->text(), QStringLiteral("2"));
        QCOMPARE(f->cmdOk->isEnabled(), enables);
        QCOMPARE(f->cmdPrint->isEnabled(), enables);
        QVERIFY(messages().shown.isEmpty());
    }
};

QTEST_MAIN(TestSolutionPlaces)
#include "tst_solutionplaces.moc"
