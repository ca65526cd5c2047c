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
        lines.push_back("以下寄存器无法由面板设置得到，已按文件写入：" +
                        register_names(report.unexplained));
    }
    if (const std::string& chosen = report.crystal_chosen; !chosen.empty()) {
        lines.push_back("晶振" + joined(report.crystals_fitted) + " MHz得出相同的寄存器值，已选" +
                        chosen + " MHz；显示的本振频率按" + chosen + " MHz晶振计算");
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
