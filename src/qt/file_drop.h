#pragma once

#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace kv::qt {

// Files dragged from the desktop onto a window, onto any widget of it: the
// window takes the drag of a local file wherever it is dropped, and hands the
// file's name on once the drop is over, so that a box shown then does not sit
// inside the desktop's drag.
class FileDrop final : public QObject {
    Q_OBJECT

public:
    FileDrop(QWidget& window, std::function<void(const std::string&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void(const std::string&)> open_;
};

}  // namespace kv::qt
