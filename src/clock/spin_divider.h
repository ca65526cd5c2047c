#pragma once

#include "panel/controls.h"

namespace kv {

// A divider of the sample-clock chain is set with a spin control whose upper
// arrow raises it: position p gives the divider min + max - p. The mirror maps
// the position range onto itself, so the dividers a spin offers are exactly
// min..max (in steps of its arrow step).
//   VScroll_fbA 1..31: position 22 -> fbA 10, position 1 -> fbA 31
//   VScroll_fbB 2..4 step 2: position 2 -> fbB 4, position 4 -> fbB 2
[[nodiscard]] inline int divider_of(const ScrollBar& spin) {
    return spin.min() + spin.max() - spin.value();
}

[[nodiscard]] inline int position_of(const ScrollBar& spin, int divider) {
    return spin.min() + spin.max() - divider;
}

// How far the position lies off the spin's grid min, min + step, ...; 0 on it.
// A spin with an arrow step of 2 offers only the even dividers of its range.
[[nodiscard]] inline int off_grid(const ScrollBar& spin) {
    const int step = spin.small_change();
    return step > 1 ? (spin.value() - spin.min()) % step : 0;
}

}  // namespace kv
