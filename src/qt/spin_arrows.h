#pragma once

#include <QWidget>

class QToolButton;

namespace kv::qt {

// A small spin control: an upper and a lower arrow, stacked. It holds no
// value; it only reports which arrow the person used (a click, a held arrow,
// the Up and Down keys, or the mouse wheel while the spin has the focus, so
// that scrolling over a page changes nothing). A click on an arrow gives it
// the focus, which it shows with a focus frame.
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
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* upper_;
    QToolButton* lower_;
};

}  // namespace kv::qt
