#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "panel/platform.h"

namespace kv::qt {

class Bindings;

// The platform on the desktop: modal message boxes and the file dialogs that
// block every window of the program, the file system, keyboard focus, and the
// windows. Focus reaches the widget bound to a control through the bindings
// of the windows on show; how a window is shown or closed is the program's.
class QtPlatform final : public Platform {
public:
    MessageAnswer message_box(const Message& message) override;
    bool show_save_dialog(CommonDialog& dialog) override;
    bool show_open_dialog(CommonDialog& dialog) override;
    bool plain_file_exists(const std::string& path) override;
    SaveResult save_file(const std::string& path, std::string_view bytes) override;
    ReadResult read_file(const std::string& path) override;
    void set_focus(const Control& control) override;
    void show_window(WindowName window) override;
    void close_window(WindowName window) override;

    void add_view(const Bindings& view);
    void remove_view(const Bindings& view);

    std::function<void(WindowName)> on_show_window;
    std::function<void(WindowName)> on_close_window;

private:
    QWidget* owner_window();

    std::vector<const Bindings*> views_;
    QPointer<QWidget> last_owner_;
};

}  // namespace kv::qt
