#include "EquilibriumShape.h"

namespace EquilibriumShape {

CalculatorForm::Design design(const QString& caption) {
    CalculatorForm::Design s;
    s.caption = caption;
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    s.format = CalculatorForm::Format::Scientific;
    s.parent = QStringLiteral("frmSolutions");
    s.helpPointSize = 18;
    return s;
}

}  // namespace EquilibriumShape
