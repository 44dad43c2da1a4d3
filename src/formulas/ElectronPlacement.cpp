#include "ElectronPlacement.h"

namespace ElectronPlacement {

// Level 1: right, left. Level 2: right, left, bottom, top, then the diagonals
// (lower left, upper left, upper right, lower right). Level 3: right, left,
// top, bottom, then upper right, upper left, lower right, lower left.
// Levels 4 to 7 walk clockwise from the leftmost point, over the top and back
// along the bottom; level 7 stops after 23 places, at the lower right.
const std::array<Entry, Electrons> Table = {{
    // level 1: indices 0-1
    {1, 0.65, 0}, {1, -0.65, 0},
    // level 2: indices 2-9
    {2, 0.77, 0}, {2, -0.77, 0}, {2, 0, -0.8}, {2, 0, 0.8},
    {2, -0.56, -0.58}, {2, -0.56, 0.58}, {2, 0.56, 0.58}, {2, 0.56, -0.58},
    // level 3: indices 10-17
    {3, 0.8, 0}, {3, -0.8, 0}, {3, 0, 0.85}, {3, 0, -0.85},
    {3, 0.58, 0.61}, {3, -0.58, 0.61}, {3, 0.58, -0.61}, {3, -0.58, -0.61},
    // level 4: indices 18-35
    {4, -0.84, 0}, {4, -0.789341, 0.27}, {4, -0.66, 0.54}, {4, -0.45, 0.77}, {4, -0.16, 0.89},
    {4, 0.16, 0.89}, {4, 0.45, 0.77}, {4, 0.66, 0.54}, {4, 0.789341, 0.27}, {4, 0.84, 0},
    {4, 0.789341, -0.27}, {4, 0.66, -0.54}, {4, 0.45, -0.77}, {4, 0.16, -0.89}, {4, -0.16, -0.89},
    {4, -0.45, -0.77}, {4, -0.66, -0.54}, {4, -0.789341, -0.27},
    // level 5: indices 36-53
    {5, -0.85, 0}, {5, -0.8, 0.29}, {5, -0.7, 0.56}, {5, -0.46, 0.78}, {5, -0.16, 0.92},
    {5, 0.16, 0.89}, {5, 0.46, 0.78}, {5, 0.7, 0.56}, {5, 0.8, 0.29}, {5, 0.85, 0},
    {5, 0.8, -0.29}, {5, 0.7, -0.56}, {5, 0.46, -0.78}, {5, 0.16, -0.92}, {5, -0.16, -0.92},
    {5, -0.46, -0.78}, {5, -0.7, -0.56}, {5, -0.8, -0.29},
    // level 6: indices 54-85
    {6, -0.88, 0}, {6, -0.86, 0.17}, {6, -0.82, 0.33}, {6, -0.76, 0.49}, {6, -0.65, 0.65},
    {6, -0.53, 0.77}, {6, -0.36, 0.86}, {6, -0.18, 0.92}, {6, 0, 0.94}, {6, 0.18, 0.93},
    {6, 0.35, 0.86}, {6, 0.53, 0.76}, {6, 0.65, 0.65}, {6, 0.76, 0.49}, {6, 0.82, 0.33},
    {6, 0.86, 0.17}, {6, 0.88, 0}, {6, 0.86, -0.17}, {6, 0.82, -0.33}, {6, 0.76, -0.49},
    {6, 0.65, -0.65}, {6, 0.53, -0.77}, {6, 0.36, -0.87}, {6, 0.18, -0.92}, {6, 0, -0.94},
    {6, -0.18, -0.92}, {6, -0.36, -0.87}, {6, -0.56, -0.77}, {6, -0.65, -0.65}, {6, -0.76, -0.49},
    {6, -0.82, -0.33}, {6, -0.86, -0.17},
    // level 7: indices 86-108
    {7, -0.89, 0}, {7, -0.87, 0.17}, {7, -0.84, 0.33}, {7, -0.76, 0.51}, {7, -0.65, 0.65},
    {7, -0.53, 0.78}, {7, -0.36, 0.87}, {7, -0.18, 0.95}, {7, 0, 0.96}, {7, 0.18, 0.93},
    {7, 0.36, 0.87}, {7, 0.53, 0.76}, {7, 0.65, 0.65}, {7, 0.76, 0.5}, {7, 0.83, 0.33},
    {7, 0.87, 0.17}, {7, 0.89, 0}, {7, 0.87, -0.18}, {7, 0.83, -0.34}, {7, 0.76, -0.5},
    {7, 0.65, -0.65}, {7, 0.53, -0.77}, {7, 0.36, -0.87},
}};

namespace {
// Level sizes 2, 8, 8, 18, 18, 32, 23: the first index of each level and one past the last.
constexpr int Starts[Levels + 1] = {0, 2, 10, 18, 36, 54, 86, 109};
}  // namespace

int firstIndex(int level) { return Starts[level - 1]; }
int lastIndex(int level) { return Starts[level] - 1; }

Centre centre(int index, float s) {
    const Entry& e = Table[index];
    return {float(e.fx * double(s)), float(e.fy * double(s))};
}

bool outermostHoldsElectrons(int levelCount, int electronCount) {
    if (levelCount < 1 || levelCount > Levels) return false;
    // Electron numbers count from 1: the level's indices plus one.
    return electronCount > firstIndex(levelCount) && electronCount <= lastIndex(levelCount) + 1;
}

}  // namespace ElectronPlacement
