#!/usr/bin/env bash
# End to end on a real X display: compare the window with a register list
# through Ctrl+D (the path typed into the open dialog, then Enter). A window
# "比较寄存器列表" comes up, and the window's words stay the start words: the
# SPI list saved with Ctrl+S afterwards is the start list.
#
#   compare_with_keys.sh PATH/TO/kv2841a
#
# Runs itself again inside xvfb-run. Exits 77 (skipped) when xvfb-run or
# xdotool is missing, except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

on_display() {
    local app=$1 words comparison
    use_display "$2"
    # Channel 2 at 30 MHz: REG1 and REG27 differ from the start words.
    words=("${start_words[@]}")
    words[1]=211D5
    words[27]=FE830
    printf '%s\t' "${words[@]}" >"$work_dir/board.txt"
    printf '%s\t' "${start_words[@]}" >"$work_dir/start.txt"

    start_app "$app"
    xdotool key ctrl+d
    answer_dialog '打开文件' "$work_dir/board.txt"
    comparison=$(window_named '^比较寄存器列表 - board.txt$') ||
        fail "comparing showed no window \"比较寄存器列表\""
    [ -n "$comparison" ] || fail "comparing showed no window \"比较寄存器列表\""
    echo "Ctrl+D: the window \"比较寄存器列表 - board.txt\" is shown"

    xdotool windowfocus --sync "$app_window"
    xdotool key ctrl+s
    answer_dialog '保存文件' "$work_dir/after.txt"
    wait_for_file "$work_dir/after.txt" "$(stat -c %s "$work_dir/start.txt")"
    cmp "$work_dir/start.txt" "$work_dir/after.txt" || fail "comparing changed the window's words"
    echo "Ctrl+D: the window's 44 words are still the start words"
}

main() {
    [ $# -eq 1 ] && [ -x "$1" ] || fail "usage: compare_with_keys.sh PATH/TO/kv2841a"
    need_tools xvfb-run xdotool
    rerun_on_display 110 1366x768 "$1"
}

run_test "$@"
