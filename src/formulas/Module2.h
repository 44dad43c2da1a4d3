#pragma once
// Formula routines shared by the formula tools: the element table `Elements`
// filled from GeneralInfo, the group weights of MolecularWeights, and the
// weighing of a typed formula from both.
#include <QString>
#include <QVariant>
#include <optional>

#include "formulas/FormulaScan.h"

namespace Module2 {

// ---- Element table -----------------------------------------------------
constexpr int ElementSlots = 109;
// Elements[i][1] symbol, Elements[i][2] atomic weight, i from 1 to 109.
extern QVariant Elements[ElementSlots + 1][3];

// Fills both columns from "SELECT Symbol, AtomicWeight FROM GeneralInfo",
// row i to entry i, at most 109 rows. Throws the reader's fault, which stays
// in ElementTableFault (empty after a complete read) with the table emptied;
// a table without a single symbol is such a fault.
void FillElements();
extern QString ElementTableFault;
// "The element table could not be read: <fault>"
QString ElementTableMessage();
QString ElementTableMessage(const QString& reason);
// The weight of the first entry holding the symbol; nullopt when none.
// A stored weight that is empty or no number is a fault naming the symbol.
std::optional<double> FindElement(const QString& symbol);

// ---- Group weights -----------------------------------------------------
// Weight of a group from "SELECT * FROM MolecularWeights": the first row
// whose Substance equals the text exactly, as stored (so a formula's weight
// is the decimal sum of stored weights); nullopt when none. Throws the
// reader's fault.
std::optional<double> FindGroup(const QString& group);

// ---- Formula -----------------------------------------------------------
// The formula as the weight calculator's box shows it, without its leading
// coefficient digits, and "0" followed by those digits.
extern QString FormulaText;
extern QString FormulaCoefficient;
// Splits a box's plain text into FormulaText and FormulaCoefficient.
void SetFormula(const QString& plainText);

// Weighs a formula with the elements of `Elements` and the groups of
// MolecularWeights (each group read once per call). A group whose stored
// weight cannot be read is weighed from its atoms; element faults are thrown.
FormulaScan::Result Weigh(const QString& formula);

}  // namespace Module2
