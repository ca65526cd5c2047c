#include <QPushButton>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

QPushButton* Bindings::command_button(CommandButton& button, QWidget* parent) {
    auto* widget = new QPushButton(parent);
    widget->setAutoDefault(false);
    remember(button, widget);
    on(widget, &QPushButton::clicked, [&button] { button.click(); });
    attach(button, [widget, &button] {
        refresh_common(*widget, button);
        widget->setText(caption_text(button.caption()));
    });
    return widget;
}

}  // namespace kv::qt
