#include "qt/classic_style.h"

#include <cmath>
#include <memory>
#include <optional>

#include <QHashFunctions>
#include <QPainter>
#include <QStyleOption>

namespace kv::qt {

namespace {

// Room for the pictures, in bytes: a few hundred indicators.
constexpr int kPictureBytes = 1024 * 1024;

// The elements kept as pictures: each draws within its square from nothing
// but its state, size, colours and direction.
bool kept(QStyle::PrimitiveElement element) {
    switch (element) {
        case QStyle::PE_IndicatorRadioButton:
        case QStyle::PE_IndicatorCheckBox:
        case QStyle::PE_IndicatorArrowUp:
        case QStyle::PE_IndicatorArrowDown:
        case QStyle::PE_IndicatorArrowLeft:
        case QStyle::PE_IndicatorArrowRight:
            return true;
        default:
            return false;
    }
}

// Whether the painter lays device pixels one to one, at whole pixels.
bool plain_painter(const QPainter& painter) {
    const QTransform& transform = painter.transform();
    return transform.type() <= QTransform::TxTranslate &&
           transform.dx() == std::round(transform.dx()) &&
           transform.dy() == std::round(transform.dy());
}

// Whether the painter lays device pixels one to one with logical ones, at
// whole pixels: the lines filled here are the classic style's at that scale.
bool one_to_one(const QPainter& painter) {
    return plain_painter(painter) && painter.device()->devicePixelRatio() == 1.0;
}

// The palette by its colours: widgets given the same colours each make a
// palette of their own, and a refresh may make a new one. Empty for a
// palette that paints with a pattern or a picture.
std::optional<size_t> colours_key(const QPalette& palette) {
    size_t key = 0;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush& brush =
                palette.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
            if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush) {
                return std::nullopt;
            }
            key = qHashMulti(key, brush.color().rgba64(), int(brush.style()));
        }
    }
    return key;
}

// Empty when the drawing is not kept.
std::optional<QString> picture_key(QStyle::PrimitiveElement element, const QStyleOption& option,
                                   const QPainter& painter) {
    // A round indicator out of its square spills over its rectangle.
    const bool square = option.rect.width() == option.rect.height();
    if (!kept(element) || !square || option.rect.isEmpty() || !plain_painter(painter)) {
        return std::nullopt;
    }
    const std::optional<size_t> colours = colours_key(option.palette);
    if (!colours.has_value()) {
        return std::nullopt;
    }
    return QStringLiteral("%1:%2:%3x%4:%5:%6:%7")
        .arg(int(element))
        .arg(uint(option.state))
        .arg(option.rect.width())
        .arg(option.rect.height())
        .arg(*colours)
        .arg(int(option.direction))
        .arg(painter.device()->devicePixelRatio());
}

// A group box's frame as the classic style etches it at one device pixel a
// logical one: a dark rectangle one pixel in from the bottom right, with a
// light one laid one pixel down and right of it.
bool etch_frame(const QStyleOption& option, QPainter& painter) {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
    if (frame == nullptr || (frame->features & QStyleOptionFrame::Flat) != 0 ||
        frame->lineWidth != 1 || frame->midLineWidth != 0 || !one_to_one(painter) ||
        frame->rect.width() < 4 || frame->rect.height() < 4) {
        return false;
    }
    const QRect& r = frame->rect;
    const QColor dark = frame->palette.dark().color();
    const QColor light = frame->palette.light().color();
    const int right = r.right();
    const int bottom = r.bottom();
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), dark);
    painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), dark);
    painter.fillRect(QRect(r.left() + 1, bottom - 1, r.width() - 2, 1), dark);
    painter.fillRect(QRect(right - 1, r.top() + 1, 1, r.height() - 3), dark);
    painter.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 3, 1), light);
    painter.fillRect(QRect(r.left() + 1, r.top() + 2, 1, r.height() - 4), light);
    painter.fillRect(QRect(r.left(), bottom, r.width(), 1), light);
    painter.fillRect(QRect(right, r.top(), 1, r.height() - 1), light);
    return true;
}

// The four colours of a bevel, from its outer top and left lines to its
// inner bottom and right ones.
struct Bevel {
    QColor outer_top_left;
    QColor outer_bottom_right;
    QColor inner_top_left;
    QColor inner_bottom_right;
};

// Two lines on each side, filled within when a fill is given; false when the
// painter or the size is one the classic style draws otherwise.
bool fill_bevel(const QRect& r, const Bevel& bevel, const QBrush* fill, QPainter& painter) {
    if (!one_to_one(painter) || r.width() <= 4 || r.height() <= 4) {
        return false;
    }
    const int w = r.width();
    const int h = r.height();
    painter.fillRect(QRect(r.left(), r.top(), w - 1, 1), bevel.outer_top_left);
    painter.fillRect(QRect(r.left(), r.top() + 1, 1, h - 2), bevel.outer_top_left);
    painter.fillRect(QRect(r.left(), r.bottom(), w, 1), bevel.outer_bottom_right);
    painter.fillRect(QRect(r.right(), r.top(), 1, h - 1), bevel.outer_bottom_right);
    painter.fillRect(QRect(r.left() + 1, r.top() + 1, w - 3, 1), bevel.inner_top_left);
    painter.fillRect(QRect(r.left() + 1, r.top() + 2, 1, h - 4), bevel.inner_top_left);
    painter.fillRect(QRect(r.left() + 1, r.bottom() - 1, w - 2, 1), bevel.inner_bottom_right);
    painter.fillRect(QRect(r.right() - 1, r.top() + 1, 1, h - 3), bevel.inner_bottom_right);
    if (fill != nullptr) {
        painter.fillRect(r.adjusted(2, 2, -2, -2), *fill);
    }
    return true;
}

