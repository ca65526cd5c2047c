#include <array>
#include <string>

#include "bandwidth/bandwidth.h"
#include "bandwidth/bandwidth_word.h"
#include "panel/channels.h"
#include "panel/crystals.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// The word a bandwidth list writes into its channel's register, wide (above
// 25 MHz, marked) or narrow (not marked). The threshold is strict.
void write_bandwidth_word(Kv2841a& w, const Channel& channel) {
    const bool wide = text_value((w.*channel.bandwidth).text()) > kWideAbove;
    w.register_box(channel.bandwidth_reg)
        .set_text(std::string(wide ? channel.wide_word : channel.narrow_word));
    w.mark(channel.bandwidth_reg, wide);
}

}  // namespace

void reg1fuzhi(Kv2841a& w) {
    const Crystal* row = crystal_of_index(w.module().cry_index);
    if (row == nullptr) {
        // No word is defined for an index outside the crystal table.
        return;
    }
    std::array<double, kChannels.size()> bandwidths{};
    for (std::size_t n = 0; n < kChannels.size(); ++n) {
        bandwidths[n] = text_value((w.*kChannels[n].bandwidth).text());
    }
    const auto word = bandwidth_word(bandwidths, row->reg1);
    if (word) {
        w.write_word(w.reg1_te, *word);
    }
    w.LiveRegsList();
}

// Channel 1's pick runs LiveRegsList once (inside reg1fuzhi), the other two
// run it again after their bandwidth word: the window has always done so, and
// the copies it makes are the same either way.
void Combo1_Click(Kv2841a& w) {
    reg1fuzhi(w);
    write_bandwidth_word(w, kChannels[0]);
}

void Combo2_Click(Kv2841a& w) {
    reg1fuzhi(w);
    write_bandwidth_word(w, kChannels[1]);
    w.LiveRegsList();
}

void Combo3_Click(Kv2841a& w) {
    reg1fuzhi(w);
    write_bandwidth_word(w, kChannels[2]);
    w.LiveRegsList();
}

void attach_bandwidth(Kv2841a& w) {
    w.Combo1.Click = [&w] { Combo1_Click(w); };
    w.Combo2.Click = [&w] { Combo2_Click(w); };
    w.Combo3.Click = [&w] { Combo3_Click(w); };
}

}  // namespace kv
