#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/common_dialog.h"
#include "panel/controls.h"
#include "panel/crystals.h"
#include "panel/list_comparison.h"
#include "panel/module.h"
#include "panel/platform.h"
#include "panel/register_map.h"
#include "panel/setting_names.h"
#include "panel/window_history.h"

namespace kv {

// A channel's LO error box takes at most this many characters; the error is
// rounded to fit.
inline constexpr std::size_t kLoErrorLength = 9;
// The tip of the three LO lists.
inline constexpr std::string_view kLoListTip = "可手动输入 范围1.1G-1.6G";

// The designs that several controls share.
// A box that refuses typing: it shows what the program computes.
inline constexpr Design kLocked{.locked = true};
// A box that shows a result and discards every keystroke, though not locked.
inline constexpr Design kTakesNoTyping{.discards_keys = true};
inline constexpr Design kDisabled{.enabled = false};
inline constexpr Design kBandwidthList{.discards_keys = true, .items = ItemList::Bandwidths};
inline constexpr Design kCrystalList{.discards_keys = true, .items = ItemList::Crystals};
// The LO lists take a typed frequency.
inline constexpr Design kLoList{.tip = kLoListTip, .items = ItemList::LoFrequencies};
inline constexpr Design kLoErrorBox{.discards_keys = true, .max_length = kLoErrorLength};
inline constexpr Design kFrontEndGainList{.discards_keys = true, .items = ItemList::FrontEndGains};
// The AGC and IF-amplifier lists wait for their switches.
inline constexpr Design kAgcGainList{
    .enabled = false, .discards_keys = true, .items = ItemList::AgcGains};
inline constexpr Design kIfaGainList{
    .enabled = false, .discards_keys = true, .items = ItemList::IfaGains};

// The configuration window of the KV2841A: every control by the name the window
// gives it, the page switching, the register table and the helpers every
// procedure shares. Each subsystem folder declares its procedures and handlers
// in a header of its own (clock/clock.h, lo/lo.h, ...), each by the name the
// window gives it, with one attach_NAME(Kv2841a&) that window/ calls when it
// composes the window; a procedure reads and writes controls and keeps no
// copy of a word. The window draws nothing: a view binds to its controls.
class Kv2841a {
public:
    Kv2841a(Module& module, Platform& platform);
    Kv2841a(const Kv2841a&) = delete;
    Kv2841a& operator=(const Kv2841a&) = delete;

    [[nodiscard]] Module& module() { return module_; }
    [[nodiscard]] Platform& platform() { return platform_; }
    // Every control, in the order the window declares them.
    [[nodiscard]] const std::vector<Control*>& controls() const { return controls_; }
    // The control of that name ("ch1bz", "Text1(5)"), or null.
    [[nodiscard]] Control* find(std::string_view name) const;
    // Undo and redo of the person's steps.
    [[nodiscard]] WindowHistory& history() { return history_; }
    // The control that has the keyboard focus, or null.
    [[nodiscard]] const Control* focused() const { return focused_; }

    // Opens the MiniGame window; the application that owns both windows sets it.
    std::function<void()> show_MiniGame;
    // Shows the comparison of the window's register list with a file; the
    // front end sets it. Showing it changes nothing in the window.
    std::function<void(const std::string& path, const ListComparison&)> show_comparison;

    static constexpr std::string_view kCaption = "KV2841A寄存器配置工具";

    // Each control is declared with its start text or value and the facts of
    // its design (Design): locked, disabled, discarding keys, its tip and the
    // items of its list.

    // ---- menus -----------------------------------------------------------
    MenuItem files{"files", nullptr, "文件(F)"};
    MenuItem open_file{"open_file", &files, "打开(O)", "Ctrl+O"};
    MenuItem compare_file{"compare_file", &files, "比较(C)...", "Ctrl+D"};
    // The menu item is named Kv2841a on the window; C++ keeps that name for the class.
    MenuItem Kv2841a_item{"Kv2841a", &files, "KV2841A"};
    MenuItem cut_off_line1{"cut_off_line1", &files, "-"};
    MenuItem save_file{"save_file", &files, "保存(S)", "Ctrl+S"};
    MenuItem cun_off_line2{"cun_off_line2", &files, "-"};
    MenuItem exit{"exit", &files, "退出"};
    MenuItem edit{"edit", nullptr, "编辑(E)"};
    MenuItem undo{"undo", &edit, "撤销(U)", "Ctrl+Z"};
    MenuItem redo{"redo", &edit, "重做(R)", "Ctrl+Y; Ctrl+Shift+Z"};
    MenuItem help{"help", nullptr, "帮助(H)"};
    MenuItem munetips{"munetips", &help, "提示"};
    MenuItem edition{"edition", &help, "版本"};
    MenuItem about{"about", &help, "关于"};
    MenuItem Direction{"Direction", nullptr, "使用说明"};

