// Every named member of the measure windows and the mole, weight and reaction
// choosers is the control of that name in its own window, so a handler or a
// test that uses the member works on the control the student sees.
#include "MeasureTests.h"
#include "formulas/frmMoleChoice.h"
#include "formulas/frmReactionChoice.h"
#include "formulas/frmWeightChoice.h"
#include "measure/frmDensity.h"
#include "measure/frmEnglish.h"
#include "measure/frmMassToWeight.h"
#include "measure/frmMetrics.h"
#include "measure/frmSigfig.h"
#include "measure/frmTemperatures.h"
#include "measure/frmTime.h"
#include "measure/frmVolume.h"

namespace {
using TestSupport::Members;
#define M TS_MEMBER
using TestSupport::membersOf;

// The window's name and its members, by name.
struct Window {
    const char* name;
    std::function<Members(Form*)> members;
};

const QList<Window>& windows() {
    static const QList<Window> all{
        {"frmDensity", membersOf<frmDensity>([](frmDensity* f) {
             return Members{M(optDensity3), M(optDensity1), M(optDensity2), M(Label1),      M(Text1),
                            M(lblDensity2), M(txtDensity1), M(lblDensity3), M(txtDensity3), M(Text2)};
         })},
        {"frmEnglish", membersOf<frmEnglish>([](frmEnglish* f) {
             return Members{M(Label1),  M(Text1),   M(Option1), M(Option2), M(cmdPToK), M(cmdPToG),
                            M(cmdOToK), M(cmdOToG), M(cmdFToM), M(cmdFToC), M(cmdIToM), M(cmdIToC),
                            M(cmdLToG), M(cmdLToOunces), M(cmdMToG), M(cmdMToO), M(Text2), M(Label3)};
         })},
        {"frmMassToWeight", membersOf<frmMassToWeight>([](frmMassToWeight* f) {
             return Members{M(Label1), M(Text1), M(cmdKToN), M(cmdNToK), M(Label2), M(Text2), M(Label3)};
         })},
        {"frmMetrics", membersOf<frmMetrics>([](frmMetrics* f) {
             return Members{M(Frame1),     M(Option1),    M(Option2),      M(Option3), M(lblMetric1),
                            M(txtMetric1), M(lblMetric2), M(txtMetric2),   M(Text1),   M(frmFrom),
                            M(frmDistance1), M(frmTo),    M(frmDistance2)};
         })},
        {"frmSigfig", membersOf<frmSigfig>([](frmSigfig* f) {
             return Members{M(lblsigfig1), M(txtSigfig1), M(lblSigfig2), M(txtSigfig2)};
         })},
        {"frmTemperatures", membersOf<frmTemperatures>([](frmTemperatures* f) {
             return Members{M(Label1),  M(Text1),   M(cmdFToC), M(cmdFToK), M(cmdCToF), M(cmdCToK),
                            M(cmdKToF), M(cmdKToC), M(Label2),  M(Text2),   M(Text3)};
         })},
        {"frmTime", membersOf<frmTime>([](frmTime* f) {
             return Members{M(Label1),  M(Text1),   M(cmdYToD), M(cmdDToH), M(cmdHToM), M(cmdMToS), M(cmdSToM),
                            M(cmdMToH), M(cmdHToD), M(cmdDToY), M(Label2),  M(Text2),   M(Label3),  M(cmdClose)};
         })},
        {"frmVolume", membersOf<frmVolume>([](frmVolume* f) {
             return Members{M(Frame1), M(opt1),  M(opt2),   M(opt3),  M(Label2), M(Text1),
                            M(Label3), M(Text2), M(Label4), M(Text3), M(Text4)};
         })},
        {"frmMoleChoice", membersOf<frmMoleChoice>([](frmMoleChoice* f) {
             return Members{M(cmdMoles), M(cmdAveAtMass), M(cmdMassEnergy), M(cmdAtom)};
         })},
        {"frmWeightChoice", membersOf<frmWeightChoice>([](frmWeightChoice* f) {
             return Members{M(cmdCalculateWeight), M(cmdCalculate), M(cmdClose)};
         })},
        {"frmReactionChoice", membersOf<frmReactionChoice>([](frmReactionChoice* f) {
             return Members{M(cmdBalancing), M(cmdMassMass)};
         })},
    };
    return all;
}
#undef M
}  // namespace

class TestDesignMembers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void membersAreTheirControls_data() {
        QTest::addColumn<int>("window");
        for (int i = 0; i < windows().size(); ++i) QTest::newRow(windows().at(i).name) << i;
    }
    void membersAreTheirControls() {
        QFETCH(int, window);
        const Window& w = windows().at(window);
        Form* f = TestSupport::open(QLatin1String(w.name));
        QVERIFY(f);
        TestSupport::checkMembers(f, w.members(f));
    }
};

QTEST_MAIN(TestDesignMembers)
#include "tst_designmembers.moc"
