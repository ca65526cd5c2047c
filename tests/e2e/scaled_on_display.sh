#!/usr/bin/env bash
# End to end on a real X display of 1366 x 768 at double scale
# (QT_SCALE_FACTOR=2, as on a small high-density laptop screen): the window,
# the save dialog and a message box each lie wholly within the screen.
#
#   scaled_on_display.sh PATH/TO/kv2841a
#
# KV_SCREENS=DIR keeps a screenshot of each in DIR. Runs itself again inside
# xvfb-run. Exits 77 (skipped) when xvfb-run, xdotool or import is missing,
# except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

readonly screen_width=1366 screen_height=768

# Fails unless the window named lies within the screen; keeps a screenshot.
expect_within_screen() {
    local window=$1 what=$2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_width" ] &&
        [ $((Y + HEIGHT)) -le "$screen_height" ] ||
        fail "$what at ${WIDTH}x${HEIGHT}+${X}+${Y} leaves the ${screen_width}x${screen_height} screen"
    if [ -n "${KV_SCREENS:-}" ]; then
        import -window root "$KV_SCREENS/scaled_$3.png"
    fi
    echo "$what: ${WIDTH}x${HEIGHT}+${X}+${Y}"
}

# The window named TITLE, once shown.
shown() {
    local window
    window=$(window_named "^$1\$") || fail "no window \"$1\""
    [ -n "$window" ] || fail "no window \"$1\""
    echo "$window"
}

on_display() {
    use_display "$2"
    export QT_SCALE_FACTOR=2
    start_app "$1"
    sleep 0.5
    expect_within_screen "$app_window" "the window" window

    xdotool key ctrl+s
    local dialog
    dialog=$(shown '保存文件')
    sleep 0.5
    expect_within_screen "$dialog" "the save dialog" save_dialog
    xdotool windowfocus --sync "$dialog"
    xdotool key Escape

    xdotool windowfocus --sync "$app_window"
    xdotool key alt+h Down Return
    local box
    box=$(shown '版本信息')
    sleep 0.5
    expect_within_screen "$box" "the version box" version_box
    xdotool windowfocus --sync "$box"
    xdotool key Return
}

main() {
    [ $# -eq 1 ] && [ -x "$1" ] || fail "usage: scaled_on_display.sh PATH/TO/kv2841a"
    need_tools xvfb-run xdotool import
    rerun_on_display 90 "${screen_width}x${screen_height}" "$1"
}

run_test "$@"
