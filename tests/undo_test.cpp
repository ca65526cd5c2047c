#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/session.h"
#include "support/window_fixture.h"
#include "support/window_state.h"

// Undo and redo of the configuration window: random sessions walked back to
// their start and forward again, and what makes a step.
namespace kv::test {
namespace {

constexpr std::uint64_t kSeeds[] = {21, 2841, 7, 8, 9, 10};
constexpr long kActions = 400;

// Counts every handler of the window that runs from now on.
void count_handlers(Kv2841a& w, int& count) {
    auto counted = [&count](Handler& handler) {
        if (handler) {
            handler = [&count, inner = handler] {
                ++count;
                inner();
            };
        }
    };
    for (Control* control : w.controls()) {
        if (auto* text = dynamic_cast<TextControl*>(control)) {
            counted(text->Change);
        }
        if (auto* box = dynamic_cast<TextBox*>(control)) {
            counted(box->Click);
        }
        if (auto* list = dynamic_cast<ComboBox*>(control)) {
            counted(list->Click);
        }
        if (auto* check = dynamic_cast<CheckBox*>(control)) {
            counted(check->Click);
        }
        if (auto* option = dynamic_cast<OptionButton*>(control)) {
            counted(option->Click);
        }
        if (auto* spin = dynamic_cast<ScrollBar*>(control)) {
            counted(spin->Change);
        }
    }
}

// The rules of the window after each action are the session test's; here a
// session only moves the window. After every action the settings are noted as the state after
// the history's last step (an action of the session that took two steps, a
// click and keys, leaves the state between them unknown); a fresh start
// begins anew. Then undoing every step
// passes through the state before each step back to the start, and redoing
// every step comes back to the last state, without a handler or a box.
TEST(Undo, WalksEverySessionBackToItsStartAndForwardAgain) {
    for (const std::uint64_t seed : kSeeds) {
        Session session(seed, {.opens_lists = true});
        std::vector<std::optional<std::string>> states = {
            settings_state(session.window(), session.module())};
        long restarts = 0;
        for (long action = 1; action <= kActions; ++action) {
            (void)session.step();
            if (session.figures().restarts != restarts) {
                restarts = session.figures().restarts;
                states.clear();
            }
            const std::size_t steps = session.window().history().undo_steps();
            states.resize(steps + 1);
            states[steps] = settings_state(session.window(), session.module());
        }
        Kv2841a& w = session.window();
        const std::string unlocked = std::to_string(session.module().RegsUnlocked) + " " +
                                     std::to_string(session.module().EditionClicks);
        int handlers = 0;
        count_handlers(w, handlers);
        for (std::size_t step = states.size() - 1; step > 0; --step) {
            ASSERT_TRUE(w.history().undo());
            if (states[step - 1]) {
                ASSERT_EQ(settings_state(w, session.module()), *states[step - 1])
                    << "seed " << seed << ": undo of step " << step;
            }
        }
        EXPECT_FALSE(w.history().undo());
        for (std::size_t step = 1; step < states.size(); ++step) {
            ASSERT_TRUE(w.history().redo());
            if (states[step]) {
                ASSERT_EQ(settings_state(w, session.module()), *states[step])
                    << "seed " << seed << ": redo of step " << step;
            }
        }
        EXPECT_FALSE(w.history().redo());
        EXPECT_EQ(handlers, 0) << "seed " << seed;
        EXPECT_TRUE(session.platform().messages.empty()) << "seed " << seed;
        EXPECT_EQ(std::to_string(session.module().RegsUnlocked) + " " +
                      std::to_string(session.module().EditionClicks),
                  unlocked);
    }
}

class History : public LoadedWindow {
protected:
    WindowHistory& history = w.history();
    [[nodiscard]] std::string state() const { return settings_state(w, module); }
};

// The keys typed into one list in a row are one step, however they come; the
// step ends when another control is touched or the focus leaves.
TEST_F(History, KeysIntoOneTextInARowAreOneStep) {
    ASSERT_TRUE(w.Freq_ck.click());
    const std::string before = state();
    ASSERT_TRUE(w.ch1bz.replace_text(""));
    ASSERT_TRUE(w.ch1bz.type("13"));
    ASSERT_TRUE(w.ch1bz.type("00"));
    ASSERT_TRUE(w.ch1bz.press_backspace());
    ASSERT_TRUE(w.ch1bz.type("0"));
    EXPECT_EQ(history.undo_steps(), 2U);
    const std::string typed = state();
    w.ch1bz.leave_focus();
    ASSERT_TRUE(w.ch1bz.type("1"));
    ASSERT_TRUE(w.ch2bz.type("2"));
    ASSERT_TRUE(w.ch1bz.type("3"));
    EXPECT_EQ(history.undo_steps(), 5U);
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(history.undo());
    }
    EXPECT_EQ(state(), typed);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(state(), before);
    EXPECT_EQ(w.ch1bz.text(), "1176");
}

// Keys that bring the text back to where the step began leave no step, and an
// action that changes nothing is none.
TEST_F(History, WhatChangesNothingIsNoStep) {
    ASSERT_TRUE(w.Freq_ck.click());
    ASSERT_TRUE(w.ch1bz.type("5"));
    ASSERT_TRUE(w.ch1bz.press_backspace());
    ASSERT_TRUE(w.ResetAll.click());
    ASSERT_TRUE(w.TabStrip1.select("key3"));
    EXPECT_EQ(history.undo_steps(), 2U);
    EXPECT_FALSE(w.ch1bz.type("x"));
}

// The menu items are greyed while there is nothing to undo or redo, and a new
// step clears what could be redone.
TEST_F(History, MenuShowsWhatCanBeUndoneAndANewStepClearsRedo) {
    EXPECT_FALSE(w.undo.enabled());
    EXPECT_FALSE(w.redo.enabled());
    ASSERT_TRUE(w.crylist.pick("40"));
    ASSERT_TRUE(w.ADC_ck.click());
    EXPECT_TRUE(w.undo.enabled());
    ASSERT_TRUE(w.undo.click());
    EXPECT_TRUE(w.redo.enabled());
    ASSERT_TRUE(w.D2S_ck.click());
    EXPECT_FALSE(w.redo.enabled());
    EXPECT_FALSE(history.redo());
    ASSERT_TRUE(w.undo.click());
    ASSERT_TRUE(w.undo.click());
    EXPECT_FALSE(w.undo.enabled());
    EXPECT_EQ(w.crylist.text(), "25");
}

// Steps beyond the kept number push out the oldest ones.
TEST_F(History, KeepsTheLastStepsUpToItsNumber) {
    for (std::size_t step = 0; step < kUndoSteps + 5; ++step) {
        ASSERT_TRUE(w.Freq_ck.click());
    }
    EXPECT_EQ(history.undo_steps(), kUndoSteps);
    while (history.undo()) {
    }
    EXPECT_EQ(w.Freq_ck.value(), 1);
}

}  // namespace
}  // namespace kv::test
