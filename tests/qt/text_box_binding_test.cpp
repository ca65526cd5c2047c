#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "binding_host.h"
#include "panel/controls.h"
#include "qt/bindings.h"

namespace kv::qt::test {
namespace {

using TextBoxBinding = BindingHost;

QColor base_of(const QLineEdit& edit) {
    return edit.palette().color(QPalette::Active, QPalette::Base);
}
QColor text_of(const QLineEdit& edit) {
    return edit.palette().color(QPalette::Active, QPalette::Text);
}
QColor system(QPalette::ColorRole role) {
    return QApplication::palette().color(QPalette::Active, role);
}

TEST_F(TextBoxBinding, ShowsTextLockAndToolTip) {
    TextBox box{"reg9_val", nullptr, "55700"};
    box.set_locked(true);
    box.set_tool_tip("范围80-320MHz");
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    EXPECT_EQ(edit->objectName(), "reg9_val");
    EXPECT_EQ(edit->text(), "55700");
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->toolTip(), QString::fromUtf8("范围80-320MHz"));
    box.set_locked(false);
    EXPECT_FALSE(edit->isReadOnly());
}

TEST_F(TextBoxBinding, BackgroundFollowsTheColourCode) {
    TextBox box{"Text1", nullptr, "90708", 19};
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    EXPECT_EQ(base_of(*edit), system(QPalette::Base));
    box.set_back_color(kHighlight);
    EXPECT_EQ(base_of(*edit), system(QPalette::Highlight));
    EXPECT_EQ(text_of(*edit), system(QPalette::HighlightedText));
    box.set_back_color(kPureRed);
    EXPECT_EQ(base_of(*edit), QColor(255, 0, 0));
    box.set_back_color(kWindowBackground);
    EXPECT_EQ(base_of(*edit), system(QPalette::Base));
    EXPECT_EQ(text_of(*edit), system(QPalette::Text));
}

TEST_F(TextBoxBinding, TypingRaisesKeyPressThenChangeForEveryCharacter) {
    TextBox box{"fbA", nullptr, ""};
    std::vector<int> keys;
    std::vector<std::string> changes;
    box.KeyPress = [&](int& key) { keys.push_back(key); };
    box.Change = [&] { changes.push_back(box.text()); };
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(keys, (std::vector<int>{'1', '2'}));
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "12"}));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(keys.back(), 8);
    EXPECT_EQ(box.text(), "1");
    EXPECT_EQ(edit->text(), "1");
}

TEST_F(TextBoxBinding, DiscardedKeystrokesChangeNothing) {
    TextBox box{"CH1_AC_Gain", nullptr, "94"};
    box.KeyPress = discard_keystroke;
    int changes = 0;
    box.Change = [&] { ++changes; };
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    edit->setFocus();
    QTest::keyClicks(edit, "5a");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "94");
    EXPECT_EQ(box.text(), "94");
    EXPECT_EQ(changes, 0);
}

TEST_F(TextBoxBinding, AnEditNoKeyAnnouncedIsOfferedAsAPaste) {
    TextBox accepting{"ch1bz", nullptr, "11"};
    TextBox discarding{"CH1_DC_Gain", nullptr, "91"};
    std::vector<int> keys;
    accepting.KeyPress = [&](int& key) { keys.push_back(key); };
    discarding.KeyPress = discard_keystroke;
    Bindings bind;
    QLineEdit* open = place(bind.text_box(accepting, &host));
    QLineEdit* shut = place(bind.text_box(discarding, &host));
    open->end(false);
    open->insert("76");  // an edit the field makes itself, as the context menu's paste
    EXPECT_EQ(keys, std::vector<int>{22});
    EXPECT_EQ(accepting.text(), "1176");
    shut->end(false);
    shut->insert("0");
    EXPECT_EQ(shut->text(), "91");
    EXPECT_EQ(discarding.text(), "91");
}

TEST_F(TextBoxBinding, LockedBoxRefusesTypingAndRaisesNothing) {
    TextBox box{"Text1", nullptr, "FFF00", 0};
    box.set_locked(true);
    int key_presses = 0;
    box.KeyPress = [&](int&) { ++key_presses; };
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(edit->text(), "FFF00");
    EXPECT_EQ(box.text(), "FFF00");
    EXPECT_EQ(key_presses, 0);
}

TEST_F(TextBoxBinding, AssignmentShowsWithoutEchoingBack) {
    TextBox box{"JXfreq", nullptr, "12.5"};
    std::vector<std::string> changes;
    box.Change = [&] { changes.push_back(box.text()); };
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    box.set_text("8.184");
    EXPECT_EQ(edit->text(), "8.184");
    EXPECT_EQ(changes, std::vector<std::string>{"8.184"});
}

TEST_F(TextBoxBinding, ClickComesAfterTheFieldAndKeepsTheSelectionItMade) {
    TextBox box{"fbA", nullptr, "10"};
    int clicks = 0;
    box.Click = [&] {
        ++clicks;
        box.select_all();
    };
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->selectedText(), "10");
    QTest::keyClicks(edit, "7");
    EXPECT_EQ(box.text(), "7");
}

TEST_F(TextBoxBinding, TheControlsCaretFollowsTheField) {
    TextBox box{"Text1", nullptr, "", 30};
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    QTest::keyClicks(edit, "abc");
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, "X");
    EXPECT_EQ(box.text(), "aXbc");
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(box.sel_start(), 2U);
}

TEST_F(TextBoxBinding, AHandlerThatRewritesTheTextWins) {
    TextBox box{"fbA", nullptr, "10"};
    box.Change = [&] {
        if (box.text() == "45") {
            box.set_text("31");
        }
    };
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    edit->selectAll();
    QTest::keyClicks(edit, "45");
    EXPECT_EQ(box.text(), "31");
    EXPECT_EQ(edit->text(), "31");
}

TEST_F(TextBoxBinding, EnabledAndShownFollowTheControl) {
    TextBox box{"Ch1_Deviation", nullptr, ""};
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    box.set_enabled(false);
    EXPECT_FALSE(edit->isEnabled());
    box.set_visible(false);
    EXPECT_FALSE(edit->isVisible());
    box.set_visible(true);
    EXPECT_TRUE(edit->isVisible());
}

}  // namespace
}  // namespace kv::qt::test
