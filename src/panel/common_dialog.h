#pragma once

#include <string>

namespace kv {

// The file dialog object of the window, for saving and opening: what the
// procedures set before showing it, and the name it returns. The name stays
// for the next showing.
struct CommonDialog {
    std::string dialog_title;
    std::string filter;  // "description|pattern"
    std::string file_name;
    std::string init_dir;  // the folder an open dialog starts in; empty: the dialog's own

    bool operator==(const CommonDialog&) const = default;
};

}  // namespace kv
