#pragma once
// Counting the significant figures of a decimal number written with "." as
// its point, whatever the region.
//   1 to 9: always significant; zeros before the first non-zero digit: never;
//   later zeros: always when the number has a point, otherwise only when a
//   non-zero digit follows them.
#include <cstddef>
#include <string_view>

namespace SigFigs {

struct Count {
    int figures = 0;         // significant figures found
    bool complete = true;    // false: a character that is neither a digit nor the point stopped the count
    std::size_t stoppedAt = 0;  // 0-based position of that character
};

Count count(std::string_view number);

}  // namespace SigFigs
