#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "panel/kv2841a.h"
#include "register_lists/register_lists.h"
#include "support/fake_platform.h"
#include "support/window_fixture.h"

namespace kv::test {
namespace {

// The start words of the 44 register boxes, written out here on their own so
// that the expected files do not lean on the program's table.
const std::vector<std::string> kStartImage = {
    "FFF00", "011D5", "32178", "28F5C", "0FB00", "EB84F", "0C400", "51EB7", "318C2",
    "55700", "9965E", "B145C", "B249C", "62625", "8AAFE", "FFF80", "5F910", "40077",
    "7C030", "90708", "008B2", "420AE", "75541", "F7BDE", "FFF80", "5FA10", "40077",
    "FC030", "90C00", "4208D", "75541", "FFF80", "5F910", "40077", "7C030", "90C00",
    "420A8", "75541", "EE296", "47002", "00000", "FFFFD", "FFFFD", "FFFFD"};

std::string expected_spi(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& word : words) {
        out.append(word).push_back('\t');
    }
    return out;
}

// For five-character words only.
std::string expected_c(const std::vector<std::string>& words) {
    std::string out;
    for (std::size_t n = 0; n < words.size(); ++n) {
        const std::string& w = words[n];
        std::array<char, 64> line{};
        std::snprintf(line.data(), line.size(), "0x%02zX,0x0%c,0x%c%c,0x%c%c,\r\n", n, w[0], w[1],
                      w[2], w[3], w[4]);
        out += line.data();
    }
    return out;
}

std::string expected_no(const std::vector<std::string>& words) {
    std::string out;
    for (std::size_t n = 0; n < words.size(); ++n) {
        std::array<char, 64> line{};
        std::snprintf(line.data(), line.size(), "Reg%zu\t%s\r\n", n, words[n].c_str());
        out += line.data();
    }
    return out;
}

// Line n of a file whose lines end in CR LF, with its CR LF.
std::string line_of(const std::string& file, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        start = file.find("\r\n", start) + 2;
    }
    return file.substr(start, file.find("\r\n", start) + 2 - start);
}

std::vector<std::string> with_word(std::size_t n, std::string word) {
    std::vector<std::string> words = kStartImage;
    words[n] = std::move(word);
    return words;
}

// ---- layouts -----------------------------------------------------------------

TEST(SpiList, StartImageIs264BytesEndingInTab) {
    const std::string file = spi_list(kStartImage);
    EXPECT_EQ(file.size(), 264U);
    EXPECT_EQ(file, expected_spi(kStartImage));
    EXPECT_EQ(file.substr(0, 12), "FFF00\t011D5\t");
    EXPECT_EQ(file.back(), '\t');
    EXPECT_EQ(file.find_first_of("\r\n"), std::string::npos);
}

TEST(CList, StartImageIs968BytesOfFourItemLines) {
    const std::string file = c_list(kStartImage);
    EXPECT_EQ(file.size(), 968U);
    EXPECT_EQ(file, expected_c(kStartImage));
    EXPECT_EQ(line_of(file, 0), "0x00,0x0F,0xFF,0x00,\r\n");
    EXPECT_EQ(line_of(file, 9), "0x09,0x05,0x57,0x00,\r\n");
    EXPECT_EQ(line_of(file, 10), "0x0A,0x09,0x96,0x5E,\r\n");
    EXPECT_EQ(line_of(file, 15), "0x0F,0x0F,0xFF,0x80,\r\n");
    EXPECT_EQ(line_of(file, 43), "0x2B,0x0F,0xFF,0xFD,\r\n");
    EXPECT_EQ(file.substr(file.size() - 3), ",\r\n");
    EXPECT_EQ(file.find(' '), std::string::npos);
}

