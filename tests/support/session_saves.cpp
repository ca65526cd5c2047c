#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "panel/register_texts.h"
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

struct SaveCommand {
    const char* name;
    bool (*click)(Kv2841a&);
    Layout layout;
};

const SaveCommand kSaveCommands[] = {
    {"menu 保存(S)", [](Kv2841a& w) { return w.save_file.click(); }, Layout::Spi},
    {"保存SPI列表", [](Kv2841a& w) { return w.save_reg_list.click(); }, Layout::Spi},
    {"保存.C列表", [](Kv2841a& w) { return w.SaveHexList.click(); }, Layout::C},
    {"保存No.列表", [](Kv2841a& w) { return w.SaveTipList.click(); }, Layout::No},
};

// What the person answers the dialog (nothing: cancel), the question about a
// red LO list and the overwrite question, and whether the platform fails the write.
struct SavePlan {
    std::optional<std::string> name;
    bool lo_yes = false;
    bool yes = false;
    bool fault = false;
};

SavePlan plan_save(Rng& rng) {
    SavePlan plan;
    if (const auto roll = rng.below(100); roll >= 25) {
        plan.name = rng.one_of(kNames);
    } else if (roll >= 15) {
        plan.name = rng.chance(50) ? "" : "   ";
    }
    plan.lo_yes = rng.chance(50);
    plan.yes = rng.chance(50);
    plan.fault = rng.chance(20);
    return plan;
}

// What the image shows: every text and every mark.
std::vector<std::string> image_of(const Kv2841a& w) {
    std::vector<std::string> out;
    for (const TextBox& box : w.Text1) {
        out.push_back(box.text() + (box.back_color() == kHighlight ? "*" : "-"));
    }
    return out;
}

// The bytes of the files that were there before and are no longer as they were,
// leaving out the file the save was meant to replace.
long bytes_lost(const std::map<std::string, std::string>& before,
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

bool any_lo_list_red(const Kv2841a& w) {
    for (const ComboBox* list : {&w.ch1bz, &w.ch2bz, &w.ch3bz}) {
        if (list->back_color() == kPureRed) {
            return true;
        }
    }
    return false;
}

}  // namespace

// A save through the menu item or one of the three buttons. The dialog is
// cancelled, given a blank name or a name; an existing file is replaced on
// Yes and kept on No, and the words of a red LO list are saved only on Yes; now and then the
// platform fails the write. A file is written exactly when all went well, holding the image as it
// stood; no other file changes, a failure is told, and the image does not change.
void Session::save(Problems& problems) {
    const SaveCommand& command = kSaveCommands[rng_.below(std::size(kSaveCommands))];
    const SavePlan plan = plan_save(rng_);
    platform_.dialog_answers = {plan.name};
    const bool lo_red = any_lo_list_red(w());
    platform_.answers = {};
    if (lo_red) {
        platform_.answers.push_back(plan.lo_yes ? MessageAnswer::Yes : MessageAnswer::No);
    }
    platform_.answers.push_back(plan.yes ? MessageAnswer::Yes : MessageAnswer::No);
    if (plan.fault) {
        platform_.save_failure = rng_.one_of(kFaults);
    }
    const bool exists = plan.name && platform_.files.count(*plan.name) != 0;
    const bool named = plan.name && plan.name->find_first_not_of(' ') != std::string::npos;
    const bool tried = named && (!lo_red || plan.lo_yes) && (!exists || plan.yes);
    const bool writes = tried && !plan.fault;
    const auto files_before = platform_.files;
    const auto image_before = image_of(w());
    const std::string expected = expected_file(command.layout, register_texts(w()));
    note(std::string(command.name) + " as '" + plan.name.value_or("(cancelled)") + "'" +
             (named && lo_red ? (plan.lo_yes ? ", red LO saved" : ", red LO kept back") : "") +
             (exists ? (plan.yes ? ", replace" : ", keep") : "") +
             (tried && plan.fault ? ", failing" : ""),
         command.click(w()));
    ++figures_.saves;
    figures_.files_written += writes ? 1 : 0;
    figures_.faults_injected += tried && plan.fault ? 1 : 0;
    const long lost = bytes_lost(files_before, platform_.files, writes ? *plan.name : "");
    figures_.bytes_lost += lost;
    if (lost != 0) {
        problems.add("a save changed " + std::to_string(lost) + " bytes of other files");
    }
    if (writes ? platform_.files[*plan.name] != expected : platform_.files != files_before) {
        problems.add(writes ? "the saved file does not hold the image"
                            : "a save that should write nothing wrote a file");
    }
    if (tried && plan.fault &&
        (platform_.messages.empty() || platform_.messages.back().title != "警告")) {
        problems.add("a failed save was not told");
    }
    if (image_of(w()) != image_before) {
        problems.add("saving changed the register image");
    }
}

// The menu item "打开(O)" on a list saved earlier in the session, or on a name
// that holds none. A list that opens leaves the window as its words say; a name
// that does not open is told and changes nothing.
void Session::open_list(Problems& problems) {
    std::vector<std::string> names = kNames;
    for (const auto& [name, bytes] : platform_.files) {
        names.push_back(name);
    }
    const std::string name = rng_.one_of(names);
    platform_.dialog_answers = {name};
    const bool exists = platform_.files.count(name) != 0;
    const auto image_before = image_of(w());
    note("menu 打开(O) on '" + name + "'", w().open_file.click());
    if (!exists && image_of(w()) != image_before) {
        problems.add("opening a missing file changed the register image");
    }
}

}  // namespace kv::test
