// A screen reader presses buttons of a window while one of its message
// boxes is open, with the program's own boxes: weight calculations, the key
// filter's box open at "-", Ok pressed behind it, both boxes closed, Cancel.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "formulas/frmWeightCalculations.h"

using namespace Qt::StringLiterals;

namespace {
// Presses the button through its accessibility interface, as a screen reader
// does; the click comes a moment later.
void pressAccessibly(QAbstractButton* b) {
    QAccessibleInterface* i = b ? QAccessible::queryAccessibleInterface(b) : nullptr;
    if (i && i->actionInterface()) i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}
}  // namespace

class TstPressBehind : public QObject {
    Q_OBJECT
    std::shared_ptr<Msg::Service> m_fake;
private slots:
    void initTestCase() {
        TestSupport::initWindows();
        m_fake = Msg::setService(nullptr);  // the boxes a student sees
    }
    void cleanupTestCase() { Msg::setService(m_fake); }

    void pressesBehindTheKeyFiltersBox_data() {
        QTest::addColumn<QString>("behind");  // the button pressed while the key's box is open
        QTest::addColumn<QString>("after");   // pressed once the boxes are closed
        QTest::newRow("Ok, then Cancel") << "cmdOk" << "cmdCancel";
        QTest::newRow("Ok, then Clear") << "cmdOk" << "cmdClear";
        QTest::newRow("Cancel, then nothing") << "cmdCancel" << "";
        QTest::newRow("Clear, then Ok") << "cmdClear" << "cmdOk";
    }
    void pressesBehindTheKeyFiltersBox() {
        QFETCH(QString, behind);
        QFETCH(QString, after);
        QPointer<frmWeightCalculations> w = TestSupport::open<frmWeightCalculations>(u"frmWeightCalculations"_s);
        QVERIFY(w);
        QApplication::setActiveWindow(w);
        w->Text2->setFocus();
        QTest::keyClicks(w->Text2, u"1E"_s);
        QStringList seen;
        bool pressed = false;
        QPointer<QAbstractButton> pressing;
        QTimer hand;
        // While a box is open: the press behind it first, then, once the press
        // has ended, each box closed, the last first.
        connect(&hand, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (!pressed) {
                pressed = true;
                pressing = w ? w->findChild<QAbstractButton*>(behind) : nullptr;
                pressAccessibly(pressing);
                return;
            }
            if (pressing && pressing->isDown()) return;
            seen << box->text();
            box->done(QMessageBox::Ok);
        });
        hand.start(20);
        {
            // The key as the window system gives it: its release only to a box still there.
            QPointer<QLineEdit> box = w->Text2;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, u"-"_s);
            QApplication::sendEvent(box, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Minus, Qt::NoModifier, u"-"_s);
            if (box) QApplication::sendEvent(box, &release);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 60000);
        hand.stop();
        QVERIFY(pressed);
        TestSupport::settle();
        // Cancel takes the window, and its box, away; else the key's box was seen and closed.
        QCOMPARE(w.isNull(), behind == u"cmdCancel"_s);
        if (w) QVERIFY2(seen.contains(u"You must enter a valid numerical expression"_s), qPrintable(seen.join(u" | ")));
        else QVERIFY(Forms::isLoaded(u"frmWeightChoice"_s));
        if (w) QCOMPARE(w->Text2->text(), behind == u"cmdClear"_s ? QString() : u"1E"_s);
        if (!after.isEmpty() && w) {
            hand.start(20);  // a box the press opens is closed as a student would
            pressing = w->findChild<QAbstractButton*>(after);
            pressAccessibly(pressing);
            QTRY_VERIFY_WITH_TIMEOUT((!pressing || !pressing->isDown()) && !QApplication::activeModalWidget(), 60000);
            hand.stop();
        }
        TestSupport::settle();
        TestSupport::unloadAll();
    }
};

QTEST_MAIN(TstPressBehind)
#include "tst_pressbehind.moc"
