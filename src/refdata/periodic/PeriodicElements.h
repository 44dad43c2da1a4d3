#pragma once
// The elements of the periodic table's buttons: where each stands and its
// class, and the symbol of the one clicked last.
#include <QList>
#include <QString>

// The symbol of the element button clicked last; read by the data sheet.
extern QString SelectedSymbol;

namespace PeriodicElements {
enum class ElementClass { Solid, Gas, Liquid, Synthetic, Metalloid };

struct Element {
    QString name;     // control name ("cmdH", "cmdRf", "cmdHa")
    QString caption;  // the symbol shown
    int row;          // periods 1-7; 8 lanthanides, 9 actinides
    int column;       // 1-18
    ElementClass kind;
};

// The 109 elements in atomic-number order.
const QList<Element>& elements();
// True for a symbol shown on one of the buttons.
bool isElementSymbol(const QString& symbol);
}  // namespace PeriodicElements
