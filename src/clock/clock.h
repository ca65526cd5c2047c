#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The sample-clock page and the crystal: the divider chain, REG9, and the
// crystal list and spin that apply a row of kCrystals.
void VCOwarm(Kv2841a& w);
void VScroll_SCfpb_Change(Kv2841a& w);
void VScroll_crystal_Change(Kv2841a& w);
void VScroll_fbA_Change(Kv2841a& w);
void VScroll_fbB_Change(Kv2841a& w);
void VScroll_reA_Change(Kv2841a& w);
void VScroll_reB_Change(Kv2841a& w);
void callbycry(Kv2841a& w);
void crylist_Click(Kv2841a& w);
void exchcry(Kv2841a& w);
void fbA_Change(Kv2841a& w);
void fbA_Click(Kv2841a& w);
void fbA_Selectall(Kv2841a& w);
void load_value(Kv2841a& w);
void reB_Change(Kv2841a& w);
void reB_Click(Kv2841a& w);
void reB_Selectall(Kv2841a& w);

void attach_clock(Kv2841a& w);

}  // namespace kv
