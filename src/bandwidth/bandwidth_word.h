#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "panel/crystals.h"

namespace kv {

// REG1, the channels' bandwidths and the crystal:
//   bits 19..18  channel 1 bandwidth code, B / 10 - 1 (10 MHz -> 0 .. 40 MHz -> 3)
//   bits 17..16  channel 2 bandwidth code
//   bits 15..14  channel 3 bandwidth code
//   bits 13..4   the crystal's fields C, D, E, F
//   bits 3..0    constant 0101
//   10, 10, 10 MHz, 25 MHz crystal (C 0, D 1, E 0, F 29) -> 011D5
struct Reg1FieldsAt {
    std::array<int, 3> channel;
    CrystalFields crystal;
};
inline constexpr Reg1FieldsAt kReg1At = {{18, 16, 14}, {13, 12, 9, 4}};
inline constexpr std::uint32_t kReg1Constant = 0b0101;

// A bandwidth between the list's values gives its code to nearest, a half to
// the even neighbour (25 MHz -> 1.5 -> 2). None when the sum has no word form.
[[nodiscard]] std::optional<std::uint32_t> bandwidth_word(
    const std::array<double, 3>& bandwidth_mhz, const CrystalFields& crystal);

}  // namespace kv
