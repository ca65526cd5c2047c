#include "clock/clock.h"
#include "panel/kv2841a.h"

namespace kv {

// The handlers of the sample-clock page and the crystal list. The spins carry
// their ranges and steps from the window's design; the handlers never change them.
void attach_clock(Kv2841a& w) {
    w.VScroll_reA.Change = [&w] { VScroll_reA_Change(w); };
    w.VScroll_reB.Change = [&w] { VScroll_reB_Change(w); };
    w.VScroll_fbA.Change = [&w] { VScroll_fbA_Change(w); };
    w.VScroll_fbB.Change = [&w] { VScroll_fbB_Change(w); };
    w.VScroll_SCfpb.Change = [&w] { VScroll_SCfpb_Change(w); };
    w.fbA.Change = [&w] { fbA_Change(w); };
    w.reB.Change = [&w] { reB_Change(w); };
    w.fbA.Click = [&w] { fbA_Click(w); };
    w.reB.Click = [&w] { reB_Click(w); };
    w.VScroll_crystal.Change = [&w] { VScroll_crystal_Change(w); };
    w.crylist.Click = [&w] { crylist_Click(w); };
}

}  // namespace kv
