#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "panel/channels.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "panel/register_map.h"
#include "support/window_fixture.h"

namespace kv::test {
namespace {

// The controls of one gain channel, by channel number 1..3.
struct Channel {
    ComboBox& rf;
    ComboBox& agc;
    ComboBox& ifa;
    CheckBox& agc_sw;
    TextBox& analog;
    TextBox& digital;
    TextBox& copy;
    int reg;
};

std::uint32_t word_value(const std::string& word) {
    return static_cast<std::uint32_t>(std::stoul(word, nullptr, 16));
}

std::uint32_t field(std::uint32_t word, int low, int width) {
    return (word >> low) & ((1u << width) - 1);
}

class Gain : public LoadedWindow {
protected:
    Channel channel(int n) {
        const kv::Channel& c = kChannels.at(static_cast<std::size_t>(n - 1));
        return {w.*c.front_end_gain, w.*c.agc_gain,     w.*c.ifa_gain,  w.*c.agc_switch,
                w.*c.analog_gain,    w.*c.digital_gain, w.*c.gain_word, c.gain_reg};
    }

    // Clicks the switch when it does not already hold the value.
    void set_switch(CheckBox& box, int value) {
        if (box.value() != value) {
            ASSERT_TRUE(box.click()) << box.name();
        }
    }

    // Opens every list of the channel: IF-amplifier gains by hand, AGC not automatic.
    void open_lists(const Channel& ch) {
        set_switch(w.CH1_IFA_SW, 1);
        set_switch(ch.agc_sw, 0);
    }

    void pick_gains(const Channel& ch, const char* rf, const char* agc, const char* ifa) {
        ASSERT_TRUE(ch.rf.pick(rf)) << rf;
        ASSERT_TRUE(ch.agc.pick(agc)) << agc;
        ASSERT_TRUE(ch.ifa.pick(ifa)) << ifa;
    }

