#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "panel/controls.h"

namespace kv {
namespace {

// Each test records the events a control raises and checks the rule that the
// start-up, reset and crystal procedures rely on.
struct EventLog {
    std::vector<std::string> events;
    Handler record(std::string what) {
        return [this, what] { events.push_back(what); };
    }
};

TEST(TextBoxEvents, AssigningTheCurrentTextRaisesNothing) {
    EventLog log;
    TextBox box{"box", nullptr, "10"};
    box.Change = log.record("Change");
    box.set_text("10");
    EXPECT_TRUE(log.events.empty());
    box.set_text("11");
    EXPECT_EQ(log.events, std::vector<std::string>{"Change"});
}

TEST(TextBoxEvents, ChangeRunsNestedInsideTheAssignment) {
    TextBox box{"box", nullptr, "5"};
    std::vector<std::string> seen;
    box.Change = [&] {
        seen.push_back(box.text());
        if (box.text() == "45") {
            box.set_text("31");
        }
    };
    box.set_text("45");
    EXPECT_EQ(seen, (std::vector<std::string>{"45", "31"}));
    EXPECT_EQ(box.text(), "31");
}

TEST(TextBoxEvents, MaxLengthCutsAnAssignedText) {
    TextBox box{"box", nullptr};
    box.set_max_length(9);
    box.set_text("1.90735408978071E-06");
    EXPECT_EQ(box.text(), "1.9073540");
}

TEST(TextBoxEvents, TypingRaisesKeyPressThenChange) {
    EventLog log;
    TextBox box{"box", nullptr, ""};
    box.KeyPress = [&](int&) { log.events.push_back("KeyPress"); };
    box.Change = log.record("Change");
    EXPECT_TRUE(box.type("12"));
    EXPECT_EQ(box.text(), "12");
    EXPECT_EQ(log.events, (std::vector<std::string>{"KeyPress", "Change", "KeyPress", "Change"}));
}

TEST(TextBoxEvents, KeyPressCanDiscardTheKeystroke) {
    EventLog log;
    TextBox box{"box", nullptr, "94"};
    box.KeyPress = discard_keystroke;
    box.Change = log.record("Change");
    EXPECT_TRUE(box.type("7"));
    EXPECT_TRUE(box.press_backspace());
    EXPECT_EQ(box.text(), "94");
    EXPECT_TRUE(log.events.empty());
}

TEST(TextBoxEvents, LockedBoxRefusesTypingButTakesClicks) {
    EventLog log;
    TextBox box{"box", nullptr, "FFF00"};
    box.set_locked(true);
    box.Change = log.record("Change");
    box.Click = log.record("Click");
    EXPECT_FALSE(box.type("1"));
    EXPECT_FALSE(box.replace_text("1"));
    EXPECT_TRUE(box.click());
    EXPECT_EQ(box.text(), "FFF00");
    EXPECT_EQ(log.events, std::vector<std::string>{"Click"});
}

TEST(TextBoxEvents, TypingReplacesTheSelection) {
    TextBox box{"box", nullptr, "10"};
    box.select_all();
    box.type("7");
    EXPECT_EQ(box.text(), "7");
    box.set_selection(1, 0);
    box.type("中");
    EXPECT_EQ(box.text(), "7中");
    box.press_backspace();
    box.press_backspace();
    box.press_backspace();
    EXPECT_EQ(box.text(), "");
}

// A long text typed key by key, with characters of every UTF-8 length, arrives
// whole, with one Change per key and the caret at its end.
TEST(TextBoxEvents, LongTextTypedKeyByKeyArrivesWhole) {
    std::string text;
    for (int n = 0; n < 20000; ++n) {
        text += n % 4 == 0 ? "1" : n % 4 == 1 ? "é" : n % 4 == 2 ? "中" : "\xF0\x9F\x98\x80";
    }
    int changes = 0;
    TextBox box{"box", nullptr, "old"};
    box.Change = [&] { ++changes; };
    box.select_all();
    std::size_t kept = 0;
    ASSERT_TRUE(box.type(text, &kept));
    EXPECT_EQ(box.text(), text);
    EXPECT_EQ(kept, 20000u);
    EXPECT_EQ(changes, 20000);
    EXPECT_EQ(box.sel_start(), 20000u);
    box.set_selection(0, 1);
    box.type("x");
    EXPECT_EQ(box.text(), "x" + text.substr(1));
}

TEST(TextBoxEvents, PasteIsOneChange) {
    int changes = 0;
    TextBox box{"box", nullptr, "10"};
    box.Change = [&] { ++changes; };
    box.replace_text("1574.5");
    EXPECT_EQ(box.text(), "1574.5");
    EXPECT_EQ(changes, 1);
}

// What happens to a list, and whether completing the entry afterwards raises
// EntryComplete: only a person's edit that changed the text opens an entry,
// and a pick or a completion closes it.
TEST(ComboBoxEvents, EntryCompleteFollowsAPersonsEdit) {
    const struct {
        const char* name;
        std::function<void(ComboBox&)> act;
        bool open_in_change;
        int completions;
    } rows[] = {
        {"typed", [](ComboBox& l) { l.type("5"); }, true, 1},
        {"backspace",
         [](ComboBox& l) {
             l.select_all();
             l.press_backspace();
         },
         true, 1},
        {"pasted", [](ComboBox& l) { l.replace_text("20"); }, true, 1},
        {"pasted the same text", [](ComboBox& l) { l.replace_text("10"); }, false, 0},
        {"assigned", [](ComboBox& l) { l.set_text("20"); }, false, 0},
        {"key discarded",
         [](ComboBox& l) {
             l.KeyPress = discard_keystroke;
             l.type("5");
         },
         false, 0},
        {"typed then picked",
         [](ComboBox& l) {
             l.type("5");
             l.pick("20");
         },
         true, 0},
        {"typed, completed",
         [](ComboBox& l) {
             l.type("5");
             l.complete_entry();
         },
         true, 1},
        {"nothing", [](ComboBox&) {}, false, 0},
    };
    for (const auto& row : rows) {
        ComboBox list{"list", nullptr, "10"};
        list.AddItem("20");
        bool open_in_change = false;
        list.Change = [&] { open_in_change = list.entry_open(); };
        int completions = 0;
        list.EntryComplete = [&] { ++completions; };
        row.act(list);
        list.complete_entry();
        EXPECT_EQ(open_in_change, row.open_in_change) << row.name;
        EXPECT_EQ(completions, row.completions) << row.name;
    }
}

// Inside a batch, handlers see every change at once and each view refreshes
// once when the outermost batch ends; a control gone before then is skipped.
TEST(ViewUpdateBatchRule, ViewsRefreshOnceWhenTheOutermostBatchEnds) {
    TextBox box{"box", nullptr, "10"};
    std::vector<std::string> seen;
    box.on_view_update = [&] { seen.push_back("view " + box.text()); };
    box.Change = [&] { seen.push_back("change " + box.text()); };
    {
        const ViewUpdateBatch outer;
        box.set_text("20");
        {
            const ViewUpdateBatch inner;
            box.set_back_color(kHighlight);
            box.set_text("30");
            auto gone = std::make_unique<TextBox>("gone", nullptr);
            gone->on_view_update = [&] { seen.push_back("gone"); };
            gone->set_text("x");
        }
        EXPECT_EQ(seen, (std::vector<std::string>{"change 20", "change 30"}));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"change 20", "change 30", "view 30"}));
    seen.clear();
    box.set_text("40");
    EXPECT_EQ(seen, (std::vector<std::string>{"view 40", "change 40"}));
}

