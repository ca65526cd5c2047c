#pragma once

#include <QColor>
#include <QPalette>

#include "panel/control.h"

class QWidget;

namespace kv::qt {

// A colour code of the window as this desktop shows it: the system colours
// (window background, highlight, menu text) from the palette, any other code
// as its red, green and blue bytes (&H00BBGGRR).
[[nodiscard]] QColor background_colour(Colour colour, const QPalette& palette);
// The text colour that reads well on that background.
[[nodiscard]] QColor text_colour(Colour colour, const QPalette& palette);

// Paints the background of a text box (the palette's Base) and its text.
void apply_box_colour(QWidget& box, Colour colour);
// Paints the background of a filled widget such as a puzzle cell (Window).
void apply_fill_colour(QWidget& widget, Colour colour);

}  // namespace kv::qt
