// The "General Problems" chooser, the significant-figure counter and its window.
#include <QApplication>
#include <QClipboard>
#include <QAction>
#include <QtTest>

#include "TestSupport.h"
#include "measure/SigFigCounter.h"
#include "measure/frmGeneralChoice.h"
#include "measure/frmSigfig.h"
#include "shell/frmMain.h"

using TestSupport::messages;
using TestSupport::shown;

namespace {
frmSigfig* sigfig() {
    auto* f = qobject_cast<frmSigfig*>(Forms::show(QStringLiteral("frmSigfig")));
    TestSupport::settle();
    return f;
}

const QString Title = QStringLiteral("Significant Figures");
const QString Valid = QStringLiteral("You must enter valid data into the box.");
}  // namespace

class TestMeasure : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void counts_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("figures");
        const QList<QPair<const char*, int>> rows{{"1234", 4},  {"1200", 2}, {"1200.", 4},  {"1002", 4},
                                                  {"0.0025", 2}, {"0.00250", 3}, {".5", 1}, {"100.0", 4},
                                                  {"10.05", 4}, {"3.", 1},     {"007", 1},  {"10203000", 5}};
        for (const auto& r : rows) QTest::newRow(r.first) << QString::fromLatin1(r.first) << r.second;
    }
    void counts() {
        QFETCH(QString, number);
        QFETCH(int, figures);
        const SigFigs::Count c = SigFigs::count(number.toStdString());
        QVERIFY(c.complete);
        QCOMPARE(c.figures, figures);
        // Through the window: typed, then Enter.
        frmSigfig* f = sigfig();
        TestSupport::type(f->txtSigfig1, number);
        TestSupport::press(f->txtSigfig1, Qt::Key_Return);
        QVERIFY(messages().shown.isEmpty());
        QCOMPARE(f->txtSigfig2->text(), QString::number(figures));
    }

    void countsAreIndependentAndPastedMinusDropped() {
        frmSigfig* f = sigfig();
        TestSupport::type(f->txtSigfig1, QStringLiteral("12.0"));
        f->cmdOk->click();
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("3"));
        f->txtSigfig1->setText(QStringLiteral("100"));
        f->cmdOk->click();
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("1"));
        f->cmdOk->click();
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("1"));
        f->txtSigfig1->setText(QStringLiteral("-25.0"));
        f->cmdOk->click();
        QCOMPARE(f->txtSigfig1->text(), QStringLiteral("25.0"));
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("3"));
        QVERIFY(messages().shown.isEmpty());
    }

    // Texts the window itself may hold (a program's write, not a student's
    // key or paste): the checks and the count's fault. A new number empties
    // the last count; a count stopped by a character shows the count reached.
    void refusals_data() {
        for (const char* c : {"pasted", "message", "title"}) QTest::addColumn<QString>(c);
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<QString>("count");
        const int none = int(Msg::Icon::None), info = int(Msg::Icon::Information);
        QTest::newRow("empty") << "" << Valid << Title << none << "" << "";
        QTest::newRow("0") << "0" << Valid << Title << none << "0" << "";
        QTest::newRow("0.0") << "0.0" << Valid << Title << none << "0.0" << "";
        QTest::newRow("--5 loses one sign") << "--5" << Valid << Title << none << "-5" << "";
        QTest::newRow("two points") << "1.2.3" << "Type mismatch" << Title << info << "1.2.3" << "";
        QTest::newRow("group separator") << "1,000" << "Type mismatch" << Title << info << "1,000" << "";
        QTest::newRow("beyond double") << "9E999" << "Overflow" << Title << info << "9E999" << "";
        // Converts, but holds a character the count refuses.
        QTest::newRow("exponent") << "12E3" << "Type mismatch" << "Tessival" << info << "12E3" << "2";
        QTest::newRow("6.02E23") << "6.02E23" << "Type mismatch" << "Tessival" << info << "6.02E23" << "3";
        QTest::newRow("blank") << "25 " << "Type mismatch" << "Tessival" << info << "25 " << "2";
        QTest::newRow("plus") << "+25" << "Type mismatch" << "Tessival" << info << "+25" << "0";
    }
    void refusals() {
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(QString, boxAfter);
        QFETCH(QString, count);
        frmSigfig* f = sigfig();
        TestSupport::type(f->txtSigfig1, QStringLiteral("1.2345"));
        f->cmdOk->click();
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("5"));
        f->txtSigfig1->setText(pasted);
        QCOMPARE(f->txtSigfig2->text(), QString());
        f->cmdOk->click();
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), message);
        QCOMPARE(messages().shown.last().title, title);
        QCOMPARE(messages().shown.last().icon, Msg::Icon(icon));
        QCOMPARE(f->txtSigfig2->text(), count);
        QCOMPARE(f->txtSigfig1->text(), boxAfter);
    }

    // A student's paste is held to the keys' characters and to the box's 20
    // characters: refused whole, never cut, and no earlier count stays
    // beside a new number.
    void pastesAreTakenWholeOrRefused() {
        frmSigfig* f = sigfig();
        const QString keyMessage = QStringLiteral("You must enter a valid numerical expression");
        auto paste = [f](const QString& text) {
            QApplication::clipboard()->setText(text);
            f->txtSigfig1->selectAll();
            TestSupport::press(f->txtSigfig1, Qt::Key_V, Qt::ControlModifier);
            TestSupport::settle();
        };
        TestSupport::type(f->txtSigfig1, QStringLiteral("12.0"));
        f->cmdOk->click();
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("3"));
        for (const QString& text : {QStringLiteral("12345678901234567890123"), QStringLiteral("6.02E23"),
                                    QStringLiteral("-25.0"), QStringLiteral("1,000"), QStringLiteral("2 5")}) {
            messages().clear();
            paste(text);
            QCOMPARE(messages().shown.size(), 1);
            QCOMPARE(messages().lastText(), keyMessage);
            QCOMPARE(messages().shown.last().title, Title);
            QCOMPARE(messages().shown.last().icon, Msg::Icon::None);
            QCOMPARE(f->txtSigfig1->text(), QStringLiteral("12.0"));
            QCOMPARE(f->txtSigfig2->text(), QStringLiteral("3"));
        }
        messages().clear();
        paste(QStringLiteral("12345678901234567890"));  // 20 characters: taken
        QCOMPARE(f->txtSigfig1->text(), QStringLiteral("12345678901234567890"));
        QCOMPARE(f->txtSigfig2->text(), QString());
        TestSupport::type(f->txtSigfig1, QStringLiteral("1"));  // a key past the 20th is dropped
        QCOMPARE(f->txtSigfig1->text().size(), 20);
        f->cmdOk->click();
        QVERIFY(messages().shown.isEmpty());
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("19"));
        paste(QStringLiteral(" 6.02\n"));  // the blanks a copy brings along
        QCOMPARE(f->txtSigfig1->text(), QStringLiteral("6.02"));
        QCOMPARE(f->txtSigfig2->text(), QString());
        TestSupport::press(f->txtSigfig1, Qt::Key_Return);
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("3"));
        TestSupport::press(f->txtSigfig1, Qt::Key_Backspace);
        QCOMPARE(f->txtSigfig2->text(), QString());
        QVERIFY(messages().shown.isEmpty());
    }

    void keysLengthClearAndPrint() {
        frmSigfig* f = sigfig();
        QVERIFY(!f->cmdOk->isEnabled() && !f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->txtSigfig1);
        // Enter with Ok disabled runs Ok.
        TestSupport::press(f->txtSigfig1, Qt::Key_Return);
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), Valid);
        messages().clear();
        TestSupport::type(f->txtSigfig1, QStringLiteral("1.5"));
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        for (const char* key : {"-", "+", "E", ",", "a"}) TestSupport::type(f->txtSigfig1, QLatin1String(key));
        QCOMPARE(messages().shown.size(), 5);
        for (const Msg::Box& b : messages().shown) {
            QCOMPARE(b.text, QStringLiteral("You must enter a valid numerical expression"));
            QCOMPARE(b.title, Title);
            QCOMPARE(b.icon, Msg::Icon::None);
        }
        QCOMPARE(f->txtSigfig1->text(), QStringLiteral("1.5"));
        f->txtSigfig1->clear();
        TestSupport::type(f->txtSigfig1, QString(30, QLatin1Char('1')));
        QCOMPARE(f->txtSigfig1->text().size(), 20);
        QCOMPARE(messages().shown.size(), 5);
        f->cmdOk->click();
        QCOMPARE(f->txtSigfig2->text(), QStringLiteral("20"));
        f->cmdClear->click();
        QVERIFY(f->txtSigfig1->text().isEmpty() && f->txtSigfig2->text().isEmpty());
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->txtSigfig1);
        f->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed.last(), static_cast<QWidget*>(f));
    }

    void chooserRoad() {
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        m->cmdGeneral->click();
        TestSupport::settle();
        Form* c = Forms::loaded(QStringLiteral("frmGeneralChoice"));
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("General Problems"));
        // Enter runs "Significant Figures".
        TestSupport::press(c->focusWidget(), Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(shown("frmSigfig"));
        QVERIFY(!c->isVisible() && Forms::isLoaded(QStringLiteral("frmGeneralChoice")));
        frmSigfig* f = Forms::get<frmSigfig>(QStringLiteral("frmSigfig"));
        QCOMPARE(f->windowTitle(), Title);
        f->cmdHelp->click();
        QCOMPARE(messages().shown.size(), 1);
        QVERIFY(messages().lastText().contains(QStringLiteral("numbers that are real , dependable numbers")));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
        TestSupport::press(f->txtSigfig1, Qt::Key_F1);
        QVERIFY(shown("frmHelp"));
        TestSupport::press(f->txtSigfig1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSigfig")) && c->isVisible());
        TestSupport::press(c->focusWidget(), Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGeneralChoice")) && m->isVisible());
        // From the menu, the load hides a shown chooser; Cancel shows it.
        m->cmdGeneral->click();
        m->findChild<QAction*>(QStringLiteral("mnuSignificantfigures"))->trigger();
        TestSupport::settle();
        c = Forms::loaded(QStringLiteral("frmGeneralChoice"));
        QVERIFY(c && !c->isVisible());
        QVERIFY(shown("frmSigfig"));
        Forms::get<frmSigfig>(QStringLiteral("frmSigfig"))->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(shown("frmGeneralChoice"));
    }
};

QTEST_MAIN(TestMeasure)
#include "tst_measure.moc"
