#include <cmath>

#include "clock/clock.h"
#include "clock/spin_divider.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// fbA and reB take typed values: anything out of the spin's range, a fraction
// or a text without a number is corrected silently, and the spin follows.
//   fbA: "45" -> 31, "0" / "-3" / "abc" / "" -> 1, "12.9" -> 12
// Each correction that alters the text runs this again, nested; the nested run
// finds nothing more to correct. The spin's handler runs only when the
// position really moves.
void typed_divider_changed(TextBox& box, ScrollBar& spin) {
    const int highest = spin.max();
    const int lowest = spin.min();
    if (text_value(box.text()) > highest) {
        box.set_text(integer_text(highest));
    }
    if (text_value(box.text()) < lowest) {
        box.set_text(integer_text(lowest));
    }
    box.set_text(number_text(std::floor(text_value(box.text()))));
    spin.set_value(position_of(spin, static_cast<int>(text_value(box.text()))));
}

// The whole text selected and the focus taken, so that typing replaces the value.
void select_all_and_focus(Kv2841a& w, TextBox& box) {
    box.select_all();
    w.SetFocus(box);
}

}  // namespace

void fbA_Change(Kv2841a& w) {
    typed_divider_changed(w.fbA, w.VScroll_fbA);
}

void reB_Change(Kv2841a& w) {
    typed_divider_changed(w.reB, w.VScroll_reB);
}

void fbA_Click(Kv2841a& w) {
    fbA_Selectall(w);
}

void reB_Click(Kv2841a& w) {
    reB_Selectall(w);
}

void fbA_Selectall(Kv2841a& w) {
    select_all_and_focus(w, w.fbA);
}

void reB_Selectall(Kv2841a& w) {
    select_all_and_focus(w, w.reB);
}

}  // namespace kv
