#include "qt/bindings.h"

#include <QLineEdit>
#include <QWidget>

#include "qt/bound_line_edit.h"
#include "qt/qt_text.h"
#include "qt/text_link.h"

namespace kv::qt {

Bindings::~Bindings() {
    detach();
}

void Bindings::detach() {
    for (Control* control : attached_) {
        control->on_view_update = nullptr;
    }
    attached_.clear();
    for (const QMetaObject::Connection& connection : connections_) {
        QObject::disconnect(connection);
    }
    connections_.clear();
}

TextLink& Bindings::link_text(BoundLineEdit& edit, TextControl& control) {
    auto& link = *links_.emplace_back(std::make_unique<TextLink>(edit, control));
    on(&edit, &QLineEdit::textEdited, [&link](const QString& text) { link.forward_edit(text); });
    on(&edit, &QLineEdit::cursorPositionChanged, [&link] { link.follow_caret(); });
    on(&edit, &QLineEdit::selectionChanged, [&link] { link.follow_caret(); });
    on(&edit, &BoundLineEdit::focused, [&link] { link.refresh(); });
    on(&edit, &BoundLineEdit::focus_left, [&control] { control.leave_focus(); });
    return link;
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
    // Qt tells the widget of every tool tip it is given, even the same one.
    const QString tip = to_qstring(control.tool_tip());
    if (widget.toolTip() != tip) {
        widget.setToolTip(tip);
    }
    // A widget the control shows appears with its page.
    widget.setVisible(control.visible());
}

}  // namespace kv::qt
