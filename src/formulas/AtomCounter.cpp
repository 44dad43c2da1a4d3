#include "AtomCounter.h"

#include "FormulaScan.h"

namespace AtomCounter {

namespace {

const std::string TooLarge = "The counts are too large.";

bool isLower(char c) { return c >= 'a' && c <= 'z'; }

// What the scan found wrong, in the counter's words.
std::string describe(const FormulaScan::Result& r) {
    using FormulaScan::Fault;
    if (r.fault == Fault::TooLarge) return TooLarge;
    if (r.fault == Fault::UnknownGroup) {
        // Groups are never looked up here: the fault is the symbol inside.
        FormulaScan::Result symbol = r;
        symbol.fault = !r.inner.empty() && isLower(r.inner.front()) ? Fault::LowerCaseSymbol : Fault::UnknownSymbol;
        symbol.subject = r.inner;
        return symbol.message();
    }
    return r.message();
}

Tally failed(std::string fault, std::string molecule) {
    Tally t;
    t.fault = std::move(fault);
    t.molecule = std::move(molecule);
    return t;
}

// Adds n atoms of the symbol; false when the count would pass the limit.
bool add(std::vector<Count>& counts, const std::string& symbol, std::uint64_t n) {
    for (Count& c : counts)
        if (c.symbol == symbol) {
            if (n > CountLimit - c.atoms) return false;
            c.atoms += n;
            return true;
        }
    if (n > CountLimit) return false;
    counts.push_back(Count{symbol, n});
    return true;
}

}  // namespace

std::string stripSpacesAndPlus(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '+') out.push_back(c);
    return out;
}

std::vector<std::string> molecules(std::string_view side) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t plus = side.find('+', from);
        std::string m = stripSpacesAndPlus(side.substr(from, plus == std::string_view::npos ? plus : plus - from));
        if (!m.empty()) out.push_back(std::move(m));
        if (plus == std::string_view::npos) return out;
        from = plus + 1;
    }
}

Tally countMolecule(std::string_view molecule, const SymbolTest& isElement) {
    const std::string m = stripSpacesAndPlus(molecule);
    if (m.empty()) return {};
    const auto element = [&isElement](std::string_view s) -> std::optional<double> {
        if (isElement(s)) return 1.0;  // every atom weighs 1: the weight is the atom count
        return std::nullopt;
    };
    const auto noGroup = [](std::string_view) -> std::optional<double> { return std::nullopt; };
    // The scan refuses one character, which is a whole molecule here ("C",
    // "S"); a coefficient of 1 in front changes no count.
    const FormulaScan::Result r = FormulaScan::weigh(m.size() == 1 ? "1" + m : m, element, noGroup);
    if (!r.ok()) return failed(describe(r), m);

    Tally t;
    for (const FormulaScan::ElementShare& e : r.elements) {
        // Whole numbers in double precision: exact below 2^53, and no step of
        // the scan gives more atoms than the final count.
        if (!(e.atoms <= double(CountLimit))) return failed(TooLarge, m);
        const auto atoms = static_cast<std::uint64_t>(e.atoms);
        if (atoms > CountLimit / r.coefficient) return failed(TooLarge, m);
        if (!add(t.counts, e.symbol, atoms * r.coefficient)) return failed(TooLarge, m);
    }
    return t;
}

Tally countSide(std::string_view side, const SymbolTest& isElement) {
    Tally total;
    for (const std::string& m : molecules(side)) {
        const Tally one = countMolecule(m, isElement);
        if (!one.ok()) return one;
        for (const Count& c : one.counts)
            if (!add(total.counts, c.symbol, c.atoms)) return failed(TooLarge, m);
    }
    return total;
}

}  // namespace AtomCounter
