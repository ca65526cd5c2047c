#include <cstdint>

#include "panel/numbers.h"
#include "support/register_oracle.h"
#include "support/rule_checks.h"

namespace kv::test::rules {

namespace {

using oracle::word;

std::optional<std::string> as_word(std::optional<std::uint32_t> value) {
    return value ? std::optional<std::string>(word(*value)) : std::nullopt;
}

void lo_channel(const Kv2841a& w, const Module& module, int channel, Words& words) {
    const ComboBox* lists[] = {&w.ch1bz, &w.ch2bz, &w.ch3bz};
    const oracle::Crystal* row = oracle::crystal(module.cry_index);
    if (row == nullptr) {
        return;
    }
    const double f = text_value(lists[channel - 1]->text());
    if (const auto lo = oracle::lo_words(channel, f, row->mhz, row->pre_divider)) {
        const auto first = static_cast<std::size_t>(2 * channel);
        words[first] = word(lo->integer);
        words[first + 1] = word(lo->fraction);
    }
}

void clock_word(const Kv2841a& w, Words& words, Problems& problems) {
    const auto re_a = whole_in(w.reA, problems);
    const auto re_b = whole_in(w.reB, problems);
    const auto fb_a = whole_in(w.fbA, problems);
    const auto fb_b = whole_in(w.fbB, problems);
    const auto sc_fpb = whole_in(w.SCfpb, problems);
    if (re_a && re_b && fb_a && fb_b && sc_fpb) {
        words[9] = word(oracle::reg9(*re_a, *re_b, *fb_a, *fb_b, *sc_fpb));
    }
}

void gain_words(const Kv2841a& w, Words& words, Problems& problems) {
    const auto rf1 = whole_in(w.CH1_RF_Gain, problems);
    const auto agc1 = whole_in(w.CH1_AGC_Gain, problems);
    const auto ifa1 = whole_in(w.CH1_IFA_Gain, problems);
    if (rf1 && agc1 && ifa1) {
        words[10] =
            as_word(oracle::reg10(*rf1, *agc1, *ifa1, w.CH1_IFA_SW.value(), w.CH1_AGC_SW.value()));
    }
    const ComboBox* rf[] = {&w.CH2_RF_Gain, &w.CH3_RF_Gain};
    const ComboBox* agc[] = {&w.CH2_AGC_Gain, &w.CH3_AGC_Gain};
    const ComboBox* ifa[] = {&w.CH2_IFA_Gain, &w.CH3_IFA_Gain};
    const CheckBox* agc_switch[] = {&w.CH2_AGC_SW, &w.CH3_AGC_SW};
    for (std::size_t k = 0; k < 2; ++k) {
        const auto r = whole_in(*rf[k], problems);
        const auto a = whole_in(*agc[k], problems);
        const auto i = whole_in(*ifa[k], problems);
        if (r && a && i) {
            words[11 + k] = as_word(oracle::reg11_12(*r, *a, *i, agc_switch[k]->value()));
        }
    }
}

void bandwidth_words(const Kv2841a& w, const Module& module, Words& words, Problems& problems) {
    const auto b1 = whole_in(w.Combo1, problems);
    const auto b2 = whole_in(w.Combo2, problems);
    const auto b3 = whole_in(w.Combo3, problems);
    if (b1 && b2 && b3) {
        words[1] = as_word(oracle::reg1(module.cry_index, *b1, *b2, *b3));
        words[18] = std::string(oracle::bandwidth_word(1, *b1).word);
        words[27] = std::string(oracle::bandwidth_word(2, *b2).word);
        words[34] = std::string(oracle::bandwidth_word(3, *b3).word);
    }
}

}  // namespace

std::optional<int> whole_in(const TextControl& control, Problems& problems) {
    const auto value = oracle::whole_number(control.text());
    if (!value) {
        problems.add(control.name() + " shows '" + Problems::shown(control.text()) +
                     "', not a whole number");
    }
    return value;
}

Words current_words(const Kv2841a& w, const Module& module, Problems& problems) {
    Words words;
    for (int n = 0; n < kRegisterCount; ++n) {
        words[static_cast<std::size_t>(n)] = std::string(oracle::default_word(n));
    }
    for (std::size_t n : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 18, 27, 34}) {
        words[n].reset();
    }
    bandwidth_words(w, module, words, problems);
    for (int channel = 1; channel <= 3; ++channel) {
        lo_channel(w, module, channel, words);
    }
    words[8] = word(oracle::reg8(w.ACout.value(), w.DCout.value(), w.danduan.value()));
    clock_word(w, words, problems);
    gain_words(w, words, problems);
    words[23] = std::string(oracle::reg23(w.Option2bit.value()));
    words[40] = word(oracle::reg40(w.D2S_ck.value(), w.ADC_ck.value(), w.Freq_ck.value()));
    return words;
}

}  // namespace kv::test::rules
