#include "quiet_platform.h"

namespace kv::bench {

namespace {

constexpr const char* kFileName = "registers.txt";

}  // namespace

MessageAnswer QuietPlatform::message_box(const Message& message) {
    ++messages;
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

bool QuietPlatform::show_save_dialog(CommonDialog& dialog) {
    dialog.file_name = kFileName;
    return true;
}

bool QuietPlatform::show_open_dialog(CommonDialog& dialog) {
    dialog.file_name = kFileName;
    return true;
}

bool QuietPlatform::plain_file_exists(const std::string& /*path*/) {
    return false;
}

SaveResult QuietPlatform::save_file(const std::string& /*path*/, std::string_view bytes) {
    bytes_saved += bytes.size();
    return {true, {}};
}

ReadResult QuietPlatform::read_file(const std::string& /*path*/) {
    return {true, file_bytes, {}};
}

void QuietPlatform::set_focus(const Control& control) {
    ++focus_moves;
    if (on_focus) {
        on_focus(control);
    }
}

void QuietPlatform::show_window(WindowName /*window*/) {}

void QuietPlatform::close_window(WindowName /*window*/) {}

}  // namespace kv::bench
