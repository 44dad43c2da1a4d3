// The atom counter against counts done by hand, with the element symbols of
// the reference database.
#include <QSet>
#include <QSqlQuery>
#include <QTest>

#include "TestSupport.h"
#include "formulas/AtomCounter.h"
#include "refdata/ReferenceDatabase.h"

namespace {
QSet<QString> g_symbols;
bool isElement(std::string_view s) { return g_symbols.contains(QString::fromLatin1(s.data(), qsizetype(s.size()))); }

// "C 1, O 3, H 2", or the fault as "! molecule: text".
QString shown(const AtomCounter::Tally& t) {
    if (!t.ok()) return QStringLiteral("! %1: %2").arg(QString::fromStdString(t.molecule), QString::fromStdString(t.fault));
    QStringList rows;
    for (const AtomCounter::Count& c : t.counts)
        rows << QStringLiteral("%1 %2").arg(QString::fromStdString(c.symbol)).arg(qulonglong(c.atoms));
    return rows.join(QStringLiteral(", "));
}
}  // namespace

class TstAtomCounter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        QSqlQuery q(ReferenceDatabase::currentDatabase());
        QVERIFY(q.exec(QStringLiteral("SELECT Symbol FROM GeneralInfo")));
        while (q.next()) g_symbols.insert(q.value(0).toString());
        QVERIFY(g_symbols.size() >= 103);
    }

    void countsAsDoneByHand_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("counts");
        auto row = [](const char* side, const char* counts) { QTest::newRow(side) << side << counts; };
        row("CuSO4.5H2O", "Cu 1, S 1, O 9, H 10");
        row("2Al2(SO4)3", "Al 4, S 6, O 24");
        row("2H2 + O2", "H 4, O 2");
        row("H2 + O2 + N2 + C + S", "H 2, O 2, N 2, C 1, S 1");
        row("KMnO4 + HCl + FeSO4", "K 1, Mn 1, O 8, H 1, Cl 1, Fe 1, S 1");
        row("Cu(NH3)4(OH)2", "Cu 1, N 4, H 14, O 2");
        row("K4(Fe(CN)6)", "K 4, Fe 1, C 6, N 6");
        row("((CH3)3C)2O", "C 8, H 18, O 1");
        row("100H2O", "H 200, O 100");
        row("0H2O", "H 2, O 1");
        row("CaCl2.8NH3", "Ca 1, Cl 2, N 8, H 24");
        row("2CuSO4.5H2O", "Cu 2, S 2, O 18, H 20");
        row("Co", "Co 1");
        row("CO", "C 1, O 1");
        row("2 H2 O + ", "H 4, O 2");
        row("", "");
        row(" + + ", "");
        row("1000000H1000000000", "H 1000000000000000");
        // Faults: the whole side counts nothing.
        row("H2 + Xx", "! Xx: The element symbol Xx was not found. Check the capital and small letters.");
        row("h2o", "! h2o: The element symbol h was not found. An element symbol begins with a capital letter.");
        row("Ca(Xx)2", "! Ca(Xx)2: The element symbol Xx was not found. Check the capital and small letters.");
        row("H2O)", "! H2O): The formula has a \")\" without its opening \"(\".");
        row("Ca(OH2", "! Ca(OH2: The group (OH2 has no closing \")\".");
        row("H2=O", "! H2=O: The character \"=\" cannot be part of a formula.");
        row("O2 + 5", "! 5: The formula holds no element symbol.");
        row("H0", "! H0: The count 0 after H must be 1 or more.");
        row("H2O + H1000000000000", "! H1000000000000: The number 1000000000000 is too large.");
        row("999999999H1000001", "! 999999999H1000001: The counts are too large.");
        row("1000000H1000000000 + H", "! H: The counts are too large.");
        row("H999999999(H999999999)999999999", "! H999999999(H999999999)999999999: The counts are too large.");
    }
    void countsAsDoneByHand() {
        QFETCH(QString, side);
        QFETCH(QString, counts);
        QCOMPARE(shown(AtomCounter::countSide(side.toStdString(), isElement)), counts);
    }

    void symbolsComeFromTheGivenTest() {
        // Only what the test admits is an element.
        const auto onlyXx = [](std::string_view s) { return s == "Xx"; };
        QCOMPARE(shown(AtomCounter::countSide("Xx3 + 2Xx", onlyXx)), QStringLiteral("Xx 5"));
        QVERIFY(!AtomCounter::countSide("H2", onlyXx).ok());
    }
};

QTEST_MAIN(TstAtomCounter)
#include "tst_atomcounter.moc"
