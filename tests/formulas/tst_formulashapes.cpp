// The formula calculators as built: every member is on screen, the border is fixed around every control at
// its full size, and the controls a window adds stand where the student
// looks for them.
#include <QTest>

#include "TestSupport.h"
#include "formulas/fmrMoles.h"
#include "formulas/frmAverageMass.h"
#include "formulas/frmMass.h"
#include "formulas/frmMassEnergy.h"
#include "formulas/frmReactions.h"
#include "formulas/frmWeightCalculations.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {
using TestSupport::placed;

const QStringList& windows() {
    static const QStringList all{u"fmrMoles"_s,     u"frmAverageMass"_s, u"frmMassEnergy"_s,
                                 u"frmMass"_s,      u"frmReactions"_s,   u"frmWeightCalculations"_s};
    return all;
}
}  // namespace

class TstFormulaShapes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void eachWindow_data() {
        QTest::addColumn<QString>("window");
        for (const QString& w : windows()) QTest::newRow(qPrintable(w)) << w;
    }

    // Every control the window keeps in a member (bound and checked when
    // the window is built) is on screen.
    void boundControlsShown_data() { eachWindow_data(); }
    void boundControlsShown() {
        QFETCH(QString, window);
        Form* f = TestSupport::open(window);
        QVERIFY(f);
        QVERIFY(!f->boundControls().isEmpty());
        for (QWidget* w : f->boundControls()) QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    }

    // The border is fixed once the window has added its own controls: none
    // is squeezed below the size it asks for, and nothing lies outside.
    void borderHoldsEveryControl_data() { eachWindow_data(); }
    void borderHoldsEveryControl() {
        QFETCH(QString, window);
        Form* f = TestSupport::open(window);
        QVERIFY(f);
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(f->size(), f->minimumSize());
        QCOMPARE(TestSupport::cut(f), QString());
    }

    // The desired-unit frame stands under the first frame and above the boxes,
    // with its options side by side like the first frame's.
    void weightCalculationsFrames() {
        auto* f = TestSupport::open<frmWeightCalculations>(u"frmWeightCalculations"_s);
        QVERIFY(f);
        const QRect first = placed(f->Frame1), second = placed(f->Frame2), box = placed(f->Text1);
        QVERIFY(first.bottom() < second.top());
        QVERIFY(second.bottom() < box.top());
        QCOMPARE(second.left(), first.left());
        QCOMPARE(second.width(), first.width());
        for (const auto& row : {QList<QRadioButton*>{f->Option1, f->Option2, f->Option3},
                                QList<QRadioButton*>{f->Option4, f->Option5, f->Option6}}) {
            for (QRadioButton* r : row) QCOMPARE(placed(r).top(), placed(row.first()).top());
            QVERIFY(placed(row.at(0)).right() < placed(row.at(1)).left());
            QVERIFY(placed(row.at(1)).right() < placed(row.at(2)).left());
        }
        QCOMPARE(f->Option4->text(), u"Molecules"_s);
        QCOMPARE(f->Option5->text(), u"Grams"_s);
        QCOMPARE(f->Option6->text(), u"Moles"_s);
    }
};

QTEST_MAIN(TstFormulaShapes)
#include "tst_formulashapes.moc"
