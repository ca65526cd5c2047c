#pragma once

#include <string>
#include <vector>

#include "game/mini_game.h"
#include "panel/kv2841a.h"
#include "panel/module.h"
#include "support/window_model.h"

namespace kv::test {

// The rules the configuration window keeps after every action of the person,
// each told in a line when it is broken; empty when all hold.
//
// Words: every word the program wrote (the eleven panel word boxes, the gain
// copies, the register boxes it wrote since the person last typed into them)
// is five upper-case hexadecimal digits and is the word the current settings
// give, worked out again by the oracle, wherever the word is current (a gain
// word after a reset holds its default until its channel's handler runs; an
// LO frequency the words cannot hold leaves the last words).
// Marks: a copied register is marked when it differs from its power-on word, a
// bandwidth word when it is wide, REG19 always, no other register ever; a box
// typed into by hand keeps the text and mark the person left.
// Settings: the dividers follow their spins, the frequencies follow the
// dividers and the crystal, the frames and lists are open exactly as their
// switches say, one page is shown, the register boxes are all locked until
// manual entry is unlocked.
[[nodiscard]] std::vector<std::string> broken_rules(const Kv2841a& w, const Module& module,
                                                    const WindowModel& model);

// The register image and the settings are exactly what a reset gives.
[[nodiscard]] std::vector<std::string> reset_state_problems(const Kv2841a& w, const Module& module);

// The puzzle board: its size, the cells shown, and no solved board left standing.
[[nodiscard]] std::vector<std::string> puzzle_problems(const MiniGame& game, const Module& module);

}  // namespace kv::test
