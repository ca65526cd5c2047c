#pragma once

#include <string>
#include <vector>

#include "panel/control.h"

namespace kv {

// What a control shows and holds, as undo keeps it: every property a
// procedure or the person changes, and nothing of the view's own (which page
// is shown, where the caret stands). A control kind fills the fields it has
// and leaves the others at their defaults.
struct ControlState {
    bool enabled = true;
    std::string caption;
    std::string tool_tip;
    std::string text;
    Colour back_color = 0;
    bool locked = false;
    std::vector<std::string> items;
    int list_index = -1;
    int value = 0;  // a check box's, option's or spin's value

    bool operator==(const ControlState&) const = default;
};

}  // namespace kv
