#pragma once

#include <cstdint>

namespace kv {

// The module variables that the procedures of both windows share.
struct Module {
    std::int16_t RegsUnlocked = 0;   // 1: a board was solved, register boxes may be unlocked
    std::int16_t cry_index = 0;      // crystal index 1..7, the position of VScroll_crystal
    std::int16_t EditionClicks = 0;  // uses of the version menu item
    std::int16_t GameLevel = 0;      // board size of the puzzle, 3..8
    std::int16_t LoopIndex = 0;
    std::int16_t LoopIndex2 = 0;
};

}  // namespace kv
