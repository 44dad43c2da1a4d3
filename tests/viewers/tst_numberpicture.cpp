// Format pictures at their edges and the fixed-column line layout.
#include <QLocale>
#include <limits>
#include <QTest>

#include "TestSupport.h"
#include "platform/NumberPicture.h"

class tst_NumberPicture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::init(); }


    void pictures_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("text");
        auto row = [](const char* tag, QVariant v, const char* pic, const char* text) {
            QTest::newRow(tag) << v << QString::fromUtf8(pic) << QString::fromUtf8(text);
        };
        // Standard: grouping and two decimals.
        row("std 1234.5", 1234.5, "Standard", "1,234.50");
        row("std million", 1234567.891, "Standard", "1,234,567.89");
        row("std integer", QVariant(qlonglong(1072)), "Standard", "1,072.00");
        row("std below a cent keeps its digit", -0.001, "Standard", "-0.001");
        row("std rounds past four digits", 0.123456, "Standard", "0.1235");
        row("std gas density", 0.0899, "Standard", "0.0899");
        row("std helium", 0.1786, "Standard", "0.1786");
        row("std water Kb", 0.512, "Standard", "0.512");
        row("std tiny is scientific", 1.5e-12, "Standard", "1.50E-12");
        row("std zero", 0.0, "Standard", "0.00");
        // Scientific: one digit, two decimals, signed exponent of two digits or more.
        row("sci avogadro keeps four digits", 6.02214076e23, "Scientific", "6.022E+23");
        row("sci three stored digits", 6.02e23, "Scientific", "6.02E+23");
        row("sci small negative", -1.5e-10, "Scientific", "-1.50E-10");
        row("sci keeps four nines", 9.999e5, "Scientific", "9.999E+05");
        row("sci rounds up a decade", 9.99995e5, "Scientific", "1.000E+06");
        row("sci zero", 0.0, "Scientific", "0.00E+00");
        row("sci three exponent digits", 1e100, "Scientific", "1.00E+100");
        // General Number: plain digits, no grouping.
        row("gen whole", 1234567, "General Number", "1234567");
        row("gen stored real 100", 100.0, "General Number", "100");
        row("gen fraction", 0.6112, "General Number", "0.6112");
        row("gen negative", -5.5, "General Number", "-5.5");
        // Digit placeholders: no leading zero, no trailing zeros, the point stays.
        row("#4 0.34", 0.34, "##.####", ".34");
        row("#4 -2.71", -2.71, "##.####", "-2.71");
        row("#4 rounds to four", 12.34567, "##.####", "12.3457");
        row("#4 wider than picture", 123.4, "##.####", "123.4");
        row("#4 whole", 1, "##.####", "1.");
        row("#4 zero", 0.0, "##.####", ".");
        row("#4 negative half", -0.5, "##.####", "-.5");
        row("#5 rounds up to one", 0.999995, "#.#####", "1.");
        row("#5 tiny negative keeps its digit", -0.000004, "#.#####", "-.000004");
        row("#5 four digits of a tiny value", -0.0000049999999, "#.#####", "-.000005");
        // Zeros: a whole number of at least N digits.
        row("000 pads", 5, "000", "005");
        row("000 longer", 1234, "000", "1234");
        row("000 negative", -5, "000", "-005");
        row("000 keeps a stored fraction", 2.5, "000", "002.5");
        row("000 keeps a negative fraction", -2.5, "000", "-002.5");
        row("000 rounds past four digits", 2.34567, "000", "002.346");
        row("0 zero", 0.0, "0", "0");
        row("000 text number", QStringLiteral("12"), "000", "012");
        row("grouped picture", 1234.5, "#,##0.00", "1,234.50");
        row("grouped small", 0.5, "#,##0.00", "0.50");
    }

    void pictures() {
        QFETCH(QVariant, value);
        QFETCH(QString, picture);
        QFETCH(QString, text);
        bool numeric = false;
        QCOMPARE(Picture::format(value, picture, &numeric), text);
        QVERIFY(numeric);
    }

    void regionalSeparators() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Picture::format(1234.5, Picture::Standard), QStringLiteral("1.234,50"));
        QCOMPARE(Picture::format(0.34, QStringLiteral("##.####")), QStringLiteral(",34"));
        QCOMPARE(Picture::format(6.022e23, Picture::Scientific), QStringLiteral("6,022E+23"));
        QCOMPARE(Picture::format(1234.5, QStringLiteral("#,##0.00")), QStringLiteral("1.234,50"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void notANumberPassesUnchanged() {
        bool numeric = true;
        QCOMPARE(Picture::format(QStringLiteral("Hydrogen"), Picture::zeros(12), &numeric), QStringLiteral("Hydrogen"));
        QVERIFY(!numeric);
        QCOMPARE(Picture::format(QStringLiteral("H-3"), QStringLiteral("000")), QStringLiteral("H-3"));
        QCOMPARE(Picture::format(QStringLiteral("12.32 y"), Picture::Standard), QStringLiteral("12.32 y"));
        QCOMPARE(Picture::format(QStringLiteral("Positron, EC"), Picture::Standard), QStringLiteral("Positron, EC"));
        numeric = true;
        QCOMPARE(Picture::format(QVariant(), Picture::Standard, &numeric), QString());
        QVERIFY(!numeric);
        QCOMPARE(Picture::format(QVariant(QMetaType(QMetaType::Double)), Picture::Scientific), QString());
        QCOMPARE(Picture::format(std::numeric_limits<double>::infinity(), Picture::Standard), QString());
        QCOMPARE(Picture::format(std::numeric_limits<double>::quiet_NaN(), QStringLiteral("##.####")), QString());
        // Stored bytes are no text; fixed decimals never run across the list.
        QCOMPARE(Picture::format(QByteArray("\x00\xff\x01", 3), Picture::zeros(12)), QString());
        QCOMPARE(Picture::format(1e308, Picture::Standard), QStringLiteral("1.00E+308"));
        QCOMPARE(Picture::format(-1e15, QStringLiteral("##.####")), QStringLiteral("-1.00E+15"));
        QCOMPARE(Picture::format(999999999999999.0, Picture::Standard), QStringLiteral("999,999,999,999,999.00"));
        QCOMPARE(Picture::format(1e308, Picture::Scientific), QStringLiteral("1.00E+308"));
    }

    void cellsPadAndCut() {
        QCOMPARE(Picture::fit(QStringLiteral("H"), 3), QStringLiteral("H  "));
        QCOMPARE(Picture::fit(QStringLiteral("1,072.00"), 3), QStringLiteral("1,0"));
        QCOMPARE(Picture::fit(QStringLiteral("abc"), 3), QStringLiteral("abc"));
        QCOMPARE(Picture::fit(QString(), 4), QStringLiteral("    "));
        QCOMPARE(Picture::fit(QStringLiteral("x"), 0), QString());
    }

    void lineLayout() {
        // The mole calculator's element list: symbol (2), two blanks, name (12).
        const FixedColumnLine elements({{QStringLiteral("Symbol"), 2, QStringLiteral("00"), 0},
                                        {QStringLiteral("ElementName"), 12, Picture::zeros(12), 2}});
        auto row = [](QString symbol, QString name) {
            return [=](const QString& f) { return QVariant(f == QLatin1String("Symbol") ? symbol : name); };
        };
        QCOMPARE(elements.line(row(QStringLiteral("H"), QStringLiteral("Hydrogen"))), QStringLiteral("H   Hydrogen    "));
        QCOMPARE(elements.line(row(QStringLiteral("Rf"), QStringLiteral("Rutherfordium"))),
                 QStringLiteral("Rf  Rutherfordiu"));

        // Blanks before the first cell are never written; trailing blanks stay.
        const FixedColumnLine two({{QStringLiteral("a"), 4, Picture::Standard, 5}, {QStringLiteral("b"), 6, Picture::Standard, 3}});
        const QString l = two.line([](const QString& f) { return f == QLatin1String("a") ? QVariant(0.4) : QVariant(-1.5); });
        QCOMPARE(l, QStringLiteral("0.40   -1.50 "));
        QCOMPARE(two.line([](const QString&) { return QVariant(); }), QString(13, QLatin1Char(' ')));
    }
};

QTEST_MAIN(tst_NumberPicture)
#include "tst_numberpicture.moc"
