#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "panel/kv2841a.h"
#include "register_lists/register_list_reading.h"

namespace kv {

// The filter of the file dialogs, as "description|pattern" pairs: the save
// dialog offers text files, the open dialog text files and then all files.
inline constexpr std::string_view kTextFilesFilter = "Text_Files(*.txt)|*.txt";
inline constexpr std::string_view kAllFilesFilter = "All_Files(*)|*";

// The open dialog starts where the last file was saved or opened.
void prepare_open_dialog(CommonDialog& dialog);

// Reads a register list file as opening reads it; a file that cannot be read
// as one is reported in the box "警告" and gives none.
[[nodiscard]] std::optional<RegisterListFile> read_list_file(Kv2841a& w, const std::string& path);

}  // namespace kv
