#include <string_view>

#include "bandwidth/bandwidth.h"
#include "bandwidth/bandwidth_word.h"
#include "panel/crystals.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// The word a bandwidth handler writes into its channel's register, wide
// (above 25 MHz, marked) or narrow (not marked). The threshold is strict.
struct BandwidthWord {
    int reg;
    std::string_view wide;
    std::string_view narrow;
};

constexpr BandwidthWord kChannel1 = {18, "7FFE0", "7C030"};
constexpr BandwidthWord kChannel2 = {27, "FE830", "FC030"};
constexpr BandwidthWord kChannel3 = {34, "7EBE0", "7C030"};
constexpr double kWideAbove = 25;

void write_bandwidth_word(Kv2841a& w, const ComboBox& list, const BandwidthWord& word) {
    const bool wide = text_value(list.text()) > kWideAbove;
    w.Text1[static_cast<std::size_t>(word.reg)].set_text(
        std::string(wide ? word.wide : word.narrow));
    w.mark(word.reg, wide);
}

}  // namespace

void reg1fuzhi(Kv2841a& w) {
    const Crystal* row = crystal_of_index(w.module().cry_index);
    if (row == nullptr) {
        // No word is defined for an index outside the crystal table.
        return;
    }
    const auto word = bandwidth_word(
        {text_value(w.Combo1.text()), text_value(w.Combo2.text()), text_value(w.Combo3.text())},
        row->reg1);
    if (word) {
        w.write_word(w.reg1_te, *word);
    }
    w.LiveRegsList();
}

void Combo1_Click(Kv2841a& w) {
    reg1fuzhi(w);
    write_bandwidth_word(w, w.Combo1, kChannel1);
}

void Combo2_Click(Kv2841a& w) {
    reg1fuzhi(w);
    write_bandwidth_word(w, w.Combo2, kChannel2);
    w.LiveRegsList();
}

void Combo3_Click(Kv2841a& w) {
    reg1fuzhi(w);
    write_bandwidth_word(w, w.Combo3, kChannel3);
    w.LiveRegsList();
}

void attach_bandwidth(Kv2841a& w) {
    w.Combo1.Click = [&w] { Combo1_Click(w); };
    w.Combo2.Click = [&w] { Combo2_Click(w); };
    w.Combo3.Click = [&w] { Combo3_Click(w); };
}

}  // namespace kv
