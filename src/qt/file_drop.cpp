#include "qt/file_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace kv::qt {

namespace {

// The first local file a drag carries, or an empty name.
QString dragged_file(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

}  // namespace

FileDrop::FileDrop(QWidget& window, std::function<void(const std::string&)> open)
    : QObject(&window), window_(window), open_(std::move(open)) {
    window_.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) ||
        !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &window_) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString file = dragged_file(drop->mimeData());
    if (file.isEmpty()) {
        return false;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        const std::string path = QFile::encodeName(file).toStdString();
        QTimer::singleShot(0, this, [this, path] { open_(path); });
    }
    return true;
}

}  // namespace kv::qt
