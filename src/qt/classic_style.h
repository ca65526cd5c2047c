#pragma once

#include <QCache>
#include <QPixmap>
#include <QProxyStyle>
#include <QString>

namespace kv::qt {

// The classic Windows style, drawing the same pixels in less time where a
// page switch or an undo spends it: the small indicators of option buttons
// and check boxes, and the arrows, which the wrapped style draws from
// smoothed curves, are kept as pictures; the plain etched and bevelled frames
// of group boxes, text boxes, lists and buttons are filled line by line
// rather than stroked.
// Everything else is the wrapped style's own drawing.
class ClassicStyle final : public QProxyStyle {
public:
    // Takes ownership of the wrapped style.
    explicit ClassicStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    void draw_kept(const QString& key, PrimitiveElement element, const QStyleOption& option,
                   QPainter& painter, const QWidget* widget) const;

    mutable QCache<QString, QPixmap> pictures_;
};

}  // namespace kv::qt
