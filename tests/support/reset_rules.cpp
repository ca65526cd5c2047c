#include <string>
#include <utility>

#include "support/register_oracle.h"
#include "support/rule_problems.h"
#include "support/window_rules.h"

namespace kv::test {

namespace {

using TextRow = std::pair<const TextControl*, const char*>;

// The working values: the 25 MHz crystal with reA 1, reB 5, fbA 10, fbB 4 and
// SCfpb 8, differential analog output, 4-bit samples, every test switch off,
// 10 MHz bandwidths, the three start LOs and the start gains.
void check_texts(const Kv2841a& w, Problems& problems) {
    for (const auto& [control, text] : std::initializer_list<TextRow>{
             {&w.crystal, "25"},      {&w.YFPB, "2"},           {&w.reA, "1"},
             {&w.reB, "5"},           {&w.fbA, "10"},           {&w.fbB, "4"},
             {&w.SCfpb, "8"},         {&w.JXfreq, "5"},         {&w.VCO, "200"},
             {&w.CYZfreq, "25"},      {&w.Combo1, "10"},        {&w.Combo2, "10"},
             {&w.Combo3, "10"},       {&w.ch1bz, "1176"},       {&w.ch2bz, "1574.5"},
             {&w.ch3bz, "1227"},      {&w.crylist, "25"},       {&w.CH1_RF_Gain, "40"},
             {&w.CH2_RF_Gain, "40"},  {&w.CH3_RF_Gain, "40"},   {&w.CH1_AGC_Gain, "35"},
             {&w.CH2_AGC_Gain, "33"}, {&w.CH3_AGC_Gain, "36"},  {&w.CH1_IFA_Gain, "16"},
             {&w.CH2_IFA_Gain, "16"}, {&w.CH3_IFA_Gain, "16"},  {&w.CH1_AC_Gain, "94"},
             {&w.CH1_DC_Gain, "91"},  {&w.CH2_AC_Gain, "92"},   {&w.CH2_DC_Gain, "89"},
             {&w.CH3_AC_Gain, "95"},  {&w.CH3_DC_Gain, "92"},   {&w.reg1_te, "011D5"},
             {&w.reg2_te, "32178"},   {&w.reg3_te, "28F5C"},    {&w.reg4_te, "0FB00"},
             {&w.reg5_te, "EB84F"},   {&w.reg6_te, "0C400"},    {&w.reg7_te, "51EB7"},
             {&w.outmode, "318C2"},   {&w.reg9_val, "55700"},   {&w.Reg23Ctrl, "F7BDE"},
             {&w.testmode, "00000"},  {&w.Reg10_Show, "9965E"}, {&w.Reg11_Show, "B145C"},
             {&w.Reg12_Show, "B249C"}}) {
        if (control->text() != text) {
            problems.differ(control->name() + " after the reset", control->text(), text);
        }
    }
}

void check_switches(const Kv2841a& w, const Module& module, Problems& problems) {
    for (const auto& [spin, position] :
         std::initializer_list<std::pair<const ScrollBar*, int>>{{&w.VScroll_crystal, 3},
                                                                 {&w.VScroll_reA, 2},
                                                                 {&w.VScroll_reB, 3},
                                                                 {&w.VScroll_fbA, 22},
                                                                 {&w.VScroll_fbB, 2},
                                                                 {&w.VScroll_SCfpb, 2}}) {
        if (spin->value() != position) {
            problems.add(spin->name() + " stands at " + std::to_string(spin->value()));
        }
    }
    for (const auto& [box, value] :
         std::initializer_list<std::pair<const CheckBox*, int>>{{&w.ACout, 1},
                                                                {&w.DCout, 0},
                                                                {&w.D2S_ck, 0},
                                                                {&w.ADC_ck, 0},
                                                                {&w.Freq_ck, 0},
                                                                {&w.CH1_AGC_SW, 1},
                                                                {&w.CH2_AGC_SW, 1},
                                                                {&w.CH3_AGC_SW, 1},
                                                                {&w.CH1_IFA_SW, 0}}) {
        if (box->value() != value) {
            problems.add(box->name() + " is " + std::to_string(box->value()));
        }
    }
    if (!w.chafen.value() || w.danduan.value() || !w.Option4bit.value() || w.Option2bit.value()) {
        problems.add("the output options are not differential with 4-bit samples");
    }
    if (module.cry_index != 3) {
        problems.add("cry_index is " + std::to_string(module.cry_index));
    }
    if (w.VCO.back_color() != kWindowBackground) {
        problems.add("VCO 200 is red");
    }
}

}  // namespace

std::vector<std::string> reset_state_problems(const Kv2841a& w, const Module& module) {
    Problems problems;
    for (int n = 0; n < kRegisterCount; ++n) {
        const TextBox& box = w.Text1[static_cast<std::size_t>(n)];
        if (box.text() != oracle::default_word(n)) {
            problems.differ("REG" + std::to_string(n) + " after the reset", box.text(),
                            oracle::default_word(n));
        }
        if ((box.back_color() == kHighlight) != (n == 19)) {
            problems.add("REG" + std::to_string(n) + " has the wrong mark after the reset");
        }
    }
    check_texts(w, problems);
    check_switches(w, module, problems);
    return problems.take();
}

}  // namespace kv::test
