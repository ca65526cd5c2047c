#pragma once

#include "panel/kv2841a.h"

namespace kv::bench {

// What the person does once before an action is timed.
inline void nothing(Kv2841a& /*w*/) {}

inline void open_frequency_frame(Kv2841a& w) {
    w.Freq_ck.click();
}

// The output frame with its differential / single-ended choice open.
inline void open_output_frame(Kv2841a& w) {
    w.ADC_ck.click();
    w.D2S_ck.click();
}

}  // namespace kv::bench
