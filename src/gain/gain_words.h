#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "panel/setting_names.h"
#include "panel/word_field.h"

namespace kv {

// A channel's gains in dB, as its three lists show them.
struct ChannelGains {
    double front_end;  // 22, 31, 40 or 49
    double agc;        // 0..63
    double ifa;        // 0, 8 or 16
};

// The gain words of the three channels. With the gains the lists offer every
// field is a whole number and none overlaps:
//   front-end code (R - 22) / 9: 22 dB -> 0 .. 49 dB -> 3
//   AGC gain A, written twice
//   IF-amplifier code floor(I / 5): 0 dB -> 0, 8 dB -> 1, 16 dB -> 3
// A gain from outside the lists may give a fraction: the sum is rounded to
// nearest, a half to the even neighbour, and none is given when it has no
// word form.
//
// The codes of the front-end and IF-amplifier gains.
[[nodiscard]] double front_end_code(double gain);
[[nodiscard]] double ifa_code(double gain);

inline constexpr int kFrontEndCodeBits = 2;
inline constexpr int kAgcBits = 6;
inline constexpr int kIfaCodeBits = 2;

// REG10, channel 1:
//   19-18 front-end code   17 IF-amplifier switch   16 AGC switch
//   15-10 and 9-4 the AGC gain   3-2 IF-amplifier code   1-0 binary 10
//   R 40, A 35, I 16, IF-amplifier switch off, AGC switch on -> 98E3E
struct GainFieldsAt {
    int front_end;
    int ifa_switch;  // -1: the word has no bit for it
    int agc_switch;
    int agc;
    int agc_again;
    int ifa;
};
inline constexpr GainFieldsAt kReg10At = {18, 17, 16, 10, 4, 2};
inline constexpr std::uint32_t kReg10Constant = 0b10;

[[nodiscard]] std::optional<std::uint32_t> channel1_gain_word(const ChannelGains& gains,
                                                              bool ifa_switch, bool agc_switch);

// REG11 and REG12, channels 2 and 3 (no bit for the IF-amplifier switch):
//   19-18 front-end code   17 the channel's AGC switch   16-11 and 10-5 the AGC gain
//   4-3 IF-amplifier code   2-0 binary 100
//   R 40, A 33, I 16, AGC switch on -> B0C3C
inline constexpr GainFieldsAt kReg11At = {18, -1, 17, 11, 5, 3};
inline constexpr std::uint32_t kReg11Constant = 0b100;

[[nodiscard]] std::optional<std::uint32_t> channel23_gain_word(const ChannelGains& gains,
                                                               bool agc_switch);

// A gain word's fields, as the encoders write them; the AGC gain twice.
[[nodiscard]] constexpr WordField gain_item(int channel, std::string_view setting, int low,
                                            int bits, Offered offered, double (*code)(double)) {
    return {.high = low + bits - 1,
            .low = low,
            .setting = setting,
            .meaning = FieldMeaning::Item,
            .channel = channel,
            .offered = offered,
            .code = code,
            .unit = "dB"};
}
[[nodiscard]] constexpr WordField gain_switch(int channel, std::string_view setting, int at) {
    return {.high = at,
            .low = at,
            .setting = setting,
            .meaning = FieldMeaning::Switch,
            .channel = channel};
}
[[nodiscard]] constexpr std::array<WordField, 5> channel_gain_fields(int channel,
                                                                     const GainFieldsAt& at) {
    return {gain_item(channel, kFrontEndGainSetting, at.front_end, kFrontEndCodeBits,
                      Offered::FrontEndGains, front_end_code),
            gain_switch(channel, kAgcSwitchSetting, at.agc_switch),
            gain_item(channel, kAgcGainSetting, at.agc, kAgcBits, Offered::AgcGains, nullptr),
            gain_item(channel, kAgcGainSetting, at.agc_again, kAgcBits, Offered::AgcGains, nullptr),
            gain_item(channel, kIfaGainSetting, at.ifa, kIfaCodeBits, Offered::IfaGains, ifa_code)};
}
inline constexpr std::array<WordField, 6> kReg10Fields = [] {
    const auto own = channel_gain_fields(1, kReg10At);
    return std::array<WordField, 6>{own[0], gain_switch(0, kIfaSwitchSetting, kReg10At.ifa_switch),
                                    own[1], own[2],
                                    own[3], own[4]};
}();
inline constexpr auto kReg11Fields = channel_gain_fields(2, kReg11At);
inline constexpr auto kReg12Fields = channel_gain_fields(3, kReg11At);

}  // namespace kv
