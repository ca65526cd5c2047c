#include "register_lists/field_panel.h"

#include "panel/numbers.h"
#include "register_lists/register_list_applying.h"

namespace kv {

FieldPanel::FieldPanel(Kv2841a& w) : w_(w) {
    for (TextBox& box : w_.Text1) {
        box.Change = [this] { changed(); };
    }
}

FieldPanel::~FieldPanel() {
    for (TextBox& box : w_.Text1) {
        box.Change = nullptr;
    }
}

void FieldPanel::hover(std::optional<int> n) {
    hovered_ = n;
    changed();
}

void FieldPanel::focus(std::optional<int> n) {
    focused_ = n;
    changed();
}

std::optional<int> FieldPanel::shown() const {
    return hovered_ ? hovered_ : focused_;
}

std::string FieldPanel::text() const {
    const auto n = shown();
    if (!n) {
        return {};
    }
    const RegisterExplanation e = explain_register(read_window_list(w_), offers_of(w_), *n);
    std::string text = "REG" + integer_text(*n) + " " + e.text;
    for (const std::string& line : e.lines) {
        text += "\n  " + line;
    }
    return text;
}

void FieldPanel::changed() const {
    if (on_change) {
        on_change();
    }
}

}  // namespace kv
