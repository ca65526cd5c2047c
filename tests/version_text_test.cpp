#include "shell/version_text.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "shell/product.h"

namespace kv {
namespace {

// The usual form: "PROGRAM VERSION" alone on the first line (what help2man and
// package tools read), the copyright line of the maker, then the build with its
// release date in ISO form.
TEST(VersionText, NamesProgramVersionMakerBuildAndDate) {
    const std::string text = version_text("kv2841a-batch");
    const std::regex form(R"(([^\n]*)\nCopyright \(C\) (\d{4}) ([^\n]*)\n)"
                          R"(Build ([^,]*), released (\d{4})-(\d{2})-(\d{2})\.\n)");
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(text, parts, form)) << text;
    EXPECT_EQ(parts[1].str(), "kv2841a-batch " + std::string(product::kVersion));
    EXPECT_EQ(std::stoi(parts[2]), product::kReleaseYear);
    EXPECT_EQ(parts[3].str(), product::kCompany);
    EXPECT_EQ(parts[4].str(), product::kBuild);
    EXPECT_EQ(std::stoi(parts[5]), product::kReleaseYear);
    EXPECT_EQ(std::stoi(parts[6]), product::kReleaseMonth);
    EXPECT_EQ(std::stoi(parts[7]), product::kReleaseDay);
}

}  // namespace
}  // namespace kv
