#pragma once

#include <memory>

#include "game/mini_game.h"
#include "panel/kv2841a.h"
#include "panel/module.h"
#include "panel/platform.h"
#include "window/window.h"

namespace kv {

// The program: the module variables the two windows share, the configuration
// window, and the puzzle window once it has been asked for. Neither window owns
// the other; the program runs while either is open.
class Application final {
public:
    explicit Application(Platform& platform);

    // Loads the configuration window, as at every start.
    void start();

    [[nodiscard]] Module& module() { return module_; }
    [[nodiscard]] Kv2841a& window() { return window_; }
    // The puzzle window, or null while it is not loaded. A view binds to it
    // anew each time the window is shown: a later showing may bring a new one.
    [[nodiscard]] MiniGame* mini_game() { return mini_game_loaded_ ? mini_game_.get() : nullptr; }

    // Loads the puzzle window when it is not loaded, then shows it without
    // blocking the configuration window.
    void show_mini_game();
    // Unloads the puzzle window; a later showing loads it afresh. Safe to call
    // from a handler of the puzzle window itself: the object lives on until the
    // next showing replaces it.
    void unload_mini_game();

private:
    Platform& platform_;
    Module module_;
    Kv2841aWindow window_;
    std::unique_ptr<MiniGame> mini_game_;
    bool mini_game_loaded_ = false;
};

}  // namespace kv
