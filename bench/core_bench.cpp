#include <benchmark/benchmark.h>

#include <string>

#include "list_files.h"
#include "panel/kv2841a.h"
#include "preparations.h"
#include "quiet_platform.h"
#include "register_lists/register_lists.h"
#include "window/window.h"
#include "window_state.h"

// The person's actions on the window model alone, one action per iteration,
// on a window loaded as at every start. Each action alternates between two
// moves that undo each other (a digit typed and taken back, the upper arrow
// and the lower), so every iteration starts from a settled state and does the
// same work as the one before.
namespace kv::bench {
namespace {

struct LoadedWindow {
    LoadedWindow() { Form_Load(w); }

    test::FakePlatform platform = quiet_platform();
    Module module;
    Kv2841aWindow w{module, platform};
};

struct Action {
    const char* name;
    // What the person does once before: opens a frame, picks a start item.
    void (*prepare)(Kv2841a& w);
    // One move; the next call with the other `forth` undoes it. False when
    // the window refused it.
    bool (*move)(Kv2841a& w, bool forth);
};

const Action kActions[] = {
    {"lo_keystroke", open_frequency_frame,
     [](Kv2841a& w, bool forth) { return forth ? w.ch1bz.type("5") : w.ch1bz.press_backspace(); }},
    {"crystal_arrow", nothing,
     [](Kv2841a& w, bool forth) {
         return forth ? w.VScroll_crystal.arrow_up() : w.VScroll_crystal.arrow_down();
     }},
    {"crystal_pick", open_frequency_frame,
     [](Kv2841a& w, bool forth) { return w.crylist.pick(forth ? "40" : "25"); }},
    {"divider_arrow", nothing,
     [](Kv2841a& w, bool forth) {
         return forth ? w.VScroll_fbA.arrow_up() : w.VScroll_fbA.arrow_down();
     }},
    {"bandwidth_pick", nothing,
     [](Kv2841a& w, bool forth) { return w.Combo1.pick(forth ? "40" : "10"); }},
    {"gain_pick", nothing,
     [](Kv2841a& w, bool forth) { return w.CH1_RF_Gain.pick(forth ? "49" : "40"); }},
    {"agc_switch", nothing, [](Kv2841a& w, bool /*forth*/) { return w.CH1_AGC_SW.click(); }},
    {"output_option", open_output_frame,
     [](Kv2841a& w, bool forth) { return forth ? w.danduan.click() : w.chafen.click(); }},
    {"test_switch", nothing, [](Kv2841a& w, bool /*forth*/) { return w.D2S_ck.click(); }},
    {"reset", nothing, [](Kv2841a& w, bool /*forth*/) { return w.ResetAll.click(); }},
    {"save_spi_list", nothing, [](Kv2841a& w, bool /*forth*/) { return w.save_reg_list.click(); }},
    {"save_c_list", nothing, [](Kv2841a& w, bool /*forth*/) { return w.SaveHexList.click(); }},
    {"save_no_list", nothing, [](Kv2841a& w, bool /*forth*/) { return w.SaveTipList.click(); }},
    {"open_spi_list", nothing,
     [](Kv2841a& w, bool forth) {
         next_file_to_open(w, spi_list, forth);
         return w.open_file.click();
     }},
    {"open_c_list", nothing,
     [](Kv2841a& w, bool forth) {
         next_file_to_open(w, c_list, forth);
         return w.open_file.click();
     }},
    {"open_no_list", nothing,
     [](Kv2841a& w, bool forth) {
         next_file_to_open(w, no_list, forth);
         return w.open_file.click();
     }},
    // Undo and redo in turn of a reset after a crystal pick, and of a list
    // opened that changes nearly every setting.
    {"undo_redo_reset",
     [](Kv2841a& w) {
         open_frequency_frame(w);
         w.crylist.pick("40");
         w.ResetAll.click();
     },
     [](Kv2841a& w, bool forth) { return forth ? w.undo.click() : w.redo.click(); }},
    {"undo_redo_open_list",
     [](Kv2841a& w) {
         next_file_to_open(w, spi_list, true);
         w.open_file.click();
     },
     [](Kv2841a& w, bool forth) { return forth ? w.undo.click() : w.redo.click(); }},
};

void run_action(benchmark::State& state, const Action& action) {
    LoadedWindow loaded;
    action.prepare(loaded.w);
    const std::string before = window_state(loaded.w, loaded.platform);
    if (!action.move(loaded.w, true) || window_state(loaded.w, loaded.platform) == before) {
        state.SkipWithError("the action did not reach the window");
        return;
    }
    bool forth = false;
    for (auto _ : state) {
        if (!action.move(loaded.w, forth)) {
            state.SkipWithError("the window refused the action");
            break;
        }
        forth = !forth;
    }
    benchmark::DoNotOptimize(loaded.platform.bytes_saved);
}

// Typing a text of range(0) characters key by key into a box that takes
// them all: the time per character stays flat as the text grows.
void type_long_text(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), '7');
    for (auto _ : state) {
        TextBox box{"box", nullptr, ""};
        box.type(text);
        benchmark::DoNotOptimize(box.text().data());
    }
    state.SetComplexityN(state.range(0));
}

// The menu item "比较(C)..." on the model: both lists read and decoded, the
// words, fields and settings compared; the comparison is handed to a front
// end that only counts it. The file alternates as for opening.
void compare_list(benchmark::State& state) {
    LoadedWindow loaded;
    std::size_t shown = 0;
    loaded.w.show_comparison = [&shown](const std::string&, const ListComparison& comparison) {
        shown += comparison.registers.size();
    };
    bool there = true;
    for (auto _ : state) {
        next_file_to_open(loaded.w, spi_list, there);
        loaded.w.compare_file.click();
        there = !there;
    }
    if (shown == 0) {
        state.SkipWithError("no comparison was shown");
    }
}

// Start-up of the model: the window with every control, then Form_Load.
void startup(benchmark::State& state) {
    for (auto _ : state) {
        LoadedWindow loaded;
        benchmark::DoNotOptimize(loaded.w.Text1[1].text().data());
    }
}

}  // namespace
}  // namespace kv::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RegisterBenchmark("core/startup", kv::bench::startup);
    benchmark::RegisterBenchmark("core/compare_spi_list", kv::bench::compare_list);
    benchmark::RegisterBenchmark("core/type_long_text", kv::bench::type_long_text)
        ->RangeMultiplier(4)
        ->Range(10000, 160000)
        ->Complexity();
    for (const kv::bench::Action& action : kv::bench::kActions) {
        benchmark::RegisterBenchmark((std::string("core/") + action.name).c_str(),
                                     kv::bench::run_action, action);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
