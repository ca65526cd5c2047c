#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "panel/platform.h"

namespace kv::bench {

// A platform that never waits on a person: every message box is answered at
// once (OK, or Yes to a question), the file dialogs answer with one file name,
// a saved file is only counted, never written, and a file read holds the bytes
// the benchmark set. A benchmark measures the
// program's own work, not a disk or a dialog.
class QuietPlatform final : public Platform {
public:
    MessageAnswer message_box(const Message& message) override;
    bool show_save_dialog(CommonDialog& dialog) override;
    bool show_open_dialog(CommonDialog& dialog) override;
    bool plain_file_exists(const std::string& path) override;
    SaveResult save_file(const std::string& path, std::string_view bytes) override;
    // Every file read holds `file_bytes`.
    ReadResult read_file(const std::string& path) override;
    void set_focus(const Control& control) override;
    void show_window(WindowName window) override;
    void close_window(WindowName window) override;

    // Where keyboard focus goes, when a view wants it (the Qt benchmarks).
    std::function<void(const Control&)> on_focus;

    std::string file_bytes;
    std::size_t focus_moves = 0;
    std::size_t messages = 0;
    std::size_t bytes_saved = 0;
};

}  // namespace kv::bench
