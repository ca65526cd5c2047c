#include "support/fake_platform.h"

namespace kv::test {

MessageAnswer FakePlatform::message_box(const Message& message) {
    ++message_count;
    record(messages, message);
    record(events, "message " + message.title);
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

namespace {

// The next answer of the queue, or the standing answer, into the dialog; false
// when it cancels.
bool answer_dialog(std::deque<std::optional<std::string>>& queue,
                   const std::optional<std::string>& standing, CommonDialog& dialog) {
    std::optional<std::string> answer = standing;
    if (!queue.empty()) {
        answer = queue.front();
        queue.pop_front();
    }
    if (answer) {
        dialog.file_name = *answer;
    }
    return answer.has_value();
}

}  // namespace

bool FakePlatform::show_save_dialog(CommonDialog& dialog) {
    record(dialogs, dialog);
    record(events, "dialog");
    return answer_dialog(dialog_answers, standing_dialog_answer, dialog);
}

bool FakePlatform::show_open_dialog(CommonDialog& dialog) {
    record(dialogs, dialog);
    record(events, "open dialog");
    return answer_dialog(dialog_answers, standing_dialog_answer, dialog);
}

bool FakePlatform::plain_file_exists(const std::string& path) {
    return files.count(path) != 0;
}

SaveResult FakePlatform::save_file(const std::string& path, std::string_view bytes) {
    record(events, "save " + path);
    if (save_failure) {
        return {false, *save_failure};
    }
    files[path] = std::string(bytes);
    bytes_saved += bytes.size();
    return {true, {}};
}

ReadResult FakePlatform::read_file(const std::string& path) {
    record(events, "read " + path);
    const auto file = files.find(path);
    if (read_failure || file == files.end()) {
        return {false, {}, read_failure.value_or("文件不存在")};
    }
    return {true, file->second, {}};
}

void FakePlatform::set_focus(const Control& control) {
    ++focus_count;
    record(focus, control.name());
    record(events, "focus " + control.name());
    if (on_focus) {
        on_focus(control);
    }
}

void FakePlatform::show_window(WindowName window) {
    const std::string event = window == WindowName::MiniGame ? "show MiniGame" : "show Kv2841a";
    record(window_events, event);
    record(events, event);
}

void FakePlatform::close_window(WindowName window) {
    const std::string event = window == WindowName::MiniGame ? "close MiniGame" : "close Kv2841a";
    record(window_events, event);
    record(events, event);
}

}  // namespace kv::test
