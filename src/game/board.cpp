#include <algorithm>
#include <cstddef>

#include "game/mini_game.h"

namespace kv {

namespace {

// The ten-by-ten array of cells: cell index = 10 x row + column.
constexpr int kSide = 10;
// The largest board: rows and columns 1..8 lie inside the never-shown border ring.
constexpr std::int16_t kLargestBoard = 8;
constexpr Colour kDark = kMenuText;
constexpr Colour kLight = kWindowBackground;

constexpr int cell(int row, int column) {
    return kSide * row + column;
}

// The board size N as far as the cell array allows, whatever GameLevel holds.
int board_size(const Module& module) {
    return std::clamp<int>(module.GameLevel, 0, kLargestBoard);
}

// Dark becomes light, any other colour dark. A cell outside the array is left
// alone: it cannot be a neighbour of a visible cell.
void invert(std::array<Label, kBoardCells>& cells, int index) {
    if (index < 0 || index >= kBoardCells) {
        return;
    }
    Label& box = cells[static_cast<std::size_t>(index)];
    box.set_back_color(box.back_color() == kDark ? kLight : kDark);
}

bool all_light(const std::array<Label, kBoardCells>& cells, int n) {
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            if (cells[static_cast<std::size_t>(cell(row, column))].back_color() != kLight) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

// All cells are visible at design time: hiding the border ring leaves the
// 8 x 8 board, all dark.
void MiniGame::MDIForm_Load() {
    module_.GameLevel = kLargestBoard;
    for (int k = 0; k < kSide; ++k) {
        for (int border : {cell(0, k), cell(kSide - 1, k), cell(k, 0), cell(k, kSide - 1)}) {
            minibox[static_cast<std::size_t>(border)].set_visible(false);
        }
    }
    ResetColor();
}

void MiniGame::lv3_Click() {
    start_board(3);
}
void MiniGame::lv4_Click() {
    start_board(4);
}
void MiniGame::lv5_Click() {
    start_board(5);
}
void MiniGame::lv6_Click() {
    start_board(6);
}
void MiniGame::lv7_Click() {
    start_board(7);
}
void MiniGame::lv8_Click() {
    start_board(8);
}

// A fresh, all-dark board of the chosen size; a half-solved one is discarded.
void MiniGame::start_board(std::int16_t size) {
    module_.GameLevel = size;
    AllNoVisible();
    levelVisible();
    ResetColor();
}

// The clicked cell and its four neighbours change colour. The index is split
// as 10 x p + q with p = index mod 10, which addresses the same five cells.
void MiniGame::minibox_Click(int index) {
    module_.LoopIndex = static_cast<std::int16_t>(index % kSide);
    module_.LoopIndex2 = static_cast<std::int16_t>(index - kSide * module_.LoopIndex);
    const int p = module_.LoopIndex;
    const int q = module_.LoopIndex2;
    for (int target :
         {cell(p, q), cell(p, q) - 1, cell(p, q) + 1, cell(p - 1, q), cell(p + 1, q)}) {
        invert(minibox, target);
    }
    Victory();
}

// A board whose cells are all light is solved: manual register entry unlocks
// and the same size starts again.
void MiniGame::Victory() {
    if (!all_light(minibox, board_size(module_))) {
        return;
    }
    platform_.message_box(
        {MessageIcon::Information, MessageButtons::Ok, "恭喜", "恭喜通关\n寄存器手动输入已解锁"});
    module_.RegsUnlocked = 1;
    ResetColor();
    AllNoVisible();
    levelVisible();
}

void MiniGame::AllNoVisible() {
    for (Label& box : minibox) {
        box.set_visible(false);
    }
}

void MiniGame::levelVisible() {
    const int n = board_size(module_);
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            minibox[static_cast<std::size_t>(cell(row, column))].set_visible(true);
        }
    }
}

void MiniGame::ResetColor() {
    for (Label& box : minibox) {
        box.set_back_color(kDark);
    }
}

}  // namespace kv
