#include "FormulaScan.h"

#include <cmath>

namespace FormulaScan {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }

struct Atoms {
    std::vector<ElementShare> list;

    void add(std::string_view symbol, double atoms, double weight) {
        for (ElementShare& e : list)
            if (e.symbol == symbol) {
                e.atoms += atoms;
                return;
            }
        list.push_back(ElementShare{std::string(symbol), atoms, weight});
    }
    void addScaled(const Atoms& other, double factor) {
        for (const ElementShare& e : other.list) add(e.symbol, e.atoms * factor, e.atomicWeight);
    }
};

// One open part or group while scanning.
struct Frame {
    std::size_t open = std::string_view::npos;  // position of "(", npos for a part
    double sum = 0;
    Atoms atoms;
    std::vector<double> terms;
    bool any = false;
    // First symbol inside a group that is no element (looked at when the
    // group itself is not stored).
    std::string unknown;
};

struct Number {
    std::uint64_t value = 0;
    bool tooLarge = false;
    std::size_t begin = 0, end = 0;
};

Number readNumber(std::string_view t, std::size_t i) {
    Number n;
    n.begin = i;
    while (i < t.size() && isDigit(t[i])) {
        if (!n.tooLarge) {
            n.value = n.value * 10 + static_cast<std::uint64_t>(t[i] - '0');
            if (n.value > CountLimit) n.tooLarge = true;
        }
        ++i;
    }
    n.end = i;
    return n;
}

Result fail(Result r, Fault f, std::size_t pos, std::size_t len, std::string subject = {}, std::string inner = {}) {
    r.fault = f;
    r.position = pos;
    r.length = len;
    r.subject = std::move(subject);
    r.inner = std::move(inner);
    r.weight = 0;
    r.terms.clear();
    r.elements.clear();
    r.hasHydrate = false;
    r.hydrateWeight = 0;
    return r;
}

// Water however it is bracketed: "H2O", "(H2O)", "(H2O)2", "((H2O)3)2"; a
// group holds the whole part and only its count may follow it.
bool isWater(std::string_view part) {
    while (!part.empty() && part.front() == '(') {
        std::size_t end = part.size();
        while (end > 0 && isDigit(part[end - 1])) --end;
        if (end < 2 || part[end - 1] != ')') return false;
        int depth = 0;
        for (std::size_t k = 0; k + 1 < end; ++k) {
            if (part[k] == '(') ++depth;
            if (part[k] == ')' && --depth == 0) return false;  // the first group closes early
        }
        part = part.substr(1, end - 2);
    }
    return part == "H2O";
}

std::string characterName(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7f) return std::string("\"") + c + "\"";
    return "with code " + std::to_string(u);
}

}  // namespace

bool isFormulaCharacter(char c) { return isDigit(c) || isUpper(c) || isLower(c) || c == '.' || c == '(' || c == ')'; }

