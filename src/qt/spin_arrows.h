#pragma once

#include <QWidget>

class QToolButton;

namespace kv::qt {

// A small spin control: an upper and a lower arrow, stacked. It holds no
// value; it only reports which arrow the person used (a click, a held arrow,
// the mouse wheel, or the Up and Down keys).
class SpinArrows final : public QWidget {
    Q_OBJECT

public:
    explicit SpinArrows(QWidget* parent);

    [[nodiscard]] QToolButton* upper() const { return upper_; }
    [[nodiscard]] QToolButton* lower() const { return lower_; }
    [[nodiscard]] QSize sizeHint() const override;

signals:
    void upper_arrow();
    void lower_arrow();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* upper_;
    QToolButton* lower_;
};

}  // namespace kv::qt
