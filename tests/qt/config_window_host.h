#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "panel/kv2841a.h"
#include "qt/config_window.h"
#include "support/fake_platform.h"
#include "window/window.h"

namespace kv::qt::test {

// The configuration window on a scripted platform, loaded, shown and active,
// with all its pages made and the person's ways of reaching its widgets.
class ConfigWindowHost : public ::testing::Test {
protected:
    ConfigWindowHost() {
        Form_Load(w);
        window = std::make_unique<ConfigWindow>(
            w, [] { return QDateTime(QDate(2018, 10, 1), QTime(9, 30)); });
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The pages the window makes after its first frame, made now.
        window->bindings().make_pages();
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

    // Opens the list, scrolls to the item in the row given and clicks it.
    void pick(QComboBox& combo, int row) const {
        combo.showPopup();
        QAbstractItemView* view = combo.view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex item = view->model()->index(row, 0);
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    }

    void select_tab(int index) const {
        QTest::mouseClick(window->tab_bar(), Qt::LeftButton, {},
                          window->tab_bar()->tabRect(index).center());
    }

    kv::test::FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    std::unique_ptr<ConfigWindow> window;
};

}  // namespace kv::qt::test
