#include <QCheckBox>
#include <QSignalBlocker>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

QCheckBox* Bindings::check_box(CheckBox& check, QWidget* parent) {
    auto* widget = new QCheckBox(parent);
    remember(check, widget);
    auto refresh = [widget, &check] {
        refresh_common(*widget, check);
        const QSignalBlocker block(widget);
        widget->setText(caption_text(check.caption()));
        widget->setChecked(check.value() != 0);
    };
    on(widget, &QCheckBox::clicked, [&check, refresh] {
        check.click();
        refresh();
    });
    attach(check, refresh);
    return widget;
}

}  // namespace kv::qt
