#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "config_window_host.h"
#include "qt/qt_text.h"
#include "qt/spin_arrows.h"

// The window under a person's hands: the wheel, the keys, the drop-down, the
// tab strip, long values and the order of the tab stops.
namespace kv::qt::test {
namespace {

using Hands = ConfigWindowHost;

void wheel_down(QWidget& widget) {
    const QPointF centre = widget.rect().center();
    QWheelEvent wheel(centre, widget.mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

// The names of the controls the Tab key reaches from the first one, once round.
std::vector<std::string> tab_stops(QWidget& first) {
    first.setFocus(Qt::TabFocusReason);
    std::vector<std::string> names;
    QWidget* start = QApplication::focusWidget();
    QWidget* focused = start;
    do {
        QWidget* named = focused;
        while (named != nullptr && named->objectName().isEmpty()) {
            named = named->parentWidget();
        }
        names.push_back(named == nullptr ? "?" : named->objectName().toStdString());
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
    } while (focused != start && names.size() < 100);
    return names;
}

TEST_F(Hands, TheWheelOverAListWithoutFocusPicksNothing) {
    auto* combo1 = widget<QComboBox>(w.Combo1);
    auto* crystals = widget<QComboBox>(w.crylist);
    for (QComboBox* list : {combo1, crystals}) {
        wheel_down(*list);
        wheel_down(*list);
    }
    EXPECT_EQ(reg(1)->text(), "011D5");
    EXPECT_EQ(w.crylist.text(), "25");
    EXPECT_TRUE(platform.messages.empty());
    combo1->setFocus();
    wheel_down(*combo1);
    EXPECT_EQ(w.Combo1.text(), "20");
    EXPECT_EQ(reg(1)->text(), "411D5");
}

TEST_F(Hands, TheWheelOverSpinArrowsWithoutFocusChangesNothing) {
    select_tab(1);
    auto* spin = widget<SpinArrows>(w.VScroll_fbA);
    wheel_down(*spin);
    EXPECT_EQ(w.fbA.text(), "10");
}

// AGC switch off, AGC增益 at 35: the drop-down opens on 35, and Down, Enter picks 36.
TEST_F(Hands, TheDropDownOpensOnTheListsValue) {
    select_tab(2);
    QTest::mouseClick(widget<QCheckBox>(w.CH1_AGC_SW), Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_EQ(w.CH1_AGC_SW.value(), 0);
    auto* agc = widget<QComboBox>(w.CH1_AGC_Gain);
    agc->setFocus();
    QTest::keyClick(agc, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = agc->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    EXPECT_EQ(view->currentIndex().data().toString(), "35");
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(w.CH1_AGC_Gain.text(), "36");
    EXPECT_EQ(widget<QLineEdit>(w.CH1_AC_Gain)->text(), "95");
}

// Typing into the open drop-down moves to the item that starts with it;
// only Enter picks it. Typing into the closed list still changes nothing.
TEST_F(Hands, TypingIntoTheOpenDropDownFindsAnItem) {
    auto* crystals = widget<QComboBox>(w.crylist);
    crystals->setFocus();
    QTest::keyClicks(crystals->lineEdit(), "4");
    EXPECT_EQ(w.crylist.text(), "25");
    QTest::keyClick(crystals, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = crystals->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    QTest::keyClicks(view, "4");
    EXPECT_TRUE(view->currentIndex().data().toString().startsWith('4'));
    EXPECT_EQ(w.crylist.text(), "25");
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(w.crylist.text().starts_with('4'));
}

// A key on the closed crystal list at start, before anything stepped it, and
// the item it moves to, counted from the list's value (or an end of the list).
struct ClosedListKey {
    const char* name;
    Qt::Key key;
    enum class From { Value, First, Last } from;
    int by;
};

class ClosedListKeys : public ConfigWindowHost,
                       public ::testing::WithParamInterface<ClosedListKey> {};

// The arrows and the page keys step from the value, Home and End go to the
// ends; each move is one pick.
TEST_P(ClosedListKeys, MoveFromTheListsValue) {
    const std::vector<std::string>& items = w.crylist.items();
    const auto at = [&](const std::string& text) {
        return static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
    };
    const int from[] = {at(w.crylist.text()), 0, static_cast<int>(items.size()) - 1};
    int clicks = 0;
    w.crylist.Click = [&] { ++clicks; };
    auto* crystals = widget<QComboBox>(w.crylist);
    crystals->setFocus();
    QTest::keyClick(crystals, GetParam().key);
    EXPECT_EQ(at(w.crylist.text()), from[static_cast<int>(GetParam().from)] + GetParam().by);
    EXPECT_EQ(clicks, 1);
}

using From = ClosedListKey::From;
INSTANTIATE_TEST_SUITE_P(Hands, ClosedListKeys,
                         ::testing::Values(ClosedListKey{"Down", Qt::Key_Down, From::Value, 1},
                                           ClosedListKey{"Up", Qt::Key_Up, From::Value, -1},
                                           ClosedListKey{"PageDown", Qt::Key_PageDown, From::Value,
                                                         1},
                                           ClosedListKey{"PageUp", Qt::Key_PageUp, From::Value, -1},
                                           ClosedListKey{"Home", Qt::Key_Home, From::First, 0},
                                           ClosedListKey{"End", Qt::Key_End, From::Last, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

// In a list that takes a typed value, Home and End move the caret.
TEST_F(Hands, HomeAndEndMoveTheCaretInAnLoList) {
    QTest::mouseClick(widget<QCheckBox>(w.Freq_ck), Qt::LeftButton, {}, QPoint(8, 8));
    auto* lo = widget<QComboBox>(w.ch1bz);
    lo->setFocus();
    QTest::keyClick(lo, Qt::Key_Home);
    QTest::keyClicks(lo, "1");
    EXPECT_EQ(w.ch1bz.text(), "11176");
}

TEST_F(Hands, ALongValueWrittenByTheProgramShowsItsStart) {
    select_tab(1);
    auto* reB = widget<QLineEdit>(w.reB);
    QTest::mouseClick(reB, Qt::LeftButton, {}, reB->rect().center());
    QTest::keyClicks(reB, "7");
    for (const TextBox* box : {&w.JXfreq, &w.VCO, &w.CYZfreq}) {
        auto* edit = widget<QLineEdit>(*box);
        EXPECT_GT(edit->text().size(), 8) << box->name();
        EXPECT_EQ(edit->cursorPosition(), 0) << box->name();
    }
    EXPECT_EQ(widget<QLineEdit>(w.JXfreq)->text(), "3.57142857142857");
}

TEST_F(Hands, EveryClickOnATabSelectsIt) {
    select_tab(3);
    window->findChild<QAction*>("Kv2841a")->trigger();
    ASSERT_EQ(window->page_area()->currentWidget(), widget(w.Frame1));
    select_tab(3);
    EXPECT_EQ(window->page_area()->currentWidget(), widget(w.Frame2));
}

TEST_F(Hands, CtrlTabAndCtrlPageKeysChangePages) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Frame* page;
    } steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, &w.Frame3},
        {Qt::Key_PageDown, Qt::ControlModifier, &w.Frame40},
        {Qt::Key_PageUp, Qt::ControlModifier, &w.Frame3},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, &w.Frame1},
        {Qt::Key_PageUp, Qt::ControlModifier, &w.Frame2},
    };
    for (const auto& step : steps) {
        QTest::keyClick(
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window.get(),
            step.key, step.modifiers);
        EXPECT_EQ(window->page_area()->currentWidget(), widget(*step.page)) << step.page->name();
    }
}

TEST_F(Hands, EnterPressesAFocusedButton) {
    int clicks = 0;
    w.ResetAll.Click = [&] { ++clicks; };
    auto* reset = widget<QPushButton>(w.ResetAll);
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);
    QTest::keyClick(reset, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 2);
}

// The Tab key goes round each page as the eye reads it, past the boxes that
// only show results and the options their switches keep closed, and on to
// the tab strip.
TEST_F(Hands, TabStopsFollowTheEyeAndSkipResults) {
    QTest::mouseClick(widget<QCheckBox>(w.Freq_ck), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(widget<QCheckBox>(w.ADC_ck), Qt::LeftButton, {}, QPoint(8, 8));
    const std::vector<std::string> function_page = {
        "Combo1", "Combo2", "Combo3",  "crylist", "ResetAll", "ACout", "DCout",
        "ADC_ck", "D2S_ck", "Freq_ck", "ch1bz",   "ch2bz",    "ch3bz", "TabStrip1"};
    EXPECT_EQ(tab_stops(*widget(w.Combo1)), function_page);
    select_tab(1);
    const std::vector<std::string> clock_page = {
        "VScroll_crystal", "VScroll_reA", "reB",        "VScroll_reB", "VScroll_SCfpb", "fbA",
        "VScroll_fbA",     "VScroll_fbB", "RessetAll2", "TabStrip1"};
    EXPECT_EQ(tab_stops(*widget(w.VScroll_crystal)), clock_page);
    select_tab(2);
    const std::vector<std::string> gain_page = {"CH1_RF_Gain", "CH1_AGC_SW", "CH1_IFA_SW",
                                                "CH2_RF_Gain", "CH2_AGC_SW", "CH3_RF_Gain",
                                                "CH3_AGC_SW",  "TabStrip1"};
    EXPECT_EQ(tab_stops(*widget(w.CH1_RF_Gain)), gain_page);
}

TEST_F(Hands, AFocusedSpinShowsItsFocus) {
    select_tab(1);
    auto* spin = widget<SpinArrows>(w.VScroll_fbA);
    const QImage without = spin->grab().toImage();
    spin->setFocus(Qt::TabFocusReason);
    EXPECT_NE(spin->grab().toImage(), without);
}

TEST_F(Hands, TheRedVcoBoxWritesInTheWindowTextColour) {
    select_tab(1);
    auto* fbA = widget<QLineEdit>(w.fbA);
    QTest::mouseClick(fbA, Qt::LeftButton, {}, fbA->rect().center());
    QTest::keyClicks(fbA, "45");
    const QPalette palette = widget<QLineEdit>(w.VCO)->palette();
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::Text),
              QApplication::palette().color(QPalette::WindowText));
}

// At 1024 x 600 every page shows whole; on a smaller screen the page area
// scrolls and the page keeps the room it needs.
TEST_F(Hands, EveryPageFits1024By600AndScrollsOnASmallerScreen) {
    auto* scroller = window->findChild<QScrollArea*>(QStringLiteral("page_scroller"));
    ASSERT_NE(scroller, nullptr);
    const QSize sizes[] = {{1024, 600}, {640, 400}};
    for (const QSize& size : sizes) {
        window->resize(size);
        for (int tab = 0; tab < window->tab_bar()->count(); ++tab) {
            select_tab(tab);
            QApplication::processEvents();
            QWidget* page = window->page_area()->currentWidget();
            const bool small = size.width() < 1024;
            EXPECT_EQ(scroller->horizontalScrollBar()->isVisible(), small) << tab;
            EXPECT_GE(page->width(), page->minimumSizeHint().width()) << tab;
            EXPECT_GE(page->height(), page->minimumSizeHint().height()) << tab;
        }
    }
}

}  // namespace
}  // namespace kv::qt::test
