#include <QComboBox>
#include <QCompleter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStringList>

#include "qt/bindings.h"
#include "qt/bound_combo_box.h"
#include "qt/bound_line_edit.h"
#include "qt/qt_text.h"
#include "qt/system_colour.h"
#include "qt/text_link.h"

namespace kv::qt {

namespace {

// The control's items only grow (AddItem) and only the binding fills the
// list, so the same count means the same items.
bool same_items(const QComboBox& combo, const ComboBox& list) {
    return combo.count() == static_cast<int>(list.items().size());
}

void refresh_combo_box(QComboBox& combo, TextLink& link, const ComboBox& list) {
    refresh_common(combo, list);
    {
        const QSignalBlocker block(combo);
        const QSignalBlocker block_edit(combo.lineEdit());
        if (!same_items(combo, list)) {
            // One insertion of all items: item by item, the list re-sizes itself each time.
            QStringList items;
            items.reserve(static_cast<qsizetype>(list.items().size()));
            for (const std::string& item : list.items()) {
                items.append(to_qstring(item));
            }
            combo.clear();
            combo.addItems(items);
        }
        if (combo.currentIndex() != list.list_index()) {
            combo.setCurrentIndex(list.list_index());
        }
    }
    apply_box_colour(*combo.lineEdit(), list.back_color());
    link.refresh();
}

}  // namespace

// An editable list. A pick from the drop-down list (or a step with the arrow
// keys or the wheel, see BoundComboBox) is the control's pick;
// typing goes through the edit part. Qt also reports a pick when an edit ends
// on a text that equals an item: that is no pick.
QComboBox* Bindings::combo_box(ComboBox& list, QWidget* parent) {
    auto* combo = new BoundComboBox(list, parent);
    auto* edit = new BoundLineEdit(list, combo);
    // The list completes nothing. Qt gives a field that has no completer one
    // that watches the whole list, which is costly to make; an empty one
    // stands in while the field is set, and then none is left (Qt may have
    // deleted the stand-in itself).
    const QPointer<QCompleter> stand_in = new QCompleter(edit);
    edit->setCompleter(stand_in);
    combo->setLineEdit(edit);
    combo->setCompleter(nullptr);
    delete stand_in.data();
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);
    remember(list, combo);
    TextLink& link = link_text(*edit, list);
    auto refresh = [combo, &link, &list] { refresh_combo_box(*combo, link, list); };
    on(combo, &QComboBox::activated, [edit, &list, refresh](int index) {
        if (!edit->finishing_edit() && index >= 0) {
            list.pick(static_cast<std::size_t>(index));
        }
        refresh();
    });
    attach(list, refresh);
    return combo;
}

}  // namespace kv::qt
