#include <cstddef>
#include <cstdint>
#include <optional>

#include "bandwidth/bandwidth.h"
#include "clock/clock.h"
#include "lo/lo.h"
#include "panel/crystals.h"
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

// A pick from the crystal list. Without the frequency test switch the person is
// reminded of it, and the pick goes on all the same.
void crylist_Click(Kv2841a& w) {
    if (w.Freq_ck.value() == 0) {
        w.MsgBox(MessageIcon::Information, MessageButtons::Ok, "提示", "请打开TestMode开关");
    }
    if (const auto index = crystal_index(text_value(w.crylist.text()))) {
        w.module().cry_index = static_cast<std::int16_t>(*index);
    }
    callbycry(w);
}

void VScroll_crystal_Change(Kv2841a& w) {
    w.module().cry_index = static_cast<std::int16_t>(w.VScroll_crystal.value());
    callbycry(w);
    exchcry(w);
}

// Applies the row of cry_index: each spin that moves runs its own handler on
// the way, and only the state after the last one counts. Moving
// VScroll_crystal (a pick of another crystal) applies the row again, nested.
void callbycry(Kv2841a& w) {
    if (const Crystal* row = crystal_of_index(w.module().cry_index)) {
        w.crystal.set_text(number_text(row->mhz));
        w.VScroll_reA.set_value(row->positions.re_a);
        w.VScroll_reB.set_value(row->positions.re_b);
        w.VScroll_fbA.set_value(row->positions.fb_a);
        w.VScroll_fbB.set_value(row->positions.fb_b);
        w.VScroll_SCfpb.set_value(row->positions.sc_fpb);
        w.YFPB.set_text(integer_text(row->pre_divider));
        w.VScroll_crystal.set_value(w.module().cry_index);
    }
    load_value(w);
    reg1fuzhi(w);
    callreg(w);
}

// Shows the chosen crystal in the list. A text written from code is no pick,
// so no reminder comes.
void exchcry(Kv2841a& w) {
    if (const Crystal* row = crystal_of_index(w.module().cry_index)) {
        w.crylist.set_text(number_text(row->mhz));
    }
}

}  // namespace kv
