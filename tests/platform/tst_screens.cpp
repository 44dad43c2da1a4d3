// Every window on a small screen at a large scale (1024 x 768 at 200 %, or
// TESSIVAL_SCREEN=1366x768@1.5): its frame inside the screen's available
// area, and every control on screen or scrolled into view.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "TestSupport.h"
#include "refdata/viewers/TableViewerForm.h"
#include "solutions/frmFreezing.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <optional>

namespace {
struct ScreenSize {
    int width = 1024, height = 768;
    double scale = 2;
};

// TESSIVAL_SCREEN: width x height @ scale.
ScreenSize screenSize() {
    ScreenSize s;
    const QString asked = qEnvironmentVariable("TESSIVAL_SCREEN");
    static const QRegularExpression form(QStringLiteral("^(\\d+)x(\\d+)@([0-9.]+)$"));
    if (const QRegularExpressionMatch m = form.match(asked); m.hasMatch())
        s = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toDouble()};
    return s;
}

bool isControl(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
}

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A list with titles over its columns, and what places them.
struct Headed {
    QLabel* heading;
    QListWidget* list;
    QList<FixedColumnTable::Title> titles;
    QList<FixedColumnTable::Cell> cells;
    QList<int> widths;
};
std::optional<Headed> headed(Form* f) {
    if (auto* v = qobject_cast<TableViewerForm*>(f))
        return Headed{v->Label1, v->List1, v->design().heading, v->design().cells, v->widths()};
    if (auto* z = qobject_cast<frmFreezing*>(f))
        return Headed{z->Label6, z->lstList1, frmFreezing::titles(), frmFreezing::cells(), z->widths()};
    return std::nullopt;
}

QRect globalRect(QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// The scroll areas around a control, innermost first.
QList<QScrollArea*> scrollAreas(QWidget* w, QWidget* window) {
    QList<QScrollArea*> out;
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto* a = qobject_cast<QScrollArea*>(p); a && a->widget() && a->widget()->isAncestorOf(w)) out << a;
    return out;
}
}  // namespace

class TstScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        TestSupport::initWindows();
        QScreen* s = QGuiApplication::primaryScreen();
        QVERIFY(s);
        const ScreenSize size = screenSize();
        QCOMPARE(s->devicePixelRatio(), size.scale);
        if (!qEnvironmentVariableIsSet("TESSIVAL_SCREENSHOTS")) {
            QVERIFY(qAbs(s->availableGeometry().width() - size.width / size.scale) <= 1);
            QVERIFY(qAbs(s->availableGeometry().height() - size.height / size.scale) <= 1);
        }
    }
    void cleanup() { TestSupport::reset(); }

    // Every list with titles over its columns, whatever the fonts and the
    // scale: the column nearest each title's middle is its own, as the list
    // draws it (a title wider than its column may reach past it), and two
    // titles stand at least two blanks apart.
    void headingsStandOverTheirColumns_data() {
        QTest::addColumn<QString>("name");
        int lists = 0;
        for (const QString& name : Forms::registeredKinds()) {
            if (!headed(Forms::load(name))) continue;
            QTest::newRow(qPrintable(name)) << name;
            ++lists;
        }
        TestSupport::unloadAll();
        QVERIFY2(lists >= 17, qPrintable(QString::number(lists)));
    }
    void headingsStandOverTheirColumns() {
        QFETCH(QString, name);
        Form* f = Forms::show(name);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const std::optional<Headed> h = headed(f);
        QVERIFY(h && h->list->count() > 0);
        const QFontMetricsF lm(h->list->font()), hm(h->heading->font());
        const qreal charWidth = lm.horizontalAdvance(QLatin1Char('0'));
        // Where the list's lines and the heading's text begin, in the window.
        const int margin = h->list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, h->list) + 1;
        const qreal lineX =
            h->list->viewport()->mapTo(f, QPoint(h->list->visualItemRect(h->list->item(0)).left(), 0)).x() + margin;
        const qreal headX = h->heading->mapTo(f, h->heading->contentsRect().topLeft()).x();
        // The middle of each column as the list draws it.
        QList<qreal> middles;
        int at = 0;
        for (int i = 0; i < h->cells.size(); ++i) {
            const int start = at + h->cells.at(i).blanksBefore;
            at = start + h->widths.value(i, h->cells.at(i).width);
            middles << lineX + (start + at) / 2.0 * charWidth;
        }
        const QString text = h->heading->text();
        const qreal gap = 2 * hm.horizontalAdvance(QLatin1Char(' '));
        qsizetype from = 0;
        qreal previousEnd = -1;
        for (int i = 0; i < h->titles.size() && i < middles.size(); ++i) {
            const QString& title = h->titles.at(i).text;
            const qsizetype pos = text.indexOf(title, from);
            QVERIFY2(pos >= 0, qPrintable(title));
            const qreal start = hm.horizontalAdvance(text.left(pos));
            if (i > 0)
                QVERIFY2(start - previousEnd >= gap - 0.01,
                         qPrintable(QStringLiteral("%1 stands %2 px after the title before it, under %3")
                                        .arg(title).arg(start - previousEnd).arg(gap)));
            previousEnd = hm.horizontalAdvance(text.left(pos + title.size()));
            from = pos + title.size();
            const qreal middle = headX + hm.horizontalAdvance(text.left(pos)) + hm.horizontalAdvance(title) / 2;
            int nearest = 0;
            for (int c = 1; c < middles.size(); ++c)
                if (qAbs(middles.at(c) - middle) < qAbs(middles.at(nearest) - middle)) nearest = c;
            QVERIFY2(nearest == i, qPrintable(QStringLiteral("%1 at %2 stands nearest column %3 (middle %4), not %5 (%6)")
                                                  .arg(title).arg(middle).arg(nearest + 1).arg(middles.at(nearest))
                                                  .arg(i + 1).arg(middles.at(i))));
        }
    }

    void everyWindowFitsAndEveryControlIsReachable_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : Forms::registeredKinds()) QTest::newRow(qPrintable(name)) << name;
    }

    void everyWindowFitsAndEveryControlIsReachable() {
        QFETCH(QString, name);
        Form* f = TestSupport::open(name);
        if (!f || !f->isVisible()) QSKIP("the window does not stay open by itself");
        const QRect area = f->screen()->availableGeometry();
        QVERIFY2(area.contains(f->frameGeometry()), qPrintable(describe(f->frameGeometry()) + " in " + describe(area)));
        QStringList unreachable;
        for (QWidget* w : f->findChildren<QWidget*>()) {
            if (!isControl(w) || !w->isVisibleTo(f) || w->window() != f) continue;
            // Inside the window's scroll area, a control that takes the focus
            // scrolls into view; others are scrolled to, innermost area first.
            const QList<QScrollArea*> areas = scrollAreas(w, f);
            if (areas.size() == 1 && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
                w->setFocus(Qt::TabFocusReason);
                QCOMPARE(QApplication::focusWidget(), w);
            } else {
                for (QScrollArea* a : areas) {
                    const QPoint c = w->mapTo(a->widget(), w->rect().center());
                    a->ensureVisible(c.x(), c.y(), w->width() / 2 + 1, w->height() / 2 + 1);
                }
            }
            QRect seen = globalRect(w);
            QRect room = area;
            for (QScrollArea* a : areas) room &= globalRect(a->viewport());
            const bool larger = w->width() > room.width() || w->height() > room.height();
            // A control larger than its view shows a part of itself; any other shows whole.
            if (larger ? !room.intersects(seen) : !room.contains(seen))
                unreachable << w->objectName() + " at " + describe(seen) + " in " + describe(room);
        }
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(QStringLiteral(", "))));
    }

    // With TESSIVAL_SCREENSHOTS=folder, on a real display (xvfb-run -s '-screen 0 1024x768x24'),
    // pictures of the whole screen with some large windows, to look at.
    void screenshots() {
        const QString folder = qEnvironmentVariable("TESSIVAL_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("TESSIVAL_SCREENSHOTS names no folder");
        for (const char* name : {"frmMain", "frmPeriodic", "frmPTable2", "frmFreezing", "frmPeriodicData"}) {
            Form* f = TestSupport::open(QLatin1String(name));
            QVERIFY(f);
            QTest::qWait(300);
            QVERIFY(f->screen()->grabWindow(0).save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
            TestSupport::reset();
        }
    }
};

int main(int argc, char** argv) {
    // The screen and its scale, set before the application starts.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return 1;
    const ScreenSize size = screenSize();
    f.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1, "height": %2,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                .arg(size.width)
                .arg(size.height)
                .toUtf8());
    f.close();
    if (!qEnvironmentVariableIsSet("TESSIVAL_SCREENSHOTS"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    qputenv("QT_SCALE_FACTOR", QByteArray::number(size.scale));
    QApplication app(argc, argv);
    TstScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_screens.moc"