Result weigh(std::string_view t, const ElementLookup& element, const GroupLookup& group) {
    Result r;
    const std::size_t n = t.size();
    if (n == 0) return fail(r, Fault::Empty, 0, 0);
    if (n < 2) return fail(r, Fault::TooShort, 0, n);

    std::size_t i = 0;
    if (isDigit(t[0])) {
        const Number c = readNumber(t, 0);
        r.coefficientText = std::string(t.substr(0, c.end));
        if (c.tooLarge) return fail(r, Fault::NumberTooLarge, 0, c.end, r.coefficientText);
        r.coefficient = c.value == 0 ? 1 : c.value;
        i = c.end;
        if (i == n) return fail(r, Fault::NoElement, 0, n);
    }

    // A count after a symbol or group: 1 when none is written.
    auto count = [&](std::size_t& at, const std::string& after, std::uint64_t* out, Result* bad) {
        *out = 1;
        if (at >= n || !isDigit(t[at])) return true;
        const Number c = readNumber(t, at);
        const std::string digits(t.substr(c.begin, c.end - c.begin));
        if (c.tooLarge) {
            *bad = fail(r, Fault::NumberTooLarge, c.begin, c.end - c.begin, digits);
            return false;
        }
        if (c.value == 0) {
            *bad = fail(r, Fault::ZeroCount, c.begin, c.end - c.begin, digits, after);
            return false;
        }
        *out = c.value;
        at = c.end;
        return true;
    };

    Atoms all;
    bool hydrate = false;
    std::size_t dot = 0;
    for (;;) {
        const std::size_t partStart = i;
        std::uint64_t partCount = 1;
        bool counted = false;
        if (hydrate && i < n && isDigit(t[i])) {
            const Number c = readNumber(t, i);
            const std::string digits(t.substr(c.begin, c.end - c.begin));
            if (c.tooLarge) return fail(r, Fault::NumberTooLarge, c.begin, c.end - c.begin, digits);
            if (c.value == 0) return fail(r, Fault::ZeroCount, c.begin, c.end - c.begin, digits, ".");
            partCount = c.value;
            counted = true;
            i = c.end;
        }

        const std::size_t partText = i;  // the part after its count
        std::vector<Frame> frames(1);
        while (i < n) {
            const char c = t[i];
            if (c == '.') {
                if (frames.size() == 1) break;
                const Frame& f = frames.back();
                return fail(r, Fault::UnclosedGroup, f.open, i - f.open, std::string(t.substr(f.open, i - f.open)));
            }
            if (isUpper(c) || isLower(c)) {
                const std::size_t at = i;
                std::size_t len = (i + 1 < n && isLower(t[i + 1])) ? 2 : 1;
                const std::string_view symbol = t.substr(at, len);
                i += len;
                std::uint64_t k = 1;
                Result bad;
                if (!count(i, std::string(symbol), &k, &bad)) return bad;
                std::optional<double> w;
                if (isUpper(c)) w = element(symbol);
                Frame& f = frames.back();
                f.any = true;
                if (!w) {
                    if (frames.size() == 1)
                        return fail(r, isUpper(c) ? Fault::UnknownSymbol : Fault::LowerCaseSymbol, at, len,
                                    std::string(symbol));
                    if (f.unknown.empty()) f.unknown = std::string(symbol);
                    continue;
                }
                const double term = *w * static_cast<double>(k);
                f.sum += term;
                f.atoms.add(symbol, static_cast<double>(k), *w);
                f.terms.push_back(term);
                continue;
            }
            if (c == '(') {
                Frame f;
                f.open = i;
                frames.push_back(std::move(f));
                ++i;
                continue;
            }
            if (c == ')') {
                if (frames.size() == 1) return fail(r, Fault::UnopenedGroup, i, 1, ")");
                Frame f = std::move(frames.back());
                frames.pop_back();
                if (!f.any) return fail(r, Fault::EmptyGroup, f.open, i + 1 - f.open, "()");
                const std::string_view text = t.substr(f.open + 1, i - f.open - 1);
                ++i;
                std::uint64_t k = 1;
                Result bad;
                if (!count(i, "(" + std::string(text) + ")", &k, &bad)) return bad;
                double w = 0;
                if (const std::optional<double> stored = group(text))
                    w = *stored;
                else if (f.unknown.empty())
                    w = f.sum;
                else
                    return fail(r, Fault::UnknownGroup, f.open, text.size() + 2, std::string(text), f.unknown);
                Frame& parent = frames.back();
                const double term = w * static_cast<double>(k);
                parent.sum += term;
                parent.atoms.addScaled(f.atoms, static_cast<double>(k));
                parent.terms.push_back(term);
                parent.any = true;
                continue;
            }
            if (isDigit(c)) {
                const Number num = readNumber(t, i);
                return fail(r, Fault::StrayNumber, i, num.end - i, std::string(t.substr(i, num.end - i)));
            }
            return fail(r, Fault::BadCharacter, i, 1, characterName(c));
        }
        if (frames.size() > 1) {
            const Frame& f = frames.back();
            return fail(r, Fault::UnclosedGroup, f.open, i - f.open, std::string(t.substr(f.open, i - f.open)));
        }

        Frame& top = frames.front();
        if (!top.any) {
            if (!(hydrate && counted))
                return fail(r, Fault::EmptyPart, hydrate ? dot : partStart, 1, ".");
            // A count alone after the dot: that many waters.
            const std::optional<double> h = element("H");
            if (!h) return fail(r, Fault::UnknownSymbol, partStart, i - partStart, "H");
            const std::optional<double> o = element("O");
            if (!o) return fail(r, Fault::UnknownSymbol, partStart, i - partStart, "O");
            top.sum = 2 * *h + *o;
            top.atoms.add("H", 2, *h);
            top.atoms.add("O", 1, *o);
        }
        if (!hydrate) {
            r.terms = top.terms;
            r.weight += top.sum;
            all.addScaled(top.atoms, 1);
        } else {
            const double term = top.sum * static_cast<double>(partCount);
            r.terms.push_back(term);
            r.weight += term;
            all.addScaled(top.atoms, static_cast<double>(partCount));
            // Water of hydration: water after the dot, however bracketed, or a count alone.
            const std::string_view written = t.substr(partText, i - partText);
            if (written.empty() || isWater(written)) {
                r.hasHydrate = true;
                r.hydrateWeight += term;
            }
        }
        if (i >= n) break;
        dot = i;  // t[i] is "."
        ++i;
        hydrate = true;
        if (i >= n) return fail(r, Fault::EmptyPart, dot, 1, ".");
    }

    if (!(r.weight <= WeightLimit)) return fail(r, Fault::TooLarge, 0, n);
    for (const ElementShare& e : all.list)
        if (!(e.atoms <= WeightLimit) || !(e.mass() <= WeightLimit)) return fail(r, Fault::TooLarge, 0, n);
    r.elements = std::move(all.list);
    return r;
}