    TabStrip TabStrip1{"TabStrip1", page_tabs()};
    // The maker's line, the date and the time; the shell puts them in.
    StatusBar StatusBar1{"StatusBar1", {}};
    TextBox FocusSeter{"FocusSeter", nullptr, "", kLocked};
    TextBox YFPB{"YFPB", nullptr, "1", {.visible = false, .locked = true}};
    CommonDialog CommonDialog1;

    // ---- page "功能调节" ---------------------------------------------------
    Frame Frame1{"Frame1", nullptr, ""};
    Frame Frame19{"Frame19", &Frame1, ""};
    CommandButton ResetAll{"ResetAll", &Frame19, "默 认"};
    Frame Frame7{"Frame7", &Frame1, "带宽选择"};
    ComboBox Combo1{"Combo1", &Frame7, "10", kBandwidthList};
    ComboBox Combo2{"Combo2", &Frame7, "10", kBandwidthList};
    ComboBox Combo3{"Combo3", &Frame7, "10", kBandwidthList};
    TextBox reg1_te{"reg1_te", &Frame7, "011D5", kLocked};
    Frame Frame12{"Frame12", &Frame1, "晶振选择"};
    ComboBox crylist{"crylist", &Frame12, "25", kCrystalList};
    Frame Frame8{"Frame8", &Frame1, "频率调节", kDisabled};
    Frame Frame9{"Frame9", &Frame8, "1通道本振"};
    ComboBox ch1bz{"ch1bz", &Frame9, "1176", kLoList};
    TextBox Ch1_Deviation{"Ch1_Deviation", &Frame9, "", kLoErrorBox};
    TextBox reg2_te{"reg2_te", &Frame9, "32178", kLocked};
    TextBox reg3_te{"reg3_te", &Frame9, "28F5C", kLocked};
    Frame Frame10{"Frame10", &Frame8, "2通道本振"};
    ComboBox ch2bz{"ch2bz", &Frame10, "1574.5", kLoList};
    TextBox Ch2_Deviation{"Ch2_Deviation", &Frame10, "", kLoErrorBox};
    TextBox reg4_te{"reg4_te", &Frame10, "0FB00", kLocked};
    TextBox reg5_te{"reg5_te", &Frame10, "EB84F", kLocked};
    Frame Frame11{"Frame11", &Frame8, "3通道本振"};
    ComboBox ch3bz{"ch3bz", &Frame11, "1227", kLoList};
    TextBox Ch3_Deviation{"Ch3_Deviation", &Frame11, "", kLoErrorBox};
    TextBox reg6_te{"reg6_te", &Frame11, "0C400", kLocked};
    TextBox reg7_te{"reg7_te", &Frame11, "51EB7", kLocked};
    Frame Frame6{"Frame6", &Frame1, "输出模式", kDisabled};
    Frame Frame17{"Frame17", &Frame6, ""};
    CheckBox ACout{"ACout", &Frame17, std::string(kAnalogOutSetting)};
    OptionButton danduan{"danduan", &Frame17, std::string(kSingleEndedSetting)};
    OptionButton chafen{"chafen", &Frame17, "差分输出"};
    Frame Frame15{"Frame15", &Frame6, ""};
    CheckBox DCout{"DCout", &Frame15, std::string(kDigitalOutSetting)};
    OptionButton Option2bit{"Option2bit", &Frame15, "2Bit输出", false, kDisabled};
    OptionButton Option4bit{"Option4bit", &Frame15, std::string(kFourBitSetting), false, kDisabled};
    TextBox outmode{"outmode", &Frame6, "318C2", kLocked};
    TextBox Reg23Ctrl{"Reg23Ctrl", &Frame6, "F7BDE", kLocked};
    Frame Frame5{"Frame5", &Frame1, "TestMode开关"};
    CheckBox ADC_ck{"ADC_ck", &Frame5, std::string(kAdcTestSetting)};
    CheckBox D2S_ck{"D2S_ck", &Frame5, std::string(kD2STestSetting)};
    CheckBox Freq_ck{"Freq_ck", &Frame5, std::string(kFreqTestSetting)};
    TextBox testmode{"testmode", &Frame5, "00000", kLocked};

