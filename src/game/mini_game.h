#pragma once

#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "panel/controls.h"
#include "panel/module.h"
#include "panel/platform.h"

namespace kv {

inline constexpr int kBoardCells = 100;

// The puzzle window "MiniGame": a lights-out board of N x N cells (N = 3..8)
// inside a ten-by-ten array of cells, cell index = 10 x row + column. Rows and
// columns 1..N show; row 0, row 9, column 0 and column 9 never do. A cell's
// colour is its whole state: dark (menu-text colour) or light (window
// background). Solving a board sets RegsUnlocked.
class MiniGame final {
public:
    MiniGame(Module& module, Platform& platform);
    MiniGame(const MiniGame&) = delete;
    MiniGame& operator=(const MiniGame&) = delete;

    [[nodiscard]] const std::vector<Control*>& controls() const { return controls_; }
    [[nodiscard]] Control* find(std::string_view name) const;

    // Unloads the window; the application that owns both windows sets it.
    std::function<void()> unload;

    static constexpr std::string_view kCaption = "MiniGame";

    MenuItem strat{"strat", nullptr, "开始"};
    MenuItem leave{"leave", nullptr, "阶数"};
    MenuItem lv3{"lv3", &leave, "LV3"};
    MenuItem lv4{"lv4", &leave, "LV4"};
    MenuItem lv5{"lv5", &leave, "LV5"};
    MenuItem lv6{"lv6", &leave, "LV6"};
    MenuItem lv7{"lv7", &leave, "LV7"};
    MenuItem lv8{"lv8", &leave, "LV8"};
    MenuItem lv9{"lv9", &leave, "LV9"};
    MenuItem Exit{"Exit", nullptr, "退出"};
    MenuItem help{"help", nullptr, "帮助"};
    Frame Picture1{"Picture1", nullptr, ""};
    std::array<Label, kBoardCells> minibox;

    void MDIForm_Load();
    void lv3_Click();
    void lv4_Click();
    void lv5_Click();
    void lv6_Click();
    void lv7_Click();
    void lv8_Click();
    void minibox_Click(int index);
    void Victory();
    void help_Click();
    void Exit_Click();
    void AllNoVisible();
    void levelVisible();
    void ResetColor();

private:
    // Sets the board size and deals a fresh, all-dark board of that size.
    void start_board(std::int16_t size);

    Module& module_;
    Platform& platform_;
    std::vector<Control*> controls_;
};

}  // namespace kv
