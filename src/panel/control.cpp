#include "panel/control.h"

#include <utility>
#include <vector>

#include "panel/control_state.h"

namespace kv {

namespace {

std::string element_name(std::string name, int index) {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

}  // namespace

Control::Control(ControlKind kind, std::string name, Control* container, int index,
                 const Design& design)
    : kind_(kind),
      design_(design),
      name_(element_name(std::move(name), index)),
      index_(index),
      container_(container),
      enabled_(design.enabled),
      visible_(design.visible) {
    if (container_ != nullptr) {
        container_->children_.push_back(this);
    }
}

void Control::set_enabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        notify_view();
    }
}

void Control::set_visible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        notify_view();
    }
}

void Control::set_caption(std::string caption) {
    if (caption_ != caption) {
        caption_ = std::move(caption);
        notify_view();
    }
}

void Control::set_tool_tip(std::string tip) {
    if (tool_tip_ != tip) {
        tool_tip_ = std::move(tip);
        notify_view();
    }
}

bool Control::usable() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->enabled_) {
            return false;
        }
    }
    return true;
}

Control::~Control() {
    ViewUpdateBatch::forget(*this);
}

void Control::leave_focus() {
    if (watcher_ != nullptr) {
        watcher_->focus_left(*this);
    }
}

void Control::save_state(ControlState& state) const {
    state.enabled = enabled_;
    state.caption = caption_;
    state.tool_tip = tool_tip_;
}

void Control::restore_state(const ControlState& state) {
    enabled_ = state.enabled;
    caption_ = state.caption;
    tool_tip_ = state.tool_tip;
    restore_own_state(state);
    notify_view();
}

Control::UserAction::UserAction(const Control& control, bool typing) : watcher_(control.watcher_) {
    if (watcher_ != nullptr) {
        watcher_->action_begins(control, typing);
    }
}

Control::UserAction::~UserAction() {
    if (watcher_ != nullptr) {
        watcher_->action_ends();
    }
}

void Control::notify_view() const {
    if (watcher_ != nullptr) {
        watcher_->control_changed(*this);
    }
    if (!on_view_update) {
        return;
    }
    if (ViewUpdateBatch::depth_ > 0) {
        ViewUpdateBatch::wait(*this);
        return;
    }
    on_view_update();
}

int ViewUpdateBatch::depth_ = 0;
std::vector<const Control*> ViewUpdateBatch::waiting_;

ViewUpdateBatch::ViewUpdateBatch() {
    ++depth_;
}

// The views refresh in the order their controls first changed; a refresh
// changes no control.
ViewUpdateBatch::~ViewUpdateBatch() {
    if (--depth_ > 0) {
        return;
    }
    const std::vector<const Control*> controls = std::exchange(waiting_, {});
    for (const Control* control : controls) {
        control->view_update_waiting_ = false;
        if (control->on_view_update) {
            control->on_view_update();
        }
    }
}

void ViewUpdateBatch::wait(const Control& control) {
    if (!control.view_update_waiting_) {
        control.view_update_waiting_ = true;
        waiting_.push_back(&control);
    }
}

void ViewUpdateBatch::forget(const Control& control) {
    if (control.view_update_waiting_) {
        std::erase(waiting_, &control);
    }
}

void collect_controls(Control& root, std::vector<Control*>& out) {
    out.push_back(&root);
    for (Control* child : root.children()) {
        collect_controls(*child, out);
    }
}

Control* find_control(const std::vector<Control*>& controls, std::string_view name) {
    for (Control* control : controls) {
        if (control->name() == name) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace kv