    // Runs the channel's register procedure on gains set as list texts.
    void compute(int n, const std::string& rf, const std::string& agc, const std::string& ifa) {
        const Channel ch = channel(n);
        ch.rf.set_text(rf);
        ch.agc.set_text(agc);
        ch.ifa.set_text(ifa);
        if (n == 1) {
            w.Reg10_Live_Value();
        } else if (n == 2) {
            w.Reg11_Live_Value();
        } else {
            w.Reg12_Live_Value();
        }
    }
};

TEST_F(Gain, StartShowsPowerOnWordsAndDesignDisplays) {
    const char* analog[] = {"94", "92", "95"};
    const char* digital[] = {"91", "89", "92"};
    for (int n = 1; n <= 3; ++n) {
        const Channel ch = channel(n);
        EXPECT_EQ(reg(ch.reg), kDefaultWords[static_cast<std::size_t>(ch.reg)]) << n;
        EXPECT_FALSE(marked(ch.reg)) << n;
        EXPECT_EQ(ch.copy.text(), reg(ch.reg)) << n;
        EXPECT_EQ(ch.analog.text(), analog[n - 1]) << n;
        EXPECT_EQ(ch.digital.text(), digital[n - 1]) << n;
        EXPECT_FALSE(ch.agc.enabled()) << n;
        EXPECT_FALSE(ch.ifa.enabled()) << n;
        EXPECT_EQ(ch.agc_sw.value(), 1) << n;
    }
    EXPECT_EQ(w.CH1_IFA_SW.value(), 0);
}

struct ExampleRow {
    const char* name;
    int channel;
    const char* rf;
    const char* agc;
    const char* ifa;
    int ifa_switch;
    int agc_switch;
    const char* word;
};

TEST_F(Gain, WorkedExamples) {
    const ExampleRow rows[] = {
        {"REG10 start gains", 1, "40", "35", "16", 0, 1, "98E3E"},
        {"REG11 start gains", 2, "40", "33", "16", 0, 1, "B0C3C"},
        {"REG12 start gains", 3, "40", "36", "16", 0, 1, "B249C"},
        {"REG10 largest", 1, "49", "63", "16", 1, 1, "FFFFE"},
        {"REG11 largest", 2, "49", "63", "16", 1, 1, "FFFFC"},
        {"REG10 smallest", 1, "22", "0", "0", 0, 0, "00002"},
        {"REG10 leading zero", 1, "22", "35", "16", 0, 0, "08E3E"},
    };
    for (const ExampleRow& row : rows) {
        const Channel ch = channel(row.channel);
        open_lists(ch);
        pick_gains(ch, row.rf, row.agc, row.ifa);
        set_switch(ch.agc_sw, row.agc_switch);
        set_switch(w.CH1_IFA_SW, row.ifa_switch);
        EXPECT_EQ(reg(ch.reg), row.word) << row.name;
        EXPECT_EQ(ch.copy.text(), row.word) << row.name;
        EXPECT_EQ(marked(ch.reg), row.word != kDefaultWords[static_cast<std::size_t>(ch.reg)])
            << row.name;
    }
}

TEST_F(Gain, FirstRecomputationFromStartSettings) {
    struct Row {
        int channel;
        const char* word;
        bool marked;
    };
    const Row rows[] = {{1, "98E3E", true}, {2, "B0C3C", true}, {3, "B249C", false}};
    for (const Row& row : rows) {
        const Channel ch = channel(row.channel);
        ASSERT_TRUE(ch.rf.pick("40"));
        EXPECT_EQ(reg(ch.reg), row.word) << row.channel;
        EXPECT_EQ(marked(ch.reg), row.marked) << row.channel;
        EXPECT_EQ(ch.copy.text(), row.word) << row.channel;
    }
}

// With the start switches (AGC automatic, IF-amplifier gains automatic) exactly
// one combination of the lists gives each register's power-on word.
TEST_F(Gain, OnlyOneSettingGivesEachPowerOnWord) {
    const char* expected[] = {"40/37/16", "40/34/16", "40/36/16"};
    for (int n = 1; n <= 3; ++n) {
        const Channel ch = channel(n);
        const std::vector<std::string> rfs = ch.rf.items();
        const std::vector<std::string> agcs = ch.agc.items();
        const std::vector<std::string> ifas = ch.ifa.items();
        std::vector<std::string> unmarked;
        for (const std::string& rf : rfs) {
            for (const std::string& agc : agcs) {
                for (const std::string& ifa : ifas) {
                    compute(n, rf, agc, ifa);
                    if (!marked(ch.reg)) {
                        EXPECT_EQ(reg(ch.reg), kDefaultWords[static_cast<std::size_t>(ch.reg)]);
                        unmarked.push_back(rf + "/" + agc + "/" + ifa);
                    }
                }
            }
        }
        EXPECT_EQ(unmarked, std::vector<std::string>{expected[n - 1]}) << n;
    }
}

TEST_F(Gain, EveryCombinationEncodesEachField) {
    for (int n = 1; n <= 3; ++n) {
        const Channel ch = channel(n);
        const std::vector<std::string> rfs = ch.rf.items();
        const std::vector<std::string> agcs = ch.agc.items();
        const std::vector<std::string> ifas = ch.ifa.items();
        for (int ifa_sw = 0; ifa_sw <= 1; ++ifa_sw) {
            set_switch(w.CH1_IFA_SW, ifa_sw);
            for (int agc_sw = 0; agc_sw <= 1; ++agc_sw) {
                set_switch(ch.agc_sw, agc_sw);
                for (std::size_t r = 0; r < rfs.size(); ++r) {
                    for (std::size_t a = 0; a < agcs.size(); ++a) {
                        for (std::size_t i = 0; i < ifas.size(); ++i) {
                            compute(n, rfs[r], agcs[a], ifas[i]);
                            ASSERT_EQ(reg(ch.reg).size(), 5u);
                            const std::uint32_t word = word_value(reg(ch.reg));
                            const std::uint32_t ifa_code =
                                i == 2 ? 3 : static_cast<std::uint32_t>(i);
                            const std::string at =
                                std::to_string(n) + " " + rfs[r] + "/" + agcs[a] + "/" + ifas[i];
                            ASSERT_EQ(field(word, 18, 2), r) << at;
                            if (n == 1) {
                                ASSERT_EQ(field(word, 17, 1), static_cast<std::uint32_t>(ifa_sw));
                                ASSERT_EQ(field(word, 16, 1), static_cast<std::uint32_t>(agc_sw));
                                ASSERT_EQ(field(word, 10, 6), a) << at;
                                ASSERT_EQ(field(word, 4, 6), a) << at;
                                ASSERT_EQ(field(word, 2, 2), ifa_code) << at;
                                ASSERT_EQ(field(word, 0, 2), 2u) << at;
                            } else {
                                ASSERT_EQ(field(word, 17, 1), static_cast<std::uint32_t>(agc_sw));
                                ASSERT_EQ(field(word, 11, 6), a) << at;
                                ASSERT_EQ(field(word, 5, 6), a) << at;
                                ASSERT_EQ(field(word, 3, 2), ifa_code) << at;
                                ASSERT_EQ(field(word, 0, 3), 4u) << at;
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST_F(Gain, DisplaysRunFrom25To131AnalogAnd22To128Digital) {
    for (int n = 1; n <= 3; ++n) {
        const Channel ch = channel(n);
        open_lists(ch);
        std::vector<double> analog;
        std::vector<double> digital;
        for (const std::string& rf : ch.rf.items()) {
            for (const std::string& agc : ch.agc.items()) {
                for (const std::string& ifa : ch.ifa.items()) {
                    pick_gains(ch, rf.c_str(), agc.c_str(), ifa.c_str());
                    const int sum = std::stoi(rf) + std::stoi(agc) + std::stoi(ifa);
                    ASSERT_EQ(ch.analog.text(), integer_text(sum + 3));
                    ASSERT_EQ(ch.digital.text(), integer_text(sum));
                    analog.push_back(text_value(ch.analog.text()));
                    digital.push_back(text_value(ch.digital.text()));
                }
            }
        }
        EXPECT_EQ(*std::min_element(analog.begin(), analog.end()), 25) << n;
        EXPECT_EQ(*std::max_element(analog.begin(), analog.end()), 131) << n;
        EXPECT_EQ(*std::min_element(digital.begin(), digital.end()), 22) << n;
        EXPECT_EQ(*std::max_element(digital.begin(), digital.end()), 128) << n;
    }
}

TEST_F(Gain, DisplaysOfOneChannelOnly) {
    open_lists(channel(2));
    ASSERT_TRUE(w.CH2_RF_Gain.pick("22"));
    EXPECT_EQ(w.CH2_AC_Gain.text(), "74");
    EXPECT_EQ(w.CH2_DC_Gain.text(), "71");
    EXPECT_EQ(reg(11), "10C3C");  // AGC of channel 2 opened by hand: bit 17 clear
    EXPECT_EQ(w.CH1_AC_Gain.text(), "94");
    EXPECT_EQ(w.CH3_AC_Gain.text(), "95");
    EXPECT_EQ(reg(10), "B8E3E");  // written by the IF-amplifier switch that opened the lists
    EXPECT_EQ(reg(12), "B249C");
}

TEST_F(Gain, IfaGainCodes) {
    struct Row {
        const char* gain;
        const char* reg10;
        const char* reg11;
    };
    // 16 dB sets both bits of the field, 8 dB only the lower one.
    const Row rows[] = {{"0", "B8E32", "B0C24"}, {"8", "B8E36", "B0C2C"}, {"16", "B8E3E", "B0C3C"}};
    set_switch(w.CH1_IFA_SW, 1);
    for (const Row& row : rows) {
        ASSERT_TRUE(w.CH1_IFA_Gain.pick(row.gain));
        ASSERT_TRUE(w.CH2_IFA_Gain.pick(row.gain));
        EXPECT_EQ(reg(10), row.reg10) << row.gain;
        EXPECT_EQ(reg(11), row.reg11) << row.gain;
    }
}

TEST_F(Gain, AgcSwitchFlipsOneBitAndItsListOnly) {
    struct Row {
        int channel;
        const char* off;
        const char* on;
    };
    const Row rows[] = {{1, "88E3E", "98E3E"}, {2, "90C3C", "B0C3C"}, {3, "9249C", "B249C"}};
    for (const Row& row : rows) {
        const Channel ch = channel(row.channel);
        const std::string others[] = {reg(10), reg(11), reg(12)};
        ASSERT_TRUE(ch.agc_sw.click());
        EXPECT_EQ(reg(ch.reg), row.off) << row.channel;
        EXPECT_TRUE(marked(ch.reg)) << row.channel;
        EXPECT_EQ(ch.copy.text(), row.off) << row.channel;
        EXPECT_TRUE(ch.agc.enabled()) << row.channel;
        ASSERT_TRUE(ch.agc_sw.click());
        EXPECT_EQ(reg(ch.reg), row.on) << row.channel;
        EXPECT_FALSE(ch.agc.enabled()) << row.channel;
        for (int n = 10; n <= 12; ++n) {
            if (n != ch.reg) {
                EXPECT_EQ(reg(n), others[n - 10]) << row.channel << " rewrote " << n;
            }
        }
    }
    EXPECT_EQ(w.CH1_AC_Gain.text(), "94");
    EXPECT_EQ(w.CH2_DC_Gain.text(), "89");
    EXPECT_EQ(w.CH3_AC_Gain.text(), "95");
}

TEST_F(Gain, IfaSwitchRewritesAllThreeWordsAndOpensAllThreeLists) {
    ASSERT_TRUE(w.CH1_IFA_SW.click());
    EXPECT_EQ(reg(10), "B8E3E");
    EXPECT_EQ(reg(11), "B0C3C");
    EXPECT_EQ(reg(12), "B249C");
    EXPECT_EQ(w.Reg11_Show.text(), "B0C3C");
    EXPECT_TRUE(marked(11));
    EXPECT_FALSE(marked(12));
    for (const ComboBox* list : {&w.CH1_IFA_Gain, &w.CH2_IFA_Gain, &w.CH3_IFA_Gain}) {
        EXPECT_TRUE(list->enabled()) << list->name();
    }
    EXPECT_FALSE(w.CH1_AGC_Gain.enabled());
    ASSERT_TRUE(w.CH1_IFA_SW.click());
    EXPECT_EQ(reg(10), "98E3E");
    EXPECT_EQ(reg(11), "B0C3C");
    for (const ComboBox* list : {&w.CH1_IFA_Gain, &w.CH2_IFA_Gain, &w.CH3_IFA_Gain}) {
        EXPECT_FALSE(list->enabled()) << list->name();
    }
    EXPECT_EQ(w.CH1_AC_Gain.text(), "94");
    EXPECT_EQ(w.CH1_DC_Gain.text(), "91");
}

TEST_F(Gain, DisabledListsRefuseThePickButStillCount) {
    EXPECT_FALSE(w.CH1_AGC_Gain.pick("10"));
    EXPECT_EQ(w.CH1_AGC_Gain.text(), "35");
    ASSERT_TRUE(w.CH1_RF_Gain.pick("49"));
    EXPECT_EQ(w.CH1_AC_Gain.text(), "103");  // 49 + 35 + 16 + 3
    EXPECT_EQ(reg(10), "D8E3E");
}

TEST_F(Gain, TypingAndPastingIntoGainBoxesIsDiscarded) {
    set_switch(w.CH1_IFA_SW, 1);
    for (int n = 1; n <= 3; ++n) {
        set_switch(channel(n).agc_sw, 0);
    }
    const std::string words[] = {reg(10), reg(11), reg(12)};
    for (int n = 1; n <= 3; ++n) {
        const Channel ch = channel(n);
        for (TextControl* box : std::initializer_list<TextControl*>{&ch.rf, &ch.agc, &ch.ifa,
                                                                    &ch.analog, &ch.digital}) {
            const std::string before = box->text();
            EXPECT_TRUE(box->type("7")) << box->name();
            EXPECT_TRUE(box->press_backspace()) << box->name();
            EXPECT_TRUE(box->replace_text("31")) << box->name();
            EXPECT_EQ(box->text(), before) << box->name();
        }
    }
    EXPECT_EQ(reg(10), words[0]);
    EXPECT_EQ(reg(11), words[1]);
    EXPECT_EQ(reg(12), words[2]);
}

// Only a gain text from outside the lists gives a sum with a fraction; the sum
// is rounded to nearest with a half going to the even neighbour.
TEST_F(Gain, HalfwaySumsRoundToEven) {
    // The front-end field comes to 0.5 and 1.5 on top of 18E3E (101950).
    compute(1, "22.0000171661376953125", "35", "16");
    EXPECT_EQ(reg(10), "18E3E");
    compute(1, "22.0000514984130859375", "35", "16");
    EXPECT_EQ(reg(10), "18E40");
}

TEST_F(Gain, SumWithoutWordFormIsRefused) {
    ASSERT_TRUE(w.CH2_RF_Gain.pick("31"));
    const std::string before = reg(11);
    for (const char* rf : {"99", "1e400", "-1e400", "1e30", "0"}) {
        compute(2, rf, "33", "16");
        EXPECT_EQ(reg(11), before) << rf;
        EXPECT_EQ(w.Reg11_Show.text(), before) << rf;
        EXPECT_TRUE(marked(11)) << rf;
    }
}

}  // namespace
}  // namespace kv::test
