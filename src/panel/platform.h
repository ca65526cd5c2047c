#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "panel/common_dialog.h"
#include "panel/control.h"

namespace kv {

enum class MessageIcon { None, Information, Question, Warning };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box; text lines are joined by a single line feed. A Yes/No
// question's default answer is No.
struct Message {
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    std::string title;
    std::string text;
};

enum class WindowName { Kv2841a, MiniGame };

struct SaveResult {
    bool ok = false;
    std::string reason;  // why the file could not be written, for the person
};

struct ReadResult {
    bool ok = false;
    std::string bytes;   // the whole file when ok
    std::string reason;  // why the file could not be read, for the person
};

// The largest file the program opens: a register list is about 1 KiB.
inline constexpr std::size_t kLargestReadFile = std::size_t{1} << 20;

// Everything the program asks of the world outside: modal boxes, the save
// dialog, files, keyboard focus and windows. The desktop implements it with its
// toolkit; tests answer from a script.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer message_box(const Message& message) = 0;
    // Shows the save dialog; false when the person cancelled. On true the
    // chosen name is in dialog.file_name.
    virtual bool show_save_dialog(CommonDialog& dialog) = 0;
    // Shows the open dialog, starting in dialog.init_dir; false when the person
    // cancelled. On true the chosen name is in dialog.file_name.
    virtual bool show_open_dialog(CommonDialog& dialog) = 0;
    // True when the name, followed through its links, is an existing regular
    // file, hidden ones included: the file a save would replace.
    virtual bool plain_file_exists(const std::string& path) = 0;
    // Writes the bytes at the name, leaving what stood there unharmed: links
    // stay links, anything but a regular file is refused, a replaced file keeps
    // its owner, group, mode, ACL, extended attributes and hard links, and
    // after a failure an existing file is byte for byte what it was. The
    // reason names the cause.
    virtual SaveResult save_file(const std::string& path, std::string_view bytes) = 0;
    // Reads a whole regular file of at most kLargestReadFile bytes. Folders,
    // devices, pipes and larger files are refused with a reason, at once:
    // reading never waits for a writer.
    virtual ReadResult read_file(const std::string& path) = 0;
    virtual void set_focus(const Control& control) = 0;
    virtual void show_window(WindowName window) = 0;
    virtual void close_window(WindowName window) = 0;
};

}  // namespace kv
