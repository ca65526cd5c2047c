#pragma once

#include <vector>

#include "panel/controls.h"

namespace kv {

// The three panels of the status bar: the maker's line, the date and the time.
[[nodiscard]] std::vector<StatusBar::Panel> status_bar_panels();

}  // namespace kv
