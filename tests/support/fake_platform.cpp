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

bool FakePlatform::show_save_dialog(CommonDialog& dialog) {
    dialogs.push_back(dialog);
    events.emplace_back("dialog");
    if (dialog_answers.empty() || !dialog_answers.front()) {
        if (!dialog_answers.empty()) {
            dialog_answers.pop_front();
        }
        return false;
    }
    dialog.file_name = *dialog_answers.front();
    dialog_answers.pop_front();
    return true;
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
