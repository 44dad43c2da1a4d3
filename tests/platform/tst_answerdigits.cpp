// The numbers the windows show: small answers keep three significant digits,
// no answer shows digits its computation does not hold, huge and tiny ones
// turn scientific, list cells keep their stored digits, and every region
// writes one digit set.
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include "TestSupport.h"
#include "formulas/fmrMoles.h"
#include "formulas/frmWeights.h"
#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"
#include "platform/NumberPicture.h"
#include "platform/NumberText.h"
#include "refdata/viewers/TableViewerForm.h"

using namespace TestSupport;

namespace {

QString zeros(int n) { return QString(n, QLatin1Char('0')); }

// How many digits a text shows.
int digitCount(const QString& s) {
    int n = 0;
    for (QChar c : s) n += c.isDigit() ? 1 : 0;
    return n;
}

// The boxes of a window typed key by key ("Text1=2;Text2=3"), an option or
// direction clicked first ("opt3" or "Option2"), then the button clicked.
QString run(const QString& window, const QString& option, const QString& inputs, const QString& button,
            const QString& answer) {
    Form* f = open(window);
    if (!f) return QStringLiteral("<no window>");
    if (!option.isEmpty()) {
        auto* o = child<QRadioButton>(f, option.toLatin1().constData());
        if (!o) return QStringLiteral("<no option>");
        o->click();
    }
    for (const QString& pair : inputs.split(u';', Qt::SkipEmptyParts)) {
        const QString name = pair.section(u'=', 0, 0), text = pair.section(u'=', 1);
        auto* box = child<QLineEdit>(f, name.toLatin1().constData());
        if (!box) return QStringLiteral("<no box ") + name + u'>';
        box->clear();
        type(box, text);
        if (box->text() != text) return QStringLiteral("<") + name + QStringLiteral(" refused ") + text + u'>';
    }
    auto* b = child<QPushButton>(f, button.toLatin1().constData());
    if (!b || !b->isEnabled()) return QStringLiteral("<no usable ") + button + u'>';
    b->click();
    settle();
    if (!messages().shown.isEmpty()) return QStringLiteral("<message: ") + messages().lastText() + u'>';
    auto* box = child<QLineEdit>(f, answer.toLatin1().constData());
    return box ? box->text() : QStringLiteral("<no answer box>");
}

// What breaks the answer rules in a shown answer, or nothing.
QString brokenRule(const QString& text, CalculatorForm::Format format, int decimals, int held) {
    if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive) || text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return QStringLiteral("inf or nan");
    if (digitCount(text) > 20) return QStringLiteral("more than 20 digits");
    if (format != CalculatorForm::Format::Fixed) return QString();
    static const QRegularExpression sci(QStringLiteral("^-?[0-9]\\.[0-9]{2}E[+-][0-9]{2,3}$"));
    static const QRegularExpression fixed(QStringLiteral("^-?[0-9]{1,3}(,[0-9]{3})*(\\.[0-9]+)?$"));
    if (sci.match(text).hasMatch()) {
        const double v = std::fabs(text.toDouble());
        return v < 0.001 || v >= 1e15 ? QString() : QStringLiteral("scientific between 0.001 and 10^15");
    }
    if (!fixed.match(text).hasMatch()) return QStringLiteral("neither fixed nor scientific");
    QString plain = text;
    plain.remove(u',');
    const double v = plain.toDouble();
    if (std::fabs(v) >= 1e15) return QStringLiteral("fixed from 10^15");
    if (v == 0) return text == Num::fixed(0.0, decimals) ? QString() : QStringLiteral("zero not as the window writes it");
    QString sig = plain;
    sig.remove(u'-');
    sig.remove(u'.');
    while (sig.startsWith(u'0')) sig.remove(0, 1);
    if (sig.size() < 3) return QStringLiteral("fewer than three significant digits");
    while (sig.endsWith(u'0')) sig.chop(1);
    if (sig.size() > held) return QStringLiteral("more digits than the computation holds");
    return QString();
}

}  // namespace

