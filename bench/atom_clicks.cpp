// Time of one click that draws in the atom builder: the handler, which draws
// the whole picture afresh, plus the repaint it causes, offscreen. Each click
// is timed 200 times on a loaded atom; prints the median and the slowest
// against the 2 ms budget.
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPushButton>
#include <QTextStream>
#include <algorithm>
#include <functional>

#include "formulas/FormulaWindows.h"
#include "formulas/frmBuildAtoms.h"
#include "platform/Forms.h"
#include "SilentMessages.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "refdata/ReferenceDatabase.h"

namespace {
constexpr int Runs = 200;
constexpr double BudgetMs = 2.0;

void clicks(QPushButton* b, int n) {
    for (int i = 0; i < n; ++i) b->click();
}

// Times `timed` (click and repaint); `undo` restores the state untimed.
QList<double> measure(QPushButton* timed, QPushButton* undo, bool undoFirst = false) {
    QList<double> ms;
    for (int run = 0; run < Runs; ++run) {
        if (undoFirst) undo->click();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        timed->click();
        QCoreApplication::processEvents();
        ms << t.nsecsElapsed() / 1e6;
        if (!undoFirst) undo->click();
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFormulaWindows();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Msg::setService(std::make_shared<SilentMessages>());
    ReferenceDatabase::open(Program::path(ReferenceDatabase::FileName));

    auto* w = Forms::showAs<frmBuildAtoms>(QStringLiteral("frmBuildAtoms"));
    // The fullest atom: 108 protons, 199 neutrons, all seven rings, 108 electrons.
    clicks(w->cmdProton, 108);
    clicks(w->cmdNeutrons, 199);
    for (int size : {2, 8, 8, 18, 18, 32, 22}) {
        w->cmdEnergyLevel->click();
        clicks(w->cmdElectrons, size);
    }

    struct Case {
        const char* name;
        std::function<QList<double>()> run;
    };
    const QList<Case> cases = {
        {"Add Proton (with name lookup)", [w] { return measure(w->cmdProton, w->cmdRemoveProton); }},
        {"Remove Proton (with name lookup)", [w] { return measure(w->cmdRemoveProton, w->cmdProton, true); }},
        {"Add Neutron", [w] { return measure(w->cmdNeutrons, w->cmdRemoveNeutron); }},
        {"Remove Neutron", [w] { return measure(w->cmdRemoveNeutron, w->cmdNeutrons, true); }},
        {"Add Electron", [w] { return measure(w->cmdElectrons, w->cmdRemoveElectron); }},
        {"Remove Electron", [w] { return measure(w->cmdRemoveElectron, w->cmdElectrons, true); }},
    };

    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3\n").arg(QStringLiteral("click"), -36).arg(QStringLiteral("median ms"), 10)
               .arg(QStringLiteral("max ms"), 8);
    int over = 0;
    for (const Case& c : cases) {
        const QList<double> ms = c.run();
        const double median = ms.at(ms.size() / 2);
        if (median > BudgetMs) ++over;
        out << QStringLiteral("%1 %2 %3\n").arg(QLatin1String(c.name), -36).arg(median, 10, 'f', 3)
                   .arg(ms.last(), 8, 'f', 3);
    }
    out << QStringLiteral("%1 of %2 clicks over the %3 ms budget\n").arg(over).arg(cases.size()).arg(BudgetMs);
    Forms::unloadAll();
    return over ? 1 : 0;
}
