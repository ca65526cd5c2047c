#pragma once

#include <cstddef>

#include "panel/kv2841a.h"

namespace kv {

// The channels' gains: the gain displays and REG10 to REG12.
// Each procedure has the name the window gives it; a handler that the three
// channels share takes the channel's index in kChannels (0 to 2).
// The Click of CHn_RF_Gain, CHn_AGC_Gain and CHn_IFA_Gain: channel n's gain
// displays, then its gain word.
void gain_list_Click(Kv2841a& w, std::size_t n);
// The Click of CHn_AGC_SW.
void AGC_SW_Click(Kv2841a& w, std::size_t n);
void CH1_IFA_SW_Click(Kv2841a& w);
void GainRegs_Live_Value(Kv2841a& w);
void Reg10_Live_Value(Kv2841a& w);
void Reg11_Live_Value(Kv2841a& w);
void Reg12_Live_Value(Kv2841a& w);

void attach_gain(Kv2841a& w);

}  // namespace kv
