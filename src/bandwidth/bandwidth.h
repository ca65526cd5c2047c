#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The channels' bandwidth lists: REG1 and the bandwidth words of REG18,
// REG27 and REG34.
void Combo1_Click(Kv2841a& w);
void Combo2_Click(Kv2841a& w);
void Combo3_Click(Kv2841a& w);
void reg1fuzhi(Kv2841a& w);

void attach_bandwidth(Kv2841a& w);

}  // namespace kv
