#pragma once

#include <cstdint>
#include <optional>

#include "panel/crystals.h"

namespace kv {

// REG9, the sample-clock PLL word:
//   bit  19     reA - 1            (0 for /1, 1 for /2)
//   bits 18..16 reB                (1..7)
//   bits 15..11 fbA                (1..31)
//   bit  10     fbB / 2 - 1        (0 for /2, 1 for /4)
//   bits 9..8   SCfpb / 2 - 1      (0..3 for /2../8)
//   bits 7..0   zero
//   reA 1, reB 5, fbA 10, fbB 4, SCfpb 8 -> 55700
// The lowest bit of each divider's field.
inline constexpr ClockDividers kReg9At = {19, 16, 11, 10, 8};

// None for a divider its field cannot hold.
[[nodiscard]] std::optional<std::uint32_t> sample_clock_word(const ClockDividers& dividers);

}  // namespace kv
