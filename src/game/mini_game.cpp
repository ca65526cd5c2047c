#include "game/mini_game.h"

#include <cstddef>
#include <initializer_list>
#include <utility>

namespace kv {

namespace {

template <std::size_t... N>
std::array<Label, kBoardCells> make_cells(Control* board, std::index_sequence<N...>) {
    return {Label{"minibox", board, "", static_cast<int>(N)}...};
}

}  // namespace

// The menu items "开始" and "LV9" have no action; "LV9" is shown greyed, since
// the board offers sizes 3 to 8 only.
MiniGame::MiniGame(Module& module, Platform& platform)
    : minibox(make_cells(&Picture1, std::make_index_sequence<kBoardCells>{})),
      module_(module),
      platform_(platform) {
    for (Control* root : std::initializer_list<Control*>{&strat, &leave, &Exit, &help, &Picture1}) {
        collect_controls(*root, controls_);
    }
    lv3.Click = [this] { lv3_Click(); };
    lv4.Click = [this] { lv4_Click(); };
    lv5.Click = [this] { lv5_Click(); };
    lv6.Click = [this] { lv6_Click(); };
    lv7.Click = [this] { lv7_Click(); };
    lv8.Click = [this] { lv8_Click(); };
    lv9.set_enabled(false);
    Exit.Click = [this] { Exit_Click(); };
    help.Click = [this] { help_Click(); };
    for (int index = 0; index < kBoardCells; ++index) {
        minibox[static_cast<std::size_t>(index)].Click = [this, index] { minibox_Click(index); };
    }
}

Control* MiniGame::find(std::string_view name) const {
    return find_control(controls_, name);
}

void MiniGame::help_Click() {
    platform_.message_box({MessageIcon::Question, MessageButtons::Ok, "点亮",
                           "消除所有黑块\n被点击的当前块以及周围四块取反色"});
}

// The application unloads the window; this object stays alive until the window
// is asked for again, so returning from this handler is safe.
void MiniGame::Exit_Click() {
    if (unload) {
        unload();
    }
}

}  // namespace kv
