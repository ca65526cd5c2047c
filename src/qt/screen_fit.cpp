#include "qt/screen_fit.h"

#include <QEvent>
#include <QObject>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kv::qt {

namespace {

// The room the window itself may take: the free area less its frame.
QSize room_for(const QWidget& window, const QRect& area) {
    return area.size() - (window.frameGeometry().size() - window.size());
}

void shrink_to(QWidget& window, const QRect& area) {
    const QSize size = window.size().boundedTo(room_for(window, area));
    if (size != window.size()) {
        window.resize(size.expandedTo(window.minimumSize()));
    }
}

// Shrinks the dialog on showing; its own showing then places it.
class ShowFit final : public QObject {
public:
    explicit ShowFit(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Show && !event->spontaneous()) {
            shrink_to(dialog_, dialog_.screen()->availableGeometry());
        }
        return false;
    }

private:
    QWidget& dialog_;
};

}  // namespace

void keep_within_screen(QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    shrink_to(window, area);
    const QRect frame = window.frameGeometry();
    const int x =
        std::clamp(frame.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y =
        std::clamp(frame.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.x() || y != frame.y()) {
        window.move(x, y);
    }
}

void keep_within_screen_when_shown(QWidget& dialog) {
    dialog.installEventFilter(new ShowFit(dialog));
}

}  // namespace kv::qt
