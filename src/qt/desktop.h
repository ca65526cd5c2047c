#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>

#include "panel/platform.h"
#include "qt/game_window.h"

class QWindow;

namespace kv {
class Application;
}

namespace kv::qt {

class ConfigWindow;
class FileDrop;
class QtPlatform;

// The program on the desktop: the configuration window, the puzzle window
// while it is loaded, and what the platform is asked to do with them. Each
// window is a top-level window of its own; closing one leaves the other, and
// the program ends when both are closed.
//
// The configuration window is activated (Form_Activate) when it first comes
// up and whenever the person comes back to it from the puzzle window;
// switching to another program and back does not count.
class Desktop final : public QObject {
    Q_OBJECT

public:
    Desktop(QtPlatform& platform, Application& application);
    ~Desktop() override;

    // Shows the configuration window; the application has been started.
    void show();
    // Opens the file the program was started with, if any, once the window
    // is up.
    void open_at_start(const std::optional<std::string>& file);

    [[nodiscard]] ConfigWindow& config_window() { return *config_; }
    // The puzzle window while it is shown, or null.
    [[nodiscard]] GameWindow* game_window() const { return game_.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_window(WindowName window);
    void close_window(WindowName window);
    void show_game();
    void close_game();
    void centre_on_config(QWidget& window) const;
    void focus_moved(QWindow* window);
    void quit_when_both_closed();
    void open_file(const std::string& path);

    QtPlatform& platform_;
    Application& application_;
    std::unique_ptr<ConfigWindow> config_;
    QPointer<GameWindow> game_;
    bool activated_ = false;
    bool back_from_game_ = false;
};

}  // namespace kv::qt
