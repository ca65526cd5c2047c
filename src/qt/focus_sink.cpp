#include "qt/focus_sink.h"

#include "qt/bindings.h"

namespace kv::qt {

FocusSink::FocusSink(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(1, 1);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

FocusSink* Bindings::focus_sink(TextBox& sink, QWidget* parent) {
    auto* widget = new FocusSink(parent);
    remember(sink, widget);
    attach(sink, [widget, &sink] { refresh_common(*widget, sink); });
    return widget;
}

}  // namespace kv::qt
