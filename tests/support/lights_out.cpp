#include "support/lights_out.h"

#include <array>

namespace kv::test {

namespace {

// Light cells of the board, by row and column 1..n; the ring around stays unused.
using Board = std::array<std::array<bool, 10>, 10>;

void press(Board& board, int n, int row, int column) {
    constexpr std::array<std::array<int, 2>, 5> kCross = {
        {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}}};
    for (const auto& [dr, dc] : kCross) {
        const int r = row + dr;
        const int c = column + dc;
        if (r >= 1 && r <= n && c >= 1 && c <= n) {
            bool& cell = board[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            cell = !cell;
        }
    }
}

std::optional<std::vector<int>> chase(Board board, int n, unsigned first_row) {
    std::vector<int> clicks;
    auto click = [&](int row, int column) {
        press(board, n, row, column);
        clicks.push_back(10 * row + column);
    };
    for (int column = 1; column <= n; ++column) {
        if ((first_row >> (column - 1)) & 1U) {
            click(1, column);
        }
    }
    for (int row = 2; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            if (!board[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)]) {
                click(row, column);
            }
        }
    }
    for (int column = 1; column <= n; ++column) {
        if (!board[static_cast<std::size_t>(n)][static_cast<std::size_t>(column)]) {
            return std::nullopt;
        }
    }
    return clicks;
}

}  // namespace

std::optional<std::vector<int>> lights_out_solution(const MiniGame& game, int n) {
    Board board{};
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            board[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                game.minibox[static_cast<std::size_t>(10 * row + column)].back_color() ==
                kWindowBackground;
        }
    }
    for (unsigned first_row = 0; first_row < (1U << n); ++first_row) {
        if (auto clicks = chase(board, n, first_row)) {
            return clicks;
        }
    }
    return std::nullopt;
}

}  // namespace kv::test
