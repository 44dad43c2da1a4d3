// Every named member of the solution and energy calculators is the control of
// its own name in the shown window: a checker that reads Text2 reads the box
// the student typed into as Text2, and Clear or an option re-captions the label
// the window names.
#include <QtTest>

#include <functional>

#include "TestSupport.h"
#include "solutions/frmAcids.h"
#include "solutions/frmChangeOfState.h"
#include "solutions/frmEnergyChange.h"
#include "solutions/frmEquilibriumConstant.h"
#include "solutions/frmFaradays.h"
#include "solutions/frmFreezing.h"
#include "solutions/frmHalfLife.h"
#include "solutions/frmHenrys.h"
#include "solutions/frmMolarity.h"
#include "solutions/frmMoleFraction.h"
#include "solutions/frmSolubilityConstants.h"
#include "solutions/frmThermoData.h"
#include "solutions/frmTitration.h"
#include "solutions/frmionizationConstant.h"

namespace {
using TestSupport::Members;
using Reader = std::function<Members(Form*)>;

#define MEMBER TS_MEMBER

template <class T> void row(const char* window, std::function<Members(T*)> read) {
    QTest::newRow(window) << QString::fromLatin1(window) << TestSupport::membersOf<T>(read);
}
}  // namespace

Q_DECLARE_METATYPE(Reader)

