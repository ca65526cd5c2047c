#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The configuration window composed: the panel's controls with the handlers
// of every subsystem attached.
class Kv2841aWindow final : public Kv2841a {
public:
    Kv2841aWindow(Module& module, Platform& platform);
};

// Start-up and reset: they bring every subsystem to its working state.
void Default_Regs(Kv2841a& w);
void Form_Activate(Kv2841a& w);
void Form_Load(Kv2841a& w);
void Kv2841a_Click(Kv2841a& w);
void ResetAll_Click(Kv2841a& w);
void Reset_All(Kv2841a& w);
void RessetAll2_Click(Kv2841a& w);
void apply_working_clock(Kv2841a& w);
void combo_load(Kv2841a& w);
void default_reg_list_Click(Kv2841a& w);
void tips(Kv2841a& w);

void attach_reset(Kv2841a& w);

}  // namespace kv
