#include <QApplication>

#include "panel/kv2841a.h"
#include "panel/module.h"
#include "qt/config_window.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    kv::qt::QtPlatform platform;
    kv::Module module;
    kv::Kv2841a w(module, platform);
    w.Form_Load();
    kv::qt::ConfigWindow window(w);
    platform.add_view(window.bindings());
    platform.on_close_window = [&window](kv::WindowName name) {
        if (name == kv::WindowName::Kv2841a) {
            window.close();
        }
    };
    window.show();
    return QApplication::exec();
}
