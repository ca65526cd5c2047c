#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "modal_answerer.h"
#include "qt/config_window.h"
#include "qt/desktop.h"
#include "qt/game_window.h"
#include "qt/qt_platform.h"
#include "qt/translations.h"
#include "window/application.h"

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
    EXPECT_EQ(boxes.dialogs[0].filters, QStringList{"Text_Files(*.txt)"});
    EXPECT_FALSE(boxes.dialogs[0].asks_before_replacing);
    EXPECT_TRUE(boxes.dialogs[0].name_field_focused);
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

// No text box shows a caret: the focus is in the sink, and no edit field of
// either window has it.
void expect_no_caret(ConfigWindow& window, QWidget* sink) {
    EXPECT_EQ(QApplication::focusWidget(), sink);
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        EXPECT_FALSE(edit->hasFocus()) << edit->objectName().toStdString();
    }
}

TEST_F(DesktopTest, ATabSwitchLeavesNoCaret) {
    auto* tabs = config().tab_bar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    auto* fbA = qobject_cast<QLineEdit*>(widget(w().fbA));
    QTest::mouseClick(fbA, Qt::LeftButton, {}, fbA->rect().center());
    ASSERT_TRUE(fbA->hasFocus());
    for (int tab : {2, 3, 0, 1}) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        expect_no_caret(config(), widget(w().FocusSeter));
    }
}

TEST_F(DesktopTest, EachResetButtonLeavesNoCaret) {
    struct Row {
        int tab;
        const TextBox& box;
        const CommandButton& button;
    };
    const Row rows[] = {{0, w().reg1_te, w().ResetAll},
                        {1, w().fbA, w().RessetAll2},
                        {3, w().Text1[0], w().default_reg_list}};
    auto* tabs = config().tab_bar();
    for (const Row& row : rows) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(row.tab).center());
        widget(row.box)->setFocus();
        ASSERT_TRUE(widget(row.box)->hasFocus()) << row.box.name();
        QTest::mouseClick(widget(row.button), Qt::LeftButton);
        expect_no_caret(config(), widget(w().FocusSeter));
    }
}

TEST_F(DesktopTest, SavingFromTheRegisterPageLeavesNoCaret) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    boxes.file_names = {folder.filePath("regs.h")};
    auto* tabs = config().tab_bar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    QTest::mouseClick(widget(w().SaveHexList), Qt::LeftButton);
    ASSERT_EQ(boxes.dialogs.size(), 1U);
    QFile file(folder.filePath("regs.h"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("0x00,0x0F,0xFF,0x00,\r\n0x01,0x00,0x11,0xD5,\r\n"));
    activate(config());
    expect_no_caret(config(), widget(w().FocusSeter));
}

TEST_F(DesktopTest, TheLoSpacingWarningIsAnsweredAndTheTypedFrequencyStays) {
    auto* freq = qobject_cast<QAbstractButton*>(widget(w().Freq_ck));
    QTest::mouseClick(freq, Qt::LeftButton, {}, QPoint(6, freq->height() / 2));
    auto* lo = qobject_cast<QComboBox*>(widget(w().ch1bz));
    lo->lineEdit()->setFocus();
    lo->lineEdit()->selectAll();
    QTest::keyClicks(lo->lineEdit(), "1400");
    EXPECT_TRUE(boxes.boxes.empty());
    QTest::keyClick(lo->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].title, "提示");
    EXPECT_EQ(boxes.boxes[0].text, "相邻通道本振不能相近\n1、3通道本振不能相同");
    EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(lo->currentText(), "1400");
    EXPECT_EQ(w().ch1bz.text(), "1400");
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(w().reg2_te))->text(),
              to_qstring(w().reg2_te.text()));
    EXPECT_EQ(w().Text1[2].text(), w().reg2_te.text());
    EXPECT_NE(w().Text1[2].text(), "32178");
}

