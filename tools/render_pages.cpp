// Renders each page of the configuration window into a PNG file, for looking
// at the layout without a desktop:
//   QT_QPA_PLATFORM=offscreen build/tools/render_pages OUT_DIR [WIDTHxHEIGHT]
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <cstdio>

#include "panel/kv2841a.h"
#include "panel/module.h"
#include "qt/config_window.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_pages OUT_DIR [WIDTHxHEIGHT]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    kv::qt::QtPlatform platform;
    kv::Module module;
    kv::Kv2841a w(module, platform);
    w.Form_Load();
    kv::qt::ConfigWindow window(w);
    platform.add_view(window.bindings());
    if (argc > 2) {
        const QStringList size = QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'));
        window.resize(size.value(0).toInt(), size.value(1).toInt());
    }
    window.show();
    for (int tab = 0; tab < window.tab_bar()->count(); ++tab) {
        QTest::mouseClick(window.tab_bar(), Qt::LeftButton, {},
                          window.tab_bar()->tabRect(tab).center());
        // The page the tab stands for, whether or not the window has switched to it.
        window.page_area()->setCurrentIndex(tab + 1);
        QApplication::processEvents();
        const QString file = out.filePath(QStringLiteral("page%1.png").arg(tab + 1));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s %dx%d\n", qPrintable(file), window.width(), window.height());
    }
    return 0;
}
