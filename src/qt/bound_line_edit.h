#pragma once

#include <QLineEdit>

#include "panel/text_control.h"

namespace kv::qt {

// The edit field of a text box or of a list's edit part. A typed character
// and the Backspace key are the control's own actions (type, press_backspace):
// the control raises KeyPress, edits its text at its caret and raises Change,
// and the field shows the result. Any other edit (Delete, cut, paste, undo,
// the context menu, a drop, an input method) the field makes itself; its
// owner hands the new text to the control. The field also tells whether it is
// finishing an edit (focus leaving, Return), which an editable list must not
// take for a pick; Return and the focus leaving complete the control's entry.
// A key that chooses an item of the window's menus goes to the menu: Ctrl+Z
// undoes the window's last step, not the field's last edit. The focus leaving
// the field, told with focus_left, ends the control's run of typing.
class BoundLineEdit final : public QLineEdit {
    Q_OBJECT

public:
    BoundLineEdit(TextControl& control, QWidget* parent);

    [[nodiscard]] bool finishing_edit() const { return finishing_; }

signals:
    // A click with the left button inside the field, after the field handled it.
    void clicked();
    // The field has just taken the keyboard focus.
    void focused();
    // The keyboard focus has just left the field.
    void focus_left();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // True when the control took the key (or refused it on purpose).
    bool offer_to_control(const QKeyEvent& event);

    TextControl& control_;
    bool finishing_ = false;
};

}  // namespace kv::qt
