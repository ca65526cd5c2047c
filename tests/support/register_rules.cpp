#include <array>
#include <string>

#include "panel/channels.h"
#include "support/register_oracle.h"
#include "support/rule_checks.h"

namespace kv::test::rules {

namespace {

constexpr int kAlwaysMarked = 19;

const TextBox* panel_box(const Kv2841a& w, int n) {
    for (const PanelWordCopy& entry : kPanelWordCopies) {
        if (entry.reg == n) {
            return &(w.*entry.box);
        }
    }
    return nullptr;
}

const TextBox* gain_copy(const Kv2841a& w, int n) {
    switch (n) {
        case 10:
            return &w.Reg10_Show;
        case 11:
            return &w.Reg11_Show;
        case 12:
            return &w.Reg12_Show;
        default:
            return nullptr;
    }
}

int bandwidth_channel(int n) {
    switch (n) {
        case 18:
            return 1;
        case 27:
            return 2;
        case 34:
            return 3;
        default:
            return 0;
    }
}

std::string reg_name(int n) {
    return "REG" + std::to_string(n);
}

void expect_word_form(const TextBox& box, Problems& problems) {
    if (!oracle::is_word(box.text())) {
        problems.add(box.name() + " holds '" + Problems::shown(box.text()) +
                     "', not five upper-case hex digits");
    }
}

void expect_text(const std::string& what, const std::string& actual,
                 const std::optional<std::string>& expected, Problems& problems) {
    if (expected && actual != *expected) {
        problems.differ(what, actual, *expected);
    }
}

void expect_mark(int n, bool marked, bool should, const char* rule, Problems& problems) {
    if (marked != should) {
        problems.add(reg_name(n) + (marked ? " is marked" : " is not marked") + " against " + rule);
    }
}

void check_panel_words(const Kv2841a& w, const Words& words, Problems& problems) {
    for (const PanelWordCopy& entry : kPanelWordCopies) {
        const TextBox& box = w.*entry.box;
        expect_word_form(box, problems);
        expect_text(box.name() + " (" + reg_name(entry.reg) + " from the settings)", box.text(),
                    words[static_cast<std::size_t>(entry.reg)], problems);
    }
}

// A gain copy holds the word of its channel's settings once its handler ran,
// its default word before.
void check_gain_copies(const Kv2841a& w, const WindowModel& model, const Words& words,
                       Problems& problems) {
    for (int channel = 1; channel <= 3; ++channel) {
        const int n = 9 + channel;
        const TextBox& copy = *gain_copy(w, n);
        expect_word_form(copy, problems);
        const auto expected = model.gain_current(channel)
                                  ? words[static_cast<std::size_t>(n)]
                                  : std::optional<std::string>(oracle::default_word(n));
        expect_text(copy.name() + (model.gain_current(channel) ? " (from the gain settings)"
                                                               : " (default word)"),
                    copy.text(), expected, problems);
    }
}

void check_register_box(const Kv2841a& w, const WindowModel& model, const Words& words, int n,
                        Problems& problems) {
    const TextBox& box = w.Text1[static_cast<std::size_t>(n)];
    const std::string name = reg_name(n);
    const bool marked = box.back_color() == kHighlight;
    if (!marked && box.back_color() != kWindowBackground) {
        problems.add(name + " has a colour that is no mark");
    }
    const TextBox* panel = panel_box(w, n);
    const TextBox* copy = gain_copy(w, n);
    const int channel = bandwidth_channel(n);
    if (panel == nullptr && copy == nullptr && channel == 0) {
        expect_mark(n, marked, n == kAlwaysMarked, "its fixed mark", problems);
    }
    if (model.hand_typed(n)) {
        expect_text(name + " (typed by hand)", box.text(), model.typed_text(n), problems);
        expect_mark(n, marked, model.typed_mark(n) == kHighlight, "the mark typing kept", problems);
        return;
    }
    expect_word_form(box, problems);
    const std::string power_on(oracle::default_word(n));
    if (panel != nullptr || copy != nullptr) {
        const TextBox& source = panel != nullptr ? *panel : *copy;
        expect_text(name + " (copy of " + source.name() + ")", box.text(), source.text(), problems);
        expect_mark(n, marked, box.text() != power_on, "its power-on word", problems);
    } else if (channel != 0) {
        expect_text(name + " (bandwidth word)", box.text(), words[static_cast<std::size_t>(n)],
                    problems);
        const std::string_view wide = oracle::bandwidth_word(channel, 40).word;
        expect_mark(n, marked, box.text() == wide, "the wide bandwidth", problems);
    } else {
        expect_text(name + " (default word)", box.text(), power_on, problems);
    }
}

}  // namespace

void check_registers(const Kv2841a& w, const WindowModel& model, const Words& words,
                     Problems& problems) {
    check_panel_words(w, words, problems);
    check_gain_copies(w, model, words, problems);
    for (int n = 0; n < kRegisterCount; ++n) {
        check_register_box(w, model, words, n, problems);
    }
}

}  // namespace kv::test::rules
