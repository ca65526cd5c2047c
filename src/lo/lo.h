#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The three channel LOs: REG2 to REG7 and the LO spacing warning.
// Each procedure and handler has the name the window gives it.
void FBIWARMING(Kv2841a& w);
void callreg(Kv2841a& w);
void cdreg2(Kv2841a& w);
void cdreg4(Kv2841a& w);
void cdreg6(Kv2841a& w);
void ch1bz_Change(Kv2841a& w);
void ch1bz_Click(Kv2841a& w);
void ch2bz_Change(Kv2841a& w);
void ch2bz_Click(Kv2841a& w);
void ch3bz_Change(Kv2841a& w);
void ch3bz_Click(Kv2841a& w);

// Attaches the handlers to their controls; the window's constructor calls it.
void attach_lo(Kv2841a& w);

}  // namespace kv
