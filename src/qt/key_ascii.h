#pragma once

#include <optional>

class QKeyEvent;

namespace kv::qt {

// Character codes a KeyPress handler sees for keys that edit a text.
inline constexpr int kBackspaceKey = 8;
inline constexpr int kPasteKey = 22;  // Ctrl+V; also stands for an edit no key announced
inline constexpr int kCutKey = 24;    // Ctrl+X
inline constexpr int kRedoKey = 25;   // Ctrl+Y
inline constexpr int kUndoKey = 26;   // Ctrl+Z
inline constexpr int kDeleteKey = 127;

// The character code a key hands to KeyPress: the typed character, or the
// code of an editing key (backspace, delete, cut, paste, undo, redo). Keys
// that do not edit (arrows, Home, copy, Return, Tab) have none.
[[nodiscard]] std::optional<int> key_ascii(const QKeyEvent& event);

}  // namespace kv::qt
