// Renders each page of the configuration window, the field panel, a
// comparison window, and the puzzle window, into PNG files, for looking at
// the layout without a desktop:
//   QT_QPA_PLATFORM=offscreen build/tools/render_pages OUT_DIR [WIDTHxHEIGHT]
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "panel/register_texts.h"
#include "qt/config_window.h"
#include "qt/desktop.h"
#include "qt/game_window.h"
#include "qt/look.h"
#include "qt/qt_platform.h"
#include "register_lists/list_commands.h"
#include "register_lists/register_lists.h"
#include "shell/shell.h"
#include "window/application.h"

namespace {

bool save(QWidget& window, const QDir& out, const QString& name) {
    QApplication::processEvents();
    const QString file = out.filePath(name);
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(file), window.width(), window.height());
    return true;
}

// Runs a procedure that brings up a modal box, saves the box and closes it.
bool save_box(const std::function<void()>& procedure, const QDir& out, const QString& name) {
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box != nullptr) {
            saved = save(*box, out, name);
            box->close();
        }
    });
    procedure();
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    kv::qt::apply_look();
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_pages OUT_DIR [WIDTHxHEIGHT]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    kv::qt::QtPlatform platform;
    kv::Application application(platform);
    application.start();
    kv::qt::Desktop desktop(platform, application);
    kv::qt::ConfigWindow& window = desktop.config_window();
    desktop.show();
    // A size asked for stands even where the screen is smaller.
    if (argc > 2) {
        const QStringList size = QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'));
        window.resize(size.value(0).toInt(), size.value(1).toInt());
    }
    QTabBar* tabs = window.tab_bar();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        if (!save(window, out, QStringLiteral("page%1.png").arg(tab + 1))) {
            return 1;
        }
    }
    kv::Kv2841a& w = application.window();
    // The field panel with the mouse over REG2, then the comparison of the
    // window, moved away from the start, with the start list.
    QTest::mouseMove(window.bindings().widget_of(w.Text1[2]));
    if (!save(window, out, QStringLiteral("page4_fields.png"))) {
        return 1;
    }
    const QString start_list = out.filePath(QStringLiteral("start.txt"));
    QFile file(start_list);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QByteArray::fromStdString(kv::spi_list(kv::register_texts(w)))) < 0) {
        return 1;
    }
    file.close();
    w.Freq_ck.click();
    w.ch2bz.select_all();
    w.ch2bz.type("1575.42");
    w.Combo3.pick("40");
    kv::compare_register_list(w, start_list.toStdString());
    QFile::remove(start_list);
    if (window.comparison_window() == nullptr ||
        !save(*window.comparison_window(), out, QStringLiteral("comparison.png"))) {
        return 1;
    }
    if (!save_box([&w] { Direction_Click(w); }, out, "usage_box.png") ||
        !save_box([&w] { about_Click(w); }, out, "about_box.png")) {
        return 1;
    }
    application.show_mini_game();
    kv::qt::GameWindow* game = desktop.game_window();
    if (game == nullptr) {
        return 1;
    }
    // One move, so that both cell colours show.
    QTest::mouseClick(game->bindings().widget_of(application.mini_game()->minibox[44]),
                      Qt::LeftButton);
    return save(*game, out, "game.png") ? 0 : 1;
}
