#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "panel/channels.h"
#include "panel/kv2841a.h"
#include "panel/register_texts.h"
#include "register_lists/list_commands.h"
#include "register_lists/list_dialog.h"
#include "register_lists/register_lists.h"

namespace kv {

namespace {

using Layout = std::string (*)(std::span<const std::string>);

// A name of spaces alone, or none, names no file.
bool is_spaces(const std::string& name) {
    return name.find_first_not_of(' ') == std::string::npos;
}

// The file's own name, without its folder, as the overwrite question shows it.
std::string bare_name(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string save_failure_text(const std::string& path, const std::string& reason) {
    return path + "\n文件保存失败：" + reason;
}

void prepare_dialog(CommonDialog& dialog) {
    dialog.dialog_title = "保存文件";
    dialog.filter = std::string(kTextFilesFilter);
}

// While an LO list is red its frequency does not fit, and the channel's words
// are still those of the last frequency that did. Asks before saving them;
// true when no list is red or the person agrees.
bool may_save_kept_lo_words(Kv2841a& w) {
    std::string text;
    for (std::size_t n = 0; n < kChannels.size(); ++n) {
        const ComboBox& list = w.*kChannels[n].lo;
        if (list.back_color() == kPureRed) {
            text += (w.*kChannels[n].lo_frame).caption() + "的频率" + list.text() +
                    "无法设置，将保存的是" + w.lo_words_frequency[n] + " MHz的寄存器值。\n";
        }
    }
    if (text.empty()) {
        return true;
    }
    return w.MsgBox(MessageIcon::None, MessageButtons::YesNo, "警告", text + "是否仍然保存？") ==
           MessageAnswer::Yes;
}

// Asks before replacing an existing file; true when the person agrees or there
// is nothing to replace.
bool may_write(Kv2841a& w, const std::string& path) {
    if (!w.platform().plain_file_exists(path)) {
        return true;
    }
    return w.MsgBox(MessageIcon::None, MessageButtons::YesNo, "警告",
                    bare_name(path) + "文件已经存在，是否替换？") == MessageAnswer::Yes;
}

// The save sequence the four save commands share; only the layout differs. The
// name from the dialog is used as it is, with no extension added. A blank name
// or a No to a question (red LO list, overwrite) ends the command where it stands; every
// other way out leaves the keyboard focus in FocusSeter. The file is written
// whole or not at all, and a failure is told to the person.
void save_register_list(Kv2841a& w, Layout layout) {
    prepare_dialog(w.CommonDialog1);
    if (w.platform().show_save_dialog(w.CommonDialog1)) {
        const std::string path = w.CommonDialog1.file_name;
        if (is_spaces(path) || !may_save_kept_lo_words(w) || !may_write(w, path)) {
            return;
        }
        const SaveResult result = w.platform().save_file(path, layout(register_texts(w)));
        if (!result.ok) {
            w.MsgBox(MessageIcon::Warning, MessageButtons::Ok, "警告",
                     save_failure_text(path, result.reason));
        }
    }
    w.SetFocus(w.FocusSeter);
}

}  // namespace

void save_file_Click(Kv2841a& w) {
    save_register_list(w, spi_list);
}

void save_reg_list_Click(Kv2841a& w) {
    save_register_list(w, spi_list);
}

void SaveHexList_Click(Kv2841a& w) {
    save_register_list(w, c_list);
}

void SaveTipList_Click(Kv2841a& w) {
    save_register_list(w, no_list);
}

void attach_register_lists(Kv2841a& w) {
    w.save_file.Click = [&w] { save_file_Click(w); };
    w.save_reg_list.Click = [&w] { save_reg_list_Click(w); };
    w.SaveHexList.Click = [&w] { SaveHexList_Click(w); };
    w.SaveTipList.Click = [&w] { SaveTipList_Click(w); };
    w.open_file.Click = [&w] { open_file_Click(w); };
    w.compare_file.Click = [&w] { compare_file_Click(w); };
}

}  // namespace kv