    // ---- page "时钟调节" ---------------------------------------------------
    // The spin positions at design time match the design texts of the divider
    // boxes; the crystal spin stands away from 3 so that start-up moves it.
    Frame Frame3{"Frame3", nullptr, ""};
    TextBox crystal{"crystal", &Frame3, "25", kLocked};
    ScrollBar VScroll_crystal{"VScroll_crystal", &Frame3, 1, kCrystalCount, 1, 1};
    TextBox reA{"reA", &Frame3, "2", {.locked = true, .tip = "可选1,2"}};
    ScrollBar VScroll_reA{"VScroll_reA", &Frame3, 1, 2, 1, 1};
    TextBox reB{"reB", &Frame3, "1", {.tip = "可输入范围1-7"}};
    ScrollBar VScroll_reB{"VScroll_reB", &Frame3, 1, 7, 1, 7};
    TextBox JXfreq{"JXfreq", &Frame3, "12.5", {.locked = true, .tip = "尽量接近10MHz"}};
    TextBox fbA{"fbA", &Frame3, "10", {.tip = "可输入范围1-31"}};
    ScrollBar VScroll_fbA{"VScroll_fbA", &Frame3, 1, 31, 1, 22};
    TextBox fbB{"fbB", &Frame3, "4", {.locked = true, .tip = "可选2,4"}};
    ScrollBar VScroll_fbB{"VScroll_fbB", &Frame3, 2, 4, 2, 2};
    TextBox VCO{"VCO", &Frame3, "1", {.locked = true, .tip = "范围80-320MHz"}};
    TextBox SCfpb{"SCfpb", &Frame3, "2", {.locked = true, .tip = "可选2,4,6,8"}};
    ScrollBar VScroll_SCfpb{"VScroll_SCfpb", &Frame3, 2, 8, 2, 8};
    TextBox CYZfreq{"CYZfreq", &Frame3, "1", kLocked};
    TextBox reg9_val{"reg9_val", &Frame3, "1", kLocked};
    CommandButton RessetAll2{"RessetAll2", &Frame3, "默 认"};
    Frame Frame4{"Frame4", &Frame3, "计算公式"};

    // ---- page "增益调节" ---------------------------------------------------
    Frame Frame40{"Frame40", nullptr, ""};
    Frame Frame18{"Frame18", &Frame40, "1通道增益控制"};
    CheckBox CH1_AGC_SW{"CH1_AGC_SW", &Frame18, std::string(kAgcSwitchSetting), 1};
    ComboBox CH1_RF_Gain{"CH1_RF_Gain", &Frame18, "40", kFrontEndGainList};
    ComboBox CH1_AGC_Gain{"CH1_AGC_Gain", &Frame18, "35", kAgcGainList};
    ComboBox CH1_IFA_Gain{"CH1_IFA_Gain", &Frame18, "16", kIfaGainList};
    OptionButton CH1_OBuffer{"CH1_OBuffer", &Frame18, "3dBm", true, kDisabled};
    TextBox CH1_AC_Gain{"CH1_AC_Gain", &Frame18, "94", kTakesNoTyping};
    TextBox CH1_DC_Gain{"CH1_DC_Gain", &Frame18, "91", kTakesNoTyping};
    TextBox Reg10_Show{"Reg10_Show", &Frame18, "9965E", kLocked};
    CheckBox CH1_IFA_SW{"CH1_IFA_SW", &Frame18, std::string(kIfaSwitchSetting)};
    Frame Frame14{"Frame14", &Frame40, "2通道增益控制"};
    CheckBox CH2_AGC_SW{"CH2_AGC_SW", &Frame14, std::string(kAgcSwitchSetting), 1};
    ComboBox CH2_RF_Gain{"CH2_RF_Gain", &Frame14, "40", kFrontEndGainList};
    ComboBox CH2_AGC_Gain{"CH2_AGC_Gain", &Frame14, "33", kAgcGainList};
    ComboBox CH2_IFA_Gain{"CH2_IFA_Gain", &Frame14, "16", kIfaGainList};
    OptionButton CH2_OBuffer{"CH2_OBuffer", &Frame14, "3dBm", true, kDisabled};
    TextBox CH2_AC_Gain{"CH2_AC_Gain", &Frame14, "92", kTakesNoTyping};
    TextBox CH2_DC_Gain{"CH2_DC_Gain", &Frame14, "89", kTakesNoTyping};
    TextBox Reg11_Show{"Reg11_Show", &Frame14, "B145C", kLocked};
    Frame Frame16{"Frame16", &Frame40, "3通道增益控制"};
    CheckBox CH3_AGC_SW{"CH3_AGC_SW", &Frame16, std::string(kAgcSwitchSetting), 1};
    ComboBox CH3_RF_Gain{"CH3_RF_Gain", &Frame16, "40", kFrontEndGainList};
    ComboBox CH3_AGC_Gain{"CH3_AGC_Gain", &Frame16, "36", kAgcGainList};
    ComboBox CH3_IFA_Gain{"CH3_IFA_Gain", &Frame16, "16", kIfaGainList};
    OptionButton CH3_OBuffer{"CH3_OBuffer", &Frame16, "3dBm", true, kDisabled};
    TextBox CH3_AC_Gain{"CH3_AC_Gain", &Frame16, "95", kTakesNoTyping};
    TextBox CH3_DC_Gain{"CH3_DC_Gain", &Frame16, "92", kTakesNoTyping};
    TextBox Reg12_Show{"Reg12_Show", &Frame16, "B249C", kLocked};

