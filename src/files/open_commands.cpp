#include <filesystem>
#include <string>

#include "files/list_dialog.h"
#include "files/list_text.h"
#include "files/register_list_applying.h"
#include "files/register_list_reading.h"
#include "panel/kv2841a.h"

namespace kv {

namespace {

// The open dialog starts where the last file was saved or opened.
void prepare_open_dialog(CommonDialog& dialog) {
    dialog.dialog_title = "打开文件";
    dialog.filter = std::string(kTextFilesFilter) + "|" + std::string(kAllFilesFilter);
    dialog.init_dir = std::filesystem::path(dialog.file_name).parent_path().string();
}

std::string open_failure_text(const std::string& path, int line, const std::string& reason) {
    const std::string where = line > 0 ? "第" + std::to_string(line) + "行：" : "";
    return path + "\n文件打开失败：" + where + reason;
}

}  // namespace

// The file is read and checked whole before the window changes at all.
bool Kv2841a::open_register_list(const std::string& path) {
    const ReadResult file = platform().read_file(path);
    if (!file.ok) {
        MsgBox(MessageIcon::Warning, MessageButtons::Ok, "警告",
               open_failure_text(path, 0, file.reason));
        return false;
    }
    const ListReading reading = read_register_list(file.bytes);
    if (!reading.list) {
        MsgBox(MessageIcon::Warning, MessageButtons::Ok, "警告",
               open_failure_text(path, reading.error.line, reading.error.reason));
        return false;
    }
    const OpenReport report = apply_register_list(*this, *reading.list);
    CommonDialog1.file_name = path;
    if (const std::string summary = open_summary(report); !summary.empty()) {
        MsgBox(MessageIcon::Information, MessageButtons::Ok, "提示", summary);
    }
    return true;
}

void Kv2841a::open_file_Click() {
    prepare_open_dialog(CommonDialog1);
    if (platform().show_open_dialog(CommonDialog1) && !is_blank(CommonDialog1.file_name)) {
        open_register_list(CommonDialog1.file_name);
    }
    SetFocus(FocusSeter);
}

}  // namespace kv
