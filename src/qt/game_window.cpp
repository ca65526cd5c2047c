#include "qt/game_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>

#include "game/mini_game.h"
#include "qt/board_cell.h"
#include "qt/qt_text.h"

namespace kv::qt {

namespace {

// The cells are 300 x 300 units at a pitch of 360 units; on the screen a unit
// is a twelfth of a pixel here.
constexpr int kCellPixels = 35;
constexpr int kPitchPixels = 42;
constexpr int kSide = 10;
constexpr int kMargin = 8;

}  // namespace

GameWindow::GameWindow(MiniGame& game) {
    setObjectName(QStringLiteral("MiniGame"));
    setWindowTitle(to_qstring(MiniGame::kCaption));
    for (MenuItem* menu : {&game.strat, &game.leave, &game.Exit, &game.help}) {
        bindings_.menu(*menu, *menuBar());
    }
    setCentralWidget(build_board(game));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* GameWindow::build_board(MiniGame& game) {
    QGroupBox* board = bindings_.frame(game.Picture1, this);
    const int side = kSide * kPitchPixels + 2 * kMargin;
    board->setFixedSize(side, side);
    for (int index = 0; index < kBoardCells; ++index) {
        BoardCell* cell = bindings_.label(game.minibox[static_cast<std::size_t>(index)], board);
        const int row = index / kSide;
        const int column = index % kSide;
        cell->setGeometry(kMargin + column * kPitchPixels, kMargin + row * kPitchPixels,
                          kCellPixels, kCellPixels);
    }
    return board;
}

void GameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (on_close) {
        on_close();
    }
}

}  // namespace kv::qt
