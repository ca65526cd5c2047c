#pragma once

#include <array>

#include "panel/kv2841a.h"

namespace kv {

// One of the three receive channels: the controls of its LO frame and of its
// gain frame, and the register its gain word goes into. The LO words feed the
// registers kPanelWordCopies gives them.
struct Channel {
    Frame Kv2841a::*lo_frame;
    ComboBox Kv2841a::*lo;
    TextBox Kv2841a::*lo_error;
    TextBox Kv2841a::*integer_word;
    TextBox Kv2841a::*fraction_word;
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
    {&Kv2841a::Frame9, &Kv2841a::ch1bz, &Kv2841a::Ch1_Deviation, &Kv2841a::reg2_te,
     &Kv2841a::reg3_te, &Kv2841a::Frame18, &Kv2841a::CH1_AGC_SW, &Kv2841a::CH1_RF_Gain,
     &Kv2841a::CH1_AGC_Gain, &Kv2841a::CH1_IFA_Gain, &Kv2841a::CH1_OBuffer, &Kv2841a::CH1_AC_Gain,
     &Kv2841a::CH1_DC_Gain, &Kv2841a::Reg10_Show, 10},
    {&Kv2841a::Frame10, &Kv2841a::ch2bz, &Kv2841a::Ch2_Deviation, &Kv2841a::reg4_te,
     &Kv2841a::reg5_te, &Kv2841a::Frame14, &Kv2841a::CH2_AGC_SW, &Kv2841a::CH2_RF_Gain,
     &Kv2841a::CH2_AGC_Gain, &Kv2841a::CH2_IFA_Gain, &Kv2841a::CH2_OBuffer, &Kv2841a::CH2_AC_Gain,
     &Kv2841a::CH2_DC_Gain, &Kv2841a::Reg11_Show, 11},
    {&Kv2841a::Frame11, &Kv2841a::ch3bz, &Kv2841a::Ch3_Deviation, &Kv2841a::reg6_te,
     &Kv2841a::reg7_te, &Kv2841a::Frame16, &Kv2841a::CH3_AGC_SW, &Kv2841a::CH3_RF_Gain,
     &Kv2841a::CH3_AGC_Gain, &Kv2841a::CH3_IFA_Gain, &Kv2841a::CH3_OBuffer, &Kv2841a::CH3_AC_Gain,
     &Kv2841a::CH3_DC_Gain, &Kv2841a::Reg12_Show, 12},
}};

}  // namespace kv
