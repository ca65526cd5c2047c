#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "panel/register_texts.h"
#include "panel/utf8.h"
#include "register_lists/list_commands.h"
#include "register_lists/register_lists.h"
#include "support/fake_platform.h"
#include "support/register_oracle.h"
#include "support/rule_checks.h"
#include "support/session.h"
#include "support/window_state.h"
#include "window/window.h"

// Save and open again: every window state reached by the random sessions, and
// the hand-made corner states, saved in each layout and opened in a new window
// gives the same 44 texts (in the C list the same words wherever the texts were
// five hex digits), marks against the chip's power-on words, and the same
// settings wherever the words determine them; no file the program saves is
// refused, whatever the person typed or pasted. KV_ROUND_TRIP_ACTIONS sets
// how many session actions each of the two sessions plays (5000 by default).
namespace kv::test {
namespace {

using Writer = std::string (*)(std::span<const std::string>);
struct Layout {
    const char* name;
    Writer write;
    bool c_list;
};
constexpr Layout kLayouts[] = {
    {"SPI", spi_list, false}, {"C", c_list, true}, {"No.", no_list, false}};

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The text a register comes back with: a word in upper case, any other text as
// it stands; the C list keeps five characters.
std::string expected_text(const std::string& text, bool c_list) {
    if (c_list) {
        const std::u32string chars = to_utf32(text);
        const std::string first = to_utf8(chars.substr(0, 5));
        if (oracle::is_word(upper(first))) {
            return upper(first);
        }
        return chars.size() > 5 ? first : text;
    }
    const std::size_t end = text.find_last_not_of(" \t");
    const std::string trimmed = end == std::string::npos ? "" : text.substr(0, end + 1);
    return oracle::is_word(upper(trimmed)) ? upper(trimmed) : text;
}

// The C list keeps five characters of each text: a longer text, or one of five
// that is no word, may have been cut.
std::vector<int> expected_cut(const std::vector<std::string>& texts) {
    std::vector<int> cut;
    for (std::size_t n = 0; n < texts.size(); ++n) {
        const std::u32string chars = to_utf32(texts[n]);
        if (chars.size() >= 5 && !oracle::is_word(upper(to_utf8(chars.substr(0, 5))))) {
            cut.push_back(static_cast<int>(n));
        }
    }
    return cut;
}

std::string_view chip_word(int n) {
    return n == 19 ? std::string_view("90308") : oracle::default_word(n);
}

// The settings of each group of registers, where the group's words are the
// words of the window's own settings; a group whose words were typed by hand
// or left by a reset says nothing of the settings.
struct Group {
    std::vector<int> registers;
    std::function<std::string(const Kv2841a&, const Module&)> settings;
};

std::string values(std::initializer_list<double> numbers) {
    std::ostringstream out;
    for (double number : numbers) {
        out << number << ' ';
    }
    return out.str();
}

double v(const TextControl& c) {
    return text_value(c.text());
}

// 20 and 19.2 MHz give the same words: which of them the file meant is a choice.
int crystal_class(int index) {
    return index == 5 ? 4 : index;
}

const std::vector<Group>& groups() {
    static const std::vector<Group> list = {
        {{1, 18, 27, 34},
         [](const Kv2841a& w, const Module&) {
             return values({v(w.Combo1), v(w.Combo2), v(w.Combo3)});
         }},
        {{1, 2, 3, 4, 5, 6, 7},
         [](const Kv2841a& w, const Module& m) {
             return std::to_string(crystal_class(m.cry_index)) + ' ' + w.reg2_te.text() +
                    w.reg3_te.text() + w.reg4_te.text() + w.reg5_te.text() + w.reg6_te.text() +
                    w.reg7_te.text();
         }},
        {{8},
         [](const Kv2841a& w, const Module&) {
             return values(
                 {double(w.ACout.value()), double(w.DCout.value()), double(w.danduan.value())});
         }},
        {{9},
         [](const Kv2841a& w, const Module&) {
             return values({v(w.reA), v(w.reB), v(w.fbA), v(w.fbB), v(w.SCfpb)});
         }},
        {{10},
         [](const Kv2841a& w, const Module&) {
             return values({v(w.CH1_RF_Gain), v(w.CH1_AGC_Gain), v(w.CH1_IFA_Gain),
                            double(w.CH1_AGC_SW.value()), double(w.CH1_IFA_SW.value())});
         }},
        {{11},
         [](const Kv2841a& w, const Module&) {
             return values({v(w.CH2_RF_Gain), v(w.CH2_AGC_Gain), v(w.CH2_IFA_Gain),
                            double(w.CH2_AGC_SW.value())});
         }},
        {{12},
         [](const Kv2841a& w, const Module&) {
             return values({v(w.CH3_RF_Gain), v(w.CH3_AGC_Gain), v(w.CH3_IFA_Gain),
                            double(w.CH3_AGC_SW.value())});
         }},
        {{23},
         [](const Kv2841a& w, const Module&) { return values({double(w.Option2bit.value())}); }},
        {{40},
         [](const Kv2841a& w, const Module&) {
             return values(
                 {double(w.D2S_ck.value()), double(w.ADC_ck.value()), double(w.Freq_ck.value())});
         }},
    };
    return list;
}

bool determined(const Group& group, const Kv2841a& w, const rules::Words& words) {
    for (int n : group.registers) {
        const auto& word = words[static_cast<std::size_t>(n)];
        if (!word || *word != w.Text1[static_cast<std::size_t>(n)].text()) {
            return false;
        }
    }
    return true;
}

// The registers the box "提示" names as written from the file.
std::vector<int> named_registers(const FakePlatform& platform) {
    const std::string lead = "以下寄存器无法由面板设置得到，已按文件写入：";
    std::vector<int> named;
    if (platform.messages.empty() || !platform.messages[0].text.starts_with(lead)) {
        return named;
    }
    const std::string text = platform.messages[0].text;
    const std::string names = text.substr(lead.size(), text.find('\n') - lead.size());
    for (std::size_t at = names.find("REG"); at != std::string::npos;
         at = names.find("REG", at + 3)) {
        named.push_back(std::stoi(names.substr(at + 3)));
    }
    return named;
}

// A register is named exactly when its text differs from the word the opened
// window's settings give, as the oracle works it out (where it knows one).
std::vector<std::string> naming_problems(const Kv2841a& opened, const Module& module,
                                         const FakePlatform& platform) {
    std::vector<std::string> problems;
    Problems ignored;
    const rules::Words words = rules::current_words(opened, module, ignored);
    const std::vector<int> named = named_registers(platform);
    for (int n = 0; n < kRegisterCount; ++n) {
        const auto& word = words[static_cast<std::size_t>(n)];
        const bool is_named = std::ranges::count(named, n) != 0;
        if (word && is_named != (*word != opened.Text1[static_cast<std::size_t>(n)].text())) {
            problems.push_back("REG" + std::to_string(n) + (is_named ? " is" : " is not") +
                               " named, its settings give " + *word);
        }
    }
    return problems;
}

// Saves the window in every layout, opens each file in a new window, and
// tells what came out differently.
std::vector<std::string> round_trip(const Kv2841a& original, const Module& module) {
    std::vector<std::string> problems;
    const std::vector<std::string> texts = register_texts(original);
    Problems ignored;
    const rules::Words words = rules::current_words(original, module, ignored);
    for (const Layout& layout : kLayouts) {
        FakePlatform platform;
        Module opened_module;
        Kv2841aWindow opened(opened_module, platform);
        Form_Load(opened);
        platform.files["regs.txt"] = layout.write(texts);
        const bool done = open_register_list(opened, "regs.txt");
        const std::string where = std::string(layout.name) + " list: ";
        if (!done || (!platform.messages.empty() && platform.messages[0].title != "提示")) {
            problems.push_back(where + "not opened: " +
                               (platform.messages.empty() ? "" : platform.messages[0].text));
            continue;
        }
        for (int n = 0; n < kRegisterCount; ++n) {
            const TextBox& box = opened.Text1[static_cast<std::size_t>(n)];
            const std::string expected =
                expected_text(texts[static_cast<std::size_t>(n)], layout.c_list);
            if (box.text() != expected) {
                problems.push_back(where + "REG" + std::to_string(n) + " is '" + box.text() +
                                   "', not '" + expected + "'");
            }
            if ((box.back_color() == kHighlight) != (box.text() != chip_word(n))) {
                problems.push_back(where + "REG" + std::to_string(n) + " has the wrong mark");
            }
        }
        for (const std::string& problem : naming_problems(opened, opened_module, platform)) {
            problems.push_back(where + problem);
        }
        const std::vector<int> cut = layout.c_list ? expected_cut(texts) : std::vector<int>{};
        std::string cut_names;
        for (int n : cut) {
            cut_names += (cut_names.empty() ? "REG" : "、REG") + std::to_string(n);
        }
        if (!cut.empty() && (platform.messages.empty() ||
                             platform.messages[0].text.find(cut_names) == std::string::npos)) {
            problems.push_back(where + "the cut words " + cut_names + " were not told");
        }
        for (const Group& group : groups()) {
            if (determined(group, original, words) &&
                group.settings(opened, opened_module) != group.settings(original, module)) {
                problems.push_back(where + "the settings of REG" +
                                   std::to_string(group.registers.front()) + " came back as " +
                                   group.settings(opened, opened_module) + "instead of " +
                                   group.settings(original, module));
            }
        }
    }
    return problems;
}

// A window a person brought into a corner of its settings.
using Setup = std::function<void(Kv2841a&, Module&)>;
using Corner = std::pair<std::string, Setup>;

void type_into(TextControl& box, const std::string& text) {
    box.select_all();
    EXPECT_TRUE(box.type(text)) << box.name();
}

// Every crystal, with LOs at both ends of the list and at integer-N.
void crystals_and_los(std::vector<Corner>& corners) {
    for (int index = 1; index <= 7; ++index) {
        const oracle::Crystal& row = *oracle::crystal(index);
        const double step = row.mhz / (2.0 * row.pre_divider);
        const std::string integer_n = number_text(std::round(1200 / step) * step);
        for (const std::string& lo : {std::string("1176"), std::string("1598"), integer_n}) {
            corners.emplace_back("crystal " + std::string(row.text) + ", LO " + lo,
                                 [crystal = std::string(row.text), lo](Kv2841a& w, Module&) {
                                     EXPECT_TRUE(w.crylist.pick(crystal));
                                     type_into(w.ch1bz, lo);
                                     EXPECT_TRUE(w.ch2bz.pick(w.ch2bz.items().back()));
                                     type_into(w.ch3bz, lo);
                                 });
        }
    }
}

// Each divider at both ends of its spin, and every bandwidth.
void dividers_and_bandwidths(std::vector<Corner>& corners) {
    for (const char* name :
         {"VScroll_reA", "VScroll_reB", "VScroll_fbA", "VScroll_fbB", "VScroll_SCfpb"}) {
        for (const bool up : {true, false}) {
            corners.emplace_back(std::string(name) + (up ? " top" : " bottom"),
                                 [name, up](Kv2841a& w, Module&) {
                                     auto& spin = static_cast<ScrollBar&>(*w.find(name));
                                     while (up ? spin.arrow_up() && spin.value() > spin.min()
                                               : spin.arrow_down() && spin.value() < spin.max()) {
                                     }
                                 });
        }
    }
    for (const char* mhz : {"10", "20", "30", "40"}) {
        corners.emplace_back(std::string("bandwidths ") + mhz, [mhz](Kv2841a& w, Module&) {
            EXPECT_TRUE(w.Combo1.pick(mhz));
            EXPECT_TRUE(w.Combo2.pick(mhz));
            EXPECT_TRUE(w.Combo3.pick(mhz));
        });
    }
}

// Every gain of every channel with its switches both ways.
void gains(std::vector<Corner>& corners) {
    const std::vector<std::array<std::string, 3>> channels = {
        {"CH1_RF_Gain", "CH1_AGC_Gain", "CH1_IFA_Gain"},
        {"CH2_RF_Gain", "CH2_AGC_Gain", "CH2_IFA_Gain"},
        {"CH3_RF_Gain", "CH3_AGC_Gain", "CH3_IFA_Gain"}};
    for (std::size_t k = 0; k < channels.size(); ++k) {
        for (int pick = 0; pick < 4; ++pick) {
            corners.emplace_back(
                "gains of channel " + std::to_string(k + 1) + ", pick " + std::to_string(pick),
                [names = channels[k], k, pick](Kv2841a& w, Module&) {
                    CheckBox* agc_switch[] = {&w.CH1_AGC_SW, &w.CH2_AGC_SW, &w.CH3_AGC_SW};
                    EXPECT_TRUE(agc_switch[k]->click());
                    EXPECT_TRUE(w.CH1_IFA_SW.click());
                    for (const std::string& name : names) {
                        auto& list = static_cast<ComboBox&>(*w.find(name));
                        const std::size_t last = list.items().size() - 1;
                        EXPECT_TRUE(list.pick(std::min<std::size_t>(
                            static_cast<std::size_t>(pick) * last / 3, last)));
                    }
                    if (pick % 2 == 1) {
                        EXPECT_TRUE(agc_switch[k]->click());
                        EXPECT_TRUE(w.CH1_IFA_SW.click());
                    }
                });
        }
    }
}

// Every output and test switch combination.
void outputs(std::vector<Corner>& corners) {
    for (int bits = 0; bits < 16; ++bits) {
        corners.emplace_back("outputs " + std::to_string(bits), [bits](Kv2841a& w, Module&) {
            EXPECT_TRUE(w.D2S_ck.click());
            if ((bits & 1) != 0) {
                EXPECT_TRUE(w.danduan.click());
            }
            if ((bits & 2) != 0) {
                EXPECT_TRUE(w.ACout.click());
            }
            if ((bits & 4) != 0) {
                EXPECT_TRUE(w.DCout.click());
                EXPECT_TRUE(w.Option2bit.click());
            }
            if ((bits & 8) != 0) {
                EXPECT_TRUE(w.D2S_ck.click());
                EXPECT_TRUE(w.Freq_ck.click());
            }
        });
    }
}

// Texts typed by hand once manual entry is unlocked, also into produced registers.
void manual_entries(std::vector<Corner>& corners) {
    const std::vector<std::string> typed = {"abc",    "fff00", "",   "123456", "ZZZZZ", "一二",
                                            "a,0x,b", "1 2 ",  "0x", "FFF00 ", "Reg5",  "75541"};
    for (const int n : {0, 2, 10, 19, 23, 40, 43}) {
        corners.emplace_back(
            "typed into REG" + std::to_string(n), [typed, n](Kv2841a& w, Module& m) {
                m.RegsUnlocked = 1;
                EXPECT_TRUE(w.Text1[0].click());
                for (std::size_t i = 0; i < typed.size(); ++i) {
                    type_into(w.Text1[static_cast<std::size_t>(n + static_cast<int>(i)) % 44],
                              typed[i]);
                }
            });
    }
}

// Wide bandwidths and an integer-N LO, with the start words of their other
// registers typed back by hand: words these settings do not give, though each
// equals its power-on word.
void start_words_typed_back(std::vector<Corner>& corners) {
    corners.emplace_back("start words typed beside wide bandwidths and integer-N", [](Kv2841a& w,
                                                                                      Module& m) {
        EXPECT_TRUE(w.Combo1.pick("40"));
        EXPECT_TRUE(w.Combo3.pick("30"));
        type_into(w.ch1bz, "1175");
        m.RegsUnlocked = 1;
        EXPECT_TRUE(w.Text1[0].click());
        for (const int n : {3, 18, 34}) {
            type_into(w.Text1[static_cast<std::size_t>(n)], std::string(oracle::default_word(n)));
        }
    });
}

std::vector<Corner> corner_states() {
    std::vector<Corner> corners;
    crystals_and_los(corners);
    dividers_and_bandwidths(corners);
    gains(corners);
    outputs(corners);
    manual_entries(corners);
    start_words_typed_back(corners);
    return corners;
}

TEST(OpenRoundTrip, EveryCornerStateComesBack) {
    for (const auto& [name, setup] : corner_states()) {
        FakePlatform platform;
        Module module;
        Kv2841aWindow w(module, platform);
        Form_Load(w);
        ASSERT_TRUE(w.Freq_ck.click());
        ASSERT_TRUE(w.ADC_ck.click());
        setup(w, module);
        for (const std::string& problem : round_trip(w, module)) {
            ADD_FAILURE() << name << ": " << problem;
        }
    }
}

long actions_per_session() {
    const char* text = std::getenv("KV_ROUND_TRIP_ACTIONS");
    return text != nullptr ? std::strtol(text, nullptr, 10) : 5000;
}

TEST(OpenRoundTrip, EverySessionStateComesBack) {
    long states = 0;
    for (const std::uint64_t seed : {16, 2841}) {
        Session session(seed);
        for (long action = 1; action <= actions_per_session(); ++action) {
            (void)session.step();
            const auto problems = round_trip(session.window(), session.module());
            ++states;
            if (!problems.empty()) {
                std::string report;
                for (const std::string& what : session.recent_actions()) {
                    report += "  " + what + "\n";
                }
                FAIL() << "seed " << seed << ", action " << action << ": " << problems.front()
                       << " (" << problems.size() << " in all)\nlast actions:\n"
                       << report;
            }
        }
    }
    std::cout << "states saved and opened again: " << states << std::endl;
}

}  // namespace
}  // namespace kv::test