TEST(NoList, StartImageIs562BytesOfNumberedLines) {
    const std::string file = no_list(kStartImage);
    EXPECT_EQ(file.size(), 562U);
    EXPECT_EQ(file, expected_no(kStartImage));
    EXPECT_EQ(line_of(file, 0), "Reg0\tFFF00\r\n");
    EXPECT_EQ(line_of(file, 2), "Reg2\t32178\r\n");
    EXPECT_EQ(line_of(file, 9), "Reg9\t55700\r\n");
    EXPECT_EQ(line_of(file, 10), "Reg10\t9965E\r\n");
    EXPECT_EQ(line_of(file, 43), "Reg43\tFFFFD\r\n");
    EXPECT_EQ(file.find(' '), std::string::npos);
}

// Words typed by hand reach the C list cut by character position.
struct TypedWord {
    const char* name;
    std::string word;
    std::string c_line;  // the C list line of register 30
    // Test output names a row by its name.
    friend void PrintTo(const TypedWord& row, std::ostream* out) { *out << row.name; }
};

class TypedWords : public ::testing::TestWithParam<TypedWord> {};

TEST_P(TypedWords, CListCutsByPosition) {
    const TypedWord& row = GetParam();
    EXPECT_EQ(line_of(c_list(with_word(30, row.word)), 30), row.c_line);
}

TEST_P(TypedWords, SpiAndNoListsCarryTheTextUnchanged) {
    const TypedWord& row = GetParam();
    const auto words = with_word(30, row.word);
    EXPECT_EQ(spi_list(words), expected_spi(words));
    EXPECT_EQ(line_of(no_list(words), 30), "Reg30\t" + row.word + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Register30, TypedWords,
    ::testing::Values(TypedWord{"Empty", "", "0x1E,0x0,0x,0x,\r\n"},
                      TypedWord{"OneCharacter", "7", "0x1E,0x07,0x,0x,\r\n"},
                      TypedWord{"ThreeLowerCase", "abc", "0x1E,0x0a,0xbc,0x,\r\n"},
                      TypedWord{"FourCharacters", "1234", "0x1E,0x01,0x23,0x4,\r\n"},
                      TypedWord{"LowerCaseWord", "7c03f", "0x1E,0x07,0xc0,0x3f,\r\n"},
                      TypedWord{"SevenCharacters", "1234567", "0x1E,0x01,0x23,0x45,\r\n"},
                      TypedWord{"NotHex", "G-Z!?", "0x1E,0x0G,0x-Z,0x!?,\r\n"},
                      TypedWord{"WideCharacters", "寄存器AB", "0x1E,0x0寄,0x存器,0xAB,\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- save commands -----------------------------------------------------------

// A window in its design state: the register boxes hold their start words.
class SaveCommands : public ::testing::Test {
protected:
    void set_word(std::size_t n, std::string text) { w.Text1[n].set_text(std::move(text)); }

    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
};

struct Command {
    const char* name;
    CommandButton Kv2841a::*button;  // null for the menu item
    std::string (*expected)(const std::vector<std::string>&);
    // Test output names a row by its name.
    friend void PrintTo(const Command& row, std::ostream* out) { *out << row.name; }
};

class EachCommand : public SaveCommands, public ::testing::WithParamInterface<Command> {
protected:
    void run() {
        if (GetParam().button == nullptr) {
            ASSERT_TRUE(w.save_file.click());
        } else {
            ASSERT_TRUE((w.*GetParam().button).click());
        }
    }
};

TEST_P(EachCommand, WritesItsLayoutOfTheStartImage) {
    platform.dialog_answers = {"/home/eng/regs.txt"};
    run();
    ASSERT_EQ(platform.files.count("/home/eng/regs.txt"), 1U);
    EXPECT_EQ(platform.files["/home/eng/regs.txt"], GetParam().expected(kStartImage));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.focus, std::vector<std::string>{"FocusSeter"});
}

TEST_P(EachCommand, PreparesTheDialog) {
    run();
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].dialog_title, "保存文件");
    EXPECT_EQ(platform.dialogs[0].filter, "Text_Files(*.txt)|*.txt");
    EXPECT_EQ(platform.dialogs[0].file_name, "");
}

TEST_P(EachCommand, CancelWritesNothingAndMovesTheFocus) {
    platform.dialog_answers = {std::nullopt};
    run();
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.events, (std::vector<std::string>{"dialog", "focus FocusSeter"}));
    EXPECT_EQ(w.focused(), &w.FocusSeter);
}

