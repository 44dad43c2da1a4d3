// Numbers typed at the ends of the double range: below the smallest double
// a number reads as zero, beyond the largest it is an Overflow; neither is a
// type mismatch.
#include <cmath>

#include "MeasureTests.h"
#include "measure/frmTemperatures.h"

using namespace MeasureTests;
using TestSupport::messages;

class TestTypedExtremes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::init(); }
    void cleanup() { TestSupport::reset(); }

    void readsAsANumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("fault");
        const QString none;
        QTest::newRow("below the smallest") << "1E-400" << 0.0 << none;
        QTest::newRow("negative below the smallest") << "-1E-400" << -0.0 << none;
        QTest::newRow("huge negative exponent") << "7E-99999999999" << 0.0 << none;
        QTest::newRow("many leading decimals") << QStringLiteral("0.") + QString(330, QLatin1Char('0')) + QStringLiteral("1")
                                               << 0.0 << none;
        QTest::newRow("blanks around") << " 1e-400 " << 0.0 << none;
        QTest::newRow("subnormal") << "1E-320" << 1e-320 << none;
        QTest::newRow("zero with a huge exponent") << "0E999999" << 0.0 << none;
        QTest::newRow("negative beyond the largest") << "-1E99999999999" << 0.0 << "Overflow";
        QTest::newRow("still no number") << "1E-400E" << 0.0 << "Type mismatch";
    }
    void readsAsANumber() {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, fault);
        try {
            const double v = Num::toDouble(typed);
            QVERIFY2(fault.isEmpty(), qPrintable(QString::number(v)));
            QCOMPARE(v, value);
            QCOMPARE(std::signbit(v), std::signbit(value));
        } catch (const RuntimeFault& f) {
            QCOMPARE(f.description(), fault);
        }
    }

    // The temperature window converts what it read (a negative zero shows as 0), and says no fault.
    void temperatureOfATinyNumber() {
        auto* t = open<frmTemperatures>("frmTemperatures");
        for (auto [typed, work] : {std::pair{"-1E-400", "0 + 273.15  =  273.15"}, {"1E-320", "1E-320 + 273.15  =  273.15"}}) {
            t->Text1->setText(QLatin1String(typed));
            t->cmdCToK->click();
            QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
            QCOMPARE(t->Text2->text(), QStringLiteral("273.150"));
            QCOMPARE(t->Text3->text(), QLatin1String(work));
        }
    }
};

QTEST_MAIN(TestTypedExtremes)
#include "tst_typedextremes.moc"