    // ---- page "寄存器列表" -------------------------------------------------
    Frame Frame2{"Frame2", nullptr, ""};
    std::array<TextBox, kRegisterCount> Text1 = make_register_boxes(&Frame2);
    CommandButton default_reg_list{"default_reg_list", &Frame2, "默 认"};
    CommandButton save_reg_list{"save_reg_list", &Frame2, "保存SPI列表"};
    CommandButton SaveHexList{"SaveHexList", &Frame2, "保存.C列表"};
    CommandButton SaveTipList{"SaveTipList", &Frame2, "保存No.列表"};

    // ---- pages and the register table ---------------------------------------
    void LiveRegsList();
    void TabStrip1_Click();
    // The tabs of kPages.
    static std::vector<TabStrip::Tab> page_tabs();
    void Text1_Click(int index);
    // Register box n, 0 <= n < kRegisterCount: the one way to reach a register.
    [[nodiscard]] TextBox& register_box(int n) { return Text1[static_cast<std::size_t>(n)]; }
    [[nodiscard]] const TextBox& register_box(int n) const {
        return Text1[static_cast<std::size_t>(n)];
    }

    // ---- channel LOs -------------------------------------------------------
    // The LO frequency in MHz whose words each channel's boxes hold, as a number
    // text: the value of its list when it last fitted. While a list is red its
    // words stay those of this frequency. It starts as the list's design text.
    std::array<std::string, 3> lo_words_frequency;

    // ---- helpers the procedures share --------------------------------------
    // Gives the keyboard focus to a control.
    void SetFocus(Control& control);
    // A modal box; lines of the text are joined by a line feed.
    MessageAnswer MsgBox(MessageIcon icon, MessageButtons buttons, std::string title,
                         std::string text);
    // While held, MsgBox shows nothing and answers OK (Yes to a question).
    void hold_message_boxes(bool hold) { boxes_held_ += hold ? 1 : -1; }
    // Whether a warning that a person's typing raises waits until the entry is
    // complete (TextControl::complete_entry), so that no box opens while keys
    // are still coming. The window on the desktop asks for it; the batch tool,
    // whose boxes take no keys, does not.
    [[nodiscard]] bool warnings_wait_for_entry() const { return warnings_wait_for_entry_; }
    void set_warnings_wait_for_entry(bool wait) { warnings_wait_for_entry_ = wait; }
    // Writes a register word into a box when the value has a word form; a value
    // outside 0..FFFFF is refused and nothing is written. False when refused.
    static bool write_word(TextBox& box, std::int64_t value);
    // Marks a register box by comparing its text with its power-on word.
    void mark_by_comparison(int n, std::string_view power_on_word);
    void mark(int n, bool on);
    void lock_all_registers(bool locked);
    // Shows one of the page frames and hides the others.
    void show_page(const Frame& page);

private:
    void attach_pages();
    void attach_table();
    void attach_edit();

    Module& module_;
    Platform& platform_;
    std::vector<Control*> controls_;
    WindowHistory history_{*this};
    const Control* focused_ = nullptr;
    int boxes_held_ = 0;
    bool warnings_wait_for_entry_ = false;
};

// A page: its tab and the frame the tab shows. The frames lie on top of each
// other; a page's controls are declared in the frame above.
struct Page {
    std::string_view key;
    std::string_view caption;
    Frame Kv2841a::*frame;
};

// The pages in tab order.
inline constexpr std::array<Page, 4> kPages = {{
    {"key1", "功能调节", &Kv2841a::Frame1},
    {"key2", "时钟调节", &Kv2841a::Frame3},
    {"key3", "增益调节", &Kv2841a::Frame40},
    {"key4", "寄存器列表", &Kv2841a::Frame2},
}};

}  // namespace kv
