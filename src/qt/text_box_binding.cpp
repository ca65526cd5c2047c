#include <QLineEdit>

#include "qt/bindings.h"
#include "qt/bound_line_edit.h"
#include "qt/system_colour.h"
#include "qt/text_link.h"

namespace kv::qt {

namespace {

constexpr int kQtLongestText = 32767;

// A box that only shows a result: locked, or discarding every keystroke.
// The Tab key passes it by; a click still reaches it.
bool shows_a_result(const TextBox& box) {
    return box.locked() || box.discards_keys();
}

void refresh_text_box(BoundLineEdit& edit, TextLink& link, const TextBox& box) {
    refresh_common(edit, box);
    edit.setReadOnly(box.locked());
    edit.setFocusPolicy(shows_a_result(box) ? Qt::ClickFocus : Qt::StrongFocus);
    const int limit = box.max_length() == 0 ? kQtLongestText : static_cast<int>(box.max_length());
    if (edit.maxLength() != limit) {
        edit.setMaxLength(limit);
    }
    apply_box_colour(edit, box.back_color());
    link.refresh();
}

}  // namespace

QLineEdit* Bindings::text_box(TextBox& box, QWidget* parent) {
    auto* edit = new BoundLineEdit(box, parent);
    remember(box, edit);
    TextLink& link = link_text(*edit, box);
    on(edit, &BoundLineEdit::clicked, [&box] { box.click(); });
    attach(box, [edit, &link, &box] { refresh_text_box(*edit, link, box); });
    return edit;
}

}  // namespace kv::qt
