#include <cmath>

#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// Neighbouring channels' LOs must stand at least this far apart (MHz); channels
// 1 and 3 must only differ.
constexpr double kLoSpacing = 250;

}  // namespace

// Warns when the LOs stand too close; the words just computed stay.
void Kv2841a::FBIWARMING() {
    const double f2 = text_value(ch2bz.text());
    const double f3 = text_value(ch3bz.text());
    const double f1 = text_value(ch1bz.text());
    if (std::fabs(f1 - f2) < kLoSpacing || f1 == f3 || std::fabs(f3 - f2) < kLoSpacing) {
        MsgBox(MessageIcon::Information, MessageButtons::Ok, "提示",
               "相邻通道本振不能相近\n1、3通道本振不能相同");
    }
}

void Kv2841a::ch1bz_Change() {
    callreg();
    FBIWARMING();
}

void Kv2841a::ch1bz_Click() {
    callreg();
    FBIWARMING();
}

void Kv2841a::ch2bz_Change() {
    callreg();
    FBIWARMING();
}

void Kv2841a::ch2bz_Click() {
    callreg();
    FBIWARMING();
}

void Kv2841a::ch3bz_Change() {
    callreg();
    FBIWARMING();
}

void Kv2841a::ch3bz_Click() {
    callreg();
    FBIWARMING();
}

// The LO lists take typed frequencies; the error boxes only show.
void Kv2841a::attach_lo() {
    ch1bz.Change = [this] { ch1bz_Change(); };
    ch1bz.Click = [this] { ch1bz_Click(); };
    ch2bz.Change = [this] { ch2bz_Change(); };
    ch2bz.Click = [this] { ch2bz_Click(); };
    ch3bz.Change = [this] { ch3bz_Change(); };
    ch3bz.Click = [this] { ch3bz_Click(); };
    for (TextBox* box : {&Ch1_Deviation, &Ch2_Deviation, &Ch3_Deviation}) {
        box->KeyPress = discard_keystroke;
    }
}

}  // namespace kv
