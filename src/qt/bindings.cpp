#include "qt/bindings.h"

#include <QWidget>

#include "qt/qt_text.h"

namespace kv::qt {

Bindings::Bindings() : receiver_(std::make_unique<QObject>()) {}

Bindings::~Bindings() {
    detach();
}

void Bindings::detach() {
    for (Control* control : attached_) {
        control->on_view_update = nullptr;
    }
    attached_.clear();
    QObject::disconnect(nullptr, nullptr, receiver_.get(), nullptr);
    for (QObject* link : receiver_->children()) {
        QObject::disconnect(nullptr, nullptr, link, nullptr);
    }
}

void Bindings::attach(Control& control, std::function<void()> refresh) {
    control.on_view_update = refresh;
    attached_.push_back(&control);
    refresh();
}

void Bindings::remember(const Control& control, QWidget* widget) {
    widget->setObjectName(to_qstring(control.name()));
    widgets_[&control] = widget;
}

QWidget* Bindings::widget_of(const Control& control) const {
    const auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second.data();
}

void refresh_common(QWidget& widget, const Control& control) {
    widget.setEnabled(control.enabled());
    widget.setToolTip(to_qstring(control.tool_tip()));
    // A widget the control shows appears with its page.
    widget.setVisible(control.visible());
}

}  // namespace kv::qt
