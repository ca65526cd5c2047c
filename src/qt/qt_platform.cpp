#include "qt/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <algorithm>

#include "files/file_store.h"
#include "qt/bindings.h"
#include "qt/file_filter.h"
#include "qt/qt_text.h"

namespace kv::qt {

namespace {

QMessageBox::Icon box_icon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons box_buttons(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                            : QMessageBox::StandardButtons(QMessageBox::Ok);
}

MessageAnswer answer_of(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
    }
}

// The window a modal box belongs to: the one the person works in.
QWidget* owner_window() {
    return QApplication::activeWindow();
}

// Gives the window that was active before a modal box, and the widget that
// had its focus, the focus back once the box has closed. Without a window
// manager nothing else does, and the keys would reach no window.
class FocusReturn final {
public:
    FocusReturn() : window_(owner_window()), widget_(QApplication::focusWidget()) {}
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;
    ~FocusReturn() {
        if (window_.isNull() || !window_->isVisible()) {
            return;
        }
        window_->activateWindow();
        if (!widget_.isNull() && widget_->window() == window_) {
            widget_->setFocus(Qt::ActiveWindowFocusReason);
        }
    }

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> widget_;
};

}  // namespace

MessageAnswer QtPlatform::message_box(const Message& message) {
    const FocusReturn focus_return;
    QMessageBox box(box_icon(message.icon), to_qstring(message.title), to_qstring(message.text),
                    box_buttons(message.buttons), owner_window());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const int button = box.exec();
    if (message.buttons == MessageButtons::YesNo && button != QMessageBox::Yes) {
        return MessageAnswer::No;
    }
    return answer_of(button);
}

// The dialog asks no question of its own before replacing a file: the
// procedure that saves asks it.
bool QtPlatform::show_save_dialog(CommonDialog& dialog) {
    const FocusReturn focus_return;
    QFileDialog box(owner_window(), to_qstring(dialog.dialog_title));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontConfirmOverwrite);
    box.setNameFilter(qt_name_filter(dialog.filter));
    box.setWindowModality(Qt::ApplicationModal);
    if (!dialog.file_name.empty()) {
        box.selectFile(to_qstring(dialog.file_name));
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return false;
    }
    dialog.file_name = to_utf8(box.selectedFiles().constFirst());
    return true;
}

bool QtPlatform::plain_file_exists(const std::string& path) {
    return file_store::plain_file_exists(path);
}

SaveResult QtPlatform::save_file(const std::string& path, std::string_view bytes) {
    return file_store::save_file_atomically(path, bytes);
}

void QtPlatform::set_focus(const Control& control) {
    for (const Bindings* view : views_) {
        if (QWidget* widget = view->widget_of(control)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void QtPlatform::show_window(WindowName window) {
    if (on_show_window) {
        on_show_window(window);
    }
}

void QtPlatform::close_window(WindowName window) {
    if (on_close_window) {
        on_close_window(window);
    }
}

void QtPlatform::add_view(const Bindings& view) {
    views_.push_back(&view);
}

void QtPlatform::remove_view(const Bindings& view) {
    views_.erase(std::remove(views_.begin(), views_.end(), &view), views_.end());
}

}  // namespace kv::qt
