#include <string>

#include "panel/kv2841a.h"
#include "shell/product.h"

namespace kv {

namespace {

// From this use of the version item on, the puzzle window opens after the box.
constexpr std::int16_t kEditionClicksToPlay = 5;

std::string about_text() {
    return std::string(product::kCompany) + "\n芯片寄存器配置工具\n电话：" +
           std::string(product::kTelephone) + "\n传真：" + std::string(product::kFax) + "\n网址：" +
           std::string(product::kWeb) + "\n邮箱：" + std::string(product::kEmail);
}

// The release day as the version box writes it: "2018年10月1日".
std::string release_date() {
    return std::to_string(product::kReleaseYear) + "年" + std::to_string(product::kReleaseMonth) +
           "月" + std::to_string(product::kReleaseDay) + "日";
}

}  // namespace

// The version box counts its uses; the fifth and every later use opens the
// puzzle window once the box is closed, and the count stays at the threshold.
void Kv2841a::edition_Click() {
    MsgBox(MessageIcon::Information, MessageButtons::Ok, "版本信息",
           std::string(product::kBrand) + "芯片寄存器配置工具V" + std::string(product::kVersion) +
               " " + std::to_string(module_.EditionClicks + 1) + "\n" + release_date());
    ++module_.EditionClicks;
    if (module_.EditionClicks >= kEditionClicksToPlay) {
        if (show_MiniGame) {
            show_MiniGame();
        }
        module_.EditionClicks = kEditionClicksToPlay - 1;
    }
}

void Kv2841a::about_Click() {
    MsgBox(MessageIcon::Question, MessageButtons::Ok, "关于“" + std::string(product::kBrand) + "”",
           about_text());
}

void Kv2841a::Direction_Click() {
    MsgBox(MessageIcon::Information, MessageButtons::Ok, "使用说明",
           "      本软件是一款为KV2841A芯片便捷提供寄存器配置的工具。用户可以通过使用本软件，"
           "对部分KV2841A芯片常用功能进行调控，这些功能包括：晶振选择，输出模式调节，"
           "通道本振和通道带宽调节，增益调节，采样钟调节。并且能通过本软件输出各种格式的文本TXT，"
           "结合SPI工具和Keil51等软件使用。");
}

// Closes the configuration window without asking; nothing is saved.
void Kv2841a::Exit_Click() {
    platform_.close_window(WindowName::Kv2841a);
}

// "提示" has no action: it is shown greyed.
void Kv2841a::attach_shell() {
    edition.Click = [this] { edition_Click(); };
    about.Click = [this] { about_Click(); };
    Direction.Click = [this] { Direction_Click(); };
    exit.Click = [this] { Exit_Click(); };
    munetips.set_enabled(false);
}

}  // namespace kv
