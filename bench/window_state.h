#pragma once

#include <string>

#include "panel/kv2841a.h"
#include "quiet_platform.h"

namespace kv::bench {

// Everything of the window a person can see or get (texts, values, spin
// positions, the selected tab, the focus moves, the bytes saved and the
// boxes shown) as one text. A benchmark takes it before and after one action
// to make sure the action reached the window: an action that changes nothing
// measures nothing.
[[nodiscard]] std::string window_state(const Kv2841a& w, const test::FakePlatform& platform);

}  // namespace kv::bench
