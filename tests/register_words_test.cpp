// Every register word from plain settings, with no window: one table per
// encoder. A row with no word expects the settings to be refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "bandwidth/bandwidth_word.h"
#include "clock/clock_word.h"
#include "gain/gain_words.h"
#include "lo/lo_words.h"
#include "output/output_words.h"
#include "panel/numbers.h"

namespace kv::test {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string text(std::optional<std::uint32_t> word) {
    return word ? *hex5(*word) : "none";
}

TEST(RegisterWords, Reg1FromBandwidthsAndCrystal) {
    constexpr CrystalFields k25MHz = {0, 1, 0, 29};
    constexpr CrystalFields k30MHz = {1, 0, 3, 4};
    constexpr CrystalFields k16MHz = {0, 1, 1, 15};
    const struct {
        const char* name;
        CrystalFields crystal;
        std::array<double, 3> mhz;
        const char* word;
    } rows[] = {
        {"start", k25MHz, {10, 10, 10}, "011D5"},
        {"30 MHz crystal", k30MHz, {10, 10, 10}, "02645"},
        {"16.368 MHz crystal", k16MHz, {10, 10, 10}, "012F5"},
        {"each channel its code", k25MHz, {40, 30, 20}, "E51D5"},
        {"widest", k30MHz, {40, 40, 40}, "FE645"},
        {"25 rounds to even 2", k25MHz, {10, 25, 10}, "211D5"},
        {"35 rounds to even 2", k25MHz, {10, 35, 10}, "211D5"},
        {"50 overflows", k25MHz, {50, 10, 10}, "none"},
        {"0 is below every code", k25MHz, {0, 10, 10}, "none"},
        {"infinite", k25MHz, {10, kInfinity, 10}, "none"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text(bandwidth_word(row.mhz, row.crystal)), row.word) << row.name;
    }
}

TEST(RegisterWords, Reg2To7FromLoDividers) {
    const struct {
        const char* name;
        LoDivider divider;
        double pre_divider;
        const char* reg2;
        const char* reg4;
        const char* fraction;
    } rows[] = {
        {"1176 MHz from 25", {188, 167772, false}, 2, "32178", "0BC00", "28F5C"},
        {"1574.5 MHz from 25", {251, 964687, false}, 2, "321F6", "0FB00", "EB84F"},
        {"integer-N", {196, 0, true}, 2, "33188", "8C400", "00000"},
        {"pre-divider 4", {188, 167772, false}, 4, "2A178", "0BC00", "28F5C"},
        {"pre-divider 1", {188, 167772, false}, 1, "22178", "0BC00", "28F5C"},
        {"largest", {2047, 1048572, false}, 2, "32FFE", "7FF00", "FFFFC"},
        {"smallest", {0, 0, true}, 1, "23000", "80000", "00000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text(channel1_lo_word(row.divider, row.pre_divider)), row.reg2) << row.name;
        EXPECT_EQ(text(channel23_lo_word(row.divider)), row.reg4) << row.name;
        EXPECT_EQ(text(lo_fraction_word(row.divider)), row.fraction) << row.name;
    }
}

TEST(RegisterWords, Reg8FromOutputs) {
    const struct {
        bool digital;
        bool analog;
        bool single_ended;
        const char* word;
    } rows[] = {
        {false, false, false, "00002"}, {false, false, true, "08422"},
        {false, true, false, "318C2"},  {false, true, true, "39CE2"},
        {true, false, false, "C6302"},  {true, false, true, "CE722"},
        {true, true, false, "F7BC2"},   {true, true, true, "FFFE2"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text(output_format_word(row.digital, row.analog, row.single_ended)), row.word)
            << row.digital << row.analog << row.single_ended;
    }
}

TEST(RegisterWords, Reg9FromDividers) {
    const struct {
        const char* name;
        ClockDividers dividers;
        const char* word;
    } rows[] = {
        {"25 MHz crystal", {1, 5, 10, 4, 8}, "55700"},
        {"every divider at its smallest", {1, 1, 1, 2, 2}, "10800"},
        {"every divider at its largest", {2, 7, 31, 4, 8}, "FFF00"},
        {"fbB 3 is off its grid", {1, 5, 10, 3, 8}, "none"},
        {"SCfpb 10 has no code", {1, 5, 10, 4, 10}, "none"},
        {"reA 3 has no bit", {3, 5, 10, 4, 8}, "none"},
        {"fbA 32 overflows", {1, 5, 32, 4, 8}, "none"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text(sample_clock_word(row.dividers)), row.word) << row.name;
    }
}

// REG10 takes channel 1's gains and both switches; REG11 and REG12 take their
// channel's gains and AGC switch.
TEST(RegisterWords, Reg10To12FromChannelGains) {
    const struct {
        const char* name;
        int reg;
        ChannelGains gains;
        bool ifa_switch;
        bool agc_switch;
        const char* word;
    } rows[] = {
        {"REG10 start gains", 10, {40, 35, 16}, false, true, "98E3E"},
        {"REG10 largest", 10, {49, 63, 16}, true, true, "FFFFE"},
        {"REG10 smallest", 10, {22, 0, 0}, false, false, "00002"},
        {"REG10 IF-amplifier 8 dB", 10, {31, 1, 8}, false, false, "40416"},
        {"REG10 half rounds to even 0",
         10,
         {22.0000171661376953125, 35, 16},
         false,
         false,
         "08E3E"},
        {"REG10 half rounds to even 2",
         10,
         {22.0000514984130859375, 35, 16},
         false,
         false,
         "08E40"},
        {"REG10 front end beyond the field", 10, {58, 35, 16}, false, false, "none"},
        {"REG10 front end below the field", 10, {0, 35, 16}, false, false, "none"},
        {"REG10 infinite", 10, {kInfinity, 35, 16}, false, false, "none"},
        {"REG11 start gains", 11, {40, 33, 16}, false, true, "B0C3C"},
        {"REG12 start gains", 11, {40, 36, 16}, false, true, "B249C"},
        {"REG11 AGC by hand", 11, {22, 33, 16}, false, false, "10C3C"},
        {"REG11 IF-amplifier switch has no bit", 11, {22, 33, 16}, true, false, "10C3C"},
        {"REG11 largest", 11, {49, 63, 16}, false, true, "FFFFC"},
        {"REG11 smallest", 11, {22, 0, 0}, false, false, "00004"},
        {"REG11 front end beyond the field", 11, {99, 33, 16}, false, true, "none"},
    };
    for (const auto& row : rows) {
        const auto word = row.reg == 10
                              ? channel1_gain_word(row.gains, row.ifa_switch, row.agc_switch)
                              : channel23_gain_word(row.gains, row.agc_switch);
        EXPECT_EQ(text(word), row.word) << row.name;
    }
}

TEST(RegisterWords, Reg23FromSampleWidth) {
    EXPECT_EQ(text(sample_width_word(false)), "F6B5A");
    EXPECT_EQ(text(sample_width_word(true)), "F7BDE");
}

// Each row names the test switches that are checked.
TEST(RegisterWords, Reg40FromTestSwitches) {
    const std::pair<std::string, const char*> rows[] = {
        {"", "00000"},     {"D2S", "10000"},      {"ADC", "08000"},
        {"Freq", "04000"}, {"D2S Freq", "14000"}, {"D2S ADC Freq", "1C000"},
    };
    for (const auto& [checked, word] : rows) {
        const auto on = [&checked](const char* name) {
            return checked.find(name) != std::string::npos;
        };
        EXPECT_EQ(text(test_mode_word(on("D2S"), on("ADC"), on("Freq"))), word) << checked;
    }
}

}  // namespace
}  // namespace kv::test
