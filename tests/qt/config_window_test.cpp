#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <vector>

#include "config_window_host.h"
#include "panel/kv2841a.h"
#include "qt/config_window.h"
#include "qt/qt_text.h"
#include "qt/spin_arrows.h"

namespace kv::qt::test {
namespace {

using ConfigWindowTest = ConfigWindowHost;

TEST_F(ConfigWindowTest, CaptionMenusAndTabs) {
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("KV2841A寄存器配置工具"));
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->iconText(), QString::fromUtf8("文件(F)"));
    EXPECT_EQ(top[1]->iconText(), QString::fromUtf8("编辑(E)"));
    EXPECT_EQ(top[2]->iconText(), QString::fromUtf8("帮助(H)"));
    EXPECT_EQ(top[3]->iconText(), QString::fromUtf8("使用说明"));
    EXPECT_EQ(top[3]->menu(), nullptr);
    QStringList files;
    for (QAction* item : top[0]->menu()->actions()) {
        files << (item->isSeparator() ? QStringLiteral("-") : item->iconText());
    }
    EXPECT_EQ(files.join('|'), QString::fromUtf8("打开(O)|比较(C)|KV2841A|-|保存(S)|-|退出"));
    QStringList help;
    for (QAction* item : top[2]->menu()->actions()) {
        help << item->iconText();
    }
    EXPECT_EQ(help.join('|'), QString::fromUtf8("提示|版本|关于"));
    QStringList tabs;
    for (int n = 0; n < window->tab_bar()->count(); ++n) {
        tabs << window->tab_bar()->tabText(n);
    }
    EXPECT_EQ(tabs.join('|'), QString::fromUtf8("功能调节|时钟调节|增益调节|寄存器列表"));
}

TEST_F(ConfigWindowTest, EveryShownControlHasItsWidget) {
    for (const Control* control : w.controls()) {
        if (control->kind() == ControlKind::MenuItem || control == &w.YFPB) {
            continue;
        }
        QWidget* bound = window->bindings().widget_of(*control);
        ASSERT_NE(bound, nullptr) << control->name();
        EXPECT_EQ(bound->objectName(), to_qstring(control->name()));
        EXPECT_EQ(bound->window(), window.get()) << control->name();
    }
    EXPECT_EQ(window->bindings().widget_of(w.YFPB), nullptr);
}

TEST_F(ConfigWindowTest, StartShowsTheFirstPageAndLockedRegisters) {
    EXPECT_EQ(window->page_area()->currentWidget(), window->bindings().widget_of(w.Frame1));
    EXPECT_EQ(window->tab_bar()->currentIndex(), 0);
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_TRUE(reg(n)->isReadOnly()) << n;
        EXPECT_EQ(reg(n)->text(), to_qstring(w.Text1[static_cast<std::size_t>(n)].text())) << n;
    }
    EXPECT_TRUE(marked(19));
    EXPECT_EQ(reg(19)->toolTip(), QString::fromUtf8("上电默认值90308"));
    EXPECT_FALSE(widget(w.Frame8)->isEnabled());
    EXPECT_FALSE(widget(w.ch1bz)->isEnabled());
}

TEST_F(ConfigWindowTest, PickingABandwidthUpdatesTheRegisterTableAtOnce) {
    auto* combo2 = widget<QComboBox>(w.Combo2);
    ASSERT_NE(combo2, nullptr);
    pick(*combo2, 2);
    EXPECT_EQ(combo2->currentText(), "30");
    EXPECT_EQ(w.reg1_te.text(), "211D5");
    EXPECT_EQ(widget<QLineEdit>(w.reg1_te)->text(), "211D5");
    EXPECT_EQ(reg(1)->text(), "211D5");
    EXPECT_TRUE(marked(1));
    EXPECT_EQ(reg(27)->text(), "FE830");
    EXPECT_TRUE(marked(27));
    pick(*combo2, 0);
    EXPECT_EQ(reg(1)->text(), "011D5");
    EXPECT_FALSE(marked(1));
    EXPECT_EQ(reg(27)->text(), "FC030");
    EXPECT_FALSE(marked(27));
}

TEST_F(ConfigWindowTest, TypingIntoABandwidthListChangesNothing) {
    auto* combo1 = widget<QComboBox>(w.Combo1);
    combo1->lineEdit()->setFocus();
    QTest::keyClicks(combo1->lineEdit(), "4");
    EXPECT_EQ(combo1->currentText(), "10");
    EXPECT_EQ(w.Combo1.text(), "10");
    EXPECT_EQ(reg(1)->text(), "011D5");
}

