#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::batch {

// The name a mistyped one most likely meant: the nearest by edit distance
// (characters inserted, deleted or replaced, letter case ignored), when it is
// at most two edits and fewer than half the name's length away; the first
// in the given order among names as near. None when no name is that near.
//   "ch1bzz" among {"ch1bz", "ch2bz"} -> "ch1bz"      "xyz" -> none
[[nodiscard]] std::optional<std::string> nearest_name(std::string_view mistyped,
                                                      const std::vector<std::string>& names);

}  // namespace kv::batch
