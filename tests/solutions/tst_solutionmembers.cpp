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
// A member's control and the member's name.
using Members = QList<std::pair<QWidget*, QString>>;
using Reader = std::function<Members(Form*)>;

#define MEMBER(m) std::pair<QWidget*, QString>(w->m, QStringLiteral(#m))

template <class T> void row(const char* window, std::function<Members(T*)> read) {
    QTest::newRow(window) << QString::fromLatin1(window)
                          << Reader([read](Form* f) { return read(qobject_cast<T*>(f)); });
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
        row<frmAcids>("frmAcids", [](frmAcids* w) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(opt3),  MEMBER(opt4),
                           MEMBER(Label1), MEMBER(Text1),  MEMBER(Label2), MEMBER(Text2), MEMBER(Text3)};
        });
        row<frmChangeOfState>("frmChangeOfState", [](frmChangeOfState* w) {
            return Members{MEMBER(Frame1), MEMBER(opt1),  MEMBER(opt2),   MEMBER(Label1), MEMBER(Text1),
                           MEMBER(Label2), MEMBER(Text2), MEMBER(Label3), MEMBER(Text3),  MEMBER(Label4),
                           MEMBER(Text4),  MEMBER(Label5), MEMBER(Text5)};
        });
        row<frmEnergyChange>("frmEnergyChange", [](frmEnergyChange* w) {
            return Members{MEMBER(Label1), MEMBER(Text1), MEMBER(Label2), MEMBER(Text2),  MEMBER(Label3),
                           MEMBER(Text3),  MEMBER(Label4), MEMBER(Text4), MEMBER(Label5), MEMBER(Text5)};
        });
        row<frmEquilibriumConstant>("frmEquilibriumConstant", [](frmEquilibriumConstant* w) {
            return Members{MEMBER(Label1),  MEMBER(Frame1), MEMBER(Label3),  MEMBER(Text2),   MEMBER(Label6),
                           MEMBER(Text5),   MEMBER(Label4), MEMBER(Text3),   MEMBER(Label5),  MEMBER(Text4),
                           MEMBER(Frame2),  MEMBER(Label9), MEMBER(Text8),   MEMBER(Label12), MEMBER(Text11),
                           MEMBER(Label10), MEMBER(Text9),  MEMBER(Label13), MEMBER(Text12),  MEMBER(Label2),
                           MEMBER(Text1),   MEMBER(Text14)};
        });
        row<frmFaradays>("frmFaradays", [](frmFaradays* w) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(opt3),   MEMBER(Label1),
                           MEMBER(Text1),  MEMBER(Label2), MEMBER(Text2), MEMBER(Label3), MEMBER(Text3),
                           MEMBER(Label5), MEMBER(Text5),  MEMBER(Label6), MEMBER(Text6), MEMBER(Label4),
                           MEMBER(Text4)};
        });
        row<frmFreezing>("frmFreezing", [](frmFreezing* w) {
            return Members{MEMBER(Label6), MEMBER(lstList1), MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),
                           MEMBER(Label2), MEMBER(Text1),    MEMBER(Label3), MEMBER(Text2),  MEMBER(Label4),
                           MEMBER(Text3),  MEMBER(Label5),   MEMBER(Text4),  MEMBER(Label1), MEMBER(Text5)};
        });
        row<frmHalfLife>("frmHalfLife", [](frmHalfLife* w) {
            return Members{MEMBER(Frame1), MEMBER(opt1),  MEMBER(opt2),   MEMBER(Label2), MEMBER(Text1),
                           MEMBER(Label3), MEMBER(Text2), MEMBER(Label5), MEMBER(Text4),  MEMBER(Label4),
                           MEMBER(Text3),  MEMBER(Label6), MEMBER(Text5)};
        });
        row<frmHenrys>("frmHenrys", [](frmHenrys* w) {
            return Members{MEMBER(Label2), MEMBER(Text1), MEMBER(Label3), MEMBER(Text2),
                           MEMBER(Label4), MEMBER(Text3), MEMBER(Text4)};
        });
        row<frmMolarity>("frmMolarity", [](frmMolarity* w) {
            return Members{MEMBER(Frame1), MEMBER(opt1),  MEMBER(opt2),   MEMBER(Label2), MEMBER(Text1),
                           MEMBER(Label3), MEMBER(Text2), MEMBER(Label4), MEMBER(Text3),  MEMBER(Label5),
                           MEMBER(Text4)};
        });
        row<frmMoleFraction>("frmMoleFraction", [](frmMoleFraction* w) {
            return Members{MEMBER(Label5), MEMBER(Label1), MEMBER(Text1), MEMBER(Label2), MEMBER(Text2),
                           MEMBER(Label3), MEMBER(Text3),  MEMBER(Label4), MEMBER(Text4), MEMBER(Label6),
                           MEMBER(Text6),  MEMBER(Label7), MEMBER(Text7),  MEMBER(Text5)};
        });
        row<frmSolubilityConstants>("frmSolubilityConstants", [](frmSolubilityConstants* w) {
            return Members{MEMBER(Label6), MEMBER(Label2), MEMBER(Text1), MEMBER(Label1), MEMBER(Text5),
                           MEMBER(Label3), MEMBER(Text2),  MEMBER(Label5), MEMBER(Text6), MEMBER(Label4),
                           MEMBER(Text3),  MEMBER(Text4)};
        });
        row<frmThermoData>("frmThermoData", [](frmThermoData* w) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(opt3),   MEMBER(Label1),
                           MEMBER(Text1),  MEMBER(Label2), MEMBER(Text2), MEMBER(Label3), MEMBER(Text3),
                           MEMBER(Label5), MEMBER(Text5),  MEMBER(Label4), MEMBER(Text4), MEMBER(Label6),
                           MEMBER(Text6)};
        });
        row<frmTitration>("frmTitration", [](frmTitration* w) {
            return Members{MEMBER(Frame1), MEMBER(opt1),   MEMBER(opt2),  MEMBER(Label1), MEMBER(Label2),
                           MEMBER(Text1),  MEMBER(Label3), MEMBER(Text2), MEMBER(Label4), MEMBER(Text3),
                           MEMBER(Label5), MEMBER(Text4),  MEMBER(Line1), MEMBER(Label7), MEMBER(Text6),
                           MEMBER(Label6), MEMBER(Text5),  MEMBER(Text7)};
        });
        row<frmionizationConstant>("frmionizationConstant", [](frmionizationConstant* w) {
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
        for (const auto& [control, name] : members(f)) {
            QVERIFY2(control, qPrintable(name + QStringLiteral(" is not set")));
            QCOMPARE(control->objectName(), name);
            QCOMPARE(f->findChildren<QWidget*>(name).size(), 1);
            QCOMPARE(f->findChild<QWidget*>(name), control);
        }
    }
};

QTEST_MAIN(TestSolutionMembers)
#include "tst_solutionmembers.moc"