TEST_F(ConfigWindowTest, PageAreaShowsTheVisiblePageWhateverTheTab) {
    QTest::mouseClick(window->tab_bar(), Qt::LeftButton, {},
                      window->tab_bar()->tabRect(3).center());
    EXPECT_EQ(w.TabStrip1.selected_key(), "key4");
    w.Frame1.set_visible(false);
    w.Frame2.set_visible(true);
    EXPECT_EQ(window->page_area()->currentWidget(), window->bindings().widget_of(w.Frame2));
    w.Frame2.set_visible(false);
    w.Frame1.set_visible(true);
    EXPECT_EQ(window->page_area()->currentWidget(), window->bindings().widget_of(w.Frame1));
    EXPECT_EQ(window->tab_bar()->currentIndex(), 3);
}

TEST_F(ConfigWindowTest, MenuActionsReachTheirItems) {
    int uses = 0;
    w.Direction.Click = [&] { ++uses; };
    w.save_file.Click = [&] { ++uses; };
    window->findChild<QAction*>("Direction")->trigger();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(uses, 2);
}

TEST_F(ConfigWindowTest, StatusBarShowsTheMakerDateAndTime) {
    const auto* maker = window->statusBar()->findChild<QLabel*>("panel1");
    EXPECT_EQ(maker->text(), to_qstring(w.StatusBar1.panels()[0].text));
    EXPECT_TRUE(maker->text().contains(QStringLiteral("Korvane")));
    const QString time = window->statusBar()->findChild<QLabel*>("panel3")->text();
    EXPECT_TRUE(time.contains(QStringLiteral("30"))) << time.toStdString();
    EXPECT_TRUE(window->statusBar()->findChild<QLabel*>("panel2")->text().startsWith("2018"));
}

TEST_F(ConfigWindowTest, TheWindowFitsASmallLaptopScreen) {
    const QSize size = window->sizeHint().expandedTo(window->minimumSizeHint());
    EXPECT_LE(size.width(), 1366);
    EXPECT_LE(size.height(), 700);
}

TEST_F(ConfigWindowTest, ASelectedTabShowsItsPageAndLeavesTheFocusInTheSink) {
    select_tab(1);
    EXPECT_EQ(window->page_area()->currentWidget(), widget(w.Frame3));
    EXPECT_EQ(platform.focus.back(), "FocusSeter");
    select_tab(2);
    EXPECT_EQ(window->page_area()->currentWidget(), widget(w.Frame40));
}

TEST_F(ConfigWindowTest, TheKv2841aItemShowsTheFirstPageAndTheTabKeepsItsSelection) {
    select_tab(3);
    window->findChild<QAction*>("Kv2841a")->trigger();
    EXPECT_EQ(window->page_area()->currentWidget(), widget(w.Frame1));
    EXPECT_EQ(window->tab_bar()->currentIndex(), 3);
}

TEST_F(ConfigWindowTest, ClickingIntoADividerSelectsItAndTypingIsCorrected) {
    select_tab(1);
    auto* fbA = widget<QLineEdit>(w.fbA);
    QTest::mouseClick(fbA, Qt::LeftButton, {}, fbA->rect().center());
    EXPECT_EQ(fbA->selectedText(), "10");
    QTest::keyClicks(fbA, "45");
    EXPECT_EQ(fbA->text(), "31");
    EXPECT_EQ(widget<QLineEdit>(w.VCO)->text(), "620");
    EXPECT_EQ(widget<QLineEdit>(w.VCO)->palette().color(QPalette::Active, QPalette::Base),
              QColor(255, 0, 0));
    EXPECT_EQ(widget<QLineEdit>(w.reg9_val)->text(), "5FF00");
    EXPECT_EQ(reg(9)->text(), "5FF00");
}

TEST_F(ConfigWindowTest, TheUpperArrowRaisesTheDivider) {
    select_tab(1);
    auto* spin = widget<SpinArrows>(w.VScroll_fbA);
    QTest::mouseClick(spin->upper(), Qt::LeftButton);
    EXPECT_EQ(widget<QLineEdit>(w.fbA)->text(), "11");
    EXPECT_EQ(widget<QLineEdit>(w.VCO)->text(), "220");
    QTest::mouseClick(spin->lower(), Qt::LeftButton);
    QTest::mouseClick(spin->lower(), Qt::LeftButton);
    EXPECT_EQ(widget<QLineEdit>(w.fbA)->text(), "9");
}

