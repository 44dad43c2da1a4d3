#include "SigFigCounter.h"

namespace SigFigs {

namespace {
bool nonzero(char c) { return c >= '1' && c <= '9'; }

// True when a digit 1 to 9 stands after position i.
bool nonzeroDigitFollows(std::string_view s, std::size_t i) {
    for (std::size_t k = i + 1; k < s.size(); ++k)
        if (nonzero(s[k])) return true;
    return false;
}
}  // namespace

Count count(std::string_view s) {
    Count c;
    const std::size_t point = s.find('.');
    const bool hasPoint = point != std::string_view::npos;
    bool nonzeroSeen = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == point) continue;  // the point itself is never examined
        const char ch = s[i];
        if (nonzero(ch)) {
            ++c.figures;
            nonzeroSeen = true;
        } else if (ch == '0') {
            if (nonzeroSeen && (hasPoint || nonzeroDigitFollows(s, i))) ++c.figures;
        } else {
            c.complete = false;
            c.stoppedAt = i;
            return c;
        }
    }
    return c;
}

}  // namespace SigFigs
