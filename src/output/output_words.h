#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "panel/setting_names.h"
#include "panel/word_field.h"

namespace kv {

// REG8, the output format: three identical 5-bit groups in bits 19-15, 14-10
// and 9-5, then the constant group 00010 in bits 4-0. In each group:
//   bits 4-3  digital output (a switch sets both bits)
//   bits 2-1  analog output (both bits)
//   bit  0    single-ended
//   analog on, differential, digital off -> 00110 00110 00110 00010 -> 318C2
struct OutputGroupAt {
    int digital;
    int analog;
    int single_ended;
};
inline constexpr OutputGroupAt kReg8At = {3, 1, 0};
inline constexpr int kReg8GroupAt[] = {15, 10, 5};
inline constexpr std::uint32_t kReg8BothBits = 0b11;
inline constexpr std::uint32_t kReg8Constant = 0b00010;

[[nodiscard]] std::uint32_t output_format_word(bool digital, bool analog, bool single_ended);

// REG23, the sample width of the digital output: the constant group 11110 in
// bits 19-15, then three identical 5-bit groups 11w10 in bits 14-10, 9-5 and
// 4-0, w set for 4-bit samples.
//   2-bit -> 11110 11010 11010 11010 -> F6B5A
//   4-bit -> 11110 11110 11110 11110 -> F7BDE
inline constexpr std::uint32_t kReg23TopGroup = 0b11110;
inline constexpr int kReg23TopGroupAt = 15;
inline constexpr std::uint32_t kReg23Group = 0b11010;
inline constexpr int kReg23FourBitAt = 2;
inline constexpr int kReg23GroupAt[] = {10, 5, 0};

[[nodiscard]] std::uint32_t sample_width_word(bool four_bit);

// REG40, the test switches: one bit each, every other bit 0.
//   D2S_ck and Freq_ck checked -> 14000
inline constexpr int kReg40D2SAt = 16;
inline constexpr int kReg40AdcAt = 15;
inline constexpr int kReg40FreqAt = 14;

[[nodiscard]] std::uint32_t test_mode_word(bool d2s, bool adc, bool freq);

// The switches' fields, as the encoders write them.
[[nodiscard]] constexpr WordField output_switch(std::string_view setting, int at, int bits = 1) {
    return {.high = at + bits - 1, .low = at, .setting = setting, .meaning = FieldMeaning::Switch};
}
inline constexpr int kReg8BothBitsWidth = static_cast<int>(std::bit_width(kReg8BothBits));
inline constexpr std::array<WordField, 9> kReg8Fields = [] {
    std::array<WordField, 9> fields{};
    for (std::size_t g = 0; g < 3; ++g) {
        const int at = kReg8GroupAt[g];
        fields[3 * g] = output_switch(kDigitalOutSetting, at + kReg8At.digital, kReg8BothBitsWidth);
        fields[3 * g + 1] =
            output_switch(kAnalogOutSetting, at + kReg8At.analog, kReg8BothBitsWidth);
        fields[3 * g + 2] = output_switch(kSingleEndedSetting, at + kReg8At.single_ended);
    }
    return fields;
}();
inline constexpr std::array<WordField, 3> kReg23Fields = {
    output_switch(kFourBitSetting, kReg23GroupAt[0] + kReg23FourBitAt),
    output_switch(kFourBitSetting, kReg23GroupAt[1] + kReg23FourBitAt),
    output_switch(kFourBitSetting, kReg23GroupAt[2] + kReg23FourBitAt)};
inline constexpr std::array<WordField, 3> kReg40Fields = {
    output_switch(kD2STestSetting, kReg40D2SAt), output_switch(kAdcTestSetting, kReg40AdcAt),
    output_switch(kFreqTestSetting, kReg40FreqAt)};

}  // namespace kv