// The frame of a text box or a panel: sunken, dark and shadow at the top
// and left with window and light at the bottom and right; raised, light and
// button against dark and shadow; otherwise light and midlight against dark
// and shadow. Frames of one or two lines only: the classic style draws
// others its own way.
bool bevel_frame(const QStyleOption& option, QPainter& painter) {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
    if (frame == nullptr || (frame->lineWidth != 1 && frame->lineWidth != 2)) {
        return false;
    }
    const QPalette& p = option.palette;
    Bevel bevel{p.light().color(), p.shadow().color(), p.midlight().color(), p.dark().color()};
    if ((option.state & QStyle::State_Sunken) != 0) {
        bevel = {p.dark().color(), p.light().color(), p.shadow().color(), p.window().color()};
    } else if ((option.state & QStyle::State_Raised) != 0) {
        bevel.inner_top_left = p.button().color();
    }
    return fill_bevel(option.rect, bevel, nullptr, painter);
}

// A button's panel, raised or pushed in; one that is flat, on (drawn
// dithered) or raised only under the mouse is the classic style's own.
bool bevel_button(const QStyleOption& option, QPainter& painter) {
    if ((option.state & (QStyle::State_On | QStyle::State_AutoRaise)) != 0 ||
        (option.state & (QStyle::State_Raised | QStyle::State_Sunken)) == 0) {
        return false;
    }
    const QPalette& p = option.palette;
    const Bevel bevel =
        (option.state & QStyle::State_Sunken) != 0
            ? Bevel{p.shadow().color(), p.light().color(), p.dark().color(), p.button().color()}
            : Bevel{p.light().color(), p.shadow().color(), p.button().color(), p.dark().color()};
    return fill_bevel(option.rect, bevel, &p.button(), painter);
}

// Draws the element by filling, when it is one drawn that way.
bool filled(QStyle::PrimitiveElement element, const QStyleOption& option, QPainter& painter) {
    switch (element) {
        case QStyle::PE_FrameGroupBox:
            return etch_frame(option, painter);
        case QStyle::PE_FrameLineEdit:
        case QStyle::PE_Frame:
            return bevel_frame(option, painter);
        case QStyle::PE_PanelButtonTool:
        case QStyle::PE_PanelButtonBevel:
            return bevel_button(option, painter);
        default:
            return false;
    }
}

// A list's sunken frame, filled with the button colour; false where the
// classic style draws it otherwise.
bool bevel_list_frame(const QStyleOptionComboBox& list, QPainter& painter) {
    if (!list.frame || (list.subControls & QStyle::SC_ComboBoxFrame) == 0) {
        return false;
    }
    const QPalette& p = list.palette;
    return fill_bevel(list.rect,
                      {p.dark().color(), p.light().color(), p.shadow().color(), p.button().color()},
                      &p.button(), painter);
}

}  // namespace

ClassicStyle::ClassicStyle(QStyle* base) : QProxyStyle(base), pictures_(kPictureBytes) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (option != nullptr && filled(element, *option, *painter)) {
        return;
    }
    const std::optional<QString> key =
        option == nullptr ? std::nullopt : picture_key(element, *option, *painter);
    if (!key.has_value()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    draw_kept(*key, element, *option, *painter, widget);
}

void ClassicStyle::draw_kept(const QString& key, PrimitiveElement element,
                             const QStyleOption& option, QPainter& painter,
                             const QWidget* widget) const {
    if (const QPixmap* picture = pictures_.object(key)) {
        painter.drawPixmap(option.rect.topLeft(), *picture);
        return;
    }
    const qreal ratio = painter.device()->devicePixelRatio();
    auto picture = std::make_unique<QPixmap>(option.rect.size() * ratio);
    picture->setDevicePixelRatio(ratio);
    picture->fill(Qt::transparent);
    QPainter picture_painter(picture.get());
    picture_painter.translate(-option.rect.topLeft());
    QProxyStyle::drawPrimitive(element, &option, &picture_painter, widget);
    picture_painter.end();
    painter.drawPixmap(option.rect.topLeft(), *picture);
    const qsizetype bytes = qsizetype(picture->width()) * picture->height() * 4;
    pictures_.insert(key, picture.release(), bytes);
}

// The list's frame filled here, its button and field by the wrapped style.
void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || list == nullptr || !bevel_list_frame(*list, *painter)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionComboBox rest = *list;
    rest.subControls &= ~SC_ComboBoxFrame;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

}  // namespace kv::qt
