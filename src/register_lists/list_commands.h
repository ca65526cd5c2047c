#pragma once

#include <string>

#include "panel/kv2841a.h"

namespace kv {

// Opening and saving register lists from the menu "文件(F)" and the buttons of
// the page "寄存器列表".
void SaveHexList_Click(Kv2841a& w);
void SaveTipList_Click(Kv2841a& w);
void open_file_Click(Kv2841a& w);
void save_file_Click(Kv2841a& w);
void save_reg_list_Click(Kv2841a& w);

// Opens a register list file: the settings that produce its words, then its
// words, as one action. A file that cannot be read as a register list is
// reported and changes nothing. False when nothing was opened.
bool open_register_list(Kv2841a& w, const std::string& path);

// Compares the window's register list with a file chosen in the open dialog
// and shows what differs. Comparing changes nothing in the window: not a word,
// a mark, a setting or the name the save dialog offers. A file that cannot be
// read as a register list is reported as opening reports it. False when
// nothing was compared.
void compare_file_Click(Kv2841a& w);
bool compare_register_list(Kv2841a& w, const std::string& path);

void attach_register_lists(Kv2841a& w);

}  // namespace kv