class TestSolutionMembers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void membersAreTheirControls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Reader>("members");
        row<frmAcids>("frmAcids", [](frmAcids* f) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(opt3),  MEMBER(opt4),
                           MEMBER(Label1), MEMBER(Text1),  MEMBER(Label2), MEMBER(Text2), MEMBER(Text3)};
        });
        row<frmChangeOfState>("frmChangeOfState", [](frmChangeOfState* f) {
            return Members{MEMBER(Frame1), MEMBER(opt1),  MEMBER(opt2),   MEMBER(Label1), MEMBER(Text1),
                           MEMBER(Label2), MEMBER(Text2), MEMBER(Label3), MEMBER(Text3),  MEMBER(Label4),
                           MEMBER(Text4),  MEMBER(Label5), MEMBER(Text5)};
        });
        row<frmEnergyChange>("frmEnergyChange", [](frmEnergyChange* f) {
            return Members{MEMBER(Label1), MEMBER(Text1), MEMBER(Label2), MEMBER(Text2),  MEMBER(Label3),
                           MEMBER(Text3),  MEMBER(Label4), MEMBER(Text4), MEMBER(Label5), MEMBER(Text5)};
        });
        row<frmEquilibriumConstant>("frmEquilibriumConstant", [](frmEquilibriumConstant* f) {
            return Members{MEMBER(Label1),  MEMBER(Frame1), MEMBER(Label3),  MEMBER(Text2),   MEMBER(Label6),
                           MEMBER(Text5),   MEMBER(Label4), MEMBER(Text3),   MEMBER(Label5),  MEMBER(Text4),
                           MEMBER(Frame2),  MEMBER(Label9), MEMBER(Text8),   MEMBER(Label12), MEMBER(Text11),
                           MEMBER(Label10), MEMBER(Text9),  MEMBER(Label13), MEMBER(Text12),  MEMBER(Label2),
                           MEMBER(Text1),   MEMBER(Text14)};
        });
        row<frmFaradays>("frmFaradays", [](frmFaradays* f) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(opt3),   MEMBER(Label1),
                           MEMBER(Text1),  MEMBER(Label2), MEMBER(Text2), MEMBER(Label3), MEMBER(Text3),
                           MEMBER(Label5), MEMBER(Text5),  MEMBER(Label6), MEMBER(Text6), MEMBER(Label4),
                           MEMBER(Text4)};
        });
        row<frmFreezing>("frmFreezing", [](frmFreezing* f) {
            return Members{MEMBER(Label6), MEMBER(lstList1), MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),
                           MEMBER(Label2), MEMBER(Text1),    MEMBER(Label3), MEMBER(Text2),  MEMBER(Label4),
                           MEMBER(Text3),  MEMBER(Label5),   MEMBER(Text4),  MEMBER(Label1), MEMBER(Text5)};
        });
        row<frmHalfLife>("frmHalfLife", [](frmHalfLife* f) {
            return Members{MEMBER(Frame1), MEMBER(opt1),  MEMBER(opt2),   MEMBER(Label2), MEMBER(Text1),
                           MEMBER(Label3), MEMBER(Text2), MEMBER(Label5), MEMBER(Text4),  MEMBER(Label4),
                           MEMBER(Text3),  MEMBER(Label6), MEMBER(Text5)};
        });
        row<frmHenrys>("frmHenrys", [](frmHenrys* f) {
            return Members{MEMBER(Label2), MEMBER(Text1), MEMBER(Label3), MEMBER(Text2),
                           MEMBER(Label4), MEMBER(Text3), MEMBER(Text4)};
        });
        row<frmMolarity>("frmMolarity", [](frmMolarity* f) {
            return Members{MEMBER(Frame1), MEMBER(opt1),  MEMBER(opt2),   MEMBER(Label2), MEMBER(Text1),
                           MEMBER(Label3), MEMBER(Text2), MEMBER(Label4), MEMBER(Text3),  MEMBER(Label5),
                           MEMBER(Text4)};
        });
        row<frmMoleFraction>("frmMoleFraction", [](frmMoleFraction* f) {
            return Members{MEMBER(Label5), MEMBER(Label1), MEMBER(Text1), MEMBER(Label2), MEMBER(Text2),
                           MEMBER(Label3), MEMBER(Text3),  MEMBER(Label4), MEMBER(Text4), MEMBER(Label6),
                           MEMBER(Text6),  MEMBER(Label7), MEMBER(Text7),  MEMBER(Text5)};
        });
        row<frmSolubilityConstants>("frmSolubilityConstants", [](frmSolubilityConstants* f) {
            return Members{MEMBER(Label6), MEMBER(Label2), MEMBER(Text1), MEMBER(Label1), MEMBER(Text5),
                           MEMBER(Label3), MEMBER(Text2),  MEMBER(Label5), MEMBER(Text6), MEMBER(Label4),
                           MEMBER(Text3),  MEMBER(Text4)};
        });
        row<frmThermoData>("frmThermoData", [](frmThermoData* f) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(opt3),   MEMBER(Label1),
                           MEMBER(Text1),  MEMBER(Label2), MEMBER(Text2), MEMBER(Label3), MEMBER(Text3),
                           MEMBER(Label5), MEMBER(Text5),  MEMBER(Label4), MEMBER(Text4), MEMBER(Label6),
                           MEMBER(Text6)};
        });
        row<frmTitration>("frmTitration", [](frmTitration* f) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(Label1), MEMBER(Label2),
                           MEMBER(Text1),  MEMBER(Label3), MEMBER(Text2), MEMBER(Label4), MEMBER(Text3),
                           MEMBER(Label5), MEMBER(Text4),  MEMBER(Line1), MEMBER(Label7), MEMBER(Text6),
                           MEMBER(Label6), MEMBER(Text5),  MEMBER(Text7)};
        });
        row<frmionizationConstant>("frmionizationConstant", [](frmionizationConstant* f) {
            return Members{MEMBER(Label8), MEMBER(Label1), MEMBER(Text1), MEMBER(Label5), MEMBER(Text6),
                           MEMBER(Label2), MEMBER(Text2),  MEMBER(Label6), MEMBER(Text7), MEMBER(Label3),
                           MEMBER(Text3),  MEMBER(Label7), MEMBER(Text8), MEMBER(Label4), MEMBER(Text4),
                           MEMBER(Text5)};
        });
    }
    void membersAreTheirControls() {
        QFETCH(QString, window);
        QFETCH(Reader, members);
        Form* f = Forms::show(window);
        QVERIFY(f);
        TestSupport::checkMembers(f, members(f));
    }
};

QTEST_MAIN(TestSolutionMembers)
#include "tst_solutionmembers.moc"
