#include "qt/desktop.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include "qt/config_window.h"
#include "qt/file_drop.h"
#include "qt/game_window.h"
#include "qt/qt_platform.h"
#include "qt/screen_fit.h"
#include "register_lists/list_commands.h"
#include "window/application.h"
#include "window/window.h"

namespace kv::qt {

Desktop::Desktop(QtPlatform& platform, Application& application)
    : platform_(platform),
      application_(application),
      config_(std::make_unique<ConfigWindow>(application.window())) {
    platform_.add_view(config_->bindings());
    platform_.on_show_window = [this](WindowName window) { show_window(window); };
    platform_.on_close_window = [this](WindowName window) { close_window(window); };
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Desktop::focus_moved);
    config_->installEventFilter(this);
    new FileDrop(*config_, [this](const std::string& path) { open_file(path); });
}

Desktop::~Desktop() {
    platform_.on_show_window = nullptr;
    platform_.on_close_window = nullptr;
    if (!game_.isNull()) {
        platform_.remove_view(game_->bindings());
        delete game_.data();
    }
    platform_.remove_view(config_->bindings());
}

void Desktop::show() {
    show_window(WindowName::Kv2841a);
    config_->fit_to_screen();
}

void Desktop::open_at_start(const std::optional<std::string>& file) {
    if (file) {
        QTimer::singleShot(0, this, [this, path = *file] { open_file(path); });
    }
}

// A file opened from outside the window, while the window is shown.
void Desktop::open_file(const std::string& path) {
    if (config_->isVisible()) {
        open_register_list(application_.window(), path);
    }
}

void Desktop::show_window(WindowName window) {
    if (window == WindowName::MiniGame) {
        show_game();
        return;
    }
    config_->show();
    config_->raise();
    config_->activateWindow();
}

void Desktop::close_window(WindowName window) {
    if (window == WindowName::MiniGame) {
        close_game();
        return;
    }
    config_->close();
}

// A window for the puzzle model as it is now: a later showing after an unload
// brings a new model, so each showing after a close builds a new window.
void Desktop::show_game() {
    MiniGame* game = application_.mini_game();
    if (game == nullptr) {
        return;
    }
    if (game_.isNull()) {
        game_ = new GameWindow(*game);
        game_->setAttribute(Qt::WA_DeleteOnClose, false);
        game_->on_close = [this] { application_.unload_mini_game(); };
        game_->installEventFilter(this);
        platform_.add_view(game_->bindings());
        game_->show();
        centre_on_config(*game_);
    }
    game_->show();
    game_->raise();
    game_->activateWindow();
}

// A new puzzle window opens centred on the configuration window, never over
// its menu bar in a corner of the screen, and within the screen.
void Desktop::centre_on_config(QWidget& window) const {
    QRect area(QPoint(0, 0), window.frameGeometry().size());
    area.moveCenter(config_->frameGeometry().center());
    window.move(area.topLeft());
    keep_within_screen(window);
}

// The window lets go of its model at once, while the model still lives, and
// goes when the event loop comes back to it: this may run inside one of its
// own handlers.
void Desktop::close_game() {
    if (game_.isNull()) {
        return;
    }
    GameWindow* window = game_.data();
    game_.clear();
    platform_.remove_view(window->bindings());
    window->bindings().detach();
    window->on_close = nullptr;
    window->hide();
    window->deleteLater();
}

// A window hidden by the program (not minimised) may have been the last one.
// The check waits for the event loop: the other window may be going too.
bool Desktop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && !event->spontaneous()) {
        QMetaObject::invokeMethod(this, &Desktop::quit_when_both_closed, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

// Closing the puzzle window only hides it until it goes, so the toolkit's own
// rule for the last window closed does not see it: the program ends here.
void Desktop::quit_when_both_closed() {
    const bool game_shown = !game_.isNull() && game_->isVisible();
    if (!config_->isVisible() && !game_shown) {
        QCoreApplication::quit();
    }
}

// Message boxes and dialogs, and other programs, are neither window: focus
// passing through them changes nothing.
void Desktop::focus_moved(QWindow* window) {
    if (window == nullptr) {
        return;
    }
    if (!game_.isNull() && window == game_->windowHandle()) {
        back_from_game_ = true;
        return;
    }
    if (window != config_->windowHandle()) {
        return;
    }
    if (!activated_ || back_from_game_) {
        activated_ = true;
        back_from_game_ = false;
        Form_Activate(application_.window());
    }
}

}  // namespace kv::qt
