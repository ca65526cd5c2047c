#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "panel/platform.h"

namespace kv::batch {

// The platform of the batch tool: every message box goes to the error stream
// as one line "TITLE: TEXT" (line feeds shown as " / ") and is answered with OK,
// or Yes for a question. The file dialogs answer with the name the script gave
// for the next save or open, or cancel. Files are written as the desktop writes
// them, and a failed save is kept for the runner to report.
class BatchPlatform final : public Platform {
public:
    explicit BatchPlatform(std::ostream& messages) : messages_(messages) {}

    // The name the next save or open dialog answers with.
    void answer_next_dialog(std::string name) { next_name_ = std::move(name); }
    [[nodiscard]] bool window_closed(WindowName window) const;
    // Why the last save failed or was refused, once; nothing when none did.
    [[nodiscard]] std::optional<std::string> take_save_failure();
    // The last line of the last box with the warning icon, once; nothing when
    // none was shown since.
    [[nodiscard]] std::optional<std::string> take_warning();

    MessageAnswer message_box(const Message& message) override;
    bool show_save_dialog(CommonDialog& dialog) override;
    bool show_open_dialog(CommonDialog& dialog) override;
    bool plain_file_exists(const std::string& path) override;
    SaveResult save_file(const std::string& path, std::string_view bytes) override;
    ReadResult read_file(const std::string& path) override;
    void set_focus(const Control& control) override;
    void show_window(WindowName window) override;
    void close_window(WindowName window) override;

private:
    std::ostream& messages_;
    std::optional<std::string> next_name_;
    bool configuration_closed_ = false;
    bool game_open_ = false;
    std::optional<std::string> save_failure_;
    std::optional<std::string> warning_;
};

}  // namespace kv::batch
