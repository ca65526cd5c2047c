#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

#include "qt/qt_text.h"

namespace kv::qt::test {

// Answers the real modal message boxes and save dialogs a test brings up,
// from inside the event loop each one runs: it records a box and presses the
// next answer (OK, or Yes, when no answer is queued); it records a dialog and
// types the next file name into it followed by Enter (or cancels it when none
// is queued).
// Nothing waits on time: the check runs whenever the event loop is idle.
class ModalAnswerer {
public:
    struct Box {
        QMessageBox::Icon icon;
        std::string title;
        std::string text;
        // The box, frame included, lay within the free area of its screen.
        bool within_screen;
    };

    ModalAnswerer() {
        QObject::connect(&idle_, &QTimer::timeout, [this] { answer(); });
        idle_.start(0);
    }

    struct Dialog {
        std::string title;
        QStringList filters;
        QStringList offered;
        bool asks_before_replacing;
        // The dialog's own file name field had the keyboard focus on opening.
        bool name_field_focused;
        bool within_screen;
    };

    std::deque<QMessageBox::StandardButton> answers;
    std::vector<Box> boxes;
    std::deque<QString> file_names;
    std::vector<Dialog> dialogs;

private:
    static bool within_screen(const QWidget& window) {
        return window.screen()->availableGeometry().contains(window.frameGeometry());
    }

    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // A person types only once the dialog has come up with the focus.
            if (dialog->isActiveWindow()) {
                answer_dialog(*dialog);
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            answer_box(*box);
        }
    }

    // Types the name into the dialog's file name field and presses Enter, as
    // a person does; a dialog that comes up with the focus elsewhere gets its
    // name through its own interface and is recorded as such.
    void answer_dialog(QFileDialog& dialog) {
        auto* name_field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const bool focused = name_field != nullptr && name_field->hasFocus();
        dialogs.push_back({to_utf8(dialog.windowTitle()), dialog.nameFilters(),
                           dialog.selectedFiles(),
                           !dialog.testOption(QFileDialog::DontConfirmOverwrite), focused,
                           within_screen(dialog)});
        if (file_names.empty()) {
            dialog.reject();
            return;
        }
        const QString name = file_names.front();
        file_names.pop_front();
        if (focused) {
            QTest::keyClick(name_field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name_field, name);
            QTest::keyClick(name_field, Qt::Key_Return);
            return;
        }
        dialog.selectFile(name);
        QMetaObject::invokeMethod(&dialog, "accept");
    }

    void answer_box(QMessageBox& message) {
        QMessageBox* box = &message;
        boxes.push_back(
            {box->icon(), to_utf8(box->windowTitle()), to_utf8(box->text()), within_screen(*box)});
        QMessageBox::StandardButton button =
            box->button(QMessageBox::Ok) != nullptr ? QMessageBox::Ok : QMessageBox::Yes;
        if (!answers.empty()) {
            button = answers.front();
            answers.pop_front();
        }
        box->button(button)->click();
    }

    QTimer idle_;
};

}  // namespace kv::qt::test