// What no key types: a paste holding it is refused whole, and typing it key by
// key types only the rest. Row: the text, and what typing it leaves.
struct Untypeable {
    const char* name;
    std::string text;
    std::string typed;
};

const Untypeable kUntypeable[] = {
    {"Tab", "FFF00\t011D5", "FFF00011D5"},
    {"LineEnd", "FFF00\r\n", "FFF00"},
    {"Nul",
     std::string("12\0"
                 "3",
                 4),
     "123"},
    {"Escape", "\x1b[0m", "[0m"},
    {"Delete", "\x7f", "old"},
    {"NextLineC1",
     "A\xC2\x85"
     "B",
     "AB"},
    {"ByteOrderMark",
     "\xEF\xBB\xBF"
     "ABCDE",
     "ABCDE"},
};

class UntypeableText : public ::testing::TestWithParam<Untypeable> {};

TEST_P(UntypeableText, IsRefusedAsAPasteAndSkippedAsKeys) {
    const Untypeable& row = GetParam();
    EventLog log;
    TextBox box{"box", nullptr, "old"};
    box.Change = log.record("Change");
    bool taken = true;
    EXPECT_TRUE(box.replace_text(row.text, &taken));
    EXPECT_FALSE(taken);
    EXPECT_EQ(box.text(), "old");
    EXPECT_TRUE(log.events.empty());
    box.select_all();
    EXPECT_TRUE(box.type(row.text));
    EXPECT_EQ(box.text(), row.typed);
}

