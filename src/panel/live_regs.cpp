#include <array>
#include <string_view>

#include "panel/kv2841a.h"

namespace kv {

namespace {

// The panel word boxes that LiveRegsList copies into the register image, in
// the order it works.
struct CopyEntry {
    int reg;
    TextBox Kv2841a::*box;
};

constexpr std::array<CopyEntry, 11> kCopyList = {{
    {40, &Kv2841a::testmode},
    {1, &Kv2841a::reg1_te},
    {2, &Kv2841a::reg2_te},
    {3, &Kv2841a::reg3_te},
    {4, &Kv2841a::reg4_te},
    {5, &Kv2841a::reg5_te},
    {6, &Kv2841a::reg6_te},
    {7, &Kv2841a::reg7_te},
    {8, &Kv2841a::outmode},
    {9, &Kv2841a::reg9_val},
    {23, &Kv2841a::Reg23Ctrl},
}};

}  // namespace

void Kv2841a::LiveRegsList() {
    for (const CopyEntry& entry : kCopyList) {
        Text1[static_cast<std::size_t>(entry.reg)].set_text((this->*entry.box).text());
        mark_by_comparison(entry.reg, kDefaultWords[static_cast<std::size_t>(entry.reg)]);
    }
}

}  // namespace kv
