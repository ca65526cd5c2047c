#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "panel/kv2841a.h"
#include "panel/register_texts.h"
#include "register_lists/list_commands.h"
#include "register_lists/register_lists.h"
#include "support/window_fixture.h"
#include "support/window_state.h"
#include "window/window.h"

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
    ASSERT_TRUE(open_register_list(w, "regs.txt"));
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
        {"NoLayout", "registers: FFF00 011D5\n", "", "无法作为寄存器列表打开"},
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
    platform.dialog_answers = {"/boards/a/saved.txt", "/work/regs.txt"};
    ASSERT_TRUE(w.save_reg_list.click());
    const std::string before = window_state(w, module);
    const CommonDialog dialog_before = w.CommonDialog1;
    ASSERT_TRUE(w.open_file.click());
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "警告");
    EXPECT_EQ(platform.messages[0].text, "/work/regs.txt\n文件打开失败：" + bad.message);
    EXPECT_EQ(window_state(w, module), before);
    EXPECT_EQ(w.CommonDialog1, dialog_before) << "the save dialog's name and folder";
}

INSTANTIATE_TEST_SUITE_P(Files, OpenBadInput, ::testing::ValuesIn(bad_inputs()),
                         [](const auto& row) { return std::string(row.param.name); });

// A state away from the start in every group: crystal, LOs, bandwidth, gains,
// output and test switches.
class OpenChanged : public Open {
protected:
    OpenChanged() {
        change_settings();
        EXPECT_TRUE(w.crylist.pick("30"));
        w.ch1bz.select_all();
        EXPECT_TRUE(w.ch1bz.type("1400.125"));
        EXPECT_TRUE(w.Combo3.pick("40"));
        EXPECT_TRUE(w.CH1_AGC_SW.click());
        EXPECT_TRUE(w.CH1_AGC_Gain.pick("12"));
        EXPECT_TRUE(w.CH1_IFA_SW.click());
        EXPECT_TRUE(w.CH2_IFA_Gain.pick("8"));
        EXPECT_TRUE(w.D2S_ck.click());
        EXPECT_TRUE(w.danduan.click());
        EXPECT_TRUE(w.Option2bit.click());
        EXPECT_TRUE(w.VScroll_fbA.arrow_up());
        texts = register_texts(w);
    }

    // Opens the bytes in a new window and saves them again in the layout given.
    std::string opened_and_saved(const std::string& bytes, void (*save)(Kv2841a&)) {
        FakePlatform p;
        Module m;
        Kv2841aWindow opened(m, p);
        Form_Load(opened);
        p.files["in.txt"] = bytes;
        p.dialog_answers = {"out.txt"};
        EXPECT_TRUE(open_register_list(opened, "in.txt"));
        EXPECT_TRUE(p.messages.empty()) << p.messages.front().text;
        EXPECT_EQ(opened.crylist.text(), "30");
        EXPECT_EQ(opened.ch1bz.text(), "1400.125");
        EXPECT_EQ(opened.CH1_AGC_Gain.text(), "12");
        EXPECT_EQ(opened.Combo3.text(), "40");
        save(opened);
        return p.files["out.txt"];
    }

    std::vector<std::string> texts;
};

