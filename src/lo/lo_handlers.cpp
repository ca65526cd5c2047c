#include <cmath>

#include "lo/lo.h"
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

void ch1bz_Change(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

void ch1bz_Click(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

void ch2bz_Change(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

void ch2bz_Click(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

void ch3bz_Change(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

void ch3bz_Click(Kv2841a& w) {
    callreg(w);
    FBIWARMING(w);
}

// The LO lists take typed frequencies; the error boxes only show.
void attach_lo(Kv2841a& w) {
    w.ch1bz.Change = [&w] { ch1bz_Change(w); };
    w.ch1bz.Click = [&w] { ch1bz_Click(w); };
    w.ch2bz.Change = [&w] { ch2bz_Change(w); };
    w.ch2bz.Click = [&w] { ch2bz_Click(w); };
    w.ch3bz.Change = [&w] { ch3bz_Change(w); };
    w.ch3bz.Click = [&w] { ch3bz_Click(w); };
    for (TextBox* box : {&w.Ch1_Deviation, &w.Ch2_Deviation, &w.Ch3_Deviation}) {
        box->KeyPress = discard_keystroke;
    }
}

}  // namespace kv
