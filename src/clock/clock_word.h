#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "panel/crystals.h"
#include "panel/setting_names.h"
#include "panel/word_field.h"

namespace kv {

// REG9, the sample-clock PLL word:
//   bit  19     reA - 1            (0 for /1, 1 for /2)
//   bits 18..16 reB                (1..7)
//   bits 15..11 fbA                (1..31)
//   bit  10     fbB / 2 - 1        (0 for /2, 1 for /4)
//   bits 9..8   SCfpb / 2 - 1      (0..3 for /2../8)
//   bits 7..0   zero
//   reA 1, reB 5, fbA 10, fbB 4, SCfpb 8 -> 55700
// The lowest bit of each divider's field.
inline constexpr ClockDividers kReg9At = {19, 16, 11, 10, 8};

// The code a divider's field holds: reA - 1; fbB and SCfpb halved, less one;
// reB and fbA as they are.
[[nodiscard]] constexpr double re_a_code(double re_a) {
    return re_a - 1;
}
[[nodiscard]] constexpr double halved_code(double divider) {
    return divider / 2 - 1;
}

// REG9's fields, as the encoder writes them.
inline constexpr std::array<WordField, 5> kReg9Fields = {{
    {.high = kReg9At.re_a,
     .low = kReg9At.re_a,
     .setting = kReASetting,
     .meaning = FieldMeaning::Item,
     .offered = Offered::ReA,
     .code = re_a_code},
    {.high = kReg9At.re_a - 1,
     .low = kReg9At.re_b,
     .setting = kReBSetting,
     .meaning = FieldMeaning::Item,
     .offered = Offered::ReB},
    {.high = kReg9At.re_b - 1,
     .low = kReg9At.fb_a,
     .setting = kFbASetting,
     .meaning = FieldMeaning::Item,
     .offered = Offered::FbA},
    {.high = kReg9At.fb_a - 1,
     .low = kReg9At.fb_b,
     .setting = kFbBSetting,
     .meaning = FieldMeaning::Item,
     .offered = Offered::FbB,
     .code = halved_code},
    {.high = kReg9At.fb_b - 1,
     .low = kReg9At.sc_fpb,
     .setting = kScFpbSetting,
     .meaning = FieldMeaning::Item,
     .offered = Offered::ScFpb,
     .code = halved_code},
}};

// None for a divider its field cannot hold.
[[nodiscard]] std::optional<std::uint32_t> sample_clock_word(const ClockDividers& dividers);

}  // namespace kv
