#!/usr/bin/env bash
# End to end on a real X display of 1024 x 600 without a window manager, as a
# person's hands use the window:
#   - the window fits the screen;
#   - the mouse wheel rolled over every point of every page changes no word;
#   - after each message box the keys reach the window again, with no click;
#   - the puzzle window opens centred on the configuration window, as far
#     as the screen lets it;
#   - Ctrl+S then saves the start image, word for word, and the keys reach
#     the window after the save dialog and after the question that follows it.
#
#   hands_on_display.sh PATH/TO/kv2841a
#
# Runs itself again inside xvfb-run. Exits 77 (skipped) when xvfb-run or
# xdotool is missing, except under CI, where that is a failure.
set -euo pipefail
. "$(dirname "$0")/display.sh"

readonly puzzle_title='MiniGame'
readonly dialog_title='保存文件'
readonly screen_width=1024 screen_height=600
# Points apart on the wheel's grid: less than the smallest list or spin.
readonly step_x=${KV_STEP_X:-16} step_y=${KV_STEP_Y:-8}
# The menu bar and the tab strip above the page, the status bar below it.
readonly page_top=56 page_bottom_margin=28

# Prints "x y width height" of a window.
geometry_of() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# Rolls the wheel two notches down at every point of the page area.
roll_over_page() {
    local window=$1 x y commands=()
    read -r _ _ width height < <(geometry_of "$window")
    for ((y = page_top; y < height - page_bottom_margin; y += step_y)); do
        for ((x = 4; x < width - 4; x += step_x)); do
            commands+=(mousemove --window "$window" "$x" "$y" click --repeat 2 --delay 0 5)
        done
    done
    xdotool "${commands[@]}"
}

# The keys reach the configuration window: it has the input focus.
expect_focus_back() {
    local window=$1 focused deadline=$((SECONDS + wait_seconds))
    until focused=$(xdotool getwindowfocus) && [ "$focused" = "$window" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$2: the focus is on $focused, not the window $window"
        sleep 0.1
    done
}

# Opens the version box from the keyboard (帮助(H), its second item) and closes it.
use_version_item() {
    local window=$1
    xdotool key alt+h Down Return
    local box
    box=$(window_named '^版本信息$') || fail "Alt+H, Down, Enter showed no version box"
    [ -n "$box" ] || fail "Alt+H, Down, Enter showed no version box"
    xdotool key Return
    window_closes '^版本信息$' ||
        fail "Enter did not close the version box"
}

save_and_compare() {
    local window=$1 saved=$work_dir/regs.txt expected=$work_dir/expected.txt
    xdotool key ctrl+s
    answer_dialog "$dialog_title" "$saved"
    local expected_size=$((${#start_words[@]} * 6))
    printf '%s\t' "${start_words[@]}" >"$expected"
    wait_for_file "$saved" "$expected_size"
    cmp "$expected" "$saved" || fail "a word changed: the saved list differs from the start image"
    expect_focus_back "$window" "after the save dialog"
    # Two modal windows one after the other: the dialog, then the question
    # before replacing the file, answered No with Escape.
    xdotool key ctrl+s
    answer_dialog "$dialog_title" "$saved"
    window_named '^警告$' >/dev/null || fail "no question before replacing $saved"
    xdotool key Escape
    expect_focus_back "$window" "after the question before replacing"
}

on_display() {
    use_display "$2"
    start_app "$1"
    local window=$app_window

    local x y width height
    read -r x y width height < <(geometry_of "$window")
    [ "$((x + width))" -le "$screen_width" ] && [ "$((y + height))" -le "$screen_height" ] ||
        fail "the window ${width}x${height}+${x}+${y} does not fit the ${screen_width}x${screen_height} screen"

    local page
    for page in 1 2 3 4; do
        echo "rolling the wheel over page $page" >&2
        roll_over_page "$window"
        xdotool key ctrl+Next
    done
    window_shown '^提示$' &&
        fail "the wheel picked a crystal: a reminder box is up"

    local use
    for use in 1 2 3 4; do
        use_version_item "$window"
        expect_focus_back "$window" "after version box $use"
    done
    use_version_item "$window"
    local puzzle
    puzzle=$(window_named "^${puzzle_title}\$") || fail "the fifth use opened no puzzle window"
    [ -n "$puzzle" ] || fail "the fifth use opened no puzzle window"
    local px py pw ph
    read -r px py pw ph < <(geometry_of "$puzzle")
    # Centred on the window, as far as the screen lets it: a puzzle taller or
    # wider than the room around the window stands against the screen's edge.
    local dx=$(((px + pw / 2) - (x + width / 2))) dy=$(((py + ph / 2) - (y + height / 2)))
    if [ "${dy#-}" -gt 2 ] && { [ "$py" -eq 0 ] || [ $((py + ph)) -eq "$screen_height" ]; }; then
        dy=0
    fi
    if [ "${dx#-}" -gt 2 ] && { [ "$px" -eq 0 ] || [ $((px + pw)) -eq "$screen_width" ]; }; then
        dx=0
    fi
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] && [ "$px" -ge 0 ] && [ "$py" -ge 0 ] &&
        [ $((px + pw)) -le "$screen_width" ] && [ $((py + ph)) -le "$screen_height" ] ||
        fail "the puzzle at ${pw}x${ph}+${px}+${py} is not centred on the window at ${width}x${height}+${x}+${y} within the screen"

    xdotool windowfocus --sync "$window"
    save_and_compare "$window"
    echo "window ${width}x${height}; wheel changed no word; focus back after every box; puzzle centred"
}

main() {
    [ $# -eq 1 ] && [ -x "$1" ] || fail "usage: hands_on_display.sh PATH/TO/kv2841a"
    need_tools xvfb-run xdotool
    rerun_on_display 110 "${screen_width}x${screen_height}" "$1"
}

run_test "$@"
