#pragma once

#include <QWidget>

namespace kv::qt {

// Takes the keyboard focus away from a control that a procedure has just
// rewritten. It draws nothing and shows no caret, and the Tab key never
// lands on it.
class FocusSink final : public QWidget {
    Q_OBJECT

public:
    explicit FocusSink(QWidget* parent);

    [[nodiscard]] QSize sizeHint() const override { return {1, 1}; }
};

}  // namespace kv::qt
