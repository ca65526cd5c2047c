#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>

#include "panel/kv2841a.h"
#include "qt/config_window.h"
#include "qt/qt_text.h"
#include "support/fake_platform.h"

namespace kv::qt::test {
namespace {

// The configuration window on a scripted platform, loaded and shown.
class ConfigWindowTest : public ::testing::Test {
protected:
    ConfigWindowTest() {
        w.Form_Load();
        window = std::make_unique<ConfigWindow>(
            w, [] { return QDateTime(QDate(2018, 10, 1), QTime(9, 30)); });
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename W = QWidget>
    W* widget(const Control& control) const {
        return qobject_cast<W*>(window->bindings().widget_of(control));
    }

    QLineEdit* reg(int n) const { return widget<QLineEdit>(w.Text1[static_cast<std::size_t>(n)]); }

    bool marked(int n) const {
        return reg(n)->palette().color(QPalette::Active, QPalette::Base) ==
               QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    }

    void pick(QComboBox& combo, int row) const {
        combo.showPopup();
        QAbstractItemView* view = combo.view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
    }

    void show_page(const Frame& page) const {
        window->page_area()->setCurrentWidget(window->bindings().widget_of(page));
    }

    kv::test::FakePlatform platform;
    Module module;
    Kv2841a w{module, platform};
    std::unique_ptr<ConfigWindow> window;
};

TEST_F(ConfigWindowTest, CaptionMenusAndTabs) {
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("KV2841A寄存器配置工具"));
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QString::fromUtf8("文件(F)"));
    EXPECT_EQ(top[1]->text(), QString::fromUtf8("帮助(H)"));
    EXPECT_EQ(top[2]->text(), QString::fromUtf8("使用说明"));
    EXPECT_EQ(top[2]->menu(), nullptr);
    QStringList files;
    for (QAction* item : top[0]->menu()->actions()) {
        files << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(files.join('|'), QString::fromUtf8("打开(O)|KV2841A|-|保存(S)|-|退出"));
    QStringList help;
    for (QAction* item : top[1]->menu()->actions()) {
        help << item->text();
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
    EXPECT_EQ(window->statusBar()->findChild<QLabel*>("panel3")->text(),
              QLocale().toString(QTime(9, 30), QLocale::ShortFormat));
}

TEST_F(ConfigWindowTest, TheWindowFitsASmallLaptopScreen) {
    const QSize size = window->sizeHint().expandedTo(window->minimumSizeHint());
    EXPECT_LE(size.width(), 1366);
    EXPECT_LE(size.height(), 700);
}

}  // namespace
}  // namespace kv::qt::test
