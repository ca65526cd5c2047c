#include <gtest/gtest.h>

#include <string>

#include "clock/clock.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "support/window_fixture.h"

namespace kv::test {
namespace {

constexpr const char* kReminder = "请打开TestMode开关";

// What each crystal brings, as the boxes show it.
struct CrystalRow {
    int index;
    const char* crystal;
    const char* dividers;  // reA reB fbA fbB SCfpb
    const char* jx_freq;
    const char* vco;
    const char* cyz_freq;
    const char* reg9;
    double lo_reference;  // crystal / YFPB
    const char* reg1;     // with the three bandwidths at 10 MHz
};

constexpr CrystalRow kRows[] = {
    {1, "40", "1 4 10 2 8", "10", "200", "25", "45300", 10, "00245"},
    {2, "30", "1 3 10 2 8", "10", "200", "25", "35300", 15, "02645"},
    {3, "25", "1 5 10 4 8", "5", "200", "25", "55700", 12.5, "011D5"},
    {4, "20", "1 2 10 2 8", "10", "200", "25", "25300", 10, "00245"},
    {5, "19.2", "1 2 10 2 8", "9.6", "192", "24", "25300", 9.6, "00245"},
    {6, "16.368", "1 2 6 4 8", "8.184", "196.416", "24.552", "23700", 16.368, "012F5"},
    {7, "10", "1 1 5 4 8", "10", "200", "25", "12F00", 10, "00245"},
};

class CrystalSelection : public LoadedWindow {
protected:
    [[nodiscard]] std::string dividers() const {
        return w.reA.text() + " " + w.reB.text() + " " + w.fbA.text() + " " + w.fbB.text() + " " +
               w.SCfpb.text();
    }

    void expect_row(const CrystalRow& row) const {
        const std::string name = row.crystal;
        EXPECT_EQ(module.cry_index, row.index) << name;
        EXPECT_EQ(w.VScroll_crystal.value(), row.index) << name;
        EXPECT_EQ(w.crystal.text(), row.crystal) << name;
        EXPECT_EQ(w.crylist.text(), row.crystal) << name;
        EXPECT_EQ(dividers(), row.dividers) << name;
        EXPECT_EQ(w.JXfreq.text(), row.jx_freq) << name;
        EXPECT_EQ(w.VCO.text(), row.vco) << name;
        EXPECT_EQ(w.VCO.back_color(), kWindowBackground) << name;
        EXPECT_EQ(w.CYZfreq.text(), row.cyz_freq) << name;
        EXPECT_EQ(w.reg9_val.text(), row.reg9) << name;
        EXPECT_EQ(reg(9), row.reg9) << name;
        EXPECT_EQ(marked(9), std::string(row.reg9) != "55700") << name;
        EXPECT_EQ(text_value(w.crystal.text()) / text_value(w.YFPB.text()), row.lo_reference)
            << name;
        EXPECT_EQ(reg(1), row.reg1) << name;
    }
};

TEST_F(CrystalSelection, EveryRowPickedFromTheList) {
    w.Freq_ck.set_value(1);
    for (const CrystalRow& row : kRows) {
        ASSERT_TRUE(w.crylist.pick(row.crystal)) << row.crystal;
        expect_row(row);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrystalSelection, EveryRowSteppedWithTheSpin) {
    for (int index = 7; index >= 1; --index) {
        w.VScroll_crystal.set_value(index);
        expect_row(kRows[index - 1]);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrystalSelection, StartUpSelectsTheTwentyFiveMegahertzRow) {
    expect_row(kRows[2]);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrystalSelection, PickWithoutTheTestSwitchRemindsFirstThenSelects) {
    std::size_t messages_before_crystal_changed = 99;
    w.crystal.on_view_update = [&] {
        if (messages_before_crystal_changed == 99) {
            messages_before_crystal_changed = platform.messages.size();
        }
    };
    ASSERT_TRUE(w.crylist.pick("16.368"));
    ASSERT_EQ(platform.messages.size(), 1u);
    const Message& message = platform.messages[0];
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.title, "提示");
    EXPECT_EQ(message.text, kReminder);
    EXPECT_EQ(messages_before_crystal_changed, 1u);
    expect_row(kRows[5]);
}

TEST_F(CrystalSelection, ReminderComesOncePerPick) {
    ASSERT_TRUE(w.crylist.pick("40"));
    EXPECT_EQ(messages_with_text(kReminder), 1);
    ASSERT_TRUE(w.crylist.pick("40"));
    EXPECT_EQ(messages_with_text(kReminder), 2);
    ASSERT_TRUE(w.crylist.pick("10"));
    EXPECT_EQ(messages_with_text(kReminder), 3);
    EXPECT_EQ(platform.messages.size(), 3u);
}

TEST_F(CrystalSelection, SpinNeverReminds) {
    for (int test_switch : {0, 1}) {
        w.Freq_ck.set_value(test_switch);
        w.VScroll_crystal.set_value(3);
        ASSERT_TRUE(w.VScroll_crystal.arrow_up());
        expect_row(kRows[1]);
        ASSERT_TRUE(w.VScroll_crystal.arrow_down());
        expect_row(kRows[2]);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrystalSelection, PickingTheSameCrystalPutsTheRowBack) {
    ASSERT_TRUE(w.fbA.replace_text("20"));
    ASSERT_EQ(w.VCO.text(), "400");
    ASSERT_TRUE(w.crylist.pick("25"));
    EXPECT_EQ(messages_with_text(kReminder), 1);
    expect_row(kRows[2]);
}

TEST_F(CrystalSelection, ListTextOfNoCrystalReappliesTheCurrentRow) {
    // Only a pick raises Click; a text set from code shows what the list holds then.
    ASSERT_TRUE(w.fbA.replace_text("20"));
    w.crylist.set_text("33");
    crylist_Click(w);
    EXPECT_EQ(module.cry_index, 3);
    EXPECT_EQ(w.crystal.text(), "25");
    EXPECT_EQ(w.fbA.text(), "10");
    EXPECT_EQ(w.crylist.text(), "33");
    EXPECT_EQ(messages_with_text(kReminder), 1);
}

TEST_F(CrystalSelection, SpinStopsAtBothEnds) {
    w.VScroll_crystal.set_value(1);
    int refreshes = 0;
    w.Text1[40].on_view_update = [&] { ++refreshes; };
    ASSERT_TRUE(w.VScroll_crystal.arrow_up());
    expect_row(kRows[0]);
    EXPECT_EQ(refreshes, 0);
    w.VScroll_crystal.set_value(7);
    refreshes = 0;
    ASSERT_TRUE(w.VScroll_crystal.arrow_down());
    expect_row(kRows[6]);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(CrystalSelection, TypingIntoTheListChangesNothing) {
    EXPECT_TRUE(w.crylist.type("4"));
    EXPECT_TRUE(w.crylist.press_backspace());
    EXPECT_EQ(w.crylist.text(), "25");
    expect_row(kRows[2]);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrystalSelection, TwentyAndNineteenPointTwoShareTheirDividers) {
    w.VScroll_crystal.set_value(4);
    const std::string dividers_20 = dividers();
    const std::string word_20 = w.reg9_val.text();
    w.VScroll_crystal.set_value(5);
    EXPECT_EQ(dividers(), dividers_20);
    EXPECT_EQ(w.reg9_val.text(), word_20);
    EXPECT_EQ(w.VCO.text(), "192");
}

}  // namespace
}  // namespace kv::test
