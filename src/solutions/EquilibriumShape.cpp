#include "EquilibriumShape.h"

namespace EquilibriumShape {

CalculatorForm::Design design(const QString& caption) {
    CalculatorForm::Design s;
    s.caption = caption;
    s.layout.fontFamily = QStringLiteral("Times New Roman");
    s.layout.pointSize = 9.75;
    s.answer.format = CalculatorForm::Format::Scientific;
    s.leaving.parent = QStringLiteral("frmSolutions");
    s.layout.helpPointSize = 18;
    return s;
}

}  // namespace EquilibriumShape