INSTANTIATE_TEST_SUITE_P(Texts, UntypeableText, ::testing::ValuesIn(kUntypeable),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TextBoxEvents, PasteDiscardedByKeyPressIsNotTaken) {
    TextBox box{"box", nullptr, "25"};
    box.KeyPress = discard_keystroke;
    bool taken = true;
    EXPECT_TRUE(box.replace_text("40", &taken));
    EXPECT_FALSE(taken);
    EXPECT_EQ(box.text(), "25");
}

TEST(ComboBoxEvents, PickRaisesClickOnlyAlsoForTheSameItem) {
    EventLog log;
    ComboBox list{"list", nullptr, "10"};
    for (const char* item : {"10", "20"}) {
        list.AddItem(item);
    }
    list.Click = log.record("Click");
    list.Change = log.record("Change");
    EXPECT_TRUE(list.pick("20"));
    EXPECT_TRUE(list.pick("20"));
    EXPECT_EQ(list.text(), "20");
    EXPECT_EQ(list.list_index(), 1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"Click", "Click"}));
    EXPECT_FALSE(list.pick("30"));
}

TEST(ComboBoxEvents, AssignedTextRaisesChangeOnly) {
    EventLog log;
    ComboBox list{"list", nullptr, "10"};
    list.Click = log.record("Click");
    list.Change = log.record("Change");
    list.set_text("40");
    list.set_text("40");
    EXPECT_EQ(log.events, std::vector<std::string>{"Change"});
    EXPECT_EQ(list.list_index(), -1);
}

TEST(CheckBoxEvents, ClickOnEveryChangeByCodeOrPerson) {
    EventLog log;
    CheckBox box{"box", nullptr, "", 0};
    box.Click = log.record("Click");
    box.set_value(0);
    EXPECT_TRUE(log.events.empty());
    box.set_value(1);
    box.click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(log.events, (std::vector<std::string>{"Click", "Click"}));
}

TEST(OptionButtonEvents, ButtonsOfOneFrameAreExclusive) {
    EventLog log;
    Frame frame{"frame", nullptr, ""};
    Frame other{"other", nullptr, ""};
    OptionButton a{"a", &frame, ""};
    OptionButton b{"b", &frame, ""};
    OptionButton alone{"alone", &other, "", true};
    a.Click = log.record("a");
    b.Click = log.record("b");
    a.set_value(true);
    EXPECT_TRUE(b.click());
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(b.value());
    EXPECT_TRUE(alone.value());
    EXPECT_EQ(log.events, (std::vector<std::string>{"a", "b"}));
    b.set_value(true);
    EXPECT_EQ(log.events.size(), 2u);
}

TEST(FrameRules, DisabledFrameDisablesEverythingInside) {
    Frame outer{"outer", nullptr, ""};
    Frame inner{"inner", &outer, ""};
    CheckBox box{"box", &inner, ""};
    ComboBox list{"list", &inner, "1176"};
    TextBox text{"text", &inner, ""};
    outer.set_enabled(false);
    EXPECT_FALSE(box.usable());
    EXPECT_FALSE(box.click());
    EXPECT_EQ(box.value(), 0);
    EXPECT_FALSE(list.type("1"));
    EXPECT_FALSE(text.click());
    outer.set_enabled(true);
    EXPECT_TRUE(box.click());
    EXPECT_TRUE(list.type("1"));
}

TEST(ScrollBarEvents, ArrowsStepWithinTheRange) {
    int changes = 0;
    ScrollBar spin{"spin", nullptr, 2, 8, 2, 2};
    spin.Change = [&] { ++changes; };
    EXPECT_TRUE(spin.arrow_up());
    EXPECT_EQ(spin.value(), 2);
    EXPECT_EQ(changes, 0);
    spin.arrow_down();
    spin.arrow_down();
    spin.arrow_down();
    spin.arrow_down();
    EXPECT_EQ(spin.value(), 8);
    EXPECT_EQ(changes, 3);
    spin.set_value(8);
    EXPECT_EQ(changes, 3);
}

TEST(MenuItems, SeparatorsTakeNoClick) {
    int clicks = 0;
    MenuItem line{"line", nullptr, "-"};
    line.Click = [&] { ++clicks; };
    EXPECT_FALSE(line.click());
    EXPECT_EQ(clicks, 0);
}

TEST(TabStripEvents, SelectingATabRaisesClick) {
    int clicks = 0;
    TabStrip tabs{"tabs", {{"key1", "one"}, {"key2", "two"}}};
    tabs.Click = [&] { ++clicks; };
    EXPECT_TRUE(tabs.select("key2"));
    EXPECT_EQ(tabs.selected_key(), "key2");
    EXPECT_FALSE(tabs.select("key9"));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace kv
