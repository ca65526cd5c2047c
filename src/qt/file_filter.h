#pragma once

#include <QString>
#include <string_view>

namespace kv::qt {

// The save dialog's filter as the window writes it, pairs of description and
// patterns joined by "|", patterns separated by ";", made into Qt's form, one
// "description (patterns)" per line, or the description alone where it ends
// in its patterns already:
//   "Text_Files(*.txt)|*.txt"           -> "Text_Files(*.txt)"
//   "Logs|*.log;*.txt|All|*.*"          -> "Logs (*.log *.txt)\nAll (*.*)"
// A description without patterns stands alone; an empty filter gives "".
[[nodiscard]] QString qt_name_filter(std::string_view filter);

}  // namespace kv::qt
