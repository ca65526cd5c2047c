#include <gtest/gtest.h>

#include <sstream>

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

TEST(Runner, HelpNamesEveryAction) {
    const std::string help = usage_text();
    for (const char* word : {"pick", "type", "paste", "click", "up", "down", "save", "open",
                             "print", "dump", "Exit status"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace kv::batch
