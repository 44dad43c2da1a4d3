// Feeds arbitrary bytes to the atom counter as one side of a reaction, and
// checks what a count promises: whole, positive counts of distinct elements
// within the limit; blanks change nothing; the side is the sum of its
// molecules; a coefficient multiplies every count.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

#include "formulas/AtomCounter.h"
#include "fuzz_symbols.h"

namespace {

bool isElement(std::string_view s) {
    static const std::unordered_set<std::string_view> set(std::begin(Symbols), std::end(Symbols));
    return set.count(s) > 0;
}

void check(bool ok) {
    if (!ok) std::abort();
}

std::uint64_t atomsOf(const AtomCounter::Tally& t, const std::string& symbol) {
    for (const auto& c : t.counts)
        if (c.symbol == symbol) return c.atoms;
    return 0;
}

void checkTally(const AtomCounter::Tally& t) {
    check(t.ok() == t.fault.empty());
    if (!t.ok()) {
        check(t.counts.empty());
        return;
    }
    std::unordered_set<std::string> seen;
    for (const auto& c : t.counts) {
        check(c.atoms >= 1 && c.atoms <= AtomCounter::CountLimit);
        check(isElement(c.symbol));
        check(seen.insert(c.symbol).second);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const AtomCounter::Tally side = AtomCounter::countSide(text, isElement);
    checkTally(side);

    // Blanks between any characters change nothing.
    std::string spaced;
    for (char c : text) {
        spaced.push_back(c);
        spaced.push_back(' ');
    }
    const AtomCounter::Tally again = AtomCounter::countSide(spaced, isElement);
    check(again.counts == side.counts && again.fault == side.fault);

    if (!side.ok()) return 0;
    // The side is its molecules added up, in order of first appearance.
    std::vector<AtomCounter::Count> sum;
    for (const std::string& m : AtomCounter::molecules(text)) {
        const AtomCounter::Tally one = AtomCounter::countMolecule(m, isElement);
        check(one.ok());
        checkTally(one);
        for (const auto& c : one.counts) {
            bool found = false;
            for (auto& s : sum)
                if (s.symbol == c.symbol) {
                    s.atoms += c.atoms;
                    found = true;
                }
            if (!found) sum.push_back(c);
        }
        // A coefficient of 3 in front of a molecule that has none triples it.
        if (m.front() >= '0' && m.front() <= '9') continue;
        const AtomCounter::Tally tripled = AtomCounter::countMolecule("3" + m, isElement);
        if (!tripled.ok()) {
            check(tripled.fault == "The counts are too large.");
            continue;
        }
        check(tripled.counts.size() == one.counts.size());
        for (const auto& c : one.counts) check(atomsOf(tripled, c.symbol) == 3 * c.atoms);
    }
    check(sum == side.counts);
    return 0;
}
