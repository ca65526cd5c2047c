#pragma once

#include <string>
#include <string_view>

#include "panel/kv2841a.h"

namespace kv::batch {

// What the action "controls" writes of one control: the name as a script
// writes it, the kind, the page (the key of its tab) and the value as "print"
// writes it, separated by TABs.
//   "ch1bz\tComboBox\tkey1\t1176"
[[nodiscard]] std::string control_line(std::string_view name, std::string_view kind,
                                       std::string_view page, std::string_view value);

// The kind of a control as the window's design names it: "TextBox", "ComboBox", ...
[[nodiscard]] std::string_view kind_name(ControlKind kind);

// The key of the page a control of the configuration window lies on; "-" for
// one on no page (menus, the tab strip, the status bar).
[[nodiscard]] std::string_view page_key(const Kv2841a& w, const Control& control);

}  // namespace kv::batch
