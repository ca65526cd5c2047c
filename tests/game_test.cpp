#include <gtest/gtest.h>

#include <bitset>
#include <set>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "window/application.h"

namespace kv::test {
namespace {

constexpr int cell(int row, int column) {
    return 10 * row + column;
}

// The cells of rows and columns 1..n.
std::set<int> board(int n) {
    std::set<int> out;
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            out.insert(cell(row, column));
        }
    }
    return out;
}

// One equation over GF(2) per cell of an n x n board: the presses that invert
// the cell (itself and its neighbours on the board) must add up to 1, so that
// the dark cell ends light. Bit kRhs holds the right-hand side.
constexpr std::size_t kRhs = 64;
using Equation = std::bitset<kRhs + 1>;

std::vector<Equation> lights_out_equations(std::size_t n) {
    std::vector<Equation> rows(n * n);
    for (std::size_t i = 0; i < n * n; ++i) {
        const std::size_t r = i / n;
        const std::size_t c = i % n;
        rows[i].set(i).set(kRhs);
        rows[i].set(r > 0 ? i - n : i).set(r + 1 < n ? i + n : i);
        rows[i].set(c > 0 ? i - 1 : i).set(c + 1 < n ? i + 1 : i);
    }
    return rows;
}

// Presses that turn an all-dark n x n board all light, by Gauss-Jordan
// elimination; free unknowns are left unpressed.
std::vector<int> solution(std::size_t n) {
    std::vector<Equation> rows = lights_out_equations(n);
    std::vector<int> presses;
    std::size_t next = 0;
    std::vector<std::size_t> pivot_row(n * n, rows.size());
    for (std::size_t col = 0; col < n * n; ++col) {
        std::size_t found = next;
        while (found < rows.size() && !rows[found].test(col)) {
            ++found;
        }
        if (found == rows.size()) {
            continue;
        }
        std::swap(rows[found], rows[next]);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i != next && rows[i].test(col)) {
                rows[i] ^= rows[next];
            }
        }
        pivot_row[col] = next++;
    }
    for (std::size_t col = 0; col < n * n; ++col) {
        if (pivot_row[col] < rows.size() && rows[pivot_row[col]].test(kRhs)) {
            presses.push_back(cell(static_cast<int>(col / n) + 1, static_cast<int>(col % n) + 1));
        }
    }
    return presses;
}

// The puzzle window as the fifth use of the version item opens it.
class Game : public ::testing::Test {
protected:
    Game() {
        app.start();
        app.show_mini_game();
    }

    MiniGame& game() { return *app.mini_game(); }
    Module& module() { return app.module(); }
    Label& box(int index) { return game().minibox[static_cast<std::size_t>(index)]; }
    void press(int index) { ASSERT_TRUE(box(index).click()) << index; }
    void press_all(const std::vector<int>& cells) {
        for (int index : cells) {
            press(index);
        }
    }

    [[nodiscard]] std::set<int> visible_cells() {
        std::set<int> out;
        for (int i = 0; i < kBoardCells; ++i) {
            if (box(i).visible())
                out.insert(i);
        }
        return out;
    }
    [[nodiscard]] std::set<int> light_cells() {
        std::set<int> out;
        for (int i = 0; i < kBoardCells; ++i) {
            if (box(i).back_color() == kWindowBackground)
                out.insert(i);
        }
        return out;
    }
    // A fresh board of size n: exactly its cells show, and every cell is dark.
    void expect_fresh_board(int n) {
        EXPECT_EQ(module().GameLevel, n);
        EXPECT_EQ(visible_cells(), board(n));
        for (int i = 0; i < kBoardCells; ++i) {
            EXPECT_EQ(box(i).back_color(), kMenuText) << i;
        }
    }
    [[nodiscard]] int victories() const {
        int count = 0;
        for (const Message& m : platform.messages) {
            count += m.title == "恭喜" ? 1 : 0;
        }
        return count;
    }

