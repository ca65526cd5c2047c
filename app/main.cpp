#include <QApplication>
#include <iostream>

#include "app/command_line.h"
#include "app/window_icon.h"
#include "qt/desktop.h"
#include "qt/look.h"
#include "qt/qt_platform.h"
#include "qt/translations.h"
#include "window/application.h"

int main(int argc, char** argv) {
    const kv::app::CommandLine command =
        kv::app::read_command_line({argv + 1, argv + argc}, std::cout, std::cerr);
    if (command.exit_status) {
        return *command.exit_status;
    }
    QApplication qt(argc, argv);
    kv::app::set_window_icon();
    kv::qt::apply_look();
    kv::qt::use_chinese_qt_texts(qt);
    kv::qt::QtPlatform platform;
    kv::Application application(platform);
    application.start();
    kv::qt::Desktop desktop(platform, application);
    desktop.show();
    desktop.open_at_start(command.file);
    return QApplication::exec();
}
