#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "binding_host.h"
#include "panel/controls.h"
#include "qt/bindings.h"
#include "qt/qt_platform.h"
#include "qt/qt_text.h"
#include "support/save_folder.h"

namespace kv::qt::test {
namespace {

// Answers the next modal box once it is up, from the event loop it runs.
void answer_next_box(const std::function<void(QMessageBox&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer(*box);
    });
}

TEST(QtPlatformBox, ShowsIconButtonsTitleAndTextAndReturnsTheAnswer) {
    QtPlatform platform;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    int buttons = 0;
    answer_next_box([&](QMessageBox& box) {
        icon = box.icon();
        title = box.windowTitle();
        text = box.text();
        buttons = static_cast<int>(box.standardButtons());
        EXPECT_TRUE(box.isModal());
        box.button(QMessageBox::No)->click();
    });
    const MessageAnswer answer = platform.message_box(
        {MessageIcon::Question, MessageButtons::YesNo, "提示", "文件已存在\n是否覆盖？"});
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(title, QString::fromUtf8("提示"));
    EXPECT_EQ(text, QString::fromUtf8("文件已存在\n是否覆盖？"));
    EXPECT_EQ(buttons, static_cast<int>(QMessageBox::Yes | QMessageBox::No));
}

// Enter pressed at once, without reading the question, answers No.
TEST(QtPlatformBox, QuestionDefaultsToNo) {
    QtPlatform platform;
    answer_next_box([](QMessageBox& box) {
        EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::No));
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(platform.message_box({MessageIcon::None, MessageButtons::YesNo, "警告",
                                    "regs.txt文件已经存在，是否替换？"}),
              MessageAnswer::No);
}

TEST(QtPlatformBox, InformationBoxHasOneOkButton) {
    QtPlatform platform;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answer_next_box([&](QMessageBox& box) {
        icon = box.icon();
        buttons = static_cast<int>(box.standardButtons());
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(platform.message_box({MessageIcon::Information, MessageButtons::Ok, "版本信息",
                                    "Korvane芯片寄存器配置工具V1.0.0 1\n2018年10月1日"}),
              MessageAnswer::Ok);
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, static_cast<int>(QMessageBox::Ok));
}

TEST(QtPlatformFiles, SavesWholeFilesAndSeesPlainFilesOnly) {
    QtPlatform platform;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = to_utf8(folder.filePath("regs.txt"));
    EXPECT_FALSE(platform.plain_file_exists(path));
    EXPECT_TRUE(platform.save_file(path, "0x09,0x02,0x37,0x00,\r\n").ok);
    EXPECT_TRUE(platform.plain_file_exists(path));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0x09,0x02,0x37,0x00,\r\n"));
    EXPECT_FALSE(platform.plain_file_exists(to_utf8(folder.path())));
    const SaveResult refused =
        platform.save_file(to_utf8(folder.filePath("no/such/regs.txt")), "x");
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.reason.empty());
}

// A name whose bytes are not UTF-8, offered by the save dialog and taken with
// Enter, comes back byte for byte: the file saved is the file that was opened.
using QtPlatformNames = kv::test::SaveFolder;

TEST_F(QtPlatformNames, OfferedNameThatIsNotUtf8ComesBackByteForByte) {
    QtPlatform platform;
    const std::string opened = at("r\xE9g.txt").string();
    kv::test::write(opened, "0x09,0x02,0x37,0x00,\r\n");
    CommonDialog dialog{"保存", "文本文件(*.txt)|*.txt", opened, ""};
    QTimer enter;
    QObject::connect(&enter, &QTimer::timeout, [] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isActiveWindow()) {
            QTest::keyClick(box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                            Qt::Key_Return);
        }
    });
    enter.start(0);
    ASSERT_TRUE(platform.show_save_dialog(dialog));
    EXPECT_EQ(dialog.file_name, opened);
}

using QtPlatformFocus = BindingHost;

TEST_F(QtPlatformFocus, FocusGoesToTheWidgetBoundToTheControl) {
    TextBox fbA{"fbA", nullptr, "10"};
    TextBox reB{"reB", nullptr, "1"};
    Bindings bind;
    QtPlatform platform;
    platform.add_view(bind);
    QWidget* first = place(bind.text_box(fbA, &host));
    QWidget* second = place(bind.text_box(reB, &host));
    platform.set_focus(reB);
    EXPECT_TRUE(second->hasFocus());
    platform.set_focus(fbA);
    EXPECT_TRUE(first->hasFocus());
    platform.remove_view(bind);
    platform.set_focus(reB);
    EXPECT_TRUE(first->hasFocus());
}

TEST(QtPlatformWindows, ShowingAndClosingGoToTheProgram) {
    QtPlatform platform;
    std::vector<std::string> events;
    platform.on_show_window = [&](WindowName w) {
        events.push_back(w == WindowName::MiniGame ? "show MiniGame" : "show Kv2841a");
    };
    platform.on_close_window = [&](WindowName w) {
        events.push_back(w == WindowName::MiniGame ? "close MiniGame" : "close Kv2841a");
    };
    platform.show_window(WindowName::MiniGame);
    platform.close_window(WindowName::Kv2841a);
    EXPECT_EQ(events, (std::vector<std::string>{"show MiniGame", "close Kv2841a"}));
}

}  // namespace
}  // namespace kv::qt::test
