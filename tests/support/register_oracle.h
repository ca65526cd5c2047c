#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The words the settings give, worked out here a second time, in integers and
// straight from the chip's register layouts, to hold against the words the
// window shows. Each function takes the settings as plain numbers; the rules
// read them from the controls.
namespace kv::test::oracle {

// The start and default word of register n, 0..43.
[[nodiscard]] std::string_view default_word(int n);

// The word form: five upper-case hexadecimal digits.
[[nodiscard]] std::string word(std::uint32_t value);

// True for exactly five characters 0-9 and A-F.
[[nodiscard]] bool is_word(std::string_view text);

// A text that is a plain decimal whole number ("31", not "031", "+31" or "3.0").
[[nodiscard]] std::optional<int> whole_number(std::string_view text);

// One row of the crystal table, by crystal index 1..7.
struct Crystal {
    std::string_view text;  // as the crystal box and list show it
    double mhz;
    int pre_divider;              // YFPB
    std::uint32_t reg1_low_bits;  // bits 13..0 of REG1
};
[[nodiscard]] const Crystal* crystal(int index);

// REG1: three bandwidth codes (10 MHz -> 0 .. 40 MHz -> 3) over the crystal's bits.
// Nothing for a bandwidth the lists do not offer.
[[nodiscard]] std::optional<std::uint32_t> reg1(int cry_index, int b1, int b2, int b3);

// REG9 from the five dividers.
[[nodiscard]] std::uint32_t reg9(int re_a, int re_b, int fb_a, int fb_b, int sc_fpb);

// REG8 from the output switches, REG23 from the sample width, REG40 from the test switches.
[[nodiscard]] std::uint32_t reg8(int analog, int digital, bool single_ended);
[[nodiscard]] std::string_view reg23(bool two_bit);
[[nodiscard]] std::uint32_t reg40(int d2s, int adc, int freq);

// The gain words; nothing for a gain the lists do not offer.
[[nodiscard]] std::optional<std::uint32_t> reg10(int front_end, int agc, int ifa, int ifa_switch,
                                                 int agc_switch);
[[nodiscard]] std::optional<std::uint32_t> reg11_12(int front_end, int agc, int ifa,
                                                    int agc_switch);

// The word a bandwidth pick writes into REG18 (channel 1), REG27 or REG34.
struct BandwidthWord {
    std::string_view word;
    bool marked;
};
[[nodiscard]] BandwidthWord bandwidth_word(int channel, int mhz);

// The two words of a channel LO and the error it leaves, in Hz as its box shows
// it (the LO the words give minus the one asked for); nothing when the integer
// field cannot hold the divider (a negative, huge or non-finite one).
struct LoWords {
    std::uint32_t integer;
    std::uint32_t fraction;
    double error_hz;
};
[[nodiscard]] std::optional<LoWords> lo_words(int channel, double f_mhz, double crystal_mhz,
                                              int pre_divider);

}  // namespace kv::test::oracle
