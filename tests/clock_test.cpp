#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "support/window_fixture.h"

namespace kv::test {
namespace {

class ClockChain : public LoadedWindow {
protected:
    [[nodiscard]] std::string dividers() const {
        return w.reA.text() + " " + w.reB.text() + " " + w.fbA.text() + " " + w.fbB.text() + " " +
               w.SCfpb.text();
    }

    // REG9 rebuilt bit by bit from the divider boxes, for comparison with the
    // word the window wrote.
    [[nodiscard]] std::string reg9_from_dividers() const {
        const auto value = [](const TextBox& box) {
            return static_cast<std::int64_t>(text_value(box.text()));
        };
        const std::int64_t word = ((value(w.reA) - 1) << 19) | (value(w.reB) << 16) |
                                  (value(w.fbA) << 11) | ((value(w.fbB) / 2 - 1) << 10) |
                                  ((value(w.SCfpb) / 2 - 1) << 8);
        return hex5(word).value_or("none");
    }

    // Counts the runs of the register refresh: each rewrites Text1(40).
    void count_refreshes() {
        refreshes = 0;
        w.Text1[40].on_view_update = [this] { ++refreshes; };
    }

    int refreshes = 0;
};

TEST_F(ClockChain, StartUpShowsTheTwentyFiveMegahertzChain) {
    EXPECT_EQ(w.crystal.text(), "25");
    EXPECT_EQ(dividers(), "1 5 10 4 8");
    EXPECT_EQ(w.JXfreq.text(), "5");
    EXPECT_EQ(w.VCO.text(), "200");
    EXPECT_EQ(w.VCO.back_color(), kWindowBackground);
    EXPECT_EQ(w.CYZfreq.text(), "25");
    EXPECT_EQ(w.reg9_val.text(), "55700");
    EXPECT_EQ(w.YFPB.text(), "2");
}

TEST_F(ClockChain, StartUpLeavesThePanelWordsAtTheirPowerOnWords) {
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9}) {
        EXPECT_EQ(reg(n), kDefaultWords[static_cast<std::size_t>(n)]) << "REG" << n;
        EXPECT_FALSE(marked(n)) << "REG" << n;
    }
}

TEST_F(ClockChain, StartUpKeepsTheSpinRangesOfTheDesign) {
    struct Range {
        const ScrollBar& spin;
        int min;
        int max;
        int step;
    };
    const Range ranges[] = {{w.VScroll_crystal, 1, 7, 1}, {w.VScroll_reA, 1, 2, 1},
                            {w.VScroll_reB, 1, 7, 1},     {w.VScroll_fbA, 1, 31, 1},
                            {w.VScroll_fbB, 2, 4, 2},     {w.VScroll_SCfpb, 2, 8, 2}};
    for (const Range& range : ranges) {
        EXPECT_EQ(range.spin.min(), range.min) << range.spin.name();
        EXPECT_EQ(range.spin.max(), range.max) << range.spin.name();
        EXPECT_EQ(range.spin.small_change(), range.step) << range.spin.name();
    }
    EXPECT_EQ(w.VScroll_reA.value(), 2);
    EXPECT_EQ(w.VScroll_reB.value(), 3);
    EXPECT_EQ(w.VScroll_fbA.value(), 22);
    EXPECT_EQ(w.VScroll_fbB.value(), 2);
    EXPECT_EQ(w.VScroll_SCfpb.value(), 2);
}

TEST_F(ClockChain, UpperArrowOfReARaisesItToTwo) {
    ASSERT_TRUE(w.VScroll_reA.arrow_up());
    EXPECT_EQ(w.reA.text(), "2");
    EXPECT_EQ(w.JXfreq.text(), "2.5");
    EXPECT_EQ(w.VCO.text(), "100");
    EXPECT_EQ(w.CYZfreq.text(), "12.5");
    EXPECT_EQ(w.reg9_val.text(), "D5700");
    EXPECT_EQ(reg(9), "D5700");
    EXPECT_TRUE(marked(9));
}

TEST_F(ClockChain, VcoOutOfRangeIsRedButItsWordIsWritten) {
    w.VScroll_fbA.set_value(1);
    EXPECT_EQ(w.fbA.text(), "31");
    EXPECT_EQ(w.VCO.text(), "620");
    EXPECT_EQ(w.VCO.back_color(), kPureRed);
    EXPECT_EQ(w.reg9_val.text(), "5FF00");
    EXPECT_EQ(reg(9), "5FF00");
}

TEST_F(ClockChain, VcoBoundsBelongToTheGoodRange) {
    struct Row {
        const char* fb_a;
        const char* vco;
        Colour colour;
    };
    const Row rows[] = {{"2", "80", kWindowBackground},
                        {"8", "320", kWindowBackground},
                        {"1", "40", kPureRed},
                        {"9", "360", kPureRed},
                        {"5", "200", kWindowBackground}};
    w.VScroll_crystal.set_value(7);  // 10 MHz: reA 1, reB 1, fbB 4
    ASSERT_EQ(dividers(), "1 1 5 4 8");
    for (const Row& row : rows) {
        ASSERT_TRUE(w.fbA.replace_text(row.fb_a)) << row.fb_a;
        EXPECT_EQ(w.VCO.text(), row.vco) << row.fb_a;
        EXPECT_EQ(w.VCO.back_color(), row.colour) << row.fb_a;
    }
}

