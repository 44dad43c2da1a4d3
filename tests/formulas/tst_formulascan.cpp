// The formula routines: the value stack, the element table, the group
// weights, and the scan of a formula, checked against sums worked by hand
// from the stored atomic weights.
#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

#include "TestSupport.h"
#include "formulas/FormulaScan.h"
#include "formulas/Module2.h"
#include "refdata/ReferenceDatabase.h"

using FormulaScan::Fault;

class TstFormulaScan : public QObject {
    Q_OBJECT
    QHash<QString, double> atomic;  // read straight from GeneralInfo
    QHash<QString, double> groups;  // read straight from MolecularWeights

    double a(const char* s) const {
        const QString k = QLatin1String(s);
        if (!atomic.contains(k)) qFatal("no atomic weight for %s", s);
        return atomic.value(k);
    }

    // A scan with a small table of its own, independent of the database.
    static FormulaScan::Result scan(const char* text) {
        static const QHash<QString, double> el = {{"H", 1.008}, {"O", 15.999}, {"C", 12.011}, {"N", 14.007},
                                                  {"Ca", 40.078}, {"Cl", 35.45}, {"Co", 58.933195}};
        static const QHash<QString, double> gr = {{"OH", 17.007}};
        auto from = [](const QHash<QString, double>& t) {
            return [&t](std::string_view s) -> std::optional<double> {
                const auto it = t.constFind(QString::fromLatin1(s.data(), qsizetype(s.size())));
                if (it == t.constEnd()) return std::nullopt;
                return *it;
            };
        };
        return FormulaScan::weigh(text, from(el), from(gr));
    }

private slots:
    void initTestCase() {
        TestSupport::init();
        QSqlQuery q(ReferenceDatabase::currentDatabase());
        QVERIFY(q.exec(QStringLiteral("SELECT Symbol, AtomicWeight FROM GeneralInfo")));
        while (q.next()) atomic.insert(q.value(0).toString(), q.value(1).toDouble());
        QVERIFY(q.exec(QStringLiteral("SELECT Substance, Weight FROM MolecularWeights")));
        while (q.next()) groups.insert(q.value(0).toString(), q.value(1).toDouble());
        QVERIFY(atomic.size() >= 103);
        QVERIFY(!groups.isEmpty());
        Module2::FillElements();
    }

