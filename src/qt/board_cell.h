#pragma once

#include <QLabel>

namespace kv::qt {

// A label filled with its control's colour that reports a click: a cell of
// the puzzle board.
class BoardCell final : public QLabel {
    Q_OBJECT

public:
    explicit BoardCell(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kv::qt
