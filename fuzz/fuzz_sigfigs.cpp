// Feeds arbitrary bytes to the significant-figure counter and checks the
// count against the rules worked out a second, plainer way: digits from the
// first non-zero one on, trailing zeros only with a point; a stop at the
// first character that is neither a digit nor the first point.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "measure/SigFigCounter.h"

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

// The rules on a text of digits and at most one point.
int byHand(std::string_view s) {
    std::string digits;
    bool point = false;
    for (char c : s) {
        if (c == '.')
            point = true;
        else
            digits.push_back(c);
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    if (point) return int(digits.size() - first);
    return int(digits.find_last_not_of('0') - first + 1);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SigFigs::Count c = SigFigs::count(text);

    // Where the count stops: the first character that is no digit, other than the first point.
    const std::size_t point = text.find('.');
    std::size_t stop = size;
    for (std::size_t i = 0; i < size; ++i)
        if (!digit(text[i]) && i != point) {
            stop = i;
            break;
        }
    FUZZ_CHECK(c.complete == (stop == size));
    if (!c.complete) {
        FUZZ_CHECK(c.stoppedAt == stop);
        int digitsBefore = 0;
        for (std::size_t i = 0; i < stop; ++i) digitsBefore += digit(text[i]);
        FUZZ_CHECK(c.figures >= 0 && c.figures <= digitsBefore);
        return 0;
    }
    FUZZ_CHECK(c.figures == byHand(text));

    // Leading zeros never count; with a point, every trailing zero does.
    FUZZ_CHECK(SigFigs::count("0" + std::string(text)).figures == c.figures);
    if (point != std::string_view::npos) {
        const SigFigs::Count more = SigFigs::count(std::string(text) + "0");
        FUZZ_CHECK(more.complete && more.figures == c.figures + (c.figures > 0 ? 1 : 0));
    }
    return 0;
}