TEST_P(EachCommand, FailureIsToldWithNameAndReason) {
    platform.dialog_answers = {"/mnt/full/regs.txt"};
    platform.save_failure = "磁盘空间不足";
    run();
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.title, "警告");
    EXPECT_EQ(m.text, "/mnt/full/regs.txt\n文件保存失败：磁盘空间不足");
    EXPECT_EQ(platform.events, (std::vector<std::string>{"dialog", "save /mnt/full/regs.txt",
                                                         "message 警告", "focus FocusSeter"}));
}

INSTANTIATE_TEST_SUITE_P(
    RegisterLists, EachCommand,
    ::testing::Values(Command{"MenuSave", nullptr, expected_spi},
                      Command{"SaveSpiList", &Kv2841a::save_reg_list, expected_spi},
                      Command{"SaveCList", &Kv2841a::SaveHexList, expected_c},
                      Command{"SaveNoList", &Kv2841a::SaveTipList, expected_no}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SaveCommands, MenuAndButtonWriteIdenticalBytes) {
    set_word(30, "abc");
    platform.dialog_answers = {"/a/menu.txt", "/a/button.txt"};
    w.save_file.click();
    w.save_reg_list.click();
    EXPECT_EQ(platform.files["/a/menu.txt"], platform.files["/a/button.txt"]);
    EXPECT_EQ(platform.files["/a/menu.txt"], expected_spi(with_word(30, "abc")));
}

TEST_F(SaveCommands, BlankNameStopsWithoutWritingOrMovingTheFocus) {
    for (const char* name : {"", " ", "     "}) {
        platform.dialog_answers = {std::string(name)};
        w.SaveTipList.click();
    }
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.focus.empty());
}

TEST_F(SaveCommands, NameWithoutExtensionIsUsedAsIs) {
    platform.dialog_answers = {"/home/eng/regs"};
    w.SaveHexList.click();
    EXPECT_EQ(platform.files.size(), 1U);
    EXPECT_EQ(platform.files.count("/home/eng/regs"), 1U);
}

TEST_F(SaveCommands, NameWithSpacesIsUsedExactly) {
    platform.dialog_answers = {" /home/eng/my regs .txt "};
    w.save_reg_list.click();
    EXPECT_EQ(platform.files.count(" /home/eng/my regs .txt "), 1U);
}

TEST_F(SaveCommands, DialogRemembersTheNameAcrossCommands) {
    platform.dialog_answers = {"/home/eng/first.txt", std::nullopt, "/home/eng/second.txt",
                               std::nullopt};
    w.save_file.click();
    w.SaveHexList.click();
    w.SaveTipList.click();
    w.save_reg_list.click();
    ASSERT_EQ(platform.dialogs.size(), 4U);
    EXPECT_EQ(platform.dialogs[0].file_name, "");
    EXPECT_EQ(platform.dialogs[1].file_name, "/home/eng/first.txt");
    EXPECT_EQ(platform.dialogs[2].file_name, "/home/eng/first.txt");
    EXPECT_EQ(platform.dialogs[3].file_name, "/home/eng/second.txt");
}

TEST_F(SaveCommands, ExistingFileIsReplacedOnlyAfterYes) {
    platform.files["/home/eng/regs.txt"] = "old bytes";
    platform.dialog_answers = {"/home/eng/regs.txt"};
    platform.answers = {MessageAnswer::Yes};
    w.SaveTipList.click();
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.icon, MessageIcon::None);
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.title, "警告");
    EXPECT_EQ(m.text, "regs.txt文件已经存在，是否替换？");
    EXPECT_EQ(platform.files["/home/eng/regs.txt"], expected_no(kStartImage));
    EXPECT_EQ(platform.events,
              (std::vector<std::string>{"dialog", "message 警告", "save /home/eng/regs.txt",
                                        "focus FocusSeter"}));
}

