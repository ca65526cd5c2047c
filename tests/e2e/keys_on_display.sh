#!/usr/bin/env bash
# End to end on a real X display of 1366 x 768, keys pressed at a person's
# pace:
#   - Page Down on the closed crystal list, which stands at its start value,
#     picks the item after that value;
#   - 1575.42 typed key by key into channel 1's LO list, where 1575 already
#     stands too close to channel 2, arrives whole: no box opens while the
#     keys come, and the box "提示" opens once Tab ends the entry.
# Each time the SPI list saved with Ctrl+S must be the one the batch tool
# saves after the same actions.
#
#   keys_on_display.sh PATH/TO/kv2841a PATH/TO/kv2841a-batch
#
# KV_SCREENS=DIR keeps a screenshot of the warning in DIR. Runs itself again
# inside xvfb-run. Exits 77 (skipped) when xvfb-run, xdotool or import is
# missing, except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

readonly pace_ms=150
# From the focus sink, the Tab key reaches the crystal list after the tab
# strip and the three bandwidth lists, and the frequency switch after the
# reset button and the two other test switches.
readonly tabs_to_crystals=5 tabs_to_frequency_switch=4

batch=""

# The SPI list the batch tool saves at OUT after the script lines given.
batch_list() {
    local out=$1
    shift
    printf '%s\n' "$@" "save spi $out" | "$batch" - 2>"$work_dir/batch.log" ||
        fail "the batch tool refused: $(cat "$work_dir/batch.log")"
}

# Saves the SPI list with Ctrl+S at SAVED and compares it with EXPECTED.
expect_saved() {
    local saved=$1 expected=$2
    xdotool windowfocus --sync "$app_window"
    xdotool key ctrl+s
    answer_dialog '保存文件' "$saved"
    wait_for_file "$saved" "$(stat -c %s "$expected")"
    cmp "$expected" "$saved" || fail "$3: the saved words differ from the batch tool's"
}

# The box "提示" is up; it is closed with Enter.
close_reminder() {
    local box
    box=$(window_named '^提示$') || fail "$1: no box \"提示\""
    [ -n "$box" ] || fail "$1: no box \"提示\""
    if [ -n "${KV_SCREENS:-}" ]; then
        import -window root "$KV_SCREENS/$2.png"
    fi
    xdotool windowfocus --sync "$box"
    xdotool key Return
    window_closes '^提示$' ||
        fail "$1: Enter did not close the box"
}

on_display() {
    local app=$1
    batch=$2
    use_display "$3"
    start_app "$app"

    xdotool key --delay "$pace_ms" $(printf 'Tab %.0s' $(seq "$tabs_to_crystals")) Next
    close_reminder "Page Down on the crystal list" crystal_page_down
    batch_list "$work_dir/stepped.txt" "pick crylist 30"
    expect_saved "$work_dir/after-page-down.txt" "$work_dir/stepped.txt" "Page Down from 25 MHz"
    echo "Page Down went from the list's value to the next item"

    xdotool windowfocus --sync "$app_window"
    xdotool key --delay "$pace_ms" $(printf 'Tab %.0s' $(seq $((tabs_to_crystals + tabs_to_frequency_switch)))) space Tab ctrl+a
    xdotool type --delay "$pace_ms" 1575.42
    sleep 0.5
    if window_shown '^提示$'; then
        fail "a box opened while the frequency was being typed"
    fi
    xdotool key Tab
    close_reminder "Tab after 1575.42" lo_spacing_warning
    batch_list "$work_dir/typed.txt" "pick crylist 30" "click Freq_ck" "type ch1bz 1575.42"
    expect_saved "$work_dir/after-typing.txt" "$work_dir/typed.txt" "1575.42 typed"
    echo "1575.42 arrived whole; the warning came after Tab"
}

main() {
    [ $# -eq 2 ] && [ -x "$1" ] && [ -x "$2" ] ||
        fail "usage: keys_on_display.sh PATH/TO/kv2841a PATH/TO/kv2841a-batch"
    need_tools xvfb-run xdotool import
    rerun_on_display 110 1366x768 "$1" "$2"
}

run_test "$@"
