#include <string>

#include "panel/kv2841a.h"
#include "register_lists/list_commands.h"
#include "register_lists/list_comparing.h"
#include "register_lists/list_dialog.h"
#include "register_lists/list_text.h"
#include "register_lists/register_list_applying.h"

namespace kv {

bool compare_register_list(Kv2841a& w, const std::string& path) {
    const auto file = read_list_file(w, path);
    if (!file) {
        return false;
    }
    const PanelOffers offers = offers_of(w);
    const ListComparison comparison = compare_lists(
        read_window_list(w), read_list(file->texts, offers, w.module().cry_index), offers);
    if (w.show_comparison) {
        w.show_comparison(path, comparison);
    }
    return true;
}

// The dialog is a copy: the name chosen here is not the one the save dialog
// offers next.
void compare_file_Click(Kv2841a& w) {
    CommonDialog dialog = w.CommonDialog1;
    prepare_open_dialog(dialog);
    if (w.platform().show_open_dialog(dialog) && !is_spaces_and_tabs(dialog.file_name)) {
        compare_register_list(w, dialog.file_name);
    }
}

}  // namespace kv
