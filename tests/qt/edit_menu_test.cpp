#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "config_window_host.h"
#include "qt/qt_text.h"

// The edit menu on the real window: its keys, reached also from inside an edit
// field, its greyed items, and the widgets showing what undo puts back.
namespace kv::qt::test {
namespace {

class EditMenu : public ConfigWindowHost {
protected:
    QAction* action(const MenuItem& item) const {
        return window->findChild<QAction*>(to_qstring(item.name()));
    }
    void click_check_box(const CheckBox& box) const {
        auto* check = widget<QCheckBox>(box);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }
    void press(QWidget* target, QKeyCombination key) const {
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
    // The register words as the table's fields show them.
    QStringList shown_words() const {
        QStringList words;
        for (int n = 0; n < kRegisterCount; ++n) {
            words << reg(n)->text();
        }
        return words;
    }
};

TEST_F(EditMenu, SitsBetweenFilesAndHelpWithItsKeysAndIsGreyedWhileEmpty) {
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_GE(top.size(), 3);
    EXPECT_EQ(top[1]->iconText(), QString::fromUtf8("编辑(E)"));
    EXPECT_EQ(top[2]->iconText(), QString::fromUtf8("帮助(H)"));
    EXPECT_EQ(action(w.undo)->shortcuts(), QList<QKeySequence>{Qt::CTRL | Qt::Key_Z});
    EXPECT_EQ(action(w.redo)->shortcuts(),
              (QList<QKeySequence>{Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}));
    EXPECT_FALSE(action(w.undo)->isEnabled());
    EXPECT_FALSE(action(w.redo)->isEnabled());
    click_check_box(w.ADC_ck);
    EXPECT_TRUE(action(w.undo)->isEnabled());
    press(window.get(), Qt::CTRL | Qt::Key_Z);
    EXPECT_FALSE(action(w.undo)->isEnabled());
    EXPECT_TRUE(action(w.redo)->isEnabled());
    EXPECT_FALSE(widget<QCheckBox>(w.ADC_ck)->isChecked());
}

// Keys typed into an LO list are one step; Ctrl+Z from inside the list takes
// them back together, and both redo keys bring back the steps in order.
TEST_F(EditMenu, TypingIntoAnLoListIsUndoneAsOneStep) {
    click_check_box(w.Freq_ck);
    const QStringList before = shown_words();
    QLineEdit* field = widget<QComboBox>(w.ch1bz)->lineEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "1207");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "5");
    ASSERT_EQ(w.ch1bz.text(), "1205");
    const QStringList typed = shown_words();
    ASSERT_NE(typed, before);
    press(field, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(field->text(), QString::fromUtf8("1176"));
    EXPECT_EQ(shown_words(), before);
    EXPECT_TRUE(widget<QCheckBox>(w.Freq_ck)->isChecked());
    press(field, Qt::CTRL | Qt::Key_Z);
    EXPECT_FALSE(widget<QCheckBox>(w.Freq_ck)->isChecked());
    EXPECT_FALSE(field->isEnabled());
    press(window.get(), Qt::CTRL | Qt::Key_Y);
    press(field, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_EQ(field->text(), QString::fromUtf8("1205"));
    EXPECT_EQ(shown_words(), typed);
}

// The focus leaving the list ends its step: keys typed after coming back are
// a step of their own.
TEST_F(EditMenu, TheFocusLeavingAListEndsItsStep) {
    click_check_box(w.Freq_ck);
    QLineEdit* field = widget<QComboBox>(w.ch1bz)->lineEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "1207");
    widget<QComboBox>(w.ch2bz)->lineEdit()->setFocus();
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    ASSERT_EQ(w.ch1bz.text(), "120");
    press(field, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(field->text(), QString::fromUtf8("1207"));
}

// The reset button's step undone shows the settings and words from before it,
// with their marks.
TEST_F(EditMenu, AResetIsUndone) {
    click_check_box(w.Freq_ck);
    pick(*widget<QComboBox>(w.crylist), 0);
    const QStringList picked = shown_words();
    const bool mark = marked(2);
    QTest::mouseClick(widget<QPushButton>(w.ResetAll), Qt::LeftButton);
    ASSERT_NE(shown_words(), picked);
    platform.messages.clear();
    press(window.get(), Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(shown_words(), picked);
    EXPECT_EQ(marked(2), mark);
    EXPECT_EQ(widget<QComboBox>(w.crylist)->currentText(), to_qstring(w.crylist.items()[0]));
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace kv::qt::test
