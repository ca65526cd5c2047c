#pragma once

#include <string>
#include <vector>

#include "panel/control.h"

namespace kv {

// The items of each list the window declares, in the order the list offers them.
[[nodiscard]] std::vector<std::string> list_items(ItemList list);

}  // namespace kv
