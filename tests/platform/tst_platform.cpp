// The platform layer: number texts, the key filter, message boxes and the
// window registry, driven as the windows use them.
#include <QApplication>
#include <QProcess>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "TestSupport.h"
#include "platform/CalculatorForm.h"
#include "platform/ChooserForm.h"
#include "platform/ConversionForm.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace {
int g_loads = 0;
int g_unloads = 0;

class ProbeForm : public Form {
public:
    QLineEdit* Text1;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    int okClicks = 0;
    int f1 = 0;
    ProbeForm() {
        Text1 = new QLineEdit(this);
        Text1->setObjectName(QStringLiteral("Text1"));
        cmdOk = new QPushButton(QStringLiteral("Ok"), this);
        cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
        auto* v = new QVBoxLayout(this);
        v->addWidget(Text1);
        v->addWidget(cmdOk);
        v->addWidget(cmdCancel);
        connect(cmdOk, &QPushButton::clicked, this, [this] { ++okClicks; });
        // Cancel unloads the window from inside its own handler.
        connect(cmdCancel, &QPushButton::clicked, this, [this] { Forms::unload(this); });
    }
    void Form_Load() override {
        ++g_loads;
        Text1->setText(QStringLiteral("design"));
    }
    void Form_Unload() override { ++g_unloads; }
    bool Form_KeyDown(QKeyEvent* e) override {
        if (e->key() == Qt::Key_F1) {
            ++f1;
            return true;
        }
        return false;
    }
};

class HiderForm : public Form {
public:
    void Form_Load() override { Forms::hide(QStringLiteral("ProbeForm")); }
};

// A shape that makes one box per row, as the window shapes do.
class RowShape : public Form {
public:
    explicit RowShape(const QList<Bound<QLineEdit>>& rows) {
        for (const Bound<QLineEdit>& r : rows) bind(r, new QLineEdit(this));
    }
};
// Its member has an initialiser of its own, which runs after the shape.
class EmptiedMember : public RowShape {
public:
    EmptiedMember() : RowShape({BIND(*this, Text1), BIND(*this, Text2)}) {}
    QLineEdit* Text1;
    QLineEdit* Text2 = nullptr;
};
// One member bound by two rows.
class TwiceBound : public RowShape {
public:
    TwiceBound() : RowShape({BIND(*this, Text1), BIND(*this, Text1)}) {}
    QLineEdit* Text1;
};
// The window makes another control of the bound member's name.
class NameTaken : public RowShape {
public:
    NameTaken() : RowShape({BIND(*this, Text1)}) { (new QLineEdit(this))->setObjectName(QStringLiteral("Text1")); }
    QLineEdit* Text1;
};
// A row is BIND(w, Text1) or NAMED(Text1): a plain text, which would leave
// a member unset, does not compile.
static_assert(!std::is_convertible_v<QString, Form::Bound<QLineEdit>>);