TEST_F(DesktopTest, APathTypedIntoTheDialogAndEnterSaveTheSpiList) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("spi");
    boxes.file_names = {path};
    QTest::keyClick(&config(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(boxes.dialogs.size(), 1U);
    EXPECT_TRUE(boxes.dialogs[0].name_field_focused);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no file named exactly as typed";
    const QByteArray saved = file.readAll();
    EXPECT_EQ(saved.size(), 264);
    EXPECT_TRUE(saved.startsWith("FFF00\t011D5\t32178\t"));
    EXPECT_TRUE(saved.endsWith("FFFFD\t"));
}

// The window stands in the middle of the screen, where the puzzle has room
// around it (against an edge it is kept within the screen instead).
TEST_F(DesktopTest, ThePuzzleOpensCentredOnTheConfigurationWindow) {
    QRect middle = config().frameGeometry();
    middle.moveCenter(config().screen()->availableGeometry().center());
    config().move(middle.topLeft());
    use_version_item(5);
    ASSERT_NE(desktop.game_window(), nullptr);
    const QPoint offset =
        desktop.game_window()->frameGeometry().center() - config().frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(DesktopTest, AMessageBoxGivesTheFocusBack) {
    QWidget* list = widget(w().Combo1);
    list->setFocus();
    config().findChild<QAction*>("Direction")->trigger();
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&config()));
    EXPECT_TRUE(list->hasFocus());
}

TEST_F(DesktopTest, QtsOwnButtonsSpeakChinese) {
    ASSERT_TRUE(use_chinese_qt_texts(*qApp));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("t"), QStringLiteral("t"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QString::fromUtf8("是")));
}

TEST_F(DesktopTest, AWarningShowsTheWarningIcon) {
    platform.message_box({MessageIcon::Warning, MessageButtons::Ok, "警告", "regs.txt"});
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Warning);
}

// The start image with channel 1 at 1400 MHz on the 40 MHz crystal, as an SPI list.
QString write_list(const QTemporaryDir& folder) {
    const QString path = folder.filePath("regs.txt");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "FFF00\t00245\t2B230\t00000\t13A00\tE6664\t0F500\t66665\t318C2\t45300\t"
        "9965E\tB145C\tB249C\t62625\t8AAFE\tFFF80\t5F910\t40077\t7C030\t90708\t"
        "008B2\t420AE\t75541\tF7BDE\tFFF80\t5FA10\t40077\tFC030\t90C00\t4208D\t"
        "75541\tFFF80\t5F910\t40077\t7C030\t90C00\t420A8\t75541\tEE296\t47002\t"
        "00000\tFFFFD\tFFFFD\tFFFFD\t");
    return path;
}

TEST_F(DesktopTest, CtrlOAndAPathTypedIntoTheDialogOpenTheList) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    boxes.file_names = {write_list(folder)};
    QTest::keyClick(&config(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(boxes.dialogs.size(), 1U);
    EXPECT_EQ(boxes.dialogs[0].title, "打开文件");
    EXPECT_EQ(boxes.dialogs[0].filters, QStringList({"Text_Files(*.txt)", "All_Files(*)"}));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(w().Text1[2]))->text(), "2B230");
    EXPECT_EQ(qobject_cast<QComboBox*>(widget(w().ch1bz))->currentText(), "1400");
}

TEST_F(DesktopTest, AFileDroppedOntoARegisterBoxOpens) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(write_list(folder))});
    config().bindings().make_pages();
    QWidget* target = widget(w().Text1[5]);
    ASSERT_NE(target, nullptr);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(QTest::qWaitFor([this] { return w().Text1[5].text() == "E6664"; }));
    EXPECT_EQ(w().crylist.text(), "40");
}

TEST_F(DesktopTest, TheFileNamedAtStartOpensOnceTheWindowIsUp) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    desktop.open_at_start(write_list(folder).toStdString());
    EXPECT_EQ(w().Text1[2].text(), "32178");
    EXPECT_TRUE(QTest::qWaitFor([this] { return w().Text1[2].text() == "2B230"; }));
}

}  // namespace
}  // namespace kv::qt::test
