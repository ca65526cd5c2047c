#pragma once

class QWidget;

namespace kv::qt {

// Keeps a top-level window, its frame included, within the free area of its
// screen (the screen less its task bars): made smaller where it is larger, as
// far as its layout lets it shrink, and moved in where it sticks out. On a
// small screen at a large scale the window's bars and a dialog's buttons stay
// in view.
void keep_within_screen(QWidget& window);

// Keeps a dialog within its screen each time it is shown, once it has taken
// its own size and before it appears; the dialog centres itself within the
// screen as it shows.
void keep_within_screen_when_shown(QWidget& dialog);

}  // namespace kv::qt
