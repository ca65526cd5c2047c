#pragma once

namespace kv::qt {

// Gives the application the program's look: the classic Windows style (unless
// QT_STYLE_OVERRIDE asks for another) and the caption font, unhinted, for
// every widget. Call it once, after the application object is made and
// before any window is.
void apply_look();

}  // namespace kv::qt
