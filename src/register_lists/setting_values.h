#pragma once

#include <optional>
#include <string>
#include <vector>

#include "register_lists/register_list_decoding.h"

namespace kv {

// A setting of the window and its value as a list's words give it:
//   {"2通道本振", "1574.5 MHz"}   {"1通道AGC自动开关", "on"}
struct SettingValue {
    std::string name;
    std::string value;
};

// The value a setting has where no setting the panel offers gives the words.
inline constexpr std::string_view kNoSetting = "no setting gives the words";

// Every setting that produces a register word, in the order of the pages.
[[nodiscard]] std::vector<SettingValue> setting_values(const DecodedSettings& settings);

// An LO frequency as a setting's value, "1176 MHz".
[[nodiscard]] std::string lo_mhz_value(const std::optional<std::string>& mhz);

}  // namespace kv
