#include <cstdio>
#include <map>

#include "panel/utf8.h"
#include "support/session.h"

namespace kv::test {

namespace {

enum class Layout { Spi, C, No };

// The three layouts, written out here again from the file formats.
std::string expected_file(Layout layout, const std::vector<std::string>& texts) {
    std::string out;
    for (std::size_t n = 0; n < texts.size(); ++n) {
        const std::u32string text = to_utf32(texts[n]);
        auto part = [&](std::size_t first, std::size_t count) {
            return first >= text.size() ? std::string() : to_utf8(text.substr(first, count));
        };
        char index[24];
        switch (layout) {
            case Layout::Spi:
                out += texts[n] + "\t";
                break;
            case Layout::C:
                std::snprintf(index, sizeof index, "%02zX", n);
                out += "0x" + std::string(index) + ",0x0" + part(0, 1) + ",0x" + part(1, 2) +
                       ",0x" + part(3, 2) + ",\r\n";
                break;
            case Layout::No:
                out += "Reg" + std::to_string(n) + "\t" + texts[n] + "\r\n";
                break;
        }
    }
    return out;
}

const std::vector<std::string> kNames = {"regs.txt", "/home/eng/regs.txt", "regs",
                                         "/home/eng/新建.txt", " spaced name .txt"};
const std::vector<std::string> kFaults = {"磁盘空间不足", "没有写入权限", "文件夹不存在",
                                          "文件超出系统允许的大小"};

// What the image shows: every text and every mark.
std::vector<std::string> image_of(const Kv2841a& w) {
    std::vector<std::string> out;
    for (const TextBox& box : w.Text1) {
        out.push_back(box.text() + (box.back_color() == kHighlight ? "*" : "-"));
    }
    return out;
}

long bytes_changed(const std::map<std::string, std::string>& before,
                   const std::map<std::string, std::string>& after, const std::string& written) {
    long lost = 0;
    for (const auto& [name, bytes] : before) {
        const auto now = after.find(name);
        if (name != written && (now == after.end() || now->second != bytes)) {
            lost += static_cast<long>(bytes.size());
        }
    }
    return lost;
}

}  // namespace

// A save through the menu item or one of the three buttons. The dialog is
// cancelled, given a blank name or a name; an existing file is replaced on
// Yes and kept on No; now and then the platform fails the write. A file is
// written exactly when all went well, holding the image as it stood; no other
// file changes and the image does not change.
void Session::save(Problems& problems) {
    Kv2841a& window = w();
    const int which = static_cast<int>(rng_.below(4));
    const Layout layouts[] = {Layout::Spi, Layout::Spi, Layout::C, Layout::No};
    const char* names[] = {"menu 保存(S)", "保存SPI列表", "保存.C列表", "保存No.列表"};
    std::optional<std::string> name;
    if (const auto roll = rng_.below(100); roll >= 25) {
        name = rng_.one_of(kNames);
    } else if (roll >= 15) {
        name = rng_.chance(50) ? "" : "   ";
    }
    const bool exists = name && platform_.files.count(*name) != 0;
    const bool yes = rng_.chance(50);
    const bool fault = rng_.chance(20);
    platform_.dialog_answers = {name};
    platform_.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
    if (fault) {
        platform_.save_failure = rng_.one_of(kFaults);
    }
    const auto files_before = platform_.files;
    const auto image_before = image_of(window);
    std::vector<std::string> texts;
    for (const TextBox& box : window.Text1) {
        texts.push_back(box.text());
    }
    const bool tried =
        name && name->find_first_not_of(' ') != std::string::npos && (!exists || yes);
    const bool accepted = which == 0 ? window.save_file.click()
                                     : (which == 1   ? window.save_reg_list.click()
                                        : which == 2 ? window.SaveHexList.click()
                                                     : window.SaveTipList.click());
    note(std::string(names[which]) + " as '" + name.value_or("(cancelled)") + "'" +
             (exists ? (yes ? ", replace" : ", keep") : "") + (fault && tried ? ", failing" : ""),
         accepted);
    ++figures_.saves;
    const bool writes = tried && !fault;
    figures_.faults_injected += tried && fault ? 1 : 0;
    const long lost = bytes_changed(files_before, platform_.files, writes ? *name : std::string());
    figures_.bytes_lost += lost;
    if (lost != 0) {
        problems.add("a save changed " + std::to_string(lost) + " bytes of other files");
    }
    if (writes) {
        ++figures_.files_written;
        if (platform_.files[*name] != expected_file(layouts[which], texts)) {
            problems.add("the saved file does not hold the image");
        }
    } else if (name && platform_.files != files_before) {
        problems.add("a save that should write nothing wrote '" + *name + "'");
    }
    if (tried && fault &&
        (platform_.messages.empty() || platform_.messages.back().title != "警告")) {
        problems.add("a failed save was not told");
    }
    if (image_of(window) != image_before) {
        problems.add("saving changed the register image");
    }
}

}  // namespace kv::test
