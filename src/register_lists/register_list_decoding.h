#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "clock/clock_word.h"
#include "panel/register_map.h"

namespace kv {

// A register word of a file, or none for a text that is no word.
using FileWords = std::array<std::optional<std::uint32_t>, kRegisterCount>;

[[nodiscard]] FileWords words_of(const std::array<std::string, kRegisterCount>& texts);

// What the panel offers: the items of its lists and the dividers of its
// spins, as the window holds them.
struct PanelOffers {
    std::vector<std::string> bandwidths;  // Combo1..Combo3, MHz
    std::vector<std::string> front_end;   // the front-end gain lists, dB
    std::vector<std::string> agc;         // the AGC gain lists
    std::vector<std::string> ifa;         // the IF-amplifier gain lists
    std::vector<int> re_a, re_b, fb_a, fb_b, sc_fpb;
};

struct OutputSettings {
    bool analog = false;
    bool digital = false;
    bool single_ended = false;
};

struct TestSwitches {
    bool d2s = false;
    bool adc = false;
    bool freq = false;
};

struct ChannelGainSettings {
    std::string front_end;  // the list items
    std::string agc;
    std::string ifa;
    bool agc_switch = false;
};

// The panel settings that produce a file's words, group by group, found by
// running the word encoders over every setting the panel offers. A group whose
// words no setting produces (a word typed by hand, a text that is no word) is
// empty, and the window keeps its own setting there.
struct DecodedSettings {
    std::optional<std::array<std::string, 3>> bandwidths;  // REG1's top bits
    std::vector<int> crystals_fitted;                      // crystal indices, in the list's order
    std::optional<int> crystal;                            // the index chosen among them
    std::optional<ClockDividers> dividers;                 // REG9
    std::array<std::optional<std::string>, 3> lo_mhz;      // REG2..REG7 at the chosen crystal
    std::optional<OutputSettings> output;                  // REG8
    std::optional<bool> four_bit;                          // REG23
    std::optional<TestSwitches> test;                      // REG40
    std::array<std::optional<ChannelGainSettings>, 3> gains;  // REG10..REG12
    std::optional<bool> ifa_switch;                           // REG10
};

// The settings for a file's words. The crystal is the one every word that
// tells the crystal on its own agrees with: REG1's crystal fields, REG2's
// pre-divider bits, channel 1's LO words. Where the words fit more than one
// crystal (20 and 19.2 MHz give the same REG1, REG9 and pre-divider), the
// crystal whose LO frequencies come out shortest in all is chosen, then the
// crystal the window has now (current_crystal), then the first in the list's
// order. A channel whose two LO words no frequency gives takes its LO from
// its integer word alone when that word is integer-N.
[[nodiscard]] DecodedSettings decode_settings(const FileWords& words, const PanelOffers& offers,
                                              int current_crystal);

// The shortest decimal text of an LO frequency, in MHz, whose words at this
// crystal and pre-divider are exactly these; none when no frequency gives them.
// Channel 1 carries the pre-divider in its integer word, channels 2 and 3 not.
//   channel 1, 25 MHz, pre-divider 2, words 32178 and 28F5C -> "1176"
[[nodiscard]] std::optional<std::string> lo_text(int channel, std::uint32_t integer_word,
                                                 std::uint32_t fraction_word, double crystal_mhz,
                                                 int pre_divider);

// True when channel 1's integer word on its own is one the LO gives at this
// pre-divider: its constant bits and pre-divider code as the encoder sets
// them, whatever its I and integer-N flag.
//   32178 fits pre-divider 2; 2A1D6 fits 4; 221D6 fits 1
[[nodiscard]] bool channel1_integer_word_fits(std::uint32_t integer_word, int pre_divider);

}  // namespace kv
