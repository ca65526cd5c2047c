#include <QRadioButton>
#include <QSignalBlocker>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

// The option buttons of one frame are exclusive in the core, which clears the
// others when one is selected and may leave none selected; Qt's own exclusive
// grouping could not show that, so each button shows its control's value.
QRadioButton* Bindings::option_button(OptionButton& option, QWidget* parent) {
    auto* widget = new QRadioButton(parent);
    widget->setAutoExclusive(false);
    remember(option, widget);
    auto refresh = [widget, &option] {
        refresh_common(*widget, option);
        const QSignalBlocker block(widget);
        widget->setText(caption_text(option.caption()));
        widget->setChecked(option.value());
    };
    on(widget, &QRadioButton::clicked, [&option, refresh] {
        option.click();
        refresh();
    });
    attach(option, refresh);
    return widget;
}

}  // namespace kv::qt