    FakePlatform platform;
    Application app{platform};
};

TEST_F(Game, OpensWithTheEightByEightBoardAllDark) {
    expect_fresh_board(8);
    EXPECT_EQ(MiniGame::kCaption, "MiniGame");
    EXPECT_EQ(module().RegsUnlocked, 0);
}

TEST_F(Game, EveryControlIsFoundByItsName) {
    for (const char* name : {"strat", "leave", "lv3", "lv9", "Exit", "help", "Picture1",
                             "minibox(0)", "minibox(42)", "minibox(99)"}) {
        ASSERT_NE(game().find(name), nullptr) << name;
    }
    EXPECT_EQ(game().find("minibox(42)"), &box(42));
    EXPECT_EQ(game().find("minibox(100)"), nullptr);
    EXPECT_EQ(game().controls().size(), 112U);
    EXPECT_EQ(box(42).container(), &game().Picture1);
}

TEST_F(Game, ClickInvertsTheCellAndItsFourNeighbours) {
    press(cell(4, 4));
    EXPECT_EQ(light_cells(), (std::set<int>{44, 43, 45, 34, 54}));
    press(cell(4, 5));
    EXPECT_EQ(light_cells(), (std::set<int>{43, 46, 34, 54, 35, 55}));
    press(cell(4, 5));
    press(cell(4, 4));
    EXPECT_TRUE(light_cells().empty());
}

TEST_F(Game, IndexIsSplitIntoTheLoopCounters) {
    press(23);
    EXPECT_EQ(module().LoopIndex, 3);
    EXPECT_EQ(module().LoopIndex2, -7);
    EXPECT_EQ(light_cells(), (std::set<int>{23, 22, 24, 13, 33}));
}

TEST_F(Game, EdgeClickInvertsHiddenNeighboursWithoutEffect) {
    ASSERT_TRUE(game().lv3.click());
    press(cell(1, 1));
    EXPECT_EQ(light_cells(), (std::set<int>{11, 10, 12, 1, 21}));
    EXPECT_FALSE(box(10).visible());
    EXPECT_FALSE(box(1).visible());
    press(cell(3, 3));
    EXPECT_EQ(light_cells(), (std::set<int>{11, 10, 12, 1, 21, 33, 32, 34, 23, 43}));
    EXPECT_EQ(victories(), 0);
}

class CornersAndCentre : public Game, public ::testing::WithParamInterface<std::vector<int>> {};

TEST_P(CornersAndCentre, SolveTheThreeByThreeBoard) {
    ASSERT_TRUE(game().lv3.click());
    const std::vector<int>& order = GetParam();
    press_all(std::vector<int>(order.begin(), order.end() - 1));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(module().RegsUnlocked, 0);
    press(order.back());
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.title, "恭喜");
    EXPECT_EQ(m.text, "恭喜通关\n寄存器手动输入已解锁");
    EXPECT_EQ(module().RegsUnlocked, 1);
    expect_fresh_board(3);
}

INSTANTIATE_TEST_SUITE_P(Orders, CornersAndCentre,
                         ::testing::Values(std::vector<int>{11, 13, 31, 33, 22},
                                           std::vector<int>{22, 33, 31, 13, 11},
                                           std::vector<int>{13, 22, 31, 11, 33}));

class EverySize : public Game, public ::testing::WithParamInterface<int> {};

TEST_P(EverySize, SolvingUnlocksRegisterTypingAndRestartsTheSize) {
    const int n = GetParam();
    MenuItem* const sizes[] = {&game().lv3, &game().lv4, &game().lv5,
                               &game().lv6, &game().lv7, &game().lv8};
    ASSERT_TRUE(sizes[n - 3]->click());
    expect_fresh_board(n);
    const std::vector<int> presses = solution(static_cast<std::size_t>(n));
    ASSERT_FALSE(presses.empty());
    press_all(std::vector<int>(presses.begin(), presses.end() - 1));
    EXPECT_EQ(victories(), 0);
    press(presses.back());
    EXPECT_EQ(victories(), 1);
    EXPECT_EQ(module().RegsUnlocked, 1);
    expect_fresh_board(n);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EverySize, ::testing::Range(3, 9));

