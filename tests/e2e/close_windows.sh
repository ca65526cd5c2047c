#!/usr/bin/env bash
# End to end on a real X display: the program ends once both of its windows
# are closed, in every order and by every way: the configuration window's
# "退出" and the puzzle window's "退出" (menus worked with keys), and the close
# request a window manager sends (WM_DELETE_WINDOW). Closing the first window
# leaves the program running with the other.
#
#   close_windows.sh PATH/TO/kv2841a
#
# Runs itself again inside xvfb-run. Exits 77 (skipped) when xvfb-run, xdotool
# or python3 is missing, except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

readonly game_title='MiniGame'
readonly here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")

focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

# The fifth use of "版本" (menu "帮助(H)", below the greyed "提示") opens the
# puzzle window once its version box is closed with Enter.
open_game() {
    local config=$1 use
    for use in 1 2 3 4 5; do
        focus "$config"
        xdotool key alt+h
        sleep 0.3
        xdotool key Down Return
        sleep 0.3
        xdotool key Return
        sleep 0.3
    done
    window_named "^${game_title}\$" >/dev/null || fail "the puzzle window did not open"
}

# "退出" is the last item of the menu "文件(F)": Up from the first item wraps to it.
config_exit() {
    focus "$1"
    xdotool key alt+f
    sleep 0.3
    xdotool key Up Return
}

# "退出" is the third title of the puzzle window's menu bar; Alt alone enters the bar.
game_exit() {
    focus "$1"
    xdotool key alt
    sleep 0.3
    xdotool key Right Right Return
}

wm_close() {
    /usr/bin/python3 "$here/wm_close.py" "$1"
}

gone_within() {
    local deadline=$((SECONDS + wait_seconds))
    while kill -0 "$app_pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

still_running_with() {
    sleep 1
    kill -0 "$app_pid" 2>/dev/null || fail "$order: the program ended with the other window open"
    window_shown "^$1\$" ||
        fail "$order: the window \"$1\" went with the other"
}

# One order: ORDER is "FIRST_WINDOW:WAY,SECOND_WINDOW:WAY" or "config:WAY" alone.
run_order() {
    order=$1
    start_app "$app"
    local config=$app_window game=""
    if [[ $order == *,* ]]; then
        open_game "$config"
        game=$(window_named "^${game_title}\$")
    fi
    local step window way
    local -a steps
    IFS=, read -r -a steps <<<"$order"
    for step in "${steps[@]}"; do
        window=${step%%:*}
        way=${step##*:}
        local id=$config other=$game_title
        if [ "$window" = game ]; then
            id=$game
            other=$title
        fi
        case $way in
            exit) [ "$window" = game ] && game_exit "$id" || config_exit "$id" ;;
            wm) wm_close "$id" ;;
        esac
        if [ "$step" != "${steps[-1]}" ]; then
            still_running_with "$other"
        fi
    done
    gone_within || { kill "$app_pid"; fail "$order: the program still runs with no window left"; }
    wait "$app_pid" 2>/dev/null || fail "$order: the program did not end cleanly"
    echo "ok: $order"
}

on_display() {
    app=$1
    use_display "$2"
    local order
    for order in config:exit config:wm \
        config:exit,game:exit config:wm,game:exit config:wm,game:wm config:exit,game:wm \
        game:exit,config:exit game:wm,config:wm game:exit,config:wm game:wm,config:exit; do
        run_order "$order"
    done
}

main() {
    [ $# -eq 1 ] && [ -x "$1" ] || fail "usage: close_windows.sh PATH/TO/kv2841a"
    need_tools xvfb-run xdotool /usr/bin/python3
    rerun_on_display 600 1366x768 "$1"
}

run_test "$@"
