#pragma once

#include <string_view>

namespace kv {

// The filter of the file dialogs, as "description|pattern" pairs: the save
// dialog offers text files, the open dialog text files and then all files.
inline constexpr std::string_view kTextFilesFilter = "Text_Files(*.txt)|*.txt";
inline constexpr std::string_view kAllFilesFilter = "All_Files(*)|*";

}  // namespace kv
