#pragma once

#include <string>

#include "panel/kv2841a.h"

namespace kv::test {

// Every setting, word, mark, lock, enable and visibility of the window, and
// the module variables, as one text: two windows that give the same text look
// and act the same.
[[nodiscard]] std::string window_state(const Kv2841a& w, const Module& module);

// What undo puts back, as one text: every control's text, value, enable,
// colour, lock, caption, tip and list items, and the variables the settings
// depend on; not which page shows, the menus, the puzzle's unlock nor the
// version clicks.
[[nodiscard]] std::string settings_state(const Kv2841a& w, const Module& module);

}  // namespace kv::test
