#include "qt/system_colour.h"

#include <QApplication>
#include <QWidget>

namespace kv::qt {

namespace {

constexpr Colour kSystemColourFlag = 0x80000000;

QPalette default_palette(const QWidget& widget) {
    return QApplication::palette(&widget);
}

// Sets a role for the enabled look only: a disabled widget keeps the greyed look.
void set_enabled_colour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

// Qt resolves a palette against the widget's inherited one before it finds
// that nothing changed, which is costly; most refreshes change no colour.
void set_palette(QWidget& widget, const QPalette& palette) {
    if (widget.testAttribute(Qt::WA_SetPalette) && widget.palette() == palette) {
        return;
    }
    widget.setPalette(palette);
}

}  // namespace

QColor background_colour(Colour colour, const QPalette& palette) {
    switch (colour) {
        case kWindowBackground:
            return palette.color(QPalette::Base);
        case kHighlight:
            return palette.color(QPalette::Highlight);
        case kMenuText:
            return palette.color(QPalette::WindowText);
        default:
            break;
    }
    if ((colour & kSystemColourFlag) != 0) {
        return palette.color(QPalette::Base);
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QColor text_colour(Colour colour, const QPalette& palette) {
    switch (colour) {
        case kHighlight:
            return palette.color(QPalette::HighlightedText);
        case kMenuText:
            return palette.color(QPalette::Base);
        default:
            break;
    }
    // On a plain colour such as the red of a value out of range, the
    // window's own text colour, which reads at a glance.
    return palette.color((colour & kSystemColourFlag) != 0 ? QPalette::Text : QPalette::WindowText);
}

void apply_box_colour(QWidget& box, Colour colour) {
    QPalette palette = default_palette(box);
    set_enabled_colour(palette, QPalette::Base, background_colour(colour, palette));
    set_enabled_colour(palette, QPalette::Text, text_colour(colour, palette));
    set_palette(box, palette);
}

void apply_fill_colour(QWidget& widget, Colour colour) {
    QPalette palette = default_palette(widget);
    palette.setColor(QPalette::Window, background_colour(colour, palette));
    palette.setColor(QPalette::WindowText, text_colour(colour, palette));
    set_palette(widget, palette);
    widget.setAutoFillBackground(true);
}

}  // namespace kv::qt
