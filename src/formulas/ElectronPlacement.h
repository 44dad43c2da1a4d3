#pragma once
// Where the atom builder puts each electron: its energy level and the factors
// that, times the scale of the outermost ring, give the dot's centre.
#include <array>

namespace ElectronPlacement {

struct Entry {
    int level;      // 1 to 7
    double fx, fy;  // centre = (fx * s, fy * s)
};

constexpr int Electrons = 109;
constexpr int Levels = 7;

// One entry per electron index 0 to 108, levels in order of filling.
extern const std::array<Entry, Electrons> Table;

// First and last electron index of a level (1 to 7).
int firstIndex(int level);
int lastIndex(int level);

// The centre of electron index i at scale s, each product formed in double
// precision and stored in single precision.
struct Centre {
    float x, y;
};
Centre centre(int index, float s);

// Whether the outermost of levelCount levels holds electrons when
// electronCount electrons have been placed.
bool outermostHoldsElectrons(int levelCount, int electronCount);

}  // namespace ElectronPlacement
