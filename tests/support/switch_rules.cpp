#include <string>

#include "support/register_oracle.h"
#include "support/rule_checks.h"

namespace kv::test::rules {

namespace {

void expect_enabled(const Control& control, bool should, Problems& problems) {
    if (control.enabled() != should) {
        problems.add(control.name() + (should ? " is disabled" : " is enabled") +
                     " against its switch");
    }
}

void expect_one_of(const OptionButton& a, const OptionButton& b, Problems& problems) {
    if (a.value() == b.value()) {
        problems.add(a.name() + " and " + b.name() + " are not one of two");
    }
}

void expect_switch(const CheckBox& box, Problems& problems) {
    if (box.value() != 0 && box.value() != 1) {
        problems.add(box.name() + " holds " + std::to_string(box.value()));
    }
}

// A list that refuses typing shows one of its items, or its start text while
// it is empty.
void expect_item(const ComboBox& list, Problems& problems) {
    if (!list.items().empty() && !list.find_item(list.text())) {
        problems.add(list.name() + " shows '" + Problems::shown(list.text()) +
                     "', none of its items");
    }
}

// The displays add the three gains and the fixed 3 dB of the output buffer;
// the digital gain is the analog gain without it.
void check_displays(const ComboBox& rf, const ComboBox& agc, const ComboBox& ifa,
                    const TextBox& analog, const TextBox& digital, Problems& problems) {
    const auto r = oracle::whole_number(rf.text());
    const auto a = oracle::whole_number(agc.text());
    const auto i = oracle::whole_number(ifa.text());
    if (!r || !a || !i) {
        return;  // the word rules tell
    }
    const int total = *r + *a + *i + 3;
    if (analog.text() != std::to_string(total)) {
        problems.differ(analog.name(), analog.text(), std::to_string(total));
    }
    if (digital.text() != std::to_string(total - 3)) {
        problems.differ(digital.name(), digital.text(), std::to_string(total - 3));
    }
}

void check_output(const Kv2841a& w, Problems& problems) {
    expect_one_of(w.chafen, w.danduan, problems);
    expect_one_of(w.Option2bit, w.Option4bit, problems);
    expect_enabled(w.Frame6, w.ADC_ck.value() == 1, problems);
    expect_enabled(w.Frame8, w.Freq_ck.value() == 1, problems);
    const bool polarity = w.ACout.value() == 1 && w.D2S_ck.value() == 1;
    expect_enabled(w.chafen, polarity, problems);
    expect_enabled(w.danduan, polarity, problems);
    expect_enabled(w.Option2bit, w.DCout.value() == 1, problems);
    expect_enabled(w.Option4bit, w.DCout.value() == 1, problems);
}

void check_gains(const Kv2841a& w, Problems& problems) {
    expect_enabled(w.CH1_AGC_Gain, w.CH1_AGC_SW.value() == 0, problems);
    expect_enabled(w.CH2_AGC_Gain, w.CH2_AGC_SW.value() == 0, problems);
    expect_enabled(w.CH3_AGC_Gain, w.CH3_AGC_SW.value() == 0, problems);
    for (const ComboBox* list : {&w.CH1_IFA_Gain, &w.CH2_IFA_Gain, &w.CH3_IFA_Gain}) {
        expect_enabled(*list, w.CH1_IFA_SW.value() == 1, problems);
    }
    check_displays(w.CH1_RF_Gain, w.CH1_AGC_Gain, w.CH1_IFA_Gain, w.CH1_AC_Gain, w.CH1_DC_Gain,
                   problems);
    check_displays(w.CH2_RF_Gain, w.CH2_AGC_Gain, w.CH2_IFA_Gain, w.CH2_AC_Gain, w.CH2_DC_Gain,
                   problems);
    check_displays(w.CH3_RF_Gain, w.CH3_AGC_Gain, w.CH3_IFA_Gain, w.CH3_AC_Gain, w.CH3_DC_Gain,
                   problems);
}

}  // namespace

void check_switches_and_lists(const Kv2841a& w, Problems& problems) {
    for (const CheckBox* box : {&w.ACout, &w.DCout, &w.ADC_ck, &w.D2S_ck, &w.Freq_ck, &w.CH1_AGC_SW,
                                &w.CH2_AGC_SW, &w.CH3_AGC_SW, &w.CH1_IFA_SW}) {
        expect_switch(*box, problems);
    }
    for (const ComboBox* list :
         {&w.Combo1, &w.Combo2, &w.Combo3, &w.crylist, &w.CH1_RF_Gain, &w.CH2_RF_Gain,
          &w.CH3_RF_Gain, &w.CH1_AGC_Gain, &w.CH2_AGC_Gain, &w.CH3_AGC_Gain, &w.CH1_IFA_Gain,
          &w.CH2_IFA_Gain, &w.CH3_IFA_Gain}) {
        expect_item(*list, problems);
    }
    check_output(w, problems);
    check_gains(w, problems);
}

}  // namespace kv::test::rules