// The chain used to read each frequency back from the rounded text of the one
// before: 40 / 3 shown as 13.3333333333333 times 6 gave 79.9999999999998, red.
TEST_F(ClockChain, ExactVcoStaysExactThroughARecurringPhaseDetectorFrequency) {
    w.VScroll_crystal.set_value(1);  // 40 MHz: reA 1, reB 4, fbA 10, fbB 2
    ASSERT_TRUE(w.reB.replace_text("3"));
    ASSERT_TRUE(w.fbA.replace_text("3"));
    ASSERT_EQ(dividers(), "1 3 3 2 8");
    EXPECT_EQ(w.JXfreq.text(), "13.3333333333333");
    EXPECT_EQ(w.VCO.text(), "80");
    EXPECT_EQ(w.VCO.back_color(), kWindowBackground);
    EXPECT_EQ(w.CYZfreq.text(), "10");
}

struct TypedRow {
    const char* typed;
    const char* shown;
    int position;
    const char* reg9;
};

TEST_F(ClockChain, TypedFeedbackDividerIsCorrectedSilently) {
    const TypedRow rows[] = {
        {"45", "31", 1, "5FF00"},   {"0", "1", 31, "50F00"},   {"-3", "1", 31, "50F00"},
        {"abc", "1", 31, "50F00"},  {"", "1", 31, "50F00"},    {"12.9", "12", 20, "56700"},
        {"31", "31", 1, "5FF00"},   {"1", "1", 31, "50F00"},   {"1e1", "10", 22, "55700"},
        {"31.5", "31", 1, "5FF00"}, {"0.5", "1", 31, "50F00"}, {"1e999", "31", 1, "5FF00"},
    };
    for (const TypedRow& row : rows) {
        w.fbA.set_text("10");  // the start divider, so that every row is a change
        ASSERT_TRUE(w.fbA.replace_text(row.typed)) << row.typed;
        EXPECT_EQ(w.fbA.text(), row.shown) << row.typed;
        EXPECT_EQ(w.VScroll_fbA.value(), row.position) << row.typed;
        EXPECT_EQ(w.reg9_val.text(), row.reg9) << row.typed;
        EXPECT_EQ(reg(9), row.reg9) << row.typed;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ClockChain, TypedReferenceDividerIsCorrectedSilently) {
    const TypedRow rows[] = {
        {"9", "7", 1, "75700"}, {"0", "1", 7, "15700"}, {"3.7", "3", 5, "35700"},
        {"x", "1", 7, "15700"}, {"7", "7", 1, "75700"}, {"&H2", "2", 6, "25700"},
    };
    for (const TypedRow& row : rows) {
        w.reB.set_text("5");
        ASSERT_TRUE(w.reB.replace_text(row.typed)) << row.typed;
        EXPECT_EQ(w.reB.text(), row.shown) << row.typed;
        EXPECT_EQ(w.VScroll_reB.value(), row.position) << row.typed;
        EXPECT_EQ(w.reg9_val.text(), row.reg9) << row.typed;
    }
}

TEST_F(ClockChain, TypedValueEqualToTheDividerRecomputesNothing) {
    count_refreshes();
    ASSERT_TRUE(w.fbA.replace_text("10.7"));
    EXPECT_EQ(w.fbA.text(), "10");
    EXPECT_EQ(refreshes, 0);
}

TEST_F(ClockChain, SpinMoveRecomputesTheChainOnce) {
    count_refreshes();
    ASSERT_TRUE(w.VScroll_reB.arrow_down());
    EXPECT_EQ(w.reB.text(), "4");
    EXPECT_EQ(refreshes, 1);
    count_refreshes();
    EXPECT_FALSE(w.fbB.replace_text("2"));  // locked: refused
    EXPECT_EQ(w.fbB.text(), "4");
    EXPECT_EQ(refreshes, 0);
}

TEST_F(ClockChain, ClickIntoTheTypedBoxesSelectsTheWholeText) {
    ASSERT_TRUE(w.fbA.click());
    EXPECT_EQ(w.fbA.sel_start(), 0u);
    EXPECT_EQ(w.fbA.sel_length(), 2u);
    EXPECT_EQ(w.focused(), &w.fbA);
    ASSERT_FALSE(platform.focus.empty());
    EXPECT_EQ(platform.focus.back(), "fbA");
    ASSERT_TRUE(w.fbA.type("7"));
    EXPECT_EQ(w.fbA.text(), "7");
    EXPECT_EQ(w.VScroll_fbA.value(), 25);

    ASSERT_TRUE(w.reB.click());
    EXPECT_EQ(w.reB.sel_length(), 1u);
    EXPECT_EQ(platform.focus.back(), "reB");
    ASSERT_TRUE(w.reB.type("2"));
    EXPECT_EQ(w.reB.text(), "2");
    EXPECT_EQ(w.VScroll_reB.value(), 6);
}

TEST_F(ClockChain, LargestAndSmallestWords) {
    struct Row {
        const char* name;
        int re_a, re_b, fb_a, fb_b, sc_fpb;  // spin positions
        const char* dividers;
        const char* word;
    };
    const Row rows[] = {
        {"largest", 1, 1, 1, 2, 2, "2 7 31 4 8", "FFF00"},
        {"smallest", 2, 7, 31, 4, 8, "1 1 1 2 2", "10800"},
        {"power-on", 2, 3, 22, 2, 2, "1 5 10 4 8", "55700"},
    };
    for (const Row& row : rows) {
        w.VScroll_reA.set_value(row.re_a);
        w.VScroll_reB.set_value(row.re_b);
        w.VScroll_fbA.set_value(row.fb_a);
        w.VScroll_fbB.set_value(row.fb_b);
        w.VScroll_SCfpb.set_value(row.sc_fpb);
        EXPECT_EQ(dividers(), row.dividers) << row.name;
        EXPECT_EQ(w.reg9_val.text(), row.word) << row.name;
        EXPECT_EQ(reg(9), row.word) << row.name;
        EXPECT_EQ(marked(9), std::string(row.word) != "55700") << row.name;
    }
}

// A position between the grid points of fbB or SCfpb would put a bit of one
// divider into the neighbouring field of REG9; such a position goes back onto
// the grid point below it.
TEST_F(ClockChain, StepTwoSpinsOfferOnlyTheirAllowedDividers) {
    struct Row {
        const char* name;
        ScrollBar& spin;
        int asked;
        int position;
        const TextBox& box;
        const char* divider;
    };
    const Row rows[] = {
        {"fbB 3", w.VScroll_fbB, 3, 2, w.fbB, "4"},
        {"fbB 4", w.VScroll_fbB, 4, 4, w.fbB, "2"},
        {"SCfpb 3", w.VScroll_SCfpb, 3, 2, w.SCfpb, "8"},
        {"SCfpb 5", w.VScroll_SCfpb, 5, 4, w.SCfpb, "6"},
        {"SCfpb 7", w.VScroll_SCfpb, 7, 6, w.SCfpb, "4"},
        {"SCfpb 8", w.VScroll_SCfpb, 8, 8, w.SCfpb, "2"},
        {"SCfpb 9", w.VScroll_SCfpb, 9, 8, w.SCfpb, "2"},
    };
    for (const Row& row : rows) {
        row.spin.set_value(row.asked);
        EXPECT_EQ(row.spin.value(), row.position) << row.name;
        EXPECT_EQ(row.box.text(), row.divider) << row.name;
        EXPECT_EQ(w.reg9_val.text(), reg9_from_dividers()) << row.name;
        EXPECT_EQ(row.spin.small_change(), 2) << row.name;
    }
}

TEST_F(ClockChain, ArrowsOfStepTwoSpinsNeverLeaveTheGrid) {
    for (ScrollBar* spin : {&w.VScroll_fbB, &w.VScroll_SCfpb}) {
        for (int press = 0; press < 6; ++press) {
            ASSERT_TRUE(spin->arrow_down());
            EXPECT_EQ(spin->value() % 2, 0) << spin->name();
            EXPECT_EQ(w.reg9_val.text(), reg9_from_dividers()) << spin->name();
        }
        for (int press = 0; press < 6; ++press) {
            ASSERT_TRUE(spin->arrow_up());
            EXPECT_EQ(spin->value() % 2, 0) << spin->name();
            EXPECT_EQ(w.reg9_val.text(), reg9_from_dividers()) << spin->name();
        }
    }
    EXPECT_EQ(dividers(), "1 5 10 4 8");
}

TEST_F(ClockChain, ArrowsStopAtTheEndsOfTheRange) {
    w.VScroll_fbA.set_value(1);
    count_refreshes();
    ASSERT_TRUE(w.VScroll_fbA.arrow_up());
    EXPECT_EQ(w.VScroll_fbA.value(), 1);
    EXPECT_EQ(refreshes, 0);
    w.VScroll_reA.set_value(2);
    ASSERT_TRUE(w.VScroll_reA.arrow_down());
    EXPECT_EQ(w.reA.text(), "1");
}

TEST_F(ClockChain, TheChainFollowsTheCrystalText) {
    // The crystal box is written by the crystal selection only; the chain
    // reads whatever it holds at its next run.
    w.crystal.set_text("16.368");
    w.VScroll_reB.set_value(6);
    w.VScroll_fbA.set_value(26);
    w.VScroll_fbB.set_value(2);
    EXPECT_EQ(dividers(), "1 2 6 4 8");
    EXPECT_EQ(w.JXfreq.text(), "8.184");
    EXPECT_EQ(w.VCO.text(), "196.416");
    EXPECT_EQ(w.CYZfreq.text(), "24.552");
    EXPECT_EQ(w.reg9_val.text(), "23700");
}

}  // namespace
}  // namespace kv::test
