#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/product.h"
#include "shell/status_panels.h"
#include "support/fake_platform.h"
#include "window/application.h"

namespace kv::test {
namespace {

// The program as it stands after start: the configuration window loaded.
class Shell : public ::testing::Test {
protected:
    Shell() { app.start(); }

    // Uses the version item n times.
    void use_version(int n) {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(w.edition.click());
        }
    }

    FakePlatform platform;
    Application app{platform};
    Kv2841a& w = app.window();
};

TEST_F(Shell, StartLoadsTheConfigurationWindowOnly) {
    EXPECT_TRUE(w.Frame1.visible());
    EXPECT_FALSE(w.Frame2.visible());
    EXPECT_TRUE(w.Text1[0].locked());
    EXPECT_EQ(app.module().EditionClicks, 0);
    EXPECT_EQ(app.mini_game(), nullptr);
    EXPECT_TRUE(platform.window_events.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Shell, FirstVersionBox) {
    use_version(1);
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.title, "版本信息");
    EXPECT_EQ(m.text, "Korvane芯片寄存器配置工具V1.0.0 1\n2018年10月1日");
    EXPECT_EQ(app.module().EditionClicks, 1);
    EXPECT_TRUE(platform.window_events.empty());
}

// The number in the version line and whether the puzzle window opens, use by use.
struct VersionUse {
    const char* number;
    bool opens_game;
    std::int16_t clicks_after;
};

TEST_F(Shell, VersionBoxCountsToFiveAndOpensTheGameFromTheFifthUse) {
    const std::vector<VersionUse> uses = {{"1", false, 1}, {"2", false, 2}, {"3", false, 3},
                                          {"4", false, 4}, {"5", true, 4},  {"5", true, 4},
                                          {"5", true, 4}};
    for (std::size_t i = 0; i < uses.size(); ++i) {
        platform.events.clear();
        use_version(1);
        const std::string text =
            std::string("Korvane芯片寄存器配置工具V1.0.0 ") + uses[i].number + "\n2018年10月1日";
        EXPECT_EQ(platform.messages.back().text, text) << "use " << i + 1;
        const std::vector<std::string> expected =
            uses[i].opens_game ? std::vector<std::string>{"message 版本信息", "show MiniGame"}
                               : std::vector<std::string>{"message 版本信息"};
        EXPECT_EQ(platform.events, expected) << "use " << i + 1;
        EXPECT_EQ(app.module().EditionClicks, uses[i].clicks_after) << "use " << i + 1;
    }
}

TEST_F(Shell, FifthUseLoadsTheGameAfterTheBoxIsClosed) {
    use_version(4);
    EXPECT_EQ(app.mini_game(), nullptr);
    platform.events.clear();
    use_version(1);
    EXPECT_EQ(platform.events, (std::vector<std::string>{"message 版本信息", "show MiniGame"}));
    ASSERT_NE(app.mini_game(), nullptr);
    EXPECT_EQ(app.module().GameLevel, 8);
}

TEST_F(Shell, SixthUseShowsTheSameOpenGameAgain) {
    use_version(5);
    MiniGame* game = app.mini_game();
    ASSERT_NE(game, nullptr);
    game->lv3_Click();
    use_version(1);
    EXPECT_EQ(app.mini_game(), game);
    EXPECT_EQ(app.module().GameLevel, 3);
    EXPECT_EQ(platform.window_events, (std::vector<std::string>{"show MiniGame", "show MiniGame"}));
}

TEST_F(Shell, ConfigurationWindowStaysUsableWhileTheGameIsOpen) {
    use_version(5);
    platform.events.clear();
    EXPECT_TRUE(w.about.click());
    EXPECT_TRUE(w.Combo1.pick("40"));
    EXPECT_EQ(w.Text1[1].back_color(), kHighlight);
    EXPECT_EQ(platform.events, std::vector<std::string>{"message 关于“Korvane”"});
}

TEST_F(Shell, VersionWithoutAnApplicationOpensNothing) {
    FakePlatform alone;
    Module module;
    Kv2841aWindow window{module, alone};
    module.EditionClicks = 4;
    EXPECT_TRUE(window.edition.click());
    EXPECT_EQ(module.EditionClicks, 4);
    EXPECT_TRUE(alone.window_events.empty());
}

TEST_F(Shell, AboutBoxNamesTheMaker) {
    ASSERT_TRUE(w.about.click());
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.icon, MessageIcon::Question);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.title, "关于“Korvane”");
    const std::vector<std::string> lines = {std::string(product::kCompany),
                                            "芯片寄存器配置工具",
                                            "电话：" + std::string(product::kTelephone),
                                            "传真：" + std::string(product::kFax),
                                            "网址：" + std::string(product::kWeb),
                                            "邮箱：" + std::string(product::kEmail)};
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    EXPECT_EQ(m.text, text);
}

