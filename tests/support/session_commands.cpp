#include <algorithm>
#include <array>
#include <iterator>

#include "support/session.h"
#include "support/window_rules.h"

namespace kv::test {

namespace {

bool focus_ends_in_sink(const FakePlatform& platform) {
    return !platform.focus.empty() && platform.focus.back() == "FocusSeter";
}

bool has_event(const FakePlatform& platform, const std::string& event) {
    return std::find(platform.window_events.begin(), platform.window_events.end(), event) !=
           platform.window_events.end();
}

}  // namespace

void Session::click_check_box(Problems& /*problems*/) {
    CheckBox& box = *rng_.one_of(run_->check_boxes);
    note("click " + box.name(), box.click());
}

void Session::click_option(Problems& /*problems*/) {
    OptionButton& option = *rng_.one_of(run_->options);
    note("click " + option.name(), option.click());
}

void Session::press_arrow(Problems& /*problems*/) {
    ScrollBar& spin = *rng_.one_of(run_->spins);
    const bool up = rng_.chance(50);
    note((up ? "up " : "down ") + spin.name(), up ? spin.arrow_up() : spin.arrow_down());
}

// A tab shows its own page and leaves the focus in the sink; an unknown key
// changes nothing.
void Session::select_tab(Problems& problems) {
    const std::size_t tab = rng_.below(kPages.size() + 1);
    const std::string key = "key" + std::to_string(tab + 1);
    const bool accepted = w().TabStrip1.select(key);
    note("tab " + key, accepted);
    if (tab == kPages.size()) {
        if (accepted) {
            problems.add("the tab strip took the unknown key " + key);
        }
        return;
    }
    if (!accepted || !(w().*kPages[tab].frame).visible() || !focus_ends_in_sink(platform_)) {
        problems.add("tab " + key + " did not show its page with the focus in FocusSeter");
    }
}

// The three buttons "默 认" and the menu item KV2841A. The menu item shows the
// first page, keeps the tab strip's selection and leaves the focus alone.
void Session::reset(Problems& problems) {
    const std::size_t tab = w().TabStrip1.selected();
    const int which = static_cast<int>(rng_.below(4));
    bool accepted = false;
    switch (which) {
        case 0:
            accepted = w().ResetAll.click();
            break;
        case 1:
            accepted = w().RessetAll2.click();
            break;
        case 2:
            accepted = w().default_reg_list.click();
            break;
        default:
            accepted = w().Kv2841a_item.click();
            break;
    }
    const char* names[] = {"ResetAll", "RessetAll2", "default_reg_list", "KV2841A menu"};
    note(std::string("reset by ") + names[which], accepted);
    was_reset_ = true;
    ++figures_.resets;
    for (std::string& broken : reset_state_problems(w(), run_->app.module())) {
        problems.add(std::move(broken));
    }
    if (which == 3) {
        if (!w().Frame1.visible() || w().TabStrip1.selected() != tab || !platform_.focus.empty()) {
            problems.add("the KV2841A menu item moved the tab or the focus, or hid the first page");
        }
    } else if (!focus_ends_in_sink(platform_)) {
        problems.add("a reset button left the focus outside FocusSeter");
    }
}

// The version box counts its uses up to five; from the fifth on the puzzle
// window opens after it.
void Session::use_version_item(Problems& problems) {
    const int before = run_->app.module().EditionClicks;
    const bool accepted = w().edition.click();
    note("menu 版本", accepted);
    const std::string expected =
        "Korvane芯片寄存器配置工具V1.0.0 " + std::to_string(before + 1) + "\n2018年10月1日";
    if (platform_.messages.empty() || platform_.messages.front().text != expected) {
        problems.add("the version box does not read '" + expected + "'");
    }
    const bool opens = before + 1 >= 5;
    if (opens != has_event(platform_, "show MiniGame") ||
        (opens && run_->app.mini_game() == nullptr)) {
        problems.add("use " + std::to_string(before + 1) + " of the version item " +
                     (opens ? "did not open" : "opened") + " the puzzle");
    }
}

void Session::use_other_menu(Problems& /*problems*/) {
    MenuItem* items[] = {&w().about, &w().Direction, &w().open_file,     &w().munetips,
                         &w().files, &w().help,      &w().cut_off_line1, &w().cun_off_line2};
    MenuItem& item = *items[rng_.below(std::size(items))];
    note("menu " + item.name(), item.click());
}

void Session::activate(Problems& problems) {
    w().Form_Activate();
    note("activate the window", true);
    if (!focus_ends_in_sink(platform_)) {
        problems.add("activating the window left the focus outside FocusSeter");
    }
}

// "退出" closes the window without asking; the next start is a fresh program.
// The files saved so far stay on the platform.
void Session::exit_and_start_again(Problems& problems) {
    const bool accepted = w().exit.click();
    note("menu 退出, then start again", accepted);
    if (!has_event(platform_, "close Kv2841a")) {
        problems.add("退出 did not close the window");
    }
    restart_ = true;
}

}  // namespace kv::test
