#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The output format (REG8), the sample width (REG23) and the test switches
// (REG40).
void ACout_Click(Kv2841a& w);
void ADC_ck_Click(Kv2841a& w);
void D2S_ck_Click(Kv2841a& w);
void DCout_Click(Kv2841a& w);
void Freq_ck_Click(Kv2841a& w);
void Option2bit_Click(Kv2841a& w);
void Option4bit_Click(Kv2841a& w);
void chafen_Click(Kv2841a& w);
void danduan_Click(Kv2841a& w);
void reg40_val(Kv2841a& w);
void reg8_val(Kv2841a& w);

void attach_output(Kv2841a& w);

}  // namespace kv