class tst_AnswerDigits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initWindows(); }
    void cleanup() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        reset();
    }

    // Textbook problems worked by hand; the windows' own constants where they
    // have one (R = 0.083 in the ideal gas law, 0.082 in gas density).
    void namedAnswers_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* tag, const char* window, const char* option, const QString& inputs,
                      const char* button, const char* answer, const char* shown) {
            QTest::newRow(tag) << QString::fromLatin1(window) << QString::fromLatin1(option) << inputs
                               << QString::fromLatin1(button) << QString::fromLatin1(answer) << QString::fromUtf8(shown);
        };
        // Small answers keep three significant digits; below 0.001 scientific.
        row("Henry 1.3E-3 x 0.21", "frmHenrys", "", "Text1=0.0013;Text2=0.21", "cmdOk", "Text3", "2.73E-04");
        // (1 / 58.44) / (1 / 58.44 + 1000 / 18.02) = 3.0825E-4
        row("mole fraction of 1 g NaCl", "frmMoleFraction", "", "Text1=1;Text2=58.44;Text3=1000;Text4=18.02", "cmdOk",
            "Text6", "3.08E-04");
        row("molarity 0.0002 mol in 1 L", "frmMolarity", "opt1", "Text1=0.0002;Text2=1", "cmdOk", "Text3", "2.00E-04");
        // 0.950 x 0.010 / (0.0821 x 298) = 3.8830E-4
        row("ideal gas moles in 10 mL", "frmIdeal", "opt3", "Text2=0.010;Text3=0.950;Text4=298", "cmdOk", "Text5",
            "3.88E-04");
        // 0.025 x 100 / 100 x 264 / 300 = 0.022, two decimals in the window
        row("combined law 25.0 mL", "frmCombinedLaws", "", "Text1=0.025;Text2=100;Text3=300;Text4=100;Text5=264",
            "cmdOk", "Text7", "0.0220");
        // 2.016 x 0.010 / (0.0821 x 300) = 8.185E-4
        row("gas density of H2", "frmGasDensity", "", "Text1=2.016;Text2=0.010;Text4=300", "cmdOk", "Text5", "8.19E-04");
        row("density 1.25 g in 1000 mL", "frmDensity", "optDensity3", "Text1=1.25;txtDensity1=1000", "cmdOk",
            "txtDensity3", "0.00125");
        // 4/3 x pi x 0.05^3 = 5.236E-4
        row("sphere of radius 0.05", "frmVolume", "opt1", "Text1=0.05", "cmdOk", "Text3", "5.24E-04");
        // 1 / 39.37 = 0.025400
        row("1 in to m", "frmEnglish", "Option1", "Text1=1", "cmdIToM", "Text2", "0.0254");
        // Exactly 0 stays as the window writes it.
        row("absolute zero in kelvin", "frmTemperatures", "", "Text1=-273.15", "cmdCToK", "Text2", "0.000");
        // Single precision holds seven significant digits.
        row("1234.567 min to s", "frmTime", "", "Text1=1234.567", "cmdMToS", "Text2", "74,074.02");
        row("123456789 s to min", "frmTime", "", "Text1=123456789", "cmdSToM", "Text2", "2,057,613");
        // 4.468E9 x 365.25 = 1,631,937,000,000 exactly
        row("4.468E9 years to days", "frmTime", "", "Text1=4.468E9", "cmdYToD", "Text2", "1,631,937,000,000");
        row("1.1 lb to g", "frmEnglish", "Option1", "Text1=1.1", "cmdPToG", "Text2", "499.4");
        row("2 days to hours", "frmTime", "", "Text1=2", "cmdDToH", "Text2", "48.00000");
        // From 10^15 up scientific: 2.5 / 1 x 1 x 1E38 g
        row("mass-mass with a weight of 1E38", "frmMass", "",
            "Text14=1;Text1=2.5;Text6=1;Text17=1;Text9=1" + zeros(38), "cmdOk", "Text13", "2.50E+38");
        row("1E300 C to F", "frmTemperatures", "", "Text1=1" + zeros(300), "cmdCToF", "Text2", "1.80E+300");
        // 1 L x (101.3 - 3.17) kPa / 1E-300 kPa
        row("Dalton to 1E-300 kPa", "frmDalton", "opt1",
            "Text1=25;Text2=1;Text3=101.3;Text5=0." + zeros(299) + "1", "cmdOk", "Text6", "9.81E+301");
        row("molarity 1E40 / 1E-40", "frmMolarity", "opt1", "Text1=1" + zeros(40) + ";Text2=0." + zeros(39) + "1",
            "cmdOk", "Text3", "1.00E+80");
        row("molarity 1E-40 / 1E40", "frmMolarity", "opt1", "Text1=0." + zeros(39) + "1;Text2=1" + zeros(40),
            "cmdOk", "Text3", "1.00E-80");
        row("1E15 kg to N", "frmMassToWeight", "", "Text1=1" + zeros(15), "cmdKToN", "Text2", "9.81E+15");
    }
    void namedAnswers() {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, inputs);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QTEST(run(window, option, inputs, button, answer), "shown");
    }

    // The mole calculator writes its own answers: Au 1.5E20 atoms to moles
    // (1.5E20 / 6.023E23 = 2.490E-4) and C 0.01 g to moles (0.01 / 12.011 = 8.326E-4).
    void moleCalculator_data() {
        QTest::addColumn<int>("element");  // list row
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("from");     // 1 grams, 2 atoms
        QTest::addColumn<QString>("shown");
        QTest::newRow("Au atoms to moles") << 78 << QStringLiteral("1.5E+20") << 2 << QStringLiteral("2.49E-04");
        QTest::newRow("C grams to moles") << 5 << QStringLiteral("0.01") << 1 << QStringLiteral("8.33E-04");
    }
    void moleCalculator() {
        QFETCH(int, element);
        QFETCH(QString, amount);
        QFETCH(int, from);
        auto* m = open<fmrMoles>(QStringLiteral("fmrMoles"));
        type(m->txtMoles1, amount);
        (from == 1 ? m->optMoles2 : m->optMoles3)->click();
        m->optMoles4->click();
        m->lstList1->setCurrentRow(element);
        press(m->txtMoles1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QTEST(m->txtMoles3->text(), "shown");
    }

    // The weigher: 999999999^3 hydrogens weigh about 1.008E27.
    void weigherHugeFormula() {
        auto* w = open<frmWeights>(QStringLiteral("frmWeights"));
        w->RichTextBox1->setPlainText(QStringLiteral("((H999999999)999999999)999999999"));
        press(w->RichTextBox1, Qt::Key_Return);
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        QCOMPARE(w->txtWeights2->text(), QStringLiteral("1.01E+27"));
        QVERIFY(digitCount(w->Text1->text()) <= 20);
        w->RichTextBox1->setPlainText(QStringLiteral("H2O"));
        press(w->RichTextBox1, Qt::Key_Return);
        QCOMPARE(w->txtWeights2->text(), QStringLiteral("18.015"));
    }

    // Every calculator and conversion window, with small, middling and huge
    // numbers in every box it shows and every option: whatever it answers
    // follows the rules of its format.
    void everyWindowFollowsTheRules_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name : Forms::registeredKinds()) {
            Form* f = Forms::load(name);
            const bool shaped = qobject_cast<CalculatorForm*>(f) || qobject_cast<ConversionForm*>(f);
            Forms::unload(f);
            if (shaped) QTest::newRow(qPrintable(name)) << name;
        }
        settle();
    }
    void everyWindowFollowsTheRules() {
        QFETCH(QString, window);
        int answers = 0;
        for (const QString& value : {QStringLiteral("0.002"), QStringLiteral("1.1"), QStringLiteral("99999999")}) {
            Form* f = open(window);
            auto* calc = qobject_cast<CalculatorForm*>(f);
            auto* conv = qobject_cast<ConversionForm*>(f);
            QVERIFY(calc || conv);
            const int choices = calc ? std::max<int>(1, int(calc->options.size())) : std::max<int>(1, int(conv->directions.size()));
            for (int o = 0; o < choices; ++o) {
                if (calc && !calc->options.isEmpty()) calc->selectOption(o);
                if (conv && !conv->directions.isEmpty()) conv->directions.at(o)->click();
                const QList<QLineEdit*> boxes = calc ? calc->inputs : QList<QLineEdit*>{conv->input};
                for (QLineEdit* b : boxes) {
                    if (!b->isVisibleTo(f) || !b->isEnabled()) continue;
                    b->clear();
                    type(b, value);
                }
                messages().clear();
                QList<QPushButton*> presses = calc ? QList<QPushButton*>{calc->cmdOk} : conv->buttons;
                for (QPushButton* p : presses) {
                    if (!p->isEnabled()) continue;
                    p->click();
                    settle();
                    QLineEdit* answerBox = calc ? calc->answerBox : conv->answerBox;
                    if (!answerBox || !messages().shown.isEmpty() || answerBox->text().isEmpty()) {
                        messages().clear();
                        continue;
                    }
                    CalculatorForm::Format format = CalculatorForm::Format::Fixed;
                    int decimals = 3, held = Num::DoubleDigits;
                    if (calc) {
                        const auto& d = calc->design();
                        format = d.format;
                        if (calc->option() >= 0 && d.options.at(calc->option()).format)
                            format = *d.options.at(calc->option()).format;
                        decimals = d.decimals;
                        held = d.singleResult ? Num::SingleDigits : Num::DoubleDigits;
                    } else {
                        decimals = conv->design().decimals;
                        held = conv->design().singleResult ? Num::SingleDigits : Num::DoubleDigits;
                    }
                    const QString text = answerBox->text();
                    const QString broken = brokenRule(text, format, decimals, held);
                    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("%1 with %2 (%3): \"%4\" %5")
                                                              .arg(window, value, p->objectName(), text, broken)));
                    ++answers;
                    answerBox->clear();
                }
            }
            reset();
        }
        if (answers == 0) QSKIP("no answer from these numbers");
    }

    // Cells keep a stored number's digits, up to four.
    void cellsKeepStoredDigits_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("cell");
        QTest::newRow("hydrogen's density") << "frmExtraData" << "Hydrogen " << "0.0899";
        QTest::newRow("helium's density") << "frmExtraData" << "Helium " << "0.1786";
        QTest::newRow("water's Kb") << "frmFreezing" << "Water " << "0.512";
    }
    void cellsKeepStoredDigits() {
        QFETCH(QString, window);
        QFETCH(QString, start);
        QFETCH(QString, cell);
        Form* f = open(window);
        QVERIFY(f);
        QListWidget* list = f->findChild<QListWidget*>();
        QVERIFY(list);
        QString line;
        for (int i = 0; i < list->count() && line.isEmpty(); ++i)
            if (list->item(i)->text().startsWith(start)) line = list->item(i)->text();
        QVERIFY2(!line.isEmpty(), qPrintable(start));
        QVERIFY2(line.split(u' ', Qt::SkipEmptyParts).contains(cell), qPrintable(line));
    }

    // Right to left: one digit set in every form of a number, and columns
    // that stand where they stand in any region.
    void oneDigitSetInArabic() {
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QLocale ar;
        const QString point = ar.decimalPoint(), group = ar.groupSeparator();
        QCOMPARE(Num::fixed(120000.0, 2), "120" + group + "000" + point + "00");
        QCOMPARE(Num::text(6.94), "6" + point + "94");
        QCOMPARE(Num::scientific(45.0), "4" + point + "50E+01");
        QCOMPARE(Num::answer(-0.0254), "-0" + point + "0254");
        QCOMPARE(Num::answer(-1234.5678), "-1" + group + "234" + point + "568");
        QCOMPARE(Picture::format(-6.8, Picture::Standard), "-6" + point + "80");

        // The same electron affinities list in both regions: every line as
        // long, every value starting in the same column.
        auto columns = [](QLocale region) {
            QLocale::setDefault(region);
            auto* f = open<TableViewerForm>(QStringLiteral("frmAffinities"));
            QList<QPair<int, int>> out;
            for (const QString& l : f->lines()) {
                const qsizetype name = l.indexOf(u' ');
                qsizetype value = name;
                while (value >= 0 && value < l.size() && l.at(value) == u' ') ++value;
                out.append({int(l.size()), int(value)});
            }
            unloadAll();
            return out;
        };
        const auto english = columns(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto arabic = columns(QLocale(QLocale::Arabic, QLocale::Egypt));
        QVERIFY(!english.isEmpty());
        QCOMPARE(arabic, english);
    }
};

QTEST_MAIN(tst_AnswerDigits)
#include "tst_answerdigits.moc"
