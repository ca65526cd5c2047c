#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "panel/kv2841a.h"
#include "support/window_fixture.h"

namespace kv::test {
namespace {

class Table : public LoadedWindow {
protected:
    [[nodiscard]] std::vector<std::string> visible_pages() const {
        std::vector<std::string> out;
        for (const Frame* page : {&w.Frame1, &w.Frame2, &w.Frame3, &w.Frame40}) {
            if (page->visible()) {
                out.push_back(page->name());
            }
        }
        return out;
    }

    void unlock() {
        module.RegsUnlocked = 1;
        ASSERT_TRUE(w.Text1[0].click());
    }

    // Clicks the switch when it does not already hold the value.
    void set_switch(CheckBox& box, int value) {
        if (box.value() != value) {
            ASSERT_TRUE(box.click()) << box.name();
        }
    }
};

TEST_F(Table, EachTabShowsExactlyItsPage) {
    struct Row {
        const char* key;
        const char* page;
    };
    const Row rows[] = {
        {"key4", "Frame2"}, {"key2", "Frame3"},  {"key3", "Frame40"},
        {"key1", "Frame1"}, {"key3", "Frame40"}, {"key3", "Frame40"},
    };
    for (const Row& row : rows) {
        platform.focus.clear();
        ASSERT_TRUE(w.TabStrip1.select(row.key)) << row.key;
        EXPECT_EQ(w.TabStrip1.selected_key(), row.key);
        EXPECT_EQ(visible_pages(), std::vector<std::string>{row.page}) << row.key;
        EXPECT_EQ(platform.focus, std::vector<std::string>{"FocusSeter"}) << row.key;
        EXPECT_EQ(w.focused(), &w.FocusSeter) << row.key;
    }
}

TEST_F(Table, UnknownKeyChangesNothing) {
    ASSERT_TRUE(w.TabStrip1.select("key3"));
    platform.focus.clear();
    EXPECT_FALSE(w.TabStrip1.select("key5"));
    EXPECT_FALSE(w.TabStrip1.select(""));
    EXPECT_EQ(w.TabStrip1.selected_key(), "key3");
    EXPECT_EQ(visible_pages(), std::vector<std::string>{"Frame40"});
    EXPECT_TRUE(platform.focus.empty());
}

TEST_F(Table, StaysLockedUntilUnlockedAndClicked) {
    EXPECT_TRUE(w.Text1[5].click());
    EXPECT_TRUE(w.Text1[5].locked());
    EXPECT_FALSE(w.Text1[5].type("1"));
    EXPECT_EQ(reg(5), "EB84F");

    module.RegsUnlocked = 1;
    for (const TextBox& box : w.Text1) {
        EXPECT_TRUE(box.locked()) << box.name();
    }
    EXPECT_FALSE(w.Text1[5].type("1"));

    ASSERT_TRUE(w.Text1[43].click());
    for (const TextBox& box : w.Text1) {
        EXPECT_FALSE(box.locked()) << box.name();
    }
    ASSERT_TRUE(w.Text1[7].click());
    EXPECT_FALSE(w.Text1[0].locked());
}

TEST_F(Table, OtherFlagValuesDoNotUnlock) {
    for (std::int16_t flag : {std::int16_t{0}, std::int16_t{2}, std::int16_t{-1}}) {
        module.RegsUnlocked = flag;
        ASSERT_TRUE(w.Text1[12].click());
        EXPECT_TRUE(w.Text1[12].locked()) << flag;
    }
}

TEST_F(Table, TypedTextIsKeptAsTypedAndKeepsTheMark) {
    unlock();
    const std::vector<int> marked_before = marked_registers();
    w.Text1[5].select_all();
    ASSERT_TRUE(w.Text1[5].type("abc"));
    EXPECT_EQ(reg(5), "abc");
    EXPECT_FALSE(marked(5));
    w.Text1[19].select_all();
    ASSERT_TRUE(w.Text1[19].type("90708"));
    EXPECT_EQ(reg(19), "90708");
    EXPECT_TRUE(marked(19));
    ASSERT_TRUE(w.Text1[30].replace_text("1234567 xyz"));
    EXPECT_EQ(reg(30), "1234567 xyz");
    EXPECT_FALSE(marked(30));
    EXPECT_EQ(marked_registers(), marked_before);
}

// Which settings changes replace a typed word, by register.
struct ReplaceRow {
    const char* name;
    int reg;
    std::function<void(Kv2841a&)> action;
    bool replaced;
};

TEST_F(Table, TypedWordsLastUntilTheirProducerWrites) {
    const ReplaceRow rows[] = {
        {"REG5 by a test switch", 5, [](Kv2841a& k) { k.Freq_ck.click(); }, true},
        {"REG5 by a bandwidth", 5, [](Kv2841a& k) { k.Combo1.pick("10"); }, true},
        {"REG11 by a channel 1 gain", 11, [](Kv2841a& k) { k.CH1_RF_Gain.pick("31"); }, false},
        {"REG11 by a channel 3 switch", 11, [](Kv2841a& k) { k.CH3_AGC_SW.click(); }, false},
        {"REG11 by an output change", 11, [](Kv2841a& k) { k.ADC_ck.click(); }, false},
        {"REG11 by a channel 2 gain", 11, [](Kv2841a& k) { k.CH2_RF_Gain.pick("40"); }, true},
        {"REG11 by its AGC switch", 11, [](Kv2841a& k) { k.CH2_AGC_SW.click(); }, true},
        {"REG11 by the IFA switch", 11, [](Kv2841a& k) { k.CH1_IFA_SW.click(); }, true},
        {"REG27 by channel 1 bandwidth", 27, [](Kv2841a& k) { k.Combo1.pick("40"); }, false},
        {"REG27 by channel 3 bandwidth", 27, [](Kv2841a& k) { k.Combo3.pick("40"); }, false},
        {"REG27 by a gain", 27, [](Kv2841a& k) { k.CH2_RF_Gain.pick("22"); }, false},
        {"REG27 by channel 2 bandwidth", 27, [](Kv2841a& k) { k.Combo2.pick("20"); }, true},
    };
    unlock();
    for (const ReplaceRow& row : rows) {
        TextBox& box = w.Text1[static_cast<std::size_t>(row.reg)];
        ASSERT_TRUE(box.replace_text("abc")) << row.name;
        row.action(w);
        EXPECT_EQ(box.text() != "abc", row.replaced) << row.name;
    }
}

TEST_F(Table, ReplacedWordsAreMarkedByComparisonAgain) {
    unlock();
    ASSERT_TRUE(w.Text1[5].replace_text("abc"));
    ASSERT_TRUE(w.Freq_ck.click());
    EXPECT_EQ(reg(5), w.reg5_te.text());
    EXPECT_FALSE(marked(5));
    ASSERT_TRUE(w.Text1[11].replace_text("B145C"));
    ASSERT_TRUE(w.CH1_IFA_SW.click());
    EXPECT_EQ(reg(11), "B0C3C");
    EXPECT_EQ(w.Reg11_Show.text(), "B0C3C");
    EXPECT_TRUE(marked(11));
    ASSERT_TRUE(w.Text1[27].replace_text("abc"));
    ASSERT_TRUE(w.Combo2.pick("30"));
    EXPECT_EQ(reg(27), "FE830");
    EXPECT_TRUE(marked(27));
}

TEST_F(Table, RegistersWithoutProducerSurviveEverySettingsChange) {
    unlock();
    ASSERT_TRUE(w.Text1[30].replace_text("abc"));
    const std::vector<std::function<void()>> actions = {
        [&] { set_switch(w.ADC_ck, 1); },
        [&] { set_switch(w.D2S_ck, 1); },
        [&] { set_switch(w.Freq_ck, 1); },
        [&] { ASSERT_TRUE(w.danduan.click()); },
        [&] { set_switch(w.DCout, 1); },
        [&] { ASSERT_TRUE(w.Option2bit.click()); },
        [&] { set_switch(w.ACout, 0); },
        [&] { ASSERT_TRUE(w.Combo1.pick("40")); },
        [&] { ASSERT_TRUE(w.Combo2.pick("30")); },
        [&] { ASSERT_TRUE(w.Combo3.pick("20")); },
        [&] { set_switch(w.CH1_IFA_SW, 1); },
        [&] { set_switch(w.CH1_AGC_SW, 0); },
        [&] { set_switch(w.CH2_AGC_SW, 0); },
        [&] { set_switch(w.CH3_AGC_SW, 0); },
        [&] { ASSERT_TRUE(w.CH1_AGC_Gain.pick("63")); },
        [&] { ASSERT_TRUE(w.CH2_IFA_Gain.pick("8")); },
        [&] { ASSERT_TRUE(w.CH3_RF_Gain.pick("49")); },
        [&] { ASSERT_TRUE(w.TabStrip1.select("key4")); },
        [&] { ASSERT_TRUE(w.Text1[30].click()); },
        [&] { set_switch(w.ADC_ck, 0); },
        [&] { set_switch(w.Freq_ck, 0); },
    };
    for (std::size_t step = 0; step < actions.size(); ++step) {
        actions[step]();
        ASSERT_EQ(reg(30), "abc") << "after step " << step;
        ASSERT_FALSE(marked(30)) << "after step " << step;
    }
}

}  // namespace
}  // namespace kv::test
