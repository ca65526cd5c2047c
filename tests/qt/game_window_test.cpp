#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "game/mini_game.h"
#include "qt/board_cell.h"
#include "qt/game_window.h"
#include "qt/qt_text.h"
#include "support/fake_platform.h"

namespace kv::qt::test {
namespace {

// The puzzle window on a scripted platform, loaded and shown.
class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest() {
        game.MDIForm_Load();
        window = std::make_unique<GameWindow>(game);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    BoardCell* cell(int row, int column) const {
        return qobject_cast<BoardCell*>(window->bindings().widget_of(
            game.minibox[static_cast<std::size_t>(10 * row + column)]));
    }

    bool dark(int row, int column) const {
        return cell(row, column)->palette().color(QPalette::Window) ==
               QApplication::palette().color(QPalette::WindowText);
    }

    void click(int row, int column) const { QTest::mouseClick(cell(row, column), Qt::LeftButton); }

    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

    kv::test::FakePlatform platform;
    Module module;
    MiniGame game{module, platform};
    std::unique_ptr<GameWindow> window;
};

TEST_F(GameWindowTest, CaptionAndMenus) {
    EXPECT_EQ(window->windowTitle(), "MiniGame");
    QStringList top;
    for (QAction* item : window->menuBar()->actions()) {
        top << item->text();
    }
    EXPECT_EQ(top.join('|'), QString::fromUtf8("开始|阶数|退出|帮助"));
    QStringList sizes;
    for (QAction* item : window->menuBar()->actions()[1]->menu()->actions()) {
        sizes << item->text();
    }
    EXPECT_EQ(sizes.join('|'), "LV3|LV4|LV5|LV6|LV7|LV8|LV9");
    EXPECT_EQ(window->menuBar()->actions()[0]->menu(), nullptr);
}

TEST_F(GameWindowTest, CellsAreSquareAtTheirPitchWithCellZeroTopLeft) {
    const QRect first = cell(0, 0)->geometry();
    const QRect next = cell(0, 1)->geometry();
    const QRect below = cell(1, 0)->geometry();
    EXPECT_EQ(first.width(), first.height());
    const int pitch = next.left() - first.left();
    EXPECT_EQ(below.top() - first.top(), pitch);
    EXPECT_EQ(first.width() * 360, pitch * 300);
    EXPECT_EQ(cell(9, 9)->geometry().left(), first.left() + 9 * pitch);
}

TEST_F(GameWindowTest, OpensWithTheEightByEightBoardAllDark) {
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const bool inside = row >= 1 && row <= 8 && column >= 1 && column <= 8;
            EXPECT_EQ(cell(row, column)->isVisible(), inside) << row << "," << column;
            if (inside) {
                EXPECT_TRUE(dark(row, column));
            }
        }
    }
}

TEST_F(GameWindowTest, AClickInvertsTheCellAndItsNeighbours) {
    click(4, 4);
    for (auto [row, column] : {std::pair{4, 4}, {3, 4}, {5, 4}, {4, 3}, {4, 5}}) {
        EXPECT_FALSE(dark(row, column)) << row << "," << column;
    }
    EXPECT_TRUE(dark(3, 3));
    EXPECT_TRUE(dark(5, 5));
}

TEST_F(GameWindowTest, SolvingASmallBoardUnlocksAndDealsAgain) {
    action("lv3")->trigger();
    EXPECT_EQ(module.GameLevel, 3);
    EXPECT_FALSE(cell(4, 4)->isVisible());
    for (auto [row, column] : {std::pair{1, 1}, {1, 3}, {2, 2}, {3, 1}, {3, 3}}) {
        click(row, column);
    }
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "恭喜");
    EXPECT_EQ(module.RegsUnlocked, 1);
    EXPECT_TRUE(dark(2, 2));
}

TEST_F(GameWindowTest, HelpShowsTheRules) {
    action("help")->trigger();
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "点亮");
    EXPECT_FALSE(action("lv9")->isEnabled());
}

}  // namespace
}  // namespace kv::qt::test
