#include <string>

#include "support/rule_problems.h"
#include "support/window_rules.h"

namespace kv::test {

// Cells of rows and columns 1..N show, no other; every cell is dark or light;
// a board that turned all light was won and dealt again at once.
std::vector<std::string> puzzle_problems(const MiniGame& game, const Module& module) {
    Problems problems;
    const int n = module.GameLevel;
    if (n < 3 || n > 8) {
        problems.add("GameLevel is " + std::to_string(n));
        return problems.take();
    }
    bool all_light = true;
    for (int index = 0; index < kBoardCells; ++index) {
        const Label& cell = game.minibox[static_cast<std::size_t>(index)];
        const int row = index / 10;
        const int column = index % 10;
        const bool on_board = row >= 1 && row <= n && column >= 1 && column <= n;
        if (cell.visible() != on_board) {
            problems.add(cell.name() + (on_board ? " is hidden" : " is shown"));
        }
        if (cell.back_color() != kMenuText && cell.back_color() != kWindowBackground) {
            problems.add(cell.name() + " is neither dark nor light");
        }
        all_light = all_light && (!on_board || cell.back_color() == kWindowBackground);
    }
    if (all_light) {
        problems.add("a solved board stays on the puzzle window");
    }
    return problems.take();
}

}  // namespace kv::test
