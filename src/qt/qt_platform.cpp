#include "qt/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QTreeView>
#include <algorithm>

#include "posix_files/file_store.h"
#include "posix_files/regular_file.h"
#include "posix_files/stored_name.h"
#include "qt/bindings.h"
#include "qt/file_filter.h"
#include "qt/qt_text.h"
#include "qt/screen_fit.h"

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

// Gives the window a modal box belonged to the focus back once the box has
// closed; the window then gives it to the widget that last had it. Without
// a window manager nothing else does, and the keys would reach no window.
class FocusReturn final {
public:
    explicit FocusReturn(QWidget* window) : window_(window) {}
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;
    ~FocusReturn() {
        if (!window_.isNull() && window_->isVisible()) {
            window_->activateWindow();
        }
    }

private:
    QPointer<QWidget> window_;
};

// The detail columns of the dialog's file list (size, type, date) as wide
// as their texts, in any language; the name takes the room left.
void show_whole_columns(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (list == nullptr) {
        return;
    }
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

// What the save and open dialogs share: the filter, the modality and whole
// columns.
void filter_and_lay_out(QFileDialog& box, const CommonDialog& dialog) {
    box.setNameFilter(qt_name_filter(dialog.filter));
    box.setWindowModality(Qt::ApplicationModal);
    show_whole_columns(box);
    keep_within_screen_when_shown(box);
}

// Shows the dialog; on a choice its name goes into dialog.file_name, as the
// file system stores it.
bool take_choice(QFileDialog& box, CommonDialog& dialog) {
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return false;
    }
    dialog.file_name = file_store::stored_name(to_utf8(box.selectedFiles().constFirst()));
    return true;
}

}  // namespace

MessageAnswer QtPlatform::message_box(const Message& message) {
    const FocusReturn focus_return(owner_window());
    QMessageBox box(box_icon(message.icon), to_qstring(message.title), to_qstring(message.text),
                    box_buttons(message.buttons), owner_window());
    box.setTextFormat(Qt::PlainText);
    // A question defaults to No, as the system's own replace question does:
    // Enter pressed without reading keeps what stands.
    if (message.buttons == MessageButtons::YesNo) {
        box.setDefaultButton(QMessageBox::No);
    }
    box.setWindowModality(Qt::ApplicationModal);
    keep_within_screen_when_shown(box);
    const int button = box.exec();
    if (message.buttons == MessageButtons::YesNo && button != QMessageBox::Yes) {
        return MessageAnswer::No;
    }
    return answer_of(button);
}

// The dialog asks no question of its own before replacing a file: the
// procedure that saves asks it.
bool QtPlatform::show_save_dialog(CommonDialog& dialog) {
    const FocusReturn focus_return(owner_window());
    QFileDialog box(owner_window(), to_qstring(dialog.dialog_title));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontConfirmOverwrite);
    filter_and_lay_out(box, dialog);
    if (!dialog.file_name.empty()) {
        box.selectFile(to_qstring(dialog.file_name));
    }
    return take_choice(box, dialog);
}

// The dialog shows every kind of file the filter names; the procedure that
// opens decides what it can read.
bool QtPlatform::show_open_dialog(CommonDialog& dialog) {
    const FocusReturn focus_return(owner_window());
    QFileDialog box(owner_window(), to_qstring(dialog.dialog_title));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile);
    filter_and_lay_out(box, dialog);
    if (!dialog.init_dir.empty()) {
        box.setDirectory(to_qstring(dialog.init_dir));
    }
    return take_choice(box, dialog);
}

bool QtPlatform::plain_file_exists(const std::string& path) {
    return file_store::plain_file_exists(path);
}

SaveResult QtPlatform::save_file(const std::string& path, std::string_view bytes) {
    return file_store::save_file_safely(path, bytes);
}

// The window the person works in; while the desktop has not yet given a
// closed box's window the focus back, the window the last box belonged to.
QWidget* QtPlatform::owner_window() {
    if (QWidget* active = QApplication::activeWindow()) {
        last_owner_ = active;
    }
    return last_owner_.data();
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