TEST_F(Game, ChoosingASizeDiscardsAHalfSolvedBoard) {
    press_all({11, 13, 31});
    ASSERT_TRUE(game().lv5.click());
    expect_fresh_board(5);
    press_all({22, 44});
    ASSERT_TRUE(game().lv5.click());
    expect_fresh_board(5);
    ASSERT_TRUE(game().lv8.click());
    expect_fresh_board(8);
    EXPECT_EQ(victories(), 0);
}

TEST_F(Game, HiddenCellsTakeNoClick) {
    EXPECT_FALSE(box(0).click());
    EXPECT_FALSE(box(cell(9, 5)).click());
    ASSERT_TRUE(game().lv3.click());
    EXPECT_FALSE(box(cell(4, 4)).click());
    EXPECT_TRUE(light_cells().empty());
}

TEST_F(Game, StartAndLevelNineDoNothing) {
    ASSERT_TRUE(game().lv4.click());
    press(cell(2, 2));
    const std::set<int> light = light_cells();
    EXPECT_TRUE(game().strat.click());
    EXPECT_FALSE(game().lv9.click());
    EXPECT_EQ(light_cells(), light);
    EXPECT_EQ(visible_cells(), board(4));
    EXPECT_EQ(module().GameLevel, 4);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Game, HelpTellsTheRules) {
    ASSERT_TRUE(game().help.click());
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.icon, MessageIcon::Question);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.title, "点亮");
    EXPECT_EQ(m.text, "消除所有黑块\n被点击的当前块以及周围四块取反色");
}

TEST_F(Game, ExitThenShowGivesAFreshBoardAndKeepsTheUnlock) {
    ASSERT_TRUE(game().lv3.click());
    press_all({11, 13, 31, 33, 22});
    ASSERT_EQ(module().RegsUnlocked, 1);
    ASSERT_TRUE(game().lv4.click());
    press(cell(2, 2));
    MiniGame& old = game();
    ASSERT_TRUE(old.Exit.click());
    EXPECT_EQ(app.mini_game(), nullptr);
    EXPECT_EQ(platform.window_events,
              (std::vector<std::string>{"show MiniGame", "close MiniGame"}));
    // The window that ran the handler is still there to return into.
    EXPECT_EQ(old.Exit.caption(), "退出");

    module().EditionClicks = 4;
    ASSERT_TRUE(app.window().edition.click());
    ASSERT_NE(app.mini_game(), nullptr);
    expect_fresh_board(8);
    EXPECT_EQ(module().RegsUnlocked, 1);
    press(cell(8, 8));
    EXPECT_EQ(light_cells(), (std::set<int>{88, 87, 89, 78, 98}));
}

TEST_F(Game, ExitOfAnUnloadedWindowClosesNothingMore) {
    MiniGame& old = game();
    ASSERT_TRUE(old.Exit.click());
    old.Exit_Click();
    app.unload_mini_game();
    EXPECT_EQ(platform.window_events,
              (std::vector<std::string>{"show MiniGame", "close MiniGame"}));
}

TEST_F(Game, BorderCellsNeverReachOutsideTheArray) {
    game().minibox_Click(0);
    EXPECT_EQ(light_cells(), (std::set<int>{0, 1, 10}));
    game().minibox_Click(99);
    EXPECT_EQ(light_cells(), (std::set<int>{0, 1, 10, 99, 98, 89}));
}

TEST_F(Game, SizeBeyondTheArrayStaysInsideIt) {
    module().GameLevel = 30;
    game().AllNoVisible();
    game().levelVisible();
    EXPECT_EQ(visible_cells(), board(8));
}

}  // namespace
}  // namespace kv::test
