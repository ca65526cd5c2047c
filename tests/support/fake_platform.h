#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "panel/platform.h"

namespace kv::test {

// A scripted platform: records every message box, dialog, focus move and window
// change, answers message boxes and save dialogs from queues, and keeps files in
// memory.
class FakePlatform final : public Platform {
public:
    MessageAnswer message_box(const Message& message) override;
    bool show_save_dialog(CommonDialog& dialog) override;
    bool plain_file_exists(const std::string& path) override;
    SaveResult save_file(const std::string& path, std::string_view bytes) override;
    void set_focus(const Control& control) override;
    void show_window(WindowName window) override;
    void close_window(WindowName window) override;

    // Answers for the next boxes; an empty queue answers OK, or Yes to a question.
    std::deque<MessageAnswer> answers;
    // Names for the next save dialogs; nullopt cancels. An empty queue cancels.
    std::deque<std::optional<std::string>> dialog_answers;
    // The reason the next saves fail with, when set.
    std::optional<std::string> save_failure;

    std::vector<Message> messages;
    std::vector<CommonDialog> dialogs;
    std::vector<std::string> focus;
    std::vector<std::string> window_events;
    // Everything above in the order it happened: "message <title>", "dialog",
    // "save <path>", "focus <name>", "show <window>", "close <window>".
    std::vector<std::string> events;
    std::map<std::string, std::string> files;
};

}  // namespace kv::test
