// Feeds arbitrary bytes to the formula scan and the formatting mask, and
// checks what a successful scan promises.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>

#include "formulas/FormulaScan.h"
#include "fuzz_symbols.h"

namespace {

const std::unordered_map<std::string, double>& elements() {
    static const auto m = [] {
        std::unordered_map<std::string, double> e;
        double w = 1.008;
        for (const char* s : Symbols) e.emplace(s, w += 2.25);
        e["Xe"] = 0;  // a stored weight of 0 must not upset anything
        return e;
    }();
    return m;
}

const std::unordered_map<std::string, double>& groups() {
    static const std::unordered_map<std::string, double> g = {
        {"OH", 17.007}, {"NO3", 62.004}, {"SO4", 96.056}, {"NH3", 17.031}, {"NH4", 18.039}, {"Fe(CN)6", 211.95}};
    return g;
}

void check(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto element = [](std::string_view s) -> std::optional<double> {
        auto it = elements().find(std::string(s));
        if (it == elements().end()) return std::nullopt;
        return it->second;
    };
    const auto group = [](std::string_view s) -> std::optional<double> {
        auto it = groups().find(std::string(s));
        if (it == groups().end()) return std::nullopt;
        return it->second;
    };

    const FormulaScan::Result r = FormulaScan::weigh(text, element, group);
    const std::string message = r.message();
    check(r.ok() == message.empty());
    if (r.ok()) {
        check(std::isfinite(r.weight) && r.weight >= 0 && r.weight <= FormulaScan::WeightLimit);
        check(r.coefficient >= 1 && r.coefficient <= FormulaScan::CountLimit);
        double sum = 0;
        for (double t : r.terms) sum += t;
        check(std::fabs(sum - r.weight) <= 1e-9 * (1 + r.weight));
        check(!r.elements.empty());
        for (const auto& e : r.elements) check(e.atoms >= 1 && std::isfinite(e.mass()));
        if (r.hasHydrate) check(r.hydrateWeight <= r.weight * (1 + 1e-12));
    } else {
        check(r.position <= size && r.length <= size - r.position);
        check(r.weight == 0 && r.terms.empty());
    }

    const auto mask = FormulaScan::mask(text);
    check(mask.size() == size);
    return 0;
}