TEST_F(Shell, UsageNotes) {
    ASSERT_TRUE(w.Direction.click());
    ASSERT_EQ(platform.messages.size(), 1U);
    const Message& m = platform.messages[0];
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.title, "使用说明");
    EXPECT_EQ(
        m.text,
        "      本软件是一款为KV2841A芯片便捷提供寄存器配置的工具。用户可以通过使用本软件，对部"
        "分KV2841A芯片常用功能进行调控，这些功能包括：晶振选择，输出模式调节，通道本振和通"
        "道带宽调节，增益调节，采样钟调节。并且能通过本软件输出各种格式的文本TXT，结合SPI工"
        "具和Keil51等软件使用。");
    EXPECT_EQ(m.text.find('\n'), std::string::npos);
}

TEST_F(Shell, ExitClosesTheConfigurationWindowWithoutAsking) {
    w.Text1[30].set_text("abc");
    ASSERT_TRUE(w.exit.click());
    EXPECT_EQ(platform.window_events, std::vector<std::string>{"close Kv2841a"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_TRUE(platform.files.empty());
}

TEST_F(Shell, ExitLeavesAnOpenGameOpen) {
    use_version(5);
    ASSERT_TRUE(w.exit.click());
    EXPECT_NE(app.mini_game(), nullptr);
    EXPECT_EQ(platform.window_events, (std::vector<std::string>{"show MiniGame", "close Kv2841a"}));
}

TEST_F(Shell, TipsDoNothing) {
    EXPECT_FALSE(w.munetips.click());
    EXPECT_FALSE(w.munetips.enabled());
    EXPECT_TRUE(platform.events.empty());
}

TEST_F(Shell, OpenShowsTheOpenDialog) {
    EXPECT_TRUE(w.open_file.enabled());
    ASSERT_TRUE(w.open_file.click());
    EXPECT_EQ(platform.events, (std::vector<std::string>{"open dialog", "focus FocusSeter"}));
}

TEST_F(Shell, MenuSaveIsTheSpiListCommand) {
    platform.dialog_answers = {"/a/regs.txt"};
    ASSERT_TRUE(w.save_file.click());
    std::string expected;
    for (const TextBox& box : w.Text1) {
        expected += box.text() + "\t";
    }
    EXPECT_EQ(platform.files["/a/regs.txt"], expected);
}

TEST(StatusBar, MakerLineDateAndTime) {
    const std::vector<StatusBar::Panel> panels = status_bar_panels();
    ASSERT_EQ(panels.size(), 3U);
    EXPECT_EQ(panels[0].style, StatusBar::PanelStyle::Text);
    EXPECT_EQ(panels[0].text, std::string(product::kCompany) + std::string(17, ' ') + "Korvane" +
                                  std::string(15, ' ') + "V1.0.0.18.1001");
    EXPECT_EQ(panels[1].style, StatusBar::PanelStyle::Date);
    EXPECT_EQ(panels[2].style, StatusBar::PanelStyle::Time);
}

}  // namespace
}  // namespace kv::test
