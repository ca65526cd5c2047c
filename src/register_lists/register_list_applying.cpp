#include "register_lists/register_list_applying.h"

#include <algorithm>
#include <array>

#include "clock/spin_divider.h"
#include "panel/channels.h"
#include "panel/crystals.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "panel/register_map.h"
#include "panel/register_texts.h"
#include "register_lists/register_list_decoding.h"

namespace kv {

namespace {

// The dividers a spin offers, from its range and arrow step. The mirror maps
// positions and dividers onto each other, both ways.
std::vector<int> offered_dividers(const ScrollBar& spin) {
    std::vector<int> dividers;
    for (int p = spin.min(); p <= spin.max(); p += spin.small_change()) {
        dividers.push_back(position_of(spin, p));
    }
    return dividers;
}

void apply_switches(Kv2841a& w, const DecodedSettings& s) {
    if (s.test) {
        w.D2S_ck.set_value(s.test->d2s ? 1 : 0);
        w.ADC_ck.set_value(s.test->adc ? 1 : 0);
        w.Freq_ck.set_value(s.test->freq ? 1 : 0);
    }
    if (s.output) {
        (s.output->single_ended ? w.danduan : w.chafen).set_value(true);
        w.ACout.set_value(s.output->analog ? 1 : 0);
        w.DCout.set_value(s.output->digital ? 1 : 0);
    }
    if (s.four_bit) {
        (*s.four_bit ? w.Option4bit : w.Option2bit).set_value(true);
    }
}

// The crystal moves the dividers to its row; the file's dividers follow.
void apply_clock(Kv2841a& w, const DecodedSettings& s) {
    if (s.crystal) {
        w.VScroll_crystal.set_value(*s.crystal);
    }
    if (const auto& d = s.dividers) {
        const std::array<std::pair<ScrollBar*, int>, 5> spins = {{{&w.VScroll_reA, d->re_a},
                                                                  {&w.VScroll_reB, d->re_b},
                                                                  {&w.VScroll_fbA, d->fb_a},
                                                                  {&w.VScroll_fbB, d->fb_b},
                                                                  {&w.VScroll_SCfpb, d->sc_fpb}}};
        for (const auto& [spin, divider] : spins) {
            spin->set_value(position_of(*spin, divider));
        }
    }
}

// As picks from the lists. Every bandwidth and gain list's pick handler runs,
// also where the file leaves the window's setting, so that each produced
// register holds the word of the settings the window ends with.
void apply_lists(Kv2841a& w, const DecodedSettings& s) {
    if (s.bandwidths) {
        w.Combo1.set_text((*s.bandwidths)[0]);
        w.Combo2.set_text((*s.bandwidths)[1]);
        w.Combo3.set_text((*s.bandwidths)[2]);
    }
    w.Combo1.Click();
    w.Combo2.Click();
    w.Combo3.Click();
    if (s.ifa_switch) {
        w.CH1_IFA_SW.set_value(*s.ifa_switch ? 1 : 0);
    }
    for (std::size_t k = 0; k < kChannels.size(); ++k) {
        const Channel& c = kChannels[k];
        if (s.lo_mhz[k]) {
            (w.*c.lo).set_text(*s.lo_mhz[k]);
        }
        if (const auto& gains = s.gains[k]) {
            (w.*c.agc_switch).set_value(gains->agc_switch ? 1 : 0);
            (w.*c.front_end_gain).set_text(gains->front_end);
            (w.*c.agc_gain).set_text(gains->agc);
            (w.*c.ifa_gain).set_text(gains->ifa);
        }
        (w.*c.front_end_gain).Click();
    }
}

// Every register starts from its default word, which is what the settings
// give for a register no setting writes; a text left by a person's typing
// before the opening is gone.
void write_default_words(Kv2841a& w) {
    for (int n = 0; n < kRegisterCount; ++n) {
        TextBox& box = w.register_box(n);
        if (box.text() != default_word(n)) {
            box.set_text(std::string(default_word(n)));
        }
    }
}

// Each register now holds the word the chosen settings give. Where the file's
// text differs, no setting explains it: the register gets the file's text as a
// manual entry would, and is named.
void write_remaining(Kv2841a& w, const RegisterListFile& file, OpenReport& report) {
    for (int n = 0; n < kRegisterCount; ++n) {
        TextBox& box = w.register_box(n);
        const std::string& text = file.texts[static_cast<std::size_t>(n)];
        if (box.text() != text) {
            report.unexplained.push_back(n);
            box.set_text(text);
        }
    }
}

void mark_against_chip(Kv2841a& w) {
    for (int n = 0; n < kRegisterCount; ++n) {
        w.mark_by_comparison(n, chip_power_on_word(static_cast<std::size_t>(n)));
    }
}

void report_crystals(const DecodedSettings& s, OpenReport& report) {
    if (s.crystals_fitted.size() < 2 || !s.crystal) {
        return;
    }
    for (const int crystal : s.crystals_fitted) {
        report.crystals_fitted.push_back(number_text(crystal_of_index(crystal)->mhz));
    }
    report.crystal_chosen = number_text(crystal_of_index(*s.crystal)->mhz);
}

}  // namespace

PanelOffers offers_of(const Kv2841a& w) {
    return {w.Combo1.items(),
            w.CH1_RF_Gain.items(),
            w.CH1_AGC_Gain.items(),
            w.CH1_IFA_Gain.items(),
            offered_dividers(w.VScroll_reA),
            offered_dividers(w.VScroll_reB),
            offered_dividers(w.VScroll_fbA),
            offered_dividers(w.VScroll_fbB),
            offered_dividers(w.VScroll_SCfpb)};
}

// The window knows its crystal: where its words fit it, the LO frequencies
// are read at it, though another crystal's might read shorter.
ReadList read_window_list(Kv2841a& w) {
    const std::vector<std::string> texts = register_texts(w);
    RegisterTexts own;
    std::copy(texts.begin(), texts.end(), own.begin());
    const int crystal = w.module().cry_index;
    ReadList list = read_list(own, offers_of(w), crystal);
    DecodedSettings& s = list.settings;
    const auto& fitted = s.crystals_fitted;
    if (s.crystal == crystal || std::find(fitted.begin(), fitted.end(), crystal) == fitted.end()) {
        return list;
    }
    s.crystal = crystal;
    const Crystal& row = *crystal_of_index(crystal);
    for (std::size_t k = 0; k < s.lo_mhz.size(); ++k) {
        const auto integer = list.words[2 * k + 2];
        const auto fraction = list.words[2 * k + 3];
        s.lo_mhz[k] = integer && fraction ? lo_text(static_cast<int>(k) + 1, *integer, *fraction,
                                                    row.mhz, row.pre_divider)
                                          : std::nullopt;
    }
    return list;
}

OpenReport apply_register_list(Kv2841a& w, const RegisterListFile& file) {
    const DecodedSettings settings =
        decode_settings(words_of(file.texts), offers_of(w), w.module().cry_index);
    OpenReport report;
    report.cut = file.cut_registers;
    report_crystals(settings, report);
    w.hold_message_boxes(true);
    write_default_words(w);
    apply_switches(w, settings);
    apply_clock(w, settings);
    apply_lists(w, settings);
    write_remaining(w, file, report);
    w.hold_message_boxes(false);
    mark_against_chip(w);
    return report;
}

}  // namespace kv
