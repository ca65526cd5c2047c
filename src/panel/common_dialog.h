#pragma once

#include <string>

namespace kv {

// The save dialog object of the window: what the procedures set before showing
// it, and the name it returns. The name stays for the next showing.
struct CommonDialog {
    std::string dialog_title;
    std::string filter;  // "description|pattern"
    std::string file_name;
    bool cancel_error = false;
};

}  // namespace kv
