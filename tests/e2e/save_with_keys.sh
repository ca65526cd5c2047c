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

on_display() {
    use_display "$2"
    local saved=$work_dir/regs.txt expected=$work_dir/expected.txt
    start_app "$1"
    xdotool key ctrl+s
    answer_dialog "$dialog_title" "$saved"

    local expected_size=$((${#start_words[@]} * 6))
    printf '%s\t' "${start_words[@]}" >"$expected"
    [ "$(stat -c %s "$expected")" -eq "$expected_size" ] || fail "expected list is not $expected_size bytes"
    wait_for_file "$saved" "$expected_size"
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
