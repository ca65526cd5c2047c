#include <gtest/gtest.h>

#include <sstream>
#include <string_view>
#include <vector>

#include "batch/runner.h"
#include "batch/script_line.h"

namespace kv::batch {
namespace {

TEST(ScriptLine, BlankLinesAndCommentsHoldNoAction) {
    for (const char* text : {"", "   ", "\t", "# comment", "   # indented comment", "\r"}) {
        EXPECT_FALSE(parse_script_line(text).has_value()) << '"' << text << '"';
    }
}

struct LineRow {
    const char* text;
    const char* verb;
    const char* control;
    const char* argument;
};

TEST(ScriptLine, TheArgumentIsTheRestOfTheLine) {
    const LineRow rows[] = {
        {"dump", "dump", "", ""},
        {"type ch1bz 1400", "type", "ch1bz", "1400"},
        {"  type   fbA    12.9", "type", "fbA", "12.9"},
        {"type fbA", "type", "fbA", ""},
        {"save spi my regs.txt", "save", "spi", "my regs.txt"},
        {"type Text1(30) a b ", "type", "Text1(30)", "a b "},
        {"click MiniGame.minibox(11)\r", "click", "MiniGame.minibox(11)", ""},
    };
    for (const LineRow& row : rows) {
        const auto line = parse_script_line(row.text);
        ASSERT_TRUE(line.has_value()) << row.text;
        EXPECT_EQ(line->verb, row.verb) << row.text;
        EXPECT_EQ(line->control, row.control) << row.text;
        EXPECT_EQ(line->argument, row.argument) << row.text;
    }
}

TEST(Runner, RefusedActionsAreReportedAndTheRunGoesOn) {
    std::ostringstream out;
    std::ostringstream err;
    Runner runner(out, err);
    std::istringstream script("type fbA 20\ntype crystal 40\nprint fbA\n");
    EXPECT_EQ(runner.run(script), kSomeRefused);
    EXPECT_EQ(out.str(), "20\n");
    EXPECT_EQ(err.str(), "line 2: refused: crystal is locked\n");
}

TEST(Runner, AnUnreadableLineStopsTheRun) {
    std::ostringstream out;
    std::ostringstream err;
    Runner runner(out, err);
    std::istringstream script("up VScroll_fbA\nup fbA\nprint fbA\n");
    EXPECT_EQ(runner.run(script), kUnreadableLine);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "line 2: fbA has no arrows\n");
}

TEST(ScriptLines, CrLfAndCrLfEachEndALine) {
    const std::vector<std::string_view> expected = {"a 1", "", "b 2", "c 3"};
    for (const char* script : {"a 1\n\nb 2\nc 3\n", "a 1\r\rb 2\rc 3", "a 1\r\n\r\nb 2\r\nc 3\r\n",
                               "a 1\n\r\nb 2\rc 3"}) {
        EXPECT_EQ(script_lines(script), expected) << script;
    }
}

struct RunRow {
    const char* name;
    const char* script;
    int status;
    const char* err;
};

// Each script runs in a fresh window; the error stream names the line.
class Runs : public ::testing::TestWithParam<RunRow> {};

TEST_P(Runs, ExitStatusAndReport) {
    std::ostringstream out;
    std::ostringstream err;
    Runner runner(out, err);
    std::istringstream script(GetParam().script);
    EXPECT_EQ(runner.run(script), GetParam().status);
    EXPECT_NE(err.str().find(GetParam().err), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Runs,
    ::testing::Values(
        RunRow{"ExtraWordsAfterArrow", "up VScroll_fbA 5\n", kUnreadableLine,
               "line 1: extra words after 'up VScroll_fbA': '5'"},
        RunRow{"ExtraWordsAfterDump", "dump all\n", kUnreadableLine, "line 1: extra words"},
        RunRow{"MissingControl", "print fbA\nclick\n", kUnreadableLine, "line 2: click needs"},
        RunRow{"MissingItem", "pick crylist\n", kUnreadableLine, "line 1: pick crylist needs"},
        RunRow{"SaveWithoutName", "save spi\n", kUnreadableLine, "line 1: save spi needs"},
        RunRow{"SaveNameEndingInBlanks", "save spi regs.txt   \n", kUnreadableLine,
               "line 1: the file name 'regs.txt   ' ends in blanks"},
        RunRow{"OpenWithoutName", "open  \n", kUnreadableLine, "line 1: open needs a file name"},
        RunRow{"OpenMissingFile", "open /nonexistent-kv2841a/regs.txt\n", kSomeRefused,
               "line 1: refused: "},
        RunRow{"EveryKeyDiscarded", "type Combo1 40\n", kSomeRefused,
               "line 1: refused: Combo1 discarded every key"},
        RunRow{"SaveIntoMissingFolder", "dump\rsave c /nonexistent-kv2841a/regs.txt\r",
               kSomeRefused,
               "line 2: refused: save /nonexistent-kv2841a/regs.txt failed: 文件夹不存在"},
        RunRow{"CrOnlyLinesAllRun", "type fbA 20\rtype crystal 40\rprint fbA\r", kSomeRefused,
               "line 2: refused: crystal is locked"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Runner, HelpNamesEveryAction) {
    const std::string help = usage_text();
    for (const char* word : {"pick", "type", "paste", "click", "up", "down", "save", "open",
                             "print", "dump", "Exit status", "CR, LF and CR LF", "ends in blanks",
                             "extra words", "save that wrote nothing"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace kv::batch
