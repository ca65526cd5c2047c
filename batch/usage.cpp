#include "batch/runner.h"

namespace kv::batch {

std::string usage_text() {
    return R"(Usage: kv2841a-batch [SCRIPT | -]
       kv2841a-batch --help | --version
Starts the KV2841A configuration window without showing it and performs the
actions of SCRIPT (standard input when omitted or "-"), one per line:
  pick CONTROL ITEM    pick ITEM from a list (Combo2, crylist, CH1_AGC_Gain, ch1bz)
  type CONTROL TEXT    click, select all, type TEXT key by key (no TEXT: delete all)
  paste CONTROL TEXT   click, select all, replace with TEXT in one edit
  click CONTROL        check box, option, button, menu item, box, tab (key1..key4),
                       MiniGame.NAME for the puzzle window (MiniGame.minibox(11))
  up CONTROL, down CONTROL   one click on a spin arrow (VScroll_fbA)
  save spi|c|no PATH   save that layout to PATH, answering Yes to every question;
                       a PATH that ends in blanks is an error, not part of the name
  open PATH            open the register list file PATH, as the menu item does
  print CONTROL        write the control's text or value
  dump                 write REGn, TAB, word, TAB, * (marked) or - for all 44
CR, LF and CR LF each end a line. Blank lines and lines starting with # are
skipped. Message boxes go to standard error as "TITLE: TEXT" (line feeds as
" / ") and are answered OK, or Yes to a question.
Every problem is reported on standard error with its line number.
Exit status:
  0  every action ran
  1  some action was refused or failed: disabled, locked or not open, a type
     whose every key was discarded, a save that wrote nothing (the run goes on)
  2  a line could not be read: unknown action or control, extra words, a
     missing control, item or file name; or the script cannot be read (the
     run stops there)
)";
}

}  // namespace kv::batch
