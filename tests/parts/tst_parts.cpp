// The program as the student runs it: the element charts and printing are
// parts loaded on first use, their windows known by name from the start.
#include <QAction>
#include <QFile>
#include <QHash>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "RegisterWindows.h"
#include "TestSupport.h"
#include "shell/StartUp.h"
#include "refdata/periodic/ChartWindows.h"
#include "shell/frmMain.h"

namespace {
// Whether a library whose file name contains the text is loaded.
bool loaded(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

// The chart windows, from the program's own list.
#define TS_CHART_NAME(Class) QStringLiteral(#Class),
const QStringList Charts = {TESSIVAL_CHART_WINDOWS(TS_CHART_NAME)};
#undef TS_CHART_NAME
// The menu item that opens each chart.
const QHash<QString, QString> ChartItems = {
    {"frmPTable2", "mnuAtomicRadii"}, {"frmPTable3", "mnuElectronegativity"}, {"frmPTable4", "mnuAffinity"},
    {"frmPTable5", "mnuIonization"},  {"frmPTable6", "mnuDensityTable"},      {"frmPTable7", "mnuBoilingPointTable"}};
}  // namespace

class TstParts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // No printer of this machine's may take the test page.
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        registerProgramWindows();
        TestSupport::init();
    }
    void cleanup() {
        TestSupport::unloadAll();
        TestSupport::messages().clear();
    }

    void startsWithoutImagePluginsChartsOrPrinting() {
        QVERIFY(StartUp());
        QVERIFY(TestSupport::shown("frmMain") && TestSupport::shown("frmSplash"));
        for (const char* library : {"libqgif", "libqico", "libqjpeg", "libQt6Charts", "libQt6PrintSupport",
                                    "libtessival_charts", "libtessival_print"})
            QVERIFY2(!loaded(library), library);
        QVERIFY(!Charts.isEmpty());
        for (const QString& chart : Charts) QVERIFY2(Forms::isRegistered(chart), qPrintable(chart));
        // A menu bar too narrow for its menus still shows the arrow to the rest.
        QWidget w;
        auto* bar = new QMenuBar(&w);
        for (int i = 0; i < 8; ++i) bar->addMenu(QStringLiteral("Menu %1").arg(i));
        bar->resize(160, bar->sizeHint().height());
        w.show();
        TestSupport::settle();
        auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(more && more->isVisible() && !more->icon().pixmap(16).isNull());
        TestSupport::unloadAll();
    }

    // Every tile of the watermark holds the letters: many pixels unlike the paper.
    void theWatermarkShowsTheName() {
        for (QLabel* l : Forms::showAs<frmMain>(QStringLiteral("frmMain"))->Image1) {
            const QImage tile = l->pixmap().toImage();
            int ink = 0;
            for (int y = 0; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x) ink += tile.pixel(x, y) != tile.pixel(0, 0);
            QVERIFY2(ink > 500, qPrintable(QString::number(ink)));
        }
    }

    void chartsOpenFromTheMenuLoadingTheirPart() {
        auto* main = Forms::showAs<frmMain>(QStringLiteral("frmMain"));
        QCOMPARE(Charts.size(), ChartItems.size());
        for (const QString& window : Charts) {
            QVERIFY2(ChartItems.contains(window), qPrintable(window + " has no menu item here"));
            main->menuItem(ChartItems.value(window))->trigger();
            TestSupport::settle();
            Form* f = Forms::loaded(window);
            QVERIFY2(f && f->isVisible(), qPrintable(window));
            QCOMPARE(QString::fromLatin1(f->metaObject()->className()), window);
            auto* view = f->findChild<QGraphicsView*>(QStringLiteral("MSChart1"));
            QVERIFY(view && view->isVisible() && !view->scene()->items().isEmpty());
        }
        QVERIFY(loaded("libtessival_charts") && loaded("libQt6Charts") && !loaded("libQt6PrintSupport"));
        QVERIFY(TestSupport::messages().shown.isEmpty());
        // Unloaded and shown again by name, from the loaded part.
        TestSupport::unloadAll();
        Form* again = Forms::show(QStringLiteral("frmPTable2"));
        QVERIFY(again && again->isVisible());
    }

    void aPartThatCannotLoadIsAMessage() {
        Forms::registerPart(QStringLiteral("tessival_nosuchpart"), {QStringLiteral("frmNoSuchPart")});
        QVERIFY(!Forms::show(QStringLiteral("frmNoSuchPart")));
        QCOMPARE(TestSupport::messages().shown.size(), 1);
        const QString text = TestSupport::messages().lastText();
        QVERIFY2(text.startsWith(QStringLiteral("The window could not be opened: ")) && text.contains(QStringLiteral("tessival_nosuchpart")),
                 qPrintable(text));
        QCOMPARE(TestSupport::messages().shown.first().icon, Msg::Icon::Exclamation);

        // A part that loads but does not hold the window.
        Forms::registerPart(QStringLiteral("tessival_charts"), {QStringLiteral("frmNotACharts")});
        QVERIFY(!Forms::show(QStringLiteral("frmNotACharts")));
        QCOMPARE(TestSupport::messages().lastText(),
                 QStringLiteral("The window could not be opened: tessival_charts has no window frmNotACharts"));
        // Names the program holds already are left as they are.
        Forms::registerPart(QStringLiteral("tessival_nosuchpart"), {QStringLiteral("frmMain")});
        QVERIFY(Forms::show(QStringLiteral("frmMain")));
    }

    void printingLoadsItsPartAndWritesTheWindow() {
        QTemporaryDir dir;
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(dir.path()));  // where the print dialog puts the PDF file
        const auto fake = Print::setService(nullptr);  // the real printer
        Form* calc = Forms::show(QStringLiteral("frmMoleFraction"));
        QVERIFY(calc);
        auto* print = calc->findChild<QPushButton*>(QStringLiteral("cmdPrint"));
        QVERIFY(print && print->isEnabled() && !loaded("libQt6PrintSupport"));
        // With no printer the window is saved as a PDF file, named in full.
        TestSupport::messages().clear();
        QTest::mouseClick(print, Qt::LeftButton);
        Print::setService(fake);
        qputenv("HOME", home);
        QVERIFY(loaded("libtessival_print") && loaded("libQt6PrintSupport"));
        QCOMPARE(TestSupport::messages().shown.size(), 1);
        QVERIFY2(TestSupport::messages().lastText().contains(dir.filePath(QStringLiteral("Mole Fraction - Percent.pdf"))),
                 qPrintable(TestSupport::messages().lastText()));
        // The title "Mole Fraction / Percent" names the file; its slash does not make a folder of it.
        QFile pdf(dir.filePath(QStringLiteral("Mole Fraction - Percent.pdf")));
        QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
        QVERIFY(pdf.read(5) == "%PDF-" && pdf.size() > 1000);
    }
};

QTEST_MAIN(TstParts)
#include "tst_parts.moc"
