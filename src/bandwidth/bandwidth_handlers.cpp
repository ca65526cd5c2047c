#include <string_view>

#include "bandwidth/bandwidth_word.h"
#include "clock/crystals.h"
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

void Kv2841a::reg1fuzhi() {
    const Crystal* row = crystal_of_index(module_.cry_index);
    if (row == nullptr) {
        // No word is defined for an index outside the crystal table.
        return;
    }
    const auto word = bandwidth_word(
        {text_value(Combo1.text()), text_value(Combo2.text()), text_value(Combo3.text())},
        row->reg1);
    if (word) {
        write_word(reg1_te, *word);
    }
    LiveRegsList();
}

void Kv2841a::Combo1_Click() {
    reg1fuzhi();
    write_bandwidth_word(*this, Combo1, kChannel1);
}

void Kv2841a::Combo2_Click() {
    reg1fuzhi();
    write_bandwidth_word(*this, Combo2, kChannel2);
    LiveRegsList();
}

void Kv2841a::Combo3_Click() {
    reg1fuzhi();
    write_bandwidth_word(*this, Combo3, kChannel3);
    LiveRegsList();
}

void Kv2841a::attach_bandwidth() {
    Combo1.Click = [this] { Combo1_Click(); };
    Combo2.Click = [this] { Combo2_Click(); };
    Combo3.Click = [this] { Combo3_Click(); };
    for (ComboBox* list : {&Combo1, &Combo2, &Combo3}) {
        list->KeyPress = discard_keystroke;
    }
}

}  // namespace kv
