#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <string>

#include "list_files.h"
#include "panel/kv2841a.h"
#include "preparations.h"
#include "qt/config_window.h"
#include "qt/look.h"
#include "qt/qt_platform.h"
#include "qt/spin_arrows.h"
#include "quiet_platform.h"
#include "register_lists/register_lists.h"
#include "window/window.h"
#include "window_state.h"

// The person's actions through the configuration window with every widget
// bound, shown on the offscreen platform: keys and mouse clicks go to the
// real widgets, and each iteration ends once the window has handled every
// event the action caused, layout and painting included. Each action
// alternates between two moves that undo each other, as in core_bench.
namespace kv::bench {
namespace {

Kv2841a& loaded(Kv2841a& w) {
    Form_Load(w);
    return w;
}

// Layout, painting and whatever else the action posted.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The window as the program shows it: loaded first, then bound and shown.
// Focus moves go to the widgets as on the desktop; message boxes and the
// save dialog are answered at once.
struct ShownWindow {
    ShownWindow() {
        platform.on_focus = [this](const Control& control) { desktop.set_focus(control); };
        desktop.add_view(window.bindings());
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowExposed(&window)) {
            qFatal("the configuration window was never shown");
        }
        settle();
        window.bindings().make_pages();  // as right after the first frame
    }
    ~ShownWindow() { desktop.remove_view(window.bindings()); }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;

    template <typename Widget>
    Widget* widget(const Control& control) const {
        auto* found = qobject_cast<Widget*>(window.bindings().widget_of(control));
        if (found == nullptr) {
            qFatal("no widget for %s", control.name().c_str());
        }
        return found;
    }

    void click(const Control& control) const {
        QTest::mouseClick(widget<QWidget>(control), Qt::LeftButton);
    }
    // A check box or option button takes a click on its indicator.
    void click_indicator(const Control& control) const {
        QWidget* button = widget<QWidget>(control);
        const int middle = button->height() / 2;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(middle, middle));
    }
    void arrow(const ScrollBar& bar, bool upper) const {
        qt::SpinArrows* spin = widget<qt::SpinArrows>(bar);
        QTest::mouseClick(upper ? spin->upper() : spin->lower(), Qt::LeftButton);
    }
    // Ctrl+O, the open dialog answered with the next file at once.
    void open(ListLayout layout, bool there) {
        next_file_to_open(w, layout, there);
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    }
    // The arrow keys on a list pick the next or the previous item.
    void step_list(const ComboBox& list, bool down) const {
        QTest::keyClick(widget<QComboBox>(list), down ? Qt::Key_Down : Qt::Key_Up);
    }

    test::FakePlatform platform = quiet_platform();
    qt::QtPlatform desktop;
    Module module;
    Kv2841aWindow w{module, platform};
    qt::ConfigWindow window{loaded(w)};
};

struct WidgetAction {
    const char* name;
    const char* tab;  // the page the person works on
    // What the person does once before, on the window model.
    void (*prepare)(Kv2841a& w);
    void (*move)(ShownWindow& shown, bool forth);
};

const WidgetAction kActions[] = {
    {"lo_keystroke", "key1", open_frequency_frame,
     [](ShownWindow& s, bool forth) {
         QTest::keyClick(s.widget<QComboBox>(s.w.ch1bz)->lineEdit(),
                         forth ? Qt::Key_5 : Qt::Key_Backspace);
     }},
    {"crystal_arrow", "key2", nothing,
     [](ShownWindow& s, bool forth) { s.arrow(s.w.VScroll_crystal, forth); }},
    {"crystal_pick", "key1",
     [](Kv2841a& w) {
         open_frequency_frame(w);
         w.crylist.pick("25");
     },
     [](ShownWindow& s, bool forth) { s.step_list(s.w.crylist, forth); }},
    {"divider_arrow", "key2", nothing,
     [](ShownWindow& s, bool forth) { s.arrow(s.w.VScroll_fbA, forth); }},
    {"bandwidth_pick", "key1", [](Kv2841a& w) { w.Combo1.pick("10"); },
     [](ShownWindow& s, bool forth) { s.step_list(s.w.Combo1, forth); }},
    {"gain_pick", "key3", [](Kv2841a& w) { w.CH1_RF_Gain.pick("40"); },
     [](ShownWindow& s, bool forth) { s.step_list(s.w.CH1_RF_Gain, forth); }},
    {"agc_switch", "key3", nothing,
     [](ShownWindow& s, bool /*forth*/) { s.click_indicator(s.w.CH1_AGC_SW); }},
    {"output_option", "key1", open_output_frame,
     [](ShownWindow& s, bool forth) { s.click_indicator(forth ? s.w.danduan : s.w.chafen); }},
    {"test_switch", "key1", nothing,
     [](ShownWindow& s, bool /*forth*/) { s.click_indicator(s.w.D2S_ck); }},
    {"tab_switch", "key1", nothing,
     [](ShownWindow& s, bool forth) {
         QTabBar* tabs = s.window.tab_bar();
         QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(forth ? 1 : 0).center());
     }},
    {"reset", "key1", nothing, [](ShownWindow& s, bool /*forth*/) { s.click(s.w.ResetAll); }},
    {"save_spi_list", "key4", nothing,
     [](ShownWindow& s, bool /*forth*/) { s.click(s.w.save_reg_list); }},
    {"save_c_list", "key4", nothing,
     [](ShownWindow& s, bool /*forth*/) { s.click(s.w.SaveHexList); }},
    {"save_no_list", "key4", nothing,
     [](ShownWindow& s, bool /*forth*/) { s.click(s.w.SaveTipList); }},
    {"open_spi_list", "key4", nothing, [](ShownWindow& s, bool forth) { s.open(spi_list, forth); }},
    {"open_c_list", "key4", nothing, [](ShownWindow& s, bool forth) { s.open(c_list, forth); }},
    {"open_no_list", "key4", nothing, [](ShownWindow& s, bool forth) { s.open(no_list, forth); }},
};