TEST_F(ConfigWindowTest, PickingACrystalWithTheTestSwitchOffShowsTheHint) {
    auto* crystals = widget<QComboBox>(w.crylist);
    pick(*crystals, 1);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "提示");
    EXPECT_EQ(platform.messages[0].text, "请打开TestMode开关");
    EXPECT_EQ(crystals->currentText(), "16.368");
    EXPECT_EQ(widget<QLineEdit>(w.JXfreq)->text(), "8.184");
    EXPECT_EQ(reg(9)->text(), "23700");
}

TEST_F(ConfigWindowTest, TheFrequencySwitchOpensTheLoFrameForTyping) {
    auto* freq = widget<QCheckBox>(w.Freq_ck);
    QTest::mouseClick(freq, Qt::LeftButton, {}, QPoint(6, freq->height() / 2));
    EXPECT_TRUE(widget(w.ch1bz)->isEnabled());
    auto* lo = widget<QComboBox>(w.ch1bz);
    lo->lineEdit()->setFocus();
    lo->lineEdit()->selectAll();
    QTest::keyClicks(lo->lineEdit(), "1207");
    EXPECT_EQ(w.ch1bz.text(), "1207");
    EXPECT_EQ(reg(2)->text(), to_qstring(w.reg2_te.text()));
    lo->lineEdit()->selectAll();
    QTest::keyClicks(lo->lineEdit(), "99999");
    EXPECT_EQ(w.ch1bz.back_color(), kPureRed);
    EXPECT_EQ(lo->lineEdit()->palette().color(QPalette::Active, QPalette::Base), QColor(255, 0, 0));
}

// Typing 1575.42 into channel 1's LO list, which stands too close to channel
// 2's from the first key on: no box opens while the keys come, and the one
// warning comes when the entry ends, however it ends.
struct EntryEnd {
    const char* name;
    // Ends the entry in the list, or by a click on another control.
    std::function<void(QComboBox& lo, QWidget& other)> end;
};

class TypedLoEntry : public ConfigWindowHost, public ::testing::WithParamInterface<EntryEnd> {};

TEST_P(TypedLoEntry, WarnsOnceWhenTheEntryEnds) {
    QTest::mouseClick(widget<QCheckBox>(w.Freq_ck), Qt::LeftButton, {}, QPoint(6, 8));
    auto* lo = widget<QComboBox>(w.ch1bz);
    lo->setFocus(Qt::MouseFocusReason);
    lo->lineEdit()->selectAll();
    for (const QChar key : QStringLiteral("1575.42")) {
        QTest::keyClick(lo, key.toLatin1());
        QApplication::processEvents();
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(w.ch1bz.text(), "1575.42");
    EXPECT_EQ(reg(2)->text(), to_qstring(w.reg2_te.text()));
    GetParam().end(*lo, *widget(w.crylist));
    QApplication::processEvents();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "提示");
    EXPECT_EQ(w.ch1bz.text(), "1575.42");
}

