#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/register_map.h"
#include "register_lists/register_list_reading.h"
#include "register_lists/register_lists.h"

// Reading register list files: the three layouts as the program writes them
// and as editors leave them, the texts that are no words, and every reason a
// file is refused, with its line.
namespace kv::test {
namespace {

std::vector<std::string> start_words() {
    return {kDefaultWords.begin(), kDefaultWords.end()};
}

std::vector<std::string> with(std::vector<std::string> words, int n, std::string text) {
    words[static_cast<std::size_t>(n)] = std::move(text);
    return words;
}

// Every `from` in the text replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Each CR LF line of the text between a prefix and a suffix.
std::string framed_lines(const std::string& text, const std::string& prefix,
                         const std::string& suffix) {
    return prefix + replaced(text.substr(0, text.size() - 2), "\r\n", suffix + "\r\n" + prefix) +
           suffix + "\r\n";
}

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

struct GoodRow {
    const char* name;
    std::string bytes;
    ListLayout layout;
    std::vector<std::string> texts;
    std::vector<int> cut;
};

std::vector<GoodRow> good_rows() {
    const auto words = start_words();
    const std::string spi = spi_list(words);
    const std::string c = c_list(words);
    const std::string no = no_list(words);
    const auto odd = with(with(with(words, 3, "abc"), 30, ""), 43, "12345678901234567890");
    const auto wide = with(with(words, 7, "一二三"), 12, "lo 1176");
    return {
        {"SpiAsWritten", spi, ListLayout::Spi, words, {}},
        {"CAsWritten", c, ListLayout::C, words, {}},
        {"NoAsWritten", no, ListLayout::No, words, {}},
        {"SpiFinalLf", spi + "\n", ListLayout::Spi, words, {}},
        {"SpiFinalCrLf", spi + "\r\n", ListLayout::Spi, words, {}},
        {"SpiFinalTabStripped", spi.substr(0, spi.size() - 1), ListLayout::Spi, words, {}},
        {"SpiBlanksAfterLastTab", spi + "  \n\n", ListLayout::Spi, words, {}},
        {"SpiLowerCase", lower(spi), ListLayout::Spi, words, {}},
        {"SpiByteOrderMark", "\xEF\xBB\xBF" + spi, ListLayout::Spi, words, {}},
        {"CLfLowerCase", lower(replaced(c, "\r\n", "\n")), ListLayout::C, words, {}},
        {"CNoFinalLineEnd", c.substr(0, c.size() - 2), ListLayout::C, words, {}},
        {"CIndentedTrailingBlanks", framed_lines(c, "    ", " \t"), ListLayout::C, words, {}},
        {"CBlankLinesAtEnd", c + "\r\n  \r\n", ListLayout::C, words, {}},
        {"NoLf", replaced(no, "\r\n", "\n"), ListLayout::No, words, {}},
        {"NoNoFinalLineEnd", no.substr(0, no.size() - 2), ListLayout::No, words, {}},
        {"NoTrailingBlanks", replaced(no, "\r\n", "  \r\n"), ListLayout::No, words, {}},
        {"NoByteOrderMarkLowerCase", "\xEF\xBB\xBF" + lower(no), ListLayout::No, words, {}},
        {"SpiTextsThatAreNoWords", spi_list(odd), ListLayout::Spi, odd, {}},
        {"NoTextsThatAreNoWords", no_list(odd), ListLayout::No, odd, {}},
        {"NoTextsOutsideAscii", no_list(wide), ListLayout::No, wide, {}},
        {"CShortTextsComeBackWhole",
         c_list(with(with(words, 3, "abc"), 30, "")),
         ListLayout::C,
         with(with(words, 3, "abc"), 30, ""),
         {}},
        {"CLongTextsAreCut",
         c_list(with(with(words, 12, "lo 1176"), 43, "ZZZZZ")),
         ListLayout::C,
         with(with(words, 12, "lo 11"), 43, "ZZZZZ"),
         {12, 43}},
        {"CCommasInsideText",
         c_list(with(words, 5, "a,0x")),
         ListLayout::C,
         with(words, 5, "a,0x"),
         {}},
    };
}

class GoodFile : public ::testing::TestWithParam<GoodRow> {};

TEST_P(GoodFile, GivesTheTextsOfTheRegisters) {
    const GoodRow& row = GetParam();
    const ListReading reading = read_register_list(row.bytes);
    ASSERT_TRUE(reading.list) << reading.error.line << ": " << reading.error.reason;
    EXPECT_EQ(reading.list->layout, row.layout);
    EXPECT_EQ(std::vector<std::string>(reading.list->texts.begin(), reading.list->texts.end()),
              row.texts);
    EXPECT_EQ(reading.list->cut_registers, row.cut);
}

INSTANTIATE_TEST_SUITE_P(Files, GoodFile, ::testing::ValuesIn(good_rows()),
                         [](const auto& row) { return std::string(row.param.name); });

struct BadRow {
    const char* name;
    std::string bytes;
    int line;
    std::string reason;
};

std::string first_lines(const std::string& file, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        end = file.find('\n', end) + 1;
    }
    return file.substr(0, end);
}

std::vector<BadRow> bad_rows() {
    const auto words = start_words();
    const std::string c = c_list(words);
    const std::string no = no_list(words);
    const std::string spi = spi_list(words);
    const std::string not_a_list = "无法作为寄存器列表打开";
    const std::string unprintable = "含有不可打印的字符";
    const std::string lone_cr = "行尾只有回车符（CR），应为LF或CR LF";
    const std::string tab_in_text = "寄存器字中含有TAB";
    return {
        {"Empty", "", 0, not_a_list},
        {"OnlyBlankLines", "\r\n  \n", 0, not_a_list},
        {"Prose", "register list\nof the board\n", 0, not_a_list},
        {"SpiFewer", spi_list(std::vector<std::string>(43, "FFF00")), 0,
         "只有43个寄存器，应为44个"},
        {"SpiMore", spi + "FFFFD\t", 1, "寄存器多于44个"},
        {"CFewer", first_lines(c, 43), 0, "只有43个寄存器，应为44个"},
        {"CMore", c + c.substr(0, 22), 45, "寄存器多于44个"},
        {"NoFewer", first_lines(no, 10), 0, "只有10个寄存器，应为44个"},
        {"NoMore", no + "Reg44\t00000\r\n", 45, "寄存器多于44个"},
        {"COutOfOrder", replaced(c, "0x05,", "0x06,"), 6, "寄存器编号应为0x05"},
        {"CLineBroken", replaced(c, "0x07,0x05,0x1E,0xB7,", "0x07,0x05,0x1E"), 8,
         "不是.C列表的一行"},
        {"NoOutOfOrder", replaced(no, "Reg9\t", "Reg09\t"), 10, "寄存器编号应为Reg9"},
        {"NoLineWithoutTab", replaced(no, "Reg9\t", "Reg9 "), 10, "不是No.列表的一行"},
        {"NoTabInsideText", replaced(no, "Reg9\t55700", "Reg9\t55\t700"), 10, tab_in_text},
        {"NoDoubledTab", replaced(no, "Reg9\t", "Reg9\t\t"), 10, "Reg编号后有多于一个TAB"},
        {"CTabInsideText", c_list(with(words, 5, "\tAB")), 6, tab_in_text},
        {"ControlCharacter",
         replaced(no, "Reg2\t32178",
                  "Reg2\t32\x01"
                  "178"),
         3, unprintable},
        {"BrokenUtf8", replaced(c, "0x03,0x02,", "0x03,0x0\xE4,"), 4, unprintable},
        {"LoneCarriageReturn", replaced(no, "Reg4\t0FB00\r\n", "Reg4\t0FB00\r"), 5, lone_cr},
        {"CarriageReturnLineEnds", replaced(c, "\r\n", "\r"), 1, lone_cr},
        {"TwoByteOrderMarks", "\xEF\xBB\xBF\xEF\xBB\xBF" + spi, 1, "多余的字节顺序标记（BOM）"},
        {"ByteOrderMarkInsideText", replaced(no, "Reg7\t", "Reg7\t\xEF\xBB\xBF"), 8,
         "多余的字节顺序标记（BOM）"},
        {"NulInSpi",
         replaced(spi, "32178",
                  std::string("321\0"
                              "8",
                              5)),
         1, unprintable},
    };
}

class BadFile : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadFile, IsRefusedWithReasonAndLine) {
    const BadRow& row = GetParam();
    const ListReading reading = read_register_list(row.bytes);
    EXPECT_FALSE(reading.list);
    EXPECT_EQ(reading.error.line, row.line);
    EXPECT_EQ(reading.error.reason, row.reason);
}

INSTANTIATE_TEST_SUITE_P(Files, BadFile, ::testing::ValuesIn(bad_rows()),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kv::test
