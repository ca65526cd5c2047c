#include <string>

#include "panel/kv2841a.h"
#include "shell/product.h"
#include "shell/shell.h"
#include "shell/status_panels.h"

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
void edition_Click(Kv2841a& w) {
    w.MsgBox(MessageIcon::Information, MessageButtons::Ok, "版本信息",
             std::string(product::kBrand) + "芯片寄存器配置工具V" + std::string(product::kVersion) +
                 " " + std::to_string(w.module().EditionClicks + 1) + "\n" + release_date());
    ++w.module().EditionClicks;
    if (w.module().EditionClicks >= kEditionClicksToPlay) {
        if (w.show_MiniGame) {
            w.show_MiniGame();
        }
        w.module().EditionClicks = kEditionClicksToPlay - 1;
    }
}

void about_Click(Kv2841a& w) {
    w.MsgBox(MessageIcon::Question, MessageButtons::Ok,
             "关于“" + std::string(product::kBrand) + "”", about_text());
}

void Direction_Click(Kv2841a& w) {
    w.MsgBox(MessageIcon::Information, MessageButtons::Ok, "使用说明",
             "      本软件是一款为KV2841A芯片便捷提供寄存器配置的工具。用户可以通过使用本软件，"
             "对部分KV2841A芯片常用功能进行调控，这些功能包括：晶振选择，输出模式调节，"
             "通道本振和通道带宽调节，增益调节，采样钟调节。并且能通过本软件输出各种格式的文本TXT，"
             "结合SPI工具和Keil51等软件使用。");
}

// Closes the configuration window without asking; nothing is saved.
void Exit_Click(Kv2841a& w) {
    w.platform().close_window(WindowName::Kv2841a);
}

// "提示" has no action: it is shown greyed. The status bar gets its panels.
void attach_shell(Kv2841a& w) {
    w.edition.Click = [&w] { edition_Click(w); };
    w.about.Click = [&w] { about_Click(w); };
    w.Direction.Click = [&w] { Direction_Click(w); };
    w.exit.Click = [&w] { Exit_Click(w); };
    w.munetips.set_enabled(false);
    w.StatusBar1.set_panels(status_bar_panels());
}

}  // namespace kv
