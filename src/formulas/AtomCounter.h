#pragma once
// Counts the atoms of each element on one side of a reaction typed as plain
// text ("2H2 + O2", "CuSO4.5H2O"), with no window and no database: whether a
// symbol is an element comes from the test the caller passes in.
//
// A side is cut at every "+" into molecules; blanks are ignored. Each molecule
// is read with the formula grammar of FormulaScan (coefficient, symbols,
// groups nested to any depth with their counts, hydrate parts after "."), and
// the atoms of the whole side are added up per element, in order of first
// appearance. A molecule the grammar refuses makes the whole side a fault:
// the counts of a side are complete or there are none.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace AtomCounter {

// True when the text is an element symbol (exact, case-sensitive).
using SymbolTest = std::function<bool(std::string_view symbol)>;

// Counts above this are refused as too large.
constexpr std::uint64_t CountLimit = 1000000000000000ULL;

struct Count {
    std::string symbol;
    std::uint64_t atoms = 0;
    bool operator==(const Count&) const = default;
};

struct Tally {
    std::vector<Count> counts;  // in order of first appearance; empty on a fault
    std::string fault;          // what is wrong (empty when counted)
    std::string molecule;       // the molecule at fault, blanks removed
    bool ok() const { return fault.empty(); }
};

// The text with every blank and every "+" removed.
std::string stripSpacesAndPlus(std::string_view text);

// The molecules of a side: the texts between the "+" signs, blanks removed;
// empty ones are left out.
std::vector<std::string> molecules(std::string_view side);

// Atoms of one molecule, its coefficient included (none or 0 counts as 1).
Tally countMolecule(std::string_view molecule, const SymbolTest& isElement);

// Atoms of a whole side. A side with no molecule counts nothing.
Tally countSide(std::string_view side, const SymbolTest& isElement);

}  // namespace AtomCounter
