#pragma once

#include <array>
#include <string_view>

#include "panel/kv2841a.h"

namespace kv {

// One of the three receive channels: its bandwidth list with the register and
// words the list writes, the controls of its LO frame with the registers of its
// LO words, and the controls of its gain frame with the register of its gain
// word.
struct Channel {
    // What the window calls the channel beside its bandwidth list.
    std::string_view name;
    ComboBox Kv2841a::*bandwidth;
    int bandwidth_reg;
    // The bandwidth register's word above 25 MHz (marked) and up to it.
    std::string_view wide_word;
    std::string_view narrow_word;
    Frame Kv2841a::*lo_frame;
    ComboBox Kv2841a::*lo;
    TextBox Kv2841a::*lo_error;
    TextBox Kv2841a::*integer_word;
    TextBox Kv2841a::*fraction_word;
    int integer_reg;
    int fraction_reg;
    Frame Kv2841a::*gain_frame;
    CheckBox Kv2841a::*agc_switch;
    ComboBox Kv2841a::*front_end_gain;
    ComboBox Kv2841a::*agc_gain;
    ComboBox Kv2841a::*ifa_gain;
    OptionButton Kv2841a::*output_buffer;
    TextBox Kv2841a::*analog_gain;
    TextBox Kv2841a::*digital_gain;
    TextBox Kv2841a::*gain_word;
    int gain_reg;
};

// Channels 1, 2 and 3.
inline constexpr std::array<Channel, 3> kChannels = {{
    {"1通道",
     &Kv2841a::Combo1,
     18,
     "7FFE0",
     "7C030",
     &Kv2841a::Frame9,
     &Kv2841a::ch1bz,
     &Kv2841a::Ch1_Deviation,
     &Kv2841a::reg2_te,
     &Kv2841a::reg3_te,
     2,
     3,
     &Kv2841a::Frame18,
     &Kv2841a::CH1_AGC_SW,
     &Kv2841a::CH1_RF_Gain,
     &Kv2841a::CH1_AGC_Gain,
     &Kv2841a::CH1_IFA_Gain,
     &Kv2841a::CH1_OBuffer,
     &Kv2841a::CH1_AC_Gain,
     &Kv2841a::CH1_DC_Gain,
     &Kv2841a::Reg10_Show,
     10},
    {"2通道",
     &Kv2841a::Combo2,
     27,
     "FE830",
     "FC030",
     &Kv2841a::Frame10,
     &Kv2841a::ch2bz,
     &Kv2841a::Ch2_Deviation,
     &Kv2841a::reg4_te,
     &Kv2841a::reg5_te,
     4,
     5,
     &Kv2841a::Frame14,
     &Kv2841a::CH2_AGC_SW,
     &Kv2841a::CH2_RF_Gain,
     &Kv2841a::CH2_AGC_Gain,
     &Kv2841a::CH2_IFA_Gain,
     &Kv2841a::CH2_OBuffer,
     &Kv2841a::CH2_AC_Gain,
     &Kv2841a::CH2_DC_Gain,
     &Kv2841a::Reg11_Show,
     11},
    {"3通道",
     &Kv2841a::Combo3,
     34,
     "7EBE0",
     "7C030",
     &Kv2841a::Frame11,
     &Kv2841a::ch3bz,
     &Kv2841a::Ch3_Deviation,
     &Kv2841a::reg6_te,
     &Kv2841a::reg7_te,
     6,
     7,
     &Kv2841a::Frame16,
     &Kv2841a::CH3_AGC_SW,
     &Kv2841a::CH3_RF_Gain,
     &Kv2841a::CH3_AGC_Gain,
     &Kv2841a::CH3_IFA_Gain,
     &Kv2841a::CH3_OBuffer,
     &Kv2841a::CH3_AC_Gain,
     &Kv2841a::CH3_DC_Gain,
     &Kv2841a::Reg12_Show,
     12},
}};

// A panel word box and the register LiveRegsList copies it into.
struct PanelWordCopy {
    int reg;
    TextBox Kv2841a::*box;
};

// The copies LiveRegsList makes, in the order it makes them.
inline constexpr std::array<PanelWordCopy, 11> kPanelWordCopies = {{
    {40, &Kv2841a::testmode},
    {1, &Kv2841a::reg1_te},
    {kChannels[0].integer_reg, kChannels[0].integer_word},
    {kChannels[0].fraction_reg, kChannels[0].fraction_word},
    {kChannels[1].integer_reg, kChannels[1].integer_word},
    {kChannels[1].fraction_reg, kChannels[1].fraction_word},
    {kChannels[2].integer_reg, kChannels[2].integer_word},
    {kChannels[2].fraction_reg, kChannels[2].fraction_word},
    {8, &Kv2841a::outmode},
    {9, &Kv2841a::reg9_val},
    {23, &Kv2841a::Reg23Ctrl},
}};

// The register a panel word box feeds, or -1 for a box that feeds none.
[[nodiscard]] int panel_register(const Kv2841a& w, const TextBox& box);

}  // namespace kv
