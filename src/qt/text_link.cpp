#include "qt/text_link.h"

#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "qt/bound_line_edit.h"
#include "qt/qt_text.h"

namespace kv::qt {

namespace {

struct Selection {
    std::size_t start;
    std::size_t length;
    bool operator==(const Selection&) const = default;
};

Selection field_selection(const QLineEdit& edit) {
    const QString text = edit.text();
    if (!edit.hasSelectedText()) {
        return {character_position(text, edit.cursorPosition()), 0};
    }
    const int start = edit.selectionStart();
    const std::size_t first = character_position(text, start);
    return {first, character_position(text, start + edit.selectionLength()) - first};
}

void select(QLineEdit& edit, const Selection& selection) {
    const QString text = edit.text();
    const int start = utf16_position(text, selection.start);
    if (selection.length == 0) {
        edit.setCursorPosition(start);
        return;
    }
    edit.setSelection(start, utf16_position(text, selection.start + selection.length) - start);
}

}  // namespace

TextLink::TextLink(BoundLineEdit& edit, TextControl& control) : edit_(edit), control_(control) {}

void TextLink::refresh() {
    const QSignalBlocker block(edit_);
    const QString text = to_qstring(control_.text());
    const bool rewritten = edit_.text() != text;
    if (rewritten) {
        edit_.setText(text);
    } else if (forwarding_) {
        // The person's own edit: the field keeps the caret where it was left.
        return;
    }
    if (!edit_.hasFocus()) {
        // A text written into a field the person is not in shows from its
        // first character, however long; the caret comes with the focus.
        if (rewritten) {
            edit_.setCursorPosition(0);
        }
        return;
    }
    const Selection wanted{control_.sel_start(), control_.sel_length()};
    if (rewritten || field_selection(edit_) != wanted) {
        select(edit_, wanted);
    }
}

void TextLink::forward_edit(const QString& text) {
    {
        const QScopedValueRollback forwarding(forwarding_, true);
        control_.replace_text(to_utf8(text));
    }
    follow_caret();
    refresh();
}

void TextLink::follow_caret() {
    if (to_qstring(control_.text()) != edit_.text()) {
        return;
    }
    const Selection selection = field_selection(edit_);
    if (selection != Selection{control_.sel_start(), control_.sel_length()}) {
        control_.set_selection(selection.start, selection.length);
    }
}

}  // namespace kv::qt
