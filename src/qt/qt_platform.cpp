#include "qt/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>

#include "file_read/regular_file.h"
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

}  // namespace

MessageAnswer QtPlatform::message_box(const Message& message) {
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

// The dialog shows every kind of file the filter names; the procedure that
// opens decides what it can read.
bool QtPlatform::show_open_dialog(CommonDialog& dialog) {
    QFileDialog box(owner_window(), to_qstring(dialog.dialog_title));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile);
    box.setNameFilter(qt_name_filter(dialog.filter));
    box.setWindowModality(Qt::ApplicationModal);
    if (!dialog.init_dir.empty()) {
        box.setDirectory(to_qstring(dialog.init_dir));
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

ReadResult QtPlatform::read_file(const std::string& path) {
    return file_read::read_regular_file(path);
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
