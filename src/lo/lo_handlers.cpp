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

// A change or a pick of any channel's LO list: the three channels' words,
// then the spacing warning.
void LO_list_event(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

// The LO lists take typed frequencies.
void attach_lo(Kv2841a& w) {
    for (const Channel& channel : kChannels) {
        ComboBox& list = w.*channel.lo;
        list.Change = [&w] { LO_list_event(w); };
        list.Click = [&w] { LO_list_event(w); };
    }
}

}  // namespace kv
