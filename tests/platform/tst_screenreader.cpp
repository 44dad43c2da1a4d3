// Every window walked with Tab as a screen reader hears it: each focus event
// names the widget that has the focus (an item view's focused item inside it)
// by a name it can speak, and each Tab that moves the focus is heard on the
// control it reached.
#include <QApplication>
#include <QPointer>
#include <QTest>

#include "ScreenReader.h"
#include "TestSupport.h"

namespace {
QString describe(const ScreenReader::Heard& e) {
    return QStringLiteral("focus heard on %1 (child %2, \"%3\") while %4 has it")
        .arg(e.object ? e.object->objectName() : QStringLiteral("nothing"))
        .arg(e.child)
        .arg(e.name, e.focus ? e.focus->objectName() : QStringLiteral("nothing"));
}
}  // namespace

class TstScreenReader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    void tabWalkIsHeard_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : Forms::registeredKinds()) QTest::newRow(qPrintable(name)) << name;
    }
    void tabWalkIsHeard() {
        QFETCH(QString, name);
        ScreenReader reader;
        QPointer<Form> f = TestSupport::open(name);
        if (!f || !f->isVisible()) QSKIP("the window does not stay open by itself");
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QStringList faults;
        auto listen = [&](const QString& when) {
            for (const ScreenReader::Heard& e : reader.of(QAccessible::Focus))
                if (!e.object || e.object != e.focus || !e.state.focused || e.name.trimmed().isEmpty())
                    faults << when + ": " + describe(e);
        };
        listen(QStringLiteral("opening"));
        // Once round the window: until the focus comes back to a control it had.
        QList<QWidget*> visited;
        QStringList walk;
        for (int i = 0; i < 300; ++i) {
            QPointer<QWidget> before = QApplication::focusWidget();
            QVERIFY2(before && before->window() == f, qPrintable(QStringLiteral("the focus left the window")));
            visited << before;
            walk << before->objectName();
            reader.clear();
            QTest::keyClick(before, Qt::Key_Tab);
            TestSupport::settle();
            QWidget* now = QApplication::focusWidget();
            const QString tab = QStringLiteral("Tab from %1").arg(walk.last());
            listen(tab);
            if (!f || !f->isVisible()) return;  // a window that any key closes
            const QList<ScreenReader::Heard> focus = reader.of(QAccessible::Focus);
            if (now != before && (focus.isEmpty() || focus.last().object != now))
                faults << tab + QStringLiteral(" to %1 is not heard")
                                    .arg(now ? now->objectName() : QStringLiteral("nothing"));
            if (now == before || visited.contains(now)) break;
        }
        QVERIFY2(visited.size() > 1, qPrintable(QStringLiteral("Tab stays on ") + walk.join(QLatin1Char(','))));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TstScreenReader)
#include "tst_screenreader.moc"
