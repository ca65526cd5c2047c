#pragma once

#include <QString>

#include "panel/text_control.h"

namespace kv::qt {

class BoundLineEdit;

// Keeps an edit field and a text control together. An edit the field made
// itself goes to the control as one edit of the whole text, which the control
// may refuse; the control's caret follows the field's. The field shows the
// control's text, and while it has the focus the control's caret and a
// selection the control makes itself (a click that selects all); without the
// focus a rewritten text shows from its start.
class TextLink final {
public:
    TextLink(BoundLineEdit& edit, TextControl& control);

    // Shows the control's text and selection, with the field's signals blocked.
    void refresh();
    // The field changed its text itself.
    void forward_edit(const QString& text);
    // The field's caret or selection moved.
    void follow_caret();

private:
    BoundLineEdit& edit_;
    TextControl& control_;
    bool forwarding_ = false;
};

}  // namespace kv::qt
