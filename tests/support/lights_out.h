#pragma once

#include <optional>
#include <vector>

#include "game/mini_game.h"

namespace kv::test {

// The cells to click (index 10 x row + column) that turn the whole N x N board
// of the puzzle light, each click inverting a cell and its four neighbours;
// nothing when no set of clicks does. Found by trying every set of clicks in
// the first row and chasing the dark cells down row by row.
[[nodiscard]] std::optional<std::vector<int>> lights_out_solution(const MiniGame& game, int n);

}  // namespace kv::test
