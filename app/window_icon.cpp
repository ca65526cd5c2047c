#include "app/window_icon.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace kv::app {

void set_window_icon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(KV_DESKTOP_ID));
}

}  // namespace kv::app
