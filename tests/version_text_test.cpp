#include "shell/version_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "shell/product.h"

namespace kv {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The usual form: "PROGRAM VERSION" alone on the first line (what help2man and
// package tools read), the copyright line of the maker, then the build with its
// release date in ISO form, YYYY-MM-DD with leading zeros.
TEST(VersionText, NamesProgramVersionMakerBuildAndDate) {
    const std::string text = version_text("kv2841a-batch");
    ASSERT_TRUE(text.ends_with('\n'));
    const std::vector<std::string> lines = lines_of(text);
    ASSERT_EQ(lines.size(), 3U) << text;
    EXPECT_EQ(lines[0], "kv2841a-batch " + std::string(product::kVersion));
    EXPECT_EQ(lines[1], "Copyright (C) " + std::to_string(product::kReleaseYear) + " " +
                            std::string(product::kCompany));
    const std::string build = "Build " + std::string(product::kBuild) + ", released ";
    ASSERT_TRUE(lines[2].starts_with(build)) << lines[2];
    const std::string date = lines[2].substr(build.size());
    ASSERT_EQ(date.size(), 11U) << date;
    EXPECT_EQ(date.substr(4, 1) + date.substr(7, 1) + date.substr(10), "--.");
    EXPECT_EQ(std::stoi(date.substr(0, 4)), product::kReleaseYear);
    EXPECT_EQ(std::stoi(date.substr(5, 2)), product::kReleaseMonth);
    EXPECT_EQ(std::stoi(date.substr(8, 2)), product::kReleaseDay);
}

}  // namespace
}  // namespace kv
