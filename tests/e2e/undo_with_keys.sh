#!/usr/bin/env bash
# End to end on a real X display: change a setting from the keyboard (Tab past
# the tabs to the first bandwidth list, Down) and save the SPI list; press the
# "默 认" button of the page (Tab past the tabs and the four lists, Enter),
# then Ctrl+Z, and save again: the last file holds the words of the changed
# setting, as the first does.
#
#   undo_with_keys.sh PATH/TO/kv2841a
#
# Runs itself again inside xvfb-run. Exits 77 (skipped) when xvfb-run or
# xdotool is missing, except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

readonly dialog_title='保存文件'
readonly list_size=$((${#start_words[@]} * 6))

save_as() {
    xdotool key ctrl+s
    answer_dialog "$dialog_title" "$1"
    wait_for_file "$1" "$list_size"
    xdotool windowfocus --sync "$app_window"
}

on_display() {
    use_display "$2"
    local changed=$work_dir/changed.txt undone=$work_dir/undone.txt start=$work_dir/start.txt
    printf '%s\t' "${start_words[@]}" >"$start"
    start_app "$1"

    xdotool key Tab Tab Down
    save_as "$changed"
    cmp -s "$start" "$changed" && fail "Tab, Tab, Down changed no setting"

    xdotool key Tab Tab Tab Tab Tab Tab Return
    save_as "$work_dir/reset.txt"
    cmp "$start" "$work_dir/reset.txt" || fail "the button the Tab reached was no reset"

    xdotool key ctrl+z
    save_as "$undone"
    cmp "$changed" "$undone" || fail "after Ctrl+Z the words are not those of the changed setting"
    echo "Ctrl+Z after the reset brought back the changed setting's words"
}

main() {
    [ $# -eq 1 ] && [ -x "$1" ] || fail "usage: undo_with_keys.sh PATH/TO/kv2841a"
    need_tools xvfb-run xdotool
    rerun_on_display 90 1366x768 "$1"
}

run_test "$@"
