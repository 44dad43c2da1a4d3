#include "EquilibriumShape.h"

#include <QBoxLayout>

namespace EquilibriumShape {

CalculatorForm::Design design(const QString& caption) {
    CalculatorForm::Design s;
    s.caption = caption;
    s.fontFamily = QStringLiteral("Times New Roman");
    s.pointSize = 9.75;
    s.format = CalculatorForm::Format::Scientific;
    s.parent = QStringLiteral("frmSolutions");
    s.fixedBorder = false;
    return s;
}

QLabel* heading(CalculatorForm* form, const QString& name, const QString& text, int position) {
    auto* label = new QLabel(text, form);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    static_cast<QBoxLayout*>(form->layout())->insertWidget(position, label);
    return label;
}

void finish(CalculatorForm* form) {
    QFont f = form->cmdHelp->font();
    f.setBold(true);
    f.setPointSizeF(18);
    form->cmdHelp->setFont(f);
    form->setFixedBorder();
}

}  // namespace EquilibriumShape
