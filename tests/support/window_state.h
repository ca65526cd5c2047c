#pragma once

#include <string>

#include "panel/kv2841a.h"

namespace kv::test {

// Every setting, word, mark, lock, enable and visibility of the window, and
// the module variables, as one text: two windows that give the same text look
// and act the same.
[[nodiscard]] std::string window_state(const Kv2841a& w, const Module& module);

}  // namespace kv::test
