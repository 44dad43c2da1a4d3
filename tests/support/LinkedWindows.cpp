// The windows of the libraries a test links, registered once. Compiled
// once for each set of libraries tests link (tests/CMakeLists.txt), which
// names them with TESSIVAL_<LIBRARY>_LINKED.
#include "RegisterWindows.h"

namespace TestSupport {

void registerLinkedWindows() {
    static bool done = false;
    if (done) return;
    done = true;
#ifdef TESSIVAL_CORE_LINKED
    registerShellWindows();
#endif
#ifdef TESSIVAL_REFDATA_LINKED
    registerRefdataWindows();
    registerChartWindows();
#endif
#ifdef TESSIVAL_FORMULAS_LINKED
    registerFormulaWindows();
#endif
#ifdef TESSIVAL_GASES_LINKED
    registerGasWindows();
#endif
#ifdef TESSIVAL_SOLUTIONS_LINKED
    registerSolutionWindows();
#endif
#ifdef TESSIVAL_MEASURE_LINKED
    registerMeasureWindows();
#endif
#ifdef TESSIVAL_HELP_LINKED
    registerHelpWindows();
#endif
}

}  // namespace TestSupport
