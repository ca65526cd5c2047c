#include <array>
#include <cstddef>

#include "panel/kv2841a.h"

namespace kv {

// The page frames lie on top of each other; the tabs key1..key4 show Frame1,
// Frame3, Frame40 and Frame2. Exactly one page is visible.
void Kv2841a::show_page(const Frame& page) {
    for (Frame* frame : {&Frame1, &Frame3, &Frame40, &Frame2}) {
        frame->set_visible(frame == &page);
    }
}

// Shows the page of the selected tab and hides the other three. A tab without
// a page changes no page.
void Kv2841a::TabStrip1_Click() {
    const std::array<const Frame*, 4> pages = {&Frame1, &Frame3, &Frame40, &Frame2};
    const std::size_t selected = TabStrip1.selected();
    if (selected < pages.size()) {
        show_page(*pages[selected]);
    }
    SetFocus(FocusSeter);
}

// Once a board of the puzzle is solved, a click into any register box opens
// all 44 for typing. Typed text is not checked and changes no mark.
void Kv2841a::Text1_Click(int /*index*/) {
    if (module_.RegsUnlocked == 1) {
        lock_all_registers(false);
    }
}

void Kv2841a::attach_table() {
    TabStrip1.Click = [this] { TabStrip1_Click(); };
    for (TextBox& box : Text1) {
        box.Click = [this, index = box.index()] { Text1_Click(index); };
    }
}

}  // namespace kv
