#pragma once

#include <string>
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

}  // namespace kv
