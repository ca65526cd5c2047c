#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

#include "qt/qt_text.h"

namespace kv::qt::test {

// Answers the real modal message boxes a test brings up, from inside the
// event loop each box runs: it records the box and presses the next answer
// (OK, or Yes, when no answer is queued). Nothing waits on time: the check
// runs whenever the event loop is idle.
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

    std::deque<QMessageBox::StandardButton> answers;
    std::vector<Box> boxes;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
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
