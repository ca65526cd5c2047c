#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

#include "panel/list_comparison.h"

#include "qt/bindings.h"
#include "qt/comparison_window.h"

class QStackedWidget;
class QTabBar;

namespace kv {
class Kv2841a;
}

namespace kv::qt {

// The configuration window on the desktop: the menu bar, the tab strip over
// the page area, the four pages and the status bar, every widget bound to its
// control of the window model. It only draws and forwards; the model decides.
class ConfigWindow final : public QMainWindow {
    Q_OBJECT

public:
    // The status bar's date and time panels read the clock given.
    explicit ConfigWindow(Kv2841a& w,
                          std::function<QDateTime()> clock = &QDateTime::currentDateTime);
    ~ConfigWindow() override;

    // Keeps the window within its screen, where the page then scrolls.
    void fit_to_screen();

    [[nodiscard]] Bindings& bindings() { return bindings_; }
    [[nodiscard]] const Bindings& bindings() const { return bindings_; }
    [[nodiscard]] QTabBar* tab_bar() const { return tab_bar_; }
    [[nodiscard]] QStackedWidget* page_area() const { return page_area_; }
    // The last comparison shown, while its window is open, or null.
    [[nodiscard]] ComparisonWindow* comparison_window() const { return comparison_.data(); }

protected:
    // Makes the pages not made yet once the page area has painted its first frame.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build_menus(Kv2841a& w);
    QWidget* build_centre(Kv2841a& w);
    // Shows a comparison in a window of its own, in place of the last one.
    void show_comparison(const std::string& path, const ListComparison& comparison);

    // Members go before the base class deletes the widgets: the bindings
    // detach from the model while their widgets are still there.
    Bindings bindings_;
    QTabBar* tab_bar_ = nullptr;
    QStackedWidget* page_area_ = nullptr;
    bool sized_ = false;
    Kv2841a& w_;
    QPointer<ComparisonWindow> comparison_;
};

}  // namespace kv::qt