// Names written as text that are not one control of the window: in a tab
// order, a calculator's row of buttons, a conversion's foot row and default
// button, a chooser's default button.
class TabTypo : public RowShape {
public:
    TabTypo() : RowShape({NAMED(Text1), NAMED(Text2)}) { orderTabs({QStringLiteral("Text1"), QStringLiteral("Txet2")}); }
};
class ButtonRowTypo : public CalculatorForm {
public:
    ButtonRowTypo() : CalculatorForm(design()) {}
    static Design design() {
        Design d;
        d.inputs = {Input{.name = NAMED(Text1), .prompt = QStringLiteral("Enter a number")}};
        d.layout.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdClaer"), QStringLiteral("cmdOk")};
        return d;
    }
    std::optional<Result> calculate() override { return std::nullopt; }
};
class ConversionTypo : public ConversionForm {
public:
    explicit ConversionTypo(const Design& d) : ConversionForm(d) {}
    static Design design() {
        Design d;
        d.buttons = {Button{.name = NAMED(cmdFToC), .caption = QStringLiteral("F To C")}};
        return d;
    }
    std::optional<Result> convert(int, const QString&) override { return std::nullopt; }
};
class FootRowTypo : public ConversionTypo {
public:
    FootRowTypo() : ConversionTypo(withFoot()) {}
    static Design withFoot() {
        Design d = design();
        d.layout.buttonOrder = {QStringLiteral("cmdCancel"), QStringLiteral("cmdHlep")};
        return d;
    }
};
class DefaultTypo : public ConversionTypo {
public:
    DefaultTypo() : ConversionTypo(withDefault()) {}
    static Design withDefault() {
        Design d = design();
        d.defaultButton = QStringLiteral("cmdFtoC");
        return d;
    }
};
class ChooserTypo : public ChooserForm {
public:
    ChooserTypo() : ChooserForm(design()) {}
    static Design design() {
        Design d;
        d.targets = {Target{.name = NAMED(cmdGrahams), .caption = QStringLiteral("Graham's Law"), .window = QStringLiteral("frmGrahams")}};
        d.defaultButton = QStringLiteral("cmdGraham");
        return d;
    }
};
}  // namespace

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::init();
        TESSIVAL_REGISTER(ProbeForm);
        TESSIVAL_REGISTER(HiderForm);
    }
    void cleanup() { TestSupport::unloadAll(); TestSupport::messages().clear(); }

    // A member a design row bound that does not hold its control once the
    // window is built, or a name written as text that is not one control of
    // the window, stops the program at the window's first open, naming the
    // window and the member or name (run in a child process).
    void brokenBindingStopsFirstOpen_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("message");
        QTest::newRow("emptied") << "EmptiedMember" << "EmptiedMember: the member Text2 is empty after construction";
        QTest::newRow("twice") << "TwiceBound" << "TwiceBound: the member Text1 is bound twice";
        QTest::newRow("name taken") << "NameTaken" << "NameTaken: the member Text1 is not the one control of its name";
        QTest::newRow("tab order") << "TabTypo"
                                   << "TabTypo: the tab order names \"Txet2\", which is not one control of the window";
        QTest::newRow("row of buttons")
            << "ButtonRowTypo" << "ButtonRowTypo: the row of buttons names \"cmdClaer\", which is not one QPushButton of the window";
        QTest::newRow("foot row") << "FootRowTypo"
                                  << "FootRowTypo: the foot row names \"cmdHlep\", which is not one control of the window";
        QTest::newRow("default button")
            << "DefaultTypo" << "DefaultTypo: the default button names \"cmdFtoC\", which is not one QPushButton of the window";
        QTest::newRow("chooser's default")
            << "ChooserTypo" << "ChooserTypo: the default button names \"cmdGraham\", which is not one QPushButton of the window";
    }
    void brokenBindingStopsFirstOpen() {
        QFETCH(QString, window);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TESSIVAL_OPEN_BROKEN"), window);
        env.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("openBroken")});
        QVERIFY(child.waitForFinished(120000));
        const QString err = QString::fromLocal8Bit(child.readAllStandardError() + child.readAllStandardOutput());
        QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, qPrintable(err));
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("opened")), qPrintable(err));
    }
    // The child's part: opens the broken window named in the environment.
    void openBroken() {
        const QString window = qEnvironmentVariable("TESSIVAL_OPEN_BROKEN");
        if (window.isEmpty()) QSKIP("run by brokenBindingStopsFirstOpen");
        TESSIVAL_REGISTER(EmptiedMember);
        TESSIVAL_REGISTER(TwiceBound);
        TESSIVAL_REGISTER(NameTaken);
        TESSIVAL_REGISTER(TabTypo);
        TESSIVAL_REGISTER(ButtonRowTypo);
        TESSIVAL_REGISTER(FootRowTypo);
        TESSIVAL_REGISTER(DefaultTypo);
        TESSIVAL_REGISTER(ChooserTypo);
        if (Forms::show(window)) qInfo("opened");
    }

    void parsesWhatTheKeyFiltersAdmit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("point five") << ".5" << 0.5;
        QTest::newRow("trailing point") << "3." << 3.0;
        QTest::newRow("exponent") << "6.02E23" << 6.02e23;
        QTest::newRow("lower exponent signed") << "1e-3" << 0.001;
        QTest::newRow("negative") << "-2.5" << -2.5;
        QTest::newRow("blanks") << " 7 " << 7.0;
    }
    void parsesWhatTheKeyFiltersAdmit() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Num::toDouble(text), value);
    }

    void textThatIsNoNumberIsATypeMismatch() {
        for (const QString& t : {QStringLiteral("1.2.3"), QStringLiteral(""), QStringLiteral("abc"),
                                QStringLiteral("1,5"), QStringLiteral("E5"), QStringLiteral("--1")}) {
            try {
                Num::toDouble(t);
                QFAIL(qPrintable(QStringLiteral("parsed: ") + t));
            } catch (const RuntimeFault& f) {
                QCOMPARE(f.description(), QStringLiteral("Type mismatch"));
            }
        }
    }

    // What the windows' checks refuse: a quantity not above 0 refuses text
    // that is no number too; the kelvin and sign checks leave that text to
    // the conversion's fault.
    void typedNumberChecks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("notAboveZero");
        QTest::addColumn<bool>("notPositive");
        QTest::addColumn<bool>("negative");
        QTest::newRow("empty") << "" << true << false << false;
        QTest::newRow("zero") << "0" << true << true << false;
        QTest::newRow("zero with decimals") << "0.0" << true << true << false;
        QTest::newRow("two zeros") << "00" << true << true << false;
        QTest::newRow("minus zero") << "-0" << true << true << false;
        QTest::newRow("negative") << "-1.5" << true << true << true;
        QTest::newRow("tiny positive") << "1e-300" << false << false << false;
        QTest::newRow("positive") << "273.15" << false << false << false;
        QTest::newRow("no number") << "1.2.3" << true << false << false;
        QTest::newRow("lone point") << "." << true << false << false;
    }

    void typedNumberChecks() {
        QFETCH(QString, typed);
        QFETCH(bool, notAboveZero);
        QFETCH(bool, notPositive);
        QFETCH(bool, negative);
        QCOMPARE(Num::notAboveZero(typed), notAboveZero);
        QCOMPARE(Num::notPositive(typed), notPositive);
        QCOMPARE(Num::notKelvin(typed), notPositive);
        QCOMPARE(Num::negative(typed), negative);
        QCOMPARE(Num::value(typed).has_value(), !(notAboveZero && !notPositive));
    }

    void overflowAndDivisionAreFaults() {
        auto fault = [](auto fn) {
            try {
                fn();
            } catch (const RuntimeFault& f) {
                return f.description();
            }
            return QStringLiteral("none");
        };
        QCOMPARE(fault([] { Num::toDouble(QStringLiteral("1E309")); }), QStringLiteral("Overflow"));
        QCOMPARE(fault([] { Num::div(1, 0); }), QStringLiteral("Division by zero"));
        QCOMPARE(fault([] { Num::checked(1e308 * 10); }), QStringLiteral("Overflow"));
        QCOMPARE(fault([] { Num::pow(-8, 0.5); }), QStringLiteral("Invalid procedure call or argument"));
        QCOMPARE(Num::pow(0, 0), 1.0);
        // No text form ever shows inf or nan.
        QCOMPARE(fault([] { Num::fixed(std::numeric_limits<double>::infinity()); }), QStringLiteral("Overflow"));
        QCOMPARE(fault([] { Num::text(std::nan("")); }), QStringLiteral("Invalid procedure call or argument"));
    }

    void defaultTextForms_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short third") << Num::text(1.0 / 3.0, Num::ShortDigits) << "0.3333333";
        QTest::newRow("double third") << Num::text(1.0 / 3.0) << "0.333333333333333";
        QTest::newRow("short whole") << Num::text(25.0, Num::ShortDigits) << "25";
        QTest::newRow("short 7 digits") << Num::text(1234567.0, Num::ShortDigits) << "1234567";
        QTest::newRow("short 8 digits") << Num::text(12345678.0, Num::ShortDigits) << "1.234568E+07";
        QTest::newRow("short 1e8") << Num::text(1e8, Num::ShortDigits) << "1E+08";
        QTest::newRow("double 15 digits") << Num::text(123456789012345.0) << "123456789012345";
        QTest::newRow("double 1e15") << Num::text(1e15) << "1E+15";
        QTest::newRow("small") << Num::text(0.0001) << "0.0001";
        QTest::newRow("smaller") << Num::text(0.000015) << "1.5E-05";
        QTest::newRow("negative") << Num::text(-2.5, Num::ShortDigits) << "-2.5";
        QTest::newRow("short 0.1") << Num::text(0.1, Num::ShortDigits) << "0.1";
        QTest::newRow("avogadro") << Num::text(6.02e23) << "6.02E+23";
    }
    void defaultTextForms() {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void formattedAnswers_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three decimals") << Num::fixed(4.0) << "4.000";
        QTest::newRow("grouping") << Num::fixed(1234567.8912) << "1,234,567.891";
        QTest::newRow("negative grouping") << Num::fixed(-1234.5) << "-1,234.500";
        QTest::newRow("negative zero") << Num::fixed(-0.0001) << "0.000";
        QTest::newRow("leading zero") << Num::fixed(0.5) << "0.500";
        QTest::newRow("scientific") << Num::scientific(45) << "4.50E+01";
        QTest::newRow("scientific small") << Num::scientific(1.8e-5) << "1.80E-05";
        QTest::newRow("scientific negative") << Num::scientific(-0.000123) << "-1.23E-04";
        // Answers: three significant digits at least, none past the precision held.
        QTest::newRow("answer as written") << Num::answer(1234.5678) << "1,234.568";
        QTest::newRow("answer of an inch in metres") << Num::answer(0.0254) << "0.0254";
        QTest::newRow("answer negative small") << Num::answer(-0.0254) << "-0.0254";
        QTest::newRow("answer keeps a zero digit") << Num::answer(0.068) << "0.0680";
        QTest::newRow("answer 0.00125") << Num::answer(0.00125) << "0.00125";
        QTest::newRow("answer rounds up to 0.001") << Num::answer(0.0009996) << "0.00100";
        QTest::newRow("answer below 0.001") << Num::answer(0.000523599) << "5.24E-04";
        // The scientific form rounds the decimal a value stands for, ties away from zero.
        QTest::newRow("scientific of a tie") << Num::scientific(3.5e-5 * 3.5e-5) << "1.23E-09";
        QTest::newRow("scientific of a tie, 4.5E-3 squared") << Num::scientific(4.5e-3 * 4.5e-3) << "2.03E-05";
        QTest::newRow("scientific of 2.025") << Num::scientific(0.450 * 0.450 / 0.100) << "2.03E+00";
        QTest::newRow("scientific of a negative tie") << Num::scientific(-0.450 * 0.450 / 0.100) << "-2.03E+00";
        QTest::newRow("scientific carries") << Num::scientific(9.995e-7) << "1.00E-06";
        QTest::newRow("scientific of 0") << Num::scientific(0.0) << "0.00E+00";
        QTest::newRow("answer of a tie below 0.001") << Num::answer(0.00049 / 4.0) << "1.23E-04";
        QTest::newRow("answer of the same digits above 0.001") << Num::answer(0.0049 / 4.0) << "0.00123";
        QTest::newRow("answer zero as written") << Num::answer(0.0) << "0.000";
        QTest::newRow("answer negative zero") << Num::answer(-0.0, 2) << "0.00";
        QTest::newRow("answer huge") << Num::answer(2.5e38) << "2.50E+38";
        QTest::newRow("answer rounds up to 10^15") << Num::answer(999999999999999.5) << "1.00E+15";
        QTest::newRow("answer fifteen digits") << Num::answer(999999999999999.4) << "999,999,999,999,999";
        QTest::newRow("single, five decimals") << Num::answer(double(74074.02344f), 5, Num::ShortDigits) << "74,074.02";
        QTest::newRow("single, decimals held") << Num::answer(48.0, 5, Num::ShortDigits) << "48.00000";
        // Rounded once, from the value, not first to seven digits.
        QTest::newRow("single, rounded once") << Num::answer(double(-111.29446f), 3, Num::ShortDigits) << "-111.294";
        QTest::newRow("single, rounded once up") << Num::answer(double(135.611457f), 3, Num::ShortDigits) << "135.611";
        // A tie rounds away from zero at the seventh digit as at the third decimal.
        QTest::newRow("single, a tie at the seventh digit") << Num::answer(2092882.5, 3, Num::ShortDigits) << "2,092,883";
        QTest::newRow("a tie at the third decimal") << Num::answer(1.0625) << "1.063";
        QTest::newRow("short text of a tie") << Num::text(2092882.5, Num::ShortDigits) << "2092883";
        QTest::newRow("held to its operands") << Num::text(Num::held(273.1505 - 273.15, 273.1505)) << "0.0005";
        QTest::newRow("single, noise dropped") << Num::answer(double(499.400024f), 6, Num::ShortDigits) << "499.4";
        QTest::newRow("single, three digits stay") << Num::answer(0.5, 14, Num::ShortDigits) << "0.500";
        QTest::newRow("single, whole digits")
            << Num::answer(double(4.468e9f * 365.25f), 5, Num::ShortDigits) << "1,631,937,000,000";
        QTest::newRow("whole") << Num::whole(12.5) << "13";
        QTest::newRow("whole huge") << Num::whole(1e20) << "1.00E+20";
    }
    void formattedAnswers() {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void answersFollowTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Num::fixed(1234.5), QStringLiteral("1.234,500"));
        QCOMPARE(Num::text(2.5, Num::ShortDigits), QStringLiteral("2,5"));
        // Typed numbers keep "." whatever the locale.
        QCOMPARE(Num::toDouble(QStringLiteral("2.5")), 2.5);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void keyFilterAdmitsDigitsAndTheBoxsSigns() {
        auto* form = static_cast<ProbeForm*>(Forms::show(QStringLiteral("ProbeForm")));
        form->Text1->clear();
        NumericKeyFilter::attach(form->Text1, QStringLiteral(".\b"));
        TestSupport::type(form->Text1, QStringLiteral("12.5"));
        QCOMPARE(form->Text1->text(), QStringLiteral("12.5"));
        QVERIFY(TestSupport::messages().shown.isEmpty());
        QTest::keyClick(form->Text1, Qt::Key_Backspace);
        QCOMPARE(form->Text1->text(), QStringLiteral("12."));
        // Navigation and editing keys are untouched.
        QTest::keyClick(form->Text1, Qt::Key_Home);
        QTest::keyClick(form->Text1, Qt::Key_Delete);
        QCOMPARE(form->Text1->text(), QStringLiteral("2."));
        for (char c : {'a', '-', 'E', '+', ' '}) {
            TestSupport::messages().clear();
            QTest::keyClick(form->Text1, c);
            QCOMPARE(form->Text1->text(), QStringLiteral("2."));
            QCOMPARE(TestSupport::messages().shown.size(), 1);
            QCOMPARE(TestSupport::messages().lastText(), QStringLiteral("You must enter a valid numerical expression"));
            QCOMPARE(TestSupport::messages().shown.last().title, QStringLiteral("Tessival"));
        }
    }

    void messageBoxesJoinLinesAndDefaultTheTitle() {
        Msg::show(QStringLiteral("one\n\rtwo"));
        QCOMPARE(TestSupport::messages().shown.last().text, QStringLiteral("one\ntwo"));
        QCOMPARE(TestSupport::messages().shown.last().title, QStringLiteral("Tessival V1.5"));
        TestSupport::messages().answers = {Msg::Answer::No};
        QCOMPARE(Msg::show(QStringLiteral("?"), QStringLiteral("T"), Msg::Icon::Question, Msg::Buttons::YesNo),
                 Msg::Answer::No);
    }

    void windowsLoadOnceAndComeBackFresh() {
        g_loads = g_unloads = 0;
        QVERIFY(!Forms::isLoaded(QStringLiteral("ProbeForm")));
        auto* form = static_cast<ProbeForm*>(Forms::show(QStringLiteral("ProbeForm")));
        QVERIFY(form && form->isVisible());
        QCOMPARE(g_loads, 1);
        form->Text1->setText(QStringLiteral("typed"));
        // Showing again brings the same window with its contents.
        QCOMPARE(Forms::show(QStringLiteral("ProbeForm")), form);
        QCOMPARE(g_loads, 1);
        QCOMPARE(form->Text1->text(), QStringLiteral("typed"));
        QPointer<Form> old(form);
        Forms::unload(QStringLiteral("ProbeForm"));
        QCOMPARE(g_unloads, 1);
        QVERIFY(!Forms::isLoaded(QStringLiteral("ProbeForm")));
        TestSupport::settle();
        QVERIFY(old.isNull());
        form = static_cast<ProbeForm*>(Forms::show(QStringLiteral("ProbeForm")));
        QCOMPARE(g_loads, 2);
        QCOMPARE(form->Text1->text(), QStringLiteral("design"));
        // Unloading what is not loaded does nothing.
        Forms::unload(QStringLiteral("HiderForm"));
        QVERIFY(Forms::show(QStringLiteral("NoSuchWindow")) == nullptr);
    }

    void hidingAWindowThatIsNotLoadedLoadsIt() {
        g_loads = 0;
        Forms::show(QStringLiteral("HiderForm"));
        QVERIFY(Forms::isLoaded(QStringLiteral("ProbeForm")));
        QCOMPARE(g_loads, 1);
        QVERIFY(!Forms::loaded(QStringLiteral("ProbeForm"))->isVisible());
        QCOMPARE(Forms::loadedForms().size(), 2);
        QCOMPARE(Forms::loadedForms().first()->formName(), QStringLiteral("HiderForm"));
    }

    void unloadFromItsOwnHandlerAndByTheTitleBar() {
        auto* form = static_cast<ProbeForm*>(Forms::show(QStringLiteral("ProbeForm")));
        QPointer<Form> guard(form);
        form->cmdCancel->click();
        QVERIFY(!Forms::isLoaded(QStringLiteral("ProbeForm")));
        TestSupport::settle();
        QVERIFY(guard.isNull());
        form = static_cast<ProbeForm*>(Forms::show(QStringLiteral("ProbeForm")));
        g_unloads = 0;
        form->close();
        QCOMPARE(g_unloads, 1);
        QVERIFY(!Forms::isLoaded(QStringLiteral("ProbeForm")));
    }

    void defaultCancelAndKeyPreview() {
        auto* form = static_cast<ProbeForm*>(Forms::show(QStringLiteral("ProbeForm")));
        form->Text1->setFocus();
        // No default button: Enter does nothing.
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QCOMPARE(form->okClicks, 0);
        form->setDefaultButton(form->cmdOk);
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QCOMPARE(form->okClicks, 1);
        // A disabled default button lets Enter reach the box.
        form->cmdOk->setEnabled(false);
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QCOMPARE(form->okClicks, 1);
        form->cmdOk->setEnabled(true);
        // F1 reaches the window whatever control has the focus.
        QTest::keyClick(form->Text1, Qt::Key_F1);
        QTest::keyClick(form->cmdOk, Qt::Key_F1);
        QCOMPARE(form->f1, 2);
        // Escape with no cancel button does nothing; with one it runs it.
        QTest::keyClick(form->Text1, Qt::Key_Escape);
        QVERIFY(Forms::isLoaded(QStringLiteral("ProbeForm")));
        form->setCancelButton(form->cmdCancel);
        QTest::keyClick(form->Text1, Qt::Key_Escape);
        QVERIFY(!Forms::isLoaded(QStringLiteral("ProbeForm")));
    }
};

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
