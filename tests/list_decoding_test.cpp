#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "register_lists/register_list_decoding.h"

// The LO frequency a channel's two words stand for: the shortest decimal text
// whose words are exactly these, from the chip's worked examples.
namespace kv::test {
namespace {

struct LoRow {
    const char* name;
    int channel;
    std::uint32_t integer_word;
    std::uint32_t fraction_word;
    double crystal_mhz;
    int pre_divider;
    std::optional<std::string> text;
};

const LoRow kLoRows[] = {
    {"Channel1Start", 1, 0x32178, 0x28F5C, 25, 2, "1176"},
    {"Channel2Start", 2, 0x0FB00, 0xEB84F, 25, 2, "1574.5"},
    {"Channel3Start", 3, 0x0C400, 0x51EB7, 25, 2, "1227"},
    {"Channel1IntegerN", 1, 0x33178, 0x00000, 25, 2, "1175"},
    {"Channel2IntegerN", 2, 0x8FC00, 0x00000, 25, 2, "1575"},
    {"Channel1Crystal40", 1, 0x2A1D6, 0x33333, 40, 4, "1176"},
    {"Channel1Crystal10", 1, 0x221D6, 0x33333, 10, 1, "1176"},
    {"GpsAt20", 2, 0x13B00, 0x15810, 20, 2, "1575.42"},
    {"GpsWordsAt19.2", 2, 0x13B00, 0x15810, 19.2, 2, "1512.4032"},
    {"PreDividerBitsOfAnotherCrystal", 1, 0x32178, 0x28F5C, 40, 4, std::nullopt},
    {"IntegerNFlagWithAFraction", 2, 0x8FB00, 0xEB84F, 25, 2, std::nullopt},
    {"FractionBeyondTheModulus", 3, 0x0C400, 0xFFFFE, 25, 2, std::nullopt},
};

class LoText : public ::testing::TestWithParam<LoRow> {};

TEST_P(LoText, IsTheShortestTextOfTheWords) {
    const LoRow& row = GetParam();
    EXPECT_EQ(
        lo_text(row.channel, row.integer_word, row.fraction_word, row.crystal_mhz, row.pre_divider),
        row.text);
}

INSTANTIATE_TEST_SUITE_P(Words, LoText, ::testing::ValuesIn(kLoRows), [](const auto& row) {
    std::string name = row.param.name;
    std::erase(name, '.');
    return name;
});

}  // namespace
}  // namespace kv::test
