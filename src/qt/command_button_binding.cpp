#include <QKeyEvent>
#include <QPushButton>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

namespace {

// A command button that Enter presses as well as Space, as on the window's
// desktop; it is never a dialog's default button.
class CommandPushButton final : public QPushButton {
public:
    explicit CommandPushButton(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            event->accept();
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

QPushButton* Bindings::command_button(CommandButton& button, QWidget* parent) {
    auto* widget = new CommandPushButton(parent);
    remember(button, widget);
    on(widget, &QPushButton::clicked, [&button] { button.click(); });
    attach(button, [widget, &button] {
        refresh_common(*widget, button);
        widget->setText(caption_text(button.caption()));
    });
    return widget;
}

}  // namespace kv::qt
