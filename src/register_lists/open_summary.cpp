#include <string>
#include <vector>

#include "register_lists/register_list_applying.h"

namespace kv {

namespace {

std::string register_names(const std::vector<int>& registers) {
    std::string out;
    for (int n : registers) {
        out += (out.empty() ? "REG" : "、REG") + std::to_string(n);
    }
    return out;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : "、") + item;
    }
    return out;
}

}  // namespace

// One line for each thing to tell; the lines are joined by a line feed.
std::string open_summary(const OpenReport& report) {
    std::vector<std::string> lines;
    if (!report.unexplained.empty()) {
        lines.push_back("没有设置能得出的寄存器，已直接写入：" +
                        register_names(report.unexplained));
    }
    if (!report.crystal_chosen.empty()) {
        lines.push_back("符合的晶振：" + joined(report.crystals_fitted) + " MHz，已选" +
                        report.crystal_chosen + " MHz");
    }
    if (!report.cut.empty()) {
        lines.push_back(".C列表中可能被截短的寄存器：" + register_names(report.cut));
    }
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

}  // namespace kv
