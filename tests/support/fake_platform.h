#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "panel/platform.h"

namespace kv::test {

// A scripted platform: records every message box, dialog, focus move and window
// change, answers message boxes and save dialogs from queues, and keeps files in
// memory. The benchmarks run it without records, so that a million actions
// keep no history, and with a standing answer to every dialog.
class FakePlatform final : public Platform {
public:
    MessageAnswer message_box(const Message& message) override;
    bool show_save_dialog(CommonDialog& dialog) override;
    bool show_open_dialog(CommonDialog& dialog) override;
    bool plain_file_exists(const std::string& path) override;
    SaveResult save_file(const std::string& path, std::string_view bytes) override;
    // A file of `files`; any other name, or every name while read_failure is
    // set, is refused with read_failure (or "文件不存在").
    ReadResult read_file(const std::string& path) override;
    void set_focus(const Control& control) override;
    void show_window(WindowName window) override;
    void close_window(WindowName window) override;

    // Answers for the next boxes; an empty queue answers OK, or Yes to a question.
    std::deque<MessageAnswer> answers;
    // Names for the next save and open dialogs; nullopt cancels. An empty queue
    // gives the standing answer, which cancels unless it is set.
    std::deque<std::optional<std::string>> dialog_answers;
    std::optional<std::string> standing_dialog_answer;
    // The reason the next saves fail with, when set.
    std::optional<std::string> save_failure;
    // The reason the next reads fail with, when set.
    std::optional<std::string> read_failure;

    std::vector<Message> messages;
    std::vector<CommonDialog> dialogs;
    std::vector<std::string> focus;
    std::vector<std::string> window_events;
    // Everything above in the order it happened: "message <title>", "dialog",
    // "open dialog", "save <path>", "read <path>", "focus <name>", "show <window>", "close
    // <window>".
    std::vector<std::string> events;
    std::map<std::string, std::string> files;

    // Whether the records above are kept; the counts below are always kept.
    bool keeps_records = true;
    std::size_t message_count = 0;
    std::size_t focus_count = 0;
    std::size_t bytes_saved = 0;
    // Called with every focus move, where a view takes the focus (benchmarks of
    // the bound window).
    std::function<void(const Control&)> on_focus;

private:
    template <typename T>
    void record(std::vector<T>& list, std::type_identity_t<T> item) {
        if (keeps_records) {
            list.push_back(std::move(item));
        }
    }
};

}  // namespace kv::test
