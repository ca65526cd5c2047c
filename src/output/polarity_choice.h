#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The differential / single-ended choice is open only while the analog output
// is on and the test switch D2S_ck is checked. ACout_Click and D2S_ck_Click
// both apply this rule, so it holds whichever of the two changes last.
inline void enable_polarity_choice(Kv2841a& w) {
    const bool open = w.ACout.value() == 1 && w.D2S_ck.value() == 1;
    w.chafen.set_enabled(open);
    w.danduan.set_enabled(open);
}

}  // namespace kv
