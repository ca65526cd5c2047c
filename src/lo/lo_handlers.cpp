#include <cmath>

#include "lo/lo.h"
#include "panel/channels.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// Neighbouring channels' LOs must stand at least this far apart (MHz); channels
// 1 and 3 must only differ.
constexpr double kLoSpacing = 250;

}  // namespace

// Warns when the LOs stand too close; the words just computed stay.
void FBIWARMING(Kv2841a& w) {
    const double f2 = text_value(w.ch2bz.text());
    const double f3 = text_value(w.ch3bz.text());
    const double f1 = text_value(w.ch1bz.text());
    if (std::fabs(f1 - f2) < kLoSpacing || f1 == f3 || std::fabs(f3 - f2) < kLoSpacing) {
        w.MsgBox(MessageIcon::Information, MessageButtons::Ok, "提示",
                 "相邻通道本振不能相近\n1、3通道本振不能相同");
    }
}

// A pick from any channel's LO list: the three channels' words, then the
// spacing warning.
void LO_list_event(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

// A change of any channel's LO list: the words follow every key; the warning
// about a frequency the person is still typing waits where the window asks.
void LO_list_Change(Kv2841a& w, const ComboBox& list) {
    callreg(w);
    if (!(w.warnings_wait_for_entry() && list.entry_open())) {
        FBIWARMING(w);
    }
}

// The typed frequency is complete: the warning that waited, about the
// frequencies as they now stand.
void LO_list_entry_complete(Kv2841a& w) {
    if (w.warnings_wait_for_entry()) {
        FBIWARMING(w);
    }
}

// The LO lists take typed frequencies.
void attach_lo(Kv2841a& w) {
    for (const Channel& channel : kChannels) {
        ComboBox& list = w.*channel.lo;
        list.Change = [&w, &list] { LO_list_Change(w, list); };
        list.Click = [&w] { LO_list_event(w); };
        list.EntryComplete = [&w] { LO_list_entry_complete(w); };
    }
}

}  // namespace kv
