#include <gtest/gtest.h>

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <vector>

#include "binding_host.h"
#include "panel/controls.h"
#include "qt/bindings.h"
#include "qt/board_cell.h"
#include "qt/focus_sink.h"

namespace kv::qt::test {
namespace {

using WindowParts = BindingHost;

struct Menus {
    MenuItem files{"files", nullptr, "文件(F)"};
    MenuItem open_file{"open_file", &files, "打开(O)", "Ctrl+O"};
    MenuItem line{"cut_off_line1", &files, "-"};
    MenuItem save_file{"save_file", &files, "保存(S)", "Ctrl+S"};
    MenuItem Direction{"Direction", nullptr, "使用说明"};
};

TEST_F(WindowParts, MenusHoldTheirItemsSeparatorsAndShortcuts) {
    Menus m;
    std::vector<std::string> clicks;
    m.save_file.Click = [&] { clicks.push_back("save_file"); };
    m.Direction.Click = [&] { clicks.push_back("Direction"); };
    Bindings bind;
    auto* bar = place(new QMenuBar(&host));
    bind.menu(m.files, *bar);
    bind.menu(m.Direction, *bar);
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->iconText(), QString::fromUtf8("文件(F)"));
    ASSERT_NE(top[0]->menu(), nullptr);
    const QList<QAction*> items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->iconText(), QString::fromUtf8("保存(S)"));
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    items[2]->trigger();
    EXPECT_EQ(top[1]->menu(), nullptr);
    EXPECT_EQ(top[1]->iconText(), QString::fromUtf8("使用说明"));
    top[1]->trigger();
    EXPECT_EQ(clicks, (std::vector<std::string>{"save_file", "Direction"}));
}

TEST_F(WindowParts, DisabledMenuItemIsGreyedAndDoesNothing) {
    Menus m;
    int clicks = 0;
    m.open_file.Click = [&] { ++clicks; };
    m.open_file.set_enabled(false);
    Bindings bind;
    auto* bar = place(new QMenuBar(&host));
    bind.menu(m.files, *bar);
    QAction* open = bar->actions()[0]->menu()->actions()[0];
    EXPECT_FALSE(open->isEnabled());
    open->trigger();
    EXPECT_EQ(clicks, 0);
}

// A tab strip whose handler shows the selected tab's page, as the window's does.
struct TabbedPages {
    TabStrip tabs{"TabStrip1", {{"key1", "功能调节"}, {"key2", "时钟调节"}}};
    Frame first{"Frame1", nullptr, ""};
    Frame second{"Frame3", nullptr, ""};
    TabbedPages() {
        tabs.Click = [this] {
            first.set_visible(tabs.selected_key() == "key1");
            second.set_visible(tabs.selected_key() == "key2");
        };
        second.set_visible(false);
    }
};

