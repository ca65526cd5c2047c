#pragma once

#include <cstdint>

#include "lo/lo_divider.h"

namespace kv {

// REG2, channel 1's integer word:
//   bit  17      constant 1
//   bit  16      pre-divider 2
//   bit  15      pre-divider 4
//   bit  14      zero
//   bit  13      constant 1
//   bit  12      integer-N
//   bits 11..1   I
//   bit  0       zero
//   I 188, fractional, pre-divider 2 -> 32178
struct Reg2FieldsAt {
    int constant_high;
    int pre_divider_2;
    int pre_divider_4;
    int constant_low;
    int integer_n;
    int integer;
};
inline constexpr Reg2FieldsAt kReg2At = {17, 16, 15, 13, 12, 1};

// Any other pre-divider (1) sets neither of its bits.
[[nodiscard]] std::uint32_t channel1_lo_word(const LoDivider& divider, double pre_divider);

// REG4 and REG6, the integer words of channels 2 and 3:
//   bit  19      integer-N
//   bits 18..8   I
//   bits 7..0    zero
//   I 251, fractional -> 0FB00
inline constexpr int kReg4IntegerNAt = 19;
inline constexpr int kReg4IntegerAt = 8;

[[nodiscard]] std::uint32_t channel23_lo_word(const LoDivider& divider);

// REG3, REG5 and REG7, the fractional words: W in bits 19..0.
//   W 167772 -> 28F5C
[[nodiscard]] std::uint32_t lo_fraction_word(const LoDivider& divider);

}  // namespace kv
