#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "panel/crystals.h"
#include "panel/setting_names.h"
#include "panel/word_field.h"

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
[[nodiscard]] double bandwidth_code(double mhz);

[[nodiscard]] std::optional<std::uint32_t> bandwidth_word(
    const std::array<double, 3>& bandwidth_mhz, const CrystalFields& crystal);

inline constexpr int kBandwidthCodeBits = 2;

// REG1's fields, as the encoder writes them.
[[nodiscard]] constexpr WordField bandwidth_field(int channel) {
    const int at = kReg1At.channel[static_cast<std::size_t>(channel - 1)];
    return {.high = at + kBandwidthCodeBits - 1,
            .low = at,
            .setting = kBandwidthSetting,
            .meaning = FieldMeaning::Item,
            .channel = channel,
            .offered = Offered::Bandwidths,
            .code = bandwidth_code,
            .unit = "MHz"};
}
inline constexpr std::array<WordField, 4> kReg1Fields = {
    bandwidth_field(1), bandwidth_field(2), bandwidth_field(3),
    WordField{.high = kReg1At.crystal.c,
              .low = kReg1At.crystal.f,
              .setting = kCrystalSetting,
              .meaning = FieldMeaning::Crystal}};

// A channel's bandwidth above this, in MHz, writes the wide word into the
// channel's bandwidth register; up to it the narrow word. The threshold is strict.
inline constexpr double kWideAbove = 25;

// A bandwidth word reads whole, as the channel's bandwidth.
[[nodiscard]] constexpr WordField bandwidth_word_field(int channel) {
    return {.high = kWordBits - 1,
            .low = 0,
            .setting = kBandwidthSetting,
            .meaning = FieldMeaning::WideBandwidth,
            .channel = channel};
}
inline constexpr std::array<WordField, 1> kReg18Fields = {bandwidth_word_field(1)};
inline constexpr std::array<WordField, 1> kReg27Fields = {bandwidth_word_field(2)};
inline constexpr std::array<WordField, 1> kReg34Fields = {bandwidth_word_field(3)};

}  // namespace kv
