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
        return FormulaScan::weigh(
            text,
            [](std::string_view s) -> std::optional<double> {
                const QString k = QString::fromLatin1(s.data(), qsizetype(s.size()));
                if (!el.contains(k)) return std::nullopt;
                return el.value(k);
            },
            [](std::string_view s) -> std::optional<double> {
                const QString k = QString::fromLatin1(s.data(), qsizetype(s.size()));
                if (!gr.contains(k)) return std::nullopt;
                return gr.value(k);
            });
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

    void weighsAsWorkedByHand_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("expected");
        QTest::addColumn<qulonglong>("coefficient");
        const double water = 2 * a("H") + a("O");
        const double sulfate = a("S") + 4 * a("O");
        const double ammonia = a("N") + 3 * a("H");
        QTest::newRow("H2O") << "H2O" << water << 1ull;
        QTest::newRow("2H2O") << "2H2O" << water << 2ull;
        QTest::newRow("Ca(OH)2") << "Ca(OH)2" << a("Ca") + 2 * (a("O") + a("H")) << 1ull;
        QTest::newRow("Ca(NO3)2") << "Ca(NO3)2" << a("Ca") + 2 * (a("N") + 3 * a("O")) << 1ull;
        QTest::newRow("C12H22O11") << "C12H22O11" << 12 * a("C") + 22 * a("H") + 11 * a("O") << 1ull;
        QTest::newRow("Al2(SO4)3") << "Al2(SO4)3" << 2 * a("Al") + 3 * sulfate << 1ull;
        QTest::newRow("(NH4)2SO4") << "(NH4)2SO4" << 2 * (a("N") + 4 * a("H")) + sulfate << 1ull;
        QTest::newRow("Cu(NH3)4(OH)2") << "Cu(NH3)4(OH)2" << a("Cu") + 4 * ammonia + 2 * (a("O") + a("H")) << 1ull;
        QTest::newRow("CuSO4.5H2O") << "CuSO4.5H2O" << a("Cu") + sulfate + 5 * water << 1ull;
        QTest::newRow("CuSO4.5 is water") << "CuSO4.5" << a("Cu") + sulfate + 5 * water << 1ull;
        QTest::newRow("CuSO4.H2O") << "CuSO4.H2O" << a("Cu") + sulfate + water << 1ull;
        QTest::newRow("CaCl2.8NH3") << "CaCl2.8NH3" << a("Ca") + 2 * a("Cl") + 8 * ammonia << 1ull;
        QTest::newRow("alum, two dots") << "KAl(SO4)2.12H2O" << a("K") + a("Al") + 2 * sulfate + 12 * water << 1ull;
        QTest::newRow("nested") << "K3(Fe(CN)6)" << 3 * a("K") + a("Fe") + 6 * (a("C") + a("N")) << 1ull;
        QTest::newRow("nested twice")
            << "Ca3(Fe(CN)6)2" << 3 * a("Ca") + 2 * (a("Fe") + 6 * (a("C") + a("N"))) << 1ull;
        QTest::newRow("group not stored") << "Mg(C6H5O7)2" << a("Mg") + 2 * (6 * a("C") + 5 * a("H") + 7 * a("O"))
                                          << 1ull;
        QTest::newRow("count of three digits") << "C123H2" << 123 * a("C") + 2 * a("H") << 1ull;
        QTest::newRow("long coefficient") << "125NaCl" << a("Na") + a("Cl") << 125ull;
        QTest::newRow("example of the tooltip")
            << "2Mn(NO3)2.10H2O" << a("Mn") + 2 * (a("N") + 3 * a("O")) + 10 * water << 2ull;
        QTest::newRow("coefficient 0 counts as 1") << "0H2O" << water << 1ull;
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
        const FormulaScan::Result amm = Module2::Weigh(QStringLiteral("CaCl2.8NH3"));
        QVERIFY(qAbs(amm.hydrateWeight - 8 * (a("N") + 3 * a("H"))) < 0.001);
        const FormulaScan::Result dry = Module2::Weigh(QStringLiteral("NaCl"));
        QVERIFY(!dry.hasHydrate);
    }

    void faultsNameWhatIsWrong_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("position");
        QTest::newRow("empty") << "" << int(Fault::Empty) << "You must enter data into the Enter Formula box." << 0;
        QTest::newRow("one character") << "H" << int(Fault::TooShort) << "Formula must be larger than 1 character."
                                       << 0;
        QTest::newRow("only a coefficient") << "22" << int(Fault::NoElement) << "The formula holds no element symbol."
                                            << 0;
        QTest::newRow("unknown symbol") << "Xx2" << int(Fault::UnknownSymbol)
                                        << "The element symbol Xx was not found. Check the capital and small letters."
                                        << 0;
        QTest::newRow("CL2") << "CL2" << int(Fault::UnknownSymbol)
                             << "The element symbol L was not found. Check the capital and small letters." << 1;
        QTest::newRow("co") << "co" << int(Fault::LowerCaseSymbol)
                            << "The element symbol co was not found. An element symbol begins with a capital letter."
                            << 0;
        QTest::newRow("h2o") << "h2o" << int(Fault::LowerCaseSymbol)
                             << "The element symbol h was not found. An element symbol begins with a capital letter."
                             << 0;
        QTest::newRow("unknown group")
            << "Ca(Xy)2" << int(Fault::UnknownGroup)
            << "The group (Xy) was not found, and the element symbol Xy in it was not found either." << 2;
        QTest::newRow("lower case in a group")
            << "Ca(oh)2" << int(Fault::UnknownGroup)
            << "The group (oh) was not found, and the element symbol oh in it was not found either." << 2;
        QTest::newRow("unclosed") << "Ca(OH" << int(Fault::UnclosedGroup) << "The group (OH has no closing \")\"."
                                  << 2;
        QTest::newRow("unclosed nested") << "C((OH)2" << int(Fault::UnclosedGroup)
                                         << "The group ((OH)2 has no closing \")\"." << 1;
        QTest::newRow("unclosed before the dot") << "Ca(OH.H2O" << int(Fault::UnclosedGroup)
                                                 << "The group (OH has no closing \")\"." << 2;
        QTest::newRow("unopened") << "CaOH)2" << int(Fault::UnopenedGroup)
                                  << "The formula has a \")\" without its opening \"(\"." << 4;
        QTest::newRow("wrong way round") << "Ca)OH(2" << int(Fault::UnopenedGroup)
                                         << "The formula has a \")\" without its opening \"(\"." << 2;
        QTest::newRow("empty group") << "Ca()2" << int(Fault::EmptyGroup) << "The formula has an empty group \"()\"."
                                     << 2;
        QTest::newRow("stray number") << "(2H)" << int(Fault::StrayNumber)
                                      << "The number 2 does not follow an element symbol or a group." << 1;
        QTest::newRow("zero count") << "H0" << int(Fault::ZeroCount) << "The count 0 after H must be 1 or more."
                                    << 1;
        QTest::newRow("zero hydrate") << "CO.0H2O" << int(Fault::ZeroCount)
                                      << "The count 0 after the hydrate dot must be 1 or more." << 3;
        QTest::newRow("huge count") << "H12345678901" << int(Fault::NumberTooLarge)
                                    << "The number 12345678901 is too large." << 1;
        QTest::newRow("trailing dot") << "CO." << int(Fault::EmptyPart)
                                      << "The hydrate dot must stand between two parts of the formula." << 2;
        QTest::newRow("leading dot") << ".5H2O" << int(Fault::EmptyPart)
                                     << "The hydrate dot must stand between two parts of the formula." << 0;
        QTest::newRow("two dots") << "CO..H2O" << int(Fault::EmptyPart)
                                  << "The hydrate dot must stand between two parts of the formula." << 2;
        QTest::newRow("blank") << "H2 O" << int(Fault::BadCharacter)
                               << "The character \" \" cannot be part of a formula." << 2;
    }
    void faultsNameWhatIsWrong() {
        QFETCH(QString, formula);
        QFETCH(int, fault);
        QFETCH(QString, message);
        QFETCH(int, position);
        const FormulaScan::Result r = scan(formula.toLatin1().constData());
        QCOMPARE(int(r.fault), fault);
        QCOMPARE(QString::fromStdString(r.message()), message);
        QCOMPARE(int(r.position), position);
        QCOMPARE(r.weight, 0.0);
        QVERIFY(r.terms.empty());
    }

    void storedGroupBeatsItsAtoms() {
        // (OH) comes from the group table, the rest from the elements.
        const FormulaScan::Result r = scan("Ca(OH)2");
        QVERIFY(r.ok());
        QVERIFY(qAbs(r.weight - (40.078 + 2 * 17.007)) < 1e-9);
        // A group made of known atoms but not stored is weighed from them.
        const FormulaScan::Result co = scan("Ca(CO)2");
        QVERIFY(qAbs(co.weight - (40.078 + 2 * (12.011 + 15.999))) < 1e-9);
        // Co (cobalt) differs from CO.
        QVERIFY(qAbs(scan("Co2").weight - 2 * 58.933195) < 1e-9);
    }

    void deepAndLongTextsEndCleanly() {
        const std::string open(20000, '(');
        QCOMPARE(scan(open.c_str()).fault, Fault::UnclosedGroup);
        std::string nested;
        for (int i = 0; i < 5000; ++i) nested += '(';
        nested += "H";
        for (int i = 0; i < 5000; ++i) nested += ")2";
        QCOMPARE(scan(nested.c_str()).fault, Fault::TooLarge);
        std::string longer;
        for (int i = 0; i < 5000; ++i) longer += "(OH)2";
        const FormulaScan::Result r = scan(longer.c_str());
        QVERIFY(r.ok());
        QVERIFY(qAbs(r.weight - 5000 * 2 * 17.007) < 1e-6);
    }

    void maskOfTheExample() {
        auto text = [](const char* f) {
            QString out;
            for (FormulaScan::Offset o : FormulaScan::mask(f))
                out += o == FormulaScan::Offset::Lowered ? 'v' : o == FormulaScan::Offset::Raised ? '^' : '-';
            return out;
        };
        // 2Mn(NO3)2.10H2O: coefficient on the line, counts lowered, the dot
        // raised, the hydrate count on the line, the water's 2 lowered.
        QCOMPARE(text("2Mn(NO3)2.10H2O"), QStringLiteral("------v-v^---v-"));
        QCOMPARE(text("12C12H22O11"), QStringLiteral("---vv-vv-vv"));
        QCOMPARE(text("CuSO4.5"), QStringLiteral("----v^-"));
        QCOMPARE(text(""), QString());
    }

    // ---- Value stack ----------------------------------------------------

    void stackSumsAndEmpties() {
        Module2::StackClear();
        Module2::StackInput = 2.5;
        Module2::StackPush();
        Module2::StackInput = 4;
        Module2::StackPush();
        QCOMPARE(int(Module2::StackCount), 2);
        Module2::StackSum();
        QCOMPARE(Module2::StackTotal, 6.5);
        QVERIFY(Module2::StackIsEmpty());
    }

    void emptyPopIsASubscriptFault() {
        Module2::StackClear();
        try {
            Module2::StackPop();
            QFAIL("no fault");
        } catch (const RuntimeFault& f) {
            QCOMPARE(f.description(), QStringLiteral("Subscript out of range"));
        }
        QCOMPARE(int(Module2::StackCount), 0);
        Module2::StackInput = 1;
        Module2::StackPush();
        Module2::StackPop();
        QCOMPARE(Module2::StackOutput.toInt(), 1);
        QVERIFY(Module2::StackIsEmpty());
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, Module2::StackPop());
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, Module2::StackSum());
    }

    void stackCountOverflows() {
        Module2::StackClear();
        Module2::StackInput = 1;
        for (int i = 0; i < 32767; ++i) Module2::StackPush();
        try {
            Module2::StackPush();
            QFAIL("no fault");
        } catch (const RuntimeFault& f) {
            QCOMPARE(f.kind(), RuntimeFault::Overflow);
        }
        Module2::StackClear();
        QVERIFY(Module2::StackIsEmpty());
    }

    // ---- Element table --------------------------------------------------

    void elementWeightIsCaseSensitive() {
        Module2::FillElements();
        QCOMPARE(Module2::ElementWeight(QStringLiteral("Na")), a("Na"));
        QCOMPARE(Module2::ElementWeight(QStringLiteral("NA")), 0.0);
        QCOMPARE(Module2::ElementWeight(QStringLiteral("na")), 0.0);
        QVERIFY(!Module2::FindElement(QStringLiteral("Xx")));
        QCOMPARE(*Module2::FindElement(QStringLiteral("Cl")), a("Cl"));
        QCOMPARE(Module2::Elements[1][1].toString(), QStringLiteral("H"));
    }

    void isElementSymbolReadsTheTable() {
        TestSupport::messages().clear();
        QVERIFY(Module2::IsElementSymbol(QStringLiteral("Cl")));
        QVERIFY(Module2::IsElementSymbol(QStringLiteral("Mt")));
        QVERIFY(!Module2::IsElementSymbol(QStringLiteral("CL")));
        QVERIFY(!Module2::IsElementSymbol(QStringLiteral("")));
        QVERIFY(TestSupport::messages().shown.isEmpty());
        QCOMPARE(ReferenceDatabase::sharedSql(), QStringLiteral("SELECT Symbol FROM GeneralInfo"));
        QVERIFY(!ReferenceDatabase::sharedRecordset().isOpen());
    }

    void groupLookupIsExact() {
        QCOMPARE(*Module2::FindGroup(QStringLiteral("NO3")), float(groups.value("NO3")));
        QVERIFY(!Module2::FindGroup(QStringLiteral("no3")));
        QVERIFY(!Module2::FindGroup(QStringLiteral("NO3 ")));
        QVERIFY(!Module2::FindGroup(QStringLiteral("Xy")));
    }

    // Every stored group weight is the sum of its atoms' stored weights.
    void storedGroupsAgreeWithTheirAtoms() {
        static const QRegularExpression atom(QStringLiteral("([A-Z][a-z]?)(\\d*)"));
        for (auto it = groups.constBegin(); it != groups.constEnd(); ++it) {
            double sum = 0;
            qsizetype covered = 0;
            for (const auto& m : atom.globalMatch(it.key())) {
                QVERIFY2(atomic.contains(m.captured(1)), qPrintable(it.key()));
                const int n = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
                sum += n * atomic.value(m.captured(1));
                covered += m.capturedLength();
            }
            QVERIFY2(covered == it.key().size(), qPrintable(it.key()));
            QVERIFY2(qAbs(sum - it.value()) < 0.0005,
                     qPrintable(QStringLiteral("%1: stored %2, atoms %3").arg(it.key()).arg(it.value()).arg(sum)));
        }
    }

    void theIssueGroupsAreStored() {
        for (const char* g : {"OH", "NO3", "NO2", "SO4", "SO3", "PO4", "CO3", "NH4", "ClO3", "ClO4", "MnO4", "CrO4",
                              "Cr2O7", "C2H3O2", "CN", "HCO3", "HSO4"})
            QVERIFY2(groups.contains(QLatin1String(g)), g);
    }
};

QTEST_MAIN(TstFormulaScan)
#include "tst_formulascan.moc"
