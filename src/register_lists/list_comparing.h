#pragma once

#include <string>
#include <vector>

#include "panel/list_comparison.h"
#include "register_lists/list_explaining.h"

namespace kv {

// Compares two lists read with read_list: the settings that differ, in the
// order of the pages, and the registers whose words differ, in order. Two
// words differ by value; a text that is no word differs from every other text.
[[nodiscard]] ListComparison compare_lists(const ReadList& before, const ReadList& after,
                                           const PanelOffers& offers);

// "2通道本振 1574.5 MHz → 1575.42 MHz"
[[nodiscard]] std::string change_text(const SettingChange& change);

// For pipelines: a line "REGn BEFORE AFTER" for each register that differs,
// each followed by its lines indented by two blanks; nothing when all 44 are
// equal.
[[nodiscard]] std::string comparison_text(const ListComparison& comparison);

}  // namespace kv
