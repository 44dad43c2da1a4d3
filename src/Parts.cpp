// Parts of the program loaded on first use, with the Qt module only they
// need; their windows are known by name from the start.
#include "platform/Forms.h"

namespace {
// The element charts (Qt Charts): refdata/periodic/ChartForm.
const bool charts = Forms::registerPart(QStringLiteral("tessival_charts"),
                                        {QStringLiteral("frmPTable2"), QStringLiteral("frmPTable3"),
                                         QStringLiteral("frmPTable4"), QStringLiteral("frmPTable5"),
                                         QStringLiteral("frmPTable6"), QStringLiteral("frmPTable7")});
}  // namespace
