#include <gtest/gtest.h>

#include <string>

#include "bandwidth/bandwidth.h"
#include "panel/kv2841a.h"
#include "panel/register_map.h"
#include "support/fake_platform.h"
#include "support/window_fixture.h"

namespace kv::test {
namespace {

TEST(RegisterImage, DesignStateBeforeLoad) {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    for (int n = 0; n < kRegisterCount; ++n) {
        const TextBox& box = w.Text1[static_cast<std::size_t>(n)];
        EXPECT_EQ(box.text(), kDefaultWords[static_cast<std::size_t>(n)]) << n;
        EXPECT_EQ(box.back_color(), n == 19 ? kHighlight : kWindowBackground) << n;
        EXPECT_FALSE(box.locked()) << n;
        EXPECT_EQ(box.name(), "Text1(" + std::to_string(n) + ")");
    }
    EXPECT_EQ(module.RegsUnlocked, 0);
    EXPECT_EQ(module.cry_index, 0);
}

TEST(RegisterImage, EveryControlIsFoundByItsName) {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    for (const char* name : {"ch1bz", "VScroll_fbA", "Text1(0)", "Text1(43)", "FocusSeter", "YFPB",
                             "Kv2841a", "TabStrip1", "StatusBar1", "CH1_IFA_SW", "Frame40"}) {
        ASSERT_NE(w.find(name), nullptr) << name;
        EXPECT_EQ(w.find(name)->name(), name);
    }
    EXPECT_EQ(w.find("Text1(44)"), nullptr);
    EXPECT_EQ(&w.Kv2841a_item, w.find("Kv2841a"));
}

TEST(RegisterImage, MarkComparesExactlyAndCaseSensitively) {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    w.Text1[2].set_text("32178");
    w.mark_by_comparison(2, "32178");
    EXPECT_EQ(w.Text1[2].back_color(), kWindowBackground);
    w.Text1[2].set_text("28f5c");
    w.mark_by_comparison(2, "28F5C");
    EXPECT_EQ(w.Text1[2].back_color(), kHighlight);
}

TEST(RegisterImage, WriteWordRefusesValuesWithoutWordForm) {
    TextBox box{"box", nullptr, "55700"};
    EXPECT_FALSE(Kv2841a::write_word(box, 0x100000));
    EXPECT_FALSE(Kv2841a::write_word(box, -1));
    EXPECT_EQ(box.text(), "55700");
    EXPECT_TRUE(Kv2841a::write_word(box, 0x10800));
    EXPECT_EQ(box.text(), "10800");
}

using Bandwidth = LoadedWindow;

TEST_F(Bandwidth, StartBandwidthsGiveThePowerOnWord) {
    EXPECT_EQ(reg(1), "011D5");
    EXPECT_FALSE(marked(1));
    EXPECT_EQ(w.Combo1.list_index(), -1);
    EXPECT_EQ(w.Combo1.text(), "10");
}

TEST_F(Bandwidth, FortyOnAllChannelsGivesFD1D5Marked) {
    w.Combo1.pick("40");
    w.Combo2.pick("40");
    w.Combo3.pick("40");
    EXPECT_EQ(w.reg1_te.text(), "FD1D5");
    EXPECT_EQ(reg(1), "FD1D5");
    EXPECT_TRUE(marked(1));
}

TEST_F(Bandwidth, CrystalBitsFollowTheCrystalIndex) {
    module.cry_index = 2;
    w.Combo1.pick("20");
    EXPECT_EQ(reg(1), "42645");
}

struct WordRow {
    const char* name;
    int channel;
    const char* pick;
    int reg;
    const char* word;
    bool marked;
};

TEST_F(Bandwidth, EachChannelSwitchesItsBandwidthWord) {
    const WordRow rows[] = {
        {"ch1 30", 1, "30", 18, "7FFE0", true}, {"ch1 20", 1, "20", 18, "7C030", false},
        {"ch2 40", 2, "40", 27, "FE830", true}, {"ch2 10", 2, "10", 27, "FC030", false},
        {"ch3 30", 3, "30", 34, "7EBE0", true}, {"ch3 20", 3, "20", 34, "7C030", false},
    };
    ComboBox* lists[] = {&w.Combo1, &w.Combo2, &w.Combo3};
    for (const WordRow& row : rows) {
        ASSERT_TRUE(lists[row.channel - 1]->pick(row.pick)) << row.name;
        EXPECT_EQ(reg(row.reg), row.word) << row.name;
        EXPECT_EQ(marked(row.reg), row.marked) << row.name;
    }
}

TEST_F(Bandwidth, TwentyFiveIsStillNarrow) {
    // The lists offer no 25; a text set from code counts when the next pick runs.
    w.Combo2.set_text("25");
    Combo2_Click(w);
    EXPECT_EQ(reg(27), "FC030");
    EXPECT_FALSE(marked(27));
    w.Combo2.set_text("25.5");
    Combo2_Click(w);
    EXPECT_EQ(reg(27), "FE830");
    EXPECT_TRUE(marked(27));
}

TEST_F(Bandwidth, PickingTheShownItemStillRunsTheHandler) {
    w.Text1[18].set_text("abc");
    w.Combo1.pick("10");
    EXPECT_EQ(reg(18), "7C030");
}

TEST_F(Bandwidth, TypingIntoTheListsChangesNothing) {
    EXPECT_TRUE(w.Combo3.type("4"));
    EXPECT_EQ(w.Combo3.text(), "10");
    EXPECT_EQ(reg(1), "011D5");
}

TEST_F(Bandwidth, ChannelsTwoAndThreeCopyThePanelTwiceChannelOneOnce) {
    // Every copy rewrites Text1(40); its view hears of each run.
    int copies = 0;
    w.Text1[40].on_view_update = [&] { ++copies; };
    w.Combo1.pick("20");
    EXPECT_EQ(copies, 1);
    copies = 0;
    w.Combo2.pick("20");
    EXPECT_EQ(copies, 2);
    copies = 0;
    w.Combo3.pick("20");
    EXPECT_EQ(copies, 2);
}

TEST_F(Bandwidth, CopyReplacesTypedTextAndMarksByComparison) {
    w.Text1[5].set_text("abc");
    w.Text1[9].set_text("55700");
    w.reg9_val.set_text("55700");
    w.Combo1.pick("10");
    EXPECT_EQ(reg(5), w.reg5_te.text());
    EXPECT_EQ(reg(9), "55700");
    EXPECT_FALSE(marked(9));
    w.reg9_val.set_text("D5700");
    w.LiveRegsList();
    EXPECT_TRUE(marked(9));
}

TEST_F(Bandwidth, LoadLocksTheRegisterBoxes) {
    for (const TextBox& box : w.Text1) {
        EXPECT_TRUE(box.locked());
    }
    EXPECT_EQ(module.cry_index, 3);
    EXPECT_TRUE(w.Frame1.visible());
    EXPECT_FALSE(w.Frame2.visible());
    EXPECT_FALSE(w.Frame3.visible());
    EXPECT_FALSE(w.Frame40.visible());
    EXPECT_EQ(w.Text1[19].tool_tip(), "上电默认值90308");
    EXPECT_EQ(w.CH1_AGC_Gain.items().size(), 64u);
    EXPECT_EQ(w.CH1_AGC_Gain.items().back(), "63");
}

}  // namespace
}  // namespace kv::test
