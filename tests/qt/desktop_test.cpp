#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "modal_answerer.h"
#include "qt/config_window.h"
#include "qt/desktop.h"
#include "qt/game_window.h"
#include "qt/qt_platform.h"
#include "shell/application.h"

namespace kv::qt::test {
namespace {

// The whole program on the desktop platform, its boxes answered by the test.
class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() {
        application.start();
        desktop.show();
        activate(config());
    }

    ConfigWindow& config() { return desktop.config_window(); }
    Kv2841a& w() { return application.window(); }
    QWidget* widget(const Control& control) { return config().bindings().widget_of(control); }

    static void activate(QWidget& window) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void use_version_item(int times) {
        for (int n = 0; n < times; ++n) {
            config().findChild<QAction*>("edition")->trigger();
        }
    }

    // Lets closed windows go, as the event loop does between two actions.
    static void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ModalAnswerer boxes;
    QtPlatform platform;
    Application application{platform};
    Desktop desktop{platform, application};
};

TEST_F(DesktopTest, StartLeavesTheFocusInTheSink) {
    EXPECT_TRUE(config().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), widget(w().FocusSeter));
    EXPECT_EQ(desktop.game_window(), nullptr);
}

TEST_F(DesktopTest, TheFifthUseOfTheVersionItemOpensThePuzzleAfterTheBox) {
    use_version_item(4);
    EXPECT_EQ(desktop.game_window(), nullptr);
    use_version_item(1);
    ASSERT_EQ(boxes.boxes.size(), 5U);
    EXPECT_EQ(boxes.boxes[4].title, "版本信息");
    EXPECT_EQ(boxes.boxes[4].text, "Korvane芯片寄存器配置工具V1.0.0 5\n2018年10月1日");
    EXPECT_EQ(boxes.boxes[4].icon, QMessageBox::Information);
    ASSERT_NE(desktop.game_window(), nullptr);
    EXPECT_TRUE(desktop.game_window()->isVisible());
    EXPECT_FALSE(desktop.game_window()->isModal());
    EXPECT_TRUE(config().isVisible());
    EXPECT_TRUE(config().isEnabled());
}

TEST_F(DesktopTest, ExitOfThePuzzleClosesItAloneAndTheNextShowingDealsAfresh) {
    use_version_item(5);
    GameWindow* game = desktop.game_window();
    ASSERT_NE(game, nullptr);
    auto* cell = game->bindings().widget_of(application.mini_game()->minibox[44]);
    QTest::mouseClick(cell, Qt::LeftButton);
    EXPECT_EQ(application.mini_game()->minibox[44].back_color(), kWindowBackground);
    game->findChild<QAction*>("Exit")->trigger();
    settle();
    EXPECT_EQ(desktop.game_window(), nullptr);
    EXPECT_EQ(application.mini_game(), nullptr);
    EXPECT_TRUE(config().isVisible());
    use_version_item(1);
    ASSERT_NE(desktop.game_window(), nullptr);
    EXPECT_EQ(application.mini_game()->minibox[44].back_color(), kMenuText);
}

TEST_F(DesktopTest, ClosingThePuzzleFromItsTitleBarUnloadsIt) {
    use_version_item(5);
    ASSERT_NE(desktop.game_window(), nullptr);
    desktop.game_window()->close();
    settle();
    EXPECT_EQ(desktop.game_window(), nullptr);
    EXPECT_EQ(application.mini_game(), nullptr);
    EXPECT_TRUE(config().isVisible());
}

TEST_F(DesktopTest, ExitClosesTheConfigurationWindowAndLeavesThePuzzle) {
    use_version_item(5);
    config().findChild<QAction*>("exit")->trigger();
    EXPECT_FALSE(config().isVisible());
    ASSERT_NE(desktop.game_window(), nullptr);
    EXPECT_TRUE(desktop.game_window()->isVisible());
}

TEST_F(DesktopTest, ComingBackFromThePuzzleMovesTheFocusToTheSink) {
    use_version_item(5);
    activate(config());
    QWidget* word = widget(w().reg1_te);
    word->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), word);
    activate(*desktop.game_window());
    activate(config());
    EXPECT_EQ(QApplication::focusWidget(), widget(w().FocusSeter));
}

TEST_F(DesktopTest, ABoxOfTheWindowItselfIsNoComingBack) {
    QWidget* word = widget(w().reg1_te);
    word->setFocus();
    config().findChild<QAction*>("about")->trigger();
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Question);
    activate(config());
    EXPECT_EQ(QApplication::focusWidget(), word);
}

TEST_F(DesktopTest, SavingAsksForANameAndBeforeReplacingAFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("regs.txt");
    boxes.file_names = {path, path};
    QTest::keyClick(&config(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(boxes.dialogs.size(), 1U);
    EXPECT_EQ(boxes.dialogs[0].title, "保存文件");
    EXPECT_EQ(boxes.dialogs[0].filters, QStringList{"Text_Files(*.txt) (*.txt)"});
    EXPECT_FALSE(boxes.dialogs[0].asks_before_replacing);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.startsWith("FFF00\t011D5\t"));
    EXPECT_EQ(saved.count('\t'), 44);
    file.close();
    boxes.answers = {QMessageBox::No};
    w().Text1[0].set_text("12345");
    activate(config());
    QTest::keyClick(&config(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(boxes.dialogs.size(), 2U);
    EXPECT_TRUE(boxes.dialogs[1].offered.value(0).endsWith("regs.txt"));
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].title, "警告");
    EXPECT_EQ(boxes.boxes[0].text, "regs.txt文件已经存在，是否替换？");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
}

TEST_F(DesktopTest, CancellingTheDialogWritesNothing) {
    config().findChild<QAction*>("save_file")->trigger();
    ASSERT_EQ(boxes.dialogs.size(), 1U);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(config().focusWidget(), widget(w().FocusSeter));
}

}  // namespace
}  // namespace kv::qt::test
