#pragma once

#include <array>
#include <optional>
#include <string>

#include "panel/kv2841a.h"
#include "panel/module.h"
#include "support/rule_problems.h"
#include "support/window_model.h"

// The parts of the window's rules, one file each.
namespace kv::test::rules {

// The word each register would hold if the program wrote it now from the
// current settings; nothing where no word is defined (an LO frequency the
// words cannot hold). Settings that are no setting at all are problems.
using Words = std::array<std::optional<std::string>, kRegisterCount>;
[[nodiscard]] Words current_words(const Kv2841a& w, const Module& module, Problems& problems);

// A whole number shown in a control; a problem when it is none.
[[nodiscard]] std::optional<int> whole_in(const TextControl& control, Problems& problems);

void check_registers(const Kv2841a& w, const WindowModel& model, const Words& words,
                     Problems& problems);
void check_clock(const Kv2841a& w, const Module& module, Problems& problems);
void check_lo(const Kv2841a& w, const Module& module, Problems& problems);
void check_switches_and_lists(const Kv2841a& w, Problems& problems);
void check_window(const Kv2841a& w, const Module& module, const WindowModel& model,
                  Problems& problems);

}  // namespace kv::test::rules
