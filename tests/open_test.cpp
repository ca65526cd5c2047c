#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/register_lists.h"
#include "panel/kv2841a.h"
#include "support/window_fixture.h"
#include "support/window_state.h"

// Opening a register list file at the window: the open dialog, what a bad file
// tells the person (and that it changes nothing), and the window a good file
// leaves behind.
namespace kv::test {
namespace {

std::vector<std::string> start_words() {
    return {kDefaultWords.begin(), kDefaultWords.end()};
}

class Open : public LoadedWindow {
protected:
    // A window away from its start: another crystal, LO, gain and output.
    void change_settings() {
        ASSERT_TRUE(w.Freq_ck.click());
        ASSERT_TRUE(w.ADC_ck.click());
        ASSERT_TRUE(w.crylist.pick("40"));
        ASSERT_TRUE(w.ch2bz.pick("1268"));
        ASSERT_TRUE(w.CH3_RF_Gain.pick("22"));
        ASSERT_TRUE(w.DCout.click());
        platform.messages.clear();
        platform.events.clear();
    }
};

TEST_F(Open, DialogOffersTextAndAllFilesWhereTheLastFileWas) {
    platform.dialog_answers = {"/boards/a/regs.txt", std::nullopt};
    ASSERT_TRUE(w.save_reg_list.click());
    ASSERT_TRUE(w.open_file.click());
    ASSERT_EQ(platform.dialogs.size(), 2U);
    const CommonDialog& dialog = platform.dialogs[1];
    EXPECT_EQ(dialog.dialog_title, "打开文件");
    EXPECT_EQ(dialog.filter, "Text_Files(*.txt)|*.txt|All_Files(*)|*");
    EXPECT_EQ(dialog.init_dir, "/boards/a");
    EXPECT_EQ(platform.focus.back(), "FocusSeter");
}

TEST_F(Open, TheOpenedFileIsWhereTheNextDialogsStart) {
    platform.files["/boards/b/old.txt"] = spi_list(start_words());
    platform.dialog_answers = {"/boards/b/old.txt", std::nullopt, std::nullopt};
    ASSERT_TRUE(w.open_file.click());
    ASSERT_TRUE(w.open_file.click());
    ASSERT_TRUE(w.save_file.click());
    EXPECT_EQ(platform.dialogs[1].init_dir, "/boards/b");
    EXPECT_EQ(platform.dialogs[2].file_name, "/boards/b/old.txt");
}

TEST_F(Open, StartImageOpensSilently) {
    change_settings();
    platform.files["regs.txt"] = no_list(start_words());
    ASSERT_TRUE(w.open_register_list("regs.txt"));
    EXPECT_TRUE(platform.messages.empty());
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_EQ(reg(n), kDefaultWords[static_cast<std::size_t>(n)]) << n;
    }
    EXPECT_EQ(marked_registers(), std::vector<int>{19});
}

struct BadInput {
    const char* name;
    std::string bytes;         // the file, when it can be read
    std::string read_failure;  // else why the platform cannot read it
    std::string message;       // after "文件打开失败："
};

std::vector<BadInput> bad_inputs() {
    const auto words = start_words();
    std::string out_of_order = c_list(words);
    out_of_order.replace(out_of_order.find("0x05,"), 5, "0x04,");
    std::string control = no_list(words);
    control.replace(control.find("FFFFD"), 1, "\x1b");
    return {
        {"NoLayout", "registers: FFF00 011D5\n", "",
         "不是寄存器列表文件（SPI列表、.C列表或No.列表）"},
        {"FewerRegisters", spi_list(std::vector<std::string>(words.begin(), words.end() - 1)), "",
         "只有43个寄存器，应为44个"},
        {"MoreRegisters", no_list(words) + "Reg44\t00000\r\n", "", "第45行：寄存器多于44个"},
        {"CNumberOutOfOrder", out_of_order, "", "第6行：寄存器编号应为0x05"},
        {"NotPrintable", control, "", "第42行：含有不可打印的字符"},
        {"Folder", "", "这是一个文件夹", "这是一个文件夹"},
        {"Unreadable", "", "没有读取权限", "没有读取权限"},
        {"PipeOrDevice", "", "不是普通文件（设备、管道或套接字）",
         "不是普通文件（设备、管道或套接字）"},
        {"TooLarge", "", "文件大于1 MiB", "文件大于1 MiB"},
    };
}

class OpenBadInput : public Open, public ::testing::WithParamInterface<BadInput> {};

TEST_P(OpenBadInput, IsToldAndChangesNothing) {
    const BadInput& bad = GetParam();
    change_settings();
    platform.files["/work/regs.txt"] = bad.bytes;
    if (!bad.read_failure.empty()) {
        platform.read_failure = bad.read_failure;
    }
    const std::string before = window_state(w, module);
    platform.dialog_answers = {"/work/regs.txt"};
    ASSERT_TRUE(w.open_file.click());
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "警告");
    EXPECT_EQ(platform.messages[0].text, "/work/regs.txt\n文件打开失败：" + bad.message);
    EXPECT_EQ(window_state(w, module), before);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenBadInput, ::testing::ValuesIn(bad_inputs()),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kv::test