    // Formulas the weight window's own cases do not already weigh.
    void weighsAsWorkedByHand_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("expected");
        QTest::addColumn<qulonglong>("coefficient");
        const double water = 2 * a("H") + a("O");
        const double sulfate = a("S") + 4 * a("O");
        const double ammonia = a("N") + 3 * a("H");
        auto row = [](const char* f, double w, qulonglong k = 1) { QTest::newRow(f) << QString(f) << w << k; };
        row("Ca(NO3)2", a("Ca") + 2 * (a("N") + 3 * a("O")));
        row("(NH4)2SO4", 2 * (a("N") + 4 * a("H")) + sulfate);
        row("Cu(NH3)4(OH)2", a("Cu") + 4 * ammonia + 2 * (a("O") + a("H")));
        row("CuSO4.5", a("Cu") + sulfate + 5 * water);  // a bare hydrate count is water
        row("CuSO4.H2O", a("Cu") + sulfate + water);
        row("CaCl2.8NH3", a("Ca") + 2 * a("Cl") + 8 * ammonia);
        row("K3(Fe(CN)6)", 3 * a("K") + a("Fe") + 6 * (a("C") + a("N")));
        row("Ca3(Fe(CN)6)2", 3 * a("Ca") + 2 * (a("Fe") + 6 * (a("C") + a("N"))));
        row("Mg(C6H5O7)2", a("Mg") + 2 * (6 * a("C") + 5 * a("H") + 7 * a("O")));  // group not stored
        row("C123H2", 123 * a("C") + 2 * a("H"));
        row("125NaCl", a("Na") + a("Cl"), 125);
        row("2Mn(NO3)2.10H2O", a("Mn") + 2 * (a("N") + 3 * a("O")) + 10 * water, 2);
        row("0H2O", water);  // coefficient 0 counts as 1
    }
    void weighsAsWorkedByHand() {
        QFETCH(QString, formula);
        QFETCH(double, expected);
        QFETCH(qulonglong, coefficient);
        const FormulaScan::Result r = Module2::Weigh(formula);
        QVERIFY2(r.ok(), r.message().c_str());
        QVERIFY2(qAbs(r.weight - expected) < 0.001, qPrintable(QString::number(r.weight, 'f', 6)));
        QCOMPARE(r.coefficient, coefficient);
        double sum = 0;
        for (double t : r.terms) sum += t;
        QVERIFY(qAbs(sum - r.weight) < 1e-9);
    }

    void compositionAndHydratePart() {
        const FormulaScan::Result r = Module2::Weigh(QStringLiteral("CuSO4.5H2O"));
        QVERIFY(r.ok());
        QStringList order;
        for (const auto& e : r.elements) order << QString::fromStdString(e.symbol) + QString::number(e.atoms);
        QCOMPARE(order, QStringList({"Cu1", "S1", "O9", "H10"}));
        QVERIFY(r.hasHydrate);
        QVERIFY(qAbs(r.hydrateWeight - 5 * (2 * a("H") + a("O"))) < 0.001);
        // Only water is water of hydration.
        QVERIFY(!Module2::Weigh(QStringLiteral("CaCl2.8NH3")).hasHydrate);
        QVERIFY(!Module2::Weigh(QStringLiteral("NaCl")).hasHydrate);
    }

    // Faults beyond those the weight window shows in its own cases.
    void faultsNameWhatIsWrong_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("position");
        auto row = [](const char* f, Fault k, const char* m, int at) {
            QTest::newRow(f) << QString(f) << int(k) << QString(m) << at;
        };
        const char* symbolCap = "The element symbol %1 was not found. An element symbol begins with a capital letter.";
        const char* group = "The group (%1) was not found, and the element symbol %1 in it was not found either.";
        const char* dot = "The hydrate dot must stand between two parts of the formula.";
        const char* unopened = "The formula has a \")\" without its opening \"(\".";
        row("co", Fault::LowerCaseSymbol, qPrintable(QString(symbolCap).arg("co")), 0);
        row("h2o", Fault::LowerCaseSymbol, qPrintable(QString(symbolCap).arg("h")), 0);
        row("Ca(Xy)2", Fault::UnknownGroup, qPrintable(QString(group).arg("Xy")), 2);
        row("Ca(oh)2", Fault::UnknownGroup, qPrintable(QString(group).arg("oh")), 2);
        row("Ca(OH", Fault::UnclosedGroup, "The group (OH has no closing \")\".", 2);
        row("C((OH)2", Fault::UnclosedGroup, "The group ((OH)2 has no closing \")\".", 1);
        row("Ca(OH.H2O", Fault::UnclosedGroup, "The group (OH has no closing \")\".", 2);
        row("CaOH)2", Fault::UnopenedGroup, unopened, 4);
        row("Ca)OH(2", Fault::UnopenedGroup, unopened, 2);
        row("Ca()2", Fault::EmptyGroup, "The formula has an empty group \"()\".", 2);
        row("(2H)", Fault::StrayNumber, "The number 2 does not follow an element symbol or a group.", 1);
        row("H0", Fault::ZeroCount, "The count 0 after H must be 1 or more.", 1);
        row("CO.0H2O", Fault::ZeroCount, "The count 0 after the hydrate dot must be 1 or more.", 3);
        row("H12345678901", Fault::NumberTooLarge, "The number 12345678901 is too large.", 1);
        row("CO.", Fault::EmptyPart, dot, 2);
        row(".5H2O", Fault::EmptyPart, dot, 0);
        row("CO..H2O", Fault::EmptyPart, dot, 2);
        row("H2 O", Fault::BadCharacter, "The character \" \" cannot be part of a formula.", 2);
    }
    void faultsNameWhatIsWrong() {
        QFETCH(QString, formula);
        const FormulaScan::Result r = scan(formula.toLatin1().constData());
        QTEST(int(r.fault), "fault");
        QTEST(QString::fromStdString(r.message()), "message");
        QTEST(int(r.position), "position");
        QCOMPARE(r.weight, 0.0);
        QVERIFY(r.terms.empty());
    }

    void storedGroupsDeepTextsAndTheMask() {
        // (OH) comes from the group table; a group not stored is weighed from its atoms; Co is not CO.
        QVERIFY(qAbs(scan("Ca(OH)2").weight - (40.078 + 2 * 17.007)) < 1e-9);
        QVERIFY(qAbs(scan("Ca(CO)2").weight - (40.078 + 2 * (12.011 + 15.999))) < 1e-9);
        QVERIFY(qAbs(scan("Co2").weight - 2 * 58.933195) < 1e-9);
        // Deep and long texts end cleanly.
        QCOMPARE(scan(std::string(20000, '(').c_str()).fault, Fault::UnclosedGroup);
        std::string nested(5000, '('), longer;
        nested += 'H';
        for (int i = 0; i < 5000; ++i) nested += ")2";
        for (int i = 0; i < 5000; ++i) longer += "(OH)2";
        QCOMPARE(scan(nested.c_str()).fault, Fault::TooLarge);
        const FormulaScan::Result r = scan(longer.c_str());
        QVERIFY(r.ok());
        QVERIFY(qAbs(r.weight - 5000 * 2 * 17.007) < 1e-6);
        // The mask: a two-digit coefficient on the line, counts lowered.
        auto mask = [](const char* f) {
            QString out;
            for (FormulaScan::Offset o : FormulaScan::mask(f))
                out += o == FormulaScan::Offset::Lowered ? 'v' : o == FormulaScan::Offset::Raised ? '^' : '-';
            return out;
        };
        QCOMPARE(mask("12C12H22O11"), QStringLiteral("---vv-vv-vv"));
        QCOMPARE(mask(""), QString());
    }

    void elementAndGroupLookupsAreExact() {
        Module2::FillElements();
        QCOMPARE(*Module2::FindElement(QStringLiteral("Na")), a("Na"));
        QVERIFY(!Module2::FindElement(QStringLiteral("NA")));
        QVERIFY(!Module2::FindElement(QStringLiteral("na")));
        QVERIFY(!Module2::FindElement(QStringLiteral("Xx")));
        QCOMPARE(*Module2::FindElement(QStringLiteral("Cl")), a("Cl"));
        QCOMPARE(Module2::Elements[1][1].toString(), QStringLiteral("H"));
        QCOMPARE(*Module2::FindGroup(QStringLiteral("NO3")), groups.value("NO3"));
        for (const char* g : {"no3", "NO3 ", "Xy"}) QVERIFY2(!Module2::FindGroup(QLatin1String(g)), g);
    }

    // Every stored group weight is the sum of its atoms' stored weights, and
    // the common groups are all there.
    void storedGroupsAgreeWithTheirAtoms() {
        static const QRegularExpression atom(QStringLiteral("([A-Z][a-z]?)(\\d*)"));
        for (auto it = groups.constBegin(); it != groups.constEnd(); ++it) {
            double sum = 0;
            qsizetype covered = 0;
            for (const auto& m : atom.globalMatch(it.key())) {
                QVERIFY2(atomic.contains(m.captured(1)), qPrintable(it.key()));
                sum += (m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()) * atomic.value(m.captured(1));
                covered += m.capturedLength();
            }
            QVERIFY2(covered == it.key().size(), qPrintable(it.key()));
            QVERIFY2(qAbs(sum - it.value()) < 0.0005,
                     qPrintable(QStringLiteral("%1: stored %2, atoms %3").arg(it.key()).arg(it.value()).arg(sum)));
        }
        for (const char* g : {"OH", "NO3", "NO2", "SO4", "SO3", "PO4", "CO3", "NH4", "ClO3", "ClO4", "MnO4", "CrO4",
                              "Cr2O7", "C2H3O2", "CN", "HCO3", "HSO4"})
            QVERIFY2(groups.contains(QLatin1String(g)), g);
    }
};

QTEST_MAIN(TstFormulaScan)
#include "tst_formulascan.moc"
