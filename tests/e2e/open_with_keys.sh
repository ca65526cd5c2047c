#!/usr/bin/env bash
# End to end on a real X display: open a register list with Ctrl+O (the path
# typed into the open dialog, then Enter), and with the file named on the
# command line; each time save the SPI list with Ctrl+S and compare it with the
# list opened, so that every word on the register page is the file's.
#
#   open_with_keys.sh PATH/TO/kv2841a
#
# Runs itself again inside xvfb-run. Exits 77 (skipped) when xvfb-run or
# xdotool is missing, except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

# A set-up away from the start: the 40 MHz crystal (REG1, REG9 and the LO
# words of the pre-divider 4), channel 1 at 1400 MHz (integer-N, REG2 and
# REG3), 4-bit digital output (REG8) and a word typed by hand into REG13.
readonly words=(
    FFF00 00245 2B230 00000 0FB00 EB84F 0C400 51EB7 F7BC2 45300 9965E
    B145C B249C 12345 8AAFE FFF80 5F910 40077 7C030 90708 008B2 420AE
    75541 F7BDE FFF80 5FA10 40077 FC030 90C00 4208D 75541 FFF80 5F910
    40077 7C030 90C00 420A8 75541 EE296 47002 00000 FFFFD FFFFD FFFFD
)

# Saves the SPI list with Ctrl+S and compares it with the file opened.
expect_saved_as_opened() {
    local saved=$1 size window
    window=$(window_named "^${title}\$") || fail "the window \"$title\" is gone"
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+s
    answer_dialog '保存文件' "$saved"
    size=$(stat -c %s "$work_dir/regs.txt")
    wait_for_file "$saved" "$size"
    cmp "$work_dir/regs.txt" "$saved" || fail "$2: the words differ from the file opened"
    echo "$2: all 44 words are the file's"
}

on_display() {
    local app=$1
    use_display "$2"
    printf '%s\t' "${words[@]}" >"$work_dir/regs.txt"

    start_app "$app"
    xdotool key ctrl+o
    answer_dialog '打开文件' "$work_dir/regs.txt"
    # Opening tells of REG13, which no setting gives, in the box "提示".
    local box
    box=$(window_named '^提示$') || fail "opening showed no box \"提示\""
    [ -n "$box" ] || fail "opening showed no box \"提示\""
    xdotool windowfocus --sync "$box"
    xdotool key Return
    expect_saved_as_opened "$work_dir/after-ctrl-o.txt" "Ctrl+O"
    stop_app

    start_app "$app" "$work_dir/regs.txt"
    box=$(window_named '^提示$') || fail "opening at start showed no box \"提示\""
    xdotool windowfocus --sync "$box"
    xdotool key Return
    expect_saved_as_opened "$work_dir/after-start.txt" "kv2841a FILE"
}

main() {
    [ $# -eq 1 ] && [ -x "$1" ] || fail "usage: open_with_keys.sh PATH/TO/kv2841a"
    need_tools xvfb-run xdotool
    rerun_on_display 110 1366x768 "$1"
}

run_test "$@"
