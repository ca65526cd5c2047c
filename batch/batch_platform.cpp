#include "batch/batch_platform.h"

#include <utility>

#include "posix_files/file_store.h"
#include "posix_files/regular_file.h"

namespace kv::batch {

namespace {

std::string one_line(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += " / ";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

bool BatchPlatform::window_closed(WindowName window) const {
    return window == WindowName::Kv2841a ? configuration_closed_ : !game_open_;
}

MessageAnswer BatchPlatform::message_box(const Message& message) {
    messages_ << message.title << ": " << one_line(message.text) << '\n';
    if (message.icon == MessageIcon::Warning) {
        warning_ = message.text.substr(message.text.rfind('\n') + 1);
    }
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

bool BatchPlatform::show_save_dialog(CommonDialog& dialog) {
    if (!next_name_) {
        return false;
    }
    dialog.file_name = *next_name_;
    next_name_.reset();
    return true;
}

bool BatchPlatform::show_open_dialog(CommonDialog& dialog) {
    return show_save_dialog(dialog);
}

bool BatchPlatform::plain_file_exists(const std::string& path) {
    return file_store::plain_file_exists(path);
}

SaveResult BatchPlatform::save_file(const std::string& path, std::string_view bytes) {
    SaveResult result = file_store::save_file_safely(path, bytes);
    if (!result.ok) {
        save_failure_ = result.reason;
    }
    return result;
}

std::optional<std::string> BatchPlatform::take_warning() {
    return std::exchange(warning_, std::nullopt);
}

std::optional<std::string> BatchPlatform::take_save_failure() {
    return std::exchange(save_failure_, std::nullopt);
}

ReadResult BatchPlatform::read_file(const std::string& path) {
    return file_read::read_regular_file(path);
}

void BatchPlatform::set_focus(const Control&) {}

void BatchPlatform::show_window(WindowName window) {
    if (window == WindowName::MiniGame) {
        game_open_ = true;
    }
}

void BatchPlatform::close_window(WindowName window) {
    if (window == WindowName::MiniGame) {
        game_open_ = false;
    } else {
        configuration_closed_ = true;
    }
}

}  // namespace kv::batch
