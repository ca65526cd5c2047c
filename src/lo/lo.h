#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The three channel LOs: REG2 to REG7 and the LO spacing warning.
// Each procedure has the name the window gives it; the six handlers of the
// LO lists are one.
void FBIWARMING(Kv2841a& w);
void callreg(Kv2841a& w);
void cdreg2(Kv2841a& w);
void cdreg4(Kv2841a& w);
void cdreg6(Kv2841a& w);
// The Click of ch1bz, ch2bz and ch3bz.
void LO_list_event(Kv2841a& w);
// Their Change: where the window asks for it, the warning waits for the end
// of the person's entry, and then comes from LO_list_entry_complete.
void LO_list_Change(Kv2841a& w, const ComboBox& list);
void LO_list_entry_complete(Kv2841a& w);

void attach_lo(Kv2841a& w);

}  // namespace kv