std::string lower_case(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string without(std::string text, char c) {
    std::erase(text, c);
    return text;
}

TEST_F(OpenChanged, CListPastedBackFromFirmwareSource) {
    const std::string pasted = lower_case(without(c_list(texts), '\r'));
    ASSERT_EQ(pasted.substr(0, 21), "0x00,0x0f,0xff,0x00,\n");
    EXPECT_EQ(opened_and_saved(pasted, SaveHexList_Click), c_list(texts));
}

TEST_F(OpenChanged, SpiListWithAFinalLineEndAdded) {
    EXPECT_EQ(opened_and_saved(spi_list(texts) + "\n", save_reg_list_Click), spi_list(texts));
}

TEST_F(OpenChanged, NoListWithItsCarriageReturnsRemoved) {
    const std::string edited = without(no_list(texts), '\r');
    ASSERT_EQ(edited.substr(0, 12), "Reg0\tFFF00\nR");
    EXPECT_EQ(opened_and_saved(edited, SaveTipList_Click), no_list(texts));
}

// Files whose words no setting fully gives: the crystal is the one every word
// that tells it agrees with, and the registers named are exactly those whose
// file text differs from the word of the settings the window ends with,
// whatever the opening window held before.
struct PartlyExplained {
    const char* name;
    std::function<void(Kv2841a&)> saved_from;  // the window that saved the file, from its start
    std::vector<std::pair<int, std::string>> typed;    // texts typed into the saved registers
    std::function<void(Kv2841a&, Module&)> opened_in;  // the window that opens it, from its start
    std::string crystal;
    std::string ch1bz;
    std::vector<int> named;
};

void unlock_and_type(Kv2841a& w, Module& m, int n, const std::string& text) {
    m.RegsUnlocked = 1;
    TextBox& box = w.Text1[static_cast<std::size_t>(n)];
    ASSERT_TRUE(box.click());
    box.select_all();
    ASSERT_TRUE(box.type(text));
}

void pick_crystal(Kv2841a& w, const std::string& mhz) {
    ASSERT_TRUE(w.Freq_ck.click());
    ASSERT_TRUE(w.crylist.pick(mhz));
}

void switch_digital_output_on(Kv2841a& w) {
    ASSERT_TRUE(w.ADC_ck.click());
    ASSERT_TRUE(w.DCout.click());
}

const auto kAsStarted = [](Kv2841a&, Module&) {};

std::vector<PartlyExplained> partly_explained() {
    return {
        {"Reg3NoLoGivesAt40",
         [](Kv2841a& w) { pick_crystal(w, "40"); },
         {{3, "FFFFF"}},
         kAsStarted,
         "40",
         "1176",
         {3}},
        {"Reg1AndReg3NoSettingGivesAt40",
         [](Kv2841a& w) { pick_crystal(w, "40"); },
         {{1, "00000"}, {3, "FFFFF"}},
         kAsStarted,
         "40",
         "1176",
         {1, 3}},
        {"Reg2OfAnotherCrystalAt16.368",
         [](Kv2841a& w) { pick_crystal(w, "16.368"); },
         {{2, "32178"}},
         kAsStarted,
         "16.368",
         "1176",
         {2}},
        {"NarrowReg18BesideWideReg1",
         [](Kv2841a& w) { ASSERT_TRUE(w.Combo1.pick("40")); },
         {{18, "7C030"}},
         kAsStarted,
         "25",
         "1176",
         {18}},
        {"Reg3StartWordBesideIntegerN",
         [](Kv2841a& w) {
             ASSERT_TRUE(w.Freq_ck.click());
             w.ch1bz.select_all();
             ASSERT_TRUE(w.ch1bz.type("1175"));
         },
         {{3, "28F5C"}},
         kAsStarted,
         "25",
         "1175",
         {3}},
        {"StaleManualEntryWhereReg1FitsNoCrystal",
         [](Kv2841a& w) { switch_digital_output_on(w); },
         {{1, "00000"}},
         [](Kv2841a& w, Module& m) {
             switch_digital_output_on(w);
             unlock_and_type(w, m, 8, "12345");
         },
         "25",
         "1176",
         {1}},
        {"StaleManualEntryOfARegisterNoSettingWrites",
         [](Kv2841a&) {},
         {},
         [](Kv2841a& w, Module& m) { unlock_and_type(w, m, 30, "abc"); },
         "25",
         "1176",
         {}},
    };
}

// The registers the box "提示" names as written from the file.
std::vector<int> named_registers(const std::vector<Message>& messages) {
    const std::string lead = "以下寄存器无法由面板设置得到，已按文件写入：";
    std::vector<int> named;
    for (const Message& message : messages) {
        const std::size_t at = message.text.find(lead);
        if (at == std::string::npos) {
            continue;
        }
        std::string names = message.text.substr(at + lead.size());
        names = names.substr(0, names.find('\n'));
        for (std::size_t reg = names.find("REG"); reg != std::string::npos;
             reg = names.find("REG", reg + 3)) {
            named.push_back(std::stoi(names.substr(reg + 3)));
        }
    }
    return named;
}

class OpenPartlyExplained : public Open, public ::testing::WithParamInterface<PartlyExplained> {};

TEST_P(OpenPartlyExplained, TakesTheCrystalOfEveryTellingWordAndNamesWhatDiffers) {
    const PartlyExplained& row = GetParam();
    row.saved_from(w);
    std::vector<std::string> texts = register_texts(w);
    for (const auto& [n, text] : row.typed) {
        texts[static_cast<std::size_t>(n)] = text;
    }
    FakePlatform p;
    Module m;
    Kv2841aWindow opened(m, p);
    Form_Load(opened);
    row.opened_in(opened, m);
    p.files["regs.txt"] = no_list(texts);
    p.messages.clear();
    ASSERT_TRUE(open_register_list(opened, "regs.txt"));
    EXPECT_EQ(opened.crylist.text(), row.crystal);
    EXPECT_EQ(opened.ch1bz.text(), row.ch1bz);
    EXPECT_EQ(named_registers(p.messages), row.named);
    EXPECT_EQ(register_texts(opened), texts);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenPartlyExplained, ::testing::ValuesIn(partly_explained()),
                         [](const auto& row) {
                             std::string name = row.param.name;
                             std::erase(name, '.');
                             return name;
                         });

TEST_F(Open, CrystalsThatFitAlikeAreToldAndTheRoundestLoWins) {
    ASSERT_TRUE(w.Freq_ck.click());
    ASSERT_TRUE(w.crylist.pick("20"));
    w.ch2bz.select_all();
    ASSERT_TRUE(w.ch2bz.type("1575.42"));
    platform.files["gps.txt"] = spi_list(register_texts(w));
    Module m;
    Kv2841aWindow opened(m, platform);
    Form_Load(opened);
    platform.messages.clear();
    ASSERT_TRUE(open_register_list(opened, "gps.txt"));
    EXPECT_EQ(opened.crylist.text(), "20");
    EXPECT_EQ(opened.ch2bz.text(), "1575.42");
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "提示");
    EXPECT_EQ(platform.messages[0].text,
              "晶振19.2、20 MHz得出相同的寄存器值，已选20 MHz；显示的本振频率按20 MHz晶振计算");
}

TEST_F(Open, RegistersNoSettingGivesAreWrittenAndTold) {
    auto words = start_words();
    words[2] = "ABCDE";
    words[13] = "12345";
    words[30] = "abc";
    platform.files["hand.txt"] = no_list(words);
    ASSERT_TRUE(open_register_list(w, "hand.txt"));
    EXPECT_EQ(reg(2), "ABCDE");
    EXPECT_EQ(reg(13), "12345");
    EXPECT_EQ(reg(30), "abc");
    EXPECT_EQ(marked_registers(), (std::vector<int>{2, 13, 19, 30}));
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text,
              "以下寄存器无法由面板设置得到，已按文件写入：REG2、REG13、REG30");
}

TEST_F(Open, CutCListWordsAreTold) {
    auto words = start_words();
    words[7] = "lo 1176";
    platform.files["c.txt"] = c_list(words);
    ASSERT_TRUE(open_register_list(w, "c.txt"));
    EXPECT_EQ(reg(7), "lo 11");
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text,
              "以下寄存器无法由面板设置得到，已按文件写入：REG7\n.C列表中可能被截短的寄存器：REG7");
}

}  // namespace
}  // namespace kv::test
