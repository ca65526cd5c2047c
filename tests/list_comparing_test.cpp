#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "panel/channels.h"
#include "panel/numbers.h"
#include "register_lists/list_comparing.h"
#include "register_lists/register_list_applying.h"
#include "support/fake_platform.h"
#include "support/rng.h"
#include "window/window.h"

// Comparing two windows' register lists names exactly the registers whose
// words differ and the settings whose controls differ.
namespace kv::test {
namespace {

struct Window {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    Window() { Form_Load(w); }
};

void pick_any(Rng& rng, ComboBox& list) {
    (void)list.pick(rng.below(list.items().size()));
}

void click_if(Rng& rng, Control& control) {
    if (rng.chance(50)) {
        (void)control.click();
    }
}

void arrows(Rng& rng, ScrollBar& spin) {
    for (int n = rng.between(0, 6); n > 0; --n) {
        (void)(rng.chance(50) ? spin.arrow_up() : spin.arrow_down());
    }
}

// A person's random walk through every setting that produces a word; the
// test switches open their frames first and take their own values last.
void random_state(Rng& rng, Kv2841a& w) {
    for (CheckBox* test : {&w.ADC_ck, &w.D2S_ck, &w.Freq_ck}) {
        (void)test->click();
    }
    pick_any(rng, w.crylist);
    for (ComboBox* list : {&w.Combo1, &w.Combo2, &w.Combo3}) {
        pick_any(rng, *list);
    }
    for (const Channel& c : kChannels) {
        if (rng.chance(50)) {
            (w.*c.lo).select_all();
            (void)(w.*c.lo).type(number_text(rng.between(1100000, 1600000) / 1000.0));
        }
    }
    for (ScrollBar* spin :
         {&w.VScroll_reA, &w.VScroll_reB, &w.VScroll_fbA, &w.VScroll_fbB, &w.VScroll_SCfpb}) {
        arrows(rng, *spin);
    }
    for (Control* output : {static_cast<Control*>(&w.ACout), static_cast<Control*>(&w.DCout),
                            static_cast<Control*>(rng.chance(50) ? &w.danduan : &w.chafen),
                            static_cast<Control*>(&w.Option4bit)}) {
        click_if(rng, *output);
    }
    for (const Channel& c : kChannels) {
        click_if(rng, w.*c.agc_switch);
        pick_any(rng, w.*c.front_end_gain);
        pick_any(rng, w.*c.agc_gain);
        pick_any(rng, w.*c.ifa_gain);
    }
    click_if(rng, w.CH1_IFA_SW);
    for (CheckBox* test : {&w.ADC_ck, &w.D2S_ck, &w.Freq_ck}) {
        click_if(rng, *test);
    }
}

// Every setting of the window as its controls hold it, by the name the
// comparison gives it.
std::map<std::string, std::string> control_settings(Kv2841a& w) {
    std::map<std::string, std::string> s;
    const ComboBox* bandwidths[] = {&w.Combo1, &w.Combo2, &w.Combo3};
    for (std::size_t k = 0; k < kChannels.size(); ++k) {
        const Channel& c = kChannels[k];
        const std::string channel = std::to_string(k + 1) + "通道";
        s[channel + "带宽"] = bandwidths[k]->text();
        s[channel + "本振"] = number_text(text_value(w.lo_words_frequency[k]));
        s[channel + "前端增益"] = (w.*c.front_end_gain).text();
        s[channel + "AGC自动开关"] = (w.*c.agc_switch).printed_value();
        s[channel + "AGC增益"] = (w.*c.agc_gain).text();
        s[channel + "IFA增益"] = (w.*c.ifa_gain).text();
    }
    s["晶振"] = std::to_string(w.module().cry_index);
    for (const Control* c : std::initializer_list<const Control*>{
             &w.reA, &w.reB, &w.fbA, &w.fbB, &w.SCfpb, &w.ACout, &w.DCout, &w.danduan,
             &w.Option4bit, &w.ADC_ck, &w.D2S_ck, &w.Freq_ck, &w.CH1_IFA_SW}) {
        s[c->name()] = c->printed_value();
    }
    return s;
}

std::set<std::string> differing(const std::map<std::string, std::string>& a,
                                const std::map<std::string, std::string>& b) {
    std::set<std::string> names;
    for (const auto& [name, value] : a) {
        if (b.at(name) != value) {
            names.insert(name);
        }
    }
    return names;
}

// The comparison's setting names, with the window's own names of the clock
// and switch controls in place of the names the pages give them.
std::set<std::string> compared(const ListComparison& comparison, const Kv2841a& w) {
    const std::map<std::string, std::string> control_of = {
        {"参考分频比A", w.reA.name()},       {"参考分频比B", w.reB.name()},
        {"反馈分频比A", w.fbA.name()},       {"反馈分频比B", w.fbB.name()},
        {"输出分频比", w.SCfpb.name()},      {"模拟输出", w.ACout.name()},
        {"数字输出", w.DCout.name()},        {"单端输出", w.danduan.name()},
        {"4Bit输出", w.Option4bit.name()},   {"输出模式控制", w.ADC_ck.name()},
        {"单端差分控制", w.D2S_ck.name()},   {"频率调节控制", w.Freq_ck.name()},
        {"IFA手动开关", w.CH1_IFA_SW.name()}};
    std::set<std::string> names;
    for (const SettingChange& change : comparison.settings) {
        const auto own = control_of.find(change.name);
        names.insert(own == control_of.end() ? change.name : own->second);
    }
    return names;
}

std::set<int> differing_words(const ReadList& a, const ReadList& b) {
    std::set<int> regs;
    for (std::size_t n = 0; n < a.words.size(); ++n) {
        if (a.words[n] != b.words[n]) {
            regs.insert(static_cast<int>(n));
        }
    }
    return regs;
}

// The names in one set and not the other, for a readable failure.
std::string mismatch(const std::set<std::string>& got, const std::set<std::string>& want) {
    std::string text;
    for (const std::string& name : got) {
        text += want.count(name) != 0 ? "" : " +" + name;
    }
    for (const std::string& name : want) {
        text += got.count(name) != 0 ? "" : " -" + name;
    }
    return text;
}

long pairs() {
    const char* env = std::getenv("KV_COMPARE_PAIRS");
    return env != nullptr ? std::atol(env) : 1000;
}

TEST(ListComparing, NamesExactlyTheRegistersAndSettingsThatDiffer) {
    Rng rng(24);
    for (long pair = 0; pair < pairs(); ++pair) {
        const auto a = std::make_unique<Window>();
        const auto b = std::make_unique<Window>();
        // One pair in ten walks the same way twice: equal lists.
        const std::uint64_t seed = rng.next();
        Rng walk_a(seed);
        Rng walk_b(rng.chance(10) ? seed : rng.next());
        random_state(walk_a, a->w);
        random_state(walk_b, b->w);
        const ReadList list_a = read_window_list(a->w);
        const ReadList list_b = read_window_list(b->w);
        const ListComparison comparison = compare_lists(list_a, list_b, offers_of(a->w));
        std::set<int> regs;
        for (const RegisterChange& change : comparison.registers) {
            regs.insert(change.reg);
        }
        ASSERT_EQ(regs, differing_words(list_a, list_b)) << "pair " << pair;
        const auto got = compared(comparison, a->w);
        const auto want = differing(control_settings(a->w), control_settings(b->w));
        ASSERT_TRUE(got == want) << "pair " << pair << ":" << mismatch(got, want);
    }
}

}  // namespace
}  // namespace kv::test
