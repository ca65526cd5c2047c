#pragma once

#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

namespace kv::qt::test {

// Where a widget stands in its window.
inline QRect window_rect(const QWidget& widget) {
    return {widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()};
}

// True when the two stand on one row: each one's middle lies within the other.
inline bool on_one_row(const QRect& a, const QRect& b) {
    return a.top() <= b.center().y() && b.center().y() <= a.bottom() && b.top() <= a.center().y() &&
           a.center().y() <= b.bottom();
}

// The nearest shown label with that text on the field's row, on the side
// given, no further away than a few characters; null when there is none.
inline const QLabel* caption_beside(const QWidget& field, const QString& text, bool right) {
    const QRect box = window_rect(field);
    const int reach = 4 * field.fontMetrics().height();
    const QLabel* nearest = nullptr;
    int nearest_gap = reach + 1;
    for (const QLabel* label : field.window()->findChildren<QLabel*>()) {
        if (label->text() != text || !label->isVisible()) {
            continue;
        }
        const QRect caption = window_rect(*label);
        const int gap = right ? caption.left() - box.right() : box.left() - caption.right();
        if (gap >= 0 && gap < nearest_gap && on_one_row(box, caption)) {
            nearest = label;
            nearest_gap = gap;
        }
    }
    return nearest;
}

// True when a shown label with that text stands right above the field.
inline bool caption_above(const QWidget& field, const QString& text) {
    const QRect box = window_rect(field);
    const int reach = field.fontMetrics().height();
    for (const QLabel* label : field.window()->findChildren<QLabel*>()) {
        const QRect caption = window_rect(*label);
        const int gap = box.top() - caption.bottom();
        if (label->isVisible() && label->text() == text && gap > 0 && gap <= reach &&
            caption.left() <= box.center().x() && box.left() <= caption.center().x()) {
            return true;
        }
    }
    return false;
}

}  // namespace kv::qt::test
