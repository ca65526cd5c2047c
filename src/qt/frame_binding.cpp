#include <QGroupBox>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

// A frame and everything inside it: the widgets of its controls are made
// inside the group box, so a disabled frame disables them as the core does.
QGroupBox* Bindings::frame(Frame& frame, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    remember(frame, box);
    attach(frame, [box, &frame] {
        refresh_common(*box, frame);
        box->setTitle(caption_text(frame.caption()));
    });
    return box;
}

}  // namespace kv::qt