void run_action(benchmark::State& state, const WidgetAction& action) {
    ShownWindow shown;
    shown.w.TabStrip1.select(action.tab);
    action.prepare(shown.w);
    settle();
    const std::string before = window_state(shown.w, shown.platform);
    action.move(shown, true);
    settle();
    if (window_state(shown.w, shown.platform) == before) {
        state.SkipWithError("the action did not reach the window");
        return;
    }
    bool forth = false;
    for (auto _ : state) {
        action.move(shown, forth);
        settle();
        forth = !forth;
    }
}

// The menu item "比较(C)..." with the open dialog answered at once: the
// window's list compared with a file and the comparison shown in its own
// window, each time in place of the last one. The item is triggered rather
// than its key pressed: the comparison window, once shown, is the active
// window. The file alternates between a set-up away from the start in every
// group and the start list.
void compare_through_window(benchmark::State& state) {
    ShownWindow shown;
    QAction* item = shown.window.findChild<QAction*>("compare_file");
    const auto compare = [&shown, item](bool there) {
        next_file_to_open(shown.w, spi_list, there);
        item->trigger();
        settle();
    };
    compare(true);
    if (shown.window.comparison_window() == nullptr) {
        state.SkipWithError("no comparison was shown");
        return;
    }
    bool there = false;
    for (auto _ : state) {
        compare(there);
        there = !there;
    }
}

// A step to undo: what the person did last, on the page shown.
struct UndoneStep {
    const char* name;
    const char* tab;
    void (*take)(ShownWindow& shown);
};

void open_list(ShownWindow& s) {
    s.open(spi_list, true);
}

const UndoneStep kUndoneSteps[] = {
    // A crystal picked, then the reset: about half the window changes back.
    {"reset", "key1",
     [](ShownWindow& s) {
         open_frequency_frame(s.w);
         s.w.crylist.pick("40");
         s.click(s.w.ResetAll);
     }},
    // A list opened that changes nearly every setting, seen on the page of
    // most settings and on the register page.
    {"open_list_key1", "key1", open_list},
    {"open_list_key4", "key4", open_list},
};

// Ctrl+Z (undo) or Ctrl+Y (redo) of the step through the window, the views
// of every control it changed brought up to date and painted; the opposite
// key, outside the timing, brings the window back for the next iteration.
void undo_redo(benchmark::State& state, const UndoneStep& step, bool undo) {
    ShownWindow shown;
    shown.w.TabStrip1.select(step.tab);
    step.take(shown);
    settle();
    auto press = [&shown](bool back) {
        QTest::keyClick(&shown.window, back ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        settle();
    };
    if (!undo) {
        press(true);
    }
    const std::string before = window_state(shown.w, shown.platform);
    press(undo);
    if (window_state(shown.w, shown.platform) == before) {
        state.SkipWithError("the key did not reach the window's history");
        return;
    }
    press(!undo);
    for (auto _ : state) {
        press(undo);
        state.PauseTiming();
        press(!undo);
        state.ResumeTiming();
    }
}

// The window model loaded, every widget made and bound, the window shown and
// painted once; then all of it closed again.
void startup(benchmark::State& state) {
    for (auto _ : state) {
        ShownWindow shown;
        benchmark::DoNotOptimize(&shown);
    }
}

}  // namespace
}  // namespace kv::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    kv::qt::apply_look();
    benchmark::AddCustomContext("qt", qVersion());
    benchmark::AddCustomContext("qpa", QGuiApplication::platformName().toStdString());
    benchmark::RegisterBenchmark("qt/startup", kv::bench::startup);
    benchmark::RegisterBenchmark("qt/compare_spi_list", kv::bench::compare_through_window);
    for (const kv::bench::WidgetAction& action : kv::bench::kActions) {
        benchmark::RegisterBenchmark((std::string("qt/") + action.name).c_str(),
                                     kv::bench::run_action, action);
    }
    for (const kv::bench::UndoneStep& step : kv::bench::kUndoneSteps) {
        for (const bool undo : {true, false}) {
            benchmark::RegisterBenchmark(
                (std::string(undo ? "qt/undo_" : "qt/redo_") + step.name).c_str(),
                kv::bench::undo_redo, step, undo);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