INSTANTIATE_TEST_SUITE_P(
    ConfigWindowTest, TypedLoEntry,
    ::testing::Values(
        EntryEnd{"Enter", [](QComboBox& lo, QWidget&) { QTest::keyClick(&lo, Qt::Key_Return); }},
        EntryEnd{"Tab", [](QComboBox& lo, QWidget&) { QTest::keyClick(&lo, Qt::Key_Tab); }},
        EntryEnd{"ClickElsewhere",
                 [](QComboBox&, QWidget& other) { QTest::mouseClick(&other, Qt::LeftButton); }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ConfigWindowTest, AfterTheGameIsWonAClickOpensEveryRegisterBox) {
    select_tab(3);
    QTest::mouseClick(reg(30), Qt::LeftButton);
    EXPECT_TRUE(reg(30)->isReadOnly());
    module.RegsUnlocked = 1;
    QTest::mouseClick(reg(30), Qt::LeftButton);
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_FALSE(reg(n)->isReadOnly()) << n;
    }
    reg(30)->selectAll();
    QTest::keyClicks(reg(30), "abc");
    EXPECT_EQ(w.Text1[30].text(), "abc");
    EXPECT_FALSE(marked(30));
}

TEST_F(ConfigWindowTest, OptionButtonsOfTheOutputFrameAreExclusiveOnTheWindow) {
    for (const CheckBox* check : {&w.ADC_ck, &w.D2S_ck}) {
        auto* box = widget<QCheckBox>(*check);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    auto* single = widget<QRadioButton>(w.danduan);
    auto* differential = widget<QRadioButton>(w.chafen);
    ASSERT_TRUE(single->isEnabled());
    const QString before = reg(8)->text();
    QTest::mouseClick(single, Qt::LeftButton, {}, QPoint(6, single->height() / 2));
    EXPECT_TRUE(single->isChecked());
    EXPECT_FALSE(differential->isChecked());
    EXPECT_TRUE(w.danduan.value());
    EXPECT_FALSE(w.chafen.value());
    EXPECT_NE(reg(8)->text(), before);
    EXPECT_EQ(reg(8)->text(), to_qstring(w.outmode.text()));
    EXPECT_EQ(widget<QLineEdit>(w.outmode)->text(), reg(8)->text());
    EXPECT_TRUE(marked(8));
    QTest::mouseClick(differential, Qt::LeftButton, {}, QPoint(6, differential->height() / 2));
    EXPECT_FALSE(single->isChecked());
    EXPECT_EQ(reg(8)->text(), before);
    EXPECT_FALSE(marked(8));
}

TEST_F(ConfigWindowTest, TheAgcSwitchOpensItsListAndAPickRewritesTheGainWord) {
    select_tab(2);
    auto* agc = widget<QComboBox>(w.CH1_AGC_Gain);
    EXPECT_FALSE(agc->isEnabled());
    auto* on = widget<QCheckBox>(w.CH1_AGC_SW);
    QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(6, on->height() / 2));
    EXPECT_FALSE(on->isChecked());
    EXPECT_EQ(w.CH1_AGC_SW.value(), 0);
    ASSERT_TRUE(agc->isEnabled());
    pick(*agc, 20);
    EXPECT_EQ(agc->currentText(), "20");
    EXPECT_EQ(w.CH1_AGC_Gain.text(), "20");
    const QString word = to_qstring(w.Text1[10].text());
    EXPECT_EQ(reg(10)->text(), word);
    EXPECT_EQ(widget<QLineEdit>(w.Reg10_Show)->text(), word);
    EXPECT_NE(word, "9965E");
    EXPECT_TRUE(marked(10));
    EXPECT_EQ(widget<QLineEdit>(w.CH1_AC_Gain)->text(), to_qstring(w.CH1_AC_Gain.text()));
}

TEST_F(ConfigWindowTest, TheResetButtonBringsBackTheDefaultsAndTakesTheFocus) {
    pick(*widget<QComboBox>(w.Combo2), 3);
    ASSERT_TRUE(marked(27));
    QTest::mouseClick(widget<QPushButton>(w.ResetAll), Qt::LeftButton);
    EXPECT_EQ(widget<QComboBox>(w.Combo2)->currentText(), "10");
    EXPECT_EQ(reg(27)->text(), "FC030");
    EXPECT_FALSE(marked(27));
    EXPECT_TRUE(marked(19));
    EXPECT_EQ(platform.focus.back(), "FocusSeter");
}

TEST_F(ConfigWindowTest, CtrlOShowsTheOpenDialogAndCancelChangesNothing) {
    std::vector<QString> words;
    for (int n = 0; n < kRegisterCount; ++n) {
        words.push_back(reg(n)->text());
    }
    auto* open = window->findChild<QAction*>("open_file");
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(platform.events, (std::vector<std::string>{"open dialog", "focus FocusSeter"}));
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_EQ(reg(n)->text(), words[static_cast<std::size_t>(n)]) << n;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Opens a menu of the bar with the mouse and clicks its item.
void click_menu_item(QMenuBar& bar, int menu, const char* item) {
    QAction* title = bar.actions()[menu];
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(title).center());
    QMenu* drop_down = title->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(drop_down));
    QAction* action = drop_down->findChild<QAction*>(item);
    if (action == nullptr) {
        action = bar.window()->findChild<QAction*>(item);
    }
    ASSERT_NE(action, nullptr) << item;
    QTest::mouseClick(drop_down, Qt::LeftButton, {}, drop_down->actionGeometry(action).center());
}

TEST_F(ConfigWindowTest, MenusOpenWithTheMouseAndTheirItemsAct) {
    click_menu_item(*window->menuBar(), 2, "edition");
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "版本信息");
    click_menu_item(*window->menuBar(), 0, "save_file");
    EXPECT_EQ(platform.dialogs.size(), 1U);
}

TEST_F(ConfigWindowTest, AltAndTheBracketedLettersReachTheMenus) {
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    QMenu* files = window->menuBar()->actions()[0]->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(files));
    QTest::keyClick(files, Qt::Key_S);
    EXPECT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.focus.back(), "FocusSeter");
}

}  // namespace
}  // namespace kv::qt::test
