#include "support/session.h"
#include "support/typed_texts.h"

namespace kv::test {

namespace {

constexpr int kLongestArgument = 40;

std::string quoted(const std::string& text) {
    return "'" + Problems::shown(text).substr(0, kLongestArgument) + "'";
}

}  // namespace

// Mostly the boxes that take typing (fbA, reB, the LO lists, the register
// boxes), now and then any other box or list, which should refuse or discard.
TextControl& Session::edit_target() {
    if (rng_.chance(30)) {
        return *rng_.one_of(run_->text_controls);
    }
    switch (rng_.below(4)) {
        case 0:
            return rng_.chance(50) ? static_cast<TextControl&>(w().fbA) : w().reB;
        case 1: {
            ComboBox* lo[] = {&w().ch1bz, &w().ch2bz, &w().ch3bz};
            return *lo[rng_.below(3)];
        }
        default:
            return w().Text1[rng_.below(kRegisterCount)];
    }
}

// The caret or a selection, as a mouse puts it; positions beyond the text end there.
void Session::place_caret(TextControl& box) {
    const auto length = box.text().size();
    switch (rng_.below(3)) {
        case 0:
            box.select_all();
            break;
        case 1:
            box.set_selection(length, 0);
            break;
        default:
            box.set_selection(rng_.below(length + 2), rng_.below(length + 2));
            break;
    }
}

// A register box is watched while the person edits it, so that the model
// knows the text and mark the person left there.
template <typename Edit>
bool Session::edit(TextControl& box, Edit edit_action) {
    bool accepted = false;
    if (box.kind() == ControlKind::TextBox && box.index() >= 0) {
        const std::string before = box.text();
        model().person_edits(box.index(), [&] { accepted = edit_action(); });
        figures_.hand_edits += box.text() != before ? 1 : 0;
    } else {
        accepted = edit_action();
    }
    return accepted;
}

// The person clicks into a text box before typing; a click into a register
// box unlocks them all once a board was won.
void Session::click_text_box(Problems& /*problems*/) {
    TextBox& box =
        rng_.chance(50) ? w().Text1[rng_.below(kRegisterCount)] : *rng_.one_of(run_->text_boxes);
    const bool accepted = box.click();
    if (accepted && box.index() >= 0) {
        model().register_box_clicked();
    }
    note("click " + box.name(), accepted);
}

void Session::pick_item(Problems& problems) {
    ComboBox& list = *rng_.one_of(run_->lists);
    const std::size_t index = rng_.below(list.items().size() + 1);
    const bool reminder = &list == &w().crylist && w().Freq_ck.value() == 0;
    const std::string item = index < list.items().size() ? list.items()[index] : "(none)";
    const bool accepted = list.pick(index);
    note("pick " + list.name() + " " + quoted(item), accepted);
    if (accepted && reminder &&
        (platform_.messages.empty() || platform_.messages.front().title != "提示" ||
         platform_.messages.front().text != "请打开TestMode开关")) {
        problems.add("a crystal picked without the test switch gave no reminder first");
    }
}

void Session::type_text(Problems& /*problems*/) {
    TextControl& box = edit_target();
    const std::string text = box.index() >= 0 ? register_text(rng_) : any_text(rng_);
    if (box.kind() == ControlKind::TextBox) {
        auto& text_box = static_cast<TextBox&>(box);
        if (text_box.click() && box.index() >= 0) {
            model().register_box_clicked();
        }
    }
    const bool accepted = edit(box, [&] {
        place_caret(box);
        return text.empty() ? box.press_backspace() : box.type(text);
    });
    note("type " + box.name() + " " + quoted(text), accepted);
}

void Session::paste_text(Problems& /*problems*/) {
    TextControl& box = edit_target();
    const std::string text = rng_.chance(20)    ? huge_text(rng_)
                             : box.index() >= 0 ? register_text(rng_)
                                                : any_text(rng_);
    const bool accepted = edit(box, [&] { return box.replace_text(text); });
    note("paste " + box.name() + " " + quoted(text), accepted);
}

void Session::press_backspaces(Problems& /*problems*/) {
    TextControl& box = edit_target();
    const int count = rng_.between(1, 5);
    const bool accepted = edit(box, [&] {
        if (rng_.chance(50)) {
            place_caret(box);
        }
        bool all = true;
        for (int i = 0; i < count; ++i) {
            all = box.press_backspace() && all;
        }
        return all;
    });
    note("backspace x" + std::to_string(count) + " " + box.name(), accepted);
}

void Session::select_text(Problems& /*problems*/) {
    TextControl& box = edit_target();
    edit(box, [&] {
        place_caret(box);
        return true;
    });
    note("select in " + box.name(), true);
}

}  // namespace kv::test
