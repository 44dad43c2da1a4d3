// Time to paste a long formula into the molecular weight calculator (the box
// re-formats the whole formula) and to weigh it, offscreen, median of 5. A
// paste beyond the box's 1,000 characters is refused with a message.
//   bench_formula_paste [characters ...]   (default 300 4003 20003)
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>
#include <algorithm>

#include "formulas/FormulaWindows.h"
#include "formulas/frmWeights.h"
#include "SilentMessages.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"


int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFormulaWindows();
    Msg::setService(std::make_shared<SilentMessages>());
    ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));
    QList<int> sizes;
    for (const QString& a : app.arguments().mid(1)) sizes << a.toInt();
    if (sizes.isEmpty()) sizes = {300, 1000, 4003, 20003};

    QTextStream out(stdout);
    out << "characters  paste+format ms  weigh ms\n";
    for (const int n : sizes) {
        QString formula = QStringLiteral("CH3");
        while (formula.size() < n) formula += QStringLiteral("CH2");
        formula.truncate(n);
        QList<double> paste, weigh;
        for (int run = 0; run < 5; ++run) {
            auto* w = Forms::showAs<frmWeights>(QStringLiteral("frmWeights"));
            QApplication::clipboard()->setText(formula);
            QElapsedTimer t;
            t.start();
            QTest::keyClick(w->RichTextBox1, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
            paste << t.nsecsElapsed() / 1e6;
            t.restart();
            w->cmdOk_Click();
            weigh << t.nsecsElapsed() / 1e6;
            Forms::unload(w);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        std::sort(paste.begin(), paste.end());
        std::sort(weigh.begin(), weigh.end());
        out << QStringLiteral("%1 %2 %3\n").arg(n, 10).arg(paste.at(2), 16, 'f', 2).arg(weigh.at(2), 9, 'f', 2);
    }
    return 0;
}
