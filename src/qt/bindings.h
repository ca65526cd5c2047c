#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "panel/controls.h"
#include "qt/text_link.h"

class QCheckBox;
class QComboBox;
class QDateTime;
class QGroupBox;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QStatusBar;
class QTabBar;
class QWidget;

namespace kv::qt {

class BoardCell;
class BoundLineEdit;
class FocusSink;
class SpinArrows;

// The bindings of one window. One helper per control kind makes the widget of
// a core control (named after it), mirrors the control's properties into the
// widget with the widget's signals blocked, and turns only the person's
// actions on the widget into the control's user actions. It computes nothing:
// whatever the control holds after an action is what the widget shows.
//
// The controls must outlive the bindings; the bindings detach from every
// control when they are destroyed, before the widgets go.
class Bindings final {
public:
    Bindings() = default;
    ~Bindings();
    Bindings(const Bindings&) = delete;
    Bindings& operator=(const Bindings&) = delete;

    QLineEdit* text_box(TextBox& box, QWidget* parent);
    QComboBox* combo_box(ComboBox& list, QWidget* parent);
    QCheckBox* check_box(CheckBox& check, QWidget* parent);
    QRadioButton* option_button(OptionButton& option, QWidget* parent);
    SpinArrows* scroll_bar(ScrollBar& bar, QWidget* parent);
    QPushButton* command_button(CommandButton& button, QWidget* parent);
    QGroupBox* frame(Frame& frame, QWidget* parent);
    BoardCell* label(Label& label, QWidget* parent);
    // A drop-down menu for a menu with items, an action on the bar itself for
    // one without.
    void menu(MenuItem& menu, QMenuBar& bar);
    QTabBar* tab_strip(TabStrip& tabs, QWidget* parent);
    // A page of the page area: the frame that shows it, and how to make it.
    struct Page {
        Frame* frame;
        std::function<QWidget*()> make;
    };
    // The page area under a tab strip: it shows the page of whichever page
    // frame is visible, the first of them when several are. A page is made
    // the first time it is shown, or by make_page or make_pages before that.
    void pages(QStackedWidget& area, std::vector<Page> pages);
    // Makes the page of the frame given, if it is not made yet.
    void make_page(const Frame& frame);
    // Makes every page not made yet.
    void make_pages();
    // The status bar's panels; the date and time panels read the clock given.
    void status_bar(StatusBar& bar, QStatusBar& widget, std::function<QDateTime()> clock);
    // The widget that takes the focus away from a control without showing a caret.
    FocusSink* focus_sink(TextBox& sink, QWidget* parent);

    // The widget bound to a control, or null.
    [[nodiscard]] QWidget* widget_of(const Control& control) const;

    // Lets go of every control at once: no control reaches its widget, and no
    // widget its control, any more. For a window that closes while its model
    // lives on for a while.
    void detach();

private:
    // Makes the view of the control run refresh, and runs it once now.
    void attach(Control& control, std::function<void()> refresh);
    void remember(const Control& control, QWidget* widget);
    // Connects a widget's signal to an action on a control. The connection
    // goes with the bindings, so a widget that outlives them (or is being torn
    // down) reaches no control.
    template <typename Sender, typename Signal, typename Slot>
    void on(Sender* sender, Signal signal, Slot slot) {
        connections_.push_back(QObject::connect(sender, signal, &receiver_, std::move(slot)));
    }
    // Keeps an edit field and a text control together (see TextLink).
    TextLink& link_text(BoundLineEdit& edit, TextControl& control);

    // A page of the page area and its widget, once made.
    struct PageSlot {
        Page page;
        QWidget* widget = nullptr;
    };
    QWidget* made(PageSlot& slot);

    QObject receiver_;
    std::vector<QMetaObject::Connection> connections_;
    std::vector<std::unique_ptr<TextLink>> links_;
    std::vector<Control*> attached_;
    std::unordered_map<const Control*, QPointer<QWidget>> widgets_;
    QStackedWidget* page_area_ = nullptr;
    std::vector<PageSlot> page_slots_;
};

// The common properties every widget mirrors: enabled, shown, tool tip.
void refresh_common(QWidget& widget, const Control& control);

}  // namespace kv::qt
