#include "panel/kv2841a.h"

namespace kv {

// The handlers of the sample-clock page and the crystal list. The spins carry
// their ranges and steps from the window's design; the handlers never change them.
void Kv2841a::attach_clock() {
    VScroll_reA.Change = [this] { VScroll_reA_Change(); };
    VScroll_reB.Change = [this] { VScroll_reB_Change(); };
    VScroll_fbA.Change = [this] { VScroll_fbA_Change(); };
    VScroll_fbB.Change = [this] { VScroll_fbB_Change(); };
    VScroll_SCfpb.Change = [this] { VScroll_SCfpb_Change(); };
    fbA.Change = [this] { fbA_Change(); };
    reB.Change = [this] { reB_Change(); };
    fbA.Click = [this] { fbA_Click(); };
    reB.Click = [this] { reB_Click(); };
    VScroll_crystal.Change = [this] { VScroll_crystal_Change(); };
    crylist.Click = [this] { crylist_Click(); };
    crylist.KeyPress = discard_keystroke;
}

}  // namespace kv
