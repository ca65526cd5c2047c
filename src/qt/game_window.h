#pragma once

#include <QMainWindow>
#include <functional>

#include "qt/bindings.h"

namespace kv {
class MiniGame;
}

namespace kv::qt {

// The puzzle window on the desktop: its menu bar and the board of cells, each
// cell bound to its label of the puzzle model, 300 units wide at a pitch of
// 360 units, cell 0 at the top left.
class GameWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit GameWindow(MiniGame& game);

    [[nodiscard]] Bindings& bindings() { return bindings_; }
    [[nodiscard]] const Bindings& bindings() const { return bindings_; }

    // The person closes the window from its title bar.
    std::function<void()> on_close;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* build_board(MiniGame& game);

    Bindings bindings_;
};

}  // namespace kv::qt
