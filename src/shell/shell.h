#pragma once

#include "panel/kv2841a.h"

namespace kv {

// The help menu and the exit item.
void Direction_Click(Kv2841a& w);
void Exit_Click(Kv2841a& w);
void about_Click(Kv2841a& w);
void edition_Click(Kv2841a& w);

void attach_shell(Kv2841a& w);

}  // namespace kv
