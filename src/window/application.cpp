#include "window/application.h"

#include "window/window.h"

namespace kv {

Application::Application(Platform& platform) : platform_(platform), window_(module_, platform_) {
    window_.show_MiniGame = [this] { show_mini_game(); };
}

void Application::start() {
    Form_Load(window_);
}

// A puzzle window that was unloaded is replaced here, not when it unloads: its
// own Exit handler is still running at that moment. Nothing of the old window
// runs while the configuration window asks for a new one.
void Application::show_mini_game() {
    if (!mini_game_loaded_) {
        mini_game_ = std::make_unique<MiniGame>(module_, platform_);
        mini_game_->unload = [this] { unload_mini_game(); };
        mini_game_->MDIForm_Load();
        mini_game_loaded_ = true;
    }
    platform_.show_window(WindowName::MiniGame);
}

void Application::unload_mini_game() {
    if (!mini_game_loaded_) {
        return;
    }
    mini_game_loaded_ = false;
    platform_.close_window(WindowName::MiniGame);
}

}  // namespace kv
