#include "batch/runner.h"

namespace kv::batch {

std::string usage_text() {
    return R"(usage: kv2841a-batch [SCRIPT | -]
Starts the KV2841A configuration window without showing it and performs the
actions of SCRIPT (standard input when omitted or "-"), one per line:
  pick CONTROL ITEM    pick ITEM from a list (Combo2, crylist, CH1_AGC_Gain, ch1bz)
  type CONTROL TEXT    click, select all, type TEXT key by key (no TEXT: delete all)
  paste CONTROL TEXT   click, select all, replace with TEXT in one edit
  click CONTROL        check box, option, button, menu item, box, tab (key1..key4),
                       MiniGame.NAME for the puzzle window (MiniGame.minibox(11))
  up CONTROL, down CONTROL   one click on a spin arrow (VScroll_fbA)
  save spi|c|no PATH   save that layout to PATH, answering Yes to replace
  open PATH            open the register list file PATH, as the menu item does
  print CONTROL        write the control's text or value
  dump                 write REGn, TAB, word, TAB, * (marked) or - for all 44
Blank lines and lines starting with # are skipped. Message boxes go to standard
error as "TITLE: TEXT" (line feeds as " / ") and are answered OK (Yes to replace).
Exit status: 0 all actions ran, 1 some were refused (disabled, locked, not open;
reported with their line number), 2 a line could not be read (the run stops).
)";
}

}  // namespace kv::batch
