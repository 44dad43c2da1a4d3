// Time to count the atoms of a 200-character equation: the counter alone
// (both sides, symbols from GeneralInfo in a set), and the reaction window's
// whole Ok (reading the symbols, counting, listing the rows), offscreen.
//   bench_atomcounter
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "formulas/FormulaWindows.h"
#include "formulas/AtomCounter.h"
#include "formulas/frmReactions.h"
#include "SilentMessages.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"

namespace {
// The offscreen platform's notes on raising and sizing windows say nothing here.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && !text.contains(QLatin1String("does not support"))) std::fprintf(stderr, "%s\n", qPrintable(text));
}

QString equation() {
    QString e = QStringLiteral("2KMnO4 + 16HCl + 10FeSO4 + 3Ca3(PO4)2 + Cu(NH3)4(OH)2 + 2CuSO4.5H2O + K4(Fe(CN)6) => "
                               "2KCl + 2MnCl2 + 5Fe2(SO4)3 + 8H2O + Cl2 + CaCl2.8NH3");
    while (e.size() + 6 <= 200) e += QStringLiteral(" + H2O");
    while (e.size() < 200) e += QLatin1Char(' ');
    return e;
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFormulaWindows();
    qInstallMessageHandler(quiet);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto messages = std::make_shared<SilentMessages>();
    Msg::setService(messages);
    ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));

    QSet<QString> symbols;
    ReferenceDatabase::fullWalk(QStringLiteral("SELECT Symbol FROM GeneralInfo"),
                                [&](const Recordset& rs) { symbols.insert(rs.fieldText(QStringLiteral("Symbol"))); });
    const auto isElement = [&symbols](std::string_view s) {
        return symbols.contains(QString::fromLatin1(s.data(), qsizetype(s.size())));
    };

    const QString eq = equation();
    const int arrow = int(eq.indexOf(QStringLiteral("=>")));
    const std::string left = eq.left(arrow).toStdString();
    const std::string right = eq.mid(arrow + 2).toStdString();

    QTextStream out(stdout);
    out << "equation (" << eq.size() << " characters): " << eq << "\n";

    // The counter alone: runs of 100 counts, the median of 51 runs.
    QList<double> counter;
    std::size_t listed = 0;
    for (int run = 0; run < 51; ++run) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 100; ++i) {
            const AtomCounter::Tally l = AtomCounter::countSide(left, isElement);
            const AtomCounter::Tally r = AtomCounter::countSide(right, isElement);
            listed = l.counts.size() + r.counts.size();
            if (!l.ok() || !r.ok()) {
                out << "fault: " << QString::fromStdString(l.fault + r.fault) << "\n";
                return 1;
            }
        }
        counter << t.nsecsElapsed() / 100.0 / 1e6;
    }
    out << "counter, both sides (" << listed << " rows): median " << QString::number(median(counter), 'f', 4)
        << " ms (budget 1 ms)\n";

    // The window's Ok.
    auto* w = Forms::showAs<frmReactions>(QStringLiteral("frmReactions"));
    QCoreApplication::processEvents();
    w->RichTextBox1->setText(eq);
    QList<double> ok;
    for (int run = 0; run < 51; ++run) {
        QElapsedTimer t;
        t.start();
        w->cmdOk_Click();
        ok << t.nsecsElapsed() / 1e6;
    }
    out << "window Ok: median " << QString::number(median(ok), 'f', 4) << " ms; messages " << messages->shown << "\n";
    return median(counter) < 1.0 ? 0 : 1;
}
