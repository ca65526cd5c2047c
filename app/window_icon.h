#pragma once

namespace kv::app {

// Gives every window of the program its icon, in the sizes rendered from the
// icon's SVG at build time, and names the desktop entry the windows belong to.
void set_window_icon();

}  // namespace kv::app