TEST_F(SaveCommands, NoToTheQuestionLeavesTheOldFileAndTheFocus) {
    platform.files["/home/eng/regs.txt"] = "old\r\nbytes\t";
    platform.dialog_answers = {"/home/eng/regs.txt"};
    platform.answers = {MessageAnswer::No};
    w.SaveHexList.click();
    EXPECT_EQ(platform.files["/home/eng/regs.txt"], "old\r\nbytes\t");
    EXPECT_EQ(platform.events, (std::vector<std::string>{"dialog", "message 警告"}));
}

TEST_F(SaveCommands, QuestionNamesAFileWithoutFolderAsItIs) {
    platform.files["regs"] = "old";
    platform.dialog_answers = {"regs"};
    platform.answers = {MessageAnswer::No};
    w.save_file.click();
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, "regs文件已经存在，是否替换？");
}

TEST_F(SaveCommands, SavingChangesNoRegisterBox) {
    set_word(2, "12");
    w.mark(2, true);
    platform.dialog_answers = {"/a/1.txt", "/a/2.txt", "/a/3.txt"};
    platform.save_failure.reset();
    w.save_reg_list.click();
    w.SaveHexList.click();
    platform.save_failure = "没有写入权限";
    w.SaveTipList.click();
    for (std::size_t n = 0; n < w.Text1.size(); ++n) {
        EXPECT_EQ(w.Text1[n].text(), with_word(2, "12")[n]) << n;
        EXPECT_EQ(w.Text1[n].back_color(), n == 2 || n == 19 ? kHighlight : kWindowBackground);
    }
}

// After start-up the files carry whatever the boxes hold, hand-typed words included.
using SaveAfterStart = LoadedWindow;

TEST_F(SaveAfterStart, FilesCarryTheCurrentTexts) {
    w.Text1[30].set_text("abc");
    std::vector<std::string> texts;
    for (const TextBox& box : w.Text1) {
        texts.push_back(box.text());
    }
    platform.dialog_answers = {"/a/spi.txt", "/a/no.txt"};
    w.save_reg_list.click();
    w.SaveTipList.click();
    EXPECT_EQ(platform.files["/a/spi.txt"], expected_spi(texts));
    EXPECT_EQ(platform.files["/a/no.txt"], expected_no(texts));
    EXPECT_NE(platform.files["/a/spi.txt"].find("\tabc\t"), std::string::npos);
}

// A red LO list holds the words of the last frequency that fitted: typing 12800
// passes 1280 on the way. The save asks first, and No writes nothing.
TEST_F(SaveAfterStart, RedLoListIsNamedBeforeSaving) {
    ASSERT_TRUE(w.Freq_ck.click());
    w.ch2bz.select_all();
    ASSERT_TRUE(w.ch2bz.type("12800"));
    ASSERT_EQ(w.ch2bz.back_color(), kPureRed);
    const std::string words = reg(4) + reg(5);
    platform.messages.clear();
    platform.dialog_answers = {"/a/regs.txt", "/a/regs.txt"};
    platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
    w.SaveHexList.click();
    EXPECT_TRUE(platform.files.empty());
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.title, "警告");
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.text,
              "2通道本振的频率12800无法设置，将保存的是1280 MHz的寄存器值。\n是否仍然保存？");
    w.SaveHexList.click();
    EXPECT_EQ(platform.files.count("/a/regs.txt"), 1U);
    EXPECT_EQ(reg(4) + reg(5), words);
}

TEST_F(SaveAfterStart, NoQuestionWhileEveryLoListFits) {
    platform.messages.clear();
    platform.dialog_answers = {"/a/regs.txt"};
    w.save_file.click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.files.count("/a/regs.txt"), 1U);
}

}  // namespace
}  // namespace kv::test
