#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

namespace {

void refresh_action(QAction& action, const MenuItem& item) {
    action.setText(menu_caption_text(item.caption()));
    action.setEnabled(item.enabled());
    action.setVisible(item.visible());
}

}  // namespace

void Bindings::menu(MenuItem& menu, QMenuBar& bar) {
    if (menu.children().empty()) {
        QAction* action = bar.addAction(QString());
        action->setObjectName(to_qstring(menu.name()));
        on(action, &QAction::triggered, [&menu] { menu.click(); });
        attach(menu, [action, &menu] { refresh_action(*action, menu); });
        return;
    }
    auto* drop_down = new QMenu(&bar);
    drop_down->setObjectName(to_qstring(menu.name()));
    bar.addMenu(drop_down);
    attach(menu, [drop_down, &menu] { refresh_action(*drop_down->menuAction(), menu); });
    for (Control* child : menu.children()) {
        auto& item = static_cast<MenuItem&>(*child);
        QAction* action =
            item.is_separator() ? drop_down->addSeparator() : drop_down->addAction(QString());
        action->setObjectName(to_qstring(item.name()));
        action->setShortcuts(
            QKeySequence::listFromString(to_qstring(item.shortcut()), QKeySequence::PortableText));
        if (!item.is_separator()) {
            on(action, &QAction::triggered, [&item] { item.click(); });
            attach(item, [action, &item] { refresh_action(*action, item); });
        }
    }
}

}  // namespace kv::qt
