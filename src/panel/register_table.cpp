#include "panel/channels.h"
#include "panel/kv2841a.h"

namespace kv {

int panel_register(const Kv2841a& w, const TextBox& box) {
    for (const PanelWordCopy& entry : kPanelWordCopies) {
        if (&(w.*entry.box) == &box) {
            return entry.reg;
        }
    }
    return -1;
}

void Kv2841a::LiveRegsList() {
    for (const PanelWordCopy& entry : kPanelWordCopies) {
        register_box(entry.reg).set_text((this->*entry.box).text());
        mark_by_comparison(entry.reg, default_word(entry.reg));
    }
}

// Once a board of the puzzle is solved, a click into any register box opens
// all 44 for typing. Typed text is not checked and changes no mark.
void Kv2841a::Text1_Click(int /*index*/) {
    if (module_.RegsUnlocked == 1) {
        lock_all_registers(false);
    }
}

void Kv2841a::attach_table() {
    for (TextBox& box : Text1) {
        box.Click = [this, index = box.index()] { Text1_Click(index); };
    }
}

}  // namespace kv
