#include <iterator>
#include <string>

#include "support/lights_out.h"
#include "support/session.h"

namespace kv::test {

// The puzzle window once the version item opened it: mostly clicks on the
// board's cells, now and then a size, the items without an action, the rules
// box or the window's own exit. While it is not open, the person keeps using
// the version item.
void Session::play_puzzle(Problems& problems) {
    MiniGame* game = run_->app.mini_game();
    if (game == nullptr) {
        use_version_item(problems);
        return;
    }
    const int n = run_->app.module().GameLevel;
    const auto roll = rng_.below(100);
    if (roll < 80 && n >= 1) {
        const int index = 10 * rng_.between(1, n) + rng_.between(1, n);
        Label& cell = game->minibox[static_cast<std::size_t>(index)];
        note("click " + cell.name(), cell.click());
        return;
    }
    MenuItem* items[] = {&game->lv3,   &game->lv4,  &game->lv5, &game->lv6,
                         &game->lv7,   &game->lv8,  &game->lv9, &game->strat,
                         &game->leave, &game->help, &game->Exit};
    MenuItem& item = *items[rng_.below(std::size(items))];
    note("MiniGame menu " + item.name(), item.click());
}

// Clicks a set of cells that solves the board; a board that cannot be solved
// is dealt afresh at its size first. Winning tells so and unlocks manual entry.
void Session::solve_puzzle(Problems& problems) {
    MiniGame* game = run_->app.mini_game();
    if (game == nullptr) {
        use_version_item(problems);
        return;
    }
    const int n = run_->app.module().GameLevel;
    if (n < 3 || n > 8) {
        note("solve a board of size " + std::to_string(n), false);
        return;  // the puzzle rules tell
    }
    auto clicks = lights_out_solution(*game, n);
    if (!clicks) {
        MenuItem* sizes[] = {&game->lv3, &game->lv4, &game->lv5,
                             &game->lv6, &game->lv7, &game->lv8};
        sizes[static_cast<std::size_t>(n - 3)]->click();
        clicks = lights_out_solution(*game, n);
    }
    if (!clicks) {
        problems.add("a fresh " + std::to_string(n) + " x " + std::to_string(n) +
                     " board has no solution");
        return;
    }
    for (int index : *clicks) {
        game->minibox[static_cast<std::size_t>(index)].click();
    }
    note("solve the " + std::to_string(n) + " x " + std::to_string(n) + " board in " +
             std::to_string(clicks->size()) + " clicks",
         true);
    if (run_->app.module().RegsUnlocked != 1) {
        problems.add("a solved board did not unlock manual entry");
    }
}

}  // namespace kv::test
