#pragma once

#include <array>
#include <string_view>

#include "panel/control.h"
#include "panel/controls.h"

namespace kv {

// The registers of the KV2841A, numbered 0..kRegisterCount - 1.
inline constexpr int kRegisterCount = 44;

// The start word of each register box is also
// its word in the default set and, where a producer writes the register, the
// power-on word its mark is decided against.
inline constexpr std::array<std::string_view, kRegisterCount> kDefaultWords = {
    "FFF00", "011D5", "32178", "28F5C", "0FB00", "EB84F", "0C400", "51EB7", "318C2",
    "55700", "9965E", "B145C", "B249C", "62625", "8AAFE", "FFF80", "5F910", "40077",
    "7C030", "90708", "008B2", "420AE", "75541", "F7BDE", "FFF80", "5FA10", "40077",
    "FC030", "90C00", "4208D", "75541", "FFF80", "5F910", "40077", "7C030", "90C00",
    "420A8", "75541", "EE296", "47002", "00000", "FFFFD", "FFFFD", "FFFFD"};

// The start word of register n, 0 <= n < kRegisterCount.
[[nodiscard]] constexpr std::string_view default_word(int n) {
    return kDefaultWords[static_cast<std::size_t>(n)];
}

// REG19's start word differs from the chip's power-on value: its box starts
// marked, and every reset marks it again.
inline constexpr int kAlwaysMarkedRegister = 19;

// A register box's pop-up tip: the chip's power-on value of a register, where
// the tool shows it.
struct RegisterTip {
    std::size_t reg;
    std::string_view tip;
};

inline constexpr std::string_view kPowerOnTipLead = "上电默认值";
inline constexpr std::array<RegisterTip, 3> kRegisterTips = {{
    {19, "上电默认值90308"},
    {28, "上电默认值90C00"},
    {35, "上电默认值90C00"},
}};

// The chip's own power-on word of register n, against which an opened file's
// words are marked: the word its tip names, or else its start word.
[[nodiscard]] constexpr std::string_view chip_power_on_word(std::size_t n) {
    for (const RegisterTip& row : kRegisterTips) {
        if (row.reg == n) {
            return row.tip.substr(kPowerOnTipLead.size());
        }
    }
    return kDefaultWords[n];
}

// The design of register box n: its tip, and the mark of REG19.
constexpr Design register_design(std::size_t n) {
    Design design{};
    for (const RegisterTip& row : kRegisterTips) {
        if (row.reg == n) {
            design.tip = row.tip;
        }
    }
    if (n == static_cast<std::size_t>(kAlwaysMarkedRegister)) {
        design.back_color = kHighlight;
    }
    return design;
}

// The register boxes Text1(0)..Text1(43) with their start words.
template <std::size_t... N>
std::array<TextBox, sizeof...(N)> make_register_boxes(Control* page, std::index_sequence<N...>) {
    return {TextBox{"Text1", page, std::string(kDefaultWords[N]), register_design(N),
                    static_cast<int>(N)}...};
}

inline std::array<TextBox, kRegisterCount> make_register_boxes(Control* page) {
    return make_register_boxes(page, std::make_index_sequence<kRegisterCount>{});
}

}  // namespace kv
