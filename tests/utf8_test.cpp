#include <gtest/gtest.h>

#include <string>

#include "panel/utf8.h"

namespace kv {
namespace {

struct Utf8Row {
    const char* name;
    std::string utf8;
    std::u32string characters;
};

// A byte that starts no complete, valid sequence is one replacement character,
// and the length counts exactly the characters the conversion gives.
TEST(Utf8, CharactersAndLengthAgree) {
    const Utf8Row rows[] = {
        {"empty", "", U""},
        {"ascii", "fbA 10", U"fbA 10"},
        {"chinese", "晶振频率", U"晶振频率"},
        {"four_bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
        {"cut_short", "\xE6\x99", U"\uFFFD\uFFFD"},
        {"stray_continuation",
         "\x80"
         "a",
         U"\uFFFDa"},
        {"bad_continuation", "\xC3(1", U"\uFFFD(1"},
        {"cut_four_bytes", "\xF0\x9F\x98", U"\uFFFD\uFFFD\uFFFD"},
        {"no_lead", "\xFF", U"\uFFFD"},
        {"overlong_slash", "\xC0\xAF", U"\uFFFD\uFFFD"},
        {"overlong_nul", std::string("\xC0\x80", 2), U"\uFFFD\uFFFD"},
        {"overlong_three", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
        {"overlong_four", "\xF0\x80\x80\xAF", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"past_unicode", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"smallest_two", "\xC2\x80", U"\u0080"},
    };
    for (const Utf8Row& row : rows) {
        EXPECT_EQ(to_utf32(row.utf8), row.characters) << row.name;
        EXPECT_EQ(utf8_length(row.utf8), row.characters.size()) << row.name;
    }
}

TEST(Utf8, RoundTripOfValidText) {
    for (const std::string text : {"", "REG19", "上电默认值90308", "\xF0\x9F\x98\x80x"}) {
        EXPECT_EQ(to_utf8(to_utf32(text)), text);
    }
}

}  // namespace
}  // namespace kv
