#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/register_map.h"
#include "support/window_fixture.h"
#include "window/window.h"

namespace kv::test {
namespace {

using StartUp = LoadedWindow;

TEST_F(StartUp, EveryRegisterHoldsItsPowerOnWordAndOnlyReg19IsMarked) {
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_EQ(reg(n), kDefaultWords[static_cast<std::size_t>(n)]) << "REG" << n;
        EXPECT_TRUE(w.Text1[static_cast<std::size_t>(n)].locked()) << "REG" << n;
    }
    EXPECT_EQ(marked_registers(), std::vector<int>{kAlwaysMarkedRegister});
    EXPECT_EQ(module.RegsUnlocked, 0);
    EXPECT_EQ(module.cry_index, 3);
}

TEST_F(StartUp, PanelBoxesHoldTheWordsTheProducersComputed) {
    const std::pair<const TextBox*, const char*> boxes[] = {
        {&w.reg1_te, "011D5"},   {&w.reg2_te, "32178"},  {&w.reg3_te, "28F5C"},
        {&w.reg4_te, "0FB00"},   {&w.reg5_te, "EB84F"},  {&w.reg6_te, "0C400"},
        {&w.reg7_te, "51EB7"},   {&w.outmode, "318C2"},  {&w.reg9_val, "55700"},
        {&w.Reg23Ctrl, "F7BDE"}, {&w.testmode, "00000"},
    };
    for (const auto& [box, word] : boxes) {
        EXPECT_EQ(box->text(), word) << box->name();
    }
}

TEST_F(StartUp, ClockPageShowsThe25MHzRow) {
    const std::pair<const TextBox*, const char*> boxes[] = {
        {&w.crystal, "25"}, {&w.reA, "1"},    {&w.reB, "5"},   {&w.fbA, "10"},     {&w.fbB, "4"},
        {&w.SCfpb, "8"},    {&w.JXfreq, "5"}, {&w.VCO, "200"}, {&w.CYZfreq, "25"}, {&w.YFPB, "2"},
    };
    for (const auto& [box, text] : boxes) {
        EXPECT_EQ(box->text(), text) << box->name();
    }
    EXPECT_EQ(w.VCO.back_color(), kWindowBackground);
    EXPECT_EQ(w.crylist.text(), "25");
    EXPECT_FALSE(w.Ch1_Deviation.text().empty());
}

TEST_F(StartUp, ListsAreFilledWithNothingPicked) {
    for (const ComboBox* list :
         {&w.Combo1, &w.ch1bz, &w.crylist, &w.CH3_RF_Gain, &w.CH2_AGC_Gain, &w.CH1_IFA_Gain}) {
        EXPECT_FALSE(list->items().empty()) << list->name();
        EXPECT_EQ(list->list_index(), -1) << list->name();
        EXPECT_EQ(list->text(), list->design_text()) << list->name();
    }
    EXPECT_EQ(w.ch2bz.items().size(), 8u);
    EXPECT_EQ(w.crylist.items().front(), "10");
}

TEST_F(StartUp, OnlyTheFirstPageShowsAndTheTestFramesAreClosed) {
    EXPECT_TRUE(w.Frame1.visible());
    EXPECT_FALSE(w.Frame2.visible() || w.Frame3.visible() || w.Frame40.visible());
    EXPECT_FALSE(w.Frame6.enabled());
    EXPECT_FALSE(w.Frame8.enabled());
    EXPECT_TRUE(w.chafen.value());
    EXPECT_FALSE(w.chafen.enabled());
    EXPECT_EQ(w.ACout.value(), 1);
    EXPECT_TRUE(w.Option4bit.value());
    EXPECT_FALSE(w.Option4bit.enabled());
}

TEST_F(StartUp, ActivationGivesTheFocusToTheSink) {
    Form_Activate(w);
    EXPECT_EQ(platform.focus, std::vector<std::string>{"FocusSeter"});
    EXPECT_EQ(w.focused(), &w.FocusSeter);
}

TEST_F(StartUp, AClickOnARegisterBoxLeavesItLocked) {
    w.Text1[7].click();
    EXPECT_TRUE(w.Text1[7].locked());
    EXPECT_FALSE(w.Text1[7].type("1"));
    EXPECT_EQ(reg(7), "51EB7");
}

TEST_F(StartUp, StartsWithoutAnyMessage) {
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace kv::test