std::string Result::message() const {
    switch (fault) {
    case Fault::None: return {};
    case Fault::Empty: return "You must enter data into the Enter Formula box.";
    case Fault::TooShort: return "Formula must be larger than 1 character.";
    case Fault::NoElement: return "The formula holds no element symbol.";
    case Fault::UnknownSymbol:
        return "The element symbol " + subject + " was not found. Check the capital and small letters.";
    case Fault::LowerCaseSymbol:
        return "The element symbol " + subject + " was not found. An element symbol begins with a capital letter.";
    case Fault::UnknownGroup:
        return "The group (" + subject + ") was not found, and the element symbol " + inner +
               " in it was not found either.";
    case Fault::UnclosedGroup: return "The group " + subject + " has no closing \")\".";
    case Fault::UnopenedGroup: return "The formula has a \")\" without its opening \"(\".";
    case Fault::EmptyGroup: return "The formula has an empty group \"()\".";
    case Fault::StrayNumber: return "The number " + subject + " does not follow an element symbol or a group.";
    case Fault::ZeroCount:
        if (inner == ".") return "The count 0 after the hydrate dot must be 1 or more.";
        return "The count " + subject + " after " + inner + " must be 1 or more.";
    case Fault::NumberTooLarge: return "The number " + subject + " is too large.";
    case Fault::EmptyPart: return "The hydrate dot must stand between two parts of the formula.";
    case Fault::BadCharacter: return "The character " + subject + " cannot be part of a formula.";
    case Fault::TooLarge: return "The formula is too large to be weighed.";
    }
    return {};
}

std::vector<Offset> mask(std::string_view t) {
    std::vector<Offset> out(t.size(), Offset::Baseline);
    std::size_t i = 0;
    while (i < t.size()) {
        const char c = t[i];
        if (c == '.') {
            out[i++] = Offset::Raised;
            continue;
        }
        if (!isDigit(c)) {
            ++i;
            continue;
        }
        const bool onLine = i == 0 || t[i - 1] == '.';
        while (i < t.size() && isDigit(t[i])) out[i++] = onLine ? Offset::Baseline : Offset::Lowered;
    }
    return out;
}

}  // namespace FormulaScan
