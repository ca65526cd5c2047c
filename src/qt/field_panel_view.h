#pragma once

#include <QPlainTextEdit>

#include "register_lists/field_panel.h"

class QLineEdit;

namespace kv::qt {

// The field panel under the register boxes of the page "寄存器列表": tells the
// core's panel which box the mouse is over and which has the focus, and
// shows its text, scrolling where the page has less room than the register
// has fields. It takes no focus: the focus stays in the register boxes.
// Changes of the words come in bursts (one action rewrites eleven
// registers); the text is asked for once the burst is over.
class FieldPanelView final : public QPlainTextEdit {
    Q_OBJECT

public:
    FieldPanelView(Kv2841a& w, QWidget* parent);

    // Follows the mouse and the focus on the box of register n.
    void watch(QLineEdit& box, int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh_soon();
    void refresh();

    FieldPanel panel_;
    bool refresh_pending_ = false;
};

}  // namespace kv::qt