TEST_F(WindowParts, SelectingATabShowsThePageTheModelMakesVisible) {
    TabbedPages m;
    Bindings bind;
    QTabBar* bar = place(bind.tab_strip(m.tabs, &host));
    auto* area = place(new QStackedWidget(&host));
    auto* page1 = new QWidget;
    auto* page2 = new QWidget;
    bind.pages(*area,
               {{&m.first, [page1] { return page1; }}, {&m.second, [page2] { return page2; }}});
    EXPECT_EQ(bar->count(), 2);
    EXPECT_EQ(bar->tabText(1), QString::fromUtf8("时钟调节"));
    EXPECT_EQ(area->currentWidget(), page1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(m.tabs.selected_key(), "key2");
    EXPECT_EQ(area->currentWidget(), page2);
    // A procedure shows the first page; the tab strip keeps its selection.
    m.first.set_visible(true);
    m.second.set_visible(false);
    EXPECT_EQ(area->currentWidget(), page1);
    EXPECT_EQ(bar->currentIndex(), 1);
}

TEST_F(WindowParts, APageIsMadeOnceWhenFirstShownOrAskedFor) {
    TabbedPages m;
    Frame third{"Frame40", nullptr, ""};
    third.set_visible(false);
    third.set_enabled(false);
    int made[3] = {0, 0, 0};
    auto maker = [&made](int n) {
        return [&made, n] {
            ++made[n];
            return new QLabel(QString::number(n));
        };
    };
    Bindings bind;
    place(bind.tab_strip(m.tabs, &host));
    auto* area = place(new QStackedWidget(&host));
    bind.pages(*area, {{&m.first, maker(0)}, {&m.second, maker(1)}, {&third, maker(2)}});
    EXPECT_EQ(made[0], 1);
    EXPECT_EQ(made[1] + made[2], 0);
    EXPECT_EQ(bind.widget_of(m.second), nullptr);
    m.tabs.select("key2");
    EXPECT_EQ(made[1], 1);
    EXPECT_EQ(area->currentWidget(), bind.widget_of(m.second));
    bind.make_page(third);
    bind.make_pages();
    m.tabs.select("key1");
    m.tabs.select("key2");
    EXPECT_EQ(made[0] + made[1] + made[2], 3);
    ASSERT_NE(bind.widget_of(third), nullptr);
    EXPECT_FALSE(bind.widget_of(third)->isEnabled());
    EXPECT_EQ(area->currentWidget(), bind.widget_of(m.second));
}

// Under a desktop locale that writes dates in words, the date panel still
// speaks the window's language: year first, and no Latin letter.
TEST_F(WindowParts, StatusBarShowsTheTextDateAndTimePanels) {
    StatusBar status{"StatusBar1",
                     {{StatusBar::PanelStyle::Text, "Korvane"},
                      {StatusBar::PanelStyle::Date, ""},
                      {StatusBar::PanelStyle::Time, ""}}};
    const QDateTime noon(QDate(2018, 10, 1), QTime(12, 34, 56));
    const QLocale desktop;
    QLocale::setDefault(QLocale::c());
    Bindings bind;
    auto* bar = place(new QStatusBar(&host));
    bind.status_bar(status, *bar, [noon] { return noon; });
    QLocale::setDefault(desktop);
    EXPECT_EQ(bar->findChild<QLabel*>("panel1")->text(), "Korvane");
    const QString date = bar->findChild<QLabel*>("panel2")->text();
    EXPECT_TRUE(date.startsWith(QStringLiteral("2018"))) << date.toStdString();
    EXPECT_FALSE(date.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
        << date.toStdString();
    const QString time = bar->findChild<QLabel*>("panel3")->text();
    EXPECT_TRUE(time.contains(QStringLiteral("12")) && time.contains(QStringLiteral("34")))
        << time.toStdString();
    EXPECT_FALSE(time.contains(QStringLiteral("56")));
}

TEST_F(WindowParts, BoardCellShowsItsColourAndTakesClicks) {
    Label cell{"minibox", nullptr, "", 11};
    int clicks = 0;
    cell.Click = [&] {
        ++clicks;
        cell.set_back_color(cell.back_color() == kMenuText ? kWindowBackground : kMenuText);
    };
    cell.set_back_color(kMenuText);
    Bindings bind;
    BoardCell* widget = place(bind.label(cell, &host));
    const QPalette system = QApplication::palette();
    EXPECT_EQ(widget->palette().color(QPalette::Window), system.color(QPalette::WindowText));
    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(widget->palette().color(QPalette::Window), system.color(QPalette::Base));
    cell.set_visible(false);
    EXPECT_FALSE(widget->isVisible());
}

TEST_F(WindowParts, FocusSinkTakesTheFocusWithoutShowingAnything) {
    TextBox sink{"FocusSeter", nullptr};
    TextBox other{"fbA", nullptr, "10"};
    Bindings bind;
    QWidget* edit = place(bind.text_box(other, &host));
    FocusSink* widget = place(bind.focus_sink(sink, &host));
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    bind.widget_of(sink)->setFocus();
    EXPECT_TRUE(widget->hasFocus());
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    EXPECT_LE(widget->width(), 1);
}

}  // namespace
}  // namespace kv::qt::test
