#include <QApplication>

#include "qt/desktop.h"
#include "qt/look.h"
#include "qt/qt_platform.h"
#include "qt/translations.h"
#include "shell/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    kv::qt::apply_look();
    kv::qt::use_chinese_qt_texts(qt);
    kv::qt::QtPlatform platform;
    kv::Application application(platform);
    application.start();
    kv::qt::Desktop desktop(platform, application);
    desktop.show();
    return QApplication::exec();
}
