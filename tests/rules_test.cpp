#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/window_fixture.h"
#include "support/window_model.h"
#include "support/window_rules.h"
#include "window/window.h"

// The rules of the random session hold for the window as it is, and tell
// every kind of fault when the window is tampered with behind its handlers.
namespace kv::test {
namespace {

class Rules : public LoadedWindow {
protected:
    [[nodiscard]] std::vector<std::string> broken() const { return broken_rules(w, module, model); }
    // Solves the puzzle's part: manual entry unlocked by a click.
    void unlock() {
        module.RegsUnlocked = 1;
        model.puzzle_won();
        w.Text1[0].click();
        model.register_box_clicked();
    }

    WindowModel model{w};
};

bool mentions(const std::vector<std::string>& problems, const std::string& part) {
    for (const std::string& problem : problems) {
        if (problem.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST_F(Rules, HoldRightAfterStart) {
    EXPECT_EQ(broken(), std::vector<std::string>{});
}

TEST_F(Rules, HoldAfterSettingsChange) {
    w.Freq_ck.click();
    w.ADC_ck.click();
    w.D2S_ck.click();
    w.danduan.click();
    w.DCout.click();
    w.Option2bit.click();
    w.Combo2.pick("40");
    w.crylist.pick("16.368");
    w.ch1bz.replace_text("1400");
    w.CH1_AGC_SW.click();
    model.start_action();
    w.CH1_AGC_Gain.pick("63");
    model.end_action(false);
    w.VScroll_fbA.arrow_up();
    EXPECT_TRUE(model.gain_current(1));
    EXPECT_EQ(broken(), std::vector<std::string>{});
}

TEST_F(Rules, TypedWordKeepsTheMarkItHad) {
    unlock();
    model.person_edits(2, [&] { w.Text1[2].replace_text("abc"); });
    model.person_edits(40, [&] { w.Text1[40].replace_text("00000 "); });
    EXPECT_TRUE(model.hand_typed(2));
    EXPECT_EQ(broken(), std::vector<std::string>{});
    w.Freq_ck.click();  // LiveRegsList writes both again
    EXPECT_FALSE(model.hand_typed(2));
    EXPECT_EQ(broken(), std::vector<std::string>{});
}

TEST_F(Rules, UnknownLoFrequencyLeavesTheLastWords) {
    w.Freq_ck.click();
    w.ch2bz.replace_text("-1e999");
    EXPECT_EQ(broken(), std::vector<std::string>{});
    w.ch2bz.replace_text("nan");
    EXPECT_EQ(broken(), std::vector<std::string>{});
}

// A change made behind the handlers, and a part of the rule it breaks.
struct Tamper {
    const char* name;
    std::function<void(Kv2841a&, Module&)> change;
    const char* told;
    friend void PrintTo(const Tamper& row, std::ostream* out) { *out << row.name; }
};

class Tampering : public Rules, public ::testing::WithParamInterface<Tamper> {};

TEST_P(Tampering, IsTold) {
    GetParam().change(w, module);
    const auto problems = broken();
    EXPECT_TRUE(mentions(problems, GetParam().told))
        << "told instead: " << ::testing::PrintToString(problems);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Tampering,
    ::testing::Values(
        Tamper{"CopiedWord", [](Kv2841a& w, Module&) { w.Text1[2].set_text("32179"); },
               "REG2 (copy of reg2_te)"},
        Tamper{"CopiedMark", [](Kv2841a& w, Module&) { w.mark(5, true); }, "REG5 is marked"},
        Tamper{"PanelWord", [](Kv2841a& w, Module&) { w.reg9_val.set_text("55701"); },
               "reg9_val (REG9 from the settings)"},
        Tamper{"LowerCaseWord", [](Kv2841a& w, Module&) { w.outmode.set_text("318c2"); },
               "outmode holds '318c2', not five upper-case hex digits"},
        Tamper{"Reg1Word", [](Kv2841a& w, Module&) { w.reg1_te.set_text("011D6"); },
               "reg1_te (REG1 from the settings)"},
        Tamper{"GainCopy", [](Kv2841a& w, Module&) { w.Reg10_Show.set_text("9965F"); },
               "Reg10_Show (default word)"},
        Tamper{"GainWordBeforeItsHandler",
               [](Kv2841a& w, Module&) {
                   w.Text1[10].set_text("98E3E");
                   w.Reg10_Show.set_text("98E3E");
               },
               "Reg10_Show (default word)"},
        Tamper{"FixedWord", [](Kv2841a& w, Module&) { w.Text1[13].set_text("62626"); },
               "REG13 (default word)"},
        Tamper{"Reg19Mark", [](Kv2841a& w, Module&) { w.mark(19, false); }, "REG19 is not marked"},
        Tamper{"BandwidthWord", [](Kv2841a& w, Module&) { w.Text1[27].set_text("FE830"); },
               "REG27 (bandwidth word)"},
        Tamper{"BandwidthMark", [](Kv2841a& w, Module&) { w.mark(34, true); },
               "REG34 is marked against the wide bandwidth"},
        Tamper{"OneBoxOpen", [](Kv2841a& w, Module&) { w.Text1[7].set_locked(false); },
               "Text1(7) is open before any unlock"},
        Tamper{"UnlockWithoutWin", [](Kv2841a&, Module& m) { m.RegsUnlocked = 1; },
               "RegsUnlocked is 1 while no board was won"},
        Tamper{"TwoPages", [](Kv2841a& w, Module&) { w.Frame3.set_visible(true); },
               "2 pages are shown"},
        Tamper{"Frequency", [](Kv2841a& w, Module&) { w.JXfreq.set_text("5.1"); },
               "JXfreq shows '5.1'"},
        Tamper{"VcoColour", [](Kv2841a& w, Module&) { w.VCO.set_back_color(kPureRed); },
               "VCO 200 has the wrong colour"},
        Tamper{"OpenFrame", [](Kv2841a& w, Module&) { w.Frame6.set_enabled(true); },
               "Frame6 is enabled against its switch"},
        Tamper{"LoError", [](Kv2841a& w, Module&) { w.Ch1_Deviation.set_text("9"); },
               "Ch1_Deviation shows '9'"},
        Tamper{"GainDisplay", [](Kv2841a& w, Module&) { w.CH1_AC_Gain.set_text("95"); },
               "CH1_AC_Gain: '95', not '94'"},
        Tamper{"CrystalIndex", [](Kv2841a&, Module& m) { m.cry_index = 2; },
               "cry_index 2 is not the position of VScroll_crystal 3"},
        Tamper{"GainList", [](Kv2841a& w, Module&) { w.CH2_RF_Gain.set_text("41"); },
               "CH2_RF_Gain shows '41', none of its items"},
        Tamper{"BothOptions", [](Kv2841a& w, Module&) { w.Option2bit.set_enabled(true); },
               "Option2bit is enabled against its switch"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ResetRules, TellAWordThatIsNotTheDefault) {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    Form_Load(w);
    w.ResetAll.click();
    EXPECT_EQ(reset_state_problems(w, module), std::vector<std::string>{});
    w.Text1[19].set_text("90308");
    EXPECT_TRUE(mentions(reset_state_problems(w, module), "REG19 after the reset"));
}

}  // namespace
}  // namespace kv::test
