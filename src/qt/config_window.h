#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <functional>

#include "qt/bindings.h"

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

    // Keeps the window within its screen, where the page then scrolls.
    void fit_to_screen();

    [[nodiscard]] Bindings& bindings() { return bindings_; }
    [[nodiscard]] const Bindings& bindings() const { return bindings_; }
    [[nodiscard]] QTabBar* tab_bar() const { return tab_bar_; }
    [[nodiscard]] QStackedWidget* page_area() const { return page_area_; }

protected:
    // Makes the pages not made yet once the page area has painted its first frame.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build_menus(Kv2841a& w);
    QWidget* build_centre(Kv2841a& w);

    // Members go before the base class deletes the widgets: the bindings
    // detach from the model while their widgets are still there.
    Bindings bindings_;
    QTabBar* tab_bar_ = nullptr;
    QStackedWidget* page_area_ = nullptr;
    bool sized_ = false;
};

}  // namespace kv::qt
