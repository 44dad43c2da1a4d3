#pragma once
// The scan of a typed chemical formula into its weight, with no window and no
// database: the element and group weights come from the lookups the caller
// passes in. Plain standard C++, so the formula tools share it and it can be
// fuzzed on its own.
//
// A formula is: an optional coefficient (leading digits), then a part, then
// any number of hydrate parts, each after a "." and made of an optional count
// and a part ("CuSO4.5H2O", "CaCl2.8NH3"); a hydrate part of only a count
// means water ("CuSO4.5"). A part is a run of element symbols (a capital
// letter, optionally followed by a small letter) and groups in parentheses,
// nested to any depth, each optionally followed by a count of any length.
// A group is weighed from the group table when its text is stored there,
// otherwise from its atoms.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace FormulaScan {

// Weight of an element symbol (exact, case-sensitive); nullopt when unknown.
using ElementLookup = std::function<std::optional<double>(std::string_view symbol)>;
// Weight of a group as typed between its parentheses; nullopt when not stored.
using GroupLookup = std::function<std::optional<double>(std::string_view group)>;

// Counts and the coefficient above this are refused.
constexpr std::uint64_t CountLimit = 1000000000ULL;
// Weights above this are refused.
constexpr double WeightLimit = 1e30;

enum class Fault {
    None,
    Empty,            // nothing typed
    TooShort,         // one character
    NoElement,        // only a coefficient
    UnknownSymbol,    // a capital-letter symbol that is no element
    LowerCaseSymbol,  // a symbol that begins with a small letter
    UnknownGroup,     // a group neither stored nor made of known elements
    UnclosedGroup,    // "(" without ")"
    UnopenedGroup,    // ")" without "("
    EmptyGroup,       // "()"
    StrayNumber,      // a number that follows no symbol or group
    ZeroCount,        // a count of 0
    NumberTooLarge,   // a count or coefficient above CountLimit
    EmptyPart,        // nothing before or between hydrate dots, or a dot that ends the formula
    BadCharacter,     // a character that is no part of a formula
    TooLarge,         // the weight is beyond WeightLimit
};

// Atoms of one element in one formula unit.
struct ElementShare {
    std::string symbol;
    double atoms = 0;       // number of atoms
    double atomicWeight = 0;
    double mass() const { return atoms * atomicWeight; }
};

struct Result {
    Fault fault = Fault::None;
    std::string subject;  // what was not found or is at fault ("Xx", "NO3", "0")
    std::string inner;    // the unknown symbol inside an unknown group
    std::size_t position = 0;  // where the fault is in the text (0-based)
    std::size_t length = 0;

    std::string coefficientText;  // the digits before the formula ("" when none)
    std::uint64_t coefficient = 1;  // 0 or none counts as 1
    double weight = 0;  // one formula unit, without the coefficient
    // The weights that add up to `weight`, in the order written: one per
    // element or group of the main part, one per hydrate part.
    std::vector<double> terms;
    // Every element of the formula, in order of first appearance.
    std::vector<ElementShare> elements;
    // The water of hydration: the parts after a dot that are water, however
    // bracketed ("5H2O", "5(H2O)", "(H2O)2"), and the counts alone, each
    // times its count; other parts after a dot are no water.
    bool hasHydrate = false;
    double hydrateWeight = 0;

    bool ok() const { return fault == Fault::None; }
    // The message for a fault (empty when ok).
    std::string message() const;
};

Result weigh(std::string_view text, const ElementLookup& element, const GroupLookup& group);

// Characters a formula may hold: digits, letters, ".", "(" and ")".
bool isFormulaCharacter(char c);

// How each character of a typed formula stands on the line.
enum class Offset { Baseline, Lowered, Raised };
// A run of digits at the start (coefficient) or right after a "." (hydrate
// count) stays on the line; every other digit is lowered; a "." is raised.
std::vector<Offset> mask(std::string_view text);

}  // namespace FormulaScan
