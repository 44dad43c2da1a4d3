// The gas-laws chooser and Graham's law, driven as a student would.
#include <QAction>
#include <QtTest>

#include "TestSupport.h"
#include "gases/GasWindows.h"
#include "shell/frmMain.h"

using TestSupport::messages;
using TestSupport::shown;

namespace {
frmGrahams* grahams() {
    auto* f = qobject_cast<frmGrahams*>(Forms::show(QStringLiteral("frmGrahams")));
    TestSupport::settle();
    return f;
}

void expectLast(int count, const QString& text, Msg::Icon icon) {
    QCOMPARE(messages().shown.size(), count);
    QCOMPARE(messages().lastText(), text);
    QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
    QCOMPARE(messages().shown.last().icon, icon);
}
}  // namespace

class TestGases : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // Each row starts from Sqr(32 / 2) = 4.000, which a refused row leaves in place.
    void grahamsRows_data() {
        for (const char* c : {"m1", "m2", "answer", "work", "message"}) QTest::addColumn<QString>(c);
        QTest::newRow("hydrogen and oxygen") << "2" << "32" << "4.000" << "Sqr(32 / 2)" << "";
        QTest::newRow("heavier first") << "32" << "2" << "0.250" << "Sqr(2 / 32)" << "";
        QTest::newRow("typed texts kept") << "2" << "032" << "4.000" << "Sqr(032 / 2)" << "";
        QTest::newRow("points") << ".5" << "3." << "2.449" << "Sqr(3. / .5)" << "";
        QTest::newRow("grouped answer") << "1" << "4000000" << "2,000.000" << "Sqr(4000000 / 1)" << "";
        const QString k = QStringLiteral("4.000"), w = QStringLiteral("Sqr(32 / 2)");
        const QString one = QStringLiteral("You must enter a valid molecular weight in box one.");
        const QString positive = QStringLiteral("You must enter a number larger than 0.");
        const QString fault = QStringLiteral("Data entry error");
        QTest::newRow("both empty") << "" << "" << k << w << one;
        QTest::newRow("first empty") << "" << "32" << k << w << one;
        QTest::newRow("first zero") << "0" << "" << k << w << positive;
        QTest::newRow("first 0.0") << "0.0" << "32" << k << w << positive;
        QTest::newRow("first negative pasted") << "-2" << "32" << k << w << positive;
        QTest::newRow("second empty") << "2" << "" << k << w << "You must enter a valid molecular weight in box two.";
        QTest::newRow("second zero") << "2" << "0" << k << w << positive;
        QTest::newRow("second negative pasted") << "2" << "-32" << k << w << positive;
        QTest::newRow("two points") << "1.2.3" << "32" << k << w << fault;
        QTest::newRow("pasted letters") << "2" << "abc" << k << w << fault;
        QTest::newRow("lone point") << "." << "32" << k << w << fault;
        QTest::newRow("beyond double") << "1" + QString(309, QLatin1Char('0')) << "32" << k << w << fault;
        // Both weights are numbers; their quotient is not.
        QTest::newRow("rate overflows") << "0." + QString(319, QLatin1Char('0')) + "1"
                                        << "3" + QString(38, QLatin1Char('0')) << k << w << fault;
    }
    void grahamsRows() {
        QFETCH(QString, m1);
        QFETCH(QString, m2);
        QFETCH(QString, answer);
        QFETCH(QString, work);
        QFETCH(QString, message);
        frmGrahams* f = grahams();
        TestSupport::type(f->Text1, QStringLiteral("2"));
        TestSupport::type(f->Text2, QStringLiteral("32"));
        f->cmdOk->click();
        const bool edited = m1 != f->Text1->text() || m2 != f->Text2->text();
        f->Text1->setText(m1);
        f->Text2->setText(m2);
        // An edit empties the first answer: a refused row written as keeping it shows nothing.
        if (edited && !message.isEmpty() && answer == QLatin1String("4.000")) answer = work = QString();
        TestSupport::press(f->Text2, Qt::Key_Return);  // Ok is enabled: the default button
        if (message.isEmpty())
            QVERIFY(messages().shown.isEmpty());
        else
            expectLast(1, message, message == QLatin1String("Data entry error") ? Msg::Icon::None
                                                                                : Msg::Icon::Information);
        QCOMPARE(f->Text5->text(), answer);
        QCOMPARE(f->Text3->text(), work);
    }

    void grahamsKeyFilter() {
        frmGrahams* f = grahams();
        for (const char* key : {"-", "+", "E", "e", "x", ",", " "}) for (QLineEdit* box : {f->Text1, f->Text2}) {
            box->clear();
            messages().clear();
            TestSupport::type(box, QStringLiteral("1.5"));
            TestSupport::type(box, QLatin1String(key));
            QCOMPARE(box->text(), QStringLiteral("1.5"));
            expectLast(1, QStringLiteral("You must enter a valid numerical expression"), Msg::Icon::None);
            TestSupport::press(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), QStringLiteral("1."));
            QCOMPARE(messages().shown.size(), 1);
        }
    }

    void grahamsEnablingEnterClearAndPrint() {
        frmGrahams* f = grahams();
        QVERIFY(!f->cmdOk->isEnabled() && !f->cmdPrint->isEnabled());
        QCOMPARE(f->focusWidget(), f->Text1);
        TestSupport::type(f->Text2, QStringLiteral("32"));
        QVERIFY(!f->cmdOk->isEnabled() && !f->cmdPrint->isEnabled());
        // Enter while Ok is disabled runs Ok once.
        TestSupport::press(f->Text2, Qt::Key_Return);
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid molecular weight in box one."));
        QCOMPARE(f->Text2->text(), QStringLiteral("32"));
        messages().clear();
        TestSupport::type(f->Text1, QStringLiteral("2"));
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        f->cmdOk->click();
        f->cmdClear->click();
        for (QLineEdit* b : {f->Text1, f->Text2, f->Text5, f->Text3}) QVERIFY(b->text().isEmpty());
        QCOMPARE(f->focusWidget(), f->Text1);
        QVERIFY(f->cmdOk->isEnabled() && f->cmdPrint->isEnabled());
        f->cmdOk->click();
        QCOMPARE(messages().lastText(), QStringLiteral("You must enter a valid molecular weight in box one."));
        f->cmdPrint->click();
        QCOMPARE(TestSupport::printer().printed, QList<QWidget*>{f});
    }

    // Every gas calculator has a fixed border around its controls at their
    // full height, except Boyle's law, whose border the student can drag.
    void borders_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("sizable");
        for (const char* w : {"frmBoyles", "frmCharlesLaw", "frmCombinedLaws", "frmDalton", "frmGasDensity",
                              "frmGayLussac", "frmGrahams", "frmIdeal", "frmMassVolume", "frmMolarVolume",
                              "frmMolecularWeight", "frmRaoults", "frmVolumeVolume"})
            QTest::newRow(w) << w << (QLatin1String(w) == "frmBoyles");
    }
    void borders() {
        QFETCH(QString, window);
        QFETCH(bool, sizable);
        Form* f = Forms::show(window);
        TestSupport::settle();
        QVERIFY(f);
        QCOMPARE(f->minimumSize() != f->maximumSize(), sizable);
        QStringList squeezed;
        for (QLineEdit* b : f->findChildren<QLineEdit*>())
            if (b->isVisible() && b->height() < b->minimumSizeHint().height()) squeezed << b->objectName();
        QVERIFY2(squeezed.isEmpty(), qPrintable(squeezed.join(QStringLiteral(", "))));
        if (!sizable) return;
        // Dragged larger, every control stays in the window.
        f->resize(f->size() + QSize(120, 80));
        TestSupport::settle();
        for (QWidget* w : f->findChildren<QWidget*>())
            if (w->isVisible()) QVERIFY2(f->rect().contains(QRect(w->mapTo(f, QPoint(0, 0)), w->size())),
                                         qPrintable(w->objectName()));
    }

    // The "collected over water" box stands above the boxes, the full width of the window.
    void combinedLawsCheckBoxOnTop() {
        auto* f = qobject_cast<frmCombinedLaws*>(Forms::show(QStringLiteral("frmCombinedLaws")));
        TestSupport::settle();
        QVERIFY(f);
        const int top = f->chk1->mapTo(f, QPoint(0, f->chk1->height())).y();
        for (QWidget* w : f->findChildren<QWidget*>())
            if (w != f->chk1 && w->isVisible() && w->parentWidget() == f) QVERIFY(w->mapTo(f, QPoint(0, 0)).y() >= top);
        QCOMPARE(f->chk1->width(), f->Text6->width());
    }

    // The chooser opens with the focus on Cancel, and Tab walks the buttons
    // in their tab-index order, not their place in the columns.
    void gasLawsTabOrder() {
        Form* f = Forms::show(QStringLiteral("frmGasLaws"));
        QVERIFY(f);
        QWidget* w = f->focusWidget();
        QVERIFY(w);
        QStringList chain;
        for (int i = 0; i < 15; ++i) {
            chain << w->objectName();
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) w = w->nextInFocusChain();
        }
        QCOMPARE(chain, (QStringList{"cmdCancel", "cmdCharles", "cmdBoyles", "cmdIdeal", "cmdGasDensity", "cmdDaltons",
                                     "cmdCombined", "cmdMolarVolume", "cmdMolecular", "cmdMassGas", "cmdVolumeVolume",
                                     "cmdGayLussac", "cmdRaoults", "cmdGrahams", "cmdCancel"}));
    }

    void grahamsTitleTabOrderAndHelp() {
        frmGrahams* f = grahams();
        QCOMPARE(f->windowTitle(), QStringLiteral("Graham's Law"));
        QVERIFY(!f->Text5->isEnabled() && !f->Text3->isEnabled());
        TestSupport::type(f->Text1, QStringLiteral("2"));
        QWidget* w = f->Text1;
        QStringList chain;
        for (int i = 0; i < 5; ++i) {
            chain << w->objectName();
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) w = w->nextInFocusChain();
        }
        QCOMPARE(chain, (QStringList{"Text1", "Text2", "cmdOk", "cmdClear", "cmdCancel"}));
        TestSupport::press(f->Text2, Qt::Key_F1);
        QVERIFY(shown("frmHelp") && shown("frmGrahams"));
        QVERIFY(messages().shown.isEmpty());
        f->cmdHelp->click();
        QCOMPARE(messages().shown.size(), 1);
        QVERIFY(messages().lastText().startsWith(QStringLiteral("When two gases are introduced into a vacuum")));
        QVERIFY(messages().lastText().endsWith(QStringLiteral("of gas #1 to the rate of gas #2.")));
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
    }

    void chooserFromMainWindowAndKeys() {
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        m->cmdGases->click();
        TestSupport::settle();
        Form* c = Forms::loaded(QStringLiteral("frmGasLaws"));
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Gas Laws"));
        QCOMPARE(c->focusWidget()->objectName(), QStringLiteral("cmdCancel"));
        // Enter at once chooses the focused Cancel.
        TestSupport::press(c->focusWidget(), Qt::Key_Return);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGasLaws")) && m->isVisible());
        m->cmdGases->click();
        TestSupport::settle();
        c = Forms::loaded(QStringLiteral("frmGasLaws"));
        TestSupport::child<QPushButton>(c, "cmdGrahams")->click();
        TestSupport::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmGasLaws")) && !c->isVisible());
        QVERIFY(shown("frmGrahams") && m->isVisible());
        // "Gases" again brings the hidden chooser back; the calculator stays.
        m->cmdGases->click();
        QVERIFY(c->isVisible() && shown("frmGrahams"));
        // Escape closes the chooser alone.
        TestSupport::press(c->focusWidget(), Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGasLaws")));
        QVERIFY(m->isVisible() && shown("frmGrahams"));
    }

    void menuOpensCalculatorEscapeStaysCancelReturns() {
        auto* m = static_cast<frmMain*>(Forms::show(QStringLiteral("frmMain")));
        m->findChild<QAction*>(QStringLiteral("mnuGrahams"))->trigger();
        TestSupport::settle();
        auto* f = Forms::get<frmGrahams>(QStringLiteral("frmGrahams"));
        QVERIFY(f && f->isVisible());
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGasLaws")));
        TestSupport::type(f->Text1, QStringLiteral("2"));
        // Escape does nothing here.
        TestSupport::press(f->Text1, Qt::Key_Escape);
        TestSupport::settle();
        QVERIFY(shown("frmGrahams") && !Forms::isLoaded(QStringLiteral("frmGasLaws")));
        QCOMPARE(f->Text1->text(), QStringLiteral("2"));
        // Picked from the chooser while open: brought forward unchanged.
        Form* c = Forms::show(QStringLiteral("frmGasLaws"));
        TestSupport::child<QPushButton>(c, "cmdGrahams")->click();
        TestSupport::settle();
        QCOMPARE(Forms::get<frmGrahams>(QStringLiteral("frmGrahams")), f);
        QCOMPARE(f->Text1->text(), QStringLiteral("2"));
        QVERIFY(!c->isVisible());
        f->cmdCancel->click();
        TestSupport::settle();
        QVERIFY(shown("frmGasLaws") && !Forms::isLoaded(QStringLiteral("frmGrahams")));
        // Opened again, it starts from its design state.
        f = grahams();
        QVERIFY(f->Text1->text().isEmpty() && !f->cmdOk->isEnabled());
    }
};

QTEST_MAIN(TestGases)
#include "tst_gases.moc"
