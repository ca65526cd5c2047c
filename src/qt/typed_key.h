#pragma once

#include <QString>

class QKeyEvent;

namespace kv::qt {

// What a key types into a text: its printable characters, or nothing for a
// key that edits otherwise (Delete, Ctrl+V) or does not edit (arrows, Tab,
// Return, Ctrl+C).
[[nodiscard]] QString typed_text(const QKeyEvent& event);

// The Backspace key alone, which deletes one character before the caret or
// the selection.
[[nodiscard]] bool is_backspace(const QKeyEvent& event);

}  // namespace kv::qt
