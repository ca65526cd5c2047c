#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "panel/kv2841a.h"
#include "register_lists/list_commands.h"
#include "register_lists/list_dialog.h"
#include "register_lists/list_text.h"
#include "register_lists/register_list_applying.h"
#include "register_lists/register_list_reading.h"

namespace kv {

namespace {

std::string open_failure_text(const std::string& path, int line, const std::string& reason) {
    const std::string where = line > 0 ? "第" + std::to_string(line) + "行：" : "";
    return path + "\n文件打开失败：" + where + reason;
}

}  // namespace

void prepare_open_dialog(CommonDialog& dialog) {
    dialog.dialog_title = "打开文件";
    dialog.filter = std::string(kTextFilesFilter) + "|" + std::string(kAllFilesFilter);
    dialog.init_dir = std::filesystem::path(dialog.file_name).parent_path().string();
}

std::optional<RegisterListFile> read_list_file(Kv2841a& w, const std::string& path) {
    const ReadResult file = w.platform().read_file(path);
    if (!file.ok) {
        w.MsgBox(MessageIcon::Warning, MessageButtons::Ok, "警告",
                 open_failure_text(path, 0, file.reason));
        return std::nullopt;
    }
    ListReading reading = read_register_list(file.bytes);
    if (!reading.list) {
        w.MsgBox(MessageIcon::Warning, MessageButtons::Ok, "警告",
                 open_failure_text(path, reading.error.line, reading.error.reason));
    }
    return std::move(reading.list);
}

// The file is read and checked whole before the window changes at all.
bool open_register_list(Kv2841a& w, const std::string& path) {
    const WindowHistory::Command step(w.history());
    const auto list = read_list_file(w, path);
    if (!list) {
        return false;
    }
    const OpenReport report = [&] {
        // Each widget is brought up to date once, not at every procedure run.
        const ViewUpdateBatch batch;
        return apply_register_list(w, *list);
    }();
    w.CommonDialog1.file_name = path;
    if (const std::string summary = open_summary(report); !summary.empty()) {
        w.MsgBox(MessageIcon::Information, MessageButtons::Ok, "提示", summary);
    }
    return true;
}

// The open dialog is shown as a copy of the window's dialog object: only a
// file opened becomes the name the next save offers, and a file refused or a
// dialog cancelled leaves the save dialog's name and folder as they were.
void open_file_Click(Kv2841a& w) {
    CommonDialog dialog = w.CommonDialog1;
    prepare_open_dialog(dialog);
    if (w.platform().show_open_dialog(dialog) && !is_spaces_and_tabs(dialog.file_name)) {
        open_register_list(w, dialog.file_name);
    }
    w.SetFocus(w.FocusSeter);
}

}  // namespace kv
