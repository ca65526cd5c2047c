#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace kv::qt {

// A block diagram: child widgets are the blocks, laid out by a layout; the
// diagram draws the arrows between them from where the blocks actually are,
// so the drawing follows any font and size.
class BlockDiagram final : public QWidget {
    Q_OBJECT

public:
    enum class Route {
        Right,   // from the right edge of one block into the left edge of the next
        Down,    // from the bottom of one block into the top of the one below
        LeftUp,  // from the left edge, across, then up into the bottom of a block
    };

    explicit BlockDiagram(QWidget* parent);

    void add_arrow(QWidget* from, QWidget* to, Route route);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Arrow {
        QPointer<QWidget> from;
        QPointer<QWidget> to;
        Route route;
    };

    std::vector<Arrow> arrows_;
};

}  // namespace kv::qt
