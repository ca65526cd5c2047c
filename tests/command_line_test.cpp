#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kv::app {
namespace {

struct Row {
    const char* name;
    std::vector<const char*> arguments;
    std::optional<std::string> file;
    std::optional<int> exit_status;
    const char* out_begins;    // what --help or --version print first
    const char* err_mentions;  // the argument a refusal names
};

const Row kRows[] = {
    {"nothing", {}, std::nullopt, std::nullopt, "", ""},
    {"file", {"board7.txt"}, "board7.txt", std::nullopt, "", ""},
    {"lone_dash_is_a_file", {"-"}, "-", std::nullopt, "", ""},
    {"file_after_double_dash", {"--", "--help"}, "--help", std::nullopt, "", ""},
    {"help", {"--help"}, std::nullopt, 0, "Usage: kv2841a [OPTION]... [FILE]\n", ""},
    {"short_help", {"-h"}, std::nullopt, 0, "Usage: kv2841a ", ""},
    {"help_after_file", {"board7.txt", "--help"}, std::nullopt, 0, "Usage: kv2841a ", ""},
    {"version", {"--version"}, std::nullopt, 0, "kv2841a ", ""},
    {"unknown_option", {"--verbose"}, std::nullopt, 2, "", "'--verbose'"},
    {"toolkit_option", {"-platform", "xcb"}, std::nullopt, 2, "", "'-platform'"},
    {"option_after_file", {"board7.txt", "-x"}, std::nullopt, 2, "", "'-x'"},
    {"two_files", {"a.txt", "b.txt"}, std::nullopt, 2, "", "'b.txt'"},
};

class CommandLineTest : public testing::TestWithParam<Row> {};

TEST_P(CommandLineTest, ReadsArguments) {
    const Row& row = GetParam();
    std::ostringstream out;
    std::ostringstream err;
    const CommandLine command = read_command_line(row.arguments, out, err);
    EXPECT_EQ(command.file, row.file);
    EXPECT_EQ(command.exit_status, row.exit_status);
    EXPECT_TRUE(out.str().starts_with(row.out_begins)) << out.str();
    EXPECT_NE(err.str().find(row.err_mentions), std::string::npos) << err.str();
    // A refusal says so on standard error only and points at --help; an
    // answer goes to standard output only.
    EXPECT_EQ(err.str().empty(), command.exit_status != 2);
    EXPECT_EQ(out.str().empty(), command.exit_status != 0);
    if (command.exit_status == 2) {
        EXPECT_NE(err.str().find("kv2841a --help"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineTest, testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kv::app
