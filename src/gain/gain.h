#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The channels' gains: the gain displays and REG10 to REG12.
// Each procedure and handler has the name the window gives it.
void CH1_AGC_Gain_Click(Kv2841a& w);
void CH1_AGC_SW_Click(Kv2841a& w);
void CH1_IFA_Gain_Click(Kv2841a& w);
void CH1_IFA_SW_Click(Kv2841a& w);
void CH1_Live_Gain(Kv2841a& w);
void CH1_RF_Gain_Click(Kv2841a& w);
void CH2_AGC_Gain_Click(Kv2841a& w);
void CH2_AGC_SW_Click(Kv2841a& w);
void CH2_IFA_Gain_Click(Kv2841a& w);
void CH2_RF_Gain_Click(Kv2841a& w);
void CH3_AGC_Gain_Click(Kv2841a& w);
void CH3_AGC_SW_Click(Kv2841a& w);
void CH3_IFA_Gain_Click(Kv2841a& w);
void CH3_RF_Gain_Click(Kv2841a& w);
void GainRegs_Live_Value(Kv2841a& w);
void Reg10_Live_Value(Kv2841a& w);
void Reg11_Live_Value(Kv2841a& w);
void Reg12_Live_Value(Kv2841a& w);

// Attaches the handlers to their controls; the window's constructor calls it.
void attach_gain(Kv2841a& w);

}  // namespace kv
