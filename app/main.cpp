#include <QApplication>

#include "qt/desktop.h"
#include "qt/look.h"
#include "qt/qt_platform.h"
#include "shell/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    kv::qt::apply_look();
    kv::qt::QtPlatform platform;
    kv::Application application(platform);
    application.start();
    kv::qt::Desktop desktop(platform, application);
    desktop.show();
    desktop.open_at_start(QCoreApplication::arguments());
    return QApplication::exec();
}
