#include "qt/block_diagram.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace kv::qt {

namespace {

constexpr qreal kHeadLength = 8;
constexpr qreal kHeadHalfWidth = 4;

// The line of an arrow, from its start to the point its head touches.
QPolygonF arrow_line(const QRect& from, const QRect& to, BlockDiagram::Route route) {
    switch (route) {
        case BlockDiagram::Route::Right: {
            const qreal y = from.center().y();
            return {QPointF(from.right() + 1, y), QPointF(to.left(), y)};
        }
        case BlockDiagram::Route::Down: {
            const qreal x = std::clamp(from.center().x(), to.left() + 4, to.right() - 4);
            return {QPointF(x, from.bottom() + 1), QPointF(x, to.top())};
        }
        case BlockDiagram::Route::LeftUp: {
            const QPointF start(from.left(), from.center().y());
            const QPointF corner(to.center().x(), start.y());
            return {start, corner, QPointF(corner.x(), to.bottom() + 1)};
        }
    }
    return {};
}

void draw_head(QPainter& painter, const QPointF& before, const QPointF& tip) {
    const QLineF line(tip, before);
    const QLineF along = line.unitVector();
    const QPointF back = tip + (along.p2() - along.p1()) * kHeadLength;
    const QPointF side = QPointF(-(along.dy()), along.dx()) * kHeadHalfWidth;
    painter.drawPolygon(QPolygonF{tip, back + side, back - side});
}

}  // namespace

BlockDiagram::BlockDiagram(QWidget* parent) : QWidget(parent) {}

void BlockDiagram::add_arrow(QWidget* from, QWidget* to, Route route) {
    arrows_.push_back({from, to, route});
    update();
}

void BlockDiagram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(ink);
    for (const Arrow& arrow : arrows_) {
        if (arrow.from.isNull() || arrow.to.isNull()) {
            continue;
        }
        const QPolygonF line =
            arrow_line(arrow.from->geometry(), arrow.to->geometry(), arrow.route);
        if (line.size() < 2) {
            continue;
        }
        painter.drawPolyline(line);
        draw_head(painter, line[line.size() - 2], line.back());
    }
}

}  // namespace kv::qt
