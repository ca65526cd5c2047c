#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

#include "lo/lo.h"
#include "lo/lo_divider.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "support/window_fixture.h"

namespace kv::test {
namespace {

constexpr const char* kSpacingText = "相邻通道本振不能相近\n1、3通道本振不能相同";

// A window whose LO frame the frequency test switch has opened for typing.
class ChannelLo : public LoadedWindow {
protected:
    ChannelLo() { EXPECT_TRUE(w.Freq_ck.click()); }

    [[nodiscard]] std::string words(int first, int last) const {
        std::string out;
        for (int n = first; n <= last; ++n) {
            out += (out.empty() ? "" : " ") + reg(n);
        }
        return out;
    }
};

TEST_F(ChannelLo, StartSettingsGiveThePowerOnWords) {
    EXPECT_EQ(words(2, 7), "32178 28F5C 0FB00 EB84F 0C400 51EB7");
    EXPECT_EQ(w.reg2_te.text(), "32178");
    EXPECT_EQ(w.reg7_te.text(), "51EB7");
    for (int n = 2; n <= 7; ++n) {
        EXPECT_FALSE(marked(n)) << n;
    }
    EXPECT_TRUE(platform.messages.empty());
}

// The error is shown in Hz, rounded to the nine characters of the box.
TEST_F(ChannelLo, StartErrorsInHertz) {
    EXPECT_EQ(w.Ch1_Deviation.text(), "1.9073541");
    EXPECT_EQ(w.Ch2_Deviation.text(), "-0.953677");
    EXPECT_EQ(w.Ch3_Deviation.text(), "-2.145773");
    for (const TextBox* box : {&w.Ch1_Deviation, &w.Ch2_Deviation, &w.Ch3_Deviation}) {
        EXPECT_EQ(box->max_length(), 9u) << box->name();
        EXPECT_EQ(box->back_color(), kWindowBackground) << box->name();
    }
}

struct TypedRow {
    const char* name;
    int channel;
    const char* typed;
    const char* integer_word;
    const char* fraction_word;
    const char* error;
};

TEST_F(ChannelLo, TypedFrequenciesAtTwentyFiveMegahertz) {
    const TypedRow rows[] = {
        {"ch1 integer-N 1175", 1, "1175", "33178", "00000", "0"},
        {"ch2 integer-N 1575", 2, "1575", "8FC00", "00000", "0"},
        {"ch3 integer-N 1225", 3, "1225", "8C400", "00000", "0"},
        {"ch2 1560", 2, "1560", "0F900", "99998", "1.1920963"},
        {"ch1 1176 again", 1, "1176", "32178", "28F5C", "1.9073541"},
        {"ch2 empty", 2, "", "80000", "00000", "0"},
        {"ch1 text without number", 1, "abc", "33000", "00000", "0"},
        {"ch1 ratio 2047", 1, "12799.99", "32FFE", "FF96F", "-1.688008"},
        // Within half a step of the next integer: carried, integer-N.
        {"ch1 carried into 188", 1, "1174.9999999", "33178", "00000", "0.1"},
    };
    ComboBox* lists[] = {&w.ch1bz, &w.ch2bz, &w.ch3bz};
    TextBox* errors[] = {&w.Ch1_Deviation, &w.Ch2_Deviation, &w.Ch3_Deviation};
    for (const TypedRow& row : rows) {
        const int integer_reg = 2 * row.channel;
        ASSERT_TRUE(lists[row.channel - 1]->replace_text(row.typed)) << row.name;
        EXPECT_EQ(reg(integer_reg), row.integer_word) << row.name;
        EXPECT_EQ(reg(integer_reg + 1), row.fraction_word) << row.name;
        EXPECT_EQ(errors[row.channel - 1]->text(), row.error) << row.name;
        EXPECT_EQ(lists[row.channel - 1]->back_color(), kWindowBackground) << row.name;
    }
}

TEST_F(ChannelLo, PreDividerBitsOfChannelOne) {
    struct Row {
        int crystal_index;
        const char* reg2;
        const char* reg3;
    };
    const Row rows[] = {
        {7, "221D6", "33333"},  // 10 MHz, pre-divider 1: neither bit
        {1, "2A1D6", "33333"},  // 40 MHz, pre-divider 4: bit 15
        {4, "321D6", "33333"},  // 20 MHz, pre-divider 2: bit 16
        {2, "32138", "CCCCA"},  // 30 MHz
        {6, "2211E", "B1EC6"},  // 16.368 MHz
    };
    for (const Row& row : rows) {
        w.VScroll_crystal.set_value(row.crystal_index);
        EXPECT_EQ(reg(2), row.reg2) << row.crystal_index;
        EXPECT_EQ(reg(3), row.reg3) << row.crystal_index;
        EXPECT_EQ(w.Ch1_Deviation.text(), row.crystal_index == 2   ? "-2.861031"
                                          : row.crystal_index == 6 ? "3.0441371"
                                                                   : "1.9073541")
            << row.crystal_index;
    }
}

// 1118.4 MHz from 19.2 MHz over 2 is N = 233 exactly, but the double
// arithmetic leaves a fraction of 3e-14: the words used to say fractional
// mode with a fractional word of 00000.
TEST_F(ChannelLo, IntegerNIsDecidedFromTheRoundedFractionalWord) {
    w.VScroll_crystal.set_value(5);  // 19.2 MHz
    ASSERT_TRUE(w.ch1bz.replace_text("1118.4"));
    EXPECT_EQ(reg(2), "331D2");
    EXPECT_EQ(reg(3), "00000");
    EXPECT_EQ(w.Ch1_Deviation.text(), "0");
    ASSERT_TRUE(w.ch3bz.replace_text("1118.4"));
    EXPECT_EQ(reg(6), "8E900");
    EXPECT_EQ(reg(7), "00000");
    EXPECT_EQ(w.Ch3_Deviation.text(), "0");
}

TEST_F(ChannelLo, ChangingOneChannelRewritesAllThree) {
    w.reg2_te.set_text("AAAAA");
    w.reg3_te.set_text("BBBBB");
    w.reg6_te.set_text("CCCCC");
    w.reg7_te.set_text("DDDDD");
    for (TextBox* box : {&w.Ch1_Deviation, &w.Ch2_Deviation, &w.Ch3_Deviation}) {
        box->set_text("x");
    }
    ASSERT_TRUE(w.ch2bz.replace_text("1560"));
    EXPECT_EQ(words(2, 7), "32178 28F5C 0F900 99998 0C400 51EB7");
    EXPECT_EQ(w.Ch1_Deviation.text(), "1.9073541");
    EXPECT_EQ(w.Ch2_Deviation.text(), "1.1920963");
    EXPECT_EQ(w.Ch3_Deviation.text(), "-2.145773");
    EXPECT_TRUE(marked(4));
    EXPECT_TRUE(marked(5));
    EXPECT_FALSE(marked(2));
}

TEST_F(ChannelLo, OneLoEventRefreshesTheRegistersThreeTimes) {
    int refreshes = 0;
    w.Text1[40].on_view_update = [&] { ++refreshes; };
    ASSERT_TRUE(w.ch1bz.replace_text("1175"));
    EXPECT_EQ(refreshes, 3);
}

TEST_F(ChannelLo, CrystalChangeRewritesTheWordsWithoutSpacingMessage) {
    ASSERT_TRUE(w.ch1bz.replace_text("1227"));  // channels 1 and 3 equal
    ASSERT_EQ(messages_with_text(kSpacingText), 1);
    platform.messages.clear();
    w.VScroll_crystal.set_value(1);  // 40 MHz, pre-divider 4
    EXPECT_EQ(words(2, 7), "2A1EA 66665 13A00 E6664 0F500 66665");
    EXPECT_EQ(w.Ch1_Deviation.text(), "-0.953677");
    EXPECT_EQ(w.Ch2_Deviation.text(), "1.4305156");
    EXPECT_TRUE(platform.messages.empty());
    w.Freq_ck.set_value(1);
    ASSERT_TRUE(w.crylist.pick("25"));
    EXPECT_EQ(words(2, 7), "32188 51EB7 0FB00 EB84F 0C400 51EB7");
    EXPECT_TRUE(platform.messages.empty());
}

struct SpacingRow {
    const char* name;
    const char* f1;
    const char* f2;
    const char* f3;
    bool warned;
};

TEST_F(ChannelLo, SpacingCheck) {
    const SpacingRow rows[] = {
        {"start settings", "1176", "1574.5", "1227", false},
        {"1 and 2 closer than 250", "1400", "1574.5", "1227", true},
        {"1 and 2 exactly 250 apart", "1324.5", "1574.5", "1227", false},
        {"3 and 2 closer than 250", "1176", "1574.5", "1400", true},
        {"3 and 2 exactly 250 apart", "1176", "1574.5", "1324.5", false},
        {"1 equals 3 far from 2", "1227", "1574.5", "1227", true},
        {"1 near 3 but not equal", "1227.001", "1574.5", "1227", false},
        {"1 and 3 close, not equal", "1176", "1574.5", "1176.5", false},
        {"2 below, 1 and 3 close", "1560", "1176", "1598", false},
        {"2 below, 3 too close", "1598", "1176", "1400", true},
        {"2 between, 300 apart", "1176", "1476", "1776", false},
    };
    for (const SpacingRow& row : rows) {
        w.ch1bz.set_text(row.f1);
        w.ch2bz.set_text(row.f2);
        w.ch3bz.set_text(row.f3);
        platform.messages.clear();
        FBIWARMING(w);
        EXPECT_EQ(messages_with_text(kSpacingText), row.warned ? 1 : 0) << row.name;
    }
}

TEST_F(ChannelLo, SpacingMessageBox) {
    ASSERT_TRUE(w.ch1bz.replace_text("1400"));
    ASSERT_EQ(platform.messages.size(), 1u);
    const Message& message = platform.messages[0];
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.title, "提示");
    EXPECT_EQ(message.text, kSpacingText);
    // Information only: the words of 1400 MHz stay.
    EXPECT_EQ(w.ch1bz.text(), "1400");
    EXPECT_EQ(reg(2), "331C0");
    EXPECT_EQ(reg(3), "00000");
}

TEST_F(ChannelLo, SpacingMessageOncePerLoEvent) {
    ASSERT_TRUE(w.ch3bz.replace_text("1176"));  // equal to channel 1
    EXPECT_EQ(messages_with_text(kSpacingText), 1);
    ASSERT_TRUE(w.ch1bz.pick("1176"));  // a pick raises Click only
    EXPECT_EQ(messages_with_text(kSpacingText), 2);
    ASSERT_TRUE(w.ch3bz.pick("1227"));
    EXPECT_EQ(messages_with_text(kSpacingText), 2);
}

TEST_F(ChannelLo, TypingDigitByDigitChecksAfterEveryKeystroke) {
    w.ch1bz.select_all();
    int changes = 0;
    w.ch1bz.on_view_update = [&] { ++changes; };
    ASSERT_TRUE(w.ch1bz.type("12270"));
    // On the way the text reads 1227, the frequency of channel 3.
    EXPECT_EQ(messages_with_text(kSpacingText), 1);
    EXPECT_EQ(w.ch1bz.text(), "12270");
    EXPECT_EQ(w.ch1bz.back_color(), kWindowBackground);
    EXPECT_GE(changes, 5);
}

// Where the window asks for it, the words follow every key and the warning
// waits for the end of the entry: once, about the frequency typed.
TEST_F(ChannelLo, TheWarningWaitsForTheEndOfATypedEntry) {
    w.set_warnings_wait_for_entry(true);
    w.ch1bz.select_all();
    for (const char key : std::string_view("1575.42")) {
        ASSERT_TRUE(w.ch1bz.type(std::string(1, key)));
        EXPECT_EQ(w.lo_words_frequency[0], number_text(text_value(w.ch1bz.text())));
    }
    EXPECT_EQ(messages_with_text(kSpacingText), 0);
    w.ch1bz.complete_entry();
    w.ch1bz.complete_entry();
    EXPECT_EQ(messages_with_text(kSpacingText), 1);
    EXPECT_EQ(w.ch1bz.text(), "1575.42");
    ASSERT_TRUE(w.ch3bz.pick("1176"));  // a pick warns at once
    EXPECT_EQ(messages_with_text(kSpacingText), 2);
}

TEST_F(ChannelLo, ListsRefuseTypingOnceTheTestSwitchIsOff) {
    ASSERT_TRUE(w.Freq_ck.click());
    ASSERT_FALSE(w.Frame8.enabled());
    EXPECT_FALSE(w.ch1bz.replace_text("1400"));
    EXPECT_FALSE(w.ch2bz.pick("1560"));
    EXPECT_EQ(words(2, 7), "32178 28F5C 0FB00 EB84F 0C400 51EB7");
}

TEST_F(ChannelLo, ErrorBoxesTakeNoTyping) {
    for (TextBox* box : {&w.Ch1_Deviation, &w.Ch2_Deviation, &w.Ch3_Deviation}) {
        const std::string before = box->text();
        EXPECT_TRUE(box->type("5"));
        EXPECT_TRUE(box->press_backspace());
        EXPECT_EQ(box->text(), before) << box->name();
    }
}

struct BadRow {
    const char* name;
    const char* typed;
};

// A frequency the words cannot hold keeps the words of the last good one and
// says so: the list turns red and its error box is emptied.
TEST_F(ChannelLo, FrequencyBeyondTheWordsKeepsThePreviousWordsAndTurnsRed) {
    const BadRow rows[] = {
        {"ratio 2048", "12800"}, {"carried to 2048", "12799.9999999"},
        {"far beyond", "99999"}, {"negative", "-5"},
        {"infinite", "1e999"},   {"negative infinite", "-1e999"},
    };
    for (const BadRow& row : rows) {
        ASSERT_TRUE(w.ch2bz.replace_text("1575")) << row.name;
        ASSERT_TRUE(w.ch2bz.replace_text(row.typed)) << row.name;
        EXPECT_EQ(w.reg4_te.text(), "8FC00") << row.name;
        EXPECT_EQ(w.reg5_te.text(), "00000") << row.name;
        EXPECT_EQ(words(4, 5), "8FC00 00000") << row.name;
        EXPECT_EQ(w.ch2bz.back_color(), kPureRed) << row.name;
        EXPECT_EQ(w.Ch2_Deviation.text(), "") << row.name;
        EXPECT_EQ(w.ch1bz.back_color(), kWindowBackground) << row.name;
        EXPECT_EQ(words(2, 3), "32178 28F5C") << row.name;
    }
    ASSERT_TRUE(w.ch2bz.replace_text("1574.5"));
    EXPECT_EQ(w.ch2bz.back_color(), kWindowBackground);
    EXPECT_EQ(words(4, 5), "0FB00 EB84F");
    EXPECT_EQ(w.Ch2_Deviation.text(), "-0.953677");
}

TEST_F(ChannelLo, ChannelOneBeyondTheWordsKeepsItsWords) {
    ASSERT_TRUE(w.ch1bz.replace_text("13000"));
    EXPECT_EQ(words(2, 3), "32178 28F5C");
    EXPECT_EQ(w.ch1bz.back_color(), kPureRed);
    EXPECT_EQ(w.Ch1_Deviation.text(), "");
    EXPECT_FALSE(marked(2));
}

TEST_F(ChannelLo, ZeroCrystalOrPreDividerLeavesEveryWord) {
    for (TextBox* box : {&w.YFPB, &w.crystal}) {
        const std::string good = box->text();
        box->set_text("0");
        callreg(w);
        EXPECT_EQ(words(2, 7), "32178 28F5C 0FB00 EB84F 0C400 51EB7") << box->name();
        for (const ComboBox* list : {&w.ch1bz, &w.ch2bz, &w.ch3bz}) {
            EXPECT_EQ(list->back_color(), kPureRed) << box->name() << list->name();
        }
        EXPECT_EQ(w.Ch3_Deviation.text(), "") << box->name();
        box->set_text(good);
        callreg(w);
        EXPECT_EQ(w.ch3bz.back_color(), kWindowBackground) << box->name();
        EXPECT_EQ(w.Ch3_Deviation.text(), "-2.145773") << box->name();
    }
}

TEST(LoDivider, RefusesWhatTheWordsCannotHold) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(lo_divider(1176, 0, 2));
    EXPECT_FALSE(lo_divider(1176, 25, 0));
    EXPECT_FALSE(lo_divider(1176, -25, 2));
    EXPECT_FALSE(lo_divider(-1176, -25, 2));
    EXPECT_FALSE(lo_divider(1176, nan, 2));
    EXPECT_FALSE(lo_divider(1176, 25, inf));
    EXPECT_FALSE(lo_divider(nan, 25, 2));
    EXPECT_FALSE(lo_divider(12800, 25, 2));
    ASSERT_TRUE(lo_divider(12799.99, 25, 2));
    EXPECT_EQ(lo_divider(12799.99, 25, 2)->integer, 2047);
    ASSERT_TRUE(lo_divider(-0.0, 25, 2));
    EXPECT_TRUE(lo_divider(-0.0, 25, 2)->integer_n);
}

TEST(LoDivider, FractionalWordStaysBelowTheModulus) {
    const auto divider = lo_divider(1174.9999999, 25, 2);
    ASSERT_TRUE(divider);
    EXPECT_EQ(divider->integer, 188);
    EXPECT_EQ(divider->fraction, 0);
    EXPECT_TRUE(divider->integer_n);
    const auto just_below = lo_divider(1175 - 6.25 * 0.6 / kLoModulus, 25, 2);
    ASSERT_TRUE(just_below);
    EXPECT_EQ(just_below->integer, 187);
    EXPECT_EQ(just_below->fraction, kLoModulus - 1);
    EXPECT_FALSE(just_below->integer_n);
}

}  // namespace
}  // namespace kv::test
