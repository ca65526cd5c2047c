#include "support/fake_platform.h"

namespace kv::test {

MessageAnswer FakePlatform::message_box(const Message& message) {
    messages.push_back(message);
    events.push_back("message " + message.title);
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

namespace {

// The next answer of the queue into the dialog; false when it cancels.
bool answer_dialog(std::deque<std::optional<std::string>>& queue, CommonDialog& dialog) {
    if (queue.empty() || !queue.front()) {
        if (!queue.empty()) {
            queue.pop_front();
        }
        return false;
    }
    dialog.file_name = *queue.front();
    queue.pop_front();
    return true;
}

}  // namespace

bool FakePlatform::show_save_dialog(CommonDialog& dialog) {
    dialogs.push_back(dialog);
    events.emplace_back("dialog");
    return answer_dialog(dialog_answers, dialog);
}

bool FakePlatform::show_open_dialog(CommonDialog& dialog) {
    dialogs.push_back(dialog);
    events.emplace_back("open dialog");
    return answer_dialog(dialog_answers, dialog);
}

bool FakePlatform::plain_file_exists(const std::string& path) {
    return files.count(path) != 0;
}

SaveResult FakePlatform::save_file(const std::string& path, std::string_view bytes) {
    events.push_back("save " + path);
    if (save_failure) {
        return {false, *save_failure};
    }
    files[path] = std::string(bytes);
    return {true, {}};
}

ReadResult FakePlatform::read_file(const std::string& path) {
    events.push_back("read " + path);
    const auto file = files.find(path);
    if (read_failure || file == files.end()) {
        return {false, {}, read_failure.value_or("文件不存在")};
    }
    return {true, file->second, {}};
}

void FakePlatform::set_focus(const Control& control) {
    focus.push_back(control.name());
    events.push_back("focus " + control.name());
}

void FakePlatform::show_window(WindowName window) {
    window_events.push_back(window == WindowName::MiniGame ? "show MiniGame" : "show Kv2841a");
    events.push_back(window_events.back());
}

void FakePlatform::close_window(WindowName window) {
    window_events.push_back(window == WindowName::MiniGame ? "close MiniGame" : "close Kv2841a");
    events.push_back(window_events.back());
}

}  // namespace kv::test
