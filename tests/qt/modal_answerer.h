#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

#include "qt/qt_text.h"

namespace kv::qt::test {

// Answers the real modal message boxes and save dialogs a test brings up,
// from inside the event loop each one runs: it records a box and presses the
// next answer (OK, or Yes, when no answer is queued); it records a dialog and
// accepts it with the next file name (or cancels it when none is queued).
// Nothing waits on time: the check runs whenever the event loop is idle.
class ModalAnswerer {
public:
    struct Box {
        QMessageBox::Icon icon;
        std::string title;
        std::string text;
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
    };

    std::deque<QMessageBox::StandardButton> answers;
    std::vector<Box> boxes;
    std::deque<QString> file_names;
    std::vector<Dialog> dialogs;

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            answer_dialog(*dialog);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            answer_box(*box);
        }
    }

    void answer_dialog(QFileDialog& dialog) {
        dialogs.push_back({to_utf8(dialog.windowTitle()), dialog.nameFilters(),
                           dialog.selectedFiles(),
                           !dialog.testOption(QFileDialog::DontConfirmOverwrite)});
        if (file_names.empty()) {
            dialog.reject();
            return;
        }
        dialog.selectFile(file_names.front());
        file_names.pop_front();
        QMetaObject::invokeMethod(&dialog, "accept");
    }

    void answer_box(QMessageBox& message) {
        QMessageBox* box = &message;
        boxes.push_back({box->icon(), to_utf8(box->windowTitle()), to_utf8(box->text())});
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
