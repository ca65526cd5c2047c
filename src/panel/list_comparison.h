#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// A setting whose value differs between two register lists: "2通道本振",
// "1574.5 MHz", "1575.42 MHz".
struct SettingChange {
    std::string name;
    std::string before;
    std::string after;
};

// A register whose words differ: its two texts and, for a produced register,
// a line for each field that differs, for the fixed bits where they differ,
// and for each setting of its fields that differs.
struct RegisterChange {
    int reg = 0;
    std::string before;
    std::string after;
    std::vector<std::string> lines;
};

// What differs between two register lists, in the window's terms first.
struct ListComparison {
    std::vector<SettingChange> settings;
    std::vector<RegisterChange> registers;
};

// The window that shows a comparison: its title, the line when no setting
// differs, the line when all words are equal, and its table's columns.
inline constexpr std::string_view kComparisonTitle = "比较寄存器列表";
inline constexpr std::string_view kNoSettingDiffers = "设置全部相同";
inline constexpr std::string_view kAllWordsEqual = "寄存器字全部相同";
inline constexpr std::array<std::string_view, 4> kComparisonColumns = {"寄存器", "本窗口的字",
                                                                       "文件的字", "不同的字段"};

}  // namespace kv
