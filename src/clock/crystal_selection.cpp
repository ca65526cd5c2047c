#include <cstddef>
#include <cstdint>
#include <optional>

#include "clock/crystals.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// The index of the crystal whose frequency equals the value exactly.
std::optional<int> crystal_index(double mhz) {
    for (std::size_t i = 0; i < kCrystals.size(); ++i) {
        if (kCrystals[i].mhz == mhz) {
            return static_cast<int>(i + 1);
        }
    }
    return std::nullopt;
}

}  // namespace

const Crystal* crystal_of_index(int index) {
    if (index < 1 || index > static_cast<int>(kCrystals.size())) {
        return nullptr;
    }
    return &kCrystals[static_cast<std::size_t>(index - 1)];
}

// A pick from the crystal list. Without the frequency test switch the person is
// reminded of it, and the pick goes on all the same.
void Kv2841a::crylist_Click() {
    if (Freq_ck.value() == 0) {
        MsgBox(MessageIcon::Information, MessageButtons::Ok, "提示", "请打开TestMode开关");
    }
    if (const auto index = crystal_index(text_value(crylist.text()))) {
        module_.cry_index = static_cast<std::int16_t>(*index);
    }
    callbycry();
}

void Kv2841a::VScroll_crystal_Change() {
    module_.cry_index = static_cast<std::int16_t>(VScroll_crystal.value());
    callbycry();
    exchcry();
}

// Applies the row of cry_index: each spin that moves runs its own handler on
// the way, and only the state after the last one counts. Moving
// VScroll_crystal (a pick of another crystal) applies the row again, nested.
void Kv2841a::callbycry() {
    if (const Crystal* row = crystal_of_index(module_.cry_index)) {
        crystal.set_text(number_text(row->mhz));
        VScroll_reA.set_value(row->positions.re_a);
        VScroll_reB.set_value(row->positions.re_b);
        VScroll_fbA.set_value(row->positions.fb_a);
        VScroll_fbB.set_value(row->positions.fb_b);
        VScroll_SCfpb.set_value(row->positions.sc_fpb);
        YFPB.set_text(integer_text(row->pre_divider));
        VScroll_crystal.set_value(module_.cry_index);
    }
    load_value();
    reg1fuzhi();
    callreg();
}

// Shows the chosen crystal in the list. A text written from code is no pick,
// so no reminder comes.
void Kv2841a::exchcry() {
    if (const Crystal* row = crystal_of_index(module_.cry_index)) {
        crylist.set_text(number_text(row->mhz));
    }
}

}  // namespace kv
