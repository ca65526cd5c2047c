#include <array>
#include <string>
#include <utility>
#include <vector>

#include "bandwidth/bandwidth.h"
#include "panel/kv2841a.h"
#include "window/list_items.h"
#include "window/window.h"

namespace kv {

namespace {

// The lists combo_load fills, in the order it fills them.
constexpr std::array kFilledLists = {ItemList::Bandwidths, ItemList::LoFrequencies,
                                     ItemList::Crystals,   ItemList::FrontEndGains,
                                     ItemList::AgcGains,   ItemList::IfaGains};

void fill(ComboBox& list, std::vector<std::string> items) {
    for (std::string& item : items) {
        list.AddItem(std::move(item));
    }
}

}  // namespace

// Brings the window from its design values into its working state. The
// assignments below raise the handlers of the other subsystems, nested, and
// those compute the words; steps 2 to 7 run while the lists are still empty.
void Form_Load(Kv2841a& w) {
    w.show_page(w.Frame1);
    apply_working_clock(w);
    w.chafen.set_value(true);
    w.ACout.set_value(1);
    w.DCout.set_value(0);
    w.module().RegsUnlocked = 0;
    w.Option4bit.set_value(true);
    w.lock_all_registers(true);
    combo_load(w);
    reg1fuzhi(w);
    tips(w);
}

// The 25 MHz crystal and its divider positions, the working values of start-up
// and reset: each assignment that moves a spin runs its handler.
void apply_working_clock(Kv2841a& w) {
    w.VScroll_crystal.set_value(3);
    w.module().cry_index = static_cast<std::int16_t>(w.VScroll_crystal.value());
    w.VScroll_reA.set_value(2);
    w.VScroll_reB.set_value(3);
    w.VScroll_fbA.set_value(22);
    w.VScroll_fbB.set_value(2);
    w.VScroll_SCfpb.set_value(2);
}

void Form_Activate(Kv2841a& w) {
    w.SetFocus(w.FocusSeter);
}

// Fills the lists with the items their declarations name: the bandwidth
// lists first, then the LO lists, the crystal list and the gain lists.
void combo_load(Kv2841a& w) {
    for (const ItemList kind : kFilledLists) {
        for (Control* control : w.controls()) {
            auto* list = dynamic_cast<ComboBox*>(control);
            if (list != nullptr && list->design().items == kind) {
                fill(*list, list_items(kind));
            }
        }
    }
}

// Attaches the tips the controls' declarations give.
void tips(Kv2841a& w) {
    for (Control* control : w.controls()) {
        if (!control->design().tip.empty()) {
            control->set_tool_tip(std::string(control->design().tip));
        }
    }
}

}  // namespace kv
