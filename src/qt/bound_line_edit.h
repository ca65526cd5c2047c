#pragma once

#include <QLineEdit>

#include "panel/text_control.h"

namespace kv::qt {

// The edit field of a text box or of a list's edit part. Every editing key is
// handed to the control's KeyPress first and dropped when the handler
// discards it. It tells its owner whether the current edit was announced by a
// key (an edit from the context menu, a middle click, a drop or an input
// method was not), and whether it is finishing an edit (focus leaving,
// Return), which an editable list must not take for a pick.
class BoundLineEdit final : public QLineEdit {
    Q_OBJECT

public:
    BoundLineEdit(TextControl& control, QWidget* parent);

    [[nodiscard]] bool edit_announced() const { return announced_; }
    [[nodiscard]] bool finishing_edit() const { return finishing_; }

signals:
    // A click with the left button inside the field, after the field handled it.
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TextControl& control_;
    bool announced_ = false;
    bool finishing_ = false;
};

}  // namespace kv::qt
