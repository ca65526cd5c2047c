#pragma once

#include <span>
#include <string>

#include "panel/kv2841a.h"

namespace kv::bench {

using ListLayout = std::string (*)(std::span<const std::string>);

// Puts the file the next open reads on the window's quiet platform: the
// register list, in the layout given, of a set-up away from the start in
// every group (there) or of the start image (back), so that opening one
// after the other changes the whole window every time.
void next_file_to_open(Kv2841a& w, ListLayout layout, bool there);

}  // namespace kv::bench
