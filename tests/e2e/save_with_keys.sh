#!/usr/bin/env bash
# End to end on a real X display: start the program, press Ctrl+S, type a path
# into the save dialog, press Enter, and compare the file written with the SPI
# list of the start image.
#
#   save_with_keys.sh PATH/TO/kv2841a
#
# Runs itself again inside xvfb-run. Exits 77 (skipped) when xvfb-run or
# xdotool is missing, except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

readonly dialog_title='保存文件'

# The 44 start words of REG0 to REG43, in register order.
readonly start_words=(
    FFF00 011D5 32178 28F5C 0FB00 EB84F 0C400 51EB7 318C2 55700 9965E
    B145C B249C 62625 8AAFE FFF80 5F910 40077 7C030 90708 008B2 420AE
    75541 F7BDE FFF80 5FA10 40077 FC030 90C00 4208D 75541 FFF80 5F910
    40077 7C030 90C00 420A8 75541 EE296 47002 00000 FFFFD FFFFD FFFFD
)

on_display() {
    use_display "$2"
    local saved=$work_dir/regs.txt expected=$work_dir/expected.txt
    start_app "$1"
    xdotool key ctrl+s

    local dialog
    dialog=$(window_named "^${dialog_title}\$") || fail "Ctrl+S opened no \"$dialog_title\" dialog"
    [ -n "$dialog" ] || fail "Ctrl+S opened no \"$dialog_title\" dialog"
    xdotool windowfocus --sync "$dialog"
    # The file name field has the focus when the dialog opens.
    xdotool type --delay 10 "$saved"
    xdotool key Return

    local expected_size=$((${#start_words[@]} * 6))
    printf '%s\t' "${start_words[@]}" >"$expected"
    [ "$(stat -c %s "$expected")" -eq "$expected_size" ] || fail "expected list is not $expected_size bytes"
    local deadline=$((SECONDS + wait_seconds))
    until [ -f "$saved" ] && [ "$(stat -c %s "$saved")" -ge "$expected_size" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no complete file at $saved after Enter"
        sleep 0.1
    done
    cmp "$expected" "$saved" || fail "the saved list differs from the start image"
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended after saving"
    echo "saved $expected_size bytes, the SPI list of the start image"
}

main() {
    [ $# -eq 1 ] && [ -x "$1" ] || fail "usage: save_with_keys.sh PATH/TO/kv2841a"
    need_tools xvfb-run xdotool
    rerun_on_display 90 1366x768 "$1"
}

run_test "$@"
