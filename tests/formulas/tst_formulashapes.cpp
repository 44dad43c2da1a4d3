// The formula calculators as built: every named member is the control of
// that name in its own window, the border is fixed around every control at
// its full size, and the controls a window adds stand where the student
// looks for them.
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
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
using TestSupport::Members;
#define M TS_MEMBER
using TestSupport::membersOf;
using TestSupport::placed;

const QMap<QString, std::function<Members(Form*)>>& windows() {
    static const QMap<QString, std::function<Members(Form*)>> all{
        {u"fmrMoles"_s, membersOf<fmrMoles>([](fmrMoles* f) {
             return Members{M(lblMoles1), M(txtMoles1), M(Frame1),    M(optMoles1), M(optMoles2), M(optMoles3),
                            M(Frame2),    M(optMoles4), M(optMoles5), M(optMoles6), M(lblMoles2), M(lstList1),
                            M(lblMoles3), M(txtMoles2), M(lblMoles4), M(txtMoles3), M(lblMoles5), M(Text1)};
         })},
        {u"frmAverageMass"_s, membersOf<frmAverageMass>([](frmAverageMass* f) {
             return Members{M(Label7),  M(Label1),  M(Text1),   M(Label2),  M(Text2),   M(Label3),  M(Text3),
                            M(Label4),  M(Text4),   M(Label5),  M(Text5),   M(Label6),  M(Text6),   M(Label8),
                            M(Text8),   M(Label9),  M(Text9),   M(Label10), M(Text10),  M(Label11), M(Text11),
                            M(Label12), M(Text12),  M(Label13), M(Text13),  M(Label14), M(Text14),  M(Text7)};
         })},
        {u"frmMassEnergy"_s, membersOf<frmMassEnergy>([](frmMassEnergy* f) {
             return Members{M(Label6), M(Label1), M(Text1), M(Label2), M(Text2), M(Label3), M(Text3),
                            M(Label4), M(Text4),  M(Label7), M(Label5), M(Text5), M(Text6)};
         })},
        {u"frmMass"_s, membersOf<frmMass>([](frmMass* f) {
             return Members{M(Label1),  M(Label15), M(Text14), M(Label2),  M(Text1),  M(Label7),
                            M(Text6),   M(Label18), M(Text17), M(Label5),  M(Text4),  M(Label10),
                            M(Text9),   M(Label14), M(Text13), M(Label22), M(Text2)};
         })},
        {u"frmReactions"_s, membersOf<frmReactions>([](frmReactions* f) {
             return Members{M(Label1),        M(Label4),        M(RichTextBox1),  M(txtReactions2),
                            M(txtReactions3), M(txtReactions4), M(txtReactions5), M(txtReactions6),
                            M(fraFrame1),     M(fraFrame2)};
         })},
        {u"frmWeightCalculations"_s, membersOf<frmWeightCalculations>([](frmWeightCalculations* f) {
             return Members{M(Label1),  M(Text1),   M(Label2),  M(Text2),   M(Frame1), M(Option1),
                            M(Option2), M(Option3), M(Frame2),  M(Option4), M(Option5), M(Option6),
                            M(Label3),  M(Text3),   M(Text4)};
         })},
    };
    return all;
}
#undef M

}  // namespace

class TstFormulaShapes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void eachWindow_data() {
        QTest::addColumn<QString>("window");
        for (const QString& w : windows().keys()) QTest::newRow(qPrintable(w)) << w;
    }

    // The checks and formula read the boxes the student types into and write
    // the answer the student sees.
    void membersAreTheirControls_data() { eachWindow_data(); }
    void membersAreTheirControls() {
        QFETCH(QString, window);
        Form* f = TestSupport::open(window);
        QVERIFY(f);
        const Members members = windows().value(window)(f);
        TestSupport::checkMembers(f, members);
        if (QTest::currentTestFailed()) return;
        for (const auto& [name, control] : members) QVERIFY2(control->isVisible(), name);
    }

    // The border is fixed once the window has added its own controls: none
    // is squeezed below the height it asks for, and nothing lies outside.
    void borderHoldsEveryControl_data() { eachWindow_data(); }
    void borderHoldsEveryControl() {
        QFETCH(QString, window);
        Form* f = TestSupport::open(window);
        QVERIFY(f);
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(f->size(), f->minimumSize());
        QStringList squeezed;
        for (QWidget* w : f->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty()) continue;
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QListWidget*>(w))
                continue;
            if (w->height() < w->minimumSizeHint().height() || !f->rect().contains(placed(w)))
                squeezed << w->objectName();
        }
        QVERIFY2(squeezed.isEmpty(), qPrintable(squeezed.join(u", "_s)));
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
