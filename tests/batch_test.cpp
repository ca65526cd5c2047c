#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/name_suggestion.h"
#include "batch/runner.h"
#include "batch/script_input.h"
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
    ScriptInput script("type fbA 20\ntype crystal 40\nprint fbA\n");
    EXPECT_EQ(runner.run(script), kSomeRefused);
    EXPECT_EQ(out.str(), "20\n");
    EXPECT_EQ(err.str(), "line 2: refused: crystal is locked\n");
}

TEST(Runner, AnUnreadableLineStopsTheRun) {
    std::ostringstream out;
    std::ostringstream err;
    Runner runner(out, err);
    ScriptInput script("up VScroll_fbA\nup fbA\nprint fbA\n");
    EXPECT_EQ(runner.run(script), kUnreadableLine);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "line 2: fbA has no arrows\n");
}

// The lines a script gives, and how its reading ends.
struct InputRow {
    const char* name;
    std::string script;
    std::vector<std::string> lines;
    ScriptInput::Read end;
};

std::vector<InputRow> input_rows() {
    const std::vector<std::string> lines = {"a 1", "", "b 2", "c 3"};
    const std::string longest(kLongestLine, 'x');
    using Read = ScriptInput::Read;
    return {
        {"Lf", "a 1\n\nb 2\nc 3\n", lines, Read::End},
        {"Cr", "a 1\r\rb 2\rc 3", lines, Read::End},
        {"CrLf", "a 1\r\n\r\nb 2\r\nc 3\r\n", lines, Read::End},
        {"Mixed", "a 1\n\r\nb 2\rc 3", lines, Read::End},
        {"LongestLine", longest + "\nb", {longest, "b"}, Read::End},
        {"LineOverTheCap", "a 1\n" + longest + "x\nb", {"a 1"}, Read::BadLine},
        {"NulInALine", std::string("a 1\nb \0 2\n", 9), {"a 1"}, Read::BadLine},
    };
}

class Input : public ::testing::TestWithParam<InputRow> {};

TEST_P(Input, GivesItsLinesUntilItsEnd) {
    ScriptInput input(GetParam().script);
    std::vector<std::string> lines;
    std::string line;
    std::string why;
    ScriptInput::Read read = ScriptInput::Read::Line;
    while ((read = input.next(line, why)) == ScriptInput::Read::Line) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, GetParam().lines);
    EXPECT_EQ(read, GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(Scripts, Input, ::testing::ValuesIn(input_rows()),
                         [](const auto& row) { return std::string(row.param.name); });

struct RunRow {
    const char* name;
    std::string script;
    int status;
    const char* err;
};

// Each script runs in a fresh window; the error stream names the line.
class Runs : public ::testing::TestWithParam<RunRow> {};

TEST_P(Runs, ExitStatusAndReport) {
    std::ostringstream out;
    std::ostringstream err;
    Runner runner(out, err);
    ScriptInput script(GetParam().script);
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
               "line 2: refused: crystal is locked"},
        RunRow{"MistypedControl", "pick ch1bzz 1176\n", kUnreadableLine,
               "line 1: unknown control 'ch1bzz'; did you mean 'ch1bz'?"},
        RunRow{"MistypedAction", "print fbA\ndumpp\n", kUnreadableLine,
               "line 2: unknown action 'dumpp'; did you mean 'dump'?"},
        RunRow{"PasteIntoAListThatDiscardsKeys", "paste crylist 40\n", kSomeRefused,
               "line 1: refused: crylist discarded the paste"},
        RunRow{"PasteHoldingATab", "click Freq_ck\npaste ch1bz 1400\t5\n", kSomeRefused,
               "line 2: refused: ch1bz refuses a paste holding a TAB"},
        RunRow{"NulInALine", std::string("print fbA\nprint fb\0A\n", 20), kUnreadableLine,
               "line 2: a NUL byte in the line"},
        RunRow{"LineOver1MiB", "print fbA\n" + std::string(kLongestLine + 1, ' '), kUnreadableLine,
               "line 2: a line longer than 1 MiB"}),
    [](const auto& row) { return std::string(row.param.name); });

// An output stream that takes nothing, as a full disk.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type /*c*/) override { return traits_type::eof(); }
};

TEST(Runner, OutputThatCannotBeWrittenIsAFailure) {
    FullDisk disk;
    std::ostream out(&disk);
    std::ostringstream err;
    Runner runner(out, err);
    ScriptInput script("dump\nprint fbA\n");
    EXPECT_EQ(runner.run(script), kSomeRefused);
    EXPECT_EQ(err.str(),
              "line 1: refused: cannot write the output: the stream failed\n"
              "line 2: refused: cannot write the output: the stream failed\n");
}

// Every control "controls" lists is one a script can name, and "print" gives
// the value listed; the tabs are listed by the keys "click" takes.
TEST(Runner, ControlsListsWhatScriptsCanName) {
    std::ostringstream out;
    std::ostringstream err;
    Runner runner(out, err);
    ScriptInput listing("click Freq_ck\npick crylist 40\ncontrols\n");
    ASSERT_EQ(runner.run(listing), kAllRan) << err.str();
    std::istringstream lines(out.str());
    std::map<std::string, std::string> pages;
    std::string script;
    std::string expected;
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        std::istringstream fields(line);
        std::string name, kind, page, value;
        ASSERT_TRUE(std::getline(fields, name, '\t') && std::getline(fields, kind, '\t') &&
                    std::getline(fields, page, '\t'))
            << line;
        std::getline(fields, value);
        pages[name] = page;
        if (kind != "Tab") {
            script += "print " + name + "\n";
            expected += value + "\n";
        }
    }
    EXPECT_EQ(pages.size(), count) << "a name listed twice";
    EXPECT_EQ(pages["crylist"], "key1");
    EXPECT_EQ(pages["VScroll_fbA"], "key2");
    EXPECT_EQ(pages["CH3_RF_Gain"], "key3");
    EXPECT_EQ(pages["Text1(43)"], "key4");
    EXPECT_EQ(pages["key3"], "key3");
    EXPECT_EQ(pages["save_file"], "-");
    std::ostringstream printed;
    Runner again(printed, err);
    ScriptInput prints("click Freq_ck\npick crylist 40\n" + script);
    EXPECT_EQ(again.run(prints), kAllRan) << err.str();
    EXPECT_EQ(printed.str(), expected);
}

TEST(NearestName, IsWithinTwoEditsAndHalfTheName) {
    const std::vector<std::string> names = {"ch1bz", "ch2bz", "Combo1", "fbA", "Text1(5)"};
    const std::pair<const char*, const char*> rows[] = {
        {"ch1bzz", "ch1bz"}, {"CH2BZ", "ch2bz"}, {"combo7", "Combo1"}, {"Text1(55)", "Text1(5)"},
        {"fbx", "fbA"},      {"xyz", ""},        {"Combo", "Combo1"},  {"c", ""},
    };
    for (const auto& [mistyped, meant] : rows) {
        EXPECT_EQ(nearest_name(mistyped, names).value_or(""), meant) << mistyped;
    }
}

TEST(Runner, HelpNamesEveryAction) {
    const std::string help = usage_text();
    for (const char* word : {"pick", "type", "paste", "click", "up", "down", "save", "open",
                             "print", "dump", "controls", "Exit status", "CR, LF and CR LF",
                             "ends in blanks", "extra words", "save that wrote nothing"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace kv::batch
