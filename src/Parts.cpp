// Parts of the program loaded on first use, with the Qt module only they
// need; their windows are known by name from the start.
#include "RegisterWindows.h"
#include "platform/Forms.h"
#include "refdata/periodic/ChartWindows.h"

void registerProgramWindows() {
    registerShellWindows();
    registerRefdataWindows();
    registerFormulaWindows();
    registerGasWindows();
    registerSolutionWindows();
    registerMeasureWindows();
    registerHelpWindows();
    // The element charts (Qt Charts): refdata/periodic/ChartForm.
#define TESSIVAL_CHART_NAME(Class) QStringLiteral(#Class),
    Forms::registerPart(QStringLiteral("tessival_charts"), {TESSIVAL_CHART_WINDOWS(TESSIVAL_CHART_NAME)});
#undef TESSIVAL_CHART_NAME
}
