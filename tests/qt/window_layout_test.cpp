#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <string>
#include <vector>

#include "config_window_host.h"
#include "game/mini_game.h"
#include "modal_answerer.h"
#include "page_geometry.h"
#include "panel/list_comparison.h"
#include "qt/comparison_window.h"
#include "qt/focus_sink.h"
#include "qt/game_window.h"
#include "qt/qt_platform.h"

// Nothing of either window is cut off: every caption has the room it asks
// for, every text shown at start fits its box, every widget lies inside its
// parent and overlaps no sibling. The same tests run at double scale
// (QT_SCALE_FACTOR=2), where fonts and layouts scale together.
namespace kv::qt::test {
namespace {

using WindowLayout = ConfigWindowHost;

std::string name_of(const QWidget& widget) {
    const QString name = widget.objectName();
    return (name.isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : name)
        .toStdString();
}

// A widget that shows a caption of its own; the spin arrows show none.
bool is_caption(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return !button->text().isEmpty();
    }
    return qobject_cast<const QLabel*>(&widget) != nullptr ||
           qobject_cast<const QGroupBox*>(&widget) != nullptr;
}

void expect_room_for_caption(const QWidget& widget) {
    const QSize wanted = widget.minimumSizeHint();
    EXPECT_GE(widget.width(), wanted.width()) << name_of(widget);
    EXPECT_GE(widget.height(), wanted.height()) << name_of(widget);
}

// The text of an edit field, with the field's frame and inner margins.
void expect_text_fits(const QLineEdit& edit, const std::string& name) {
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const int room = edit.width() - 2 * frame - 4;
    EXPECT_LE(edit.fontMetrics().horizontalAdvance(edit.text()), room)
        << name << " \"" << edit.text().toStdString() << "\"";
}

// The shown widgets a layout places, which must not overlap one another.
std::vector<const QWidget*> laid_out_children(const QWidget& parent) {
    std::vector<const QWidget*> children;
    for (const QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow() &&
            qobject_cast<const FocusSink*>(child) == nullptr) {
            children.push_back(child);
        }
    }
    return children;
}

void expect_laid_out_cleanly(const QWidget& parent) {
    const std::vector<const QWidget*> children = laid_out_children(parent);
    for (std::size_t a = 0; a < children.size(); ++a) {
        const QWidget& child = *children[a];
        EXPECT_TRUE(parent.rect().contains(child.geometry()))
            << name_of(child) << " outside " << name_of(parent);
        if (is_caption(child)) {
            expect_room_for_caption(child);
        }
        if (const auto* edit = qobject_cast<const QLineEdit*>(&child)) {
            const auto* list = qobject_cast<const QComboBox*>(&parent);
            expect_text_fits(*edit, name_of(list != nullptr ? parent : child));
        }
        for (std::size_t b = a + 1; b < children.size(); ++b) {
            EXPECT_FALSE(child.geometry().intersects(children[b]->geometry()))
                << name_of(child) << " overlaps " << name_of(*children[b]);
        }
        expect_laid_out_cleanly(child);
    }
}

TEST_F(WindowLayout, RunsAtTheScaleAsked) {
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    EXPECT_DOUBLE_EQ(window->devicePixelRatio(), scale);
}

TEST_F(WindowLayout, EveryPageHasRoomForAllItShows) {
    for (int tab = 0; tab < window->tab_bar()->count(); ++tab) {
        select_tab(tab);
        SCOPED_TRACE(window->tab_bar()->tabText(tab).toStdString());
        expect_laid_out_cleanly(*window);
    }
}

TEST_F(WindowLayout, TheWindowOpensWithinASmallLaptopScreen) {
    // 1366 x 768 less a task bar, in the screen's own units at any scale.
    const QSize size = window->frameGeometry().size();
    EXPECT_LE(size.width(), 1366);
    EXPECT_LE(size.height(), 728);
    EXPECT_GE(window->width(), window->minimumSizeHint().width());
}

// At any scale the window, put where it would stick out, comes back within
// the screen's free area, and the comparison window, the save dialog and a
// box come up within it.
TEST_F(WindowLayout, WindowsAndDialogsStayWithinTheScreen) {
    const QRect area = window->screen()->availableGeometry();
    window->move(area.center());
    window->fit_to_screen();
    EXPECT_TRUE(area.contains(window->frameGeometry()));
    w.show_comparison("b.txt", ListComparison{});
    ASSERT_NE(window->comparison_window(), nullptr);
    EXPECT_TRUE(area.contains(window->comparison_window()->frameGeometry()));
    QtPlatform desktop;
    ModalAnswerer answerer;
    CommonDialog dialog = w.CommonDialog1;
    EXPECT_FALSE(desktop.show_save_dialog(dialog));
    desktop.message_box({MessageIcon::Information, MessageButtons::Ok, "?", "?"});
    ASSERT_EQ(answerer.dialogs.size(), 1U);
    ASSERT_EQ(answerer.boxes.size(), 1U);
    EXPECT_TRUE(answerer.dialogs[0].within_screen);
    EXPECT_TRUE(answerer.boxes[0].within_screen);
}

TEST_F(WindowLayout, AWindowFilling1366By768KeepsItsPagesInOrder) {
    window->resize(1366, 768);
    for (int tab = 0; tab < window->tab_bar()->count(); ++tab) {
        select_tab(tab);
        SCOPED_TRACE(window->tab_bar()->tabText(tab).toStdString());
        expect_laid_out_cleanly(*window);
    }
}

TEST_F(WindowLayout, ThePuzzleWindowShowsItsWholeBoard) {
    MiniGame game{module, platform};
    game.MDIForm_Load();
    GameWindow puzzle(game);
    puzzle.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&puzzle));
    expect_laid_out_cleanly(puzzle);
}

}  // namespace
}  // namespace kv::qt::test
