#pragma once

#include "panel/controls.h"

namespace kv {

// Shows a channel's total gains: the analog gain is the sum of the front-end,
// AGC and IF-amplifier gains read from the three lists plus the output
// buffer's fixed 3 dB; the digital gain is the analog display read back, less
// those 3 dB. A disabled list still counts: the gains do not depend on the
// switches.
//   40 + 35 + 16 + 3 -> analog "94", digital "91"
void show_gain_displays(const ComboBox& front_end, const ComboBox& agc, const ComboBox& ifa,
                        TextBox& analog, TextBox& digital);

}  // namespace kv
