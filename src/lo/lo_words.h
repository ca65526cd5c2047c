#pragma once

#include <array>
#include <cstdint>

#include "lo/lo_divider.h"
#include "panel/setting_names.h"
#include "panel/word_field.h"

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

// I takes 11 bits in every channel's integer word (kLoIntegerLimit).
inline constexpr int kLoIntegerBits = 11;

[[nodiscard]] constexpr WordField lo_field(int channel, FieldMeaning meaning, int high, int low) {
    return {
        .high = high, .low = low, .setting = kLoSetting, .meaning = meaning, .channel = channel};
}
[[nodiscard]] constexpr WordField pre_divider_field(int at, int pre_divider) {
    return {.high = at,
            .low = at,
            .setting = kCrystalSetting,
            .meaning = FieldMeaning::PreDivider,
            .pre_divider = pre_divider};
}
[[nodiscard]] constexpr std::array<WordField, 1> lo_fraction_fields(int channel) {
    return {lo_field(channel, FieldMeaning::LoFraction, kWordBits - 1, 0)};
}

// The fields of the LO words, as the encoders write them.
inline constexpr std::array<WordField, 4> kReg2Fields = {
    pre_divider_field(kReg2At.pre_divider_2, 2), pre_divider_field(kReg2At.pre_divider_4, 4),
    lo_field(1, FieldMeaning::IntegerN, kReg2At.integer_n, kReg2At.integer_n),
    lo_field(1, FieldMeaning::LoInteger, kReg2At.integer + kLoIntegerBits - 1, kReg2At.integer)};
inline constexpr std::array<WordField, 2> kReg4Fields = {
    lo_field(2, FieldMeaning::IntegerN, kReg4IntegerNAt, kReg4IntegerNAt),
    lo_field(2, FieldMeaning::LoInteger, kReg4IntegerAt + kLoIntegerBits - 1, kReg4IntegerAt)};
inline constexpr std::array<WordField, 2> kReg6Fields = {
    lo_field(3, FieldMeaning::IntegerN, kReg4IntegerNAt, kReg4IntegerNAt),
    lo_field(3, FieldMeaning::LoInteger, kReg4IntegerAt + kLoIntegerBits - 1, kReg4IntegerAt)};
inline constexpr auto kReg3Fields = lo_fraction_fields(1);
inline constexpr auto kReg5Fields = lo_fraction_fields(2);
inline constexpr auto kReg7Fields = lo_fraction_fields(3);

}  // namespace kv
